// TCanvas over plain pixels with pixel-exact fills and lines and antialiased FreeType text.
#include "raster/RasterCanvas.h"

#include <algorithm>
#include <cstring>

#include "encoders/LinePixels.h"
#include "raster/Fonts.h"

namespace quillmark {

namespace {

// The QPainter canvas clamps to the same range; coordinates beyond it cannot reach a picture
// and would overflow widths.
constexpr long long kCoordinateLimit = 1LL << 22;

long long Clamp(long long v) {
    return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

std::uint32_t Opaque(TColor color) {
    return 0xFF000000u | (color & 0xFFFFFFu);
}

// Fills rows of width pixels, stride pixels apart, with value: a narrow fill (a bar) row by row
// with stores, a wide one (a background) as copies of its first row, which memcpy makes quicker.
void FillPixelRows(std::uint32_t* first, long long width, long long rows, std::ptrdiff_t stride,
                   std::uint32_t value) {
    constexpr long long kNarrow = 32;
    if (width <= kNarrow) {
        for (long long y = 0; y < rows; ++y) {
            std::uint32_t* row = first + y * stride;
            long long x = 0;
            for (; x + 4 <= width; x += 4) std::fill_n(row + x, 4, value);
            for (; x < width; ++x) row[x] = value;
        }
        return;
    }
    std::fill_n(first, width, value);
    const std::size_t bytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
    for (long long y = 1; y < rows; ++y) std::memcpy(first + y * stride, first, bytes);
}

// The colour coverage / 255 of the way from under to over, per channel.
std::uint32_t Blend(std::uint32_t under, TColor over, unsigned coverage) {
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned u = (under >> shift) & 0xFFu;
        const unsigned o = (over >> shift) & 0xFFu;
        out |= ((u * (255u - coverage) + o * coverage + 127u) / 255u) << shift;
    }
    return out;
}

}  // namespace

RasterCanvas::RasterCanvas(std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
                           int translateX, int translateY, Fills fills)
    : pixels_(pixels),
      width_(pixels != nullptr ? std::max(0, width) : 0),
      height_(pixels != nullptr ? std::max(0, height) : 0),
      stride_(stride),
      translateX_(translateX),
      translateY_(translateY),
      held_(fills) {}

RasterCanvas::RasterCanvas(Raster& raster, int translateX, int translateY)
    : RasterCanvas(raster.Empty() ? nullptr : raster.Row(0), raster.Width(), raster.Height(),
                   raster.Width(), translateX, translateY) {}

RasterCanvas::~RasterCanvas() {
    FlushFill();
}

void RasterCanvas::FillPixels(long long left, long long top, long long right, long long bottom,
                              TColor color) {
    left = std::max(Clamp(left) + translateX_, 0LL);
    top = std::max(Clamp(top) + translateY_, 0LL);
    right = std::min<long long>(Clamp(right) + translateX_, width_);
    bottom = std::min<long long>(Clamp(bottom) + translateY_, height_);
    if (right <= left || bottom <= top) return;
    held_.Fill({left, top, right, bottom, color},
               [this](const PixelFill& fill) { PaintFill(fill); });
}

void RasterCanvas::PaintFill(const PixelFill& fill) {
    FillPixelRows(pixels_ + fill.top * stride_ + fill.left, fill.right - fill.left,
                  fill.bottom - fill.top, stride_, Opaque(fill.color));
}

void RasterCanvas::FlushFill() {
    held_.Flush([this](const PixelFill& fill) { PaintFill(fill); });
}

// Bresenham's walk on the clamped end points; only the pixels on the picture are painted, so a
// hostile length costs loop steps only.
void RasterCanvas::DrawSlantedLine(long long x0, long long y0, long long x1, long long y1) {
    FlushFill();
    const std::uint32_t value = Opaque(pen_);
    ForEachLinePixel(Clamp(x0), Clamp(y0), Clamp(x1), Clamp(y1), [&](long long x, long long y) {
        x += translateX_;
        y += translateY_;
        if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[y * stride_ + x] = value;
    });
}

int RasterCanvas::TextWidth(std::string_view text) {
    return TextAdvance(fontName_, fontHeight_, text);
}

// Blends each glyph's coverage from the pixels underneath to the font colour, inside clip.
void RasterCanvas::DrawGlyphs(long long x, long long y, const FontCell& cell, std::string_view text,
                              const Box& clip) {
    FlushFill();
    const long long left = Clamp(x) + translateX_;
    const long long baseline = Clamp(y + cell.ascent) + translateY_;
    // Glyphs reach about one em above and below the baseline at most.
    const long long reach = 2LL * cell.pixelSize;
    if (baseline + reach <= clip.top || baseline - reach >= clip.bottom) return;
    DrawTextGlyphs(fontName_, fontHeight_, text, clip.left - left, clip.right - left,
                   [&](long long pen, const GlyphCoverage& glyph) {
                       const long long gx = left + pen + glyph.left;
                       const long long gy = baseline - glyph.top;
                       const long long x0 = std::max(gx, clip.left);
                       const long long x1 = std::min(gx + glyph.width, clip.right);
                       const long long y0 = std::max(gy, clip.top);
                       const long long y1 = std::min(gy + glyph.rows, clip.bottom);
                       for (long long py = y0; py < y1; ++py) {
                           const unsigned char* coverage = glyph.coverage + (py - gy) * glyph.width;
                           std::uint32_t* row = pixels_ + py * stride_;
                           for (long long px = x0; px < x1; ++px)
                               if (const unsigned c = coverage[px - gx]; c != 0)
                                   row[px] = c == 255 ? Opaque(fontColor_)
                                                      : Blend(row[px], fontColor_, c);
                       }
                   });
}

void RasterCanvas::TextOut(int x, int y, std::string_view text) {
    const FontCell cell = CellForHeight(fontName_, fontHeight_);
    if (cell.pixelSize == 0) return;
    FillPixels(x, y, static_cast<long long>(x) + TextWidth(text),
               static_cast<long long>(y) + cell.ascent + cell.descent, brush_);
    DrawGlyphs(x, y, cell, text, {0, 0, width_, height_});
}

void RasterCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    FillRect(rect);
    const FontCell cell = CellForHeight(fontName_, fontHeight_);
    if (cell.pixelSize == 0 || rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
    const Box clip{std::max(Clamp(rect.Left) + translateX_, 0LL),
                   std::max(Clamp(rect.Top) + translateY_, 0LL),
                   std::min<long long>(Clamp(rect.Right) + translateX_, width_),
                   std::min<long long>(Clamp(rect.Bottom) + translateY_, height_)};
    if (clip.right <= clip.left || clip.bottom <= clip.top) return;
    DrawGlyphs(x, y, cell, text, clip);
}

}  // namespace quillmark
