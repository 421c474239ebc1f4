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

class RasterCanvas : public TCanvas {
public:
    // Draws into width x height opaque 0xFFRRGGBB pixels, rows stride pixels apart, with canvas
    // point (x, y) at pixel (x + translateX, y + translateY). The pixels must outlive the canvas.
    RasterCanvas(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
                 int translateX = 0, int translateY = 0);
    explicit RasterCanvas(Raster& raster, int translateX = 0, int translateY = 0);

    TColor PenColor() const override;
    void SetPenColor(TColor color) override;
    TColor BrushColor() const override;
    void SetBrushColor(TColor color) override;
    TColor FontColor() const override;
    void SetFontColor(TColor color) override;
    std::string FontName() const override;
    void SetFontName(std::string_view name) override;
    int FontHeight() const override;
    void SetFontHeight(int height) override;

    void FillRect(const TRect& rect) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    int TextWidth(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TRect& rect, int x, int y, std::string_view text) override;

private:
    // Pixel rectangles in picture coordinates, right and bottom exclusive.
    struct Box {
        long long left, top, right, bottom;
    };

    void FillPixels(long long left, long long top, long long right, long long bottom, TColor color);
    void DrawSlantedLine(long long x0, long long y0, long long x1, long long y1);
    void DrawGlyphs(long long x, long long y, const FontCell& cell, std::string_view text,
                    const Box& clip);

    std::uint32_t* pixels_;
    int width_;
    int height_;
    std::ptrdiff_t stride_;
    int translateX_;
    int translateY_;
    TColor pen_ = 0x000000;
    TColor brush_ = 0xFFFFFF;
    TColor fontColor_ = 0x000000;
    std::string fontName_ = "Liberation Sans";
    int fontHeight_ = 0;
    int penX_ = 0;
    int penY_ = 0;
};

}  // namespace quillmark
