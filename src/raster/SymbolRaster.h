// Renders one symbol into a picture of exactly its own size without Qt: the one picture function
// behind saving, copying, the office hand-over, the command line and the tests.
#pragma once

#include <string>

#include "encoders/Canvas.h"
#include "raster/Raster.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

struct SymbolStyle {
    TColor line = 0x000000;        // bars and text
    TColor background = 0xFFFFFF;  // the symbol's box and text cells
    std::string fontName = "Liberation Sans";
};

// Sets the canvas up to draw in the style: the line colour as pen and font colour, the
// background as brush, the style's font.
void ApplySymbolStyle(TCanvas& canvas, const SymbolStyle& style);

// The symbol's extent from the measure pass at offset 0.
TRect MeasureSymbolBounds(const SymbolRenderer& render);

// The largest picture made, in pixels per side and in total (400 MB of 32-bit pixels).
inline constexpr int kMaxSymbolImageSide = 32767;
inline constexpr long long kMaxSymbolImagePixels = 100'000'000;

enum class PictureProblem {
    None,
    NoArea,         // the symbol cannot be laid out at this scale
    SideTooLong,    // wider or taller than kMaxSymbolImageSide
    TooManyPixels,  // more than kMaxSymbolImagePixels
    OutOfMemory,    // the picture could not be allocated
};

// Whether a picture of the extent measured at the origin can be made.
PictureProblem CheckPictureSize(const TRect& extent);

struct RasterPicture {
    Raster raster;  // empty unless problem is None
    TRect extent;   // the measured bounds at offset 0
    PictureProblem problem = PictureProblem::None;
};

// The measure pass alone: the extent at offset 0 and whether its picture can be made (no pixels;
// problem None when they could be allocated).
RasterPicture MeasureSymbolPicture(const SymbolRenderer& render);

// Measures the symbol once at offset 0 and, when the picture may be made, allocates a picture
// the size of its bounds, fills it with the background colour and draws the symbol at offset 0
// with the line colour as pen and font colour and the background colour as brush.
RasterPicture RenderSymbolRaster(const SymbolRenderer& render, const SymbolStyle& style = {});

// The same picture drawn a band of rows at a time, for a writer that takes the rows in turn: the
// symbol is drawn once into kept canvas calls, and each band is filled with the background and
// the calls played into it, so the picture is never held whole (allocating and filling all its
// pixels was the largest cost left in a one-picture process). rows is empty unless problem is
// None.
struct SymbolRows {
    PictureRows rows;
    TRect extent;
    PictureProblem problem = PictureProblem::None;
};
SymbolRows RenderSymbolRows(const SymbolRenderer& render, const SymbolStyle& style = {});

// The same for a symbol request at scaleX x scaleY pixels per millimetre.
RasterPicture RenderSymbolRaster(const SymbolRequest& request, double scaleX, double scaleY,
                                 const SymbolStyle& style = {});

}  // namespace quillmark
