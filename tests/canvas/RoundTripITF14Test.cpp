// ITF-14 symbols drawn through the QPainter canvas must scan: each picture is decoded with ZXing.
#include <QImage>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "canvas/SymbolImage.h"
#include "encoders/Canvas.h"
#include "encoders/ITF14.h"
#include "support/GuiApp.h"
#include "support/PixelBand.h"
#include "support/ZXingDecode.h"

namespace quillmark {
namespace {

using test::Band;
using test::Decode;
using test::Name;
using test::Reading;

struct ITFCase {
    std::string digits;
    bool fullBorder;
    unsigned short size;
    double scale;
};

void PrintTo(const ITFCase& c, std::ostream* os) {
    *os << c.digits << (c.fullBorder ? " framed" : " top and bottom") << " " << c.size << " % at "
        << c.scale << " px/mm";
}

double NarrowPixels(const ITFCase& c) {
    return c.scale * 1.016 * c.size / 100.0;
}

// Narrow elements too thin for a pixel column are left out, whatever their width.
Band BandOf(const ITFCase& c) {
    const double narrow = NarrowPixels(c);
    return Px(narrow) > 0 ? test::BandOfWidth(narrow) : Band::Wide;
}

std::string ITFName(const ::testing::TestParamInfo<ITFCase>& info) {
    const ITFCase& c = info.param;
    return test::BandName(BandOf(c)) + "_" +
           Name(c.digits + (c.fullBorder ? "_frame_" : "_topbottom_") + std::to_string(c.size) +
                "_" + std::to_string(static_cast<int>(c.scale * 10)) + "dpmm");
}

// Scales of screens and printers (96, 200, 240, 300 and 600 dpi among them) and the scales
// between, every size the window offers, framed and not; narrow elements of 1 to 2 pixels among
// them (e.g. 25 % to 45 % at 4 px/mm) and of half a pixel to one (25 % and 30 % at 3 to 3.78
// px/mm).
std::vector<ITFCase> ITFCases() {
    const char* numbers[] = {"15400141288763", "00012345600012", "10012345678902"};
    const double scales[] = {3, 3.5, 3.7795, 4,  4.5,    5,  5.5,   6,
                             7, 8,   9.4488, 10, 11.811, 12, 23.622};
    std::vector<ITFCase> cases;
    for (const char* digits : numbers)
        for (const double scale : scales)
            for (unsigned short size = 25; size <= 100; size += 5)
                for (const bool frame : {true, false})
                    cases.push_back({digits, frame, size, scale});
    // Narrow bars of Px(0.381) and Px(0.457) = 0 columns.
    for (const char* digits : numbers)
        for (const bool frame : {true, false}) {
            cases.push_back({digits, frame, 25, 1.5});
            cases.push_back({digits, frame, 45, 1.0});
        }
    return cases;
}

class ITF14RoundTrip : public ::testing::TestWithParam<ITFCase> {};

TEST_P(ITF14RoundTrip, DecodesToTheDigitsGiven) {
    const ITFCase& c = GetParam();
    SymbolRequest symbol;
    symbol.symbology = &SymbologyOf(Symbology::ITF14);
    symbol.digits = c.digits;
    symbol.sizePercent = c.size;
    symbol.fullBorder = c.fullBorder;
    const QImage image = RenderSymbolPicture(symbol, c.scale, c.scale).image;
    ASSERT_FALSE(image.isNull());
    if (BandOf(c) == Band::BelowOnePixel) {
        // Not expected to scan; but whatever is read must be the digits drawn.
        const Reading reading = Decode(image, ZXing::BarcodeFormat::ITF);
        if (reading.valid) {
            EXPECT_EQ(reading.text, c.digits);
        }
        return;
    }
    const bool noBars = Px(NarrowPixels(c)) == 0;
    const Reading reading =
        Decode(image, noBars ? ZXing::BarcodeFormats{} : ZXing::BarcodeFormat::ITF);
    if (noBars) {
        // Bars too thin for a pixel column are left out by design; nothing must be read.
        EXPECT_FALSE(reading.valid) << reading.text;
        return;
    }
    ASSERT_TRUE(reading.valid) << image.width() << "x" << image.height();
    EXPECT_EQ(reading.format, ZXing::BarcodeFormat::ITF);
    EXPECT_EQ(reading.text, c.digits);
}

INSTANTIATE_TEST_SUITE_P(Symbols, ITF14RoundTrip, ::testing::ValuesIn(ITFCases()), ITFName);

}  // namespace
}  // namespace quillmark
