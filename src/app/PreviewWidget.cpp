// Paint handler of the preview: measure pass, centring in whole millimetres, draw pass.
#include "app/PreviewWidget.h"

#include <QPainter>
#include <utility>

#include "app/PreviewGeometry.h"
#include "canvas/QPainterCanvas.h"

namespace quillmark {

PreviewWidget::PreviewWidget(QWidget* parent) : QWidget(parent) {}

void PreviewWidget::setSymbol(SymbolRequest symbol) {
    symbol_ = std::move(symbol);
    update();
}

void PreviewWidget::setSymbolStyle(const SymbolStyle& style) {
    style_ = style;
    update();
}

SymbolRequest PreviewWidget::StartupSymbol() {
    SymbolRequest symbol;
    symbol.symbology = &SymbologyOf(Symbology::EAN13);
    symbol.digits = "0000000000000";
    return symbol;
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // On a screen with more device pixels than logical ones the symbol is drawn in device
    // pixels: as sharp as the screen allows and still at physical size.
    const double ratio = devicePixelRatioF() > 0 ? devicePixelRatioF() : 1.0;
    if (ratio != 1.0) painter.scale(1 / ratio, 1 / ratio);
    const int widthPx = Px(width() * ratio);
    const int heightPx = Px(height() * ratio);

    QPainterCanvas canvas(painter);
    if (!style_.fontName.empty()) canvas.SetFontName(style_.fontName);
    canvas.SetPenColor(style_.line);
    canvas.SetFontColor(style_.line);

    // Only the symbol's own box takes the background colour; the rest shows the window's.
    TRect area{0, 0, widthPx, heightPx};
    canvas.SetBrushColor(FromQColor(palette().color(QPalette::Window)));
    canvas.FillRect(area);
    canvas.SetBrushColor(style_.background);
    if (symbol_.symbology == nullptr) return;

    // Read at every paint: the window may have moved to another screen.
    const PixelsPerMm logical = ScreenPixelsPerMm(screen());
    const PixelsPerMm scale{logical.x * ratio, logical.y * ratio};
    const SymbolRenderer render = BindSymbol(symbol_, scale.x, scale.y);
    TRect extent;
    render(nullptr, 0, 0, extent);
    const double offsetX = CentringOffset(widthPx, extent.Right, scale.x);
    const double offsetY = CentringOffset(heightPx, extent.Bottom, scale.y);
    TRect drawn;
    render(&canvas, offsetX, offsetY, drawn);
}

}  // namespace quillmark
