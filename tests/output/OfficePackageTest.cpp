// .docx and .xlsx packages opened with libzip: parts, the picture, its extent at physical size.
#include "output/OfficePackage.h"

#include <gtest/gtest.h>
#include <zip.h>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

#include "output/OutputSymbols.h"
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
    for (const PackageCase& package : packages) {
        for (const auto& symbol : test::OutputSymbols()) {
            for (const double dotsPerMm : {4.0, 12.0, 11.811, 100.0 / 7}) {
                SCOPED_TRACE(std::string(package.suffix) + " " + symbol.name + " at " +
                             std::to_string(dotsPerMm));
                const QImage picture =
                    RenderSymbolPicture(symbol.render(dotsPerMm, dotsPerMm)).image;
                const QString path = FreshTemporaryPath(package.suffix);
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
                    EXPECT_TRUE(entries.at(placing).contains(
                        "<xdr:from><xdr:col>0</xdr:col><xdr:colOff>0</xdr:colOff>"
                        "<xdr:row>0</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from>"));
                }
            }
        }
    }
}

TEST(OfficePackage, EveryHandOverGetsAFreshFileInTheTemporaryFolder) {
    const QString first = FreshTemporaryPath("docx");
    const QString second = FreshTemporaryPath("docx");
    EXPECT_NE(first, second);
    for (const QString& path : {first, second}) {
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(QDir::tempPath()).absolutePath());
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
