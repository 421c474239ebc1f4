// Measure pass, size check, picture allocation and draw pass for one symbol.
#include "raster/SymbolRaster.h"

#include "raster/CanvasCalls.h"
#include "raster/RasterCanvas.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

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

namespace {

// Draws the rows from top of the picture of bounds into pixels (width x rows, packed), already
// filled with the background. Offsets 0 put the box at Px(0) = 0 in every renderer; the
// translation only guards a renderer whose box does not start at the origin.
void DrawRows(const SymbolRenderer& render, const SymbolStyle& style, const TRect& bounds, int top,
              std::uint32_t* pixels, int rows) {
    const int width = bounds.Right - bounds.Left;
    RasterCanvas canvas(pixels, width, rows, width, -bounds.Left, -bounds.Top - top, Fills::Joined);
    ApplySymbolStyle(canvas, style);
    TRect drawn;
    render(&canvas, 0.0, 0.0, drawn);
}

// About this many bytes of pixels per band: a one-symbol picture in a handful of bands. Smaller
// bands fault in fewer pages but play the symbol's calls more often; for an EAN-13 at 12 dots/mm,
// 32, 64 and 120 KiB took the same time, 256 KiB saved fewer pages. Below malloc's 128 KiB
// threshold the band comes from the heap rather than a mapping of its own, which was measurably
// quicker to set up and give back.
constexpr std::size_t kBandBytes = 120 * 1024;

}  // namespace

RasterPicture RenderSymbolRaster(const SymbolRenderer& render, const SymbolStyle& style) {
    RasterPicture picture = MeasureSymbolPicture(render);
    if (picture.problem != PictureProblem::None) return picture;

    const TRect& bounds = picture.extent;
    if (!picture.raster.Allocate(bounds.Right - bounds.Left, bounds.Bottom - bounds.Top,
                                 style.background)) {
        picture.problem = PictureProblem::OutOfMemory;
        return picture;
    }
    DrawRows(render, style, bounds, 0, picture.raster.Row(0), picture.raster.Height());
    return picture;
}

SymbolRows RenderSymbolRows(const SymbolRenderer& render, const SymbolStyle& style) {
    SymbolRows result;
    result.extent = MeasureSymbolBounds(render);
    result.problem = CheckPictureSize(result.extent);
    if (result.problem != PictureProblem::None) return result;
    const TRect bounds = result.extent;
    const int width = bounds.Right - bounds.Left;
    const int height = bounds.Bottom - bounds.Top;
    const int bandRows = static_cast<int>(std::clamp<std::size_t>(
        kBandBytes / (static_cast<std::size_t>(width) * sizeof(std::uint32_t)), 1,
        static_cast<std::size_t>(height)));
    // Shared by every copy of the rows, so that a copy never takes the band for another one.
    struct Band {
        Raster pixels;
        int top = -1;       // the picture row the band starts at; -1 before the first is drawn
        CanvasCalls calls;  // the symbol drawn once, played into each band
    };
    auto band = std::make_shared<Band>();
    if (!band->pixels.Allocate(width, bandRows, style.background)) {
        result.problem = PictureProblem::OutOfMemory;
        return result;
    }
    ApplySymbolStyle(band->calls, style);
    TRect drawn;
    render(&band->calls, 0.0, 0.0, drawn);
    // One row of background, copied over each row before a band is drawn.
    const std::vector<std::uint32_t> blank(band->pixels.Row(0), band->pixels.Row(0) + width);
    result.rows = {width, height, [=](int y) {
                       const int top = y / bandRows * bandRows;
                       if (top != band->top) {
                           const int rows = std::min(bandRows, height - top);
                           for (int r = 0; r < rows; ++r)
                               std::memcpy(band->pixels.Row(r), blank.data(),
                                           blank.size() * sizeof(std::uint32_t));
                           RasterCanvas canvas(band->pixels.Row(0), width, rows, width,
                                               -bounds.Left, -bounds.Top - top, Fills::Joined);
                           band->calls.PlayOnto(canvas);
                           band->top = top;
                       }
                       return static_cast<const std::uint32_t*>(band->pixels.Row(y - top));
                   }};
    return result;
}

RasterPicture RenderSymbolRaster(const SymbolRequest& request, double scaleX, double scaleY,
                                 const SymbolStyle& style) {
    return RenderSymbolRaster(BindSymbol(request, scaleX, scaleY), style);
}

}  // namespace quillmark
