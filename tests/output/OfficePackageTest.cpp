// .docx and .xlsx packages opened with libzip: parts, the picture, its extent at physical size.
#include "output/OfficePackage.h"

#include <gtest/gtest.h>
#include <zip.h>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <iostream>
#include <map>

#include "output/OutputSymbols.h"
#include "output/PdfTools.h"
#include "output/TemporaryFolder.h"
#include "support/GuiApp.h"
#include "support/ZXingDecode.h"

namespace quillmark {
namespace {

// Every entry of a zip file by name; empty when it cannot be opened.
std::map<std::string, QByteArray> Unzip(const QString& path) {
    std::map<std::string, QByteArray> entries;
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive) return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0) continue;
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        if (!file) continue;
        QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
        if (zip_fread(file, bytes.data(), stat.size) == static_cast<zip_int64_t>(stat.size))
            entries[stat.name] = bytes;
        zip_fclose(file);
    }
    zip_close(archive);
    return entries;
}

struct Extent {
    long long cx = -1;
    long long cy = -1;
};

Extent FindExtent(const QByteArray& xml, const QString& element) {
    const QRegularExpressionMatch m =
        QRegularExpression("<" + element + " cx=\"(\\d+)\" cy=\"(\\d+)\"").match(xml);
    return m.hasMatch() ? Extent{m.captured(1).toLongLong(), m.captured(2).toLongLong()} : Extent{};
}

struct PackageCase {
    const char* suffix;
    std::function<std::string(const QImage&, double, const QString&)> save;
    std::vector<std::string> parts;
    const char* extentElement;  // holds the picture's size in EMU
    std::string media;
};

TEST(OfficePackage, PackagesHoldThePictureAtPhysicalSize) {
    const PackageCase packages[] = {
        {"docx",
         SaveDocx,
         {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
          "word/media/image1.png"},
         "wp:extent",
         "word/media/image1.png"},
        {"xlsx",
         SaveXlsx,
         {"[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/worksheets/sheet1.xml",
          "xl/drawings/drawing1.xml", "xl/media/image1.png"},
         "a:ext",
         "xl/media/image1.png"},
    };
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const PackageCase& package : packages) {
        for (const auto& symbol : test::OutputSymbols()) {
            for (const double dotsPerMm : {4.0, 12.0, 11.811, 100.0 / 7}) {
                SCOPED_TRACE(std::string(package.suffix) + " " + symbol.name + " at " +
                             std::to_string(dotsPerMm));
                const QImage picture =
                    RenderSymbolPicture(symbol.symbol, dotsPerMm, dotsPerMm).image;
                const QString path = FreshTemporaryPath(package.suffix, folder.path());
                ASSERT_FALSE(path.isEmpty());
                ASSERT_EQ(package.save(picture, dotsPerMm, path), "");
                const auto entries = Unzip(path);
                QFile::remove(path);
                for (const std::string& part : package.parts)
                    EXPECT_TRUE(entries.contains(part)) << part;
                ASSERT_TRUE(entries.contains(package.media));
                const QImage media = QImage::fromData(entries.at(package.media), "PNG");
                EXPECT_EQ(media.convertToFormat(QImage::Format_RGB32), picture);
                // The part that places the picture: the document or the drawing.
                const std::string placing = package.suffix == std::string("docx")
                                                ? "word/document.xml"
                                                : "xl/drawings/drawing1.xml";
                ASSERT_TRUE(entries.contains(placing));
                const Extent extent = FindExtent(entries.at(placing), package.extentElement);
                EXPECT_NEAR(static_cast<double>(extent.cx), picture.width() / dotsPerMm * 36000,
                            1.0);
                EXPECT_NEAR(static_cast<double>(extent.cy), picture.height() / dotsPerMm * 36000,
                            1.0);
                if (package.suffix == std::string("xlsx")) {
                    // Anchored at A1 by its size, whatever the widths of the columns.
                    const QByteArray& drawing = entries.at(placing);
                    EXPECT_TRUE(drawing.contains(
                        "<xdr:oneCellAnchor><xdr:from><xdr:col>0</xdr:col><xdr:colOff>0</"
                        "xdr:colOff><xdr:row>0</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from>"))
                        << drawing.toStdString();
                    EXPECT_FALSE(drawing.contains("twoCellAnchor"));
                    const Extent anchor = FindExtent(drawing, "xdr:ext");
                    EXPECT_EQ(anchor.cx, PixelsToEmu(picture.width(), dotsPerMm));
                    EXPECT_EQ(anchor.cy, PixelsToEmu(picture.height(), dotsPerMm));
                    EXPECT_EQ(extent.cx, anchor.cx);
                    EXPECT_EQ(extent.cy, anchor.cy);
                }
            }
        }
    }
}

// Anything but exactly one two-cell anchor is refused (the one anchor is checked above).
TEST(OfficePackage, AnchorPictureBySizeNeedsOneTwoCellAnchor) {
    const QByteArray anchor =
        "<xdr:twoCellAnchor><xdr:from/><xdr:to>x</xdr:to></xdr:twoCellAnchor>";
    for (const QByteArray& drawing : {QByteArray(), QByteArray("<xdr:wsDr/>"), anchor + anchor})
        EXPECT_EQ(AnchorPictureBySize(drawing, 1, 1), QByteArray()) << drawing.toStdString();
    EXPECT_EQ(AnchorPictureBySize(anchor, 2, 3),
              QByteArray("<xdr:oneCellAnchor><xdr:from/><xdr:ext cx=\"2\" cy=\"3\"/>"
                         "</xdr:oneCellAnchor>"));
}

