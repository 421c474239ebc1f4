// Measure pass, size check, picture allocation and draw pass for one symbol.
#include "raster/SymbolRaster.h"

namespace quillmark {

PictureProblem CheckPictureSize(const TRect& extent) {
    const long long width = static_cast<long long>(extent.Right) - extent.Left;
    const long long height = static_cast<long long>(extent.Bottom) - extent.Top;
    if (width <= 0 || height <= 0) return PictureProblem::NoArea;
    if (width > kMaxSymbolImageSide || height > kMaxSymbolImageSide)
        return PictureProblem::SideTooLong;
    if (width * height > kMaxSymbolImagePixels) return PictureProblem::TooManyPixels;
    return PictureProblem::None;
}

TRect MeasureSymbolBounds(const SymbolRenderer& render) {
    TRect bounds;
    render(nullptr, 0.0, 0.0, bounds);
    return bounds;
}

}  // namespace quillmark
