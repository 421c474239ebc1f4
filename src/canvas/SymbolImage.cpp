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
    SymbolPicture picture;
    picture.extent = MeasureSymbolBounds(render);
    picture.problem = CheckPictureSize(picture.extent);
    if (picture.problem != PictureProblem::None) return picture;

    const TRect& bounds = picture.extent;
    QImage image(bounds.Right - bounds.Left, bounds.Bottom - bounds.Top, QImage::Format_RGB32);
    if (image.isNull()) {
        picture.problem = PictureProblem::OutOfMemory;
        return picture;
    }
    image.setDevicePixelRatio(1.0);

    QPainter painter(&image);
    // Offsets 0 put the box at Px(0) = 0 in every renderer; the translation only guards a
    // renderer whose box does not start at the origin.
    painter.translate(-bounds.Left, -bounds.Top);
    PaintSymbol(painter, render, style, bounds);
    painter.end();
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
