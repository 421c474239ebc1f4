// Renders one symbol into a picture of exactly its own size: the one picture function behind
// saving, copying, the office hand-over, the command line and the tests.
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>
#include <string>

#include "encoders/Canvas.h"
#include "raster/Raster.h"
#include "raster/SymbolRaster.h"

namespace quillmark {

// Fills bounds with the background colour and draws the symbol at offset 0 in the style's colours
// and font, in the painter's current coordinates (one unit per pixel of the renderer's scale).
void PaintSymbol(QPainter& painter, const SymbolRenderer& render, const SymbolStyle& style,
                 const TRect& bounds);

struct SymbolPicture {
    QImage image;  // null unless problem is None
    TRect extent;  // the measured bounds at offset 0
    PictureProblem problem = PictureProblem::None;
};

// RenderSymbolRaster's picture as an RGB32 image (device pixel ratio 1) that shares its pixels.
SymbolPicture RenderSymbolPicture(const SymbolRenderer& render, const SymbolStyle& style = {});

// The same for a symbol request at scaleX x scaleY pixels per millimetre.
SymbolPicture RenderSymbolPicture(const SymbolRequest& request, double scaleX, double scaleY,
                                  const SymbolStyle& style = {});

// The pixels of an RGB32 picture (RenderSymbolPicture's) for the writers and the scan-back.
inline PixelView ViewOf(const QImage& rgb32) {
    return {rgb32.width(), rgb32.height(), rgb32.bytesPerLine() / 4,
            reinterpret_cast<const std::uint32_t*>(rgb32.constBits())};
}

}  // namespace quillmark
