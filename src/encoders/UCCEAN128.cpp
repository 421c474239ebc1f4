// UCC/EAN-128: field text to Code 128 codewords and human-readable line; drawing the symbol.
#include "encoders/UCCEAN128.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ai/FieldCharacters.h"
#include "encoders/Code128Characters.h"
#include "encoders/PixelEdges.h"
#include "encoders/RenderLimits.h"

namespace quillmark {

namespace {

enum class CodeSet { A, B, C };

constexpr std::uint16_t kFnc2 = 97;
constexpr std::uint16_t kFnc3 = 96;
constexpr std::uint16_t kShift = 98;
constexpr std::uint16_t kCodeB = 100;  // FNC4 in set B
constexpr std::uint16_t kCodeA = 101;  // FNC4 in set A
constexpr std::uint16_t kFnc1 = 102;
constexpr std::uint16_t kStartA = 103;
constexpr std::uint16_t kStartB = 104;
constexpr std::uint16_t kStartC = 105;
constexpr std::uint16_t kHighestValue = 105;

// Field notation of the special characters.
constexpr double kBarHeightMm = 32.0;  // at a vertical magnification of 100 %
constexpr int kQuietModules = 10;

bool IsPresentation(unsigned char c) {
    return c == ' ' || c == '(' || c == ')';
}
bool IsAscii(unsigned char c) {
    return c >= 32 && c <= 127;
}
bool IsControl(unsigned char c) {
    return c < 32 || (c >= kNotationNul && c <= kNotationUs);
}
bool IsFunction(unsigned char c) {
    return c >= kNotationFnc1 && c <= kNotationFnc4;
}
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool IsEncodable(unsigned char c) {
    return IsAscii(c) || IsControl(c) || IsFunction(c);
}

// One data character and the end of the text it came from, so that a cut can be mapped back.
struct DataChar {
    unsigned char code;
    std::size_t textEnd;
};

// Everything but the presentation characters and the characters no code set holds.
std::vector<DataChar> DataOf(std::string_view text) {
    std::vector<DataChar> data;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!IsPresentation(c) && IsEncodable(c)) data.push_back({c, i + 1});
    }
    return data;
}

bool EncodableIn(CodeSet set, const std::vector<DataChar>& data, std::size_t p) {
    const unsigned char c = data[p].code;
    switch (set) {
        case CodeSet::A:
            return IsControl(c) || (c >= 32 && c <= 95) || IsFunction(c);
        case CodeSet::B:
            return IsAscii(c) || IsFunction(c);
        case CodeSet::C:
            return c == kNotationFnc1 ||
                   (IsDigit(c) && p + 1 < data.size() && IsDigit(data[p + 1].code));
    }
    return false;
}

// The codeword of a single character in set A or B (the character is encodable there).
std::uint16_t CodewordIn(CodeSet set, unsigned char c) {
    switch (c) {
        case kNotationFnc1:
            return kFnc1;
        case kNotationFnc1 + 1:
            return kFnc2;
        case kNotationFnc1 + 2:
            return kFnc3;
        case kNotationFnc4:
            return set == CodeSet::A ? kCodeA : kCodeB;
        default:
            break;
    }
    if (IsControl(c)) return static_cast<std::uint16_t>(64 + (c < 32 ? c : c - kNotationNul));
    return static_cast<std::uint16_t>(c - 32);
}

CodeSet OtherOfAB(CodeSet set) {
    return set == CodeSet::A ? CodeSet::B : CodeSet::A;
}
std::uint16_t LatchTo(CodeSet set) {
    return set == CodeSet::A ? kCodeA : kCodeB;
}

// What one step of the main loop appends: never split, so a cut keeps every pair whole.
struct Step {
    std::array<std::uint16_t, 2> words{};
    std::size_t wordCount = 0;
    std::size_t consumed = 1;
    CodeSet setAfter = CodeSet::A;
};

Step NextStep(CodeSet set, const std::vector<DataChar>& data, std::size_t p) {
    const unsigned char c = data[p].code;
    if (EncodableIn(set, data, p)) {
        if (set == CodeSet::C && IsDigit(c)) {
            const auto pair = static_cast<std::uint16_t>(10 * (c - '0') + (data[p + 1].code - '0'));
            return {{pair, 0}, 1, 2, set};
        }
        return {{CodewordIn(set, c), 0}, 1, 1, set};
    }
    if (set == CodeSet::C) {
        const CodeSet next = EncodableIn(CodeSet::B, data, p) ? CodeSet::B : CodeSet::A;
        return {{LatchTo(next), CodewordIn(next, c)}, 2, 1, next};
    }
    // A single character of the other set between two of this one: SHIFT instead of two latches.
    // The current set is kept, so the character after it is back in this set.
    const CodeSet other = OtherOfAB(set);
    if (p + 1 < data.size() && EncodableIn(set, data, p + 1))
        return {{kShift, CodewordIn(other, c)}, 2, 1, set};
    return {{LatchTo(other), CodewordIn(other, c)}, 2, 1, other};
}

