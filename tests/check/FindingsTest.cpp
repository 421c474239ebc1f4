// The decisions both front ends word: the scan-back's readings judged, the mend of a size finding,
// the command line's order of the findings and the verdict line's order, lead and mend.
#include "check/Findings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmark {
namespace {

// What a finding is, by the check that made it and, for GS1 data, its problem.
std::string Name(const Finding& f) {
    return std::visit(Overloaded{
                          [](const ScanFinding&) { return std::string("scan"); },
                          [](const ContrastResult&) { return std::string("colours"); },
                          [](const GS1Finding& g) { return "gs1 " + g.ai + g.found; },
                          [](const ModuleFinding&) { return std::string("module"); },
                          [](const NoModuleFinding&) { return std::string("no module"); },
                          [](const SizeTableFinding&) { return std::string("size"); },
                          [](const SizeTableMet&) { return std::string("size met"); },
                      },
                      f.detail);
}

std::vector<std::string> Names(const std::vector<Finding>& findings) {
    std::vector<std::string> names;
    for (const Finding& f : findings) names.push_back(Name(f));
    return names;
}

GS1Finding GS1(GS1Problem problem, Severity severity, std::string found) {
    GS1Finding f;
    f.problem = problem;
    f.severity = severity;
    f.found = std::move(found);
    return f;
}

// A report whose every check passes: the colours, the module and the size table.
SymbolCheckReport Sound() {
    SymbolCheckReport report;
    report.contrast.severity = Severity::Pass;
    report.module = ModuleGeometry{};
    report.module->severity = Severity::Pass;
    return report;
}

ScanFinding Scan(ScanVerdict verdict) {
    ScanFinding scan;
    scan.verdict = verdict;
    scan.severity = verdict == ScanVerdict::Reads ? Severity::Pass : Severity::Failure;
    return scan;
}

TEST(JudgeScan, EachReadingOfTheScanBack) {
    const ScanExpectation ean{Symbology::EAN13, "4006381333931", "12"};
    const ScanExpectation gs1{Symbology::UCCEAN128,
                              "10AB\x1D"
                              "21",
                              ""};
    struct Case {
        ScanOutcome outcome;
        const char* text;
        const char* addOn;
        const char* identifier;
        const ScanExpectation& expected;
        ScanVerdict verdict;
    };
    const Case cases[] = {
        {ScanOutcome::Read, "4006381333931", "12", "]E3", ean, ScanVerdict::Reads},
        {ScanOutcome::ReadOther, "4006381333931", "", "]E0", ean, ScanVerdict::ReadsWithoutAddOn},
        {ScanOutcome::ReadOther, "4006381333948", "", "]E0", ean, ScanVerdict::ReadsOther},
        {ScanOutcome::ReadOther, "4006381333931", "13", "]E3", ean, ScanVerdict::ReadsOther},
        {ScanOutcome::ReadOther, "4006381333948", "12", "]E3", ean, ScanVerdict::ReadsOther},
        {ScanOutcome::ReadOther, gs1.text.c_str(), "", "]C0", gs1, ScanVerdict::ReadsNotAsGS1},
        {ScanOutcome::ReadOther, "10AC", "", "]C0", gs1, ScanVerdict::ReadsNotAsGS1},
        {ScanOutcome::ReadOther, "10AC", "", "]C1", gs1, ScanVerdict::ReadsOther},
        {ScanOutcome::Read, gs1.text.c_str(), "", "]C1", gs1, ScanVerdict::Reads},
        {ScanOutcome::NothingRead, "", "", "", ean, ScanVerdict::NothingRead},
        {ScanOutcome::NoPicture, "", "", "", gs1, ScanVerdict::NoPicture},
        {ScanOutcome::NoSymbol, "", "", "", gs1, ScanVerdict::NoSymbol},
    };
    for (const Case& c : cases) {
        ScanResult read;
        read.outcome = c.outcome;
        read.text = c.text;
        read.addOn = c.addOn;
        read.symbologyIdentifier = c.identifier;
        const ScanFinding f = JudgeScan(read, c.expected);
        SCOPED_TRACE(std::string(c.text) + " " + c.addOn + " " + c.identifier);
        EXPECT_EQ(f.verdict, c.verdict);
        EXPECT_EQ(f.severity, c.verdict == ScanVerdict::Reads ? Severity::Pass : Severity::Failure);
        EXPECT_EQ(f.gs1, &c.expected == &gs1);
        EXPECT_EQ(f.text, c.text);
        EXPECT_EQ(f.addOn, c.addOn);
        EXPECT_EQ(f.expectedText, c.expected.text);
        EXPECT_EQ(f.expectedAddOn, c.expected.addOn);
    }
}

TEST(SizeMendOf, TheMagnificationThatMends) {
    SizeFinding f;
    EXPECT_EQ(SizeMendOf(f, Symbology::EAN13), SizeMend::None);
    EXPECT_EQ(SizeMendOf(f, Symbology::UCCEAN128), SizeMend::None);
    f.mendPercent = 200;
    EXPECT_EQ(SizeMendOf(f, Symbology::ITF14), SizeMend::Size);
    EXPECT_EQ(SizeMendOf(f, Symbology::UCCEAN128), SizeMend::HorizontalSize);
    f.vertical = true;
    EXPECT_EQ(SizeMendOf(f, Symbology::UCCEAN128), SizeMend::VerticalSize);
    EXPECT_EQ(SizeMendOf(f, Symbology::UPCA), SizeMend::Size);
}

// The command line's order: the scan-back, colours, the data in the order of the text, the
// module, the size table (met, or each finding against it).
TEST(ListFindings, TheCommandLinesOrder) {
    SymbolCheckReport report = Sound();
    report.symbology = Symbology::UCCEAN128;
    report.application = Application::RetailPOS;
    report.gs1 = {GS1(GS1Problem::UnclosedAI, Severity::Warning, "1"),
                  GS1(GS1Problem::SymbolTooWide, Severity::Warning, "2")};
    const std::vector<Finding> sound = ListFindings(report, 8, Scan(ScanVerdict::Reads));
    EXPECT_EQ(Names(sound), (std::vector<std::string>{"scan", "colours", "gs1 1", "gs1 2", "module",
                                                      "size met"}));
    EXPECT_EQ(std::get<ModuleFinding>(sound[4].detail).dotsPerMm, 8);
    EXPECT_EQ(std::get<SizeTableMet>(sound[5].detail).application, Application::RetailPOS);
    EXPECT_EQ(WorstOf(sound), Severity::Warning);

    report.module.reset();
    SizeFinding low;
    low.problem = SizeProblem::BarsTooShort;
    low.severity = Severity::Failure;
    low.mendPercent = 150;
    low.vertical = true;
    SizeFinding zone;
    zone.problem = SizeProblem::QuietZone;
    report.sizeTable = {low, zone};
    const std::vector<Finding> flawed = ListFindings(report, 8, std::nullopt);
    EXPECT_EQ(Names(flawed),
              (std::vector<std::string>{"colours", "gs1 1", "gs1 2", "no module", "size", "size"}));
    EXPECT_EQ(flawed[3].severity, Severity::Failure);
    const auto& size = std::get<SizeTableFinding>(flawed[4].detail);
    EXPECT_EQ(size.finding.problem, SizeProblem::BarsTooShort);
    EXPECT_EQ(size.application, Application::RetailPOS);
    EXPECT_EQ(size.symbology, Symbology::UCCEAN128);
    EXPECT_EQ(size.mend, SizeMend::VerticalSize);
    EXPECT_EQ(WorstOf(flawed), Severity::Failure);
    // Each finding carries the severity of its check.
    for (const Finding& f : flawed) {
        if (const auto* g = std::get_if<GS1Finding>(&f.detail)) {
            EXPECT_EQ(f.severity, g->severity);
        }
    }
}

// Failures, then warnings, then passes; within each the symbol as a whole (its GS1 findings,
// colours, modules), then the data in the order of the text, the size table, the scan-back.
TEST(JudgeVerdict, WorstFirstCausesBeforeTheScanBack) {
    SymbolCheckReport report = Sound();
    report.contrast.severity = Severity::Failure;
    report.module->severity = Severity::Warning;
    GS1Finding digit = GS1(GS1Problem::WrongCheckDigit, Severity::Failure, "digit");
    digit.mendedText = "mended digit";
    GS1Finding fnc1 = GS1(GS1Problem::MissingFNC1, Severity::Failure, "fnc1");
    fnc1.mendedText = "mended fnc1";
    report.gs1 = {GS1(GS1Problem::UnclosedAI, Severity::Warning, "unclosed"),
                  digit,
                  GS1(GS1Problem::SymbolTooWide, Severity::Warning, "wide"),
                  fnc1,
                  GS1(GS1Problem::TextTruncated, Severity::Failure, "truncated"),
                  GS1(GS1Problem::SpaceInData, Severity::Warning, "space")};
    SizeFinding size;
    size.problem = SizeProblem::XBelowMinimum;
    size.severity = Severity::Failure;
    report.sizeTable = {size};
    const Verdict v = JudgeVerdict(report, 12, Scan(ScanVerdict::NothingRead), false);
    EXPECT_EQ(Names(v.findings), (std::vector<std::string>{"gs1 truncated", "colours", "gs1 digit",
                                                           "gs1 fnc1", "size", "scan", "gs1 wide",
                                                           "module", "gs1 unclosed", "gs1 space"}));
    EXPECT_EQ(v.severity, Severity::Failure);
    EXPECT_EQ(v.headline, 0u);
    EXPECT_EQ(v.moreFindings, 9u);
    EXPECT_FALSE(v.scanPending);
    // The mend is the first in the text, not the first in the verdict's order.
    ASSERT_TRUE(v.mend);
    EXPECT_EQ(v.mend->found, "digit");

    // Warnings alone: the colours pass and come last, the met size table is left out.
    report.contrast.severity = Severity::Pass;
    report.gs1 = {GS1(GS1Problem::UnclosedAI, Severity::Warning, "unclosed"),
                  GS1(GS1Problem::SymbolTooWide, Severity::Warning, "wide")};
    report.sizeTable.clear();
    const Verdict w = JudgeVerdict(report, 12, Scan(ScanVerdict::Reads), false);
    EXPECT_EQ(Names(w.findings),
              (std::vector<std::string>{"gs1 wide", "module", "gs1 unclosed", "colours", "scan"}));
    EXPECT_EQ(w.severity, Severity::Warning);
    EXPECT_EQ(w.headline, 0u);
    EXPECT_EQ(w.moreFindings, 2u);
    EXPECT_FALSE(w.mend);
}

// What the line leads with: the worst finding, or when all pass the scan-back's reading, or
// nothing; while the scan-back runs only a failure found without it is told.
TEST(JudgeVerdict, LeadWhileAndAfterTheScanBack) {
    const SymbolCheckReport sound = Sound();
    const Verdict read = JudgeVerdict(sound, 12, Scan(ScanVerdict::Reads), false);
    EXPECT_EQ(read.severity, Severity::Pass);
    ASSERT_TRUE(read.headline);
    EXPECT_EQ(Name(read.findings[*read.headline]), "scan");
    EXPECT_EQ(read.moreFindings, 0u);

    const Verdict unread = JudgeVerdict(sound, 12, std::nullopt, false);
    EXPECT_EQ(unread.severity, Severity::Pass);
    EXPECT_FALSE(unread.headline);
    EXPECT_EQ(Names(unread.findings), (std::vector<std::string>{"colours", "module"}));

    SymbolCheckReport warned = Sound();
    warned.module->severity = Severity::Warning;
    warned.gs1 = {GS1(GS1Problem::MissingFNC1, Severity::Warning, "x")};
    warned.gs1[0].mendedText = "mended";
    const Verdict pending = JudgeVerdict(warned, 12, std::nullopt, true);
    EXPECT_TRUE(pending.scanPending);
    EXPECT_FALSE(pending.severity);
    EXPECT_FALSE(pending.headline);
    EXPECT_EQ(pending.moreFindings, 0u);
    EXPECT_TRUE(pending.mend);  // on offer before the scan-back ends
    EXPECT_EQ(pending.findings.size(), 3u);

    SymbolCheckReport failed = Sound();
    failed.module.reset();
    failed.contrast.severity = Severity::Warning;
    const Verdict pendingFailure = JudgeVerdict(failed, 12, std::nullopt, true);
    EXPECT_TRUE(pendingFailure.scanPending);
    EXPECT_EQ(pendingFailure.severity, Severity::Failure);
    EXPECT_EQ(pendingFailure.headline, 0u);
    EXPECT_EQ(Name(pendingFailure.findings[0]), "no module");
    EXPECT_EQ(pendingFailure.moreFindings, 1u);
}

}  // namespace
}  // namespace quillmark
