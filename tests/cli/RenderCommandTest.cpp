// quillmark-render end to end through its entry function: dumps, pictures and refused inputs.
#include "cli/RenderCommand.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/UCCEAN128.h"
#include "support/CliRun.h"
#include "support/ZXingDecode.h"

namespace quillmark {
namespace {

using test::Args;
using test::CliRun;
using test::RunCli;

Args With(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

const std::string kEAN13Modules =
    "1010001101010011101011110111101000100101100110101010000101000010100001011101001000010110011010"
    "1";

struct DumpCase {
    const char* name;
    Args args;
    std::string expected;
};

TEST(RenderCommand, DumpsModulesOfEveryType) {
    const DumpCase cases[] = {
        {"EAN-13", {"--type", "EAN-13", "--data", "4006381333931"}, "main " + kEAN13Modules + "\n"},
        {"EAN-13 with 2-digit add-on",
         {"--type", "EAN-13", "--data", "4006381333931", "--addon", "12"},
         "main " + kEAN13Modules + "\naddon 10110011001010010011\n"},
        {"EAN-13 with 5-digit add-on",
         {"--type", "EAN-13", "--data=4006381333931", "--addon=52495"},
         "main " + kEAN13Modules + "\naddon 10110111001010010011010011101010001011010110001\n"},
        {"EAN-8",
         {"--type", "EAN-8", "--data", "96385074"},
         "main 1010001011010111101111010110111010101001110111001010001001011100101\n"},
        {"UPC-E",
         {"--type", "UPC-E", "--data", "04252614"},
         "main 101001110100100110111001001101101011110011001010101\n"},
        // Number system 1 takes the complementary parity row (of check digit 1: AABABB).
        {"UPC-E number system 1",
         {"--type", "UPC-E", "--data", "14252611"},
         "main 101"
         "0100011"
         "0010011"
         "0111001"
         "0010011"
         "0000101"
         "0110011"
         "010101\n"},
        {"UPC-A with add-on 53",
         {"--addon", "53", "--type", "UPC-A", "--data", "036000291452"},
         "main " + EANUPCModules("EAN-13", "0036000291452") + "\naddon 10110110001010100001\n"},
        {"ISBN-13",
         {"--type", "ISBN-13", "--data", "9780306406157"},
         "main " + EANUPCModules("EAN-13", "9780306406157") + "\nisbn ISBN 978-0-306-40615-7\n"},
        {"ITF-14",
         {"--type", "ITF-14", "--data", "12345678901231", "--size", "25", "--no-full-border"},
         "elements " + ITF14Elements("12345678901231") + "\n"},
        // Start C, FNC1, pairs 01 12 34 56 78 90 12 31, check (2134 mod 103).
        {"UCC/EAN-128 GTIN",
         {"--type", "UCC/EAN-128", "--data", "(01)12345678901231"},
         "codes 105 102 1 12 34 56 78 90 12 31 74\ntext (01)12345678901231\n"},
        // The braces notation reaches the encoder as FNC1; then CODE B for "ABC", check 23.
        {"UCC/EAN-128 braces",
         {"--type", "UCC/EAN-128", "--data", "(01)12345678901231{FNC1}(10)ABC", "--gsize", "407",
          "--vsize", "400"},
         "codes 105 102 1 12 34 56 78 90 12 31 102 10 100 33 34 35 23\n"
         "text (01)12345678901231(10)ABC\n"},
    };
    for (const DumpCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = RunCli(With(c.args, {"--dump"}));
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.expected);
        EXPECT_EQ(run.err, "");
    }
}

TEST(RenderCommand, EAN13WithLeadingZeroMatchesUPCA) {
    const CliRun ean = RunCli({"--type", "EAN-13", "--data", "0036000291452", "--dump"});
    const CliRun upc = RunCli({"--type", "UPC-A", "--data", "036000291452", "--dump"});
    EXPECT_EQ(ean.status, 0);
    EXPECT_EQ(ean.out, upc.out);
}

TEST(RenderCommand, HelpPrintsUsage) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Usage: quillmark-render"), std::string::npos);
    EXPECT_NE(run.out.find("{FNC1}"), std::string::npos);
    EXPECT_NE(run.out.find("--from-dl URI"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

// --dl and --from-dl: what each prints and exits with; the element string --from-dl prints is
// what --data takes, so it converts back into the same URI and draws a GS1-128 symbol that passes.
TEST(RenderCommand, ConvertsDigitalLinkBothWays) {
    struct Case {
        Args args;
        int status;
        std::string out;
        std::string err;  // a part of standard error
    };
    const std::string uri = "https://id.gs1.org/01/09501101530003/10/AB%2F1?17=251231";
    // clang-format off
    const Case kCases[] = {
        {{"--dl", "--data", "[01]09501101530003[10]AB/1[17]251231"}, 0, uri + "\n", ""},
        {{"--data=(01)09501101530003", "--dl", "--stem", "https://example.com/p/"}, 0,
         "https://example.com/p/01/09501101530003\n", ""},
        {{"--from-dl", uri}, 0, "(01)09501101530003(10)AB/1{FNC1}(17)251231\n", ""},
        {{"--dl", "--data", "(10)AB"}, 2, "", "--dl: no primary key"},
        {{"--dl", "--data", "(01)09501101530004"}, 2, "", "--dl: AI (01): check digit should be 3"},
        {{"--dl", "--data", "(01)09501101530003", "--stem", "ftp://x"}, 2, "", "http://"},
        {{"--dl"}, 2, "", "--dl needs the element string in --data"},
        {{"--from-dl", "https://id.gs1.org/01/09501101530003/21/1/10/A"}, 2, "", "out of order"},
        {{"--from-dl", "https://id.gs1.org/01/09501101530003?17=251331"}, 2, "",
         "--from-dl: AI (17)"},
        {{"--from-dl", uri, "--dl"}, 2, "", "not both"},
        {{"--from-dl", uri, "-o", "x.png"}, 2, "", "do not apply"},
        {{"--dl", "--data", "(01)09501101530003", "--batch", "x.csv"}, 2, "", "--batch"},
        {{"--type", "EAN-13", "--data", "400638133393", "--stem", "https://a.b", "--dump"}, 2, "",
         "--stem applies to --dl only"},
    };
    // clang-format on
    for (const Case& c : kCases) {
        const CliRun run = RunCli(c.args);
        SCOPED_TRACE(c.args.front() + " " + c.args.back());
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        if (c.err.empty()) {
            EXPECT_EQ(run.err, "");
        }
    }
    const CliRun element = RunCli({"--from-dl", uri});
    const std::string data = element.out.substr(0, element.out.size() - 1);
    EXPECT_EQ(RunCli({"--dl", "--data", data}).out, uri + "\n");
    const CliRun checked =
        RunCli({"--type", "GS1-128", "--data", data, "--gsize", "198", "--dump", "--check"});
    EXPECT_EQ(checked.status, 0) << checked.out;
    EXPECT_EQ(checked.out.find("failure"), std::string::npos) << checked.out;
}

// --- pictures ---------------------------------------------------------------------------------

std::string ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void WriteAll(const QString& path, const std::string& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content.data(), static_cast<qint64>(content.size()));
}

// The picture's reading as it stands, add-on included, without the margin of test::Decode.
std::string Decode(const QImage& picture, ZXing::BarcodeFormat format) {
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Read);
    return test::Read(picture, hints).text();
}

struct PictureCase {
    const char* name;
    Args args;
    TRect extent;  // the renderer's own, at offset 0
    ZXing::BarcodeFormat format;
    std::string decoded;
};

TRect Measured(const std::function<void(TRect&)>& render) {
    TRect bounds;
    render(bounds);
    return bounds;
}

TRect EANUPCExtent(const char* type, const char* addOn, const char* digits,
                   unsigned short sizePercent, double scale) {
    return Measured([&](TRect& b) {
        DrawEANUPC(type, addOn, digits, nullptr, 0, 0, sizePercent, scale, scale, b);
    });
}

TEST(RenderCommand, WritesPictureOfMeasuredSizeThatScans) {
    const PictureCase cases[] = {
        {"EAN-13 5-digit add-on, default scale",
         {"--type", "EAN-13", "--data", "4006381333931", "--addon", "52495", "-o", "p.png"},
         EANUPCExtent("EAN-13", "5-Digit", "400638133393152495", 100, 12),
         ZXing::BarcodeFormat::EAN13,
         "4006381333931 52495"},
        {"UPC-A, fractional scale, BMP",
         {"--type", "UPC-A", "--data", "036000291452", "--scale", "11.811", "--size", "80", "-o",
          "p.bmp"},
         EANUPCExtent("UPC-A", "None", "036000291452", 80, 11.811),
         ZXing::BarcodeFormat::UPCA,
         "036000291452"},
        {"EAN-8 at 200 %",
         {"--type", "EAN-8", "--data", "96385074", "--size", "200", "--scale", "6", "-o", "p.png"},
         EANUPCExtent("EAN-8", "None", "96385074", 200, 6),
         ZXing::BarcodeFormat::EAN8,
         "96385074"},
        {"UPC-E",
         {"--type", "UPC-E", "--data", "04252614", "-o", "p.png"},
         EANUPCExtent("UPC-E", "None", "04252614", 100, 12),
         ZXing::BarcodeFormat::UPCE,
         "04252614"},
        {"ISBN-13",
         {"--type", "ISBN-13", "--data", "9780306406157", "-o", "p.png"},
         EANUPCExtent("ISBN-13", "None", "9780306406157", 100, 12),
         ZXing::BarcodeFormat::EAN13,
         "9780306406157"},
        {"ITF-14 top and bottom bearers",
         {"--type", "ITF-14", "--data", "12345678901231", "--no-full-border", "--scale", "8", "-o",
          "p.png"},
         Measured(
             [](TRect& b) { DrawITF14("12345678901231", nullptr, 100, 0, 0, 8, 8, false, b); }),
         ZXing::BarcodeFormat::ITF,
         "12345678901231"},
        {"UCC/EAN-128 with FNC1 between fields",
         {"--type", "UCC/EAN-128", "--data", "(01)12345678901231{FNC1}(10)ABC", "--gsize", "150",
          "-o", "p.png"},
         Measured([](TRect& b) {
             Code128Codes codes{};
             std::string hr;
             EncodeUCCEAN128("(01)12345678901231\xE0(10)ABC", codes, hr);
             DrawUCCEAN128(codes, hr, nullptr, 0, 0, 150, 100, 12, 12, b);
         }),
         ZXing::BarcodeFormat::Code128,
         "0112345678901231\x1D"
         "10ABC"},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        Args args = c.args;
        args.back() = dir.filePath(QString::fromStdString(args.back())).toStdString();
        const CliRun run = RunCli(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out + run.err, "");

        const QImage picture(QString::fromStdString(args.back()));
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.width(), c.extent.Right);
        EXPECT_EQ(picture.height(), c.extent.Bottom);
        // Black on white: no colour anywhere (text edges may be grey), and the row through the
        // bars holds pure black and pure white only.
        int colouredPixels = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                colouredPixels += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
            }
        EXPECT_EQ(colouredPixels, 0);
        const int barRow = picture.height() / 2;
        int black = 0;
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, barRow) & 0xFFFFFF;
            EXPECT_TRUE(p == 0 || p == 0xFFFFFF) << "x " << x;
            black += p == 0;
        }
        EXPECT_GT(black, 0);
        EXPECT_EQ(Decode(picture, c.format), c.decoded);
    }
}

