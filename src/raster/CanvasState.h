// What every canvas keeps between calls (colours, font, pen position) and its one line rule.
#pragma once

#include <string>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark {

// The state accessors of TCanvas, and LineTo split into what a device draws: axis-aligned runs
// become fills (the start pixel painted, the end pixel not, in whichever direction the line
// runs) and any other line goes to DrawSlantedLine.
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
    // Columns left to right - 1 and rows top to bottom - 1 in colour.
    virtual void FillPixels(long long left, long long top, long long right, long long bottom,
                            TColor color) = 0;
    // One pixel per step along the major axis, the end point left out.
    virtual void DrawSlantedLine(long long x0, long long y0, long long x1, long long y1) = 0;

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
