// Pictures as plain pixel buffers: what raster symbols are drawn into and written from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

#include "encoders/Canvas.h"

namespace quillmark {

// Opaque pixels 0xFFRRGGBB (the memory layout of QImage::Format_RGB32), rows top to bottom.
struct PixelView {
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // pixels from the start of one row to the next
    const std::uint32_t* pixels = nullptr;

    const std::uint32_t* Row(int y) const {
        return pixels + static_cast<std::ptrdiff_t>(y) * stride;
    }
};

// A picture owning its pixels, rows packed.
class Raster {
public:
    // Sizes the picture and fills it with colour; false (and empty) when memory runs out.
    bool Allocate(int width, int height, TColor colour) {
        try {
            pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                           0xFF000000u | (colour & 0xFFFFFFu));
        } catch (const std::bad_alloc&) {
            pixels_ = {};
            return false;
        }
        width_ = width;
        height_ = height;
        return true;
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }
    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }
    PixelView View() const { return {width_, height_, width_, pixels_.data()}; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace quillmark
