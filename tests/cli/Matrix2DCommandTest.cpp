// quillmark-render's 2D types: pictures read back in every format, dumps, batches and refusals.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include <string>

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
    std::string out;  // a part of standard output
    std::string err;  // a part of standard error
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
    };
    // clang-format on
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const test::CliRun run = RunCli(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

// A batch mixes the linear and the 2D types; every row is read back.
TEST(Matrix2DCommand, BatchRowsTakeThe2DTypes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile csv(dir.filePath("rows.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(
        "type,data,output\n"
        "GS1-DATAMATRIX,(01)09501101530003(10)A1,dm.png\n"
        "GS1-QR,[01]09501101530003[21]X9,qr.svg\n"
        "DL-QR,(01)09501101530003(17)251231,dl.png\n"
        "EAN-13,400638133393,e.png\n");
    csv.close();
    const test::CliRun run = RunCli({"--batch", csv.fileName().toStdString(), "--verify"});
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* name : {"dm.png", "qr.svg", "dl.png", "e.png"})
        EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name;
}

}  // namespace
}  // namespace quillmark
