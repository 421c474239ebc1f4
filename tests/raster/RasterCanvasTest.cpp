// The raster canvas without Qt: clipping against hostile input, UTF-8 texts, and text drawn
// from several threads at once.
#include "raster/RasterCanvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "raster/CanvasCalls.h"
#include "raster/Fonts.h"
#include "raster/SymbolRaster.h"
#include "support/Requests.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {
namespace {

constexpr std::uint32_t kGuard = 0xFFFF00FFu;
constexpr TColor kBrush = 0xE0D0C0;
constexpr TColor kInk = 0x0000FF;
constexpr const char* kFamily = "Liberation Sans";

// A canvas on a window inside a larger buffer: whatever lands outside the window is a fault.
struct Guarded {
    static constexpr int kMargin = 8;
    int width, height;
    std::ptrdiff_t stride;
    std::vector<std::uint32_t> buffer;
    RasterCanvas canvas;

    Guarded(int w, int h, int translateX = 0, int translateY = 0)
        : width(w),
          height(h),
          stride(w + 2 * kMargin),
          buffer(static_cast<std::size_t>(stride) * (h + 2 * kMargin), kGuard),
          canvas(buffer.data() + kMargin * stride + kMargin, w, h, stride, translateX, translateY) {
    }

    std::uint32_t At(int x, int y) const {
        return buffer[static_cast<std::size_t>((y + kMargin) * stride + x + kMargin)];
    }
    bool Inside(std::size_t i) const {
        const long long x = static_cast<long long>(i % stride) - kMargin;
        const long long y = static_cast<long long>(i / stride) - kMargin;
        return x >= 0 && y >= 0 && x < width && y < height;
    }
    int TouchedOutside() const {
        int n = 0;
        for (std::size_t i = 0; i < buffer.size(); ++i) n += !Inside(i) && buffer[i] != kGuard;
        return n;
    }
    int Painted() const {
        int n = 0;
        for (std::size_t i = 0; i < buffer.size(); ++i) n += Inside(i) && buffer[i] != kGuard;
        return n;
    }
};

TEST(RasterCanvas, HostileCoordinatesAndHeightsStayInsideThePicture) {
    const struct {
        const char* name;
        int x, y, height;
        TRect rect;
        bool paints;  // whether anything reaches the 40 x 30 picture
    } cases[] = {
        {"text at the origin", 0, 0, 16, {0, 0, 40, 30}, true},
        {"text left and above", -15, -10, 24, {-5, -5, 20, 10}, true},
        {"text right and below", 35, 25, 24, {30, 20, 45, 35}, true},
        {"minimum coordinates", INT_MIN, INT_MIN, 16, {INT_MIN, INT_MIN, INT_MIN, INT_MIN}, false},
        {"maximum coordinates", INT_MAX, INT_MAX, 16, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, false},
        {"rectangle over everything",
         INT_MIN,
         INT_MIN,
         16,
         {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
         true},
        {"largest cell height", 0, 0, INT_MAX, {0, 0, 40, 30}, true},
        {"largest character height", -3000, -3000, INT_MIN, {-5, -5, 45, 35}, true},
        {"text far right at the largest size", INT_MAX - 10, 0, -8192, {40, 0, 40, 30}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Guarded picture(40, 30);
        TCanvas& canvas = picture.canvas;
        canvas.SetBrushColor(kBrush);
        canvas.SetFontColor(kInk);
        canvas.SetFontName(kFamily);
        canvas.SetFontHeight(c.height);
        canvas.TextOut(c.x, c.y, "08(\xff\xd0\x96");
        canvas.TextRect(c.rect, c.x, c.y, "8");
        canvas.FillRect(c.rect);
        canvas.MoveTo(c.x, c.y);
        canvas.LineTo(c.rect.Right, c.rect.Bottom);
        EXPECT_EQ(picture.TouchedOutside(), 0);
        EXPECT_EQ(picture.Painted() > 0, c.paints);
    }
}

TEST(RasterCanvas, TranslationMovesEveryOperation) {
    Guarded plain(50, 40), moved(50, 40, -7, 5);
    for (RasterCanvas* canvas : {&plain.canvas, &moved.canvas}) {
        canvas->SetFontHeight(18);
        canvas->FillRect({10, 3, 30, 9});
        canvas->MoveTo(12, 2);
        canvas->LineTo(40, 20);
        canvas->TextOut(15, 10, "08");
        canvas->TextRect({14, 12, 30, 20}, 15, 12, "5");
    }
    for (int y = 0; y < 35; ++y)
        for (int x = 0; x < 43; ++x)
            ASSERT_EQ(moved.At(x, y + 5), plain.At(x + 7, y)) << x << "," << y;
}

// Joined fills hold a bar back until something else is drawn, and kept calls are drawn later on
// another canvas; every sequence must end in the pixels drawing it directly gives, glyphs
// blended over a held bar, fills over it and text laid out by its measured width included.
TEST(RasterCanvas, JoinedAndKeptDrawingPaintsWhatDirectDrawingPaints) {
    using Draw = void (*)(TCanvas&);
    const struct {
        const char* name;
        Draw draw;
    } cases[] = {
        {"a bar of lines, then text blended over it",
         [](TCanvas& c) {
             for (int x = 4; x < 12; ++x) c.MoveTo(x, 0), c.LineTo(x, 40);
             c.SetFontHeight(14);
             c.SetBrushColor(0x00FF00);
             c.TextRect({2, 10, 30, 26}, 3, 10, "8");
         }},
        {"lines of other colours, heights and directions side by side",
         [](TCanvas& c) {
             c.MoveTo(2, 0), c.LineTo(2, 30);
             c.SetPenColor(0xFF0000);
             c.MoveTo(3, 0), c.LineTo(3, 30);
             c.MoveTo(4, 0), c.LineTo(4, 20);
             c.MoveTo(5, 20), c.LineTo(5, -1);
             c.MoveTo(7, 0), c.LineTo(7, 30);
             c.MoveTo(6, 0), c.LineTo(6, 30);
         }},
        {"a held bar crossed by a slanted line and a rectangle",
         [](TCanvas& c) {
             for (int x = 10; x < 20; ++x) c.MoveTo(x, 5), c.LineTo(x, 35);
             c.SetPenColor(0xFFFFFF);
             c.MoveTo(0, 0), c.LineTo(30, 40);
             for (int x = 20; x < 24; ++x) c.MoveTo(x, 5), c.LineTo(x, 35);
             c.SetBrushColor(0x808080);
             c.FillRect({15, 10, 22, 12});
             c.SetPenColor(0x123456);
             c.MoveTo(22, 5), c.LineTo(22, 35);
         }},
        {"text in another font and colour, placed by its width",
         [](TCanvas& c) {
             c.SetFontName("DejaVu Serif");
             c.SetFontHeight(-12);
             c.SetFontColor(0x8000FF);
             c.TextOut(38 - c.TextWidth("47"), 2, "47");
             c.SetFontName(kFamily);
             c.TextOut(1, 20, "5");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint32_t> direct(40 * 40, 0xFFFFFFFFu), joined = direct, played = direct;
        {
            RasterCanvas canvas(direct.data(), 40, 40, 40);
            c.draw(canvas);
        }
        {
            RasterCanvas canvas(joined.data(), 40, 40, 40, 0, 0, Fills::Joined);
            c.draw(canvas);
        }
        {
            CanvasCalls calls;
            c.draw(calls);
            RasterCanvas canvas(played.data(), 40, 40, 40, 0, 0, Fills::Joined);
            calls.PlayOnto(canvas);
        }
        EXPECT_EQ(joined, direct);
        EXPECT_EQ(played, direct);
    }
    for (const char* type : {"EAN-13", "ITF-14", "UCC/EAN-128"}) {
        SCOPED_TRACE(type);
        const char* data = type[0] == 'E'   ? "4006381333931"
                           : type[0] == 'I' ? "15400141288763"
                                            : "(01)09501101530003(10)AB";
        const SymbolRequest request = test::RequestOf(type, data);
        const SymbolRenderer render = BindSymbol(request, 7.5, 7.5);
        const TRect box = MeasureSymbolBounds(render);
        const int width = box.Right - box.Left, height = box.Bottom - box.Top;
        std::vector<std::uint32_t> immediate(static_cast<std::size_t>(width) * height, 0),
            joined = immediate;
        for (const Fills fills : {Fills::Immediate, Fills::Joined}) {
            RasterCanvas canvas((fills == Fills::Joined ? joined : immediate).data(), width, height,
                                width, -box.Left, -box.Top, fills);
            TRect drawn;
            render(&canvas, 0, 0, drawn);
        }
        EXPECT_EQ(joined, immediate);
    }
}

TEST(Fonts, MalformedUtf8IsOneReplacementCharacterPerBadByte) {
    const int replacement = TextAdvance(kFamily, 20, "\xEF\xBF\xBD");
    ASSERT_GT(replacement, 0);
    const struct {
        const char* text;
        int replacements;
        const char* rest;  // the valid characters around them
    } cases[] = {
        {"\xff", 1, ""},
        {"8\xc3", 1, "8"},
        {"\xe2\x82", 2, ""},
        {"\xc0\xaf", 2, ""},          // overlong '/'
        {"\xed\xa0\x80", 3, ""},      // a surrogate
        {"\xf4\x90\x80\x80", 4, ""},  // beyond U+10FFFF
        {"\x80\x80"
         "08",
         2, "08"},                        // continuation bytes without a lead
        {"\xd0\x96\xd0", 1, "\xd0\x96"},  // a Cyrillic letter, then a cut one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextAdvance(kFamily, 20, c.text),
                  c.replacements * replacement + TextAdvance(kFamily, 20, c.rest));
    }
}

TEST(Fonts, AdvancesAreWholePixelsPerCharacter) {
    const char* texts[] = {"0123456789", "\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82",
                           "(01)ABC xyz"};
    for (const int height : {9, 16, 33, -40}) {
        for (const char* text : texts) {
            const std::string s = text;
            int sum = 0;
            for (std::size_t i = 0; i < s.size();) {
                const std::size_t length = (s[i] & 0x80) == 0 ? 1 : 2;  // ASCII or 2-byte here
                sum += TextAdvance(kFamily, height, s.substr(i, length));
                i += length;
            }
            EXPECT_GT(sum, 0);
            EXPECT_EQ(TextAdvance(kFamily, height, s), sum) << height << " " << s;
        }
    }
}

TEST(Fonts, ASubstituteDrawsAFamilyThatIsNotInstalled) {
    EXPECT_TRUE(FamilyInstalled("Liberation Sans"));
    EXPECT_TRUE(FamilyInstalled("LIBERATION SANS"));
    EXPECT_FALSE(FamilyInstalled("LiberationSans"));
    EXPECT_FALSE(FamilyInstalled("No Such Family 4711"));
    EXPECT_FALSE(FontFileFor("No Such Family 4711").empty());
    EXPECT_FALSE(DrawnFamily("No Such Family 4711").empty());
    EXPECT_GT(CellForHeight("No Such Family 4711", 16).pixelSize, 0);
}

// The default family is found without fontconfig; it must be the file fontconfig would give.
TEST(Fonts, TheDefaultFamilyIsTheFileFontconfigMatches) {
    std::string matched(4096, '\0');
    FILE* fcMatch = popen("fc-match --format=%{file} 'Liberation Sans'", "r");
    ASSERT_NE(fcMatch, nullptr);
    matched.resize(fread(matched.data(), 1, matched.size(), fcMatch));
    pclose(fcMatch);
    ASSERT_FALSE(matched.empty());
    for (const char* family : {"Liberation Sans", "liberation sans", "LIBERATION SANS"}) {
        EXPECT_EQ(FontFileFor(family), matched) << family;
        EXPECT_EQ(DrawnFamily(family), "Liberation Sans") << family;
    }
}

RasterPicture Ean13(double dotsPerMm) {
    SymbolRequest request;
    request.symbology = &SymbologyOf(Symbology::EAN13);
    request.digits = "4006381333931";
    return RenderSymbolRaster(request, dotsPerMm, dotsPerMm);
}

// Fresh threads start with empty font caches; their pictures must equal one drawn alone.
TEST(RasterCanvas, ThreadsDrawTextAtTheSameTimeAlike) {
    const double scales[] = {2.5, 4, 7.87, 12};
    std::vector<RasterPicture> alone;
    for (const double scale : scales) alone.push_back(Ean13(scale));
    std::vector<int> differing(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round)
                for (std::size_t i = 0; i < alone.size(); ++i) {
                    const RasterPicture picture = Ean13(scales[(i + t) % alone.size()]);
                    const RasterPicture& reference = alone[(i + t) % alone.size()];
                    const PixelView a = picture.raster.View(), b = reference.raster.View();
                    if (a.width != b.width || a.height != b.height ||
                        !std::equal(a.pixels, a.pixels + a.width * a.height, b.pixels))
                        ++differing[t];
                }
        });
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(differing, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace quillmark
