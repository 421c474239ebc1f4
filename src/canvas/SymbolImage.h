// Renders one symbol into a picture of exactly its own size, for saving, copying and tests.
#pragma once

#include <QImage>

#include <functional>
#include <string>

#include "encoders/Canvas.h"

namespace quillmark {

struct SymbolStyle {
    TColor line = 0x000000;        // bars and text
    TColor background = 0xFFFFFF;  // the symbol's box and text cells
    std::string fontName = "Liberation Sans";
};

// One renderer call with everything but the canvas, the offsets and the bounds bound; a null
// canvas means measure only.
using SymbolRenderer =
    std::function<void(TCanvas* canvas, double offsetX, double offsetY, TRect& bounds)>;

// The largest picture RenderSymbolImage makes, in pixels per side and in total.
inline constexpr int kMaxSymbolImageSide = 32767;
inline constexpr long long kMaxSymbolImagePixels = 1LL << 28;

// Measures the symbol at offset 0, makes an RGB32 image the size of its bounds (device pixel
// ratio 1), fills it with the background colour and draws the symbol at offset 0 with the line
// colour as pen and font colour and the background colour as brush. Returns a null image when the
// bounds have no area or exceed the limits above.
QImage RenderSymbolImage(const SymbolRenderer& render, const SymbolStyle& style = {});

}  // namespace quillmark
