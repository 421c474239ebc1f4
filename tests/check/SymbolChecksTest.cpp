// The picture-free checks run together on whole symbol requests.
#include <gtest/gtest.h>

#include <string>

#include "check/SymbolChecks.h"
#include "support/Requests.h"

namespace quillmark {
namespace {

using test::RequestOf;

struct ReportCase {
    const char* name;
    SymbolRequest request;
    TColor line;
    double dotsPerMm;
    Severity worst;
    std::size_t gs1Findings;
    Application application = Application::GeneralDistribution;
    std::size_t sizeFindings = 0;
};

class SymbolReports : public ::testing::TestWithParam<ReportCase> {};

TEST_P(SymbolReports, WorstFinding) {
    const ReportCase& c = GetParam();
    const SymbolCheckReport report =
        CheckSymbol(c.request, c.line, 0xFFFFFF, c.dotsPerMm, c.application);
    EXPECT_EQ(report.worst(), c.worst);
    EXPECT_EQ(report.gs1.size(), c.gs1Findings);
    EXPECT_EQ(report.sizeTable.size(), c.sizeFindings);
    EXPECT_EQ(report.application, c.application);
}

constexpr Application kRetail = Application::RetailPOS;

// clang-format off
const ReportCase kCases[] = {
    {"SoundEAN13", RequestOf("EAN-13", "4006381333931"), 0x000000, 12, Severity::Pass, 0, kRetail},
    {"SoundGS1", RequestOf("UCC/EAN-128", "(01)09501101530003(10)A", 198), 0x000080, 12, Severity::Pass, 0},
    {"RedLines", RequestOf("EAN-13", "4006381333931"), 0xFF0000, 12, Severity::Failure, 0, kRetail},
    {"MissingFNC1", RequestOf("UCC/EAN-128", "(01)09501101530003(10)ABC(21)12", 198), 0x000000, 12,
     Severity::Failure, 1},
    // 15 codewords at 400 %: 198 mm, and X of 1 mm is far from the 0.495 mm GS1 aims at.
    {"TooWide", RequestOf("UCC/EAN-128", "(01)09501101530003(10)AB", 400), 0x000000, 12,
     Severity::Warning, 1, Application::GeneralDistribution, 1},
    {"NotTooWide", RequestOf("UCC/EAN-128", "(01)09501101530003(10)AB", 198), 0x000000, 12,
     Severity::Pass, 0},
    // The GS1 checks look at the UCC/EAN-128 text only.
    {"DigitsAreNoGS1", RequestOf("ITF-14", "12345678901231"), 0x000000, 12, Severity::Pass, 0},
    {"OneDotModules", RequestOf("ITF-14", "12345678901231"), 0x000000, 1.5, Severity::Warning, 0},
    {"VanishingModules", RequestOf("UCC/EAN-128", "(01)09501101530003(10)1", 198), 0x000000, 0.3,
     Severity::Failure, 0},
    {"UnknownType", RequestOf("Code 39", "1"), 0x000000, 12, Severity::Failure, 0},
    // The size against GS1's table for the application: a consumer EAN-13 on an outer case,
    // a logistic label at 100 %.
    {"EAN13OnACase", RequestOf("EAN-13", "4006381333931"), 0x000000, 12, Severity::Failure, 0,
     Application::GeneralDistribution, 1},
    {"SSCCAt100", RequestOf("UCC/EAN-128", "(00)346000000000000016"), 0x000000, 12, Severity::Failure, 0,
     Application::GeneralDistribution, 1},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Requests, SymbolReports, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

// In whole dots a symbol is judged as drawn: a retail EAN-13 at 203 dpi has 3-dot modules of
// 0.375 mm, off GS1's target, and no magnification mends it (2 dots are below 80 %); at 300 dpi
// its 4 dots are 0.339 mm, near enough. Without whole dots the nominal 0.330 mm is judged.
TEST(SymbolReportsInWholeDots, JudgeTheModuleAsDrawn) {
    struct Case {
        double dpi;
        bool wholeDots;
        double moduleMm;
        std::size_t sizeFindings;
    };
    const SymbolRequest ean13 = RequestOf("EAN-13", "4006381333931");
    for (const Case c : {Case{203, true, 0.375, 1}, Case{300, true, 4 * 25.4 / 300, 0},
                         Case{203, false, 0.33, 0}}) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi, whole dots " << c.wholeDots);
        const SymbolCheckReport report =
            CheckSymbol(ean13, 0, 0xFFFFFF, c.dpi / 25.4, kRetail, c.wholeDots);
        ASSERT_TRUE(report.module);
        EXPECT_NEAR(report.module->nominalMm, c.moduleMm, 1e-3);
        ASSERT_EQ(report.sizeTable.size(), c.sizeFindings);
        if (c.sizeFindings == 0) continue;
        EXPECT_EQ(report.sizeTable[0].problem, SizeProblem::XOffTarget);
        EXPECT_NEAR(report.sizeTable[0].found, 0.375, 1e-3);
        EXPECT_EQ(report.sizeTable[0].mendPercent, 0) << "100 % is what is drawn off the table";
    }
}

}  // namespace
}  // namespace quillmark
