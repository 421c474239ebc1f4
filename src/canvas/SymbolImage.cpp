// Measure pass, size check, picture allocation and draw pass for one symbol.
#include "canvas/SymbolImage.h"

#include <QPainter>

#include "canvas/QPainterCanvas.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

void PaintSymbol(QPainter& painter, const SymbolRenderer& render, const SymbolStyle& style,
                 const TRect& bounds) {
    painter.fillRect(
        QRect(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top),
        ToQColor(style.background));
    QPainterCanvas canvas(painter);
    canvas.SetFontName(style.fontName);
    canvas.SetPenColor(style.line);
    canvas.SetFontColor(style.line);
    canvas.SetBrushColor(style.background);
    TRect drawn;
    render(&canvas, 0.0, 0.0, drawn);
}

SymbolPicture RenderSymbolPicture(const SymbolRenderer& render, const SymbolStyle& style) {
    RasterPicture drawn = RenderSymbolRaster(render, style);
    SymbolPicture picture;
    picture.extent = drawn.extent;
    picture.problem = drawn.problem;
    if (picture.problem != PictureProblem::None) return picture;

    // The image shares the raster's pixels; the last copy of the image deletes the raster.
    auto* raster = new Raster(std::move(drawn.raster));
    const int width = raster->Width();
    QImage image(
        reinterpret_cast<uchar*>(raster->Row(0)), width, raster->Height(),
        static_cast<qsizetype>(width) * 4, QImage::Format_RGB32,
        [](void* held) { delete static_cast<Raster*>(held); }, raster);
    if (image.isNull()) {
        delete raster;
        picture.problem = PictureProblem::OutOfMemory;
        return picture;
    }
    picture.image = std::move(image);
    return picture;
}

SymbolPicture RenderSymbolPicture(const SymbolRequest& request, double scaleX, double scaleY,
                                  const SymbolStyle& style) {
    return RenderSymbolPicture(
        [&](TCanvas* canvas, double offsetX, double offsetY, TRect& bounds) {
            RenderSymbol(request, canvas, offsetX, offsetY, scaleX, scaleY, bounds);
        },
        style);
}

}  // namespace quillmark