CodeSet StartSet(const std::vector<DataChar>& data) {
    if (data.size() >= 2 && IsDigit(data[0].code) && IsDigit(data[1].code)) return CodeSet::C;
    if (!data.empty() && IsAscii(data[0].code)) return CodeSet::B;
    return CodeSet::A;
}

std::uint16_t StartCode(CodeSet set) {
    switch (set) {
        case CodeSet::A:
            return kStartA;
        case CodeSet::B:
            return kStartB;
        case CodeSet::C:
            return kStartC;
    }
    return kStartA;
}

// Weighted modulo-103 sum: the start character counts once, codeword i (from 1) i times.
std::uint16_t CheckCharacter(const Code128Codes& codes, std::size_t count) {
    std::uint32_t sum = codes[0];
    for (std::size_t i = 1; i < count; ++i) sum += static_cast<std::uint32_t>(i) * codes[i];
    return static_cast<std::uint16_t>(sum % 103);
}

std::string PrintableOf(std::string_view text) {
    std::string line;
    for (const char ch : text)
        if (IsAscii(static_cast<unsigned char>(ch))) line += ch;
    return line;
}

}  // namespace

EncodeResult EncodeUCCEAN128(std::string_view text, Code128Codes& codes, std::string& hrText) {
    const std::vector<DataChar> data = DataOf(text);
    CodeSet set = StartSet(data);
    codes[0] = StartCode(set);
    codes[1] = kFnc1;
    std::size_t count = 2;

    EncodeResult result{false, text.size()};
    std::size_t encodedEnd = 0;  // text characters covered by the codewords so far
    for (std::size_t p = 0; p < data.size();) {
        const Step step = NextStep(set, data, p);
        // One entry stays free for the check character.
        if (count + step.wordCount + 1 > kMaxCodewords) {
            result = {true, encodedEnd};
            break;
        }
        for (std::size_t k = 0; k < step.wordCount; ++k) codes[count++] = step.words[k];
        set = step.setAfter;
        p += step.consumed;
        encodedEnd = data[p - 1].textEnd;
    }
    codes[count] = CheckCharacter(codes, count);
    codes[count + 1] = kCodesEnd;
    hrText = PrintableOf(text.substr(0, result.encodedChars));
    return result;
}

std::size_t Code128CodewordCount(const Code128Codes& codes) {
    std::size_t n = 0;
    while (n < kMaxCodewords && codes[n] <= kHighestValue) ++n;
    return n;
}

std::string Code128Modules(const Code128Codes& codes) {
    const std::size_t n = Code128CodewordCount(codes);
    std::string modules;
    modules.reserve(11 * n + 13);
    auto append = [&modules](const auto& widths) {
        for (std::size_t e = 0; e < widths.size(); ++e)
            modules.append(widths[e], e % 2 == 0 ? '1' : '0');
    };
    for (std::size_t i = 0; i < n; ++i) append(Code128Patterns[codes[i]]);
    append(Code128Stop);
    return modules;
}

namespace {

bool UsableGeometry(double ox, double oy, unsigned short g, unsigned short v, double sx,
                    double sy) {
    return std::isfinite(ox) && std::isfinite(oy) && IsUsableScale(sx) && IsUsableScale(sy) &&
           g > 0 && v > 0;
}

// Where a module is under two pixels each character shares its pixels out among its elements
// (see PlaceCharacterEdges): it starts where the one before it ended and ends on its exact edge
// (rounded), or, where no placement there fits, a pixel before or after it. Whole-pixel elements
// laid end to end would drift along the row instead.
constexpr int kCharacterElements = 6;
constexpr int kCharacterModules = 11;

// Bars of 1 to 2 pixel modules, character by character (see PlaceCharacterEdges); the stop
// pattern's last bar, after its six elements read as a character, from the exact grid.
void DrawCharactersOnTheirEdges(TCanvas& canvas, const std::string& modules, double left,
                                double module, int top, int bottom, int reduction) {
    std::vector<int> elements;
    for (std::size_t j = 0; j < modules.size();) {
        std::size_t end = j;
        while (end < modules.size() && modules[end] == modules[j]) ++end;
        elements.push_back(static_cast<int>(end - j));
        j = end;
    }
    double position = 0;  // modules from the symbol's left edge
    int lastEdge = 0;     // the right edge of the character before
    int stopLeft = 0;     // the left edge of the last character
    std::size_t e = 0;
    for (; e + kCharacterElements <= elements.size(); e += kCharacterElements) {
        double exact[kCharacterElements + 1];
        exact[0] = left + position * module;
        for (int i = 0; i < kCharacterElements; ++i) {
            position += elements[e + static_cast<std::size_t>(i)];
            exact[i + 1] = left + position * module;
        }
        int edges[kCharacterElements + 1];
        edges[0] = e == 0 ? EdgePixel(exact[0]) : lastEdge;
        stopLeft = edges[0];
        const int exactRight = EdgePixel(exact[kCharacterElements]);
        const int rightEdges[] = {exactRight, exactRight - 1, exactRight + 1};
        PlaceCharacterEdges(exact, &elements[e], kCharacterElements, rightEdges, edges);
        lastEdge = edges[kCharacterElements];
        for (int i = 0; i < kCharacterElements; i += 2)  // bars first
            DrawColumns(canvas, edges[i], edges[i + 1] - 1, top, bottom, reduction);
    }
    // The stop's last bar is read in the module of the six elements before it, so it takes its
    // share in that module, short of its exact right edge (rounded) if need be, so that it never
    // enters the quiet zone; what the character ended short goes to the quiet zone.
    if (e < elements.size()) {
        const double stopModule = static_cast<double>(lastEdge - stopLeft) / kCharacterModules;
        const int end = std::min(lastEdge + EdgePixel(elements[e] * stopModule),
                                 EdgePixel(left + (position + elements[e]) * module));
        DrawColumns(canvas, lastEdge, std::max(lastEdge + 1, end) - 1, top, bottom, reduction);
    }
}

}  // namespace

