// EAN/UPC renderer geometry on a pixel grid: bounds, bars, long bars, fonts, add-ons, ISBN line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "encoders/EANUPC.h"
#include "isbn/ISBN13.h"
#include "support/RecordingCanvas.h"

namespace quillmark {
namespace {

using test::RecordingCanvas;

constexpr const char* kEAN13 = "4006381333931";
constexpr const char* kEAN13Published =
    "10100011010100111010111101111010001001011001101010100001010000101000010111010010000101100110"
    "101";

struct Render {
    RecordingCanvas canvas{1400, 700};
    TRect bounds;
};

Render Draw(const char* type, const char* addOn, const char* digits, unsigned short size = 100,
            double scaleX = 4, double scaleY = 4, double offsetX = 0, double offsetY = 0) {
    Render r;
    DrawEANUPC(type, addOn, digits, &r.canvas, offsetX, offsetY, size, scaleX, scaleY, r.bounds);
    return r;
}

TRect Measure(const char* type, const char* addOn, const char* digits, unsigned short size = 100,
              double scaleX = 4, double scaleY = 4, double offsetX = 0, double offsetY = 0) {
    TRect bounds{-1, -1, -1, -1};
    DrawEANUPC(type, addOn, digits, nullptr, offsetX, offsetY, size, scaleX, scaleY, bounds);
    return bounds;
}

// Digits valid for every type, with five add-on digits behind the main ones.
const char* DigitsFor(std::string_view type) {
    if (type == "EAN-13") return "400638133393152495";
    if (type == "ISBN-13") return "978316148410052495";
    if (type == "EAN-8") return "9638507452495";
    if (type == "UPC-A") return "03600029145252495";
    return "0425261452495";
}

int QuietZone(std::string_view type) {
    if (type == "EAN-13" || type == "ISBN-13") return 11;
    return type == "EAN-8" ? 7 : 9;
}

// Module positions (1-based) of the long bars.
bool IsLong(std::string_view type, int k) {
    const auto in = [k](int a, int b) { return k >= a && k <= b; };
    if (type == "EAN-8") return in(1, 3) || in(32, 36) || in(65, 67);
    if (type == "UPC-A") return in(1, 10) || in(46, 50) || in(85, 95);
    if (type == "UPC-E") return in(1, 3) || in(46, 51);
    return in(1, 3) || in(46, 50) || in(93, 95);
}

// Where module k (0-based) sits: the columns Px(origin + k * X * ScaleX + c), c = 0 to n - 1,
// with X the module width in millimetres.
// Under 2.5 pixels a module has no columns of its own: then edges holds the left column of every
// module (and the end of the last) as read back from a bar row (see ReadGrid).
struct ModuleGrid {
    double origin;
    double X;
    double scaleX;
    int n = Px(X * scaleX);
    std::vector<int> edges = {};
    int First(std::size_t k) const {
        if (!edges.empty()) return edges[std::min(k, edges.size() - 1)];
        return Px(origin + static_cast<double>(k) * X * scaleX);
    }
    int Last(std::size_t k) const {
        if (!edges.empty()) return edges[std::min(k + 1, edges.size() - 1)] - 1;
        return Px(origin + static_cast<double>(k) * X * scaleX + (n - 1));
    }
};

// The module counts of the characters of a row of count modules: guards, digits, delimiters.
std::vector<int> CharactersOf(std::size_t count) {
    std::vector<int> c;
    const auto digits = [&c](int n, int between) {
        for (int i = 0; i < n; ++i) {
            if (i > 0 && between > 0) c.push_back(between);
            c.push_back(7);
        }
    };
    if (count == 20 || count == 47) {  // add-on: start, digits with delimiters between
        c.push_back(4);
        digits(count == 20 ? 2 : 5, 2);
        return c;
    }
    const int half = count == 67 ? 4 : 6;
    c.push_back(3);
    digits(half, 0);
    if (count == 51) {  // UPC-E
        c.push_back(6);
        return c;
    }
    c.push_back(5);
    digits(half, 0);
    c.push_back(3);
    return c;
}

// Reads bar row y back as a reader does: from the first bar at or after the grid's first module,
// character by character, the character's modules shared out among its elements by their
// widths. The grid returned places every module on the pixels
// so read, which the other rows are then sampled with.
ModuleGrid ReadGrid(const RecordingCanvas& canvas, int y, ModuleGrid grid,
                    std::string_view modules) {
    std::vector<int> runs;  // widths, bars first
    int x = grid.First(0) - 2;
    while (x < canvas.Width() && !canvas.Dark(x, y)) ++x;
    const int start = x;
    for (bool dark = true; x < canvas.Width();) {
        int w = 0;
        while (x < canvas.Width() && canvas.Dark(x, y) == dark) ++x, ++w;
        runs.push_back(w);
        dark = !dark;
    }
    std::vector<int> edges{start};
    std::size_t r = 0, k = 0;
    for (const int length : CharactersOf(modules.size())) {
        std::size_t count = 0;  // elements of the character, from the expected modules
        for (std::size_t j = k; j < k + static_cast<std::size_t>(length); ++count) {
            const char c = modules[j];
            while (j < k + static_cast<std::size_t>(length) && modules[j] == c) ++j;
        }
        k += static_cast<std::size_t>(length);
        if (r + count > runs.size()) break;
        int width = 0;
        for (std::size_t e = r; e < r + count; ++e) width += runs[e];
        // The character's modules shared out by the widths: largest remainders first.
        std::vector<int> counts(count);
        std::vector<std::pair<double, std::size_t>> remainders;
        int given = 0;
        for (std::size_t e = 0; e < count; ++e) {
            const double share = static_cast<double>(runs[r + e]) * length / width;
            counts[e] = static_cast<int>(share);
            given += counts[e];
            remainders.push_back({share - counts[e], e});
        }
        std::sort(remainders.rbegin(), remainders.rend());
        for (std::size_t i = 0; given < length && i < remainders.size(); ++i, ++given)
            ++counts[remainders[i].second];
        for (std::size_t e = 0; e < count; ++e) {
            const int a = std::max(1, counts[e]);
            const int left = edges.back();
            for (int j = 1; j <= a; ++j) edges.push_back(left + (runs[r + e] * j + a / 2) / a);
        }
        r += count;
    }
    grid.edges = edges;
    return grid;
}

// Whether a module of this many pixels is drawn by sharing each character's pixels out.
bool SharedPixels(const ModuleGrid& grid) {
    return grid.X * grid.scaleX >= 1 && grid.X * grid.scaleX < 2.5;
}

double ModuleMm(unsigned short size) {
    return 0.33 * (size / 100.0);
}

ModuleGrid MainGrid(std::string_view type, unsigned short size, double scaleX, double offsetX = 0) {
    const double X = ModuleMm(size);
    return {offsetX * scaleX + QuietZone(type) * X * scaleX, X, scaleX};
}

// The add-on bars begin at the add-on box's left edge, two modules further for UPC-A and UPC-E.
ModuleGrid AddOnGrid(int boxLeft, bool upc, unsigned short size, double scaleX) {
    const double X = ModuleMm(size);
    return {boxLeft + (upc ? 2 * X * scaleX : 0.0), X, scaleX};
}

// A tiny decoder: reads row y back into a module string by sampling the middle of each
// module's own columns, which no neighbouring module reaches.
std::string ReadModules(const RecordingCanvas& canvas, int y, const ModuleGrid& grid,
                        std::size_t count) {
    std::string s;
    for (std::size_t k = 0; k < count; ++k)
        s += canvas.Dark((grid.First(k) + grid.Last(k)) / 2, y) ? '1' : '0';
    return s;
}

// The row a solid-bar symbol must show: each run of dark modules one block from its first
// module's first column to its last module's last column.
std::string SolidRow(std::string_view modules, const ModuleGrid& grid, int width) {
    std::string row(static_cast<std::size_t>(width), '0');
    for (std::size_t k = 0; k < modules.size(); ++k) {
        if (modules[k] != '1' || (k > 0 && modules[k - 1] == '1')) continue;
        std::size_t last = k;
        while (last + 1 < modules.size() && modules[last + 1] == '1') ++last;
        for (int x = grid.First(k); x <= grid.Last(last); ++x) row[x] = '1';
    }
    return row;
}

// The columns a module-by-module painter would paint, each module on its own.
std::set<int> ModuleByModuleColumns(std::string_view modules, const ModuleGrid& grid) {
    std::set<int> columns;
    for (std::size_t k = 0; k < modules.size(); ++k)
        if (modules[k] == '1')
            for (int c = 0; c < grid.n; ++c)
                columns.insert(Px(grid.origin + static_cast<double>(k) * grid.X * grid.scaleX + c));
    return columns;
}

std::string Masked(std::string_view modules, std::string_view type) {
    std::string s(modules);
    for (std::size_t k = 0; k < s.size(); ++k)
        if (!IsLong(type, static_cast<int>(k) + 1)) s[k] = '0';
    return s;
}

// --- Bounds ---------------------------------------------------------------------------------

TEST(EANUPCRenderTest, BoundsAtFourPixelsPerMillimetre) {
    const struct {
        const char* type;
        const char* addOn;
        unsigned short size;
        double offsetX, offsetY;
        TRect bounds;
    } cases[] = {
        {"EAN-13", "None", 100, 0, 0, {0, 0, 149, 104}},
        {"EAN-13", "2-Digit", 100, 0, 0, {0, 0, 182, 104}},
        {"EAN-13", "5-Digit", 100, 0, 0, {0, 0, 218, 104}},
        {"UPC-A", "None", 100, 0, 0, {0, 0, 149, 104}},
        {"UPC-A", "2-Digit", 100, 0, 0, {0, 0, 185, 104}},
        {"UPC-A", "5-Digit", 100, 0, 0, {0, 0, 221, 104}},
        {"EAN-8", "None", 100, 0, 0, {0, 0, 107, 85}},
        {"EAN-8", "2-Digit", 100, 0, 0, {0, 0, 107, 85}},
        {"EAN-8", "5-Digit", 100, 0, 0, {0, 0, 107, 85}},
        {"UPC-E", "None", 100, 0, 0, {0, 0, 88, 104}},
        {"ISBN-13", "None", 100, 0, 0, {0, 0, 149, 122}},
        {"EAN-13", "None", 200, 0, 0, {0, 0, 298, 207}},
        {"EAN-13", "None", 80, 0, 0, {0, 0, 119, 83}},
        // Offsets: Left = Px(10 * 4), Top = Px(5.3 * 4) = Px(21.2); Right = Px(40 + 149.16).
        {"EAN-13", "None", 100, 10, 5.3, {40, 21, 189, 125}},
        {"EAN-13", "anything", 100, 0, 0, {0, 0, 149, 104}},
        // An unknown type has no box; only an add-on box of zero height is left.
        {"QR", "None", 100, 0, 0, {0, 0, 0, 0}},
        {"QR", "2-Digit", 100, 0, 0, {0, 0, 33, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.addOn + " " + std::to_string(c.size));
        EXPECT_EQ(Measure(c.type, c.addOn, DigitsFor(c.type), c.size, 4, 4, c.offsetX, c.offsetY),
                  c.bounds);
    }
}

TEST(EANUPCRenderTest, MeasurePassEqualsDrawPass) {
    const char* types[] = {"EAN-13", "ISBN-13", "EAN-8", "UPC-A", "UPC-E"};
    const char* addOns[] = {"None", "2-Digit", "5-Digit"};
    const unsigned short sizes[] = {80, 100, 137, 200};
    const struct { double x, y; } scales[] = {{4, 4}, {3.78, 3.9}, {10, 10}, {12, 7.5}, {1, 1}};
    for (const char* type : types)
        for (const char* addOn : addOns)
            for (unsigned short size : sizes)
                for (const auto& scale : scales) {
                    SCOPED_TRACE(std::string(type) + " " + addOn + " " + std::to_string(size) +
                                 " " + std::to_string(scale.x) + "x" + std::to_string(scale.y));
                    const TRect measured =
                        Measure(type, addOn, DigitsFor(type), size, scale.x, scale.y, 1.5, 2);
                    const Render drawn =
                        Draw(type, addOn, DigitsFor(type), size, scale.x, scale.y, 1.5, 2);
                    EXPECT_EQ(measured, drawn.bounds);
                    // The measure pass does not look at the digits.
                    EXPECT_EQ(Measure(type, addOn, "", size, scale.x, scale.y, 1.5, 2), measured);
                    // The first fill is the symbol box; the add-on box continues it.
                    ASSERT_FALSE(drawn.canvas.fills.empty());
                    const TRect box = drawn.canvas.fills.front();
                    EXPECT_EQ(box.Left, measured.Left);
                    EXPECT_EQ(box.Top, measured.Top);
                    EXPECT_EQ(box.Bottom, measured.Bottom);
                    EXPECT_EQ(drawn.canvas.Outside(), 0);
                }
}

// --- Main bars at 4 px/mm -------------------------------------------------------------------

TEST(EANUPCRenderTest, EAN13BarsAndText) {
    const Render r = Draw("EAN-13", "None", kEAN13);
    // 1.32 px modules: read the module grid back from the bar row.
    const ModuleGrid grid = ReadGrid(r.canvas, 0, MainGrid("EAN-13", 100, 4), kEAN13Published);
    EXPECT_EQ(r.canvas.Row(0).find('1'), 15u);  // the first bar column
    EXPECT_EQ(ReadModules(r.canvas, 0, grid, 95), kEAN13Published);
    EXPECT_EQ(ReadModules(r.canvas, 90, grid, 95), kEAN13Published);  // normal bars: rows 0-90
    EXPECT_EQ(ReadModules(r.canvas, 91, grid, 95), Masked(kEAN13Published, "EAN-13"));
    EXPECT_EQ(ReadModules(r.canvas, 97, grid, 95), Masked(kEAN13Published, "EAN-13"));
    EXPECT_EQ(r.canvas.Row(98).find('1'), std::string::npos);  // long bars end at row 97

    ASSERT_EQ(r.canvas.texts.size(), 13u);
    for (const auto& t : r.canvas.texts) {
        SCOPED_TRACE(t.text);
        EXPECT_EQ(t.fontHeight, 16);  // Px(16.5)
        EXPECT_EQ(t.rect.Top, 91);
        EXPECT_EQ(t.rect.Bottom, 104);
        EXPECT_EQ(t.y, 89);
    }
    // The leading digit sits left of the bars in a cell as wide as a "9".
    EXPECT_EQ(r.canvas.texts[0].text, "4");
    EXPECT_EQ(r.canvas.texts[0].rect, (TRect{0, 91, 8, 104}));
    EXPECT_EQ(r.canvas.texts[0].x, 0);
    std::string shown;
    for (const auto& t : r.canvas.texts) shown += t.text;
    EXPECT_EQ(shown, kEAN13);
    // Groups: step = (41 * 1.32 - 8 - 1.32) / 5 = 8.96; left edges 20.46 + j * step, 81.18 + ...
    const int groupLefts[] = {20, 29, 38, 47, 56, 65, 81, 90, 99, 108, 117, 126};
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.canvas.texts[i + 1].x, groupLefts[i]);
        EXPECT_EQ(r.canvas.texts[i + 1].rect.Left, groupLefts[i]);
    }
    EXPECT_EQ(r.canvas.texts[6].rect.Right, 73);  // Px(8 + 65.26)
}

TEST(EANUPCRenderTest, LongBarsOfEveryType) {
    const struct {
        const char* type;
        int barTop, normalEnd, longEnd;  // rows: bars cover barTop to end - 1
    } cases[] = {
        {"EAN-13", 0, 91, 98},     {"UPC-A", 0, 91, 98},
        {"UPC-E", 0, 91, 98},      {"EAN-8", 0, 73, 80},  // Px(72.92), Px(79.52)
        {"ISBN-13", 18, 109, 115},  // Px(109.4), Px(115.34): 4.5 modules longer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const char* digits = DigitsFor(c.type);
        const std::string modules = EANUPCModules(c.type, digits);
        const Render r = Draw(c.type, "None", digits);
        const ModuleGrid grid = ReadGrid(r.canvas, c.barTop, MainGrid(c.type, 100, 4), modules);
        if (c.barTop > 0) {
            EXPECT_EQ(ReadModules(r.canvas, c.barTop - 1, grid, 95).find('1'), std::string::npos);
        }
        EXPECT_EQ(ReadModules(r.canvas, c.barTop, grid, modules.size()), modules);
        EXPECT_EQ(ReadModules(r.canvas, c.normalEnd - 1, grid, modules.size()), modules);
        EXPECT_EQ(ReadModules(r.canvas, c.normalEnd, grid, modules.size()),
                  Masked(modules, c.type));
        EXPECT_EQ(ReadModules(r.canvas, c.longEnd - 1, grid, modules.size()),
                  Masked(modules, c.type));
        EXPECT_EQ(ReadModules(r.canvas, c.longEnd, grid, modules.size()).find('1'),
                  std::string::npos);
    }
}

// --- Solid bars -----------------------------------------------------------------------------

TEST(EANUPCRenderTest, EveryBarIsOneSolidBlock) {
    const struct {
        const char* type;
        unsigned short size;
        double scale;
    } cases[] = {
        {"EAN-13", 100, 10}, {"ISBN-13", 100, 10}, {"EAN-8", 100, 10}, {"UPC-A", 100, 10},
        {"UPC-E", 100, 10},  {"EAN-13", 100, 4},   {"UPC-A", 200, 4},  {"EAN-8", 137, 7.3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.size) + " " +
                     std::to_string(c.scale));
        const char* digits = DigitsFor(c.type);
        const std::string modules = EANUPCModules(c.type, digits);
        const Render r = Draw(c.type, "None", digits, c.size, c.scale, c.scale);
        ModuleGrid grid = MainGrid(c.type, c.size, c.scale);
        const int barRow = Px((std::string(c.type) == "ISBN-13" ? 5.0 : 1.0) * c.scale);
        if (SharedPixels(grid)) grid = ReadGrid(r.canvas, barRow, grid, modules);
        const std::string row = r.canvas.Row(barRow);
        EXPECT_EQ(row, SolidRow(modules, grid, r.canvas.Width()));
        // Nothing a module-by-module painter would paint is missing.
        if (!SharedPixels(grid)) {
            for (int x : ModuleByModuleColumns(modules, grid)) EXPECT_EQ(row[x], '1') << x;
        }
        EXPECT_EQ(ReadModules(r.canvas, barRow, grid, modules.size()), modules);
    }
}

