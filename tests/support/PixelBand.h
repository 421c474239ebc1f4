// The bands of element widths in pixels that the renderers draw by different rules, so that the
// round-trip tests name each case's band and expect a reading only where one is possible.
#pragma once

#include <cmath>
#include <string>

namespace quillmark::test {

// Wide: two pixels or more, or a whole number of them. FractionalBelowTwoPixels: 1 to 2 pixels
// and not whole, which cannot keep its width on the pixel grid, so the renderers' own rules for
// narrow elements must keep it readable. BelowOnePixel: under a pixel, where an element cannot be
// drawn at its width and a reading is not expected.
enum class Band { Wide, FractionalBelowTwoPixels, BelowOnePixel };

inline Band BandOfWidth(double pixels) {
    if (pixels < 1.0) return Band::BelowOnePixel;
    if (pixels < 2.0 && pixels != std::floor(pixels)) return Band::FractionalBelowTwoPixels;
    return Band::Wide;
}

// The band as the start of a test name.
inline std::string BandName(Band band) {
    static const char* const names[] = {"Wide", "FractionalBelowTwoPixels", "BelowOnePixel"};
    return names[static_cast<int>(band)];
}

}  // namespace quillmark::test
