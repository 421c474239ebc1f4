// The drawing surface the renderers paint on, the pixel rectangle they report, and pixel rounding.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace quillmark {

// What a symbol is drawn with, in physical units: the height of its normal bars and its quiet
// zones counted in modules (ITF-14: narrow elements).
struct DrawnGeometry {
    double barHeightMm = 0;
    int quietLeftModules = 0;
    int quietRightModules = 0;
};

// An integer rectangle in pixels; Right and Bottom are exclusive edges.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    friend bool operator==(const TRect&, const TRect&) = default;
};

// Rounds to the nearest integer, halves to the even neighbour: Px(16.5) = 16, Px(17.5) = 18.
// Values outside the int range saturate and NaN gives 0, so a hostile scale can never reach
// an undefined float-to-int conversion.
inline int Px(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(v);
    if (r >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

// 0xRRGGBB.
using TColor = std::uint32_t;

// The canvas operations the renderers use. Pixel output depends on these semantics:
// - FillRect fills columns Left to Right - 1 and rows Top to Bottom - 1 with the brush colour.
// - MoveTo/LineTo draw a one-pixel line in the pen colour that paints its start point and stops
//   one pixel short of its end point.
// - A positive font height is the height of the character cell in pixels.
// - TextOut draws with the top-left corner of the first character cell at (x, y), in the font
//   colour on an opaque background of the brush colour.
// - TextRect first fills the rectangle with the brush colour, then draws like TextOut, clipped
//   to the rectangle.
// Texts are UTF-8.
class TCanvas {
public:
    virtual ~TCanvas() = default;

    virtual TColor PenColor() const = 0;
    virtual void SetPenColor(TColor color) = 0;
    virtual TColor BrushColor() const = 0;
    virtual void SetBrushColor(TColor color) = 0;
    virtual TColor FontColor() const = 0;
    virtual void SetFontColor(TColor color) = 0;
    virtual std::string FontName() const = 0;
    virtual void SetFontName(std::string_view name) = 0;
    virtual int FontHeight() const = 0;
    virtual void SetFontHeight(int height) = 0;

    virtual void FillRect(const TRect& rect) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual int TextWidth(std::string_view text) = 0;
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual void TextRect(const TRect& rect, int x, int y, std::string_view text) = 0;
};

}  // namespace quillmark
