// UCC/EAN-128 symbols drawn through the QPainter canvas must scan with their GS1 data intact.
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "canvas/SymbolImage.h"
#include "encoders/UCCEAN128.h"
#include "support/GuiApp.h"
#include "support/PixelBand.h"
#include "support/ZXingDecode.h"

namespace quillmark {
namespace {

using test::Band;
using test::Decode;
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

Band BandOf(const UCCCase& c) {
    return test::BandOfWidth(c.scale * 0.25 * c.gSize / 100.0);
}

std::string UCCName(const ::testing::TestParamInfo<UCCCase>& info) {
    const UCCCase& c = info.param;
    return test::BandName(BandOf(c)) + "_text" + std::to_string(c.index) + "_G" +
           std::to_string(c.gSize) + "_V" + std::to_string(c.vSize) + "_" +
           std::to_string(static_cast<int>(c.scale * 10000)) + "pxmm10000";
}

const std::vector<std::string>& Fields() {
    static const std::vector<std::string> fields = {
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
    return fields;
}

// On 4, 8 and 12 px/mm every text at eight G and V sizes. Then G from 100 % to 400 % in steps of
// 5 at V 100 % on the scales of screens and printers (96, 200, 240, 300 and 600 dpi among them)
// and those between: where a module is 1 to 2.5 pixels every step with five of the texts in
// turn, all of them at the sizes once seen to fail; wider modules every 25 % with two texts.
// Modules of 1 to 2 pixels among them: 1.25, 1.5 and 1.75 at 4 px/mm, 1.375 at 5.5 px/mm at 100 %;
// under a pixel: 3 to 3.78 px/mm at 100 %.
std::vector<UCCCase> UCCCases() {
    const std::vector<std::string>& fields = Fields();
    const int count = static_cast<int>(fields.size());
    std::vector<UCCCase> cases;
    auto add = [&](int index, unsigned short g, unsigned short v, double scale) {
        const UCCCase c{fields[static_cast<std::size_t>(index)], g, v, scale, index};
        const bool known = std::any_of(cases.begin(), cases.end(), [&](const UCCCase& k) {
            return k.index == index && k.gSize == g && k.vSize == v && k.scale == scale;
        });
        if (!known) cases.push_back(c);
    };
    struct Size {
        unsigned short g, v;
    };
    const Size sizes[] = {{100, 100}, {125, 150}, {150, 400}, {175, 100},
                          {200, 100}, {275, 250}, {350, 200}, {400, 400}};
    for (int index = 0; index < count; ++index)
        for (const Size& s : sizes)
            for (const double scale : {4.0, 8.0, 12.0}) add(index, s.g, s.v, scale);

    struct Seen {
        double scale;
        unsigned short g;
    };
    const Seen seenToFail[] = {{5.5, 100}, {5, 110}, {4.5, 125}, {4.5, 130}, {4, 140},
                               {4, 145},   {5, 115}, {4, 155},   {5, 125},   {3.7795, 165}};
    const double scales[] = {3, 3.5, 3.7795, 4,  4.5,    5,  5.5,   6,
                             7, 8,   9.4488, 10, 11.811, 12, 23.622};
    int turn = 0;
    for (const double scale : scales)
        for (int g = 100; g <= 400; g += 5) {
            const auto gSize = static_cast<unsigned short>(g);
            const double module = scale * 0.25 * g / 100.0;
            bool seen = false;
            for (const Seen& f : seenToFail) seen = seen || (f.scale == scale && f.g == g);
            if (seen) {
                for (int index = 0; index < count; ++index) add(index, gSize, 100, scale);
            } else if (module < 1.0) {
                if (g % 25 == 0) add(turn++ % count, gSize, 100, scale);
            } else if (module < 2.5) {
                for (int k = 0; k < 5; ++k) add(turn++ % count, gSize, 100, scale);
            } else if (g % 25 == 0) {
                for (int k = 0; k < 2; ++k) add(turn++ % count, gSize, 100, scale);
            }
        }
    return cases;
}

class UCCEAN128RoundTrip : public ::testing::TestWithParam<UCCCase> {};

TEST_P(UCCEAN128RoundTrip, DecodesToTheElementStringsAndSeparators) {
    const UCCCase& c = GetParam();
    SCOPED_TRACE(Visible(c.field));
    SymbolRequest symbol;
    symbol.symbology = &SymbologyOf(Symbology::UCCEAN128);
    symbol.fieldText = c.field;
    symbol.gSizePercent = c.gSize;
    symbol.vSizePercent = c.vSize;
    EncodeRequest(symbol);
    ASSERT_FALSE(symbol.encoded->result.truncated);
    const QImage image = RenderSymbolPicture(symbol, c.scale, c.scale).image;
    ASSERT_FALSE(image.isNull());
    const Reading reading = Decode(image, ZXing::BarcodeFormat::Code128);
    if (BandOf(c) == Band::BelowOnePixel) {
        // Not expected to scan; but whatever is read must be the data drawn.
        if (reading.valid) {
            EXPECT_EQ(Visible(reading.text), Visible(ExpectedGS1(c.field)));
        }
        return;
    }
    ASSERT_TRUE(reading.valid) << image.width() << "x" << image.height();
    EXPECT_EQ(reading.format, ZXing::BarcodeFormat::Code128);
    EXPECT_EQ(reading.symbology, "]C1");
    EXPECT_EQ(Visible(reading.text), Visible(ExpectedGS1(c.field)));
}

INSTANTIATE_TEST_SUITE_P(Symbols, UCCEAN128RoundTrip, ::testing::ValuesIn(UCCCases()), UCCName);

}  // namespace
}  // namespace quillmark
