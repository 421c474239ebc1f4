// The measure pass and the draw pass through a QPainterCanvas.
#include "output/SymbolPainting.h"

#include <QRect>

#include "canvas/QPainterCanvas.h"

namespace quillmark {

TRect MeasureSymbolBounds(const SymbolRenderer& render) {
    TRect bounds;
    render(nullptr, 0.0, 0.0, bounds);
    return bounds;
}

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

}  // namespace quillmark
