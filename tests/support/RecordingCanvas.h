// A TCanvas for tests: paints into a pixel grid with the exact canvas semantics and records texts.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "encoders/Canvas.h"

namespace quillmark::test {

inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kBlack = 0x000000;
inline constexpr TColor kUnpainted = 0xFF00FF;

struct TextCall {
    bool inRect = false;
    TRect rect;  // the clip rectangle of TextRect; zeros for TextOut
    int x = 0;
    int y = 0;
    std::string text;
    int fontHeight = 0;
    std::string fontName;
};

// Text metrics are synthetic and deterministic: every character is CharWidth(height) wide, so
// geometry tests do not depend on installed fonts.
class RecordingCanvas : public TCanvas {
public:
    RecordingCanvas(int width, int height)
        : width_(width),
          height_(height),
          pixels_(static_cast<std::size_t>(width) * height, kUnpainted) {}

    static int CharWidth(int fontHeight) { return fontHeight > 0 ? (fontHeight + 1) / 2 : 0; }

    TColor PenColor() const override { return pen_; }
    void SetPenColor(TColor c) override { pen_ = c; }
    TColor BrushColor() const override { return brush_; }
    void SetBrushColor(TColor c) override { brush_ = c; }
    TColor FontColor() const override { return font_; }
    void SetFontColor(TColor c) override { font_ = c; }
    std::string FontName() const override { return fontName_; }
    void SetFontName(std::string_view name) override { fontName_ = name; }
    int FontHeight() const override { return fontHeight_; }
    void SetFontHeight(int h) override { fontHeight_ = h; }

    void FillRect(const TRect& r) override {
        fills.push_back(r);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) Set(x, y, brush_);
    }
    void MoveTo(int x, int y) override {
        penX_ = x;
        penY_ = y;
    }
    // Horizontal and vertical lines only: the renderers draw no others.
    void LineTo(int x, int y) override {
        lines.push_back({penX_, penY_, x, y});
        const int dx = (x > penX_) - (x < penX_);
        const int dy = (y > penY_) - (y < penY_);
        for (int cx = penX_, cy = penY_; cx != x || cy != y; cx += dx, cy += dy) Set(cx, cy, pen_);
        penX_ = x;
        penY_ = y;
    }
    int TextWidth(std::string_view text) override {
        return static_cast<int>(text.size()) * CharWidth(std::abs(fontHeight_));
    }
    void TextOut(int x, int y, std::string_view text) override {
        texts.push_back({false, {}, x, y, std::string(text), fontHeight_, fontName_});
        const TRect cell{x, y, x + TextWidth(text), y + std::abs(fontHeight_)};
        Paint(cell, cell);
    }
    void TextRect(const TRect& r, int x, int y, std::string_view text) override {
        texts.push_back({true, r, x, y, std::string(text), fontHeight_, fontName_});
        fills.push_back(r);
        for (int py = r.Top; py < r.Bottom; ++py)
            for (int px = r.Left; px < r.Right; ++px) Set(px, py, brush_);
        Paint({x, y, x + TextWidth(text), y + std::abs(fontHeight_)}, r);
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    TColor At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return kUnpainted;
        return pixels_[static_cast<std::size_t>(y) * width_ + x];
    }
    bool Dark(int x, int y) const { return At(x, y) == pen_; }
    // Columns of row y painted in the pen colour, as "1"/"0".
    std::string Row(int y) const {
        std::string s;
        for (int x = 0; x < width_; ++x) s += At(x, y) == pen_ ? '1' : '0';
        return s;
    }
    // Whether column x is in the pen colour on every row from top to bottom - 1.
    bool ColumnDark(int x, int top, int bottom) const {
        for (int y = top; y < bottom; ++y)
            if (At(x, y) != pen_) return false;
        return true;
    }
    // Pixels outside the canvas that somebody tried to paint.
    int Outside() const { return outside_; }

    struct Line {
        int x0, y0, x1, y1;
    };
    std::vector<TRect> fills;
    std::vector<Line> lines;
    std::vector<TextCall> texts;

private:
    void Set(int x, int y, TColor c) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            ++outside_;
            return;
        }
        pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
    }
    // Text glyphs are drawn as the font colour over the whole text cell, clipped to clip.
    void Paint(const TRect& cell, const TRect& clip) {
        for (int y = std::max(cell.Top, clip.Top); y < std::min(cell.Bottom, clip.Bottom); ++y)
            for (int x = std::max(cell.Left, clip.Left); x < std::min(cell.Right, clip.Right); ++x)
                Set(x, y, font_);
    }

    int width_, height_;
    std::vector<TColor> pixels_;
    TColor pen_ = kBlack, brush_ = kWhite, font_ = 0x0000FF;
    std::string fontName_ = "Liberation Sans";
    int fontHeight_ = 0;
    int penX_ = 0, penY_ = 0;
    int outside_ = 0;
};

}  // namespace quillmark::test
