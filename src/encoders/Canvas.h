// The drawing surface the renderers paint on, what every canvas keeps between calls, the pixel
// rectangle they report, and pixel rounding.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "encoders/LinePixels.h"

namespace quillmark {

// What a symbol is drawn with, in physical units: the height of its normal bars and its quiet
// zones counted in modules (ITF-14: narrow elements).
struct DrawnGeometry {
    double barHeightMm = 0;
    int quietLeftModules = 0;
    int quietRightModules = 0;
};

// A linear symbol's box in millimetres: its width, quiet zones and bearers included, and how far
// below its top its normal bars end.
struct SymbolBox {
    double widthMm = 0;
    double barsBottomMm = 0;
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

// How a canvas's fills reach its device. Immediate: each as it is drawn. Joined: the renderers
// draw a bar as a run of one-pixel lines; side by side fills of one colour, top and bottom are
// drawn as one rectangle, held until a fill does not continue it, anything else is drawn, or
// the canvas ends.
enum class Fills { Immediate, Joined };

// Device pixels left to right - 1 and top to bottom - 1, in one colour.
struct PixelFill {
    long long left = 0;
    long long top = 0;
    long long right = 0;
    long long bottom = 0;
    TColor color = 0;
};

// How a canvas hands its fills to its device, painting them at once or joining them.
class HeldFill {
public:
    explicit HeldFill(Fills fills) : joins_(fills == Fills::Joined) {}
    bool Joins() const { return joins_; }

    // Immediate: paints fill. Joined: widens the held fill by fill when fill continues it to the
    // right; otherwise paints the held fill and holds fill instead.
    template <typename Paint>
    void Fill(const PixelFill& fill, Paint&& paint) {
        if (!joins_) return paint(fill);
        if (held_ && held_->color == fill.color && held_->top == fill.top &&
            held_->bottom == fill.bottom && held_->right == fill.left) {
            held_->right = fill.right;
            return;
        }
        if (held_) paint(*held_);
        held_ = fill;
    }
    // Paints the held fill, if any; nothing is held after.
    template <typename Paint>
    void Flush(Paint&& paint) {
        if (const auto held = std::exchange(held_, std::nullopt)) paint(*held);
    }

private:
    const bool joins_;
    std::optional<PixelFill> held_;
};

// The state accessors of TCanvas, FillRect as a fill in the brush colour, and LineTo split into
// what a device draws: axis-aligned runs become fills (the start pixel painted, the end pixel
// not, in whichever direction the line runs) and any other line goes to DrawSlantedLine. Every
// canvas that keeps state derives from it.
class CanvasState : public TCanvas {
public:
    TColor PenColor() const override { return pen_; }
    void SetPenColor(TColor color) override { pen_ = color & 0xFFFFFF; }
    TColor BrushColor() const override { return brush_; }
    void SetBrushColor(TColor color) override { brush_ = color & 0xFFFFFF; }
    TColor FontColor() const override { return fontColor_; }
    void SetFontColor(TColor color) override { fontColor_ = color & 0xFFFFFF; }
    std::string FontName() const override { return fontName_; }
    void SetFontName(std::string_view name) override { fontName_ = name; }
    int FontHeight() const override { return fontHeight_; }
    void SetFontHeight(int height) override { fontHeight_ = height; }

    void FillRect(const TRect& rect) override {
        FillPixels(rect.Left, rect.Top, rect.Right, rect.Bottom, brush_);
    }
    void MoveTo(int x, int y) override {
        penX_ = x;
        penY_ = y;
    }

    void LineTo(int x, int y) override {
        const long long x0 = penX_;
        const long long y0 = penY_;
        penX_ = x;
        penY_ = y;
        if (y0 == y) {
            if (x > x0) FillPixels(x0, y0, x, y0 + 1, pen_);
            if (x < x0) FillPixels(x + 1LL, y0, x0 + 1, y0 + 1, pen_);
        } else if (x0 == x) {
            if (y > y0) FillPixels(x0, y0, x0 + 1, y, pen_);
            if (y < y0) FillPixels(x0, y + 1LL, x0 + 1, y0 + 1, pen_);
        } else {
            DrawSlantedLine(x0, y0, x, y);
        }
    }

protected:
    // Where the next line starts.
    int PenX() const { return penX_; }
    int PenY() const { return penY_; }
    // Columns left to right - 1 and rows top to bottom - 1 in colour.
    virtual void FillPixels(long long left, long long top, long long right, long long bottom,
                            TColor color) = 0;
    // One pixel per step along the major axis, the end point left out; by default each pixel is
    // filled on its own (the raster canvas's pixels, see ForEachLinePixel).
    virtual void DrawSlantedLine(long long x0, long long y0, long long x1, long long y1) {
        ForEachLinePixel(x0, y0, x1, y1, [&](long long px, long long py) {
            FillPixels(px, py, px + 1, py + 1, pen_);
        });
    }

    TColor pen_ = 0x000000;
    TColor brush_ = 0xFFFFFF;
    TColor fontColor_ = 0x000000;
    std::string fontName_ = "Liberation Sans";
    int fontHeight_ = 0;

private:
    int penX_ = 0;
    int penY_ = 0;
};

}  // namespace quillmark
