// quillmark-render --pair: the linear symbol of the GTIN beside the 2D symbol in every output,
// dumped, checked and read back, in batches too, and the data it refuses.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "support/CliRun.h"

namespace quillmark {
namespace {

using test::Args;
using test::RunCli;

struct Case {
    const char* name;
    Args args;
    int status;
    std::string out;              // a part of standard output
    std::string err;              // a part of standard error
    std::string absent = "\x01";  // what standard output must not hold
};

TEST(PairCommand, DrawsEveryFormatChecksDumpsAndRefuses) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string at = dir.path().toStdString() + "/";
    const std::string ean = "(01)09501101530003(17)251231(10)ABC";
    // clang-format off
    const Case kCases[] = {
        {"EAN-13 and DataMatrix PNG", {"--type", "GS1-DATAMATRIX", "--pair", "--data", ean, "--verify", "-o", at + "a.png"}, 0, "", ""},
        {"UPC-A and QR SVG", {"--type", "GS1-QR", "--pair", "--data", "[01]00036000291452[21]7", "--module", "0.4", "--verify", "-o", at + "a.svg"}, 0, "", ""},
        {"ITF-14 and DataMatrix PDF", {"--type", "GS1-DATAMATRIX", "--pair", "--data", "(01)19501101530000(30)12", "--size", "50", "--no-full-border", "--verify", "-o", at + "a.pdf"}, 0, "", ""},
        {"EAN-8 and Digital Link BMP", {"--type", "DL-QR", "--pair", "--data", "(01)00000096385074", "--dpi", "300", "--verify", "-o", at + "a.bmp"}, 0, "", ""},
        {"JPEG with the element string", {"--type", "GS1-DATAMATRIX", "--pair", "--hri", "--data", ean, "--size", "150", "--verify", "-o", at + "a.jpg"}, 0, "", ""},
        {"dump of both, the linear first", {"--type", "GS1-DATAMATRIX", "--pair", "--data", "(01)09501101530003", "--dump"}, 0, "main 10101100010100111011001100110010100111001100101010100111010000101110010111001011100101000010101\nmodules 16x16\n", ""},
        {"both checked, the colours once", {"--type", "GS1-DATAMATRIX", "--pair", "--data", ean, "--application", "retail", "--check"}, 0, "pass: EAN-13: scan-back: reads 9501101530003\npass: EAN-13: colours", "", "GS1 DataMatrix: colours"},
        {"the 2D symbol's check", {"--type", "GS1-DATAMATRIX", "--pair", "--data", ean, "--application", "retail", "--check"}, 0, "pass: GS1 DataMatrix: scan-back: reads 010950110153000317251231", ""},
        {"the linear symbol's size table", {"--type", "GS1-QR", "--pair", "--data", ean, "--check"}, 4, "failure: EAN-13: size table (general-distribution): X-dimension 0.330 mm is below the minimum 0.495 mm; --size 200 meets it", ""},
        {"no GTIN", {"--type", "GS1-DATAMATRIX", "--pair", "--data", "(10)ABC", "--dump"}, 2, "", "--pair needs a GTIN, (01), in --data"},
        {"variable measure", {"--type", "GS1-QR", "--pair", "--data", "(01)99501101530006", "--dump"}, 2, "", "has indicator digit 9"},
        {"wrong check digit", {"--type", "GS1-QR", "--pair", "--data", "(01)09501101530004", "-o", at + "b.png"}, 2, "", "check digit of 09501101530004 should be 3, not 4"},
        {"linear type", {"--type", "EAN-13", "--pair", "--data", "4006381333931", "--dump"}, 2, "", "--pair puts a linear symbol beside a 2D symbol"},
        {"size out of ITF-14's range", {"--type", "GS1-QR", "--pair", "--data", "(01)19501101530000", "--size", "120", "--dump"}, 2, "", "--size \"120\" is outside 25 to 100"},
        {"border of EAN-13", {"--type", "GS1-QR", "--pair", "--data", ean, "--no-full-border", "--dump"}, 2, "", "option --no-full-border does not apply to EAN-13"},
    };
    // clang-format on
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const test::CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(run.out.find(c.absent), std::string::npos) << run.out;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(at + "b.png")));
}

// --pair applies to every row; a row of a linear type is refused and the others are made.
TEST(PairCommand, BatchRowsArePairs) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile csv(dir.filePath("rows.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(
        "type,data,size,output\n"
        "GS1-DATAMATRIX,(01)09501101530003(10)A1,,dm.png\n"
        "GS1-QR,[01]19501101530000[21]X9,40,qr.svg\n"
        "EAN-13,400638133393,,e.png\n");
    csv.close();
    const test::CliRun run =
        RunCli({"--batch", csv.fileName().toStdString(), "--pair", "--verify"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("row 4: --pair puts a linear symbol beside a 2D symbol"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(QFile::exists(dir.filePath("dm.png")));
    EXPECT_TRUE(QFile::exists(dir.filePath("qr.svg")));
    EXPECT_FALSE(QFile::exists(dir.filePath("e.png")));
}

}  // namespace
}  // namespace quillmark
