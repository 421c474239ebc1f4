// ITF-14: element strings, extent, bar/bearer/digit pixels, and decoding the drawn bars back.
#include "encoders/ITF14.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/RecordingCanvas.h"

namespace quillmark {
namespace {

using test::kUnpainted;
using test::kWhite;
using test::RecordingCanvas;

// Interleaved 2 of 5 digit widths as published (N narrow, W wide), written independently of the
// encoder's table so that decoding checks it.
constexpr std::array<std::string_view, 10> kPublishedWidths = {
    "NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW", "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN"};

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Modules(std::string_view elements) {
    double sum = 0;
    for (char e : elements) sum += (e == '2' || e == '3') ? 2.5 : 1.0;
    return sum;
}

// The fourteen digits an element string carries, or "?" when it is not a well-formed ITF-14.
std::string DigitsFromElements(std::string_view elements) {
    if (elements.size() != 77 || elements.substr(0, 4) != "1010" || elements.substr(74) != "301")
        return "?";
    auto digitOf = [](const std::string& widths) -> char {
        for (std::size_t d = 0; d < kPublishedWidths.size(); ++d)
            if (kPublishedWidths[d] == widths) return static_cast<char>('0' + d);
        return '?';
    };
    std::string digits;
    for (std::size_t pair = 0; pair < 7; ++pair) {
        std::string bars, spaces;
        for (std::size_t k = 0; k < 5; ++k) {
            const char bar = elements[4 + 10 * pair + 2 * k];
            const char space = elements[5 + 10 * pair + 2 * k];
            if ((bar != '1' && bar != '3') || (space != '0' && space != '2')) return "?";
            bars += bar == '3' ? 'W' : 'N';
            spaces += space == '2' ? 'W' : 'N';
        }
        digits += digitOf(bars);
        digits += digitOf(spaces);
    }
    return digits;
}

struct PixelRun {
    bool dark;
    int start;
    int width;
};

// Runs of pen and non-pen pixels on row y, from the first pen pixel to the last one.
std::vector<PixelRun> DarkRuns(const RecordingCanvas& canvas, int y) {
    const std::string row = canvas.Row(y);
    const std::size_t first = row.find('1');
    const std::size_t last = row.rfind('1');
    std::vector<PixelRun> runs;
    if (first == std::string::npos) return runs;
    for (std::size_t x = first; x <= last; ++x) {
        const bool dark = row[x] == '1';
        if (runs.empty() || runs.back().dark != dark)
            runs.push_back({dark, static_cast<int>(x), 0});
        ++runs.back().width;
    }
    return runs;
}

TRect Measure(unsigned short size, double sx, double sy, double ox = 0, double oy = 0) {
    TRect bounds{-1, -1, -1, -1};
    DrawITF14("00000000000000", nullptr, size, ox, oy, sx, sy, true, bounds);
    return bounds;
}

TEST(ITF14Patterns, MatchThePublishedWidths) {
    for (std::size_t d = 0; d < 10; ++d) {
        SCOPED_TRACE(d);
        std::string widths;
        for (char ch : ITFDigitPatterns[d]) widths += ch == '1' ? 'W' : 'N';
        EXPECT_EQ(widths, kPublishedWidths[d]);
    }
}

TEST(ITF14Elements, FourteenZeros) {
    std::string expected = "1010";
    for (int i = 0; i < 7; ++i) expected += "1010323210";
    expected += "301";
    EXPECT_EQ(ITF14Elements("00000000000000"), expected);
}

TEST(ITF14Elements, BarsCarryTheFirstDigitOfAPairAndSpacesTheSecond) {
    // 1 = W N N N W on the bars, 2 = N W N N W on the spaces.
    EXPECT_EQ(ITF14Elements("12000000000000").substr(4, 10), "3012101032");
    EXPECT_EQ(ITF14Elements("21000000000000").substr(4, 10), "1230101032");
}

TEST(ITF14Elements, FourteenDigitsGive77ElementsOver120AndAHalfModules) {
    for (const char* digits : {"00000000000000", "99999999999999", "10012345678902",
                               "15400141288763", "01234567890128", "98765432109876"}) {
        SCOPED_TRACE(digits);
        const std::string elements = ITF14Elements(digits);
        EXPECT_EQ(elements.size(), 77u);
        EXPECT_DOUBLE_EQ(Modules(elements), 120.5);
        EXPECT_EQ(DigitsFromElements(elements), digits);
    }
}

TEST(ITF14Elements, AnythingButFourteenDigitsGivesNothing) {
    const std::string fourteen = "12345678901231";
    for (std::string_view digits :
         {std::string_view(""), std::string_view("1234"), std::string_view(fourteen).substr(0, 13),
          std::string_view("123456789012310"), std::string_view("1234567890123A"),
          std::string_view("123456 7890123"),
          std::string_view("\xc3\xa9"
                           "123456789012")}) {
        SCOPED_TRACE(std::string(digits));
        EXPECT_EQ(ITF14Elements(digits), "");
    }
}

TEST(ITF14Extent, KnownSizesAndOffsets) {
    struct Case {
        unsigned short size;
        double sx, sy, ox, oy;
        TRect expected;
    };
    const Case cases[] = {
        {100, 10, 10, 0, 0, {0, 0, 1523, 473}},
        {25, 10, 10, 0, 0, {0, 0, 381, 118}},
        {100, 10, 10, 3, 2, {30, 20, 1553, 493}},
        {100, 3.937, 3.937, 0, 0, {0, 0, 600, 186}},  // 152.348 x 47.32 mm at 100 dpi
        {50, 20, 5, 0, 0, {0, 0, 1523, 118}},         // each axis its own scale
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << "% " << c.sx << "x" << c.sy);
        EXPECT_EQ(Measure(c.size, c.sx, c.sy, c.ox, c.oy), c.expected);
    }
}

TEST(ITF14Extent, DrawPassReportsTheMeasuredExtentForAnyDigitsAndBorder) {
    for (unsigned short size = 25; size <= 100; size += 5)
        for (double scale : {0.4, 2.0, 3.7795, 3.937, 10.0, 11.811})
            for (const char* digits : {"15400141288763", "99999999999999", "123", ""})
                for (bool full : {true, false}) {
                    SCOPED_TRACE(testing::Message()
                                 << size << "% " << scale << " '" << digits << "' " << full);
                    const TRect measured = Measure(size, scale, scale * 1.1, 1.5, 0.5);
                    RecordingCanvas canvas(measured.Right + 4, measured.Bottom + 4);
                    TRect drawn{-1, -1, -1, -1};
                    DrawITF14(digits, &canvas, size, 1.5, 0.5, scale, scale * 1.1, full, drawn);
                    EXPECT_EQ(drawn, measured);
                    ASSERT_FALSE(canvas.fills.empty());
                    EXPECT_EQ(canvas.fills.front(), measured);
                }
}

TEST(ITF14Extent, HostileNumbersGiveEmptyBoundsAndDrawNothing) {
    struct Case {
        unsigned short size;
        double sx, sy, ox, oy;
    };
    const Case cases[] = {
        {0, 10, 10, 0, 0},      {100, 0, 10, 0, 0},      {100, 10, 0, 0, 0},
        {100, -10, 10, 0, 0},   {100, 10, -1, 0, 0},     {100, kInf, 10, 0, 0},
        {100, 10, -kInf, 0, 0}, {100, kNaN, 10, 0, 0},   {100, 10, kNaN, 0, 0},
        {100, 10, 10, kInf, 0}, {100, 10, 10, 0, kNaN},  {100, 10, 10, 1e300, 0},
        {100, 1e300, 10, 0, 0}, {100, 10, 10, 0, -1e12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.size << "% " << c.sx << "x" << c.sy << " at " << c.ox << "," << c.oy);
        TRect bounds{1, 2, 3, 4};
        DrawITF14("15400141288763", nullptr, c.size, c.ox, c.oy, c.sx, c.sy, true, bounds);
        EXPECT_EQ(bounds, TRect{});
        RecordingCanvas canvas(20, 20);
        bounds = {1, 2, 3, 4};
        DrawITF14("15400141288763", &canvas, c.size, c.ox, c.oy, c.sx, c.sy, true, bounds);
        EXPECT_EQ(bounds, TRect{});
        EXPECT_TRUE(canvas.fills.empty());
        EXPECT_TRUE(canvas.lines.empty());
        EXPECT_TRUE(canvas.texts.empty());
    }
}

// 10 px/mm, 100 %, zero offsets: the worked example.
class ITF14At10PxPerMm : public testing::Test {
protected:
    void Draw(std::string_view digits, bool fullBorder) {
        DrawITF14(digits, &canvas, 100, 0, 0, 10, 10, fullBorder, bounds);
    }
    RecordingCanvas canvas{1530, 480};
    TRect bounds;
};

TEST_F(ITF14At10PxPerMm, BarsStartAt150And170AndSpanRows48To367) {
    Draw("15400141288763", false);
    const std::vector<PixelRun> runs = DarkRuns(canvas, 48);
    ASSERT_EQ(runs.size(), 77u);
    EXPECT_EQ(runs[0].start, 150);
    EXPECT_EQ(runs[0].width, 10);
    EXPECT_EQ(runs[2].start, 170);
    EXPECT_EQ(runs[2].width, 10);
    EXPECT_EQ(runs.back().start + runs.back().width, 1374);  // 10 X short of the side band
    // Both edges of a bar from the exact grid: narrow bars of 10.16 px and wide ones of 25.4 px
    // come out 10 or 11 and 25 or 26 pixels wide.
    for (const PixelRun& run : runs)
        if (run.dark) {
            EXPECT_TRUE(run.width == 10 || run.width == 11 || run.width == 25 || run.width == 26)
                << run.start;
        }
    for (int y = 48; y <= 367; ++y) ASSERT_EQ(canvas.Row(y), canvas.Row(48)) << y;
    EXPECT_TRUE(canvas.ColumnDark(150, 48, 368));
    EXPECT_EQ(canvas.At(150, 416), kWhite);  // below the bottom bearer
}

TEST_F(ITF14At10PxPerMm, TopAndBottomBearersSpanTheWholeWidth) {
    for (bool full : {true, false}) {
        SCOPED_TRACE(full);
        canvas = RecordingCanvas(1530, 480);
        Draw("15400141288763", full);
        const std::string bearer = std::string(1523, '1') + std::string(7, '0');
        for (int y : {0, 47, 368, 415}) EXPECT_EQ(canvas.Row(y), bearer) << y;
        EXPECT_EQ(canvas.At(0, 416), kWhite);
        EXPECT_EQ(canvas.At(1522, 416), kWhite);
        EXPECT_EQ(canvas.At(1523, 0), kUnpainted);
    }
}

TEST_F(ITF14At10PxPerMm, FullBorderDrawsSideBearersOverColumns0To47And1475To1522) {
    Draw("15400141288763", true);
    for (int x : {0, 47, 1475, 1522}) EXPECT_TRUE(canvas.ColumnDark(x, 0, 416)) << x;
    const std::string row = canvas.Row(200);
    EXPECT_EQ(row.substr(0, 48), std::string(48, '1'));
    EXPECT_EQ(row.substr(48, 102), std::string(102, '0'));    // left quiet zone
    EXPECT_EQ(row.substr(1374, 101), std::string(101, '0'));  // right quiet zone
    EXPECT_EQ(row.substr(1475, 48), std::string(48, '1'));
}

TEST_F(ITF14At10PxPerMm, WithoutFullBorderTheSideBandsStayBackground) {
    Draw("15400141288763", false);
    EXPECT_EQ(bounds, (TRect{0, 0, 1523, 473}));
    for (int y : {48, 200, 367})
        for (int x : {0, 47, 1475, 1522}) EXPECT_EQ(canvas.At(x, y), kWhite) << x << "," << y;
}

TEST_F(ITF14At10PxPerMm, DigitsOneByOneOnAnEvenPitchFromColumn160Row421) {
    const std::string digits = "15400141288763";
    Draw(digits, true);
    // Cell 53 px, "9" 27 px wide: pitch (1224.28 - 27 - 10.16) / 13.
    const int expectedX[] = {160, 251, 342, 434,  525,  616,  708,
                             799, 890, 982, 1073, 1164, 1256, 1347};
    ASSERT_EQ(canvas.texts.size(), 14u);
    for (std::size_t j = 0; j < 14; ++j) {
        SCOPED_TRACE(j);
        const test::TextCall& t = canvas.texts[j];
        EXPECT_FALSE(t.inRect);
        EXPECT_EQ(t.text, digits.substr(j, 1));
        EXPECT_EQ(t.x, expectedX[j]);
        EXPECT_EQ(t.y, 421);
        EXPECT_EQ(t.fontHeight, 53);
    }
    EXPECT_EQ(canvas.FontHeight(), 53);  // left changed
    // The last digit, as wide as "9", ends at the stop pattern's right edge.
    EXPECT_EQ(expectedX[13] + RecordingCanvas::CharWidth(53), 1374);
}

// A proportional font: "1" half as wide as the other digits.
class ProportionalCanvas : public RecordingCanvas {
public:
    using RecordingCanvas::RecordingCanvas;
    int TextWidth(std::string_view text) override {
        int w = 0;
        for (char ch : text) w += ch == '1' ? CharWidth(FontHeight()) / 2 : CharWidth(FontHeight());
        return w;
    }
};

TEST(ITF14Digits, ANarrowOneDoesNotShiftTheDigitsAfterIt) {
    std::vector<int> reference;
    for (const char* digits : {"99999999999999", "11111111111111", "19191919191919"}) {
        SCOPED_TRACE(digits);
        ProportionalCanvas canvas(1530, 480);
        TRect bounds;
        DrawITF14(digits, &canvas, 100, 0, 0, 10, 10, true, bounds);
        ASSERT_EQ(canvas.texts.size(), 14u);
        std::vector<int> xs;
        for (const auto& t : canvas.texts) xs.push_back(t.x);
        if (reference.empty()) reference = xs;
        EXPECT_EQ(xs, reference);
    }
}

TEST(ITF14Digits, ScaleWithTheMagnification) {
    RecordingCanvas canvas(400, 130);
    TRect bounds;
    DrawITF14("15400141288763", &canvas, 25, 0, 0, 10, 10, true, bounds);
    ASSERT_EQ(canvas.texts.size(), 14u);
    EXPECT_EQ(canvas.texts[0].fontHeight, 13);  // Px(13.25)
    EXPECT_EQ(canvas.texts[0].x, 40);           // Px(12 + 27.94)
    EXPECT_EQ(canvas.texts[0].y, 105);          // Px(24 + 80 + 1.27)
}

TEST(ITF14Draw, BadDigitsGiveFillAndBearersButNoBarsAndNoDigits) {
    const std::string fourteen = "15400141288763";
    for (std::string_view digits :
         {std::string_view(""), std::string_view("1540"), std::string_view(fourteen).substr(0, 13),
          std::string_view("154001412887630"), std::string_view("1540014128876X"),
          std::string_view("\xc3\xa9"
                           "400141288763")}) {
        SCOPED_TRACE(std::string(digits));
        RecordingCanvas canvas(1530, 480);
        canvas.SetFontHeight(7);
        TRect bounds;
        DrawITF14(digits, &canvas, 100, 0, 0, 10, 10, true, bounds);
        EXPECT_EQ(bounds, (TRect{0, 0, 1523, 473}));
        EXPECT_EQ(canvas.fills.front(), bounds);
        EXPECT_TRUE(canvas.ColumnDark(0, 0, 416));
        EXPECT_TRUE(canvas.ColumnDark(1522, 0, 416));
        EXPECT_EQ(canvas.Row(0).substr(0, 1523), std::string(1523, '1'));
        for (int y : {48, 200, 367})
            EXPECT_EQ(canvas.Row(y).substr(48, 1427), std::string(1427, '0')) << y;
        EXPECT_TRUE(canvas.texts.empty());
        EXPECT_EQ(canvas.FontHeight(), 7);
    }
}

TEST(ITF14Draw, NoBarsWhenTheNarrowElementRoundsToNoColumn) {
    struct Case {
        double sx;
        bool bars;
    };
    // Narrow = sx * 1.016 px, wide 2.5 times that.
    const Case cases[] = {{0.40, false}, {0.49, false}, {0.20, false}, {0.50, true}, {0.75, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sx);
        RecordingCanvas canvas(200, 480);
        TRect bounds;
        DrawITF14("15400141288763", &canvas, 100, 0, 0, c.sx, 10, false, bounds);
        EXPECT_EQ(bounds, Measure(100, c.sx, 10));
        const std::string band = canvas.Row(200).substr(0, static_cast<std::size_t>(bounds.Right));
        EXPECT_EQ(band.find('1') != std::string::npos, c.bars) << band;
        EXPECT_EQ(canvas.Row(0).substr(0, static_cast<std::size_t>(bounds.Right)),
                  std::string(static_cast<std::size_t>(bounds.Right), '1'));
        EXPECT_EQ(canvas.texts.size(), 14u);
    }
}

TEST(ITF14Draw, PenStaysInsideTheExtent) {
    for (unsigned short size = 25; size <= 100; size += 5)
        for (double scale : {0.625, 1.0, 2.5, 3.7795, 3.937, 10.0}) {
            SCOPED_TRACE(testing::Message() << size << "% " << scale);
            const TRect r = Measure(size, scale, scale);
            RecordingCanvas canvas(r.Right + 3, r.Bottom + 3);
            canvas.SetFontColor(0x00FF00);
            TRect bounds;
            DrawITF14("15400141288763", &canvas, size, 0, 0, scale, scale, true, bounds);
            int outside = 0;
            for (int y = 0; y < canvas.Height(); ++y)
                for (int x = 0; x < canvas.Width(); ++x)
                    if ((x >= r.Right || y >= r.Bottom) && canvas.Dark(x, y)) ++outside;
            EXPECT_EQ(outside, 0);
        }
}

// Reads the bars back from one pixel row: widths -> narrow/wide -> digits. The offsets and the
// scales 5 and 3.125 put bar edges on exact half pixels. Below about 1.43 px per narrow element
// (25 % on a 96 or 100 dpi screen) the pixel widths of narrow and wide spaces overlap, so those
// sizes are not in the table.
TEST(ITF14Draw, BarsDecodeBackFromThePixelRow) {
    struct Case {
        unsigned short size;
        double scale;
        double offset;
    };
    const Case cases[] = {{100, 10, 0},   {50, 10, 3},       {25, 10, 0},     {100, 3.937, 7},
                          {30, 3.937, 2}, {100, 3.7795, 11}, {35, 3.7795, 0}, {100, 11.811, 0},
                          {100, 2.0, 1},  {100, 1.5, 0},     {25, 5.0, 0},    {25, 5.0, 2},
                          {25, 6.25, 0},  {25, 9.375, 1},    {75, 2.5, 3}};
    for (const char* digits : {"15400141288763", "00000000000000", "98765432109876"})
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << digits << " " << c.size << "% " << c.scale << " +" << c.offset);
            const TRect r = Measure(c.size, c.scale, c.scale, c.offset, c.offset);
            RecordingCanvas canvas(r.Right + 2, r.Bottom + 2);
            TRect bounds;
            DrawITF14(digits, &canvas, c.size, c.offset, c.offset, c.scale, c.scale, false, bounds);
            const double x = 1.016 * c.size / 100.0;  // narrow element, mm
            const double narrow = c.scale * x;
            const int y = r.Top + Px(c.scale * 4.8 * c.size / 100.0) + 1;  // in the bar band
            std::string elements;
            for (const PixelRun& run : DarkRuns(canvas, y)) {
                const bool wide = run.width > 1.75 * narrow;
                elements += run.dark ? (wide ? '3' : '1') : (wide ? '2' : '0');
                if (run.dark) {
                    // Each bar unbroken, both edges from the exact grid: under a pixel off its
                    // width, but for the two bars on the start pattern's ends, which are rounded
                    // inwards; under two pixels a narrow element, within a pixel.
                    const double exact = c.scale * (wide ? 2.5 * x : x);
                    const bool besideStart = elements.size() == 1 || elements.size() == 5;
                    if (narrow >= 2) {
                        EXPECT_LT(std::fabs(run.width - exact), besideStart ? 1.5 : 1.0)
                            << run.start;
                    } else {
                        EXPECT_LE(std::fabs(run.width - exact), 1.0) << run.start;
                    }
                }
            }
            EXPECT_EQ(elements, ITF14Elements(digits));
            EXPECT_EQ(DigitsFromElements(elements), digits);
        }
}

