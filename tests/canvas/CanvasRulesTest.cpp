// Pixel semantics of both canvases, the QPainter one and the raster one, from the same tables:
// fills, lines, text cells, clipping and font heights.
#include "canvas/QPainterCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "raster/Fonts.h"
#include "raster/RasterCanvas.h"
#include "support/GuiApp.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {
namespace {

constexpr TColor kUntouched = 0xFF00FF;
constexpr TColor kPen = 0x102030;
constexpr TColor kBrush = 0xE0D0C0;
constexpr TColor kInk = 0x0000FF;
constexpr int kW = 64;
constexpr int kH = 48;

QImage Blank(int w = kW, int h = kH) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQColor(kUntouched));
    return image;
}

TColor At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// Pixels whose colour differs from what expected(x, y) says, as "(x,y)" for failure messages.
std::string Mismatches(const QImage& image, const std::function<TColor(int, int)>& expected) {
    std::string out;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != expected(x, y) && ++count <= 8)
                out += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    if (count > 8) out += " and " + std::to_string(count - 8) + " more";
    return out;
}

bool Inside(int x, int y, const TRect& r) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

// The smallest rectangle holding every pixel not in the untouched colour; zeros when none.
TRect PaintedBox(const QImage& image) {
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != kUntouched) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.Left == INT_MAX ? TRect{} : box;
}

int CountColor(const QImage& image, TColor color, const TRect& area) {
    int n = 0;
    for (int y = std::max(0, area.Top); y < std::min(image.height(), area.Bottom); ++y)
        for (int x = std::max(0, area.Left); x < std::min(image.width(), area.Right); ++x)
            n += At(image, x, y) == color;
    return n;
}

int CellOf(const char* family, int pixelSize) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// Each canvas drawing on a QImage, so that one table checks both.
struct QPainterTarget {
    explicit QPainterTarget(QImage& image) : painter(&image), canvas(painter) {}
    void Finish() { painter.end(); }
    static int PixelSize(const char* family, int height) { return FontPixelSize(family, height); }
    static int Cell(const char* family, int pixelSize) { return CellOf(family, pixelSize); }
    static FontCell CellForFont(const std::string& family, int height) {
        const QFontMetrics m(CanvasFont(family, height));
        return {FontPixelSize(family, height), m.ascent(), m.descent()};
    }

    QPainter painter;
    QPainterCanvas canvas;
};

struct RasterTarget {
    explicit RasterTarget(QImage& image)
        : canvas(reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                 image.bytesPerLine() / 4) {}
    void Finish() {}
    static int PixelSize(const char* family, int height) {
        return CellForHeight(family, height).pixelSize;
    }
    static int Cell(const char* family, int pixelSize) {
        const FontCell cell = CellForHeight(family, -pixelSize);
        return cell.ascent + cell.descent;
    }
    static FontCell CellForFont(const std::string& family, int height) {
        return CellForHeight(family, height);
    }

    RasterCanvas canvas;
};

struct TargetNames {
    template <typename T>
    static std::string GetName(int) {
        return std::is_same_v<T, QPainterTarget> ? "QPainter" : "Raster";
    }
};

// A line from (x0, y0) to (x1, y1) in the pen colour on a blank picture.
template <typename Target>
QImage Line(int x0, int y0, int x1, int y1) {
    QImage image = Blank();
    Target target(image);
    target.canvas.SetPenColor(kPen);
    target.canvas.MoveTo(x0, y0);
    target.canvas.LineTo(x1, y1);
    target.Finish();
    return image;
}

template <typename Target>
struct CanvasRules : ::testing::Test {};
using Targets = ::testing::Types<QPainterTarget, RasterTarget>;
TYPED_TEST_SUITE(CanvasRules, Targets, TargetNames);

TEST(QPainterCanvasColor, ConvertsBothWays) {
    const TColor cases[] = {0x000000, 0xFFFFFF, 0x123456, 0xFF0000, 0x00FF00, 0x0000FF, 0x010203};
    for (const TColor c : cases) {
        SCOPED_TRACE(c);
        const QColor q = ToQColor(c);
        EXPECT_EQ(q.red(), static_cast<int>(c >> 16));
        EXPECT_EQ(q.green(), static_cast<int>((c >> 8) & 0xFF));
        EXPECT_EQ(q.blue(), static_cast<int>(c & 0xFF));
        EXPECT_EQ(FromQColor(q), c);
    }
}

