// A canvas for the fuzz targets: draws nothing, checks every line and fill against the extent.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark::fuzz {

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

// Bars and box fills must stay inside the extent the renderer reports; text may not (a line that
// cannot shrink further is drawn anyway, and a text cell follows the font), so texts are only
// counted.
class FuzzCanvas : public TCanvas {
public:
    explicit FuzzCanvas(const TRect& extent) : extent_(extent) {}

    TColor PenColor() const override { return pen_; }
    void SetPenColor(TColor c) override { pen_ = c; }
    TColor BrushColor() const override { return brush_; }
    void SetBrushColor(TColor c) override { brush_ = c; }
    TColor FontColor() const override { return font_; }
    void SetFontColor(TColor c) override { font_ = c; }
    std::string FontName() const override { return name_; }
    void SetFontName(std::string_view name) override { name_ = name; }
    int FontHeight() const override { return height_; }
    void SetFontHeight(int h) override { height_ = h; }

    void FillRect(const TRect& r) override {
        ++ops;
        if (r.Left >= r.Right || r.Top >= r.Bottom) return;
        Check(r.Left >= extent_.Left && r.Right <= extent_.Right && r.Top >= extent_.Top &&
                  r.Bottom <= extent_.Bottom,
              "fill outside the extent");
    }
    void MoveTo(int x, int y) override { x_ = x, y_ = y; }
    void LineTo(int x, int y) override {
        ++ops;
        if (x != x_ || y != y_) {
            CheckPoint(x_, y_);
            // The end point itself is not painted: only the pixel before it must lie inside.
            CheckPoint(x_ + (x > x_) * (x - x_ - 1) - (x < x_) * (x_ - x - 1),
                       y_ + (y > y_) * (y - y_ - 1) - (y < y_) * (y_ - y - 1));
        }
        x_ = x, y_ = y;
    }
    int TextWidth(std::string_view text) override {
        ++ops;
        const long long w = static_cast<long long>(text.size()) * (height_ > 0 ? height_ / 2 : 0);
        return w > 1'000'000'000 ? 1'000'000'000 : static_cast<int>(w);
    }
    void TextOut(int, int, std::string_view) override { ++ops; }
    // A text cell follows the font, which at extreme aspect ratios can be wider than the symbol.
    void TextRect(const TRect&, int, int, std::string_view) override { ++ops; }

    long long ops = 0;

private:
    void CheckPoint(int x, int y) const {
        Check(x >= extent_.Left && x < extent_.Right && y >= extent_.Top && y < extent_.Bottom,
              "line outside the extent");
    }

    TRect extent_;
    TColor pen_ = 0, brush_ = 0xFFFFFF, font_ = 0;
    std::string name_ = "Liberation Sans";
    int height_ = 0;
    int x_ = 0, y_ = 0;
};

// Whether drawing into extent stays quick enough for fuzzing: the draw pass costs about one
// line per pixel column or row, so both sides and the area are bounded (a symbol one pixel high
// may still be a billion pixels wide).
inline bool SmallEnoughToDraw(const TRect& r) {
    const double w = static_cast<double>(r.Right) - r.Left;
    const double h = static_cast<double>(r.Bottom) - r.Top;
    return w <= 4000 && h <= 4000 && w * h <= 1e6;
}

}  // namespace quillmark::fuzz
