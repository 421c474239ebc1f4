// The renderers under values far outside any screen or printer, and the shared font fitting.
#include "encoders/RenderLimits.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/UCCEAN128.h"
#include "support/ExtentCanvas.h"
#include "support/RecordingCanvas.h"

namespace quillmark {
namespace {

// One renderer with everything but the canvas, the numbers and the bounds fixed.
using Render =
    std::function<void(TCanvas*, double offset, unsigned short size, double scale, TRect& bounds)>;

struct Renderer {
    const char* name;
    Render render;
};

const Code128Codes& LongestCodes() {
    static const Code128Codes codes = [] {
        Code128Codes c{};
        std::string hr;
        EncodeUCCEAN128(std::string(600, 'A'), c, hr);  // 255 codewords
        return c;
    }();
    return codes;
}

const std::vector<Renderer>& Renderers() {
    static const std::vector<Renderer> renderers = {
        {"ISBN-13 with 5-digit add-on",
         [](TCanvas* c, double o, unsigned short s, double sc, TRect& b) {
             DrawEANUPC("ISBN-13", "5-Digit", "978570001234552495", c, o, o, s, sc, sc, b);
         }},
        {"UPC-A with 2-digit add-on",
         [](TCanvas* c, double o, unsigned short s, double sc, TRect& b) {
             DrawEANUPC("UPC-A", "2-Digit", "03600029145212", c, o, o, s, sc, sc, b);
         }},
        {"ITF-14", [](TCanvas* c, double o, unsigned short s, double sc,
                      TRect& b) { DrawITF14("12345678901231", c, s, o, o, sc, sc, true, b); }},
        {"UCC/EAN-128, 255 codewords",
         [](TCanvas* c, double o, unsigned short s, double sc, TRect& b) {
             DrawUCCEAN128(LongestCodes(), "(10)AAAA", c, o, o, s, s, sc, sc, b);
         }},
    };
    return renderers;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RenderLimits, UnusableNumbersGiveEmptyBoundsAndDrawNothing) {
    struct Case {
        double offset;
        unsigned short size;
        double scale;
    };
    const Case cases[] = {
        {0, 100, 0},      {0, 100, -0.0},  {0, 100, -4},     {0, 100, kInf}, {0, 100, -kInf},
        {0, 100, kNaN},   {0, 0, 4},       {kNaN, 100, 4},   {kInf, 100, 4}, {1e300, 100, 4},
        {-1e300, 100, 4}, {0, 100, 1e300}, {0, 65535, 1e12},
    };
    for (const Renderer& r : Renderers()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(r.name) + " offset " + std::to_string(c.offset) + " size " +
                         std::to_string(c.size) + " scale " + std::to_string(c.scale));
            TRect measured{1, 2, 3, 4};
            r.render(nullptr, c.offset, c.size, c.scale, measured);
            EXPECT_EQ(measured, TRect{});
            test::ExtentCanvas canvas({});
            TRect drawn{1, 2, 3, 4};
            r.render(&canvas, c.offset, c.size, c.scale, drawn);
            EXPECT_EQ(drawn, TRect{});
            EXPECT_EQ(canvas.ops, 0);
        }
    }
}

// 65535 % and 1000 dots/mm are far beyond any window, printer or picture, yet lie inside the
// addressable range: the symbol is laid out, drawn inside its extent, and in reasonable time.
TEST(RenderLimits, HugeButAddressableSymbolsAreDrawnInsideTheirExtent) {
    struct Case {
        unsigned short size;
        double scale;
    };
    const Case cases[] = {{65535, 4}, {100, 1000}, {400, 1000}, {65535, 100}, {1, 1000}};
    for (const Renderer& r : Renderers()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(r.name) + " size " + std::to_string(c.size) + " scale " +
                         std::to_string(c.scale));
            TRect measured;
            r.render(nullptr, 0, c.size, c.scale, measured);
            ASSERT_GT(measured.Right, 0);
            ASSERT_GT(measured.Bottom, 0);
            test::ExtentCanvas canvas(measured);
            TRect drawn;
            const auto start = std::chrono::steady_clock::now();
            r.render(&canvas, 0, c.size, c.scale, drawn);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            EXPECT_EQ(drawn, measured);
            EXPECT_GT(canvas.ops, 0);
            EXPECT_EQ(canvas.outside, 0);
            // The font is fitted with a handful of measurements, never one per pixel of height.
            EXPECT_LT(canvas.measures, 200);
            EXPECT_LT(took.count(), 20.0);
        }
    }
}

