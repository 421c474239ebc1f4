// Drawing one symbol on any QPainter, and the renderer made for a device's own scale.
#pragma once

#include <QPainter>

#include <functional>

#include "canvas/SymbolImage.h"
#include "encoders/Canvas.h"

namespace quillmark {

// A symbol's renderer bound at a scale chosen by the output (a printer's resolution per axis).
using ScaledSymbolRenderer = std::function<SymbolRenderer(double dotsPerMmX, double dotsPerMmY)>;

// The symbol's extent from the measure pass at offset 0.
TRect MeasureSymbolBounds(const SymbolRenderer& render);

// Fills bounds with the background colour and draws the symbol at offset 0 in the style's colours
// and font, in the painter's current coordinates (one unit per pixel of the renderer's scale).
void PaintSymbol(QPainter& painter, const SymbolRenderer& render, const SymbolStyle& style,
                 const TRect& bounds);

}  // namespace quillmark