TEST(EANUPCRenderTest, TenPixelsPerMillimetreWouldLeaveSlivers) {
    // X * ScaleX = 3.3: a module painted on its own from its rounded left edge leaves a light
    // column inside some wide bars. The drawn symbol has none.
    const std::string modules = EANUPCModules("EAN-13", kEAN13);
    const ModuleGrid grid = MainGrid("EAN-13", 100, 10);
    const std::set<int> own = ModuleByModuleColumns(modules, grid);
    const std::string solid = SolidRow(modules, grid, 900);
    int slivers = 0;
    for (int x = 0; x < 900; ++x) slivers += solid[x] == '1' && !own.count(x);
    EXPECT_GT(slivers, 0);

    const Render r = Draw("EAN-13", "None", kEAN13, 100, 10, 10);
    EXPECT_EQ(r.canvas.Row(100).substr(0, 900), solid);
    EXPECT_EQ(ReadModules(r.canvas, 100, grid, 95), kEAN13Published);
    // Each painted column is one full line from the bar top down to the normal bar end.
    const int yNormal = Px(22.85 * 1.0 * 10);
    for (int x = 0; x < 900; ++x)
        if (solid[x] == '1') {
            EXPECT_TRUE(r.canvas.ColumnDark(x, 0, yNormal)) << x;
        }
    const std::string longRows = SolidRow(Masked(modules, "EAN-13"), grid, 900);
    EXPECT_EQ(r.canvas.Row(yNormal).substr(0, 900), longRows);
    const int yLong = Px(22.85 * 10 + 5 * ModuleMm(100) * 10);
    EXPECT_EQ(r.canvas.Row(yLong - 1).substr(0, 900), longRows);
    EXPECT_EQ(r.canvas.Row(yLong).find('1'), std::string::npos);
}

