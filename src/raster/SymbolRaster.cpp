// Measure pass, size check, picture allocation and draw pass for one symbol.
#include "raster/SymbolRaster.h"

#include "raster/RasterCanvas.h"

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

void ApplySymbolStyle(TCanvas& canvas, const SymbolStyle& style) {
    canvas.SetFontName(style.fontName);
    canvas.SetPenColor(style.line);
    canvas.SetFontColor(style.line);
    canvas.SetBrushColor(style.background);
}

TRect MeasureSymbolBounds(const SymbolRenderer& render) {
    TRect bounds;
    render(nullptr, 0.0, 0.0, bounds);
    return bounds;
}

RasterPicture MeasureSymbolPicture(const SymbolRenderer& render) {
    RasterPicture picture;
    picture.extent = MeasureSymbolBounds(render);
    picture.problem = CheckPictureSize(picture.extent);
    return picture;
}

RasterPicture RenderSymbolRaster(const SymbolRenderer& render, const SymbolStyle& style) {
    RasterPicture picture = MeasureSymbolPicture(render);
    if (picture.problem != PictureProblem::None) return picture;

    const TRect& bounds = picture.extent;
    if (!picture.raster.Allocate(bounds.Right - bounds.Left, bounds.Bottom - bounds.Top,
                                 style.background)) {
        picture.problem = PictureProblem::OutOfMemory;
        return picture;
    }
    // Offsets 0 put the box at Px(0) = 0 in every renderer; the translation only guards a
    // renderer whose box does not start at the origin.
    RasterCanvas canvas(picture.raster, -bounds.Left, -bounds.Top);
    ApplySymbolStyle(canvas, style);
    TRect drawn;
    render(&canvas, 0.0, 0.0, drawn);
    return picture;
}

RasterPicture RenderSymbolRaster(const SymbolRequest& request, double scaleX, double scaleY,
                                 const SymbolStyle& style) {
    return RenderSymbolRaster(BindSymbol(request, scaleX, scaleY), style);
}

}  // namespace quillmark
