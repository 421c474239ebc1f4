// A 2D symbol with the linear symbol of its GTIN beside it: both read back from the one picture,
// standing on a common baseline with the larger quiet zone between them.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "check/GS1DigitalLink.h"
#include "raster/SymbolRaster.h"
#include "symbol/SymbolPair.h"
#include "verify/ExpectedScan.h"
#include "verify/ScanBack.h"

namespace quillmark {
namespace {

struct PairCase {
    const char* name;
    Symbology matrix;
    std::string fieldText;
    double moduleMm;
    unsigned short sizePercent;  // the linear symbol's
    bool fullBorder;
    bool elementText;
    const char* linear;  // the linear symbology expected for the GTIN
    double gapMm;        // the larger of the two quiet zones
};

void PrintTo(const PairCase& c, std::ostream* os) {
    *os << c.name;
}

SymbolRequest PairOf(const PairCase& c) {
    SymbolRequest r;
    r.symbology = &SymbologyOf(c.matrix);
    r.fieldText = c.fieldText;
    r.moduleMm = c.moduleMm;
    r.elementText = c.elementText;
    if (c.matrix == Symbology::DigitalLinkQR)
        r.linkUri = DigitalLinkFromElementString(c.fieldText).text.value_or("");
    const PairedLinear paired = LinearOfGTIN(c.fieldText);
    r.pairedLinear = paired.symbology;
    r.digits = paired.digits;
    r.sizePercent = c.sizePercent;
    r.fullBorder = c.fullBorder;
    EncodeRequest(r);
    return r;
}

bool Dark(const Raster& picture, int x, int y) {
    return (picture.Row(y)[x] & 0xFFFFFF) == 0;
}

int DarkColumns(const Raster& picture, int y, int left, int right) {
    int count = 0;
    for (int x = left; x < right; ++x) count += Dark(picture, x, y) ? 1 : 0;
    return count;
}

// Below the last dark row of the 2D symbol, which stands right of the linear symbol's box.
int MatrixBottom(const Raster& picture, int linearRight) {
    for (int y = picture.Height() - 1; y >= 0; --y)
        if (DarkColumns(picture, y, linearRight, picture.Width()) > 0) return y + 1;
    return -1;
}

// The first row near y0 where the linear symbol's bars end: EAN/UPC's normal bars stop there
// (the guard bars go on), ITF-14's bottom bearer starts there.
int BarsBottom(const Raster& picture, int linearRight, int y0, bool itf) {
    for (int y = std::max(1, y0 - 8); y < std::min(picture.Height(), y0 + 8); ++y) {
        const int now = DarkColumns(picture, y, 0, linearRight);
        if (itf ? now == linearRight : now < DarkColumns(picture, y - 1, 0, linearRight)) return y;
    }
    return -1;
}

// The light run on row y between the linear symbol's last dark column and the 2D symbol's first.
int GapPixels(const Raster& picture, int y, int linearRight) {
    int last = linearRight - 1;
    while (last >= 0 && !Dark(picture, last, y)) --last;
    int first = linearRight;
    while (first < picture.Width() && !Dark(picture, first, y)) ++first;
    return first - last - 1;
}

class PairRoundTrip : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairRoundTrip, BothSymbolsReadOnACommonBaseline) {
    const PairCase& c = GetParam();
    const SymbolRequest pair = PairOf(c);
    ASSERT_NE(pair.pairedLinear, nullptr);
    EXPECT_EQ(pair.pairedLinear->name, c.linear);
    ASSERT_TRUE(pair.matrix);
    for (const double scale : {12.0, 300 / 25.4}) {
        SCOPED_TRACE(scale);
        const RasterPicture picture = RenderSymbolRaster(pair, scale, scale);
        ASSERT_EQ(picture.problem, PictureProblem::None);
        // Each symbol is read in its own part of the picture, as a scanner aimed at it sees it.
        for (const std::optional<ScanExpectation>& expected : ExpectedScans(pair)) {
            ASSERT_TRUE(expected);
            const ScanResult read = ScanBack(picture.raster.View(), *expected);
            EXPECT_EQ(read.outcome, ScanOutcome::Read)
                << "read " << read.text << ", expected " << expected->text;
        }
        for (const ScanResult& read : ScanBackSymbols(pair, scale))
            EXPECT_EQ(read.outcome, ScanOutcome::Read) << read.text;

        // The element string below the 2D symbol and a linear symbol open at its right side
        // would hide the edges measured here.
        if (c.elementText || !c.fullBorder) continue;
        const int linearRight = RenderSymbolRaster(LinearOfPair(pair), scale, scale).raster.Width();
        const int matrixBottom = MatrixBottom(picture.raster, linearRight);
        const bool itf = pair.pairedLinear->id == Symbology::ITF14;
        EXPECT_NEAR(BarsBottom(picture.raster, linearRight, matrixBottom, itf), matrixBottom, 1);
        EXPECT_NEAR(GapPixels(picture.raster, matrixBottom - 1, linearRight), c.gapMm * scale, 1.0);
    }
}

const std::string F = "\xE0";  // FNC1 in the field's notation

// clang-format off
const PairCase kCases[] = {
    // EAN-13's right quiet zone (7 modules, 2.31 mm) is wider than DataMatrix's 1 module.
    {"EAN13DataMatrix", Symbology::GS1DataMatrix, "(01)09501101530003(17)251231(10)ABC", 0.5, 100, true, false, "EAN-13", 2.31},
    // QR Code's 4 modules of 0.8 mm are wider than EAN-13's quiet zone.
    {"EAN13QR", Symbology::GS1QR, "(01)09501101530003(10)L1", 0.8, 100, true, false, "EAN-13", 3.2},
    {"UPCAQR", Symbology::GS1QR, "(01)00036000291452(21)SN42", 0.4, 100, true, false, "UPC-A", 2.97},
    {"UPCADataMatrixAt80", Symbology::GS1DataMatrix, "(01)00036000291452", 0.396, 80, true, false, "UPC-A", 2.376},
    {"EAN8DigitalLink", Symbology::DigitalLinkQR, "(01)00000096385074(10)B7", 0.5, 100, true, false, "EAN-8", 2.31},
    {"ITF14DataMatrix", Symbology::GS1DataMatrix, "(01)19501101530000(30)12", 1.0, 50, true, false, "ITF-14", 5.08},
    {"ITF14QR", Symbology::GS1QR, "(01)89501101530009(10)X", 1.5, 25, true, false, "ITF-14", 6.0},
    {"ITF14TopAndBottomBearers", Symbology::GS1QR, "(01)19501101530000", 0.743, 50, false, false, "ITF-14", 5.08},
    {"EAN13DataMatrixWithText", Symbology::GS1DataMatrix, "(10)AB-1" + F + "(01)09501101530003", 0.6, 120, true, true, "EAN-13", 0},
};
// clang-format on

std::string CaseName(const ::testing::TestParamInfo<PairCase>& c) {
    return c.param.name;
}

INSTANTIATE_TEST_SUITE_P(Pairs, PairRoundTrip, ::testing::ValuesIn(kCases), CaseName);

}  // namespace
}  // namespace quillmark