// --- Add-ons --------------------------------------------------------------------------------

TEST(EANUPCRenderTest, TwoDigitAddOnGeometry) {
    const Render r = Draw("EAN-13", "2-Digit", "400638133393112");
    EXPECT_EQ(r.bounds, (TRect{0, 0, 182, 104}));
    ASSERT_GE(r.canvas.fills.size(), 2u);
    EXPECT_NE(std::find(r.canvas.fills.begin(), r.canvas.fills.end(), TRect{149, 0, 182, 104}),
              r.canvas.fills.end());

    int addOnLines = 0;
    for (const auto& line : r.canvas.lines) {
        if (line.x0 < 149) continue;
        ++addOnLines;
        EXPECT_EQ(line.y0, 97);
        EXPECT_EQ(line.y1, 9);
        EXPECT_EQ(line.x1, line.x0);
    }
    EXPECT_GT(addOnLines, 0);
    const ModuleGrid grid = AddOnGrid(149, false, 100, 4);
    EXPECT_EQ(ReadModules(r.canvas, 10, grid, 20), "10110011001010010011");
    EXPECT_EQ(ReadModules(r.canvas, 97, grid, 20), "10110011001010010011");
    EXPECT_EQ(ReadModules(r.canvas, 9, grid, 20), std::string(20, '0'));
    EXPECT_EQ(ReadModules(r.canvas, 98, grid, 20), std::string(20, '0'));

    const auto& text = r.canvas.texts.back();
    EXPECT_EQ(text.text, "1 2");
    EXPECT_EQ(text.fontHeight, 14);
    EXPECT_EQ(text.rect, (TRect{149, 0, 182, 10}));
    EXPECT_EQ(text.x, 152);  // Px((26.4 - 21) / 2 + 149), centred over the bars
    EXPECT_EQ(text.y, -2);
}