// A picture at a resolution in dots per inch draws every bar and space as whole modules of whole
// dots (ITF-14: whole halves of its narrow element, the wide one being 2.5 of them), records that
// resolution and still reads.
TEST(RenderCommand, DpiPicturesHaveWholeDotModules) {
    const Args ean = {"--type", "EAN-13", "--data", "4006381333931"};
    const Args itf = {"--type", "ITF-14", "--data", "15400141288763"};
    const Args gs1 = {"--type", "GS1-128", "--data", "(01)09501101530003(10)AB-12"};
    const struct {
        Args type;
        const char* dpi;
        int unitDots;  // what every run is a multiple of
        ZXing::BarcodeFormat format;
        std::string decoded;
    } cases[] = {
        {ean, "203", 3, ZXing::BarcodeFormat::EAN13, "4006381333931"},
        {ean, "300", 4, ZXing::BarcodeFormat::EAN13, "4006381333931"},
        {ean, "600", 8, ZXing::BarcodeFormat::EAN13, "4006381333931"},
        {itf, "203", 4, ZXing::BarcodeFormat::ITF, "15400141288763"},
        {itf, "300", 6, ZXing::BarcodeFormat::ITF, "15400141288763"},
        {itf, "600", 12, ZXing::BarcodeFormat::ITF, "15400141288763"},
        {gs1, "203", 2, ZXing::BarcodeFormat::Code128,
         "0109501101530003"
         "10AB-12"},
        {gs1, "300", 3, ZXing::BarcodeFormat::Code128,
         "0109501101530003"
         "10AB-12"},
        {gs1, "600", 6, ZXing::BarcodeFormat::Code128,
         "0109501101530003"
         "10AB-12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type[1] + " at " + c.dpi + " dpi");
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("p.png")).toStdString();
        const CliRun run = RunCli(With(c.type, {"--dpi", c.dpi, "-o", path}));
        ASSERT_EQ(run.status, 0) << run.err;
        const QImage picture(QString::fromStdString(path));
        ASSERT_FALSE(picture.isNull());
        EXPECT_NEAR(picture.dotsPerMeterX(), std::stod(c.dpi) / 0.0254, 1);
        EXPECT_EQ(Decode(picture, c.format), c.decoded);
        // The row through the bars, as runs of dark and light; the outermost (ITF-14: the
        // bearers) are left out.
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        const uchar* row = grey.constScanLine(grey.height() / 3);
        std::vector<int> runs{1};
        for (int x = 1; x < grey.width(); ++x) {
            if ((row[x] < 128) == (row[x - 1] < 128))
                ++runs.back();
            else
                runs.push_back(1);
        }
        ASSERT_GT(runs.size(), 30u);
        for (std::size_t i = 1; i + 1 < runs.size(); ++i)
            EXPECT_EQ(runs[i] % c.unitDots, 0) << "run " << i << " is " << runs[i] << " dots";
    }
}

