// The module a symbol gets on a printer or picture of a given resolution.
#include "check/ModuleCheck.h"

#include "encoders/Canvas.h"
#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/RenderLimits.h"
#include "encoders/UCCEAN128.h"

namespace quillmark {

std::optional<double> NominalModuleMm(Symbology symbology, unsigned short sizePercent) {
    if (sizePercent == 0) return std::nullopt;
    const double factor = sizePercent / 100.0;
    if (IsEANUPC(symbology)) return kEANUPCModuleMm * factor;
    if (symbology == Symbology::ITF14) return kITF14NarrowMm * factor;
    return kUCCEAN128ModuleMm * factor;
}

std::optional<ModuleGeometry> ModuleAtResolution(Symbology symbology, unsigned short sizePercent,
                                                 double dotsPerMm) {
    const std::optional<double> nominal = NominalModuleMm(symbology, sizePercent);
    if (!nominal) return std::nullopt;
    return ModuleOfWidth(*nominal, dotsPerMm);
}

std::optional<ModuleGeometry> ModuleOfWidth(double moduleMm, double dotsPerMm) {
    if (!IsUsableScale(moduleMm) || !IsUsableScale(dotsPerMm)) return std::nullopt;
    ModuleGeometry g;
    g.nominalMm = moduleMm;
    g.dots = moduleMm * dotsPerMm;
    // The renderers draw a lone module Px of its exact width; where the width is between one and
    // two dots they share the columns out, so single modules are one or two dots wide.
    g.wholeDots = Px(g.dots);
    g.printedMm = g.wholeDots / dotsPerMm;
    g.severity = g.wholeDots == 0               ? Severity::Failure
                 : g.dots < kFewestReliableDots ? Severity::Warning
                                                : Severity::Pass;
    return g;
}

}  // namespace quillmark
