// A canvas that paints nothing: counts what a renderer asks of it and what it draws outside an
// extent. Header-only, so that the fuzz targets, built without the tests, share it.
#pragma once

#include <string_view>

#include "encoders/Canvas.h"
#include "support/RecordingCanvas.h"

namespace quillmark::test {

// Bars, box fills and lines (fills by CanvasState's rule) must stay inside the extent the renderer
// reports; text may not (a line that cannot shrink further is drawn anyway, and a text cell follows
// the font), so texts are only counted. Huge extents stay cheap: no pixel is stored.
class ExtentCanvas : public CanvasState {
public:
    explicit ExtentCanvas(const TRect& extent) : extent_(extent) {}

    void FillRect(const TRect& r) override {
        ++ops;
        FillPixels(r.Left, r.Top, r.Right, r.Bottom, brush_);
    }
    void LineTo(int x, int y) override {
        ++ops;
        CanvasState::LineTo(x, y);
    }
    // Characters as wide as RecordingCanvas's; at most a billion pixels.
    int TextWidth(std::string_view text) override {
        ++measures;
        const long long w =
            static_cast<long long>(text.size()) * RecordingCanvas::CharWidth(fontHeight_);
        return w > 1'000'000'000 ? 1'000'000'000 : static_cast<int>(w);
    }
    void TextOut(int, int, std::string_view) override { ++ops; }
    void TextRect(const TRect&, int, int, std::string_view) override { ++ops; }

    long long ops = 0;
    long long measures = 0;
    long long outside = 0;  // fills and lines that left the extent

protected:
    // Called for each fill or line that leaves the extent; counts it.
    virtual void DrawnOutside() { ++outside; }

private:
    void FillPixels(long long left, long long top, long long right, long long bottom,
                    TColor) override {
        if (left >= right || top >= bottom) return;
        if (left < extent_.Left || right > extent_.Right || top < extent_.Top ||
            bottom > extent_.Bottom)
            DrawnOutside();
    }

    TRect extent_;
};

}  // namespace quillmark::test
