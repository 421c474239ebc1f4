// Screen density from the screen's reported size, and centring to the nearest millimetre.
#include "app/PreviewGeometry.h"

#include <QScreen>
#include <cmath>

namespace quillmark {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kDefaultDpi = 96;

double AxisPixelsPerMm(int pixels, double millimetres, double logicalDpi) {
    if (std::isfinite(millimetres) && millimetres > 0) return pixels / millimetres;
    return logicalDpi / kMmPerInch;
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

double CentringOffset(int availablePx, int extentPx, double pixelsPerMm) {
    // Long double keeps the quotient exact enough that a true half stays a half.
    const long double millimetres =
        (static_cast<long double>(availablePx) - extentPx) / 2 / pixelsPerMm;
    if (!std::isfinite(millimetres)) return 0;
    return static_cast<double>(std::nearbyint(millimetres));
}

}  // namespace quillmark