// The size in millimetres at which the first page of pdf places its first image; empty when it
// cannot be measured.
QSizeF PlacedImageMm(const QString& pdf) {
    // pdftocairo's SVG holds the image in its pixels and the matrix that places it, exactly.
    const QString svg = pdf + QStringLiteral(".svg");
    QProcess convert;
    convert.start(QStringLiteral("pdftocairo"), {QStringLiteral("-svg"), pdf, svg});
    if (!convert.waitForFinished(60000) || convert.exitCode() != 0) return {};
    QFile file(svg);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(file.readAll());
    const QRegularExpressionMatch image =
        QRegularExpression(R"re(<image id="([^"]+)" width="([0-9.]+)" height="([0-9.]+)")re")
            .match(text);
    if (!image.hasMatch()) return {};
    const QRegularExpressionMatch use =
        QRegularExpression(R"re(<use xlink:href="#)re" + image.captured(1) +
                           R"(" transform="matrix\(([-0-9.e]+),0,0,([-0-9.e]+),)")
            .match(text);
    if (!use.hasMatch()) return {};
    constexpr double kMmPerPoint = 25.4 / 72;
    return {image.captured(2).toDouble() * use.captured(1).toDouble() * kMmPerPoint,
            image.captured(3).toDouble() * use.captured(2).toDouble() * kMmPerPoint};
}

// The picture's size in a spreadsheet program: Calc prints the workbook and Writer the document,
// each to PDF, and the picture placed in the two is measured. Calc without Calibri's metric twin
// sizes a picture anchored to two cells by its own column widths, not by its extent. Only where
// LibreOffice is installed.
TEST(OfficePackage, CalcShowsThePictureAtTheSizeWriterDoes) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the picture is not measured in "
                        "Calc and Writer";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto symbol = test::OutputSymbols().front();
    for (const double dotsPerMm : {12.0, 100.0 / 7}) {
        SCOPED_TRACE(dotsPerMm);
        const QImage picture = RenderSymbolPicture(symbol.symbol, dotsPerMm, dotsPerMm).image;
        const QString docx = dir.filePath("word.docx"), xlsx = dir.filePath("calc.xlsx");
        ASSERT_EQ(SaveDocx(picture, dotsPerMm, docx), "");
        ASSERT_EQ(SaveXlsx(picture, dotsPerMm, xlsx), "");
        QProcess convert;
        convert.start(soffice,
                      {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless",
                       "--convert-to", "pdf", "--outdir", dir.path(), docx, xlsx});
        ASSERT_TRUE(convert.waitForFinished(300000));
        ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
        const QSizeF expected(picture.width() / dotsPerMm, picture.height() / dotsPerMm);
        const QSizeF writer = PlacedImageMm(dir.filePath("word.pdf"));
        const QSizeF calc = PlacedImageMm(dir.filePath("calc.pdf"));
        ASSERT_TRUE(writer.isValid() && calc.isValid());
        std::cout << "picture " << expected.width() << " x " << expected.height() << " mm; Writer "
                  << writer.width() << " x " << writer.height() << " mm; Calc " << calc.width()
                  << " x " << calc.height() << " mm\n";
        EXPECT_NEAR(calc.width(), writer.width(), 0.1);
        EXPECT_NEAR(calc.height(), writer.height(), 0.1);
        EXPECT_NEAR(writer.width(), expected.width(), 0.1);
        EXPECT_NEAR(writer.height(), expected.height(), 0.1);
    }
}

TEST(OfficePackage, EveryHandOverGetsAFreshFileInTheTemporaryFolder) {
    const QString first = FreshTemporaryPath("docx");
    const QString second = FreshTemporaryPath("docx");
    EXPECT_NE(first, second);
    for (const QString& path : {first, second}) {
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_EQ(QFileInfo(path).absolutePath(), WindowTemporaryFolder().path);
        EXPECT_TRUE(path.endsWith(".docx"));
        QFile::remove(path);
    }
}

// xdg-mime names the default application; without one (or without xdg-mime) nothing is opened
// and the caller tells the user where the file is.
TEST(OfficePackage, OpensOnlyWithARegisteredApplication) {
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QByteArray savedPath = qgetenv("PATH");
    struct Case {
        const char* name;
        const char* script;  // the xdg-mime put first on PATH; nullptr for none at all
        QString expected;
    };
    const Case cases[] = {
        {"registered", "#!/bin/sh\necho libreoffice-writer.desktop\n",
         "libreoffice-writer.desktop"},
        {"nothing registered", "#!/bin/sh\nexit 0\n", ""},
        {"xdg-mime fails", "#!/bin/sh\nexit 4\n", ""},
        {"no xdg-mime", nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(bin.filePath("xdg-mime"));
        if (c.script) {
            QFile script(bin.filePath("xdg-mime"));
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(c.script);
            script.close();
            script.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        qputenv("PATH", bin.path().toLocal8Bit());
        EXPECT_EQ(DefaultApplication(kDocxMimeType), c.expected);
        if (c.expected.isEmpty()) {
            EXPECT_FALSE(
                OpenWithDefaultApplication(QDir::tempPath() + "/none.docx", kDocxMimeType));
        }
        qputenv("PATH", savedPath);
    }
}

}  // namespace
}  // namespace quillmark
