// UCC/EAN-128 symbols drawn through the QPainter canvas must scan with their GS1 data intact.
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "canvas/GuiApp.h"
#include "canvas/SymbolImage.h"
#include "canvas/ZXingDecode.h"
#include "encoders/UCCEAN128.h"

namespace quillmark {
namespace {

using test::Decode;
using test::Name;
using test::Reading;
using test::Visible;

constexpr char kFNC1 = '\xE0';

// What a GS1 reading of the field text gives: presentation characters gone, FNC1 as GS, the
// control-character notation as the control characters. FNC1s before the first data character
// all mark the symbol as GS1 (ISO/IEC 15417 Annex B) and separate nothing, so they give no GS.
std::string ExpectedGS1(const std::string& field) {
    std::string out;
    for (const char ch : field) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ' || c == '(' || c == ')') continue;
        if (c == 224) {
            if (!out.empty()) out += '\x1D';
        } else if (c >= 192 && c <= 223) {
            out += static_cast<char>(c - 192);
        } else {
            out += ch;
        }
    }
    return out;
}

struct UCCCase {
    std::string field;
    unsigned short gSize, vSize;
    double scale;
    int index;
};

void PrintTo(const UCCCase& c, std::ostream* os) {
    *os << Visible(c.field) << " G " << c.gSize << " % V " << c.vSize << " % at " << c.scale
        << " px/mm";
}

// A module narrower than two pixels and not a whole number of them cannot keep its width on
// the pixel grid: an element can come out half a pixel, a third of a module or more, too wide or
// too narrow, so these symbols are drawn by other rules than wider ones.
bool FractionalModuleBelowTwoPixels(const UCCCase& c) {
    const double module = c.scale * 0.25 * c.gSize / 100.0;
    return module < 2.0 && module != std::floor(module);
}

std::string UCCName(const ::testing::TestParamInfo<UCCCase>& info) {
    const UCCCase& c = info.param;
    return "text" + std::to_string(c.index) + "_G" + std::to_string(c.gSize) + "_V" +
           std::to_string(c.vSize) + "_" + std::to_string(static_cast<int>(c.scale)) + "pxmm";
}

std::vector<UCCCase> UCCCases(bool fractionalBelowTwoPixels) {
    const std::string fields[] = {
        "(01)09501101530003(17)250101(10)ABC123",
        "(00)123456789012345675",
        std::string("(10)abc") + kFNC1 + "(21)12",
        "(21)A\xC4"
        "b",  // EOT inside the data
        std::string("(400)PO-12345") + kFNC1 + "(11)240131",
        "(01)04712345678901(3103)001250(15)251231",
        std::string("(240)part#42/x") + kFNC1 + "(250)SN\xC9x",  // TAB
        "(91)Hello, World!",
        "(92)lower{case}~`|",
        std::string("(8004)950110153") + kFNC1 + "(99)x\xDF\xC0y",  // US and NUL
        std::string(1, kFNC1) + "(10)1",
        "123",
        std::string("(02)09501101530003") + kFNC1 + "(37)24",
        "(90)1a2b3c4d5e",
    };
    struct Size {
        unsigned short g, v;
    };
    const Size sizes[] = {{100, 100}, {125, 150}, {150, 400}, {175, 100},
                          {200, 100}, {275, 250}, {350, 200}, {400, 400}};
    const double scales[] = {4, 8, 12};
    std::vector<UCCCase> cases;
    int index = 0;
    for (const std::string& field : fields) {
        for (const Size& s : sizes)
            for (const double scale : scales) {
                const UCCCase c{field, s.g, s.v, scale, index};
                if (FractionalModuleBelowTwoPixels(c) == fractionalBelowTwoPixels)
                    cases.push_back(c);
            }
        ++index;
    }
    return cases;
}

class UCCEAN128RoundTrip : public ::testing::TestWithParam<UCCCase> {};

TEST_P(UCCEAN128RoundTrip, DecodesToTheElementStringsAndSeparators) {
    const UCCCase& c = GetParam();
    SCOPED_TRACE(Visible(c.field));
    Code128Codes codes{};
    std::string hrText;
    const EncodeResult encoded = EncodeUCCEAN128(c.field, codes, hrText);
    ASSERT_FALSE(encoded.truncated);
    const QImage image = RenderSymbolImage([&](TCanvas* canvas, double ox, double oy,
                                               TRect& bounds) {
        DrawUCCEAN128(codes, hrText, canvas, ox, oy, c.gSize, c.vSize, c.scale, c.scale, bounds);
    });
    ASSERT_FALSE(image.isNull());
    const Reading reading = Decode(image, ZXing::BarcodeFormat::Code128);
    ASSERT_TRUE(reading.valid) << image.width() << "x" << image.height();
    EXPECT_EQ(reading.format, ZXing::BarcodeFormat::Code128);
    EXPECT_EQ(reading.symbology, "]C1");
    EXPECT_EQ(Visible(reading.text), Visible(ExpectedGS1(c.field)));
}

INSTANTIATE_TEST_SUITE_P(Symbols, UCCEAN128RoundTrip, ::testing::ValuesIn(UCCCases(false)),
                         UCCName);

// At 4 px/mm, modules of 1.25, 1.5 and 1.75 pixels: the renderer's own rules for modules under
// two pixels must keep these readable.
INSTANTIATE_TEST_SUITE_P(FractionalModulesBelowTwoPixels, UCCEAN128RoundTrip,
                         ::testing::ValuesIn(UCCCases(true)), UCCName);

}  // namespace
}  // namespace quillmark
