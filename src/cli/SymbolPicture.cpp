// Paints a symbol into an image of its measured size.
#include "cli/SymbolPicture.h"

#include "canvas/SymbolImage.h"

namespace quillmark {

TRect MeasureSymbol(const SymbolRequest& symbol, double scaleX, double scaleY) {
    TRect extent;
    RenderSymbol(symbol, nullptr, 0, 0, scaleX, scaleY, extent);
    return extent;
}

std::string PictureSizeProblem(const TRect& extent) {
    const long long width = static_cast<long long>(extent.Right) - extent.Left;
    const long long height = static_cast<long long>(extent.Bottom) - extent.Top;
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width <= 0 || height <= 0)
        return "the symbol cannot be laid out at this scale (" + size + ")";
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        return "the picture would be " + size + "; at most " + std::to_string(kMaxPictureSide) +
               " pixels a side are supported";
    if (width * height > kMaxPicturePixels)
        return "the picture would be " + size + "; at most " + std::to_string(kMaxPicturePixels) +
               " pixels in all are supported";
    return {};
}

QImage PaintSymbolImage(const SymbolRequest& symbol, double scaleX, double scaleY) {
    return RenderSymbolImage([&](TCanvas* canvas, double offsetX, double offsetY, TRect& bounds) {
        RenderSymbol(symbol, canvas, offsetX, offsetY, scaleX, scaleY, bounds);
    });
}

}  // namespace quillmark
