// UCC/EAN-128: codeword sequences, line, truncation, and the drawn symbol read back from pixels.
#include "encoders/UCCEAN128.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "encoders/Code128Characters.h"
#include "support/RecordingCanvas.h"

namespace quillmark {
namespace {

using test::RecordingCanvas;

// Field notation of the special characters.
const std::string kFnc1 = "\xE0";
const std::string kNul = "\xC0";
const std::string kEot = "\xC4";

struct Encoded {
    Code128Codes codes{};
    std::string hr;
    EncodeResult result;
    std::vector<int> sequence;  // the codewords before the terminator
};

Encoded Encode(const std::string& text) {
    Encoded e;
    e.codes.fill(0x7777);
    e.hr = "stale";
    e.result = EncodeUCCEAN128(text, e.codes, e.hr);
    for (std::size_t i = 0; i < e.codes.size() && e.codes[i] != kCodesEnd; ++i)
        e.sequence.push_back(e.codes[i]);
    return e;
}

// The check character recomputed from its definition, apart from the encoder.
int ExpectedCheck(const std::vector<int>& withoutCheck) {
    long long sum = withoutCheck[0];
    for (std::size_t i = 1; i < withoutCheck.size(); ++i)
        sum += static_cast<long long>(i) * withoutCheck[i];
    return static_cast<int>(sum % 103);
}

// A Code 128 reader of codewords: the data characters after the leading FNC1, in the field
// notation (FNC1..FNC4 as 224..227, control characters as 192..223), so a text's meaning can be
// compared with its encoding without restating the encoder.
std::string DecodeData(const std::vector<int>& seq) {
    enum Set { A, B, C };
    Set set = seq[0] == 103 ? A : seq[0] == 104 ? B : C;
    std::string data;
    bool shifted = false;
    for (std::size_t i = 2; i + 1 < seq.size(); ++i) {
        const int v = seq[i];
        const Set in = shifted ? (set == A ? B : A) : set;
        shifted = false;
        auto put = [&data](int c) { data += static_cast<char>(c); };
        if (in == C && v < 100) {
            put('0' + v / 10);
            put('0' + v % 10);
            continue;
        }
        switch (v) {
            case 102:
                put(224);
                continue;
            case 101:
                in == A ? put(227) : void(set = A);
                continue;
            case 100:
                in == B ? put(227) : void(set = B);
                continue;
            case 99:
                set = C;
                continue;
            default:
                break;
        }
        if (v == 98) {
            shifted = true;
        } else if (v == 97 || v == 96) {
            put(v == 97 ? 225 : 226);
        } else {
            put(in == A && v >= 64 ? 192 + v - 64 : 32 + v);
        }
    }
    return data;
}

// What the symbol must carry: the text without presentation and unencodable characters, with
// control characters 0-31 in their 192-223 notation.
std::string ExpectedData(const std::string& text) {
    std::string data;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ' || c == '(' || c == ')') continue;
        if (c < 32)
            data += static_cast<char>(c + 192);
        else if (c <= 127 || (c >= 192 && c <= 227))
            data += ch;
    }
    return data;
}

// --- Encoding -------------------------------------------------------------------------------

TEST(EncodeUCCEAN128, PublishedSequencesAndLines) {
    const struct {
        std::string text;
        std::vector<int> codes;  // start character through check character
        std::string hr;
    } cases[] = {
        {"", {103, 102, 102}, ""},
        {"( )", {103, 102, 102}, "( )"},
        {"(10)12A", {105, 102, 10, 12, 100, 33, 4}, "(10)12A"},
        {"123", {105, 102, 12, 100, 19, 92}, "123"},
        {"Ab", {104, 102, 33, 66, 58}, "Ab"},
        {"1a", {104, 102, 17, 65, 23}, "1a"},
        {"(10)abc" + kFnc1 + "(21)12",
         {105, 102, 10, 100, 65, 66, 67, 102, 18, 17, 17, 18, 14},
         "(10)abc(21)12"},
        {"A" + kEot + "b", {104, 102, 33, 98, 68, 66, 35}, "Ab"},
        {"1" + kNul + "x", {104, 102, 17, 98, 64, 88, 97}, "1x"},
        {kFnc1 + "(10)1", {103, 102, 102, 17, 16, 17, 94}, "(10)1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hr);
        const Encoded e = Encode(c.text);
        EXPECT_EQ(e.sequence, c.codes);
        EXPECT_EQ(e.codes[c.codes.size()], kCodesEnd);
        EXPECT_EQ(e.hr, c.hr);
        EXPECT_FALSE(e.result.truncated);
        EXPECT_EQ(e.result.encodedChars, c.text.size());
    }
}

TEST(EncodeUCCEAN128, CodeSetChoices) {
    const struct {
        std::string text;
        std::vector<int> body;  // start character through the last data codeword
    } cases[] = {
        // Set A from the start; a lowercase letter then latches to B (no following A character).
        {kNul + "a", {103, 102, 64, 100, 65}},
        // Two characters of the other set: latch, not SHIFT.
        {"a" + kNul + kNul, {104, 102, 65, 101, 64, 64}},
        // SHIFT is also used to reach B from A for one character.
        {kNul + "a" + kNul, {103, 102, 64, 98, 65, 64}},
        // A single last character of the other set latches.
        {"a" + kNul, {104, 102, 65, 101, 64}},
        // Set C leaves for A when the character is a control character.
        {"12" + kNul, {105, 102, 12, 101, 64}},
        // FNC1 stays in set C; digits after a latch take one codeword each and never go back.
        {"12" + kFnc1 + "34A5678", {105, 102, 12, 102, 34, 100, 33, 21, 22, 23, 24}},
        // FNC2, FNC3 and FNC4 in sets B and A (FNC4 is 100 in B and 101 in A).
        {"a\xE1\xE2\xE3", {104, 102, 65, 97, 96, 100}},
        {kNul + "\xE1\xE2\xE3", {103, 102, 64, 97, 96, 101}},
        // Control characters typed directly (0-31) mean the same as their notation.
        {std::string("A\x04"
                     "b"),
         {104, 102, 33, 98, 68, 66}},
        // DEL is a set B character.
        {"\x7F", {104, 102, 95}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const Encoded e = Encode(c.text);
        ASSERT_EQ(e.sequence.size(), c.body.size() + 1);
        EXPECT_EQ(std::vector<int>(e.sequence.begin(), e.sequence.end() - 1), c.body);
        EXPECT_EQ(e.sequence.back(), ExpectedCheck(c.body));
    }
}

TEST(EncodeUCCEAN128, SkipsCharactersNoCodeSetHolds) {
    // Cyrillic letters from д onwards, Ё, ё and the other upper-half symbols: no codeword and no
    // place in the line; the rest is encoded as if they were not there.
    const struct {
        std::string text;
        std::string same;
    } cases[] = {
        {"A\xE4"
         "b",
         "Ab"},
        {"1\xA8"
         "2",
         "12"},
        {"\xFF\x80\xBF", ""},
        {"(10)\xB8"
         "1\xE5"
         "2",
         "(10)12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.same);
        const Encoded e = Encode(c.text);
        const Encoded plain = Encode(c.same);
        EXPECT_EQ(e.sequence, plain.sequence);
        EXPECT_EQ(e.hr, plain.hr);
        EXPECT_FALSE(e.result.truncated);
        for (const int v : e.sequence) EXPECT_LE(v, 105);
    }
}

// Many texts, random and structured: every sequence starts with a start character and FNC1, ends
// with a check character that is right, holds only codeword values, and reads back as the text.
TEST(EncodeUCCEAN128, SequencesReadBackAsTheirTexts) {
    std::vector<std::string> texts = {
        "(01)09501101530003(17)250101(10)AB-123",
        "(00)123456789012345675",
        "(21)abc" + kFnc1 + "(10)1" + kEot + "x" + kNul + kNul + "Yy",
        "9" + std::string("\x1F") + "8" + kFnc1 + kFnc1 + "77",
    };
    std::mt19937 rng(128);
    const std::string alphabet =
        std::string("0123456789aZ_`~ ()") + "\x01\x7F\xC0\xDF\xE0\xE1\xE2" + "\xE3\xE4\xB8";
    for (int i = 0; i < 400; ++i) {
        std::string t;
        const int length = static_cast<int>(rng() % 40);
        for (int k = 0; k < length; ++k) t += alphabet[rng() % alphabet.size()];
        texts.push_back(t);
    }
    for (const auto& text : texts) {
        SCOPED_TRACE(testing::PrintToString(text));
        const Encoded e = Encode(text);
        ASSERT_GE(e.sequence.size(), 3u);
        EXPECT_GE(e.sequence[0], 103);
        EXPECT_EQ(e.sequence[1], 102);
        for (std::size_t i = 1; i < e.sequence.size(); ++i) EXPECT_LT(e.sequence[i], 103);
        const std::vector<int> body(e.sequence.begin(), e.sequence.end() - 1);
        EXPECT_EQ(e.sequence.back(), ExpectedCheck(body));
        EXPECT_EQ(DecodeData(e.sequence), ExpectedData(text));
    }
}

TEST(EncodeUCCEAN128, TruncatesAtTheArrayWithoutSplittingSteps) {
    const std::string a251(251, 'A');
    const std::string pairs251 = [] {
        std::string s;
        for (int i = 0; i < 251; ++i) s += "12";
        return s;
    }();
    const struct {
        const char* name;
        std::string text;
        std::size_t codewords;     // start character through check character
        std::size_t encodedChars;  // == text size when not truncated
    } cases[] = {
        {"254 codewords", a251, 254, 251},
        {"255 codewords", a251 + "A", 255, 252},
        {"256 needed: last letter dropped", a251 + "AA", 255, 252},
        {"trailing presentation after the cut is not shown", a251 + "A(A)", 255, 252},
        {"255 in set C", pairs251 + "12", 255, 504},
        {"256 needed: a lone digit's latch is not split", pairs251 + "1", 254, 502},
        {"255 with the latch", pairs251.substr(0, 500) + "1", 255, 501},
        {"SHIFT and its character fit exactly", std::string(250, 'A') + kEot + "b", 255, 251},
        {"SHIFT and its character are not split", a251 + kEot + "b", 254, 251},
        {"latch and its character are not split", a251 + kNul + kNul, 254, 251},
        {"a digit pair is not split", std::string(252, 'A') + "12", 255, 252},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Encoded e = Encode(c.text);
        ASSERT_EQ(e.sequence.size(), c.codewords);
        EXPECT_EQ(e.codes[c.codewords], kCodesEnd);
        EXPECT_EQ(e.result.encodedChars, c.encodedChars);
        EXPECT_EQ(e.result.truncated, c.encodedChars < c.text.size());
        const std::vector<int> body(e.sequence.begin(), e.sequence.end() - 1);
        EXPECT_EQ(e.sequence.back(), ExpectedCheck(body));
        const std::string encoded = c.text.substr(0, c.encodedChars);
        EXPECT_EQ(DecodeData(e.sequence), ExpectedData(encoded));
        std::string line;
        for (const char ch : encoded)
            if (static_cast<unsigned char>(ch) >= 32 && static_cast<unsigned char>(ch) < 128)
                line += ch;
        EXPECT_EQ(e.hr, line);
    }
}

TEST(EncodeUCCEAN128, LongTextStaysInsideTheArray) {
    const Encoded e = Encode(std::string(100000, 'a') + std::string(100000, ' '));
    EXPECT_EQ(e.sequence.size(), kMaxCodewords);
    EXPECT_EQ(e.codes[255], kCodesEnd);
    EXPECT_TRUE(e.result.truncated);
    EXPECT_EQ(e.result.encodedChars, 252u);
    EXPECT_EQ(e.hr, std::string(252, 'a'));
}

// --- Module string and drawing --------------------------------------------------------------

Code128Codes CodesOf(const std::vector<int>& values) {
    Code128Codes codes;
    codes.fill(0x5555);
    for (std::size_t i = 0; i < values.size(); ++i)
        codes[i] = static_cast<std::uint16_t>(values[i]);
    codes[values.size()] = kCodesEnd;
    return codes;
}

TEST(Code128Modules, StartCharacterPatternsAndLength) {
    const std::string modules = Code128Modules(CodesOf({104, 102, 33, 66, 58}));
    EXPECT_EQ(modules.size(), 11u * 5 + 13);
    EXPECT_EQ(modules.substr(0, 22),
              "11010010000"
              "11110101110");
    EXPECT_EQ(modules.substr(modules.size() - 13), "1100011101011");
    EXPECT_EQ(Code128Modules(CodesOf({103, 102, 102})).size(), 46u);
}

TEST(Code128Modules, SequenceEndsAtTerminatorInvalidValueOrIndex255) {
    Code128Codes noTerminator;
    noTerminator.fill(0);
    EXPECT_EQ(Code128CodewordCount(noTerminator), 255u);
    EXPECT_EQ(Code128Modules(noTerminator).size(), 11u * 255 + 13);
    Code128Codes invalid = CodesOf({104, 102, 500, 33, 12});
    EXPECT_EQ(Code128CodewordCount(invalid), 2u);
    EXPECT_EQ(Code128CodewordCount(CodesOf({})), 0u);
}

struct Geometry {
    double ox = 0, oy = 0;
    unsigned short g = 100, v = 100;
    double sx = 10, sy = 10;
};

struct Drawn {
    RecordingCanvas canvas;
    TRect bounds;
};

Drawn Draw(const Code128Codes& codes, const std::string& hr, const Geometry& geo) {
    TRect measured{7, 7, 7, 7};
    DrawUCCEAN128(codes, hr, nullptr, geo.ox, geo.oy, geo.g, geo.v, geo.sx, geo.sy, measured);
    Drawn d{RecordingCanvas(std::max(measured.Right + 2, 1), std::max(measured.Bottom + 2, 1)),
            {9, 9, 9, 9}};
    DrawUCCEAN128(codes, hr, &d.canvas, geo.ox, geo.oy, geo.g, geo.v, geo.sx, geo.sy, d.bounds);
    EXPECT_EQ(d.bounds, measured) << "measure and draw passes disagree";
    return d;
}

TEST(DrawUCCEAN128, ExtentOfAbAtTenPixelsPerMillimetre) {
    const Encoded e = Encode("Ab");
    const Drawn d = Draw(e.codes, e.hr, {});
    EXPECT_EQ(d.bounds, (TRect{0, 0, 220, 378}));
    ASSERT_EQ(d.canvas.fills.size(), 1u);
    EXPECT_EQ(d.canvas.fills[0], (TRect{0, 0, 220, 378}));
    ASSERT_EQ(d.canvas.texts.size(), 1u);
    EXPECT_EQ(d.canvas.texts[0].y, 321);
    EXPECT_EQ(d.canvas.texts[0].fontHeight, 53);
    EXPECT_EQ(d.canvas.texts[0].text, "Ab");
    EXPECT_EQ(d.canvas.texts[0].x, (220 - 2 * RecordingCanvas::CharWidth(53)) / 2);
}

TEST(DrawUCCEAN128, ExtentDependsOnCodewordCountOnly) {
    const struct {
        std::vector<int> codes;
        Geometry geo;
        TRect bounds;
    } cases[] = {
        {{104, 102, 33, 66, 58}, {}, {0, 0, 220, 378}},
        {{105, 102, 1, 2, 3}, {}, {0, 0, 220, 378}},
        {{103, 102, 102}, {}, {0, 0, 165, 378}},  // 66 modules
        // 88 modules of 0.5 mm; 32 x 2 + 5.75 x 2 = 75.5 mm.
        {{104, 102, 33, 66, 58}, {0, 0, 200, 200, 10, 10}, {0, 0, 440, 755}},
        {{104, 102, 33, 66, 58}, {3, 4, 100, 100, 10, 10}, {30, 40, 250, 418}},
        {{104, 102, 33, 66, 58}, {0, 0, 100, 100, 12, 8}, {0, 0, 264, 302}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.codes));
        EXPECT_EQ(Draw(CodesOf(c.codes), "anything", c.geo).bounds, c.bounds);
    }
}

TEST(DrawUCCEAN128, HalfPixelModulesMakeSolidBars) {
    const Encoded e = Encode("Ab");
    const Drawn d = Draw(e.codes, e.hr, {});
    // Start B at x = 25: bar of modules 1-2 (module 2 begins at 27.5), bar at module 4 (32.5),
    // bar at module 7 (40).
    const std::string row = d.canvas.Row(0);
    EXPECT_EQ(row.substr(20, 24),
              "00000"
              "1111"
              "000"
              "111"
              "00000"
              "11"
              "00");
    for (const int x : {25, 26, 27, 28, 32, 33, 34, 40, 41}) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(d.canvas.ColumnDark(x, 0, 320));
        EXPECT_FALSE(d.canvas.Dark(x, 320));
    }
    EXPECT_FALSE(d.canvas.Dark(24, 0));
    EXPECT_EQ(d.canvas.Outside(), 0);
    for (const auto& line : d.canvas.lines) {
        EXPECT_EQ(line.x0, line.x1);
        EXPECT_EQ(line.y0, 0);
        EXPECT_EQ(line.y1, 320);
    }
}

// Modules under two pixels: every bar and space of the symbol is drawn as one run of its own,
// none lost or merged, and within three quarters of a module of its exact width (a reader allows
// 0.7 of the module it measures over the character).
TEST(DrawUCCEAN128, ModulesUnderTwoPixelsKeepEveryElement) {
    const Encoded e = Encode("(01)09501101530003(17)250101(10)ABC123");
    const std::string modules = Code128Modules(e.codes);
    std::vector<int> runs;  // module counts of the elements, bars first
    for (std::size_t j = 0; j < modules.size();) {
        std::size_t end = j;
        while (end < modules.size() && modules[end] == modules[j]) ++end;
        runs.push_back(static_cast<int>(end - j));
        j = end;
    }
    for (const int g : {100, 110, 125, 135, 140, 145, 150, 160, 175, 190}) {
        SCOPED_TRACE(g);
        const Geometry geo{0, 0, static_cast<unsigned short>(g), 100, 4, 4};
        const double module = 0.25 * g / 100.0 * geo.sx;
        const Drawn d = Draw(e.codes, e.hr, geo);
        const std::string row = d.canvas.Row(1);
        const std::size_t first = row.find('1');
        const std::size_t last = row.rfind('1');
        ASSERT_NE(first, std::string::npos);
        std::vector<int> widths;
        for (std::size_t x = first; x <= last;) {
            std::size_t end = x;
            while (end <= last && row[end] == row[x]) ++end;
            widths.push_back(static_cast<int>(end - x));
            x = end;
        }
        ASSERT_EQ(widths.size(), runs.size());
        for (std::size_t i = 0; i < runs.size(); ++i)
            EXPECT_LE(std::fabs(widths[i] - runs[i] * module), 0.75 * module) << "element " << i;
        // The bars stay inside their quiet zones.
        EXPECT_GE(static_cast<double>(first), 10 * module - 0.5);
        EXPECT_LE(static_cast<double>(last + 1),
                  static_cast<double>(d.bounds.Right) - 10 * module + 0.5);
    }
}

// The drawn bars, sampled at the centre of every module on a bar row, decode through the pattern
// table into the very codewords that were drawn.
std::vector<int> ReadBack(const RecordingCanvas& canvas, const Geometry& geo, std::size_t modules) {
    const double x = 0.25 * geo.g / 100.0 * geo.sx;
    const int row = static_cast<int>(std::ceil(geo.sy * geo.oy));
    std::string bits;
    for (std::size_t j = 0; j < modules + 20; ++j) {
        const double centre = geo.sx * geo.ox + (static_cast<double>(j) + 0.5) * x;
        bits += canvas.Dark(static_cast<int>(std::floor(centre)), row) ? '1' : '0';
    }
    EXPECT_EQ(bits.substr(0, 10), std::string(10, '0')) << "left quiet zone";
    EXPECT_EQ(bits.substr(10 + modules), std::string(10, '0')) << "right quiet zone";
    std::map<std::string, int> byPattern;
    for (std::size_t v = 0; v < Code128Patterns.size(); ++v) {
        std::string p;
        for (std::size_t e = 0; e < 6; ++e) p.append(Code128Patterns[v][e], e % 2 ? '0' : '1');
        byPattern[p] = static_cast<int>(v);
    }
    std::vector<int> values;
    const std::size_t n = (modules - 13) / 11;
    for (std::size_t i = 0; i < n; ++i) {
        const auto it = byPattern.find(bits.substr(10 + 11 * i, 11));
        values.push_back(it == byPattern.end() ? -1 : it->second);
    }
    EXPECT_EQ(bits.substr(10 + 11 * n, 13), "1100011101011") << "stop pattern";
    return values;
}

TEST(DrawUCCEAN128, DrawnBarsDecodeToTheCodewords) {
    const std::string texts[] = {
        "",
        "Ab",
        "(01)09501101530003(17)250101(10)AB-123",
        "(21)abc" + kFnc1 + "(10)1" + kEot + "x" + kNul + kNul + "Yy",
        "\xE1\xE2\xE3~\x7F",
        std::string(300, 'Q'),
    };
    const Geometry geometries[] = {
        {},
        {0, 0, 100, 100, 8, 8},
        {2.5, 1, 100, 100, 12, 12},
        {1, 1, 200, 150, 10, 6},
        {0.3, 0, 135, 100, 16, 4},
    };
    for (const auto& text : texts) {
        const Encoded e = Encode(text);
        for (const auto& geo : geometries) {
            SCOPED_TRACE(testing::PrintToString(text) + " at " + std::to_string(geo.sx));
            const Drawn d = Draw(e.codes, e.hr, geo);
            EXPECT_EQ(ReadBack(d.canvas, geo, 11 * e.sequence.size() + 13), e.sequence);
            EXPECT_EQ(d.canvas.Outside(), 0);
        }
    }
}

TEST(DrawUCCEAN128, MagnificationsActOnTheirOwnAxis) {
    const Encoded e = Encode("Ab");
    const Drawn wide = Draw(e.codes, e.hr, {0, 0, 200, 100, 10, 10});
    EXPECT_EQ(wide.bounds, (TRect{0, 0, 440, 378}));
    EXPECT_TRUE(wide.canvas.ColumnDark(50, 0, 320));  // Start B's first bar: 50 to 59
    EXPECT_TRUE(wide.canvas.ColumnDark(59, 0, 320));
    EXPECT_FALSE(wide.canvas.Dark(60, 0));
    EXPECT_EQ(wide.canvas.texts[0].fontHeight, 53);
    EXPECT_EQ(wide.canvas.texts[0].y, 322);  // gap of half a module: Px(322.5)

    const Drawn tall = Draw(e.codes, e.hr, {0, 0, 100, 200, 10, 10});
    EXPECT_EQ(tall.bounds, (TRect{0, 0, 220, 755}));
    EXPECT_TRUE(tall.canvas.ColumnDark(25, 0, 640));
    EXPECT_FALSE(tall.canvas.Dark(25, 640));
    EXPECT_EQ(tall.canvas.texts[0].fontHeight, 106);
    EXPECT_EQ(tall.canvas.texts[0].y, 641);
}

TEST(DrawUCCEAN128, ModulesNarrowerThanHalfAPixelDrawNoBars) {
    const Encoded e = Encode("Ab");
    const Drawn d = Draw(e.codes, e.hr, {0, 0, 100, 100, 1.5, 10});  // X = 0.375 px
    EXPECT_TRUE(d.canvas.lines.empty());
    EXPECT_EQ(d.bounds, (TRect{0, 0, 33, 378}));
    EXPECT_EQ(d.canvas.texts.size(), 1u);
}

// A canvas that counts width measurements, to show the shrinking stays cheap.
class CountingCanvas : public RecordingCanvas {
public:
    using RecordingCanvas::RecordingCanvas;
    int TextWidth(std::string_view text) override {
        ++measurements;
        return RecordingCanvas::TextWidth(text);
    }
    int measurements = 0;
};

// The one-pixel descent from the starting height, with the synthetic font's widths.
int DescentHeight(std::size_t chars, int start, int limit) {
    int h = start;
    while (static_cast<long long>(chars) * RecordingCanvas::CharWidth(h) > limit && h > 1) --h;
    return h;
}

TEST(DrawUCCEAN128, LineShrinksToFitAndStopsAtHeightOne) {
    const Encoded e = Encode("Ab");  // extent 220 px, widest line Px(220 - 40) = 180
    const struct {
        std::size_t chars;
        Geometry geo;
    } cases[] = {
        {0, {}},
        {6, {}},
        {7, {}},
        {8, {}},
        {40, {}},
        {180, {}},
        {181, {}},
        {256, {}},
        {257, {}},
        {300, {}},
        {1000, {}},
        {100000, {}},
        {700, {0, 0, 100, 400, 10, 40}},
        {5000, {0, 0, 400, 400, 30, 30}},
        // Long lines that fit well above height 1: 52 (estimate 51) and a width equal to the limit.
        {299, {0, 0, 400, 100, 108, 10}},
        {324, {0, 0, 400, 100, 108, 10}},
        // Short lines from a large starting height (848 px): found without 800 measurements.
        {29, {0, 0, 100, 400, 10, 40}},
        {5, {0, 0, 100, 400, 10, 40}},
        {1, {0, 0, 100, 400, 10, 40}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chars);
        const std::string line(c.chars, ' ');
        TRect bounds;
        DrawUCCEAN128(e.codes, line, nullptr, 0, 0, c.geo.g, c.geo.v, c.geo.sx, c.geo.sy, bounds);
        CountingCanvas canvas(bounds.Right, bounds.Bottom);
        DrawUCCEAN128(e.codes, line, &canvas, 0, 0, c.geo.g, c.geo.v, c.geo.sx, c.geo.sy, bounds);
        const double x = 0.25 * c.geo.g / 100.0 * c.geo.sx;
        const int start = Px(5.3 * c.geo.sy * c.geo.v / 100.0);
        const int limit = Px(bounds.Right - bounds.Left - 16 * x);
        const int expected = DescentHeight(c.chars, start, limit);
        ASSERT_EQ(canvas.texts.size(), 1u);
        EXPECT_EQ(canvas.texts[0].fontHeight, expected);
        EXPECT_EQ(canvas.FontHeight(), expected);  // left changed for the caller
        const int width = static_cast<int>(c.chars) * RecordingCanvas::CharWidth(expected);
        EXPECT_EQ(canvas.texts[0].x, Px((bounds.Right - bounds.Left - width) / 2.0));
        EXPECT_LE(canvas.measurements, 8);
    }
}

TEST(DrawUCCEAN128, HostileNumbersDrawNothing) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Geometry cases[] = {
        {0, 0, 100, 100, 0, 10},   {0, 0, 100, 100, 10, 0},    {0, 0, 100, 100, -10, 10},
        {0, 0, 100, 100, 10, -1},  {0, 0, 100, 100, inf, 10},  {0, 0, 100, 100, 10, inf},
        {0, 0, 100, 100, nan, 10}, {0, 0, 100, 100, 10, nan},  {0, 0, 0, 100, 10, 10},
        {0, 0, 100, 0, 10, 10},    {nan, 0, 100, 100, 10, 10}, {0, -inf, 100, 100, 10, 10},
    };
    const Encoded e = Encode("Ab");
    for (const auto& geo : cases) {
        SCOPED_TRACE(testing::PrintToString(
            std::vector<double>{geo.ox, geo.oy, 1.0 * geo.g, 1.0 * geo.v, geo.sx, geo.sy}));
        TRect bounds{1, 2, 3, 4};
        DrawUCCEAN128(e.codes, e.hr, nullptr, geo.ox, geo.oy, geo.g, geo.v, geo.sx, geo.sy, bounds);
        EXPECT_EQ(bounds, TRect{});
        RecordingCanvas canvas(10, 10);
        bounds = {1, 2, 3, 4};
        DrawUCCEAN128(e.codes, e.hr, &canvas, geo.ox, geo.oy, geo.g, geo.v, geo.sx, geo.sy, bounds);
        EXPECT_EQ(bounds, TRect{});
        EXPECT_TRUE(canvas.fills.empty());
        EXPECT_TRUE(canvas.lines.empty());
        EXPECT_TRUE(canvas.texts.empty());
    }
}

TEST(DrawUCCEAN128, ArrayWithoutTerminatorDrawsItsFirst255Codewords) {
    Code128Codes codes;
    codes.fill(0);
    TRect bounds;
    DrawUCCEAN128(codes, "", nullptr, 0, 0, 100, 100, 10, 10, bounds);
    EXPECT_EQ(bounds.Right, Px((11 * 255 + 33) * 2.5));
}

}  // namespace
}  // namespace quillmark
