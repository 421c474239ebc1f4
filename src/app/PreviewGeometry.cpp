// Centring to the nearest millimetre.
#include "app/PreviewGeometry.h"

#include <cmath>

namespace quillmark {

double CentringOffset(int availablePx, int extentPx, double pixelsPerMm) {
    // Long double keeps the quotient exact enough that a true half stays a half.
    const long double millimetres =
        (static_cast<long double>(availablePx) - extentPx) / 2 / pixelsPerMm;
    if (!std::isfinite(millimetres)) return 0;
    return static_cast<double>(std::nearbyint(millimetres));
}

}  // namespace quillmark
