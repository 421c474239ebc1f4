// A TCanvas that records what the renderers draw as SVG elements.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "encoders/Canvas.h"

namespace quillmark {

// Fills become rectangles. The renderers draw bars as one-pixel lines; a line or fill that
// continues the previous rectangle (the next column of the same rows, or the next row of the
// same columns, in the same colour) widens it, so a bar becomes one rectangle. Texts become
// text elements with the raster canvas's font metrics (raster/Fonts.h): the baseline at the
// cell's top plus the ascent, font-size the pixel size the raster canvas draws with, the family
// the font was found under, the opaque cell as a rectangle behind.
class SvgCanvas : public CanvasState {
public:
    int TextWidth(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TRect& rect, int x, int y, std::string_view text) override;

    // The document over bounds (pixels), sized in millimetres at dotsPerMm.
    std::string Document(const TRect& bounds, double dotsPerMm) const;
    std::size_t RectangleCount() const;

private:
    struct Element {
        bool isText = false;
        long long left = 0, top = 0, right = 0, bottom = 0;  // fill, or the text's clip
        TColor color = 0;
        bool clipped = false;
        long long x = 0, baseline = 0, width = 0;
        int pixelSize = 0;
        std::string family;
        std::string text;
    };

    void FillPixels(long long left, long long top, long long right, long long bottom,
                    TColor color) override;
    void Text(long long x, long long y, std::string_view text, const TRect* clip);

    std::vector<Element> elements_;
};

}  // namespace quillmark
