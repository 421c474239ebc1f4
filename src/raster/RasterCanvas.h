// TCanvas over plain pixels: the canvas rules drawn without Qt, text with FreeType.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "encoders/Canvas.h"
#include "raster/Fonts.h"
#include "raster/Raster.h"

namespace quillmark {

class RasterCanvas : public CanvasState {
public:
    // Draws into width x height opaque 0xFFRRGGBB pixels, rows stride pixels apart, with canvas
    // point (x, y) at pixel (x + translateX, y + translateY). The pixels must outlive the canvas.
    // Joined fills reach the pixels at the latest when the canvas is destroyed.
    RasterCanvas(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
                 int translateX = 0, int translateY = 0, Fills fills = Fills::Immediate);
    explicit RasterCanvas(Raster& raster, int translateX = 0, int translateY = 0);
    ~RasterCanvas() override;
    RasterCanvas(const RasterCanvas&) = delete;
    RasterCanvas& operator=(const RasterCanvas&) = delete;

    int TextWidth(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TRect& rect, int x, int y, std::string_view text) override;

private:
    // Pixel rectangles in picture coordinates, right and bottom exclusive.
    struct Box {
        long long left, top, right, bottom;
    };

    void FillPixels(long long left, long long top, long long right, long long bottom,
                    TColor color) override;
    void DrawSlantedLine(long long x0, long long y0, long long x1, long long y1) override;
    void PaintFill(const PixelFill& fill);
    void FlushFill();
    void DrawGlyphs(long long x, long long y, const FontCell& cell, std::string_view text,
                    const Box& clip);

    std::uint32_t* pixels_;
    int width_;
    int height_;
    std::ptrdiff_t stride_;
    int translateX_;
    int translateY_;
    HeldFill held_;
};

}  // namespace quillmark
