// Reads the picture back with the scan-back and words a failure as the symbol checks do.
#include "cli/Verification.h"

#include "check/Findings.h"
#include "check/WholeDots.h"
#include "cli/CheckWording.h"
#include "cli/ModuleLoader.h"
#include "cli/PictureFile.h"
#include "cli/SymbolInput.h"
#include "symbol/SymbolPair.h"
#include "verify/ScanModule.h"

namespace quillmark {
namespace {

// The scan-back module, loaded on first use.
const ModuleEntry& ScanModule() {
    return LoadModuleEntry(kScanModuleFile, kScanBackEntry, "cannot read pictures back");
}

// Set when a picture was to be read without the module: a ScanReader has no way to fail, so the
// one handed to the drawing scan-back notes it here for its caller on the same thread.
thread_local bool readWithoutModule = false;

// ScanBack from the module; nothing read when the module cannot be loaded.
ScanResult ScanBackFromModule(const PixelView& picture, const ScanExpectation& expected) {
    ScanResult result;
    if (ScanModule().address == nullptr) {
        readWithoutModule = true;
        return result;
    }
    reinterpret_cast<ScanBackEntry>(ScanModule().address)(&picture, &expected, &result);
    return result;
}

// A module that cannot be loaded fails the symbol (exit status 2, or its batch row) with the
// loader's message, as PDF pictures do.
Failure MissingScanModule() {
    return Failure{ScanModule().error};
}

// "EAN-13: " before the words about one symbol of a pair; nothing for a symbol alone.
std::string SymbolPrefix(const SymbolRequest& each, const SymbolRequest& picture) {
    return picture.pairedLinear ? std::string(each.symbology->name) + ": " : std::string();
}

}  // namespace

Result<std::string> VerifySymbolPicture(const PixelView& picture, const SymbolRequest& symbol) {
    const std::vector<SymbolRequest> symbols = SymbolsOf(symbol);
    const std::vector<std::optional<ScanExpectation>> expected = ExpectedScans(symbol);
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        if (!expected[i]) return std::string("its type cannot be read back");
        if (picture.pixels == nullptr) return std::string("the picture cannot be read");
        if (ScanModule().address == nullptr) return MissingScanModule();
        const ScanFinding read = JudgeScan(ScanBackFromModule(picture, *expected[i]), *expected[i]);
        if (read.severity != Severity::Pass)
            return SymbolPrefix(symbols[i], symbol) + DescribeScanAgainstExpected(read);
    }
    return std::string();
}

Result<std::string> VerifyWrittenPicture(const std::string& path, PictureFormat format,
                                         const Raster& drawn, const SymbolRequest& symbol) {
    if (path.empty() || format == PictureFormat::SVG || format == PictureFormat::PDF)
        return VerifySymbolPicture(drawn.View(), symbol);
    Raster written;
    const std::string error = ReadPictureFile(path, format, written);
    if (!error.empty()) return std::string("the picture cannot be read: " + error);
    return VerifySymbolPicture(written.View(), symbol);
}

std::vector<std::string> FailureWarnings(const SymbolRequest& symbol, const SymbolStyle& style) {
    std::vector<std::string> warnings;
    if (symbol.Is(Symbology::UCCEAN128) || (symbol.symbology && IsMatrix2D(symbol.symbology->id)))
        for (const GS1Finding& f : CheckGS1Text(symbol.fieldText))
            if (f.severity == Severity::Failure) warnings.push_back(DescribeGS1Finding(f));
    const ContrastResult contrast = GradeContrast(style.line, style.background);
    if (contrast.severity == Severity::Failure) warnings.push_back(DescribeContrast(contrast));
    return warnings;
}

Result<CheckLines> CheckSymbolLines(const SymbolRequest& symbol, const PictureSettings& settings,
                                    Application application) {
    const SymbolStyle& style = settings.style;
    const double dotsPerMm = settings.dotsPerMm;
    // The scan-back reads the columns the picture is written with: in whole dots, when it has them.
    const double scanScale = settings.wholeDots ? WholeDotScale(symbol, dotsPerMm) : dotsPerMm;
    const std::vector<SymbolRequest> symbols = SymbolsOf(symbol);
    const std::vector<std::optional<ScanExpectation>> expected = ExpectedScans(symbol);
    readWithoutModule = false;
    const std::vector<ScanResult> scans =
        ScanBackSymbols(symbol, scanScale, style, ScanBackFromModule);
    if (readWithoutModule) return MissingScanModule();
    CheckLines out;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const SymbolRequest& each = symbols[i];
        std::optional<ScanFinding> scan;
        if (expected[i]) scan = JudgeScan(scans[i], *expected[i]);
        const std::vector<Finding> findings =
            ListFindings(CheckSymbol(each, style.line, style.background, dotsPerMm, application,
                                     settings.wholeDots),
                         dotsPerMm, scan);
        for (const Finding& f : findings) {
            // The colours are the same for both symbols of a pair: said once.
            if (i > 0 && std::holds_alternative<ContrastResult>(f.detail)) continue;
            out.lines.push_back(
                FindingLine(f.severity, SymbolPrefix(each, symbol) + DescribeFinding(f)));
        }
        out.failed = out.failed || WorstOf(findings) == Severity::Failure;
    }
    return out;
}

}  // namespace quillmark
