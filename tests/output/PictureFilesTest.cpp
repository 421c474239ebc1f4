// BMP, JPEG and PNG files read back: size, recorded density, decoding; failed writes lose nothing.
#include "output/PictureWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include "support/GuiApp.h"
#include "support/ZXingDecode.h"
#include "output/OfficePackage.h"
#include "output/OutputSymbols.h"
#include "output/VectorPictures.h"

namespace quillmark {
namespace {

using test::Density;
using test::OutputSymbols;

struct FormatCase {
    const char* extension;
    const char* format;
    bool lossless;
};

const FormatCase kFormats[] = {
    {"bmp", "BMP", true}, {"JPG", "JPEG", false}, {"jpeg", "JPEG", false}, {"png", "PNG", true}};

Density ExpectedDensity(const char* format, double dotsPerMm) {
    Density d;
    const auto perMetre = static_cast<std::uint32_t>(std::lround(dotsPerMm * 1000));
    const auto perCm = static_cast<std::uint32_t>(std::lround(dotsPerMm * 10));
    if (std::strcmp(format, "JPEG") == 0) return {perCm, perCm, 2, 0};
    if (std::strcmp(format, "BMP") == 0) return {perMetre, perMetre, 1, 24};
    return {perMetre, perMetre, 1, 0};
}

TEST(PictureFiles, EveryFormatReadsBackAtItsSizeDensityAndData) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& symbol : OutputSymbols()) {
        for (const double dotsPerMm : {3.7795, 8.0, 12.0, 23.622}) {
            const SymbolRenderer render = symbol.render(dotsPerMm, dotsPerMm);
            const TRect bounds = MeasureSymbolBounds(render);
            const QImage picture = RenderSymbolPicture(render).image;
            ASSERT_FALSE(picture.isNull());
            for (const FormatCase& f : kFormats) {
                SCOPED_TRACE(std::string(symbol.name) + " at " + std::to_string(dotsPerMm) +
                             " as " + f.extension);
                const QString path = dir.filePath(QStringLiteral("picture.") + f.extension);
                ASSERT_EQ(PictureFormatForPath(path), std::string(f.format));
                ASSERT_EQ(SavePicture(picture, path, f.format, dotsPerMm), "");
                const Density d = test::ReadDensity(test::FileBytes(path));
                const Density want = ExpectedDensity(f.format, dotsPerMm);
                EXPECT_EQ(d.x, want.x);
                EXPECT_EQ(d.y, want.y);
                EXPECT_EQ(d.unit, want.unit);
                EXPECT_EQ(d.bitsPerPixel, want.bitsPerPixel);
                if (std::strcmp(f.format, "JPEG") == 0) {
                    // Full-resolution colour in every component, and quality 95 or better: the
                    // standard luminance table's largest step, 121, scaled to at most 10 %.
                    const test::JpegCoding coding = test::ReadJpegCoding(test::FileBytes(path));
                    EXPECT_EQ(coding.sampling, std::vector<int>({0x11, 0x11, 0x11}));
                    EXPECT_GE(coding.largestLuminanceStep, 1);
                    EXPECT_LE(coding.largestLuminanceStep, 12);
                }
                const QImage read(path);
                ASSERT_FALSE(read.isNull());
                EXPECT_EQ(read.width(), bounds.Right - bounds.Left);
                EXPECT_EQ(read.height(), bounds.Bottom - bounds.Top);
                if (f.lossless) {
                    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), picture);
                }
                // The smallest scale is below what ZXing resolves for some symbols; the rest
                // must scan.
                if (dotsPerMm < 4) continue;
                const test::Reading reading = test::Decode(read, symbol.format);
                EXPECT_TRUE(reading.valid);
                EXPECT_EQ(test::Visible(reading.text), test::Visible(symbol.text));
            }
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

TEST(PictureFiles, FormatFollowsTheExtensionInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.BMP", "BMP"},   {"a.Jpg", "JPEG"}, {"a.JPEG", "JPEG"},     {"dir.png/a.png", "PNG"},
        {"a.gif", nullptr}, {"a", nullptr},    {"a.bmp.txt", nullptr}, {".bmp/a", nullptr}};
    for (const auto& [name, format] : cases) {
        SCOPED_TRACE(name);
        const char* found = PictureFormatForPath(QString::fromLatin1(name));
        EXPECT_EQ(found ? std::string(found) : "none", format ? std::string(format) : "none");
    }
}

