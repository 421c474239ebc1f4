// The symbol checks' findings as one ordered list that both front ends put into words, and the
// verdict line's reading of that list: its order, the finding it leads with and the mend on offer.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "check/ScanReading.h"
#include "check/SymbolChecks.h"

namespace quillmark {

// What a reading of the scan-back means for the symbol.
enum class ScanVerdict {
    Reads,              // the intended data, add-on included
    ReadsNotAsGS1,      // a UCC/EAN-128 symbol's data, but as plain Code 128: no AIs
    ReadsWithoutAddOn,  // the main number alone, the add-on lost
    ReadsOther,         // other data
    NothingRead,        // no symbol found
    NoPicture,          // no picture can be made at the resolution
    NoSymbol,           // the data make no symbol to read
};

struct ScanFinding {
    ScanVerdict verdict = ScanVerdict::NothingRead;
    Severity severity = Severity::Failure;  // only the intended data passes
    bool gs1 = false;                       // GS1 data: a GS in it stands for a separating FNC1
    std::string text;                       // the main data read
    std::string addOn;                      // the add-on read
    std::string expectedText;               // what the symbol carries
    std::string expectedAddOn;
};

// The module of the symbol printed at dotsPerMm.
struct ModuleFinding {
    ModuleGeometry module;
    double dotsPerMm = 0;
};

// No module can be had at the symbol's type, size and resolution.
struct NoModuleFinding {};

// The magnification that mends a size finding: the symbol's size, or UCC/EAN-128's horizontal
// or vertical one; None where no magnification meets the table.
enum class SizeMend { None, Size, HorizontalSize, VerticalSize };

struct SizeTableFinding {
    SizeFinding finding;
    Application application = Application::GeneralDistribution;  // whose table it is
    Symbology symbology = Symbology::EAN13;
    SizeMend mend = SizeMend::None;  // at finding.mendPercent
};

// The symbol meets GS1's table of application.
struct SizeTableMet {
    Application application = Application::GeneralDistribution;
};

using FindingDetail = std::variant<ScanFinding, ContrastResult, GS1Finding, ModuleFinding,
                                   NoModuleFinding, SizeTableFinding, SizeTableMet>;

struct Finding {
    Severity severity = Severity::Failure;
    FindingDetail detail;  // which check found it, with its values
};

// One function per kind of finding, for std::visit over FindingDetail.
template <class... Words>
struct Overloaded : Words... {
    using Words::operator()...;
};
// Spelt out for compilers without aggregate deduction (clang 14).
template <class... Words>
Overloaded(Words...) -> Overloaded<Words...>;

// Which of the four readings other than the intended data scan is, against expected.
ScanFinding JudgeScan(const ScanResult& scan, const ScanExpectation& expected);

SizeMend SizeMendOf(const SizeFinding& finding, Symbology symbology);

// The findings of report, checked at dotsPerMm, and of the scan-back (nullopt when it did not
// run), in the order the command line lists them: the scan-back, the colours, the GS1 data in
// the order of the text, the module, the size table.
std::vector<Finding> ListFindings(const SymbolCheckReport& report, double dotsPerMm,
                                  const std::optional<ScanFinding>& scan);

Severity WorstOf(const std::vector<Finding>& findings);

// Whether a finding keeps a run of labels from being printed: every failure but the size table's,
// which follows the application chosen, is the same for every label of the run and is shown
// once beside it.
bool StopsLabelRun(const Finding& finding);

// What the window's verdict line makes of the findings.
struct Verdict {
    // Failures before warnings before passes; within one severity the causes first (see
    // VerdictRank), in the order of ListFindings where the rank is the same.
    std::vector<Finding> findings;
    bool scanPending = false;          // the scan-back is still at work
    std::optional<Severity> severity;  // the worst finding; nullopt while the scan-back decides
    // The finding the line states: the worst one, or the scan-back's reading when all pass;
    // nullopt when all pass and no scan-back ran.
    std::optional<std::size_t> headline;
    std::size_t moreFindings = 0;    // failures and warnings beside the headline
    std::optional<GS1Finding> mend;  // the first finding in the text with one sure mend
};

// Within one severity the causes come first, since they explain why a scan-back fails: the
// symbol as a whole (GS1 findings of the whole symbol, its colours, its modules), then its data
// in the order of the text; then the symbol's size against GS1's table for the application, which
// scanners in that place need; then the scan-back itself.
enum class VerdictRank { WholeSymbolData, Colours, Modules, Data, SizeTable, ScanBack };

VerdictRank RankOf(const Finding& finding);

// The verdict on report and the scan-back's finding; scanPending while the scan-back runs. The
// verdict leaves a met size table unsaid: the window's choice of application stands beside it.
Verdict JudgeVerdict(const SymbolCheckReport& report, double dotsPerMm,
                     const std::optional<ScanFinding>& scan, bool scanPending);

}  // namespace quillmark
