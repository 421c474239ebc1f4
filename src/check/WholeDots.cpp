// Whole-dot modules: the nearest module a printer prints without mixing bar widths.
#include "check/WholeDots.h"

#include <algorithm>
#include <cmath>

#include "check/ModuleCheck.h"
#include "encoders/RenderLimits.h"
#include "symbol/Symbology.h"

namespace quillmark {

std::optional<WholeDotModule> WholeDotModuleAt(Symbology symbology, unsigned short sizePercent,
                                               double dotsPerMm) {
    const SymbologyInfo& info = SymbologyOf(symbology);
    const std::optional<double> module = NominalModuleMm(symbology, sizePercent);
    if (!module || !IsUsableScale(dotsPerMm)) return std::nullopt;
    const double smallest = *NominalModuleMm(symbology, info.minPercent) * dotsPerMm;
    const double largest = *NominalModuleMm(symbology, info.maxPercent) * dotsPerMm;
    // A hair's tolerance, so that a range ending exactly on a whole dot keeps it.
    constexpr double kTolerance = 1e-9;
    const int fewest = std::max(1, static_cast<int>(std::ceil(smallest - kTolerance)));
    const int most = static_cast<int>(std::floor(largest + kTolerance));
    if (fewest > most) return std::nullopt;
    const double exact = *module * dotsPerMm;
    const int dots = std::clamp(static_cast<int>(std::lround(exact)), fewest, most);
    WholeDotModule whole;
    whole.dots = dots;
    whole.moduleMm = dots / dotsPerMm;
    whole.scaleFactor = dots / exact;
    whole.percent = sizePercent * whole.scaleFactor;
    return whole;
}

double WholeDotScale(const SymbolRequest& request, double dotsPerMm) {
    if (!request.symbology) return dotsPerMm;
    const std::optional<WholeDotModule> whole =
        WholeDotModuleAt(request.symbology->id, request.Magnification(), dotsPerMm);
    return whole ? dotsPerMm * whole->scaleFactor : dotsPerMm;
}

int WholeDotReduction(double micrometres, double dotsPerMm) {
    if (!std::isfinite(micrometres) || !IsUsableScale(dotsPerMm)) return 0;
    return static_cast<int>(std::lround(micrometres / 1000 * dotsPerMm));
}

}  // namespace quillmark
