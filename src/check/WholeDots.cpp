// Whole-dot modules: the nearest module a printer prints without mixing bar widths.
#include "check/WholeDots.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "check/ModuleCheck.h"
#include "encoders/ITF14.h"
#include "encoders/RenderLimits.h"
#include "symbol/SymbolPair.h"
#include "symbol/Symbology.h"

namespace quillmark {
namespace {

// ITF-14's wide element is 2.5 narrow ones: it is whole only for an even narrow element.
int DotStep(Symbology symbology) {
    return symbology == Symbology::ITF14 ? 2 : 1;
}

// The multiple of step dots nearest moduleMm among those from smallestMm to largestMm.
std::optional<WholeDotModule> NearestWholeDots(double moduleMm, double smallestMm, double largestMm,
                                               double percent, int step, double dotsPerMm) {
    if (!IsUsableScale(moduleMm) || !IsUsableScale(dotsPerMm)) return std::nullopt;
    // A hair's tolerance, so that a range ending exactly on a whole dot keeps it.
    constexpr double kTolerance = 1e-9;
    const int fewest =
        std::max(1, static_cast<int>(std::ceil(smallestMm * dotsPerMm / step - kTolerance)));
    const int most = static_cast<int>(std::floor(largestMm * dotsPerMm / step + kTolerance));
    if (fewest > most) return std::nullopt;
    const double exact = moduleMm * dotsPerMm;
    const int dots = step * std::clamp(static_cast<int>(std::lround(exact / step)), fewest, most);
    WholeDotModule whole;
    whole.dots = dots;
    whole.moduleMm = dots / dotsPerMm;
    whole.scaleFactor = dots / exact;
    whole.percent = percent * whole.scaleFactor;
    return whole;
}

}  // namespace

std::optional<WholeDotModule> WholeDotModuleAt(Symbology symbology, unsigned short sizePercent,
                                               double dotsPerMm) {
    const SymbologyInfo& info = SymbologyOf(symbology);
    const std::optional<double> module = NominalModuleMm(symbology, sizePercent);
    if (!module) return std::nullopt;
    return NearestWholeDots(*module, *NominalModuleMm(symbology, info.minPercent),
                            *NominalModuleMm(symbology, info.maxPercent), sizePercent,
                            DotStep(symbology), dotsPerMm);
}

std::optional<WholeDotModule> WholeDotModuleOf(const SymbolRequest& request, double dotsPerMm) {
    if (!request.symbology) return std::nullopt;
    // A pair is drawn at its linear symbol's whole-dot scale (see BindAtResolution).
    if (request.pairedLinear != nullptr) return WholeDotModuleOf(LinearOfPair(request), dotsPerMm);
    if (IsMatrix2D(request.symbology->id)) {
        return NearestWholeDots(request.moduleMm, kMinMatrixModuleMm, kMaxMatrixModuleMm, 100, 1,
                                dotsPerMm);
    }
    return WholeDotModuleAt(request.symbology->id, request.Magnification(), dotsPerMm);
}

double WholeDotScale(const SymbolRequest& request, double dotsPerMm) {
    const std::optional<WholeDotModule> whole = WholeDotModuleOf(request, dotsPerMm);
    return whole ? dotsPerMm * whole->scaleFactor : dotsPerMm;
}

namespace {

// A pair drawn at its linear symbol's whole-dot scale, its 2D module the whole number of dots
// nearest the module asked for at that scale, so that both symbols' edges fall on dots.
SymbolRenderer BindPairInWholeDots(const SymbolRequest& pair, double dotsPerMm) {
    const double scale = WholeDotScale(pair, dotsPerMm);
    auto drawn = std::make_shared<SymbolRequest>(pair);
    if (const std::optional<WholeDotModule> module =
            WholeDotModuleOf(MatrixOfPair(pair), dotsPerMm))
        drawn->moduleMm = module->dots / scale;
    SymbolRenderer render = BindSymbol(*drawn, scale, scale);
    return [render = std::move(render), drawn](TCanvas* canvas, double offsetX, double offsetY,
                                               TRect& bounds) {
        render(canvas, offsetX, offsetY, bounds);
    };
}

}  // namespace

SymbolRenderer BindAtResolution(const SymbolRequest& request, double dotsPerMm, bool wholeDots) {
    if (wholeDots && request.pairedLinear != nullptr)
        return BindPairInWholeDots(request, dotsPerMm);
    const double scale = wholeDots ? WholeDotScale(request, dotsPerMm) : dotsPerMm;
    SymbolRenderer render = BindSymbol(request, scale, scale);
    if (!wholeDots || !request.Is(Symbology::ITF14)) return render;
    // The bearer is drawn a whole number of dots thick and the bars follow its exact edge: the
    // symbol moves by the difference.
    const double bearer = kITF14BearerMm * request.sizePercent / 100 * scale;
    const double shiftMm = (Px(bearer) - bearer) / scale;
    return [render = std::move(render), shiftMm](TCanvas* canvas, double offsetX, double offsetY,
                                                 TRect& bounds) {
        render(canvas, offsetX + shiftMm, offsetY, bounds);
    };
}

int WholeDotReduction(double micrometres, double dotsPerMm) {
    if (!std::isfinite(micrometres) || !IsUsableScale(dotsPerMm)) return 0;
    return static_cast<int>(std::lround(micrometres / 1000 * dotsPerMm));
}

}  // namespace quillmark
