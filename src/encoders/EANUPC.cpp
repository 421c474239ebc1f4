// EAN-13, EAN-8, UPC-A and UPC-E: module strings, add-ons, check digits and the renderer.
#include "encoders/EANUPC.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <span>
#include <vector>

#include "encoders/PixelEdges.h"
#include "encoders/RenderLimits.h"
#include "isbn/ISBN13.h"

namespace quillmark {

namespace {

constexpr std::string_view kNormalGuard = "101";
constexpr std::string_view kCentreGuard = "01010";
constexpr std::string_view kUPCEEndGuard = "010101";
constexpr std::string_view kAddOnStart = "1011";
constexpr std::string_view kAddOnDelimiter = "01";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
int DigitValue(char c) {
    return c - '0';
}

// Whether digits holds at least count characters from first (0-based), all digits.
bool DigitsAt(std::string_view digits, std::size_t first, std::size_t count) {
    if (digits.size() < first || digits.size() - first < count) return false;
    return std::all_of(digits.begin() + static_cast<std::ptrdiff_t>(first),
                       digits.begin() + static_cast<std::ptrdiff_t>(first + count), IsDigit);
}

// The 7-module pattern of digit character d in number set 'A', 'B' or 'C'.
std::string_view Pattern(char set, char d) {
    const int setIndex = set == 'A' ? 0 : set == 'B' ? 1 : 2;
    return DigitPatterns[static_cast<std::size_t>(setIndex * 10 + DigitValue(d))];
}

char SwapAB(char set) {
    return set == 'A' ? 'B' : set == 'B' ? 'A' : set;
}

// A run of module positions (1-based, inclusive) drawn as long bars.
struct Span {
    int first = 0;
    int last = 0;
};

// The geometry of one main symbol type; millimetre figures are at 100 %.
struct Layout {
    std::string_view type;
    std::size_t mainDigits;   // digits of the main symbol in Digits
    int quietLeft;            // left quiet zone, modules
    int boxModules;           // box width, modules
    double barTopMm;          // where the bars begin below the box top
    double barMm;             // normal bar length
    double longExtraModules;  // extra length of the long bars
    double boxMm;             // box height
    double textRowMm;         // top of the text row
    std::array<Span, 3> longBars;
};

constexpr std::array<Layout, 5> kLayouts = {{
    {"EAN-13", 13, 11, 113, 0.0, 22.85, 5.0, 25.91, 22.85, {{{1, 3}, {46, 50}, {93, 95}}}},
    {"ISBN-13", 13, 11, 113, 4.5, 22.85, 4.5, 30.5, 27.5, {{{1, 3}, {46, 50}, {93, 95}}}},
    {"EAN-8", 8, 7, 81, 0.0, 18.23, 5.0, 21.31, 18.23, {{{1, 3}, {32, 36}, {65, 67}}}},
    {"UPC-A", 12, 9, 113, 0.0, 22.85, 5.0, 25.91, 22.85, {{{1, 10}, {46, 50}, {85, 95}}}},
    {"UPC-E", 8, 9, 67, 0.0, 22.85, 5.0, 25.91, 22.85, {{{1, 3}, {46, 51}, {0, -1}}}},
}};

const Layout* FindLayout(std::string_view codeType) {
    for (const Layout& layout : kLayouts)
        if (layout.type == codeType) return &layout;
    return nullptr;
}

}  // namespace

std::optional<DrawnGeometry> EANUPCGeometry(std::string_view codeType, unsigned short sizePercent) {
    const Layout* layout = FindLayout(codeType);
    if (layout == nullptr) return std::nullopt;
    const auto symbolModules =
        static_cast<int>(EANUPCModules(codeType, std::string(layout->mainDigits, '0')).size());
    return DrawnGeometry{layout->barMm * sizePercent / 100.0, layout->quietLeft,
                         layout->boxModules - layout->quietLeft - symbolModules};
}

std::optional<SymbolBox> EANUPCBox(std::string_view codeType, unsigned short sizePercent) {
    const Layout* layout = FindLayout(codeType);
    if (layout == nullptr) return std::nullopt;
    const double m = sizePercent / 100.0;
    return SymbolBox{layout->boxModules * kEANUPCModuleMm * m,
                     (layout->barTopMm + layout->barMm) * m};
}

namespace {

bool IsLongBar(const Layout& layout, int position) {
    return std::any_of(layout.longBars.begin(), layout.longBars.end(),
                       [&](const Span& s) { return position >= s.first && position <= s.last; });
}

bool IsUPC(std::string_view codeType) {
    return codeType == "UPC-A" || codeType == "UPC-E";
}

// Add-on digit count for "2-Digit" / "5-Digit", 0 for anything else.
std::size_t AddOnDigitCount(std::string_view addOnType) {
    if (addOnType == "2-Digit") return 2;
    if (addOnType == "5-Digit") return 5;
    return 0;
}

// "101", the characters of the left half by rowLeft, the centre guard, the right half, "101".
std::string EAN13Like(std::string_view row, std::string_view digits) {
    std::string s(kNormalGuard);
    for (std::size_t i = 0; i < 12; ++i) {
        if (i == 6) s += kCentreGuard;
        s += Pattern(row[i], digits[i + 1]);
    }
    s += kNormalGuard;
    return s;
}

// EAN-8 and UPC-A: all-A left half, all-C right half of half digits each.
std::string PlainHalves(std::string_view digits, std::size_t half) {
    std::string s(kNormalGuard);
    for (std::size_t i = 0; i < 2 * half; ++i) {
        if (i == half) s += kCentreGuard;
        s += Pattern(i < half ? 'A' : 'C', digits[i]);
    }
    s += kNormalGuard;
    return s;
}

std::string UPCE(std::string_view digits) {
    const std::string_view row = UPCEParity[static_cast<std::size_t>(DigitValue(digits[7]))];
    const bool swapped = digits[0] == '1';
    std::string s(kNormalGuard);
    for (std::size_t i = 0; i < 6; ++i)
        s += Pattern(swapped ? SwapAB(row[i]) : row[i], digits[i + 1]);
    s += kUPCEEndGuard;
    return s;
}

// The pixel frame of one call: magnification, module width and origin.
struct Frame {
    double m;   // magnification factor
    double X;   // module width, mm
    double x0;  // symbol origin, pixels, unrounded
    double y0;
    double g;  // text raise, pixels
    double scaleX;
    double scaleY;
    int reduction;  // bar width reduction, pixels off each run of dark modules
};

// Draws every run of dark modules as one solid block: from the first column the run's first
// module paints to the last column its last module paints, with no light column inside. Module
// k (0-based) paints columns column(k, c) for c = 0 to n - 1, from yStart to yEnd(k). Where
// modules overlap a column takes the longer line; a gap between two modules takes the shorter
// of the two so that no bar grows where neither of them reaches. Each run then loses reduction
// columns at its right (see ReducedLast).
template <class ColumnFn, class EndFn>
void DrawSolidRuns(TCanvas& canvas, std::string_view modules, int n, ColumnFn column, int yStart,
                   EndFn yEnd, int reduction) {
    if (n <= 0) return;
    const auto reach = [&](int end) { return std::abs(std::int64_t{end} - yStart); };
    for (std::size_t k = 0; k < modules.size();) {
        if (modules[k] != '1') {
            ++k;
            continue;
        }
        std::size_t last = k;
        while (last + 1 < modules.size() && modules[last + 1] == '1') ++last;
        const std::int64_t firstColumn = column(k, 0);
        const std::int64_t lastColumn =
            ReducedLast(static_cast<int>(firstColumn), column(last, n - 1), reduction);
        for (std::int64_t x = firstColumn; x <= lastColumn; ++x) {
            std::optional<int> covering, left, right;
            for (std::size_t j = k; j <= last; ++j) {
                const int end = yEnd(j);
                if (x < column(j, 0)) {
                    if (!right) right = end;
                } else if (x > column(j, n - 1)) {
                    left = end;
                } else if (!covering || reach(end) > reach(*covering)) {
                    covering = end;
                }
            }
            int end = covering ? *covering : yStart;
            if (!covering && left && right) end = reach(*left) <= reach(*right) ? *left : *right;
            const int xi = static_cast<int>(x);
            canvas.MoveTo(xi, yStart);
            canvas.LineTo(xi, end);
        }
        k = last + 1;
    }
}

// Where a module is under 2.5 pixels each character (each digit, guard pattern and add-on
// delimiter) shares its pixels out among its elements (see PlaceCharacterEdges). It starts where
// the one before it ends, and its right edge goes first to the pixel, before or after its exact
// edge, that keeps the character's module nearer the exact module, since a reader also compares
// the modules of the guards and the digits. Rounding every module on its own gives bars
// Px(module) pixels a module, up to a third of a module too narrow or too wide each.
std::array<int, 3> RightEdgeChoices(const double* exact, const int* elementModules, int count,
                                    int left) {
    const int modules = std::accumulate(elementModules, elementModules + count, 0);
    const double module = (exact[count] - exact[0]) / modules;
    const int below = Px(std::floor(exact[count]));
    const auto deviation = [&](int right) {
        return std::fabs(static_cast<double>(right - left) / modules - module);
    };
    const int nearer = deviation(below + 1) < deviation(below) ? below + 1 : below;
    const int farther = nearer == below ? below + 1 : below;
    return {nearer, farther, nearer == below ? below - 1 : below + 2};
}

// The left pixel edge of every module (and the right edge of the last one) of a row of
// characters of the given module counts, starting at pixel position left (see
// PlaceCharacterEdges). Modules inside one element share its pixels evenly.
std::vector<int> ModuleEdges(std::string_view modules, const std::vector<int>& characters,
                             double left, double module) {
    std::vector<int> edges(modules.size() + 1, 0);
    std::size_t k = 0;  // first module of the character
    int lastEdge = EdgePixel(left);
    for (const int length : characters) {
        std::array<int, 7> elements{};
        std::array<std::size_t, 8> firstModule{};
        std::array<double, 8> exact{};
        int count = 0;
        for (std::size_t j = k; j < k + static_cast<std::size_t>(length) && count < 7; ++count) {
            firstModule[static_cast<std::size_t>(count)] = j;
            exact[static_cast<std::size_t>(count)] = left + static_cast<double>(j) * module;
            std::size_t end = j;
            while (end < k + static_cast<std::size_t>(length) && modules[end] == modules[j]) ++end;
            elements[static_cast<std::size_t>(count)] = static_cast<int>(end - j);
            j = end;
        }
        k += static_cast<std::size_t>(length);
        firstModule[static_cast<std::size_t>(count)] = k;
        exact[static_cast<std::size_t>(count)] = left + static_cast<double>(k) * module;
        std::array<int, 8> pixel{};
        pixel[0] = lastEdge;
        PlaceCharacterEdges(exact.data(), elements.data(), count,
                            RightEdgeChoices(exact.data(), elements.data(), count, pixel[0]),
                            pixel.data());
        for (std::size_t e = 0; e < static_cast<std::size_t>(count); ++e) {
            const auto a = static_cast<std::size_t>(elements[e]);
            for (std::size_t j = 0; j < a; ++j)
                edges[firstModule[e] + j] =
                    pixel[e] +
                    static_cast<int>(
                        (j * static_cast<std::size_t>(pixel[e + 1] - pixel[e]) + a / 2) / a);
        }
        lastEdge = pixel[static_cast<std::size_t>(count)];
    }
    edges[modules.size()] = lastEdge;
    return edges;
}

// Module counts of the characters of a main symbol: guards and digits.
std::vector<int> MainCharacters(std::string_view type) {
    const int half = type == "EAN-8" ? 4 : 6;
    std::vector<int> characters{3};
    for (int i = 0; i < half; ++i) characters.push_back(7);
    if (type == "UPC-E") {
        characters.push_back(6);
        return characters;
    }
    characters.push_back(5);
    for (int i = 0; i < half; ++i) characters.push_back(7);
    characters.push_back(3);
    return characters;
}

// Whether modules of this many pixels are drawn character by character (see
// PlaceCharacterEdges); under a pixel nothing reads, from 2.5 pixels Px(module) is close enough.
bool SharedCharacterPixels(double module) {
    return module >= 1 && module < 2.5;
}

void DrawMainBars(TCanvas& canvas, const Layout& layout, std::string_view modules, const Frame& f) {
    const double m = f.m, X = f.X, scaleX = f.scaleX, scaleY = f.scaleY;
    const int n = Px(X * scaleX);
    const double q = layout.quietLeft;
    const bool shared = SharedCharacterPixels(X * scaleX);
    const std::vector<int> edges = shared ? ModuleEdges(modules, MainCharacters(layout.type),
                                                        f.x0 + q * X * scaleX, X * scaleX)
                                          : std::vector<int>{};
    const auto column = [&](std::size_t k, int c) {
        if (shared) return c == 0 ? edges[k] : edges[k + 1] - 1;
        return Px(f.x0 + q * X * scaleX + static_cast<double>(k) * X * scaleX + c);
    };
    const double top = f.y0 + layout.barTopMm * m * scaleY;
    const int yTop = Px(top);
    const int yNormal = Px(top + layout.barMm * m * scaleY);
    const int yLong = Px(top + (layout.barMm * m + layout.longExtraModules * X) * scaleY);
    const auto yEnd = [&](std::size_t k) {
        return IsLongBar(layout, static_cast<int>(k) + 1) ? yLong : yNormal;
    };
    DrawSolidRuns(canvas, modules, shared ? 2 : n, column, yTop, yEnd, f.reduction);
}

// The character cell of the digits under the bars at 100 %.
constexpr double kDigitFontMm = 2.75 * 1.5;

// The digit groups under the bars: first digit (0-based in Digits), F, G and count.
struct Group {
    std::size_t firstDigit;
    double fromModules;
    double spanModules;
    int count;
};

void DrawGroups(TCanvas& canvas, std::string_view digits, const Group* groups,
                std::size_t groupCount, const Frame& f, int cellTop, int cellBottom, int y) {
    const double X = f.X, scaleX = f.scaleX;
    const int w9 = canvas.TextWidth("9");
    const double step =
        (groups[0].spanModules * X * scaleX - w9 - X * scaleX) / (groups[0].count - 1);
    for (std::size_t i = 0; i < groupCount; ++i) {
        const Group& group = groups[i];
        for (int j = 0; j < group.count; ++j) {
            const double xj = f.x0 + group.fromModules * X * scaleX + j * step;
            const TRect cell{Px(xj), cellTop, Px(w9 + xj), cellBottom};
            canvas.TextRect(cell, Px(xj), y, digits.substr(group.firstDigit + j, 1));
        }
    }
}

// Sets the small font for the first or last UPC digit, lowered until the digit fits four modules
// (and no lower than 1).
void SetSmallFont(TCanvas& canvas, std::string_view digit, const Frame& f) {
    FitFontHeight(canvas, digit, Px(f.scaleY * 4 * f.m), 1, 4 * f.X * f.scaleX * 1.2, Fit::NoWider);
}

void DrawISBNLine(TCanvas& canvas, std::string_view digits, const Frame& f, const TRect& box) {
    const TRect cell{box.Left, box.Top, box.Right, Px(f.y0 + 4.5 * f.m * f.scaleY)};
    const std::string text = FormatISBN13(digits.substr(0, 13));
    FitFontHeight(canvas, text, std::abs(canvas.FontHeight()), 0,
                  static_cast<double>(cell.Right) - cell.Left, Fit::Narrower);
    canvas.TextRect(cell, Px(f.x0), Px(f.y0), text);
}

void DrawMainText(TCanvas& canvas, const Layout& layout, std::string_view digits, const Frame& f,
                  const TRect& box) {
    const double m = f.m, X = f.X, scaleX = f.scaleX, scaleY = f.scaleY;
    const double rowTop = f.y0 + layout.textRowMm * m * scaleY;
    const int cellTop = Px(rowTop);
    const int yDigit = Px(rowTop - f.g);
    const int ySmall = Px(rowTop - f.g / 1.2);
    const auto setDigitFont = [&] { canvas.SetFontHeight(Px(scaleY * kDigitFontMm * m)); };
    const auto digit = [&](std::size_t i) { return digits.substr(i, 1); };

    if (layout.type == "EAN-13" || layout.type == "ISBN-13") {
        static constexpr Group kGroups[] = {{1, 15.5, 41, 6}, {7, 61.5, 41, 6}};
        setDigitFont();
        const int w9 = canvas.TextWidth("9");
        canvas.TextRect({box.Left, cellTop, box.Left + w9, box.Bottom}, Px(f.x0), yDigit, digit(0));
        DrawGroups(canvas, digits, kGroups, 2, f, cellTop, box.Bottom, yDigit);
        if (layout.type == "ISBN-13") DrawISBNLine(canvas, digits, f, box);
    } else if (layout.type == "EAN-8") {
        static constexpr Group kGroups[] = {{0, 11, 28, 4}, {4, 43, 28, 4}};
        setDigitFont();
        DrawGroups(canvas, digits, kGroups, 2, f, cellTop, box.Bottom, yDigit);
    } else {
        // UPC-A and UPC-E: small first and last digits outside the bars, groups between.
        const bool upcA = layout.type == "UPC-A";
        static constexpr Group kUPCAGroups[] = {{1, 20, 35, 5}, {6, 59, 35, 5}};
        static constexpr Group kUPCEGroups[] = {{1, 13.5, 42, 6}};
        if (upcA) canvas.SetFontName("Arial");
        SetSmallFont(canvas, digit(0), f);
        int w9 = canvas.TextWidth("9");
        canvas.TextRect({box.Left, cellTop, box.Left + w9, box.Bottom}, Px(f.x0), ySmall, digit(0));
        setDigitFont();
        DrawGroups(canvas, digits, upcA ? kUPCAGroups : kUPCEGroups, upcA ? 2 : 1, f, cellTop,
                   box.Bottom, yDigit);
        const std::string_view lastDigit = digit(layout.mainDigits - 1);
        SetSmallFont(canvas, lastDigit, f);
        w9 = canvas.TextWidth("9");
        const int x = Px(f.x0 + layout.boxModules * X * scaleX - canvas.TextWidth(lastDigit));
        canvas.TextRect({box.Right - w9, cellTop, box.Right, box.Bottom}, x, ySmall, lastDigit);
    }
}

// A quiet-zone mark: "<" with its point on the outer edge of a left quiet zone, ">" on that of a
// right one, on the line of the digits. Its cell is as wide as a digit's share of the line, seven
// modules, within the quiet zone where the zone is as wide (EAN-13's and EAN-8's), else from the
// zone's inner edge outwards (an add-on's five modules), so it never reaches the bars. The cell
// depends on no font, so the measure pass bounds it as the draw pass draws it.
struct QuietZoneMark {
    TRect cell;
    bool right = true;
};

constexpr int kMarkModules = 7;
// The light modules after an add-on's last bar.
constexpr int kAddOnQuietModules = 5;

// The mark of the quiet zone of zoneModules whose outer edge is the pixel column outer.
QuietZoneMark MarkAt(int outer, int zoneModules, bool right, const Frame& f, const TRect& box) {
    const double module = f.X * f.scaleX;
    const double beyond = std::max(0, kMarkModules - zoneModules) * module;
    const double edge = right ? outer + beyond : outer - beyond;
    const double inner = right ? edge - kMarkModules * module : edge + kMarkModules * module;
    return right ? QuietZoneMark{{Px(inner), box.Top, Px(edge), box.Bottom}, true}
                 : QuietZoneMark{{Px(edge), box.Top, Px(inner), box.Bottom}, false};
}

// GS1 shows the marks for EAN-13 (">", right of the add-on where there is one) and EAN-8 ("<"
// and ">"); UPC-A and UPC-E carry their small digits in the quiet zones instead.
bool HasQuietZoneMarks(std::string_view codeType) {
    return codeType == "EAN-13" || codeType == "ISBN-13" || codeType == "EAN-8";
}

// The marks of the main symbol and of its add-on.
struct Marks {
    std::vector<QuietZoneMark> main;
    std::vector<QuietZoneMark> addOn;
};

Marks MarksOf(std::string_view codeType, unsigned short sizePercent, bool addOn, const Frame& f,
              const TRect& box, const TRect& addOnBox) {
    Marks marks;
    if (!HasQuietZoneMarks(codeType)) return marks;
    const DrawnGeometry zones = *EANUPCGeometry(codeType, sizePercent);
    if (codeType == "EAN-8")
        marks.main.push_back(MarkAt(box.Left, zones.quietLeftModules, false, f, box));
    if (addOn)
        marks.addOn.push_back(MarkAt(addOnBox.Right, kAddOnQuietModules, true, f, box));
    else
        marks.main.push_back(MarkAt(box.Right, zones.quietRightModules, true, f, box));
    return marks;
}

// Drawn before the bars, which may reach a column into a cell where edges round outwards.
void DrawQuietZoneMark(TCanvas& canvas, const Layout& layout, const QuietZoneMark& mark,
                       const Frame& f) {
    canvas.SetFontHeight(Px(f.scaleY * kDigitFontMm * f.m));
    const std::string_view text = mark.right ? ">" : "<";
    const int x = mark.right ? mark.cell.Right - canvas.TextWidth(text) : mark.cell.Left;
    canvas.TextRect(mark.cell, x, Px(f.y0 + layout.textRowMm * f.m * f.scaleY - f.g), text);
}

void DrawMainSymbol(TCanvas& canvas, const Layout& layout, std::string_view digits, const Frame& f,
                    const TRect& box, std::span<const QuietZoneMark> marks) {
    canvas.FillRect(box);
    for (const QuietZoneMark& mark : marks) DrawQuietZoneMark(canvas, layout, mark, f);
    const std::string modules = EANUPCModules(layout.type, digits);
    if (modules.empty()) return;  // digits missing or not digits: the box stays empty
    DrawMainBars(canvas, layout, modules, f);
    DrawMainText(canvas, layout, digits, f, box);
}

void DrawAddOn(TCanvas& canvas, std::string_view codeType, std::string_view addOnType,
               std::string_view digits, const Frame& f, const TRect& addOnBox,
               std::span<const QuietZoneMark> marks) {
    canvas.FillRect(addOnBox);
    // Without a known main symbol the add-on digits have no position: only the box is drawn.
    const Layout* layout = FindLayout(codeType);
    if (layout)
        for (const QuietZoneMark& mark : marks) DrawQuietZoneMark(canvas, *layout, mark, f);
    const std::string modules = AddOnModules(codeType, addOnType, digits);
    if (!layout || modules.empty()) return;
    const double m = f.m, X = f.X, scaleX = f.scaleX, scaleY = f.scaleY;
    const double V = codeType == "ISBN-13" ? 4.5 * m * scaleY : 0.0;
    const double dx = IsUPC(codeType) ? 2 * X * scaleX : 0.0;

    const int n = Px(X * scaleX);
    const double left = addOnBox.Left;
    const bool shared = SharedCharacterPixels(X * scaleX);
    std::vector<int> characters{4};  // start, then digits with delimiters between
    for (std::size_t i = 0; i < AddOnDigitCount(addOnType); ++i) {
        if (i > 0) characters.push_back(2);
        characters.push_back(7);
    }
    const std::vector<int> edges =
        shared ? ModuleEdges(modules, characters, left + dx, X * scaleX) : std::vector<int>{};
    const auto column = [&](std::size_t k, int c) {
        if (shared) return c == 0 ? edges[k] : edges[k + 1] - 1;
        return Px(left + dx + static_cast<double>(k) * X * scaleX + c);
    };
    const double low = f.y0 + V + 22.85 * m * scaleY + 5 * X * scaleY - 1;
    const int yLow = Px(low);
    const int yHigh = Px(low - 21.9 * m * scaleY);
    DrawSolidRuns(
        canvas, modules, shared ? 2 : n, column, yLow, [&](std::size_t) { return yHigh; },
        f.reduction);

    canvas.SetFontHeight(Px(2.4 * scaleY * 1.5 * m));
    const std::size_t count = AddOnDigitCount(addOnType);
    const std::size_t first = layout->mainDigits;
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        text += digits[first + i];
    }
    const TRect cell{addOnBox.Left, Px(f.y0 + V), addOnBox.Right, Px(f.y0 + V + 2.6 * m * scaleY)};
    const double area = count == 2 ? 20 : 47;
    const int x = Px((area * X * scaleX - canvas.TextWidth(text)) / 2 + left + dx);
    canvas.TextRect(cell, x, Px(f.y0 + V - f.g), text);
}

}  // namespace