TYPED_TEST(CanvasRules, FillsLeftToRightMinusOneAndTopToBottomMinusOne) {
    const TRect cases[] = {
        {3, 4, 10, 9},
        {0, 0, 1, 1},
        {0, 0, kW, kH},
        {5, 5, 5, 12},
        {5, 5, 12, 5},
        {12, 12, 5, 5},
        {-10, -3, 4, 2},
        {60, 40, 100, 100},
        {INT_MIN, 20, INT_MAX, 21},
        {30, INT_MIN, 31, INT_MAX},
    };
    for (const TRect& r : cases) {
        SCOPED_TRACE(std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
                     std::to_string(r.Right) + "," + std::to_string(r.Bottom));
        QImage image = Blank();
        TypeParam target(image);
        target.canvas.SetBrushColor(kBrush);
        target.canvas.FillRect(r);
        target.Finish();
        EXPECT_EQ(
            Mismatches(image, [&](int x, int y) { return Inside(x, y, r) ? kBrush : kUntouched; }),
            "");
    }
}

TEST(QPainterCanvasFill, StaysCrispWithAntialiasingOnAndRestoresTheHint) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(2.0, 2.0);
    QPainterCanvas canvas(painter);
    canvas.SetBrushColor(kBrush);
    canvas.FillRect({1, 2, 5, 3});
    EXPECT_TRUE(painter.testRenderHint(QPainter::Antialiasing));
    painter.end();
    const TRect scaled{2, 4, 10, 6};
    EXPECT_EQ(
        Mismatches(image, [&](int x, int y) { return Inside(x, y, scaled) ? kBrush : kUntouched; }),
        "");
}

struct LineCase {
    const char* name;
    int x0, y0, x1, y1;
    TRect covered;  // the pixels the line must paint, exactly
};