// Bearers are solid bands of their own thickness, flush with the extent, and the bars reach
// from the top bearer to the bottom one without a light row.
TEST(ITF14Draw, BearersAreSolidAndTouchTheBars) {
    for (unsigned short size = 25; size <= 100; size += 5)
        for (double scale : {0.625, 2.5, 3.125, 3.7795, 3.937, 5.0, 10.0})
            for (double offset : {0.0, 1.0, 2.0, 3.0}) {
                SCOPED_TRACE(testing::Message() << size << "% " << scale << " +" << offset);
                const TRect r = Measure(size, scale, scale, offset, offset);
                RecordingCanvas canvas(r.Right + 2, r.Bottom + 2);
                TRect bounds;
                DrawITF14("00000000000000", &canvas, size, offset, offset, scale, scale, true,
                          bounds);
                const double t = scale * 4.8 * size / 100.0;
                const int kb = Px(t);
                // A column of the left quiet zone: exactly the two bearers.
                std::string column;
                for (int y = r.Top; y < canvas.Height(); ++y)
                    column += canvas.Dark(r.Left + kb + 1, y) ? '1' : '0';
                const std::size_t bottomStart = column.rfind(std::string(kb, '1'));
                ASSERT_NE(bottomStart, std::string::npos);
                EXPECT_EQ(column.substr(0, static_cast<std::size_t>(kb) + 1),
                          std::string(kb, '1') + "0");
                EXPECT_EQ(column.find('1', static_cast<std::size_t>(kb)), bottomStart);
                EXPECT_EQ(column.find('0', bottomStart), bottomStart + kb);
                // Side bearers: kb columns wide at this square scale, flush left and right.
                const std::vector<PixelRun> runs = DarkRuns(canvas, r.Top + kb + 1);
                ASSERT_GE(runs.size(), 3u);
                // The first bar's column is dark from the top edge through the bottom bearer.
                if (Px(scale * 1.016 * size / 100.0) > 0) {
                    const int bottomEnd = r.Top + static_cast<int>(bottomStart) + kb;
                    EXPECT_TRUE(canvas.ColumnDark(runs[2].start, r.Top, bottomEnd));
                }
                EXPECT_EQ(runs.front().start, r.Left);
                EXPECT_EQ(runs.front().width, Px(t));
                EXPECT_EQ(runs.back().start + runs.back().width, r.Right);
                EXPECT_EQ(runs.back().width, Px(t));
            }
}

