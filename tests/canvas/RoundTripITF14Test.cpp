// ITF-14 symbols drawn through the QPainter canvas must scan: each picture is decoded with ZXing.
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "canvas/SymbolImage.h"
#include "encoders/Canvas.h"
#include "encoders/ITF14.h"
#include "support/GuiApp.h"
#include "support/ZXingDecode.h"

namespace quillmark {
namespace {

using test::Decode;
using test::Name;
using test::Reading;
using test::Visible;

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

std::string ITFName(const ::testing::TestParamInfo<ITFCase>& info) {
    const ITFCase& c = info.param;
    return Name(c.digits + (c.fullBorder ? "_frame_" : "_topbottom_") + std::to_string(c.size) +
                "_" + std::to_string(static_cast<int>(c.scale * 10)) + "dpmm");
}

double NarrowPixels(const ITFCase& c) {
    return c.scale * 1.016 * c.size / 100.0;
}

enum class Band { Wide, FractionalBelowTwoPixels, BelowOnePixel };

// A narrow element under two pixels and not a whole number of them is drawn by other rules than
// wider ones. Under a pixel a narrow element cannot be told from a wide one reliably at all.
Band BandOf(const ITFCase& c) {
    const double narrow = NarrowPixels(c);
    if (Px(narrow) > 0 && narrow < 1.0) return Band::BelowOnePixel;
    if (Px(narrow) > 0 && narrow < 2.0 && narrow != std::floor(narrow))
        return Band::FractionalBelowTwoPixels;
    return Band::Wide;
}

// Scales of screens and printers (96, 200, 240, 300 and 600 dpi among them) and the scales
// between, every size the window offers, framed and not.
std::vector<ITFCase> ITFCases(Band band) {
    const char* numbers[] = {"15400141288763", "00012345600012", "10012345678902"};
    const double scales[] = {3, 3.5, 3.7795, 4,  4.5,    5,  5.5,   6,
                             7, 8,   9.4488, 10, 11.811, 12, 23.622};
    std::vector<ITFCase> cases;
    auto add = [&](const ITFCase& c) {
        if (BandOf(c) == band) cases.push_back(c);
    };
    for (const char* digits : numbers)
        for (const double scale : scales)
            for (unsigned short size = 25; size <= 100; size += 5)
                for (const bool frame : {true, false}) add({digits, frame, size, scale});
    // Narrow bars of Px(0.381) and Px(0.457) = 0 columns.
    for (const char* digits : numbers)
        for (const bool frame : {true, false}) {
            add({digits, frame, 25, 1.5});
            add({digits, frame, 45, 1.0});
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

INSTANTIATE_TEST_SUITE_P(Symbols, ITF14RoundTrip, ::testing::ValuesIn(ITFCases(Band::Wide)),
                         ITFName);

// Narrow elements of 1 to 2 pixels (e.g. 25 % to 45 % at 4 px/mm): the renderer's own rules for
// narrow elements under two pixels must keep these readable, framed or not.
INSTANTIATE_TEST_SUITE_P(FractionalNarrowBelowTwoPixels, ITF14RoundTrip,
                         ::testing::ValuesIn(ITFCases(Band::FractionalBelowTwoPixels)), ITFName);

// Narrow elements of half a pixel to one (25 % and 30 % at 3 to 3.78 px/mm).
INSTANTIATE_TEST_SUITE_P(NarrowBelowOnePixel, ITF14RoundTrip,
                         ::testing::ValuesIn(ITFCases(Band::BelowOnePixel)), ITFName);

}  // namespace
}  // namespace quillmark