TYPED_TEST(CanvasRules, LinesPaintTheStartAndStopOneShortOfTheEnd) {
    const LineCase cases[] = {
        {"down", 5, 3, 5, 20, {5, 3, 6, 20}},
        {"up", 7, 20, 7, 3, {7, 4, 8, 21}},
        {"right", 2, 9, 30, 9, {2, 9, 30, 10}},
        {"left", 30, 11, 2, 11, {3, 11, 31, 12}},
        {"one pixel down", 40, 40, 40, 41, {40, 40, 41, 41}},
        {"one pixel up", 40, 40, 40, 39, {40, 40, 41, 41}},
        {"zero length", 9, 9, 9, 9, {}},
        {"down past the bottom", 50, 30, 50, 500, {50, 30, 51, kH}},
        {"from above the top", 51, -100, 51, 10, {51, 0, 52, 10}},
        {"up from the bottom edge", 0, kH, 0, 0, {0, 1, 1, kH}},
        {"hostile run", 52, INT_MIN, 52, INT_MAX, {52, 0, 53, kH}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = Line<TypeParam>(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(
            Mismatches(image,
                       [&](int x, int y) { return Inside(x, y, c.covered) ? kPen : kUntouched; }),
            "");
    }
}

TYPED_TEST(CanvasRules, LineToContinuesFromTheLastEndPoint) {
    QImage image = Blank();
    TypeParam target(image);
    TCanvas& canvas = target.canvas;
    canvas.SetPenColor(kPen);
    canvas.MoveTo(10, 10);
    canvas.LineTo(20, 10);  // row 10, columns 10..19
    canvas.LineTo(20, 15);  // column 20, rows 10..14
    canvas.LineTo(10, 15);  // row 15, columns 11..20
    target.Finish();
    const TRect top{10, 10, 20, 11}, side{20, 10, 21, 15}, bottom{11, 15, 21, 16};
    EXPECT_EQ(Mismatches(image,
                         [&](int x, int y) {
                             return Inside(x, y, top) || Inside(x, y, side) || Inside(x, y, bottom)
                                        ? kPen
                                        : kUntouched;
                         }),
              "");
}

TYPED_TEST(CanvasRules, SlantedLinesAreConnectedAndLeaveOutTheEnd) {
    struct Slant {
        int x0, y0, x1, y1;
    };
    const Slant cases[] = {{5, 5, 25, 12},  {25, 12, 5, 5},   {5, 40, 12, 10},
                           {40, 5, 30, 30}, {10, 10, 20, 20}, {50, 2, 40, 12}};
    for (const Slant& c : cases) {
        SCOPED_TRACE(std::to_string(c.x0) + "," + std::to_string(c.y0) + " -> " +
                     std::to_string(c.x1) + "," + std::to_string(c.y1));
        const QImage image = Line<TypeParam>(c.x0, c.y0, c.x1, c.y1);
        const int steps = std::max(std::abs(c.x1 - c.x0), std::abs(c.y1 - c.y0));
        EXPECT_EQ(CountColor(image, kPen, {0, 0, kW, kH}), steps);
        EXPECT_EQ(At(image, c.x0, c.y0), kPen);
        EXPECT_EQ(At(image, c.x1, c.y1), kUntouched);
        // One pixel per step along the major axis: every row (or column) the line crosses holds
        // its pixels next to each other, and they stay within the line's box.
        const TRect box{std::min(c.x0, c.x1), std::min(c.y0, c.y1), std::max(c.x0, c.x1) + 1,
                        std::max(c.y0, c.y1) + 1};
        EXPECT_EQ(CountColor(image, kPen, box), steps);
        const bool steep = std::abs(c.y1 - c.y0) > std::abs(c.x1 - c.x0);
        for (int i = 0; i < steps; ++i) {
            const int major =
                (steep ? c.y0 : c.x0) + (steep ? (c.y1 > c.y0 ? i : -i) : (c.x1 > c.x0 ? i : -i));
            const TRect band =
                steep ? TRect{0, major, kW, major + 1} : TRect{major, 0, major + 1, kH};
            EXPECT_EQ(CountColor(image, kPen, band), 1) << "step " << i;
        }
    }
}

TYPED_TEST(CanvasRules, HostileSlantedLineEndsAndStaysOnTheImage) {
    const QImage image = Line<TypeParam>(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    // The clamped line runs along the main diagonal through the picture.
    for (int i = 0; i < kH; ++i) EXPECT_EQ(At(image, i, i), kPen) << i;
}

TYPED_TEST(CanvasRules, PositiveFontHeightIsTheLargestCellThatFits) {
    const char* families[] = {"Liberation Sans", "Arial", "DejaVu Sans", "Liberation Serif"};
    const int heights[] = {1, 2, 3, 5, 8, 10, 13, 14, 16, 17, 21, 33, 53, 64, 100, 211};
    for (const char* family : families) {
        for (const int h : heights) {
            SCOPED_TRACE(std::string(family) + " " + std::to_string(h));
            const int size = TypeParam::PixelSize(family, h);
            if (size == 0) {
                EXPECT_GT(TypeParam::Cell(family, 1), h);
                continue;
            }
            EXPECT_LE(TypeParam::Cell(family, size), h);
            EXPECT_GT(TypeParam::Cell(family, size + 1), h);
            EXPECT_EQ(TypeParam::PixelSize(family, h), size);  // cached answer agrees
        }
    }
    // Liberation Sans is the face every symbol text uses here; a usable size must come out.
    EXPECT_GE(TypeParam::PixelSize("Liberation Sans", 16), 12);
}

TEST(QPainterCanvasFont, TheCanvasFontHasThePixelSize) {
    for (const int h : {1, 16, 33, -20})
        EXPECT_EQ(CanvasFont("Liberation Sans", h).pixelSize(), FontPixelSize("Liberation Sans", h))
            << h;
}

// Pictures and the preview lay texts out in the same cells: the raster canvas's sizes, ascents
// and descents are Qt's.
TEST(RasterCanvasFont, CellsAreTheQPainterCanvasCells) {
    const char* families[] = {"Liberation Sans", "Arial", "DejaVu Sans", "Liberation Serif"};
    for (const char* family : families) {
        for (int h = -120; h <= 300; h += h < 40 ? 1 : 7) {
            const FontCell raster = RasterTarget::CellForFont(family, h);
            const FontCell qt = QPainterTarget::CellForFont(family, h);
            EXPECT_EQ(raster.pixelSize, qt.pixelSize) << family << " " << h;
            if (qt.pixelSize == 0) continue;
            EXPECT_EQ(raster.ascent, qt.ascent) << family << " " << h;
            EXPECT_EQ(raster.descent, qt.descent) << family << " " << h;
        }
    }
}

// With the text in the background colour only bars, boxes and text cells remain, and those the
// two canvases must draw alike, whatever the symbol and scale.
TEST(RasterCanvasSymbols, BarsAndCellsAreTheQPainterCanvasPixels) {
    const struct {
        const char* type;
        const char* text;  // digits, or the field text of UCC/EAN-128
        const char* addOn;
        unsigned short sizePercent;
        bool fullBorder;
        double scaleX, scaleY;
    } cases[] = {
        {"EAN-13", "4006381333931", "None", 100, true, 12, 12},
        {"EAN-13", "400638133393112", "2-Digit", 100, true, 3.5, 3.5},
        {"EAN-8", "96385074", "None", 100, true, 7, 4},
        {"UPC-E", "01234565", "None", 100, true, 6, 6},
        {"UPC-A", "036000291452", "None", 80, true, 9.45, 9.45},
        {"ITF-14", "10012345678902", "None", 100, false, 8, 8},
        {"ITF-14", "10012345678902", "None", 100, true, 3, 5},
        {"UCC/EAN-128", "(01)10012345678902(10)ABC", "None", 100, true, 8, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.text);
        SymbolRequest request;
        request.symbology = FindSymbology(c.type);
        (request.Is(Symbology::UCCEAN128) ? request.fieldText : request.digits) = c.text;
        request.addOnType = c.addOn;
        request.sizePercent = c.sizePercent;
        request.fullBorder = c.fullBorder;
        TRect bounds;
        RenderSymbol(request, nullptr, 0, 0, c.scaleX, c.scaleY, bounds);
        ASSERT_GT(bounds.Right, 0);
        QImage pictures[2] = {Blank(bounds.Right + 4, bounds.Bottom + 4),
                              Blank(bounds.Right + 4, bounds.Bottom + 4)};
        const auto draw = [&](TCanvas& canvas) {
            canvas.SetPenColor(kPen);
            canvas.SetBrushColor(kBrush);
            canvas.SetFontColor(kBrush);
            TRect drawn;
            RenderSymbol(request, &canvas, 2, 2, c.scaleX, c.scaleY, drawn);
        };
        QPainterTarget qt(pictures[0]);
        draw(qt.canvas);
        qt.Finish();
        RasterTarget raster(pictures[1]);
        draw(raster.canvas);
        // Qt's blending of the invisible text rounds to within one level of the colour.
        int differ = 0;
        for (int y = 0; y < pictures[0].height(); ++y)
            for (int x = 0; x < pictures[0].width(); ++x)
                for (int shift = 0; shift <= 16; shift += 8)
                    differ +=
                        std::abs(static_cast<int>((At(pictures[0], x, y) >> shift) & 0xFF) -
                                 static_cast<int>((At(pictures[1], x, y) >> shift) & 0xFF)) > 1;
        EXPECT_EQ(differ, 0);
    }
}

TYPED_TEST(CanvasRules, NegativeFontHeightIsTheCharacterHeightAndZeroShowsNothing) {
    const struct {
        int height, pixelSize;
    } cases[] = {{-1, 1}, {-12, 12}, {-53, 53}, {0, 0}, {INT_MIN, 8192}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.height);
        EXPECT_EQ(TypeParam::PixelSize("Liberation Sans", c.height), c.pixelSize);
    }
}

template <typename Target>
struct CanvasText : ::testing::Test {
    QImage picture = Blank(200, 80);
    Target target{picture};
    TCanvas& surface = target.canvas;

    void SetUp() override {
        surface.SetBrushColor(kBrush);
        surface.SetFontColor(kInk);
        surface.SetFontName("Liberation Sans");
    }
    FontCell Cell() const { return Target::CellForFont(surface.FontName(), surface.FontHeight()); }
};
TYPED_TEST_SUITE(CanvasText, Targets, TargetNames);

TYPED_TEST(CanvasText, TextOutFillsItsCellAndDrawsInsideIt) {
    QImage& image = this->picture;
    TCanvas& canvas = this->surface;
    const int heights[] = {8, 16, 21, 33, -20};
    const char* texts[] = {"0123456789", "8", "(01)"};
    for (const int h : heights) {
        for (const char* text : texts) {
            SCOPED_TRACE(std::to_string(h) + " " + text);
            image.fill(ToQColor(kUntouched));
            canvas.SetFontHeight(h);
            const FontCell m = this->Cell();
            const int width = canvas.TextWidth(text);
            EXPECT_GT(width, 0);
            if (h > 0) {
                EXPECT_LE(m.ascent + m.descent, h);
            }
            canvas.TextOut(7, 5, text);
            const TRect cell{7, 5, 7 + width, 5 + m.ascent + m.descent};
            // Digits stay inside their cell; a parenthesis may overhang it by a pixel, as glyphs
            // are not clipped by TextOut.
            const TRect box = PaintedBox(image);
            if (std::string(text).find('(') == std::string::npos) {
                EXPECT_EQ(box, cell);
            } else {
                EXPECT_TRUE(box.Left <= cell.Left && box.Top <= cell.Top &&
                            box.Right >= cell.Right && box.Bottom >= cell.Bottom &&
                            box.Right <= cell.Right + 1 && box.Bottom <= cell.Bottom + 1);
            }
            // Every cell pixel is background or ink (blended with antialiasing), and there is ink.
            EXPECT_EQ(CountColor(image, kUntouched, cell), 0);
            EXPECT_GT(CountColor(image, kBrush, cell), 0);
            EXPECT_GT(width * (cell.Bottom - cell.Top) - CountColor(image, kBrush, cell), 0);
        }
    }
}

TYPED_TEST(CanvasText, TextRectFillsTheRectangleAndClipsTheText) {
    QImage& image = this->picture;
    TCanvas& canvas = this->surface;
    struct Case {
        const char* name;
        TRect rect;
        int x, y;
    };
    const Case cases[] = {
        {"text wider than the cell", {20, 10, 40, 30}, 20, 8},
        {"text starting left of the cell", {30, 10, 90, 60}, 10, 12},
        {"text above the cell", {10, 30, 150, 40}, 10, 20},
        {"text inside the cell", {5, 5, 190, 75}, 20, 20},
        {"empty cell", {50, 10, 50, 40}, 50, 10},
    };
    canvas.SetFontHeight(24);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        image.fill(ToQColor(kUntouched));
        canvas.TextRect(c.rect, c.x, c.y, "0123456789");
        const TRect box = PaintedBox(image);
        if (c.rect.Right <= c.rect.Left) {
            EXPECT_EQ(box, TRect{});
            continue;
        }
        EXPECT_EQ(box, c.rect);
        EXPECT_EQ(CountColor(image, kUntouched, c.rect), 0);
    }
    // Where the rectangle covers the whole text, the glyphs are there.
    image.fill(ToQColor(kUntouched));
    canvas.TextRect({5, 5, 190, 75}, 20, 20, "0123456789");
    EXPECT_GT(CountColor(image, kInk, {20, 20, 190, 75}), 20);
}

TYPED_TEST(CanvasText, HeightZeroDrawsNoGlyphsButStillFillsTheRectangle) {
    QImage& image = this->picture;
    TCanvas& canvas = this->surface;
    canvas.SetFontHeight(0);
    EXPECT_EQ(canvas.TextWidth("0123"), 0);
    canvas.TextOut(10, 10, "0123");
    EXPECT_EQ(PaintedBox(image), TRect{});
    const TRect r{10, 10, 60, 40};
    canvas.TextRect(r, 10, 10, "0123");
    this->target.Finish();
    EXPECT_EQ(
        Mismatches(image, [&](int x, int y) { return Inside(x, y, r) ? kBrush : kUntouched; }), "");
}

using QPainterText = CanvasText<QPainterTarget>;

TEST_F(QPainterText, LeavesThePainterAsItFoundIt) {
    QPainter& painter = target.painter;
    TCanvas& canvas = surface;
    const QPen pen(Qt::green);
    const QBrush brush(Qt::yellow);
    QFont font("DejaVu Serif");
    font.setPixelSize(9);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(font);
    canvas.SetFontHeight(20);
    canvas.TextOut(1, 1, "12");
    canvas.TextRect({0, 30, 50, 50}, 0, 30, "34");
    canvas.SetPenColor(kPen);
    canvas.MoveTo(100, 1);
    canvas.LineTo(100, 40);
    canvas.LineTo(120, 60);
    canvas.FillRect({150, 0, 160, 10});
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush(), brush);
    EXPECT_EQ(painter.font(), font);
    EXPECT_FALSE(painter.hasClipping());
}

TYPED_TEST(CanvasText, KeepsTheNamesAndHeightsItWasGiven) {
    TCanvas& canvas = this->surface;
    canvas.SetFontName("Arial");
    canvas.SetFontHeight(-14);
    EXPECT_EQ(canvas.FontName(), "Arial");
    EXPECT_EQ(canvas.FontHeight(), -14);
    canvas.SetPenColor(0x1234567);  // bits above 0xFFFFFF are no colour
    EXPECT_EQ(canvas.PenColor(), 0x234567u);
    // A substituted face still measures text.
    canvas.SetFontHeight(16);
    EXPECT_GT(canvas.TextWidth("9"), 0);
}

}  // namespace
}  // namespace quillmark
