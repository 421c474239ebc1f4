// Paint handler of the preview: measure pass, centring in whole millimetres, draw pass.
#include "app/PreviewWidget.h"

#include <QPainter>
#include <utility>

#include "app/PreviewGeometry.h"
#include "canvas/QPainterCanvas.h"
#include "encoders/EANUPC.h"

namespace quillmark {

PreviewWidget::PreviewWidget(QWidget* parent) : QWidget(parent) {}

void PreviewWidget::setRenderer(Renderer renderer) {
    renderer_ = std::move(renderer);
    update();
}

void PreviewWidget::setSymbolStyle(const SymbolStyle& style) {
    style_ = style;
    update();
}

PreviewWidget::Renderer PreviewWidget::StartupSymbol() {
    return [](TCanvas* canvas, double offsetX, double offsetY, double scaleX, double scaleY,
              TRect& bounds) {
        DrawEANUPC("EAN-13", "None", "0000000000000", canvas, offsetX, offsetY, 100, scaleX, scaleY,
                   bounds);
    };
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
    if (!renderer_) return;

    // Read at every paint: the window may have moved to another screen.
    const PixelsPerMm logical = ScreenPixelsPerMm(screen());
    const PixelsPerMm scale{logical.x * ratio, logical.y * ratio};
    TRect extent = area;
    renderer_(nullptr, 0, 0, scale.x, scale.y, extent);
    const double offsetX = CentringOffset(widthPx, extent.Right, scale.x);
    const double offsetY = CentringOffset(heightPx, extent.Bottom, scale.y);
    TRect drawn;
    renderer_(&canvas, offsetX, offsetY, scale.x, scale.y, drawn);
}

}  // namespace quillmark
