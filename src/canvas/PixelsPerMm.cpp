// Screen density from the screen's reported size, with the logical density as the fallback.
#include "canvas/PixelsPerMm.h"

#include <QScreen>
#include <cmath>

namespace quillmark {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kDefaultDpi = 96;

double AxisPixelsPerMm(int pixels, double millimetres, double logicalDpi) {
    if (std::isfinite(millimetres) && millimetres > 0 && pixels > 0) return pixels / millimetres;
    if (std::isfinite(logicalDpi) && logicalDpi > 0) return logicalDpi / kMmPerInch;
    return kDefaultDpi / kMmPerInch;
}

}  // namespace

PixelsPerMm ScreenPixelsPerMm(int widthPx, int heightPx, double widthMm, double heightMm,
                              double logicalDpiX, double logicalDpiY) {
    return {AxisPixelsPerMm(widthPx, widthMm, logicalDpiX),
            AxisPixelsPerMm(heightPx, heightMm, logicalDpiY)};
}

PixelsPerMm ScreenPixelsPerMm(const QScreen* screen) {
    if (screen == nullptr) return {kDefaultDpi / kMmPerInch, kDefaultDpi / kMmPerInch};
    const QRect pixels = screen->geometry();
    const QSizeF millimetres = screen->physicalSize();
    return ScreenPixelsPerMm(pixels.width(), pixels.height(), millimetres.width(),
                             millimetres.height(), screen->logicalDotsPerInchX(),
                             screen->logicalDotsPerInchY());
}

}  // namespace quillmark
