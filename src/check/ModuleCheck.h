// The module a symbol gets on a printer or picture of a given resolution.
#pragma once

#include <optional>

#include "check/Severity.h"
#include "symbol/Symbology.h"

namespace quillmark {

struct ModuleGeometry {
    double nominalMm = 0;  // the module (ITF-14: the narrow element) at the symbol's size
    double dots = 0;       // nominalMm at the resolution, unrounded
    int wholeDots = 0;     // the dots a lone module is drawn with
    double printedMm = 0;  // wholeDots at the resolution
    Severity severity = Severity::Failure;
};

// Modules under two dots print unreliably (a dot more or less is half the module): a warning.
// A module under half a dot rounds to none and the symbol loses its bars: a failure.
inline constexpr double kFewestReliableDots = 2.0;

// The nominal module of the symbology at sizePercent (UCC/EAN-128: the horizontal
// magnification). nullopt for a size of 0.
std::optional<double> NominalModuleMm(Symbology symbology, unsigned short sizePercent);

// The module of the symbology at sizePercent printed at dotsPerMm. nullopt for a size of 0 or a
// resolution that is not a positive finite number.
std::optional<ModuleGeometry> ModuleAtResolution(Symbology symbology, unsigned short sizePercent,
                                                 double dotsPerMm);

// A module moduleMm wide (a 2D symbol's X-dimension) printed at dotsPerMm; nullopt unless both
// are positive finite numbers.
std::optional<ModuleGeometry> ModuleOfWidth(double moduleMm, double dotsPerMm);

}  // namespace quillmark