// A pair at a resolution in dots per inch draws both symbols in whole dots of their own: along
// the row through both, the EAN-13's bars and spaces are whole 4-dot modules at 300 dpi and the
// DataMatrix's whole 6-dot ones (0.5 mm asked for), the longest light run between them the gap.
TEST(RenderCommand, DpiPairDrawsBothSymbolsInWholeDots) {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("pair.png")).toStdString();
    const CliRun run = RunCli({"--type", "GS1-DATAMATRIX", "--data", "(01)09501101530003(17)271231",
                               "--pair", "--dpi", "300", "--verify", "-o", path});
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage grey =
        QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_FALSE(grey.isNull());
    // The runs between the first and the last dark pixel of the row with the most of them.
    std::vector<int> runs;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* row = grey.constScanLine(y);
        std::vector<int> these;
        for (int x = 1; x < grey.width(); ++x) {
            if (these.empty() && row[x] >= 128) continue;
            if (these.empty() || (row[x] < 128) != (row[x - 1] < 128))
                these.push_back(1);
            else
                ++these.back();
        }
        if (!these.empty() && these.size() % 2 == 0) these.pop_back();  // the light margin
        if (these.size() > runs.size()) runs = these;
    }
    ASSERT_GT(runs.size(), 60u);
    std::size_t gap = 1;
    for (std::size_t i = 1; i < runs.size(); i += 2)
        if (runs[i] > runs[gap]) gap = i;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (i == gap) continue;
        const int unit = i < gap ? 4 : 6;
        EXPECT_EQ(runs[i] % unit, 0) << "run " << i << " is " << runs[i] << " dots";
    }
}

