// Measure pass, picture allocation and draw pass for one symbol.
#include "canvas/SymbolImage.h"

#include <QPainter>

#include "canvas/QPainterCanvas.h"

namespace quillmark {

QImage RenderSymbolImage(const SymbolRenderer& render, const SymbolStyle& style) {
    TRect bounds;
    render(nullptr, 0.0, 0.0, bounds);
    const long long width = static_cast<long long>(bounds.Right) - bounds.Left;
    const long long height = static_cast<long long>(bounds.Bottom) - bounds.Top;
    if (width <= 0 || height <= 0 || width > kMaxSymbolImageSide || height > kMaxSymbolImageSide ||
        width * height > kMaxSymbolImagePixels)
        return {};

    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.setDevicePixelRatio(1.0);
    image.fill(ToQColor(style.background));

    QPainter painter(&image);
    // Offsets 0 put the box at Px(0) = 0 in every renderer; the translation only guards a
    // renderer whose box does not start at the origin.
    painter.translate(-bounds.Left, -bounds.Top);
    QPainterCanvas canvas(painter);
    canvas.SetFontName(style.fontName);
    canvas.SetPenColor(style.line);
    canvas.SetFontColor(style.line);
    canvas.SetBrushColor(style.background);
    TRect drawn;
    render(&canvas, 0.0, 0.0, drawn);
    painter.end();
    return image;
}

}  // namespace quillmark