TEST(EANUPCRenderTest, AddOnPlacementByType) {
    const struct {
        const char* type;
        const char* addOn;
        const char* digits;
        const char* modules;
        int yLow, yHigh;
        TRect box;
        TRect textCell;
        const char* text;
    } cases[] = {
        {"EAN-13",
         "5-Digit",
         "400638133393152495",
         "10110111001010010011010011101010001011010110001",
         97,
         9,
         {149, 0, 218, 104},
         {149, 0, 218, 10},
         "5 2 4 9 5"},
        {"UPC-A",
         "2-Digit",
         "03600029145212",
         "10110011001010010011",
         97,
         9,
         {149, 0, 185, 104},
         {149, 0, 185, 10},
         "1 2"},
        {"UPC-E",
         "5-Digit",
         "0425261452495",
         "10110111001010010011010011101010001011010110001",
         97,
         9,
         {88, 0, 160, 104},
         {88, 0, 160, 10},
         "5 2 4 9 5"},  // Px(Px(156.64) + 2.64)
        // ISBN-13: everything 4.5 mm lower, the box still the full height.
        {"ISBN-13",
         "2-Digit",
         "978316148410012",
         "10110011001010010011",
         115,
         27,
         {149, 0, 182, 122},
         {149, 18, 182, 28},
         "1 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.addOn);
        const Render r = Draw(c.type, c.addOn, c.digits);
        EXPECT_EQ(r.bounds.Right, c.box.Right);
        EXPECT_NE(std::find(r.canvas.fills.begin(), r.canvas.fills.end(), c.box),
                  r.canvas.fills.end());
        const std::string type = c.type;
        const ModuleGrid grid =
            ReadGrid(r.canvas, c.yLow,
                     AddOnGrid(c.box.Left, type == "UPC-A" || type == "UPC-E", 100, 4), c.modules);
        const std::size_t count = std::string(c.modules).size();
        EXPECT_EQ(ReadModules(r.canvas, c.yHigh + 1, grid, count), c.modules);
        EXPECT_EQ(ReadModules(r.canvas, c.yLow, grid, count), c.modules);
        EXPECT_EQ(ReadModules(r.canvas, c.yHigh, grid, count), std::string(count, '0'));
        EXPECT_EQ(ReadModules(r.canvas, c.yLow + 1, grid, count), std::string(count, '0'));
        const auto& text = r.canvas.texts.back();
        EXPECT_EQ(text.text, c.text);
        EXPECT_EQ(text.rect, c.textCell);
        EXPECT_EQ(text.fontHeight, 14);
    }
}

TEST(EANUPCRenderTest, AddOnBarsAreSolidAtTenPixelsPerMillimetre) {
    const char* modules = "10110111001010010011010011101010001011010110001";
    const Render r = Draw("UPC-A", "5-Digit", "03600029145252495", 100, 10, 10);
    // Box Right Px(372.9) = 373; bars from 373 + 6.6; yLow Px(228.5 + 16.5 - 1) = 244.
    const ModuleGrid grid = AddOnGrid(373, true, 100, 10);
    EXPECT_EQ(r.canvas.Row(200).substr(373), SolidRow(modules, grid, r.canvas.Width()).substr(373));
    EXPECT_EQ(ReadModules(r.canvas, 200, grid, 47), modules);
    EXPECT_EQ(ReadModules(r.canvas, 244, grid, 47), modules);
    EXPECT_EQ(ReadModules(r.canvas, 245, grid, 47), std::string(47, '0'));
    EXPECT_EQ(ReadModules(r.canvas, 25, grid, 47), std::string(47, '0'));  // Px(25) top row
    EXPECT_EQ(ReadModules(r.canvas, 26, grid, 47), modules);
}

// --- Fonts ----------------------------------------------------------------------------------

TEST(EANUPCRenderTest, DigitFontHeights) {
    const struct {
        const char* type;
        unsigned short size;
        int digitFont;
    } cases[] = {{"EAN-13", 100, 16}, {"EAN-13", 200, 33}, {"EAN-13", 80, 13}, {"EAN-8", 100, 16}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.size));
        const Render r = Draw(c.type, "None", DigitsFor(c.type), c.size);
        ASSERT_FALSE(r.canvas.texts.empty());
        for (const auto& t : r.canvas.texts) EXPECT_EQ(t.fontHeight, c.digitFont);
    }
}

