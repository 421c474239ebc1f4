// Paint handler of the preview: measure pass, centring in whole millimetres, draw pass.
#include "app/PreviewWidget.h"

#include <QPainter>
#include <utility>

#include "app/PreviewGeometry.h"
#include "canvas/QPainterCanvas.h"
#include "encoders/EANUPC.h"

namespace quillmark {
namespace {

constexpr TColor kLineColour = 0x000000;
constexpr TColor kBackgroundColour = 0xFFFFFF;
constexpr const char* kFontName = "Liberation Sans";

}  // namespace

PreviewWidget::PreviewWidget(QWidget* parent) : QWidget(parent) {}

void PreviewWidget::setRenderer(Renderer renderer) {
    renderer_ = std::move(renderer);
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
    QPainterCanvas canvas(painter);
    canvas.SetFontName(kFontName);
    canvas.SetPenColor(kLineColour);
    canvas.SetFontColor(kLineColour);

    // Only the symbol's own box takes the background colour; the rest shows the window's.
    TRect area{0, 0, width(), height()};
    canvas.SetBrushColor(FromQColor(palette().color(QPalette::Window)));
    canvas.FillRect(area);
    canvas.SetBrushColor(kBackgroundColour);
    if (!renderer_) return;

    // Read at every paint: the window may have moved to another screen.
    const PixelsPerMm scale = ScreenPixelsPerMm(screen());
    TRect extent = area;
    renderer_(nullptr, 0, 0, scale.x, scale.y, extent);
    const double offsetX = CentringOffset(width(), extent.Right, scale.x);
    const double offsetY = CentringOffset(height(), extent.Bottom, scale.y);
    TRect drawn;
    renderer_(&canvas, offsetX, offsetY, scale.x, scale.y, drawn);
}

}  // namespace quillmark
