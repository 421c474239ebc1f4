// BMP, JPEG and PNG files read back: size, recorded density, decoding; failed writes lose nothing.
#include "output/PictureWriter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include "output/AtomicFile.h"
#include "output/ImagePng.h"
#include "output/OfficePackage.h"
#include "output/OutputSymbols.h"
#include "output/VectorPictures.h"
#include "support/GuiApp.h"
#include "support/ZXingDecode.h"

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
            const SymbolRenderer render = BindSymbol(symbol.symbol, dotsPerMm, dotsPerMm);
            const TRect bounds = MeasureSymbolBounds(render);
            const QImage picture = RenderSymbolPicture(render).image;
            ASSERT_FALSE(picture.isNull());
            for (const FormatCase& f : kFormats) {
                SCOPED_TRACE(std::string(symbol.name) + " at " + std::to_string(dotsPerMm) +
                             " as " + f.extension);
                const QString path = dir.filePath(QStringLiteral("picture.") + f.extension);
                ASSERT_EQ(PictureFormatForPath(path.toStdString()), std::string(f.format));
                ASSERT_EQ(
                    SavePicture(ViewOf(picture), path.toStdString(), f.format, dotsPerMm).error(),
                    "");
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

// Pictures the PNG writer takes apart differently: a symbol-like image goes as a palette, one of
// many colours as RGB; images of other layouts are converted once. Each decodes to its pixels.
TEST(PictureFiles, PngKeepsEveryPixelAndTheDensityInEachLayout) {
    const auto filled = [](QImage::Format format, int w, int h, auto colourAt) {
        QImage image(w, h, format);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) image.setPixelColor(x, y, colourAt(x, y));
        return image;
    };
    const auto bars = [](int x, int y) {  // repeated rows, then rows of their own
        return y < 5 ? QColor(x % 3 ? Qt::black : Qt::white) : QColor::fromRgb(x * 8, y, 200);
    };
    const auto manyColours = [](int x, int y) { return QColor::fromRgb(x * 6, y * 5, x ^ y); };
    QImage indexed(6, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(0, 0, 255)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) indexed.setPixel(x, y, (x + y) % 3);
    const struct {
        const char* name;
        QImage image;
        int colourType;  // of the PNG's header
    } cases[] = {
        {"few colours", filled(QImage::Format_RGB32, 30, 9, bars), 3},
        {"one pixel", filled(QImage::Format_RGB32, 1, 1, bars), 3},
        {"runs longer than a match",
         filled(QImage::Format_RGB32, 1001, 4,
                [](int x, int y) {
                    return QColor(x < 700 || (y == 3 && x > 998) ? "white" : "navy");
                }),
         3},
        {"many colours", filled(QImage::Format_RGB32, 40, 40, manyColours), 2},
        {"RGB888", filled(QImage::Format_RGB888, 30, 9, bars), 3},
        {"grey", filled(QImage::Format_Grayscale8, 17, 4, bars), 3},
        {"indexed", indexed, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray png = EncodePng(c.image, 12.0);
        ASSERT_GT(png.size(), 33);
        EXPECT_EQ(static_cast<int>(png[25]), c.colourType);
        const Density d = test::ReadDensity(png);
        EXPECT_EQ(d.x, 12000u);
        EXPECT_EQ(d.y, 12000u);
        EXPECT_EQ(d.unit, 1);
        const QImage read = QImage::fromData(png, "PNG");
        ASSERT_FALSE(read.isNull());
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32),
                  c.image.convertToFormat(QImage::Format_RGB32));
    }
}

// A view of part of a larger picture (rows longer than its width) writes only its own pixels.
TEST(PictureFiles, AViewIntoALargerPictureWritesItsOwnPixels) {
    QImage whole(37, 11, QImage::Format_RGB32);
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            whole.setPixel(x, y, qRgb(x * 7, y * 20, x < 9 ? 0 : 255));
    const QImage part = whole.copy(5, 2, 19, 7);
    PixelView view = ViewOf(whole);
    view.pixels = view.Row(2) + 5;
    view.width = part.width();
    view.height = part.height();
    for (const char* format : {"PNG", "BMP", "JPEG"}) {
        SCOPED_TRACE(format);
        std::string bytes;
        if (std::strcmp(format, "JPEG") == 0) {
            bytes = *EncodeJpeg(view, 12);
        } else {
            bytes = std::strcmp(format, "PNG") == 0 ? *EncodePng(view, 12) : *EncodeBmp(view, 12);
        }
        const QImage read = QImage::fromData(QByteArray::fromStdString(bytes), format);
        ASSERT_FALSE(read.isNull());
        ASSERT_EQ(read.size(), part.size());
        if (std::strcmp(format, "JPEG") == 0) {
            // Lossy: the colours come back close, and the part's own left edge stays dark.
            EXPECT_LT(qBlue(read.pixel(1, 3)), 64);
            EXPECT_GT(qBlue(read.pixel(10, 3)), 192);
        } else {
            EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), part);
        }
    }
}

TEST(PictureFiles, FormatFollowsTheExtensionInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.BMP", "BMP"},   {"a.Jpg", "JPEG"}, {"a.JPEG", "JPEG"},     {"dir.png/a.png", "PNG"},
        {"a.gif", nullptr}, {"a", nullptr},    {"a.bmp.txt", nullptr}, {".bmp/a", nullptr}};
    for (const auto& [name, format] : cases) {
        SCOPED_TRACE(name);
        const char* found = PictureFormatForPath(name);
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
    const std::string error = SavePicture(ViewOf(tooWide), path.toStdString(), "JPEG", 12).error();
    EXPECT_TRUE(
        error.starts_with("cannot write \"" + path.toStdString() + "\": JPEG encoding failed: "))
        << error;
    EXPECT_NE(error.find("65500"), std::string::npos) << error;
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_EQ(SavePicture(ViewOf(tooWide), path.toStdString(), "GIF", 12).error(),
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
    const QImage picture = RenderSymbolPicture(symbol.symbol, 12, 12).image;
    std::vector<Writer> writers;
    for (const char* format : {"BMP", "JPEG", "PNG"})
        writers.push_back(
            {format, [=](const QString& p) {
                 return SavePicture(ViewOf(picture), p.toStdString(), format, 12).error();
             }});
    writers.push_back({"SVG", [=](const QString& p) {
                           return SaveSvg(BindSymbol(symbol.symbol, 12, 12), {}, 12,
                                          p.toStdString())
                               .error();
                       }});
    writers.push_back({"PDF", [=](const QString& p) {
                           return SavePdf(BindSymbol(symbol.symbol, 12, 12), {}, 12,
                                          p.toStdString())
                               .error();
                       }});
    writers.push_back({"DOCX", [=](const QString& p) { return SaveDocx(picture, 12, p); }});
    writers.push_back({"XLSX", [=](const QString& p) { return SaveXlsx(picture, 12, p); }});
    return writers;
}

// A disk that fills up part way: past the file size limit every write fails as on a full disk.
// SIGXFSZ gets its default action, which would end the test: the writers must ignore it.
std::string WithFileSizeLimit(rlim_t bytes, const std::function<std::string()>& write) {
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0) return "getrlimit failed";
    rlimit small = saved;
    small.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) return "setrlimit failed";
    const std::string error = write();
    setrlimit(RLIMIT_FSIZE, &saved);
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