TEST(EANUPCRenderTest, UPCSmallDigitsAndFontNames) {
    const struct {
        const char* type;
        const char* digits;
        const char* fontName;
        std::size_t texts;
        int lastX;  // Px(box width - digit width): the last digit ends at the box edge
    } cases[] = {
        {"UPC-A", "036000291452", "Arial", 12, 143},
        {"UPC-E", "04252614", "Courier", 8, 82},  // Px(88.44 - 6)
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        Render r;
        r.canvas.SetFontName("Courier");
        DrawEANUPC(c.type, "2-Digit", (std::string(c.digits) + "12").c_str(), &r.canvas, 0, 0, 100,
                   4, 4, r.bounds);
        ASSERT_EQ(r.canvas.texts.size(), c.texts + 1);  // and the add-on line
        for (const auto& t : r.canvas.texts) EXPECT_EQ(t.fontName, c.fontName) << t.text;
        // Small font Px(16), lowered while a digit (synthetic: (h + 1) / 2 wide) is wider than
        // 4 * 1.32 * 1.2 = 6.336 pixels: 12.
        const auto& first = r.canvas.texts.front();
        const auto& last = r.canvas.texts[c.texts - 1];
        EXPECT_EQ(first.text, std::string(1, c.digits[0]));
        EXPECT_EQ(last.text, std::string(1, c.digits[c.texts - 1]));
        for (const auto* t : {&first, &last}) {
            EXPECT_EQ(t->fontHeight, 12);
            EXPECT_EQ(t->y, 90);  // Px(91.4 - 2 / 1.2)
            EXPECT_EQ(t->rect.Top, 91);
        }
        EXPECT_EQ(first.rect, (TRect{0, 91, 6, 104}));
        EXPECT_EQ(first.x, 0);
        const int right = Measure(c.type, "None", c.digits).Right;
        EXPECT_EQ(last.rect, (TRect{right - 6, 91, right, 104}));
        EXPECT_EQ(last.x, c.lastX);
        for (std::size_t i = 1; i + 1 < c.texts; ++i) EXPECT_EQ(r.canvas.texts[i].fontHeight, 16);
    }
    // Every other type keeps the caller's font.
    for (const char* type : {"EAN-13", "ISBN-13", "EAN-8"}) {
        Render r;
        r.canvas.SetFontName("Courier");
        DrawEANUPC(type, "5-Digit", DigitsFor(type), &r.canvas, 0, 0, 100, 4, 4, r.bounds);
        for (const auto& t : r.canvas.texts) EXPECT_EQ(t.fontName, "Courier") << type;
    }
}

