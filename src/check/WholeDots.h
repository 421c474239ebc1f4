// Bars in whole printer dots: the module a printer can print exactly, within the magnifications
// the symbology allows.
#pragma once

#include <optional>
#include "symbol/SymbolRequest.h"
#include "symbol/Symbology.h"

namespace quillmark {

struct WholeDotModule {
    int dots = 0;            // dots per module (ITF-14: per narrow element)
    double moduleMm = 0;     // dots at the resolution
    double percent = 0;      // the magnification that module is, in per cent
    double scaleFactor = 1;  // multiplies the resolution the symbol is drawn at
};

// The whole number of dots per module nearest the module of symbology at sizePercent, among
// those whose module stays within the symbology's magnification range; nothing when no whole
// number does at dotsPerMm. Drawing at dotsPerMm * scaleFactor puts every bar edge of a symbol
// drawn at the origin on a dot boundary.
std::optional<WholeDotModule> WholeDotModuleAt(Symbology symbology, unsigned short sizePercent,
                                               double dotsPerMm);

// The resolution request is drawn at so that its module is a whole number of dots at dotsPerMm:
// dotsPerMm times the whole-dot module's factor, or dotsPerMm itself where no whole number fits.
double WholeDotScale(const SymbolRequest& request, double dotsPerMm);

// A bar width reduction in micrometres as whole dots at dotsPerMm, to the nearest dot.
int WholeDotReduction(double micrometres, double dotsPerMm);

}  // namespace quillmark
