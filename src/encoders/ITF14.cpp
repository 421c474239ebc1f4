// ITF-14: the Interleaved 2 of 5 element string and the bearer-framed renderer.
#include "encoders/ITF14.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "encoders/PixelEdges.h"
#include "encoders/RenderLimits.h"

namespace quillmark {

const std::array<std::string_view, 10> ITFDigitPatterns = {
    "00110",  // 0: N N W W N
    "10001",  // 1: W N N N W
    "01001",  // 2: N W N N W
    "11000",  // 3: W W N N N
    "00101",  // 4: N N W N W
    "10100",  // 5: W N W N N
    "01100",  // 6: N W W N N
    "00011",  // 7: N N N W W
    "10010",  // 8: W N N W N
    "01010",  // 9: N W N W N
};

namespace {

constexpr std::size_t kDigitCount = 14;

// Millimetres at 100 %; every length scales with the magnification.
constexpr double kWideRatio = 2.5;  // wide element = 2.5 narrow
constexpr double kBarHeightMm = 32.0;
constexpr int kQuietNarrow = 10;  // quiet zone on either side, in narrow elements
// The text band below the bottom bearer. The gap and the font cell add up to 5.808 mm, so the
// digit cells reach 0.088 mm below the extent; kept so that the extent stays what callers centre.
constexpr double kTextBandMm = 5.72;
constexpr double kFontCellMm = 5.3;

bool IsFourteenDigits(std::string_view digits) {
    if (digits.size() != kDigitCount) return false;
    for (const char ch : digits)
        if (ch < '0' || ch > '9') return false;
    return true;
}

bool IsBar(char element) {
    return element == '1' || element == '3';
}
bool IsWide(char element) {
    return element == '3' || element == '2';
}

// Everything the drawing steps need, in pixels per millimetre and millimetres.
struct Geometry {
    double sx, sy, ox, oy;
    double m;  // magnification factor
    double x;  // narrow element
    double n;  // wide-to-narrow ratio
    double h;  // bar height
    double t;  // bearer thickness
    TRect extent;
    int bearerRows;    // thickness of the top and bottom bearers
    int bottomBearer;  // first row of the bottom bearer; the bars end just above it
    int reduction;     // bar width reduction, pixels off each bar (not the bearers)
};

// The exact left edge of the start pattern, in pixels.
double StartEdge(const Geometry& g) {
    return g.sx * g.ox + g.sx * g.t + kQuietNarrow * g.sx * g.x;
}

// The columns of the start pattern, left edge to the first data bar: both ends rounded inwards,
// so its first bar never enters the quiet zone and the pattern never measures wider than
// exact. A reader takes the narrow width from the start pattern and wants a quiet zone of ten
// of them before it: a start pattern one pixel too wide makes an exact quiet zone read 2.5
// pixels short, which a vertical bearer then cuts off.
struct Span {
    int left, right;  // right exclusive
};
Span StartColumns(const Geometry& g) {
    // An end that falls on a whole pixel (a whole-dot symbol) stays there whatever the float
    // noise of the sums: rounding it inwards must not take a pixel off.
    constexpr double kSlack = 1e-6;
    const double start = StartEdge(g);
    const int left = Px(std::ceil(start - kSlack));
    return {left, std::max(left + 4, Px(std::floor(start + 4 * g.sx * g.x + kSlack)))};
}

// Narrow elements of under two pixels: rounding every edge on its own leaves narrow and wide
// elements of the same width. So each symbol character ends on its exact right edge (rounded),
// and inside it the bars and the spaces each share half the columns out: both wide ones alike
// at 2.5 / 8 of the share, the narrow ones what is left, never differing by more than a column
// and at least one of them the narrowest, which keeps every wide element clearly wider than
// every narrow one in its character. The start pattern's four elements share its columns.
void DrawCharactersOnTheirEdges(TCanvas& canvas, std::string_view elements, const Geometry& g,
                                int top, int bottom) {
    const double start = StartEdge(g);
    auto edge = [&](double modules) { return Px(start + g.sx * modules * g.x); };
    const Span startSpan = StartColumns(g);
    int x = startSpan.left;
    auto draw = [&](int width, bool bar) {
        if (bar) DrawColumns(canvas, x, x + width - 1, top, bottom, g.reduction);
        x += width;
    };
    std::size_t i = 0;
    const int startWidth = startSpan.right - startSpan.left;
    for (; i < 4; ++i)  // the wider ones last
        draw(startWidth / 4 + (static_cast<int>(i) >= 4 - startWidth % 4 ? 1 : 0),
             IsBar(elements[i]));
    double modules = 4;
    for (; i + 3 < elements.size(); i += 10) {
        modules += 6 + 4 * g.n;
        const int columns = std::max(10, edge(modules) - x);
        int wide[2], thin[2], thicker[2];  // bars [0], spaces [1]
        for (int k = 0; k < 2; ++k) {
            const int share = k == 0 ? columns / 2 : columns - columns / 2;
            wide[k] = std::max(2, Px(g.n * share / (3 + 2 * g.n)));
            const int rest = std::max(3, share - 2 * wide[k]);
            thin[k] = rest / 3;
            thicker[k] = rest % 3;  // the last of the narrow ones get a column more
            // A narrow element as wide as half the widest would read as wide: the column goes
            // instead, and the next character's edge takes it back.
            if (thicker[k] > 0 && wide[k] < thin[k] + 2) thicker[k] = 0;
        }
        int seen[2] = {0, 0};
        for (std::size_t k = i; k < i + 10; ++k) {
            const int c = IsBar(elements[k]) ? 0 : 1;
            if (IsWide(elements[k])) {
                draw(wide[c], c == 0);
            } else {
                draw(thin[c] + (seen[c]++ >= 3 - thicker[c] ? 1 : 0), c == 0);
            }
        }
    }
    // Stop: from the last character to its exact right edge, rounded inwards, shared out 2 : 1 : 1
    // with the narrow ones rounded down. A reader wants a quiet zone of ten stop-pattern modules
    // (a fifth of its width) after it, so the stop must not come out wider than exact either.
    // A character that fell short leaves its columns to the quiet zone, not to the stop.
    const int end = Px(std::floor(start + g.sx * (modules + g.n + 2) * g.x));
    const int width = std::clamp(end - x, 4, std::max(4, EdgePixel(g.sx * (g.n + 2) * g.x)));
    const int thin = std::max(1, 2 * width / 9);
    draw(std::min(width - 2 * thin, Px(std::floor(g.sx * g.n * g.x + 1))), true);
    draw(thin, false);
    draw(thin, true);
}

void DrawBars(TCanvas& canvas, std::string_view elements, const Geometry& g) {
    // A narrow element of no pixel column would leave the wide bars alone, which read as other
    // data or not at all; draw no bars, as when a module rounds to nothing elsewhere.
    if (Px(g.sx * g.x) == 0) return;
    // The bars fill the rows between the bearers: rounding their ends on their own could leave
    // a light row between a bearer and the bars.
    const int top = g.extent.Top + g.bearerRows;
    const int bottom = std::min(g.bottomBearer, g.extent.Bottom);
    if (bottom <= top || elements.empty()) return;
    if (g.sx * g.x >= 1 && g.sx * g.x < 2) {
        DrawCharactersOnTheirEdges(canvas, elements, g, top, bottom);
        return;
    }
    const double start = StartEdge(g);
    if (g.sx * g.x < 1) {
        // Under a pixel no rule reads: each bar Px of its own width from its rounded left edge.
        double e = 0;
        for (const char element : elements) {
            const double width = IsWide(element) ? g.n * g.x : g.x;
            if (IsBar(element)) {
                const int first = Px(start + g.sx * e * g.x);
                DrawColumns(canvas, first, first + Px(g.sx * width) - 1, top, bottom, g.reduction);
            }
            e += IsWide(element) ? g.n : 1;
        }
        return;
    }
    // Both edges of every bar from the exact grid, so no bar gains or loses width on average and
    // the rounding never adds up along the row. The start pattern's ends are rounded inwards
    // (see StartColumns); the stop pattern is read against a quiet zone of twice its width,
    // which rounding to the nearest pixel keeps.
    const Span startSpan = StartColumns(g);
    const std::size_t count = elements.size();
    double e = 0;  // module position of the element's left edge
    for (std::size_t i = 0; i < count; ++i) {
        const double right = e + (IsWide(elements[i]) ? g.n : 1);
        if (IsBar(elements[i])) {
            const int first = i == 0   ? startSpan.left
                              : i == 4 ? startSpan.right
                                       : EdgePixel(start + g.sx * e * g.x);
            const int last = EdgePixel(start + g.sx * right * g.x);
            DrawColumns(canvas, first, last - 1, top, bottom, g.reduction);
        }
        e = right;
    }
}

void DrawBearers(TCanvas& canvas, bool fullBorder, const Geometry& g) {
    const TRect& r = g.extent;
    // Every band is counted from one rounded edge (see DrawBars): solid, of its own thickness.
    // At scales of a fraction of a pixel per millimetre the rounded bands can reach past the
    // extent; nothing is painted outside it.
    for (int c = 0; c < g.bearerRows && r.Top + c < r.Bottom; ++c) {
        canvas.MoveTo(r.Left, r.Top + c);
        canvas.LineTo(r.Right, r.Top + c);
    }
    for (int c = 0; c < g.bearerRows && g.bottomBearer + c < r.Bottom; ++c) {
        canvas.MoveTo(r.Left, g.bottomBearer + c);
        canvas.LineTo(r.Right, g.bottomBearer + c);
    }
    if (!fullBorder) return;
    // The side bearers run from the top edge down to the first row of the bottom bearer. The
    // right one ends on the extent's last column, so it never paints outside the extent.
    const int columns = std::min(Px(g.sx * g.t), r.Right - r.Left);
    const int rightBearer = r.Right - columns;
    const int end = std::min(g.bottomBearer, r.Bottom);
    for (int c = 0; c < columns && end > r.Top; ++c) {
        canvas.MoveTo(r.Left + c, r.Top);
        canvas.LineTo(r.Left + c, end);
        canvas.MoveTo(rightBearer + c, r.Top);
        canvas.LineTo(rightBearer + c, end);
    }
}

double ModuleCount(std::string_view elements) {
    double e = 0;
    for (const char element : elements) e += IsWide(element) ? kWideRatio : 1;
    return e;
}

// One text-out per digit on an even pitch, so a narrow glyph never shifts the digits after it.
// The first digit starts one module right of the start pattern; the last ends at the stop
// pattern's right edge when it is as wide as "9".
void DrawDigits(TCanvas& canvas, std::string_view digits, double modules, const Geometry& g) {
    canvas.SetFontHeight(Px(kFontCellMm * g.sy * g.m));
    const int w9 = canvas.TextWidth("9");
    const double pitch = (g.sx * modules * g.x - w9 - g.sx * g.x) / 13;
    // The gap above the text is half a module, which rounding can swallow; the opaque text
    // background must not then wipe out the bottom bearer's last row.
    const int y = std::max(Px(g.sy * g.oy + 2 * g.sy * g.t + g.sy * g.h + 0.5 * g.sy * g.x),
                           g.bottomBearer + g.bearerRows);
    for (int j = 0; j < static_cast<int>(digits.size()); ++j) {
        const int x = Px(g.sx * g.ox + g.sx * g.t + 11 * g.sx * g.x + j * pitch);
        canvas.TextOut(x, y, digits.substr(static_cast<std::size_t>(j), 1));
    }
}

}  // namespace

std::string ITF14Elements(std::string_view digits) {
    if (!IsFourteenDigits(digits)) return {};
    std::string elements = "1010";  // start: narrow bar, narrow space, narrow bar, narrow space
    for (std::size_t i = 0; i < kDigitCount; i += 2) {
        // The first digit of a pair is carried by the bars, the second by the spaces.
        const std::string_view bars = ITFDigitPatterns[static_cast<std::size_t>(digits[i] - '0')];
        const std::string_view spaces =
            ITFDigitPatterns[static_cast<std::size_t>(digits[i + 1] - '0')];
        for (std::size_t k = 0; k < 5; ++k) {
            elements += bars[k] == '1' ? '3' : '1';
            elements += spaces[k] == '1' ? '2' : '0';
        }
    }
    elements += "301";  // stop: wide bar, narrow space, narrow bar
    return elements;
}

DrawnGeometry ITF14Geometry(unsigned short sizePercent) {
    return {kBarHeightMm * sizePercent / 100.0, kQuietNarrow, kQuietNarrow};
}

SymbolBox ITF14Box(unsigned short sizePercent) {
    const double m = sizePercent / 100.0;
    const double x = kITF14NarrowMm * m;
    return {120.5 * x + 20 * x + 2 * kITF14BearerMm * m, (kITF14BearerMm + kBarHeightMm) * m};
}

void DrawITF14(std::string_view digits, TCanvas* canvas, unsigned short sizePercent, double offsetX,
               double offsetY, double scaleX, double scaleY, bool fullBorder, TRect& bounds,
               int barReductionDots) {
    bounds = {};
    if (!IsUsableScale(scaleX) || !IsUsableScale(scaleY) || sizePercent == 0) return;

    Geometry g{};
    g.sx = scaleX;
    g.sy = scaleY;
    g.ox = offsetX;
    g.oy = offsetY;
    g.m = sizePercent / 100.0;
    g.x = kITF14NarrowMm * g.m;
    g.n = kWideRatio;
    g.h = kBarHeightMm * g.m;
    g.t = kITF14BearerMm * g.m;
    g.reduction = barReductionDots;

    // The width keeps a bearer band on both sides whether the side bearers are drawn or not.
    const double left = g.sx * g.ox;
    const double top = g.sy * g.oy;
    const double right = g.sx * g.ox + g.sx * (120.5 * g.x + 20 * g.x) + 2 * g.sx * g.t;
    const double bottom = g.sy * g.oy + g.sy * g.h + 2 * g.sy * g.t + kTextBandMm * g.m * g.sy;
    if (!IsAddressable(left, top, right, bottom)) return;
    g.extent = {Px(left), Px(top), Px(right), Px(bottom)};
    g.bearerRows = Px(g.sy * g.t);
    g.bottomBearer = Px(g.sy * g.t + g.extent.Top + g.sy * g.h);

    if (canvas != nullptr) {
        canvas->FillRect(g.extent);
        // A partial ITF symbol reads as other data, so bad digits get the frame only.
        const std::string elements = ITF14Elements(digits);
        DrawBars(*canvas, elements, g);
        DrawBearers(*canvas, fullBorder, g);
        if (!elements.empty()) DrawDigits(*canvas, digits, ModuleCount(elements), g);
    }
    bounds = g.extent;
}

}  // namespace quillmark