TEST(EANUPCRenderTest, SmallFontStopsAtHeightOne) {
    // Modules so narrow that no digit ever fits four of them.
    const Render r = Draw("UPC-A", "None", "036000291452", 100, 0.2, 4);
    ASSERT_EQ(r.canvas.texts.size(), 12u);
    EXPECT_EQ(r.canvas.texts.front().fontHeight, 1);
    EXPECT_EQ(r.canvas.texts.back().fontHeight, 1);
}

// --- ISBN line ------------------------------------------------------------------------------

TEST(EANUPCRenderTest, ISBNLine) {
    // At 4.13 px/mm the box is 154 pixels wide, exactly the line at height 14 (22 characters of
    // 7 pixels): a line as wide as the box must shrink further.
    const struct {
        double scaleX;
        int boxWidth;
        int fontHeight;
    } cases[] = {{4, 149, 12}, {4.13, 154, 12}, {6, 224, 16}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scaleX);
        const Render r = Draw("ISBN-13", "None", "978316148410052495", 100, c.scaleX, 4);
        EXPECT_EQ(r.bounds, (TRect{0, 0, c.boxWidth, 122}));
        const auto& line = r.canvas.texts.back();
        EXPECT_EQ(line.text, FormatISBN13("9783161484100"));
        EXPECT_EQ(line.text.rfind("ISBN 978-", 0), 0u);
        EXPECT_EQ(line.rect, (TRect{0, 0, c.boxWidth, 18}));
        EXPECT_EQ(line.x, 0);
        EXPECT_EQ(line.y, 0);
        // The digit font (16) shrinks while the line is at least as wide as the box.
        int expected = 16;
        while (static_cast<int>(line.text.size()) * RecordingCanvas::CharWidth(expected) >=
               c.boxWidth)
            --expected;
        EXPECT_EQ(expected, c.fontHeight);  // the table matches the rule for this text length
        EXPECT_EQ(line.fontHeight, c.fontHeight);
        // The digits below the bars stay in the unshrunk font, their cells from row Px(110).
        for (std::size_t i = 0; i + 1 < r.canvas.texts.size(); ++i) {
            EXPECT_EQ(r.canvas.texts[i].fontHeight, 16);
            EXPECT_EQ(r.canvas.texts[i].rect.Top, 110);
            EXPECT_EQ(r.canvas.texts[i].y, 108);
        }
    }
}