std::string EANUPCModules(std::string_view codeType, std::string_view digits) {
    const Layout* layout = FindLayout(codeType);
    if (!layout || !DigitsAt(digits, 0, layout->mainDigits)) return {};
    if (codeType == "EAN-13" || codeType == "ISBN-13")
        return EAN13Like(EAN13Parity[static_cast<std::size_t>(DigitValue(digits[0]))], digits);
    if (codeType == "EAN-8") return PlainHalves(digits, 4);
    if (codeType == "UPC-A") return PlainHalves(digits, 6);
    return UPCE(digits);
}

std::string AddOnModules(std::string_view codeType, std::string_view addOnType,
                         std::string_view digits) {
    const Layout* layout = FindLayout(codeType);
    const std::size_t count = AddOnDigitCount(addOnType);
    if (!layout || codeType == "EAN-8" || count == 0) return {};
    const std::size_t p = layout->mainDigits;
    if (!DigitsAt(digits, p, count)) return {};
    const auto a = [&](std::size_t i) { return DigitValue(digits[p + i]); };

    std::string_view row;
    if (count == 2) {
        row = AddOn2Parity[static_cast<std::size_t>((10 * a(0) + a(1)) % 4)];
    } else {
        const int checksum = 3 * (a(0) + a(2) + a(4)) + 9 * (a(1) + a(3));
        row = AddOn5Parity[static_cast<std::size_t>(checksum % 10)];
    }
    std::string s(kAddOnStart);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) s += kAddOnDelimiter;
        s += Pattern(row[i], digits[p + i]);
    }
    return s;
}

