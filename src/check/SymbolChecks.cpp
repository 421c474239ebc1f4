// The checks that need no picture, run together on one symbol as it would be output.
#include "check/SymbolChecks.h"

#include "check/Findings.h"
#include "symbol/Symbology.h"

namespace quillmark {

Severity SymbolCheckReport::worst() const {
    return WorstOf(ListFindings(*this, 0, std::nullopt));
}

SymbolCheckReport CheckSymbol(const SymbolRequest& request, TColor line, TColor background,
                              double dotsPerMm, Application application) {
    SymbolCheckReport report;
    report.sizeTable = CheckSizeTable(request, application);
    report.application = application;
    report.contrast = GradeContrast(line, background);
    const SymbologyInfo* info = request.symbology;
    const bool ucc = request.Is(Symbology::UCCEAN128);
    const bool matrix = info != nullptr && IsMatrix2D(info->id);
    if (matrix) {
        report.symbology = info->id;
        report.module = ModuleOfWidth(request.moduleMm, dotsPerMm);
    } else if (info != nullptr) {
        report.symbology = info->id;
        report.module = ModuleAtResolution(
            info->id, ucc ? request.gSizePercent : request.sizePercent, dotsPerMm);
    }
    if (matrix) report.gs1 = CheckGS1Text(request.fieldText);
    if (ucc) {
        report.gs1 = CheckGS1Text(request.fieldText);
        if (std::optional<GS1Finding> wide =
                CheckSymbolWidth(UCCEAN128WidthMm(request.fieldText, request.gSizePercent)))
            report.gs1.push_back(*wide);
    }
    return report;
}

}  // namespace quillmark
