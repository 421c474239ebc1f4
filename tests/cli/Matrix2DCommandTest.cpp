// quillmark-render's 2D types, alone and paired with the linear symbol of their GTIN: pictures
// read back in every format, dumps, checks, batches and refusals.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "cli/RenderCommand.h"
#include "support/CliRun.h"

namespace quillmark {
namespace {

using test::Args;
using test::RunCli;

const std::string kData = "[01]09501101530003[17]251231[10]ABC";

struct Case {
    const char* name;
    Args args;
    int status;
    std::string out;              // a part of standard output
    std::string err;              // a part of standard error
    std::string absent = "\x01";  // what standard output must not hold
};

TEST(Matrix2DCommand, DrawsChecksDumpsAndRefuses) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string at = dir.path().toStdString() + "/";
    // clang-format off
    const Case kCases[] = {
        {"DataMatrix PNG", {"--type", "GS1-DATAMATRIX", "--data", kData, "--verify", "-o", at + "a.png"}, 0, "", ""},
        {"DataMatrix SVG at the least module, 300 dpi", {"--type", "gs1 datamatrix", "--data", kData, "--module", "0.254", "--dpi", "300", "--verify", "-o", at + "a.svg"}, 0, "", ""},
        {"rectangular PDF", {"--type", "GS1-DATAMATRIX", "--rectangular", "--data", kData, "--verify", "-o", at + "a.pdf"}, 0, "", ""},
        {"QR PNG at H, largest module", {"--type", "GS1-QR", "--ec-level", "h", "--module", "1.5", "--dpi", "300", "--data", kData, "--hri", "--verify", "-o", at + "q.png"}, 0, "", ""},
        {"Digital Link QR checked", {"--type", "DL-QR", "--data", kData, "--stem", "https://example.com/p", "--application", "retail", "--check"}, 0, "reads https://example.com/p/01/09501101530003/10/ABC?17=251231", ""},
        {"GS1 QR checked as GS1", {"--type", "GS1-QR", "--data", kData, "--application", "retail", "--check"}, 0, "pass: scan-back", ""},
        {"module below distribution's table", {"--type", "GS1-QR", "--data", kData, "--check"}, 4, "failure: size table (general-distribution): X-dimension 0.500 mm is below the minimum 0.743 mm; --module 0.743 meets it", ""},
        {"dump", {"--type", "GS1-DATAMATRIX", "--data", "(01)09501101530003", "--dump"}, 0, "modules 16x16\nrow 1010101010101010\n", ""},
        {"dump of the URI", {"--type", "DL-QR", "--data", "(01)09501101530003", "--dump"}, 0, "uri https://id.gs1.org/01/09501101530003\nmodules 29x29\nrow 11111110", ""},
        {"GS1 failure warned", {"--type", "GS1-QR", "--data", "(01)09501101530004", "--dump"}, 0, "", "check digit should be 3"},
        {"module too small", {"--type", "GS1-QR", "--data", kData, "--module", "0.2", "--dump"}, 2, "", "--module \"0.2\" is not a module size of 0.254 to 1.5 mm"},
        {"module not a number", {"--type", "GS1-QR", "--data", kData, "--module", "x", "--dump"}, 2, "", "--module \"x\""},
        {"level", {"--type", "GS1-QR", "--data", kData, "--ec-level", "X", "--dump"}, 2, "", "--ec-level \"X\" is none of L, M, Q, H"},
        {"level for DataMatrix", {"--type", "GS1-DATAMATRIX", "--data", kData, "--ec-level", "Q", "--dump"}, 2, "", "option --ec-level does not apply to GS1 DataMatrix"},
        {"rectangular QR", {"--type", "GS1-QR", "--data", kData, "--rectangular", "--dump"}, 2, "", "--rectangular does not apply to GS1 QR Code"},
        {"module for EAN-13", {"--type", "EAN-13", "--data", "4006381333931", "--module", "0.5", "--dump"}, 2, "", "option --module does not apply to EAN-13"},
        {"text for ITF-14", {"--type", "ITF-14", "--data", "15400141288763", "--hri", "--dump"}, 2, "", "option --hri does not apply to ITF-14"},
        {"size for 2D", {"--type", "GS1-DATAMATRIX", "--data", kData, "--size", "120", "--dump"}, 2, "", "option --size does not apply"},
        {"stem without DL-QR", {"--type", "GS1-QR", "--data", kData, "--stem", "https://a.b", "--dump"}, 2, "", "--stem applies to --dl only"},
        {"no primary key for a URI", {"--type", "DL-QR", "--data", "(10)ABC", "--dump"}, 2, "", "--data: no primary key"},
        {"QR without AIs", {"--type", "GS1-QR", "--data", "{FNC1}0109501101530003", "--dump"}, 2, "", "every AI in parentheses"},
        {"too long", {"--type", "GS1-DATAMATRIX", "--data", "(01)09501101530003(21)" + std::string(20, 'A') + std::string(3000, 'B'), "--dump"}, 2, "", "too long"},
        // --pair: the linear symbol of the GTIN beside the 2D symbol, in every format.
        {"EAN-13 and DataMatrix PNG", {"--type", "GS1-DATAMATRIX", "--pair", "--data", kData, "--verify", "-o", at + "a.png"}, 0, "", ""},
        {"UPC-A and QR SVG", {"--type", "GS1-QR", "--pair", "--data", "[01]00036000291452[21]7", "--module", "0.4", "--verify", "-o", at + "a.svg"}, 0, "", ""},
        {"ITF-14 and DataMatrix PDF", {"--type", "GS1-DATAMATRIX", "--pair", "--data", "(01)19501101530000(30)12", "--size", "50", "--no-full-border", "--verify", "-o", at + "a.pdf"}, 0, "", ""},
        {"EAN-8 and Digital Link BMP", {"--type", "DL-QR", "--pair", "--data", "(01)00000096385074", "--dpi", "300", "--verify", "-o", at + "a.bmp"}, 0, "", ""},
        {"JPEG with the element string", {"--type", "GS1-DATAMATRIX", "--pair", "--hri", "--data", kData, "--size", "150", "--verify", "-o", at + "a.jpg"}, 0, "", ""},
        {"dump of both, the linear first", {"--type", "GS1-DATAMATRIX", "--pair", "--data", "(01)09501101530003", "--dump"}, 0, "main 10101100010100111011001100110010100111001100101010100111010000101110010111001011100101000010101\nmodules 16x16\n", ""},
        {"both checked, the colours once", {"--type", "GS1-DATAMATRIX", "--pair", "--data", kData, "--application", "retail", "--check"}, 0, "pass: EAN-13: scan-back: reads 9501101530003\npass: EAN-13: colours", "", "GS1 DataMatrix: colours"},
        {"the 2D symbol's check", {"--type", "GS1-DATAMATRIX", "--pair", "--data", kData, "--application", "retail", "--check"}, 0, "pass: GS1 DataMatrix: scan-back: reads 010950110153000317251231", ""},
        {"the linear symbol's size table", {"--type", "GS1-QR", "--pair", "--data", kData, "--check"}, 4, "failure: EAN-13: size table (general-distribution): X-dimension 0.330 mm is below the minimum 0.495 mm; --size 200 meets it", ""},
        {"no GTIN", {"--type", "GS1-DATAMATRIX", "--pair", "--data", "(10)ABC", "--dump"}, 2, "", "--pair needs a GTIN, (01), in --data"},
        {"variable measure", {"--type", "GS1-QR", "--pair", "--data", "(01)99501101530006", "--dump"}, 2, "", "has indicator digit 9"},
        {"wrong check digit", {"--type", "GS1-QR", "--pair", "--data", "(01)09501101530004", "-o", at + "b.png"}, 2, "", "check digit of 09501101530004 should be 3, not 4"},
        {"linear type", {"--type", "EAN-13", "--pair", "--data", "4006381333931", "--dump"}, 2, "", "--pair puts a linear symbol beside a 2D symbol"},
        {"size out of ITF-14's range", {"--type", "GS1-QR", "--pair", "--data", "(01)19501101530000", "--size", "120", "--dump"}, 2, "", "--size \"120\" is outside 25 to 100"},
        {"border of EAN-13", {"--type", "GS1-QR", "--pair", "--data", kData, "--no-full-border", "--dump"}, 2, "", "option --no-full-border does not apply to EAN-13"},
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
    EXPECT_FALSE(QFile::exists(QString::fromStdString(at + "b.png")));  // refused, not written
}

// The batch file rows.csv in dir, holding text.
std::string BatchFile(const QTemporaryDir& dir, const char* text) {
    QFile csv(dir.filePath("rows.csv"));
    if (!csv.open(QIODevice::WriteOnly) || csv.write(text) < 0) ADD_FAILURE() << "not written";
    return csv.fileName().toStdString();
}

// Batches mixing the linear and the 2D types: every row made is read back; --pair applies to
// every row, so that a row of a linear type is refused and the others are made.
TEST(Matrix2DCommand, BatchRowsTakeThe2DTypes) {
    const struct {
        const char* name;
        const char* csv;
        Args options;
        int status;
        std::string err;  // a part of standard error
        std::vector<const char*> made, refused;
    } kBatches[] = {
        {"the 2D types beside the linear ones",
         "type,data,output\n"
         "GS1-DATAMATRIX,(01)09501101530003(10)A1,dm.png\n"
         "GS1-QR,[01]09501101530003[21]X9,qr.svg\n"
         "DL-QR,(01)09501101530003(17)251231,dl.png\n"
         "EAN-13,400638133393,e.png\n",
         {"--verify"},
         0,
         "",
         {"dm.png", "qr.svg", "dl.png", "e.png"},
         {}},
        {"--pair in every row",
         "type,data,size,output\n"
         "GS1-DATAMATRIX,(01)09501101530003(10)A1,,dm.png\n"
         "GS1-QR,[01]19501101530000[21]X9,40,qr.svg\n"
         "EAN-13,400638133393,,e.png\n",
         {"--pair", "--verify"},
         1,
         "row 4: --pair puts a linear symbol beside a 2D symbol",
         {"dm.png", "qr.svg"},
         {"e.png"}},
    };
    for (const auto& batch : kBatches) {
        SCOPED_TRACE(batch.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        Args args = {"--batch", BatchFile(dir, batch.csv)};
        args.insert(args.end(), batch.options.begin(), batch.options.end());
        const test::CliRun run = RunCli(args);
        EXPECT_EQ(run.status, batch.status) << run.err;
        EXPECT_NE(run.err.find(batch.err), std::string::npos) << run.err;
        for (const char* name : batch.made) EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name;
        for (const char* name : batch.refused)
            EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name;
    }
}

}  // namespace
}  // namespace quillmark
