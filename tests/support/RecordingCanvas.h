// A TCanvas for tests: paints into a pixel grid with the exact canvas semantics and records texts.
#pragma once

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
// geometry tests do not depend on installed fonts. Lines are drawn by CanvasState's rule, as on
// every canvas of the program.
class RecordingCanvas : public CanvasState {
public:
    RecordingCanvas(int width, int height);

    static int CharWidth(int fontHeight) { return fontHeight > 0 ? (fontHeight + 1) / 2 : 0; }

    void FillRect(const TRect& r) override;
    void LineTo(int x, int y) override;
    int TextWidth(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TRect& r, int x, int y, std::string_view text) override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    TColor At(int x, int y) const;
    bool Dark(int x, int y) const { return At(x, y) == pen_; }
    // Columns of row y painted in the pen colour, as "1"/"0".
    std::string Row(int y) const;
    // Whether column x is in the pen colour on every row from top to bottom - 1.
    bool ColumnDark(int x, int top, int bottom) const;
    // Pixels outside the canvas that somebody tried to paint.
    int Outside() const { return outside_; }

    struct Line {
        int x0, y0, x1, y1;
    };
    std::vector<TRect> fills;
    std::vector<Line> lines;
    std::vector<TextCall> texts;

private:
    void FillPixels(long long left, long long top, long long right, long long bottom,
                    TColor color) override;
    void Set(long long x, long long y, TColor c);
    // Text glyphs are drawn as the font colour over the whole text cell, clipped to clip.
    void Paint(const TRect& cell, const TRect& clip);

    int width_, height_;
    std::vector<TColor> pixels_;
    int outside_ = 0;
};

}  // namespace quillmark::test