DrawnGeometry UCCEAN128Geometry(unsigned short vSizePercent) {
    return {kBarHeightMm * vSizePercent / 100.0, kQuietModules, kQuietModules};
}

void DrawUCCEAN128(const Code128Codes& codes, std::string_view hrText, TCanvas* canvas,
                   double offsetX, double offsetY, unsigned short gSizePercent,
                   unsigned short vSizePercent, double scaleX, double scaleY, TRect& bounds,
                   int barReductionDots) {
    bounds = {};
    const double ox = offsetX, oy = offsetY, sx = scaleX, sy = scaleY;
    if (!UsableGeometry(ox, oy, gSizePercent, vSizePercent, sx, sy)) return;
    const double G = gSizePercent / 100.0;
    const double V = vSizePercent / 100.0;
    const double X = kUCCEAN128ModuleMm * G;

    const std::size_t n = Code128CodewordCount(codes);
    const double right = sx * ox + static_cast<double>(11 * n + 33) * sx * X;
    const double bottom = sy * oy + kBarHeightMm * V * sy + 5.75 * V * sy;
    if (!IsAddressable(sx * ox, sy * oy, right, bottom)) return;
    const TRect extent{Px(sx * ox), Px(sy * oy), Px(right), Px(bottom)};
    if (canvas == nullptr) {
        bounds = extent;
        return;
    }
    canvas->FillRect(extent);

    // Each run of dark modules is one solid bar: from the first column of its first module to
    // the last column of its last module, so no light column can open inside a wide bar. A module
    // narrower than half a pixel has no columns at all, and then no bar is drawn.
    const double module = sx * X;
    const int moduleWidth = Px(module);
    const int barTop = Px(sy * oy);
    const int barBottom = Px(sy * oy + kBarHeightMm * V * sy);
    const std::string modules = Code128Modules(codes);
    auto moduleLeft = [&](std::size_t j) {  // j counts from 1
        return sx * ox + kQuietModules * module + static_cast<double>(j - 1) * module;
    };
    if (module >= 1 && module < 2) {
        DrawCharactersOnTheirEdges(*canvas, modules, moduleLeft(1), module, barTop, barBottom,
                                   barReductionDots);
    } else {
        for (std::size_t j = 1; moduleWidth > 0 && j <= modules.size(); ++j) {
            if (modules[j - 1] != '1') continue;
            std::size_t last = j;
            while (last < modules.size() && modules[last] == '1') ++last;
            // The bar's last module gets Px(module) columns from its exact left edge.
            DrawColumns(*canvas, Px(moduleLeft(j)), Px(moduleWidth + moduleLeft(last) - 1), barTop,
                        barBottom, barReductionDots);
            j = last;
        }
    }

    const double extentWidth = static_cast<double>(extent.Right) - extent.Left;
    FitFontHeight(*canvas, hrText, Px(5.3 * sy * V), 1, Px(extentWidth - 16 * sx * X),
                  Fit::NoWider);
    const int textWidth = canvas->TextWidth(hrText);
    canvas->TextOut(Px(sx * ox + (extentWidth - textWidth) / 2),
                    Px(sy * oy + kBarHeightMm * V * sy + 0.5 * sy * X), hrText);
    bounds = extent;
}

}  // namespace quillmark
