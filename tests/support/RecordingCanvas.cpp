// The tests' pixel canvas: fills, lines and text cells painted into a grid, and every call
// recorded.
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <cstdlib>

namespace quillmark::test {

RecordingCanvas::RecordingCanvas(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * height, kUnpainted) {
    SetFontColor(0x0000FF);
}

void RecordingCanvas::FillRect(const TRect& r) {
    fills.push_back(r);
    FillPixels(r.Left, r.Top, r.Right, r.Bottom, brush_);
}

void RecordingCanvas::LineTo(int x, int y) {
    lines.push_back({PenX(), PenY(), x, y});
    CanvasState::LineTo(x, y);
}

int RecordingCanvas::TextWidth(std::string_view text) {
    return static_cast<int>(text.size()) * CharWidth(std::abs(fontHeight_));
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    texts.push_back({false, {}, x, y, std::string(text), fontHeight_, fontName_});
    const TRect cell{x, y, x + TextWidth(text), y + std::abs(fontHeight_)};
    Paint(cell, cell);
}

void RecordingCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
    texts.push_back({true, r, x, y, std::string(text), fontHeight_, fontName_});
    fills.push_back(r);
    FillPixels(r.Left, r.Top, r.Right, r.Bottom, brush_);
    Paint({x, y, x + TextWidth(text), y + std::abs(fontHeight_)}, r);
}

TColor RecordingCanvas::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kUnpainted;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

std::string RecordingCanvas::Row(int y) const {
    std::string s;
    for (int x = 0; x < width_; ++x) s += At(x, y) == pen_ ? '1' : '0';
    return s;
}

bool RecordingCanvas::ColumnDark(int x, int top, int bottom) const {
    for (int y = top; y < bottom; ++y)
        if (At(x, y) != pen_) return false;
    return true;
}

void RecordingCanvas::FillPixels(long long left, long long top, long long right, long long bottom,
                                 TColor color) {
    for (long long y = top; y < bottom; ++y)
        for (long long x = left; x < right; ++x) Set(x, y, color);
}

void RecordingCanvas::Set(long long x, long long y, TColor c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        ++outside_;
        return;
    }
    pixels_[static_cast<std::size_t>(y) * width_ + static_cast<std::size_t>(x)] = c;
}

void RecordingCanvas::Paint(const TRect& cell, const TRect& clip) {
    for (int y = std::max(cell.Top, clip.Top); y < std::min(cell.Bottom, clip.Bottom); ++y)
        for (int x = std::max(cell.Left, clip.Left); x < std::min(cell.Right, clip.Right); ++x)
            Set(x, y, fontColor_);
}

}  // namespace quillmark::test
