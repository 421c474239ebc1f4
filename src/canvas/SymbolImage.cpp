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
    QPainterCanvas canvas(painter, Fills::Joined);
    ApplySymbolStyle(canvas, style);
    TRect drawn;
    render(&canvas, 0.0, 0.0, drawn);
}

namespace {

// The picture as an image sharing the raster's pixels; the last copy of the image deletes the
// raster.
SymbolPicture AsImage(RasterPicture drawn) {
    SymbolPicture picture;
    picture.extent = drawn.extent;
    picture.problem = drawn.problem;
    if (picture.problem != PictureProblem::None) return picture;

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

}  // namespace

SymbolPicture RenderSymbolPicture(const SymbolRenderer& render, const SymbolStyle& style) {
    return AsImage(RenderSymbolRaster(render, style));
}

SymbolPicture RenderSymbolPicture(const SymbolRequest& request, double scaleX, double scaleY,
                                  const SymbolStyle& style) {
    return AsImage(RenderSymbolRaster(request, scaleX, scaleY, style));
}

}  // namespace quillmark