// Inputs the fuzzers found: nothing may be painted outside the extent.
TEST(RenderLimits, FuzzFindingsDrawInsideTheirExtent) {
    struct Case {
        const char* name;
        std::function<void(TCanvas*, TRect&)> render;
    };
    const Case cases[] = {
        // A fraction of a pixel per millimetre down: the rounded bearer bands reached past the
        // extent's single row.
        {"ITF-14 at 0.098 px/mm high",
         [](TCanvas* c, TRect& b) {
             DrawITF14("", c, 21, -100, -4.9999999999965841, 1.6798108816147135,
                       0.09777963161471348, true, b);
         }},
        {"ITF-14 side bearers wider than the extent",
         [](TCanvas* c, TRect& b) { DrawITF14("", c, 1, 0, 0, 0.6, 40, true, b); }},
        {"EAN-13 at 13:1 aspect",
         [](TCanvas* c, TRect& b) {
             DrawEANUPC("EAN-13", "2-Digit", "000000000000000", c, 619, 18.294117647058826, 41,
                        18.294106918222766, 236, b);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TRect measured;
        c.render(nullptr, measured);
        test::ExtentCanvas canvas(measured);
        TRect drawn;
        c.render(&canvas, drawn);
        EXPECT_EQ(drawn, measured);
        EXPECT_EQ(canvas.outside, 0);
    }
}

// The extent of the worked UCC/EAN-128 example scaled up: the arithmetic stays exact far out.
TEST(RenderLimits, HugeExtentsFollowTheLayoutRules) {
    TRect bounds;
    DrawEANUPC("EAN-13", "None", "4006381333931", nullptr, 0, 0, 100, 1000, 1000, bounds);
    EXPECT_EQ(bounds, (TRect{0, 0, Px(113 * 0.33 * 1000), Px(25.91 * 1000)}));
    DrawITF14("12345678901231", nullptr, 65535, 0, 0, 1000, 1000, true, bounds);
    const double m = 655.35;
    EXPECT_EQ(bounds.Right, Px(1000 * (140.5 * 1.016 * m) + 2 * 1000 * 4.8 * m));
    EXPECT_EQ(bounds.Bottom, Px(1000 * 32 * m + 2 * 1000 * 4.8 * m + 5.72 * m * 1000));
    DrawUCCEAN128(LongestCodes(), "", nullptr, 0, 0, 407, 400, 100, 100, bounds);
    EXPECT_EQ(bounds.Right, Px((11 * 255 + 33) * 100 * 0.25 * 4.07));  // about 290,000 pixels
}

// The fitted height equals the one found by lowering a pixel at a time, for proportional and
// for stepped text widths.
class SteppedCanvas : public test::RecordingCanvas {
public:
    SteppedCanvas() : RecordingCanvas(1, 1) {}
    // Widths grow in steps and have a floor, as hinted fonts do at small sizes; like every font
    // the fitting relies on, they never shrink as the height grows.
    int TextWidth(std::string_view text) override {
        const int h = std::abs(FontHeight());
        return h <= 0 ? 0 : static_cast<int>(text.size()) * (2 + h / 3 + h / 10);
    }
};

int DescendOnePixelAtATime(TCanvas& canvas, std::string_view text, int start, int minHeight,
                           double limit, Fit fit) {
    int height = start;
    canvas.SetFontHeight(height);
    const auto fits = [&] {
        const double w = canvas.TextWidth(text);
        return fit == Fit::Narrower ? w < limit : w <= limit;
    };
    while (height > minHeight && !fits()) canvas.SetFontHeight(--height);
    return height;
}

TEST(RenderLimits, FitFontHeightMatchesThePixelByPixelDescent) {
    const std::string texts[] = {"", "9", "ISBN 978-5-7000-1234-5", std::string(500, '(')};
    for (const bool stepped : {false, true}) {
        for (const std::string& text : texts) {
            for (const int start : {-5, 0, 1, 2, 16, 53, 400}) {
                for (const double limit : {0.0, 1.0, 7.5, 37.0, 149.0, 2000.0, 1e6}) {
                    for (const Fit fit : {Fit::Narrower, Fit::NoWider}) {
                        for (const int minHeight : {0, 1}) {
                            SCOPED_TRACE(text.substr(0, 20) + " start " + std::to_string(start) +
                                         " limit " + std::to_string(limit) + " stepped " +
                                         std::to_string(stepped));
                            SteppedCanvas steppedCanvas;
                            test::RecordingCanvas plainCanvas(1, 1);
                            TCanvas& a = stepped ? static_cast<TCanvas&>(steppedCanvas)
                                                 : static_cast<TCanvas&>(plainCanvas);
                            const int expected =
                                DescendOnePixelAtATime(a, text, start, minHeight, limit, fit);
                            const int got = FitFontHeight(a, text, start, minHeight, limit, fit);
                            EXPECT_EQ(got, expected);
                            EXPECT_EQ(a.FontHeight(), expected);
                        }
                    }
                }
            }
        }
    }
}

// Every start height against every limit, where the answer often lies just below the start.
TEST(RenderLimits, FitFontHeightMatchesTheDescentDensely) {
    for (int start = 1; start <= 60; ++start) {
        for (double limit = 0; limit <= 120; limit += 0.5) {
            SteppedCanvas a, b;
            const int expected = DescendOnePixelAtATime(a, "1234", start, 1, limit, Fit::NoWider);
            ASSERT_EQ(FitFontHeight(b, "1234", start, 1, limit, Fit::NoWider), expected)
                << "start " << start << " limit " << limit;
        }
    }
}

}  // namespace
}  // namespace quillmark