std::optional<int> GS1CheckDigit(std::string_view digitsWithoutCheck) {
    int sum = 0;
    int weight = 3;  // the digit next to the check digit weighs 3
    for (auto it = digitsWithoutCheck.rbegin(); it != digitsWithoutCheck.rend(); ++it) {
        if (!IsDigit(*it)) return std::nullopt;
        sum += weight * DigitValue(*it);
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

std::string ExpandUPCEToUPCA(std::string_view upce) {
    if (!DigitsAt(upce, 0, 7)) return {};
    const std::string_view x = upce.substr(1, 6);  // X1 to X6
    std::string a(1, upce[0]);
    switch (x[5]) {
        case '0':
        case '1':
        case '2':  // manufacturer X1 X2 X6 00, item 00 X3 X4 X5
            a += x.substr(0, 2);
            a += x[5];
            a += "0000";
            a += x.substr(2, 3);
            break;
        case '3':  // manufacturer X1 X2 X3 00, item 000 X4 X5
            a += x.substr(0, 3);
            a += "00000";
            a += x.substr(3, 2);
            break;
        case '4':  // manufacturer X1 X2 X3 X4 0, item 0000 X5
            a += x.substr(0, 4);
            a += "00000";
            a += x[4];
            break;
        default:  // manufacturer X1 to X5, item 0000 X6
            a += x.substr(0, 5);
            a += "0000";
            a += x[5];
            break;
    }
    a += static_cast<char>('0' + *GS1CheckDigit(a));
    return a;
}

std::optional<int> UPCECheckDigit(std::string_view upce) {
    const std::string upca = ExpandUPCEToUPCA(upce);
    if (upca.empty()) return std::nullopt;
    return DigitValue(upca.back());
}

void DrawEANUPC(std::string_view codeType, std::string_view addOnType, std::string_view digits,
                TCanvas* canvas, double offsetX, double offsetY, unsigned short sizePercent,
                double scaleX, double scaleY, TRect& bounds, int barReductionDots,
                bool quietZoneMarks) {
    bounds = {};
    if (!IsUsableScale(scaleX) || !IsUsableScale(scaleY) || sizePercent == 0) return;

    const double m = sizePercent / 100.0;
    const double X = kEANUPCModuleMm * m;
    const Frame f{m,      X,      offsetX * scaleX, offsetY * scaleY, 0.5 * m * scaleY,
                  scaleX, scaleY, barReductionDots};
    // The widest box with the widest add-on, and the tallest box: beyond the addressable range
    // nothing can be laid out.
    if (!IsAddressable(f.x0, f.y0, f.x0 + 170 * X * scaleX, f.y0 + 31 * m * scaleY)) return;

    const Layout* layout = FindLayout(codeType);
    TRect box;
    if (layout)
        box = {Px(f.x0), Px(f.y0), Px(f.x0 + layout->boxModules * X * scaleX),
               Px(f.y0 + layout->boxMm * m * scaleY)};
    const std::size_t addOnDigits = AddOnDigitCount(addOnType);
    const bool addOn = addOnDigits != 0 && codeType != "EAN-8";
    TRect addOnBox{box.Right, box.Top, 0, box.Bottom};
    addOnBox.Right = Px(addOnBox.Left + (addOnDigits == 2 ? 25 : 52) * X * scaleX);
    if (IsUPC(codeType)) addOnBox.Right = Px(addOnBox.Right + 2 * X * scaleX);

    const Marks marks = quietZoneMarks && layout
                            ? MarksOf(codeType, sizePercent, addOn, f, box, addOnBox)
                            : Marks{};
    if (layout && canvas) DrawMainSymbol(*canvas, *layout, digits, f, box, marks.main);
    if (addOn) {
        if (canvas) DrawAddOn(*canvas, codeType, addOnType, digits, f, addOnBox, marks.addOn);
        box.Right = addOnBox.Right;
    }
    for (const auto* side : {&marks.main, &marks.addOn})
        for (const QuietZoneMark& mark : *side) {
            box.Left = std::min(box.Left, mark.cell.Left);
            box.Right = std::max(box.Right, mark.cell.Right);
        }
    bounds = box;
}

}  // namespace quillmark