// A reader takes the module from the start pattern (a quarter of its width) and from the stop
// pattern (a fifth) and wants ten of them clear before the start and after the stop, up to the
// vertical bearers. So neither pattern may come out wider than the pixels of its quiet zone
// allow, and no bar may reach more than rounding into a quiet zone.
TEST(ITF14Draw, QuietZonesHoldTenModulesOfTheStartAndStopPatterns) {
    for (unsigned short size = 25; size <= 100; size += 5)
        for (double scale : {3.0, 3.5, 3.7795, 4.5, 5.0, 5.5, 7.0, 9.4488, 10.0, 11.811}) {
            const double narrow = scale * 1.016 * size / 100.0;
            if (narrow < 1) continue;
            SCOPED_TRACE(testing::Message() << size << "% " << scale);
            const TRect r = Measure(size, scale, scale);
            RecordingCanvas canvas(r.Right + 2, r.Bottom + 2);
            TRect bounds;
            DrawITF14("15400141288763", &canvas, size, 0, 0, scale, scale, true, bounds);
            const int y = Px(scale * 4.8 * size / 100.0) + 1;
            const std::vector<PixelRun> runs = DarkRuns(canvas, y);
            ASSERT_EQ(runs.size(), 81u);  // bearer, quiet zone, 77 elements, quiet zone, bearer
            const int leftQuiet = runs[1].width;
            const int start = runs[2].width + runs[3].width + runs[4].width + runs[5].width;
            const int stop = runs[76].width + runs[77].width + runs[78].width;
            const int rightQuiet = runs[79].width;
            EXPECT_GE(leftQuiet, 10.0 * start / 4 - 1) << start;
            EXPECT_GE(rightQuiet, 10.0 * stop / 5 - 1) << stop;
            EXPECT_GT(leftQuiet, 10 * narrow - 1.5);
            EXPECT_GT(rightQuiet, 10 * narrow - 1.5);
        }
}

}  // namespace
}  // namespace quillmark