TEST(EANUPCRenderTest, ISBNLineShrinksToHeightZero) {
    // A box 19 pixels wide (113 * 0.165 = 18.6) cannot hold the line at any visible height.
    const Render r = Draw("ISBN-13", "None", "9783161484100", 100, 0.5, 4);
    const auto& line = r.canvas.texts.back();
    EXPECT_EQ(line.rect, (TRect{0, 0, 19, 18}));
    EXPECT_EQ(line.fontHeight, 0);
}

// --- Inputs the main window never sends -----------------------------------------------------

TEST(EANUPCRenderTest, HostileScalesDrawNothing) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        unsigned short size;
        double scaleX, scaleY;
    } cases[] = {{100, 0, 4},   {100, 4, 0},    {100, -4, 4},  {100, 4, -0.5}, {100, inf, 4},
                 {100, 4, inf}, {100, -inf, 4}, {100, nan, 4}, {100, 4, nan},  {0, 4, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + " " + std::to_string(c.scaleX) + " " +
                     std::to_string(c.scaleY));
        for (const char* type : {"EAN-13", "ISBN-13", "UPC-A"}) {
            const Render r = Draw(type, "5-Digit", DigitsFor(type), c.size, c.scaleX, c.scaleY);
            EXPECT_EQ(r.bounds, TRect{});
            EXPECT_TRUE(r.canvas.fills.empty());
            EXPECT_TRUE(r.canvas.lines.empty());
            EXPECT_TRUE(r.canvas.texts.empty());
            EXPECT_EQ(Measure(type, "5-Digit", "", c.size, c.scaleX, c.scaleY), TRect{});
        }
    }
}

