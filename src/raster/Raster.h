// Pictures as plain pixel buffers: what raster symbols are drawn into and written from.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <utility>

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

// A picture handed over row by row, so that it need not be held whole: Row(y) gives row y's
// pixels as in PixelView, valid until the next call; rows may be asked for in any order. A
// PixelView converts to one.
struct PictureRows {
    PictureRows() = default;
    PictureRows(int columns, int rows, std::function<const std::uint32_t*(int y)> rowOf)
        : width(columns), height(rows), row(std::move(rowOf)) {}
    PictureRows(const PixelView& view)  // NOLINT(google-explicit-constructor): every view is one
        : width(view.width), height(view.height) {
        if (view.pixels != nullptr) row = [view](int y) { return view.Row(y); };
    }

    // Whether there is a picture: a size and its rows.
    bool HasPixels() const { return row && width > 0 && height > 0; }
    const std::uint32_t* Row(int y) const { return row(y); }

    int width = 0;
    int height = 0;
    std::function<const std::uint32_t*(int y)> row;
};

// A picture owning its pixels, rows packed.
class Raster {
public:
    // Sizes the picture and fills it with colour; false (and empty) when memory runs out. The
    // pixels are allocated unset and filled once: the first row pixel by pixel, the others as
    // copies of it (filling the whole picture pixel by pixel was an eighth of a one-symbol
    // process).
    bool Allocate(int width, int height, TColor colour) {
        const std::size_t rowPixels = static_cast<std::size_t>(std::max(width, 0));
        const std::size_t count = rowPixels * static_cast<std::size_t>(std::max(height, 0));
        pixels_.reset(count == 0 ? nullptr : new (std::nothrow) std::uint32_t[count]);
        if (pixels_ == nullptr) {
            width_ = height_ = 0;
            return count == 0;
        }
        width_ = width;
        height_ = height;
        std::fill_n(pixels_.get(), rowPixels, 0xFF000000u | (colour & 0xFFFFFFu));
        for (int y = 1; y < height; ++y)
            std::memcpy(Row(y), pixels_.get(), rowPixels * sizeof(std::uint32_t));
        return true;
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_ == nullptr; }
    std::uint32_t* Row(int y) { return pixels_.get() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const {
        return pixels_.get() + static_cast<std::size_t>(y) * width_;
    }
    PixelView View() const { return {width_, height_, width_, pixels_.get()}; }

private:
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<std::uint32_t[]> pixels_;
};

}  // namespace quillmark
