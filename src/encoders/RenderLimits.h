// Limits that keep the renderers' pixel arithmetic sound for any scale, size or offset.
#pragma once

#include <cmath>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark {

// Extents with an edge beyond this many pixels are refused: the sum of two coordinates and a
// text width then always stays inside int. No screen, picture or printer comes near it.
inline constexpr double kMaxPixelCoordinate = 1 << 29;

// A pixels-per-millimetre value a symbol can be laid out with (a screen reporting 0 mm gives
// infinities and NaN).
inline bool IsUsableScale(double scale) {
    return std::isfinite(scale) && scale > 0;
}

inline bool IsAddressable(double pixel) {
    return std::isfinite(pixel) && std::fabs(pixel) <= kMaxPixelCoordinate;
}

inline bool IsAddressable(double left, double top, double right, double bottom) {
    return IsAddressable(left) && IsAddressable(top) && IsAddressable(right) &&
           IsAddressable(bottom);
}

// How a text must fit a width: narrower than the limit, or no wider than it.
enum class Fit { Narrower, NoWider };

// Sets and returns the font height that lowering one pixel at a time from start would end on:
// the largest height from start down to minHeight at which the text fits, or minHeight when none
// does (start itself when it is not above minHeight). Lowering pixel by pixel measures the whole
// text once per pixel, which is slow for long texts and large heights, so the walk starts from the
// height at which the width, roughly proportional to the height, would just fit. Text widths do not
// shrink as the height grows, so the result is the same; should a font break that somewhere,
// the height found still fits, at most a little lower than the descent would give.
int FitFontHeight(TCanvas& canvas, std::string_view text, int start, int minHeight, double limit,
                  Fit fit);

}  // namespace quillmark
