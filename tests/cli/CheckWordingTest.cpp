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
const std::string kGTIN = "(01)09501101530003";
const std::string kSSCC = "(00)095011015300000003";

INSTANTIATE_TEST_SUITE_P(Texts, GS1Lines, ::testing::Values(
    LineCase{kGTIN + "(10)ABC(21)12",
             "failure: AI (10): no {FNC1} before (21); a reader takes (21) as data of AI (10)"},
    LineCase{"(01)09501101530004", "failure: AI (01): check digit should be 3, not 4"},
    LineCase{kGTIN + "(11)2401", "failure: AI (11): data of 4 characters, at least 6 needed"},
    LineCase{kGTIN + "(20)1\xC4", "failure: AI (20): control character {EOT} at position 24 inside the data"},
    LineCase{kGTIN + "(17)250230", "failure: AI (17): 250230 is no date (YYMMDD) (yymmd0)"},
    LineCase{kGTIN + "(17)251340", "failure: AI (17): invalid month 13 (yymmd0)"},
    LineCase{kGTIN + "(7003)2512312400", "failure: AI (7003): invalid hour 24 (hhmm)"},
    LineCase{kGTIN + "(422)999", "failure: AI (422): 999 is not an ISO 3166 country code (iso3166)"},
    LineCase{kGTIN + "(30)5\xE0(3932)0011099", "failure: AI (3932): 001 is not an ISO 4217 currency code (iso4217)"},
    LineCase{"(3107)000100", "failure: AI (3107): decimal point position 7 is above 5"},
    LineCase{kGTIN + "(10)A B", "warning: AI (10): the space at position 24 is printed but not encoded"},
    LineCase{kGTIN + "(10)AB#", "failure: AI (10): \"#\" at position 25 is not in CSET 82"},
    LineCase{kGTIN + "(10)A\xE4", "warning: symbol: character <228> at position 24 cannot be encoded and is left out"},
    LineCase{kGTIN + "(10)A\xE0", "warning: symbol: the {FNC1} at the end adds a symbol character and no data"},
    LineCase{"(7099)1", "failure: AI (7099) is not a GS1 Application Identifier"},
    LineCase{kSSCC + "(4321)2", "failure: AI (4321): \"2\" must be 0 or 1 (yesno)"},
    LineCase{"(8013)1987654Ad4X4bL5ttr2310c2L",
             "failure: AI (8013): check characters should be 2K, not 2L (csumalpha)"},
    LineCase{"(401)ABC123",
             "failure: AI (401): \"ABC1\" does not begin a GS1 Company Prefix of at least 4 digits (key)"},
    LineCase{"(02)09501101530003",
             "warning: AI (02) needs AI (37) in this symbol or another symbol of the same label"},
    LineCase{"(10)A", "warning: AI (10) needs AI (01) or (02) or (8006) or (8026) in this symbol or "
                      "another symbol of the same label"},
    LineCase{kGTIN + "(02)09501101530003(37)1", "failure: AI (02) must not appear with AI (01)"},
    LineCase{kGTIN + "(10)A\xE0(10)B", "failure: AI (10) appears twice with different data: A and B"}));
// clang-format on

// Every problem has its own wording: none falls through to a bare AI.
TEST(CheckWording, EveryGS1ProblemWordedDifferently) {
    std::set<std::string> lines;
    for (int p = 0; p <= static_cast<int>(kLastGS1Problem); ++p) {
        const GS1Finding f{
            static_cast<GS1Problem>(p), Severity::Warning, "10", 3, "5", "9", {}, {}};
        const std::string line = DescribeGS1Finding(f);
        EXPECT_GT(line.size(), 12u) << p;
        lines.insert(line);
    }
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(kLastGS1Problem) + 1);
}

// A missing requisite where the data is the whole label: no other symbol can hold it.
TEST(CheckWording, RequisiteOfAWholeLabel) {
    const std::vector<GS1Finding> f = CheckGS1Text("(02)09501101530003", {.wholeLabel = true});
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(FindingLine(f[0].severity, DescribeGS1Finding(f[0])),
              "failure: AI (02) needs AI (37), which the label lacks");
}

TEST(CheckWording, ContrastAndModule) {
    EXPECT_EQ(DescribeContrast(GradeContrast(0x000000, 0xFFFFFF)),
              "colours: symbol contrast under red light 100 %, grade A");
    EXPECT_EQ(DescribeContrast(GradeContrast(0xFF0000, 0xFFFFFF)),
              "colours: symbol contrast under red light 0 %, grade F; a scanner can hardly tell "
              "the lines from the background");
    EXPECT_NE(DescribeContrast(GradeContrast(0xFFFFFF, 0x000000)).find("inverted"),
              std::string::npos);
    EXPECT_EQ(DescribeModule(*ModuleAtResolution(Symbology::EAN13, 100, 4), 4),
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
