// Renders one symbol into a picture of exactly its own size: the one picture function behind
// saving, copying, the office hand-over, the command line and the tests.
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>
#include <string>

#include "encoders/Canvas.h"

namespace quillmark {

struct SymbolRequest;

struct SymbolStyle {
    TColor line = 0x000000;        // bars and text
    TColor background = 0xFFFFFF;  // the symbol's box and text cells
    std::string fontName = "Liberation Sans";
};

// One renderer call with everything but the canvas, the offsets and the bounds bound; a null
// canvas means measure only.
using SymbolRenderer =
    std::function<void(TCanvas* canvas, double offsetX, double offsetY, TRect& bounds)>;

// A symbol's renderer bound at a scale chosen by the output (a printer's resolution per axis).
using ScaledSymbolRenderer = std::function<SymbolRenderer(double dotsPerMmX, double dotsPerMmY)>;

// The symbol's extent from the measure pass at offset 0.
TRect MeasureSymbolBounds(const SymbolRenderer& render);

// Fills bounds with the background colour and draws the symbol at offset 0 in the style's colours
// and font, in the painter's current coordinates (one unit per pixel of the renderer's scale).
void PaintSymbol(QPainter& painter, const SymbolRenderer& render, const SymbolStyle& style,
                 const TRect& bounds);

// The largest picture made, in pixels per side and in total (400 MB of 32-bit pixels).
inline constexpr int kMaxSymbolImageSide = 32767;
inline constexpr long long kMaxSymbolImagePixels = 100'000'000;

enum class PictureProblem {
    None,
    NoArea,         // the symbol cannot be laid out at this scale
    SideTooLong,    // wider or taller than kMaxSymbolImageSide
    TooManyPixels,  // more than kMaxSymbolImagePixels
    OutOfMemory,    // the image could not be allocated
};

struct SymbolPicture {
    QImage image;  // null unless problem is None
    TRect extent;  // the measured bounds at offset 0
    PictureProblem problem = PictureProblem::None;
};

// Whether a picture of the extent measured at the origin can be made.
PictureProblem CheckPictureSize(const TRect& extent);

// Measures the symbol once at offset 0 and, when the picture may be made, allocates an RGB32
// image the size of its bounds (device pixel ratio 1), fills it with the background colour and
// draws the symbol at offset 0 with the line colour as pen and font colour and the background
// colour as brush. Needs a QGuiApplication (fonts).
SymbolPicture RenderSymbolPicture(const SymbolRenderer& render, const SymbolStyle& style = {});

// The same for a symbol request at scaleX x scaleY pixels per millimetre.
SymbolPicture RenderSymbolPicture(const SymbolRequest& request, double scaleX, double scaleY,
                                  const SymbolStyle& style = {});

}  // namespace quillmark