// --- refused inputs ---------------------------------------------------------------------------

struct BadCase {
    const char* name;
    Args args;
    const char* messagePart;
};

const Args kEAN13 = {"--type", "EAN-13", "--data", "4006381333931"};
const Args kITF14 = {"--type", "ITF-14", "--data", "12345678901231"};
const Args kUCC = {"--type", "UCC/EAN-128", "--data", "(01)12345678901231"};

TEST(RenderCommand, RefusesBadInputWithoutTouchingTheOutput) {
    const BadCase cases[] = {
        {"no type", {"--data", "4006381333931"}, "missing --type"},
        {"unknown type", {"--type", "EAN14", "--data", "4006381333931"}, "unknown type \"EAN14\""},
        // A control character in the user's text is shown escaped: the message stays one line.
        {"type with a line break",
         {"--type", "EAN\n13", "--data", "4006381333931"},
         "unknown type \"EAN\\x0A13\""},
        {"unknown option with an escape", {"--\x1b[2J", "x"}, "\"--\\x1B[2J\""},
        {"no data", {"--type", "EAN-13"}, "missing --data"},
        {"short EAN-13",
         {"--type", "EAN-13", "--data", "40063813339"},
         "has 11 digits; expected 13"},
        {"long EAN-8", {"--type", "EAN-8", "--data", "963850740"}, "has 9 digits; expected 8"},
        {"short UPC-A", {"--type", "UPC-A", "--data", "0360002914"}, "expected 12"},
        {"short UPC-E", {"--type", "UPC-E", "--data", "042526"}, "expected 8"},
        {"short ITF-14", {"--type", "ITF-14", "--data", "123456789012"}, "expected 14"},
        {"non-digit", {"--type", "EAN-13", "--data", "40063813339x1"}, "\"x\" at position 12"},
        {"spaced digits", {"--type", "EAN-8", "--data", "9638 5074"}, "\" \" at position 5"},
        {"wrong check digit", {"--type", "EAN-13", "--data", "4006381333932"}, "should be 1"},
        {"wrong ITF-14 check", {"--type", "ITF-14", "--data", "12345678901230"}, "should be 1"},
        {"ISBN not 978 or 979",
         {"--type", "ISBN-13", "--data", "9770306406157"},
         "must begin with 978 or 979"},
        {"UPC-E system 2", {"--type", "UPC-E", "--data", "24252614"}, "number system 0 or 1"},
        {"add-on of 3", With(kEAN13, {"--addon", "123"}), "must have 2 or 5 digits"},
        {"add-on empty", With(kEAN13, {"--addon", ""}), "must have 2 or 5 digits"},
        {"add-on letter", With(kEAN13, {"--addon", "1a"}), "\"a\" at position 2"},
        {"EAN-8 add-on", {"--type", "EAN-8", "--data", "96385074", "--addon", "12"}, "EAN-8"},
        {"unknown option", With(kEAN13, {"--colour", "red"}), "unknown option \"--colour\""},
        {"stray argument", With(kEAN13, {"extra"}), "unexpected argument \"extra\""},
        {"missing value", With(kEAN13, {"--scale"}), "--scale needs a value"},
        {"given twice", With(kEAN13, {"--size", "100", "--size", "120"}), "given twice"},
        {"flag with value", With(kEAN13, {"--dump=yes"}), "takes no value"},
        {"scale word", With(kEAN13, {"--scale", "twelve"}), "--scale \"twelve\""},
        {"scale empty", With(kEAN13, {"--scale", ""}), "--scale \"\""},
        {"scale suffix", With(kEAN13, {"--scale", "12px"}), "--scale \"12px\""},
        {"scale NaN", With(kEAN13, {"--scale", "nan"}), "not a finite number"},
        {"scale inf", With(kEAN13, {"--scale", "inf"}), "not a finite number"},
        {"scale overflow", With(kEAN13, {"--scale", "1e400"}), "not a finite number"},
        {"scale zero", With(kEAN13, {"--scale", "0"}), "greater than 0"},
        {"scale negative", With(kEAN13, {"--scale", "-12"}), "greater than 0"},
        {"size low", With(kEAN13, {"--size", "79"}), "outside 80 to 200"},
        {"size high", With(kEAN13, {"--size", "201"}), "outside 80 to 200"},
        {"size huge", With(kEAN13, {"--size", "99999999999"}), "outside 80 to 200"},
        {"size fraction", With(kEAN13, {"--size", "100.5"}), "not a whole number"},
        {"size NaN", With(kEAN13, {"--size", "nan"}), "not a whole number"},
        {"ITF size low", With(kITF14, {"--size", "20"}), "outside 25 to 100"},
        {"ITF size high", With(kITF14, {"--size", "105"}), "outside 25 to 100"},
        {"gsize high", With(kUCC, {"--gsize", "408"}), "outside 100 to 407"},
        {"vsize high", With(kUCC, {"--vsize", "401"}), "outside 100 to 400"},
        {"vsize low", With(kUCC, {"--vsize", "99"}), "outside 100 to 400"},
        {"gsize for EAN", With(kEAN13, {"--gsize", "150"}), "--gsize does not apply to EAN-13"},
        {"size for UCC", With(kUCC, {"--size", "100"}), "--size does not apply"},
        {"border for EAN", With(kEAN13, {"--no-full-border"}), "--no-full-border does not apply"},
        {"addon for ITF", With(kITF14, {"--addon", "12"}), "--addon does not apply"},
        {"unknown brace name", {"--type", "UCC/EAN-128", "--data", "(10)A{FNC5}"}, "\"{FNC5}\""},
        {"open brace", {"--type", "UCC/EAN-128", "--data", "(10)A{"}, "not closed"},
        {"non-ASCII", {"--type", "UCC/EAN-128", "--data", "(10)\xD0\x96"}, "U+0416"},
        {"nothing to encode", {"--type", "UCC/EAN-128", "--data", "( ) "}, "nothing to encode"},
        {"empty text", {"--type", "UCC/EAN-128", "--data", ""}, "nothing to encode"},
        {"too long", {"--type", "UCC/EAN-128", "--data", std::string(300, 'A')}, "too long"},
        {"wrong extension", With(kEAN13, {"-o", "out.gif"}), "must end in .png, .bmp"},
        {"format disagrees", With(kEAN13, {"-o", "out.png", "--format", "svg"}), "disagrees"},
        {"unknown format", With(kEAN13, {"-o", "-", "--format", "gif"}), "--format \"gif\""},
        {"stdout without format", With(kEAN13, {"-o", "-"}), "name the picture's --format"},
        {"scale meant as dpi", With(kEAN13, {"--scale", "300"}), "for 300 dpi write --dpi 300"},
        {"scale and dpi", With(kEAN13, {"--scale", "12", "--dpi", "300"}), "not both"},
        {"dpi zero", With(kEAN13, {"--dpi", "0"}), "greater than 0"},
        {"no whole dots at the dpi", With(kEAN13, {"--dpi", "25"}),
         "at 25 dpi no whole number of dots gives EAN-13 a module within its sizes"},
        {"colour name", With(kEAN13, {"--line-color", "blurple"}), "--line-color \"blurple\""},
        {"colour digits", With(kEAN13, {"--background", "#12345"}), "#RRGGBB"},
        {"bracket not AI", {"--type", "GS1-128", "--data", "[1]23"}, "not an AI of 2 to 4"},
        {"bracket open", {"--type", "GS1-128", "--data", "[01"}, "not closed"},
        {"batch missing", {"--batch", "/no/such/file.csv"}, "cannot read \"/no/such/file.csv\""},
        {"dump and output", With(kEAN13, {"--dump"}), "exclude each other"},
        {"unknown application", With(kEAN13, {"--application", "logistics"}),
         "--application \"logistics\" is none of distribution, retail, healthcare"},
        {"no output", kEAN13, "give -o"},
        {"dpi above the scale's limit", With(kEAN13, {"--dpi", "2540.1"}), "above 2540"},
        {"dpi far above", With(kEAN13, {"--dpi", "1e9"}), "above 2540 (100 dots per millimetre)"},
        // 255 codewords at the widest and highest magnification at 100 dots/mm: refused from
        // the measure pass, before any picture is allocated.
        {"UCC/EAN-128 too large",
         {"--type", "UCC/EAN-128", "--data", std::string(252, 'A'), "--gsize", "407", "--vsize",
          "400", "--scale", "100"},
         "288766 x 15100 pixels"},
        {"too many pixels",
         {"--type", "UCC/EAN-128", "--data", std::string(20, 'A'), "--gsize", "407", "--vsize",
          "400", "--scale", "100"},
         "at most 100000000 pixels"},
        {"no pixels", With(kEAN13, {"--scale", "0.01"}), "cannot be laid out"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fresh = dir.filePath("fresh.png");
    const QString existing = dir.filePath("existing.png");
    const std::string keep = "not a picture, must stay";
    WriteAll(existing, keep);
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        const bool hasOutput = std::find(c.args.begin(), c.args.end(), "-o") != c.args.end();
        const bool needsNoOutput = c.args == kEAN13;
        for (const QString& target : {fresh, existing}) {
            // In front, so that a case missing an option's value at the end stays so.
            const Args args =
                hasOutput || needsNoOutput ? c.args : With({"-o", target.toStdString()}, c.args);
            const CliRun run = RunCli(args);
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(c.messagePart), std::string::npos) << run.err;
            EXPECT_TRUE(run.err.starts_with("quillmark-render: ")) << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_FALSE(QFile::exists(fresh));
            EXPECT_EQ(ReadAll(existing), keep);
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// --check without -o checks the symbol as it would be drawn and leaves the folder as it was.
TEST(RenderCommand, CheckAloneWritesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const CliRun good = RunCli(With(kEAN13, {"--check", "--application", "retail"}));
    const CliRun bad =
        RunCli({"--type", "EAN-8", "--data", "9638507", "--line-color", "red", "--check"});
    const CliRun verify = RunCli(With(kEAN13, {"--check", "--verify"}));
    QDir::setCurrent(saved);
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_TRUE(good.out.starts_with("pass: ")) << good.out;
    EXPECT_EQ(bad.status, 4) << bad.err;
    EXPECT_NE(bad.out.find("failure: "), std::string::npos) << bad.out;
    EXPECT_EQ(verify.status, 2);
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        0);
}

TEST(RenderCommand, UnwritableOutputNamesFileAndReason) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string missingFolder = dir.filePath("no/such/folder/out.png").toStdString();
    const std::string folder = dir.filePath("folder.png").toStdString();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    for (const std::string& target : {missingFolder, folder}) {
        SCOPED_TRACE(target);
        const CliRun run = RunCli(With(kEAN13, {"-o", target}));
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("cannot write \"" + target + "\": "), std::string::npos) << run.err;
        EXPECT_GT(run.err.size(), ("quillmark-render: cannot write \"" + target + "\": \n").size());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_TRUE(QFileInfo(QString::fromStdString(folder)).isDir());
    EXPECT_EQ(QDir(QString::fromStdString(folder)).entryList(QDir::NoDotAndDotDot).size(), 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

// A disk that fills up while the picture is written: the file size limit makes every write past
// it fail, as a full disk does. The existing picture must survive and the message say why.
TEST(RenderCommand, FullDiskLeavesTheExistingPictureIntact) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("label.png");
    const std::string keep = "the label printed yesterday";
    WriteAll(path, keep);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 512;  // bytes: far less than any picture
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const CliRun run = RunCli(With(kEAN13, {"-o", path.toStdString()}));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(run.status, 2);
    const std::string reason = std::strerror(EFBIG);  // "File too large", in the user's language
    EXPECT_NE(run.err.find("cannot write \"" + path.toStdString() + "\": " + reason),
              std::string::npos)
        << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(ReadAll(path), keep);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "a partial temporary file was left behind";
}

TEST(RenderCommand, ReplacesAnExistingPictureWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("out.png");
    WriteAll(path, std::string(10'000'000, 'x'));  // longer than the picture
    const CliRun run = RunCli(With(kEAN13, {"-o", path.toStdString()}));
    ASSERT_EQ(run.status, 0) << run.err;
    const QImage picture(path);
    EXPECT_FALSE(picture.isNull());
    EXPECT_LT(QFileInfo(path).size(), 1'000'000);
}

}  // namespace
}  // namespace quillmark