TEST(EANUPCRenderTest, BrokenDigitsLeaveOnlyTheBoxes) {
    const struct {
        const char* type;
        const char* addOn;
        const char* digits;
        bool mainDrawn;  // the main bars and digits are drawn
    } cases[] = {
        {"EAN-13", "None", "400638", false},
        {"EAN-13", "None", "", false},
        {"EAN-13", "2-Digit", "40063813339x1", false},
        {"ISBN-13", "None", "97831614841", false},
        {"UPC-A", "None", "03600029145", false},
        {"UPC-E", "5-Digit", "0425261", false},
        {"EAN-8", "None", "963850?4", false},
        // An unknown type gives the add-on digits no position.
        {"QR", "2-Digit", "400638133393112", false},
        // Main digits complete, add-on digits missing: the main symbol is drawn.
        {"EAN-13", "5-Digit", "40063813339311", true},
        {"UPC-A", "2-Digit", "0360002914521", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.addOn + " '" + c.digits + "'");
        const Render r = Draw(c.type, c.addOn, c.digits);
        EXPECT_EQ(r.bounds, Measure(c.type, c.addOn, DigitsFor(c.type)));
        ASSERT_FALSE(r.canvas.fills.empty());
        EXPECT_EQ(r.canvas.fills.front().Left, 0);
        const int mainRight = Measure(c.type, "None", "").Right;
        for (const auto& line : r.canvas.lines) EXPECT_LT(line.x0, mainRight);  // no add-on bars
        for (const auto& t : r.canvas.texts) EXPECT_LT(t.rect.Left, mainRight) << t.text;
        EXPECT_EQ(!r.canvas.lines.empty(), c.mainDrawn);
        EXPECT_EQ(!r.canvas.texts.empty(), c.mainDrawn);
        EXPECT_EQ(r.canvas.Outside(), 0);
    }
}

TEST(EANUPCRenderTest, ModulesBelowHalfAPixelDrawNoBars) {
    // X * ScaleX = 0.33: n = 0. Boxes and text are still drawn.
    const Render r = Draw("EAN-13", "2-Digit", "400638133393112", 100, 1, 1);
    EXPECT_TRUE(r.canvas.lines.empty());
    EXPECT_EQ(r.canvas.texts.size(), 14u);
    EXPECT_EQ(r.bounds, (TRect{0, 0, 45, 26}));  // Px(37.29) + Px(8.25) = 37 + 8
}

TEST(EANUPCRenderTest, ColoursAreTheCallers) {
    Render r;
    r.canvas.SetPenColor(0x112233);
    r.canvas.SetBrushColor(0x445566);
    r.canvas.SetFontColor(0x778899);
    DrawEANUPC("ISBN-13", "5-Digit", DigitsFor("ISBN-13"), &r.canvas, 0, 0, 100, 4, 4, r.bounds);
    EXPECT_EQ(r.canvas.PenColor(), 0x112233u);
    EXPECT_EQ(r.canvas.BrushColor(), 0x445566u);
    EXPECT_EQ(r.canvas.FontColor(), 0x778899u);
    EXPECT_EQ(r.canvas.At(5, 50), 0x445566u);   // quiet zone
    EXPECT_EQ(r.canvas.At(15, 50), 0x112233u);  // first bar
}

// Modules of 1 to 2.5 pixels are drawn character by character: the bar row still starts within
// rounding of its exact edge and ends within a pixel of it, and every element stays within
// a pixel, or three quarters of a module, of its width.
TEST(EANUPCRenderTest, SharedPixelRowsKeepTheirExactExtent) {
    for (const char* type : {"EAN-13", "EAN-8", "UPC-A", "UPC-E"})
        for (const double scale : {3.0, 3.7795, 4.0, 4.5, 5.5, 7.0})
            for (const int percent : {80, 100, 130, 160, 200}) {
                const auto size = static_cast<unsigned short>(percent);
                const ModuleGrid grid = MainGrid(type, size, scale);
                if (!SharedPixels(grid)) continue;
                SCOPED_TRACE(testing::Message() << type << " " << scale << " " << size);
                const char* digits = DigitsFor(type);
                const std::string modules = EANUPCModules(type, digits);
                const Render r = Draw(type, "None", digits, size, scale, scale);
                const std::string row = r.canvas.Row(Px(scale));
                const double module = grid.X * scale;
                const double start = grid.origin;
                const double end = start + static_cast<double>(modules.size()) * module;
                const auto first = static_cast<double>(row.find('1'));
                const auto last = static_cast<double>(row.rfind('1') + 1);
                EXPECT_GE(first, start - 0.5);
                EXPECT_LT(std::fabs(first - start), 1.0);
                EXPECT_LT(std::fabs(last - end), 1.0);
                std::vector<int> widths;
                for (std::size_t x = row.find('1'); x < static_cast<std::size_t>(last);) {
                    std::size_t e = x;
                    while (e < row.size() && row[e] == row[x]) ++e;
                    widths.push_back(static_cast<int>(e - x));
                    x = e;
                }
                std::size_t e = 0;
                for (std::size_t k = 0; k < modules.size(); ++e) {
                    std::size_t j = k;
                    while (j < modules.size() && modules[j] == modules[k]) ++j;
                    ASSERT_LT(e, widths.size());
                    EXPECT_LE(std::fabs(widths[e] - static_cast<double>(j - k) * module),
                              std::max(1.0, 0.75 * module))
                        << "element " << e;
                    k = j;
                }
                EXPECT_EQ(e, widths.size());
            }
}

}  // namespace
}  // namespace quillmark
