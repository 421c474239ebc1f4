// The command line's lines for the symbol checks' findings.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cli/CheckWording.h"

namespace quillmark {
namespace {

struct LineCase {
    std::string fieldText;
    std::string line;  // the first finding's line
};

class GS1Lines : public ::testing::TestWithParam<LineCase> {};

TEST_P(GS1Lines, FirstFindingWorded) {
    const std::vector<GS1Finding> findings = CheckGS1Text(GetParam().fieldText);
    ASSERT_FALSE(findings.empty());
    const GS1Finding& f = findings.front();
    EXPECT_EQ(FindingLine(f.severity, DescribeGS1Finding(f)), GetParam().line);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, GS1Lines, ::testing::Values(
    LineCase{"(10)ABC(21)12",
             "failure: AI (10): no {FNC1} before (21); a reader takes (21) as data of AI (10)"},
    LineCase{"(01)09501101530004", "failure: AI (01): check digit should be 3, not 4"},
    LineCase{"(11)2401", "failure: AI (11): data of 4 characters, at least 6 needed"},
    LineCase{"(20)1\xC4", "failure: AI (20): \"{EOT}\" at position 6 in data that takes digits only"},
    LineCase{"(17)250230", "warning: AI (17): 250230 is no date (YYMMDD)"},
    LineCase{"(3107)000100", "warning: AI (3107): decimal point position 7 is above 5"},
    LineCase{"(10)A B", "warning: AI (10): the space at position 6 is printed but not encoded"},
    LineCase{"(10)A\xE4", "warning: symbol: character <228> at position 6 cannot be encoded and is left out"},
    LineCase{"(7003)1", "warning: AI (7003) is not in the catalogue; its data was not checked"}));
// clang-format on

// Every problem has its own wording: none falls through to a bare AI.
TEST(CheckWording, EveryGS1ProblemWordedDifferently) {
    std::set<std::string> lines;
    for (int p = 0; p <= static_cast<int>(GS1Problem::SymbolTooWide); ++p) {
        const GS1Finding f{static_cast<GS1Problem>(p), Severity::Warning, "10", 3, "5", "9", {}};
        const std::string line = DescribeGS1Finding(f);
        EXPECT_GT(line.size(), 12u) << p;
        lines.insert(line);
    }
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(GS1Problem::SymbolTooWide) + 1);
}

TEST(CheckWording, ContrastAndModule) {
    EXPECT_EQ(DescribeContrast(GradeContrast(0x000000, 0xFFFFFF)),
              "colours: symbol contrast under red light 100 %, grade A");
    EXPECT_EQ(DescribeContrast(GradeContrast(0xFF0000, 0xFFFFFF)),
              "colours: symbol contrast under red light 0 %, grade F; a scanner can hardly tell "
              "the lines from the background");
    EXPECT_NE(DescribeContrast(GradeContrast(0xFFFFFF, 0x000000)).find("inverted"),
              std::string::npos);
    EXPECT_EQ(DescribeModule(*ModuleAtResolution("EAN-13", 100, 4), 4),
              "module: 1.32 dots at 4.00 dots/mm, printed 1 dots = 0.250 mm (nominal 0.330 mm); "
              "modules under 2 dots print unreliably");
}

TEST(CheckWording, ScanBack) {
    const ScanExpectation ean{Symbology::EAN13, "4006381333931", "12"};
    const ScanExpectation gs1{Symbology::UCCEAN128,
                              "10AB\x1D"
                              "211\x04",
                              ""};
    struct Case {
        ScanResult scan;
        const ScanExpectation& expected;
        std::string line;
    };
    const Case cases[] = {
        {{ScanOutcome::Read, Severity::Pass, "4006381333931", "12", "]E3"},
         ean,
         "scan-back: reads 4006381333931 + 12"},
        {{ScanOutcome::ReadOther, Severity::Failure, "4006381333931", "", "]E0"},
         ean,
         "scan-back: reads 4006381333931 without the add-on 12"},
        {{ScanOutcome::ReadOther, Severity::Failure, "4006381333948", "12", "]E3"},
         ean,
         "scan-back: reads 4006381333948 + 12 instead of 4006381333931 + 12"},
        {{ScanOutcome::NothingRead, Severity::Failure, "", "", ""}, ean, "scan-back: nothing read"},
        {{ScanOutcome::Read, Severity::Pass, gs1.text, "", "]C1"},
         gs1,
         "scan-back: reads 10AB{FNC1}211{EOT}"},
        {{ScanOutcome::ReadOther, Severity::Failure, gs1.text, "", "]C0"},
         gs1,
         "scan-back: reads 10AB{FNC1}211{EOT} but not as GS1 data"},
    };
    for (const Case& c : cases) EXPECT_EQ(DescribeScan(c.scan, c.expected), c.line);
}

}  // namespace
}  // namespace quillmark
