// The calls a renderer makes on a canvas, kept to be made again on another one.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "encoders/Canvas.h"

namespace quillmark {

// Keeps every state change and drawing call, in order, and measures text as the raster canvas
// does, so that a renderer lays out what it records as it would on that canvas. A picture drawn
// in bands draws the symbol once and plays its calls into each band: the renderer's own work
// (layout, texts measured) was most of what drawing a band cost.
class CanvasCalls : public CanvasState {
public:
    void SetPenColor(TColor color) override;
    void SetBrushColor(TColor color) override;
    void SetFontColor(TColor color) override;
    void SetFontName(std::string_view name) override;
    void SetFontHeight(int height) override;

    void FillRect(const TRect& rect) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    int TextWidth(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TRect& rect, int x, int y, std::string_view text) override;

    // Makes the kept calls on canvas, in the order they were made here.
    void PlayOnto(TCanvas& canvas) const;

private:
    enum class Call : std::int32_t {
        Pen,
        Brush,
        FontColour,
        FontName,
        FontHeight,
        Fill,
        Move,
        Line,
        Text,
        TextInRect
    };
    // Never reached: lines are kept as the calls that drew them.
    void FillPixels(long long, long long, long long, long long, TColor) override {}
    void Keep(Call call, std::initializer_list<std::int32_t> values);
    void KeepText(std::string_view text);

    // Each call followed by its values: a point, a rectangle, a colour, a text's place in texts_.
    // Packed, the calls of a symbol take a few pages.
    std::vector<std::int32_t> calls_;
    std::string texts_;
};

}  // namespace quillmark
