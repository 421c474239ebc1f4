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
// those whose module stays within the symbology's magnification range (ITF-14: an even number,
// so that its wide elements are whole too); nothing when no whole number does at dotsPerMm.
// Drawing at dotsPerMm * scaleFactor puts every bar edge of a symbol drawn at the origin on a dot
// boundary.
std::optional<WholeDotModule> WholeDotModuleAt(Symbology symbology, unsigned short sizePercent,
                                               double dotsPerMm);

// The same for request's symbol: a linear one's at its magnification, a 2D one's module within
// the 2D module range (its percent relative to the module asked for).
std::optional<WholeDotModule> WholeDotModuleOf(const SymbolRequest& request, double dotsPerMm);

// The resolution request is drawn at so that its module is a whole number of dots at dotsPerMm:
// dotsPerMm times the whole-dot module's factor, or dotsPerMm itself where no whole number fits.
double WholeDotScale(const SymbolRequest& request, double dotsPerMm);

// request's renderer at dotsPerMm. With wholeDots every bar edge falls on a dot: the symbol is
// drawn at WholeDotScale, and an ITF-14 moved by the part of a dot its bearer leaves, so that its
// bars start on a dot as well. The request must outlive the renderer.
SymbolRenderer BindAtResolution(const SymbolRequest& request, double dotsPerMm, bool wholeDots);

// A bar width reduction in micrometres as whole dots at dotsPerMm, to the nearest dot.
int WholeDotReduction(double micrometres, double dotsPerMm);

}  // namespace quillmark
