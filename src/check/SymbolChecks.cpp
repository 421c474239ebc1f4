// The checks that need no picture, run together on one symbol as it would be output.
#include "check/SymbolChecks.h"

#include <cmath>

#include "check/Findings.h"
#include "check/WholeDots.h"
#include "symbol/Symbology.h"

namespace quillmark {

Severity SymbolCheckReport::worst() const {
    return WorstOf(ListFindings(*this, 0, std::nullopt));
}

SymbolCheckReport CheckSymbol(const SymbolRequest& request, TColor line, TColor background,
                              double dotsPerMm, Application application, bool wholeDots) {
    SymbolCheckReport report;
    const std::optional<WholeDotModule> whole =
        wholeDots ? WholeDotModuleOf(request, dotsPerMm) : std::nullopt;
    report.sizeTable = CheckSizeTable(request, application, whole ? whole->scaleFactor : 1.0);
    // In whole dots the size asked for may be the one that is drawn off the table: it mends
    // nothing.
    if (whole)
        for (SizeFinding& f : report.sizeTable) {
            if (!f.vertical && f.mendPercent == request.Magnification()) f.mendPercent = 0;
            if (f.mendModuleMm > 0 && std::fabs(f.mendModuleMm - request.moduleMm) < 1e-9)
                f.mendModuleMm = 0;
        }
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
    if (whole) report.module = ModuleOfWidth(whole->moduleMm, dotsPerMm);
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