// libjpeg's own errors come back as messages (its default handler would end the program), and
// the target is not touched.
TEST(PictureFiles, AnEncoderErrorIsReportedAndWritesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("wide.jpg");
    QImage tooWide(70000, 1, QImage::Format_RGB32);  // JPEG allows at most 65500 a side
    tooWide.fill(Qt::white);
    const std::string error = SavePicture(tooWide, path, "JPEG", 12);
    EXPECT_TRUE(
        error.starts_with("cannot write \"" + path.toStdString() + "\": JPEG encoding failed: "))
        << error;
    EXPECT_NE(error.find("65500"), std::string::npos) << error;
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(SavePicture(tooWide, path, "GIF", 12),
              "cannot write \"" + path.toStdString() + "\": unknown picture format \"GIF\"");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// Every writer of the library, each into a target that cannot take it.
struct Writer {
    const char* name;
    std::function<std::string(const QString& path)> write;
};

std::vector<Writer> Writers() {
    const auto symbol = OutputSymbols().front();
    const SymbolRenderer render = symbol.render(12, 12);
    const QImage picture = RenderSymbolPicture(render).image;
    std::vector<Writer> writers;
    for (const char* format : {"BMP", "JPEG", "PNG"})
        writers.push_back(
            {format, [=](const QString& p) { return SavePicture(picture, p, format, 12); }});
    writers.push_back({"SVG", [=](const QString& p) { return SaveSvg(render, {}, 12, p); }});
    writers.push_back({"PDF", [=](const QString& p) { return SavePdf(render, {}, 12, p); }});
    writers.push_back({"DOCX", [=](const QString& p) { return SaveDocx(picture, 12, p); }});
    writers.push_back({"XLSX", [=](const QString& p) { return SaveXlsx(picture, 12, p); }});
    return writers;
}

// A disk that fills up part way: past the file size limit every write fails as on a full disk.
std::string WithFileSizeLimit(rlim_t bytes, const std::function<std::string()>& write) {
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0) return "getrlimit failed";
    rlimit small = saved;
    small.rlim_cur = bytes;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) return "setrlimit failed";
    const std::string error = write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return error;
}

TEST(PictureFiles, AFailedWriteLeavesTheExistingFileAndNamesFileAndReason) {
    const QByteArray keep = "yesterday's label, must survive";
    for (const Writer& writer : Writers()) {
        SCOPED_TRACE(writer.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString existing = dir.filePath("label.out");
        {
            QFile file(existing);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(keep);
        }
        ASSERT_TRUE(QDir(dir.path()).mkdir("folder.out"));
        const QString missing = dir.filePath("gone/label.out");
        const QString folder = dir.filePath("folder.out");
        for (const auto& [target, reason] :
             {std::pair{missing, QString::fromLocal8Bit(std::strerror(ENOENT))},
              std::pair{folder, QString()}}) {
            const std::string error = writer.write(target);
            EXPECT_TRUE(error.starts_with("cannot write \"" + target.toStdString() + "\": "))
                << error;
            EXPECT_GT(error.size(), ("cannot write \"" + target.toStdString() + "\": ").size());
            if (!reason.isEmpty()) {
                EXPECT_TRUE(error.ends_with(reason.toStdString())) << error;
            }
        }
        EXPECT_TRUE(QFileInfo(folder).isDir());
        const std::string error = WithFileSizeLimit(100, [&] { return writer.write(existing); });
        EXPECT_EQ(error,
                  "cannot write \"" + existing.toStdString() + "\": " + std::strerror(EFBIG));
        EXPECT_EQ(test::FileBytes(existing), keep);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
            << "a temporary file was left behind";
        // And without the limit the same target is replaced whole.
        EXPECT_EQ(writer.write(existing), "");
        EXPECT_NE(test::FileBytes(existing), keep);
    }
}

}  // namespace
}  // namespace quillmark
