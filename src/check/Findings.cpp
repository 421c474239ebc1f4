// The symbol checks' findings as one ordered list, and the verdict line's reading of it.
#include "check/Findings.h"

#include <algorithm>

namespace quillmark {

namespace {

ScanVerdict VerdictOf(const ScanResult& scan, const ScanExpectation& expected) {
    switch (scan.outcome) {
        case ScanOutcome::Read:
            return ScanVerdict::Reads;
        case ScanOutcome::ReadOther:
            if (const std::string_view gs1 = GS1SymbologyIdentifier(expected.symbology);
                !gs1.empty() && scan.symbologyIdentifier != gs1)
                return ScanVerdict::ReadsNotAsGS1;
            if (scan.text == expected.text && scan.addOn.empty())
                return ScanVerdict::ReadsWithoutAddOn;
            return ScanVerdict::ReadsOther;
        case ScanOutcome::NoPicture:
            return ScanVerdict::NoPicture;
        case ScanOutcome::NoSymbol:
            return ScanVerdict::NoSymbol;
        case ScanOutcome::NothingRead:
            break;
    }
    return ScanVerdict::NothingRead;
}

// GS1 findings of the symbol as a whole rather than of one element string.
bool OfWholeSymbol(GS1Problem problem) {
    switch (problem) {
        case GS1Problem::TextTruncated:
        case GS1Problem::TooManyDataCharacters:
        case GS1Problem::SymbolTooWide:
        case GS1Problem::NoElementStrings:
            return true;
        default:
            return false;
    }
}

}  // namespace

ScanFinding JudgeScan(const ScanResult& scan, const ScanExpectation& expected) {
    ScanFinding f;
    f.verdict = VerdictOf(scan, expected);
    f.severity = f.verdict == ScanVerdict::Reads ? Severity::Pass : Severity::Failure;
    f.gs1 = !GS1SymbologyIdentifier(expected.symbology).empty();
    f.text = scan.text;
    f.addOn = scan.addOn;
    f.expectedText = expected.text;
    f.expectedAddOn = expected.addOn;
    return f;
}

SizeMend SizeMendOf(const SizeFinding& finding, Symbology symbology) {
    if (finding.mendPercent == 0) return SizeMend::None;
    if (symbology != Symbology::UCCEAN128) return SizeMend::Size;
    return finding.vertical ? SizeMend::VerticalSize : SizeMend::HorizontalSize;
}

std::vector<Finding> ListFindings(const SymbolCheckReport& report, double dotsPerMm,
                                  const std::optional<ScanFinding>& scan) {
    std::vector<Finding> list;
    if (scan) list.push_back({scan->severity, *scan});
    list.push_back({report.contrast.severity, report.contrast});
    for (const GS1Finding& f : report.gs1) list.push_back({f.severity, f});
    if (report.module)
        list.push_back({report.module->severity, ModuleFinding{*report.module, dotsPerMm}});
    else
        list.push_back({Severity::Failure, NoModuleFinding{}});
    if (report.sizeTable.empty())
        list.push_back({Severity::Pass, SizeTableMet{report.application}});
    for (const SizeFinding& f : report.sizeTable)
        list.push_back({f.severity, SizeTableFinding{f, report.application, report.symbology,
                                                     SizeMendOf(f, report.symbology)}});
    return list;
}

bool StopsLabelRun(const Finding& finding) {
    return finding.severity == Severity::Failure &&
           !std::holds_alternative<SizeTableFinding>(finding.detail);
}

Severity WorstOf(const std::vector<Finding>& findings) {
    Severity worst = Severity::Pass;
    for (const Finding& f : findings) worst = Worst({worst, f.severity});
    return worst;
}

VerdictRank RankOf(const Finding& finding) {
    return std::visit(Overloaded{
                          [](const ScanFinding&) { return VerdictRank::ScanBack; },
                          [](const ContrastResult&) { return VerdictRank::Colours; },
                          [](const GS1Finding& f) {
                              return OfWholeSymbol(f.problem) ? VerdictRank::WholeSymbolData
                                                              : VerdictRank::Data;
                          },
                          [](const ModuleFinding&) { return VerdictRank::Modules; },
                          [](const NoModuleFinding&) { return VerdictRank::Modules; },
                          [](const SizeTableFinding&) { return VerdictRank::SizeTable; },
                          [](const SizeTableMet&) { return VerdictRank::SizeTable; },
                      },
                      finding.detail);
}

Verdict JudgeVerdict(const SymbolCheckReport& report, double dotsPerMm,
                     const std::optional<ScanFinding>& scan, bool scanPending) {
    Verdict v;
    v.scanPending = scanPending;
    for (Finding& f : ListFindings(report, dotsPerMm, scan))
        if (!std::holds_alternative<SizeTableMet>(f.detail)) v.findings.push_back(std::move(f));
    std::stable_sort(v.findings.begin(), v.findings.end(), [](const Finding& a, const Finding& b) {
        if (a.severity != b.severity) return a.severity > b.severity;
        return RankOf(a) < RankOf(b);
    });
    for (const GS1Finding& f : report.gs1)
        if (f.mendedText) {
            v.mend = f;
            break;
        }
    const Severity worst = WorstOf(v.findings);
    // A failure found without the picture stands whatever the scan-back finds.
    if (scanPending && worst != Severity::Failure) return v;
    v.severity = worst;
    if (worst != Severity::Pass) {
        v.headline = 0;
        v.moreFindings = static_cast<std::size_t>(std::count_if(
                             v.findings.begin(), v.findings.end(),
                             [](const Finding& f) { return f.severity != Severity::Pass; })) -
                         1;
    } else if (scan) {
        const auto read = std::find_if(v.findings.begin(), v.findings.end(), [](const Finding& f) {
            return std::holds_alternative<ScanFinding>(f.detail);
        });
        v.headline = static_cast<std::size_t>(read - v.findings.begin());
    }
    return v;
}

}  // namespace quillmark
