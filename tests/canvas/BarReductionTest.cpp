// Bar width reduction and quiet-zone marks, compared with the same symbols drawn without them.
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "canvas/SymbolImage.h"
#include "encoders/Canvas.h"
#include "support/GuiApp.h"
#include "support/Requests.h"
#include "support/ZXingDecode.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {
namespace {

using test::Decode;
using test::Name;

struct ColumnRun {
    int first, last;  // columns, inclusive
    friend bool operator==(const ColumnRun&, const ColumnRun&) = default;
};

bool Dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

std::vector<ColumnRun> DarkRuns(const QImage& image, int y) {
    std::vector<ColumnRun> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (!Dark(image, x, y)) continue;
        const int first = x;
        while (x + 1 < image.width() && Dark(image, x + 1, y)) ++x;
        runs.push_back({first, x});
    }
    return runs;
}

// Every bar keeps its left edge and loses reduction columns at its right, keeping one.
std::vector<ColumnRun> Reduced(std::vector<ColumnRun> runs, int reduction,
                               std::size_t keptAtEachEnd) {
    for (std::size_t i = keptAtEachEnd; i + keptAtEachEnd < runs.size(); ++i)
        runs[i].last = std::max(runs[i].first, runs[i].last - reduction);
    return runs;
}

struct ReductionCase {
    std::string symbology;
    std::string data;  // digits, or the field text of UCC/EAN-128
    std::string addOnType;
    unsigned short size;  // sizePercent, or G of UCC/EAN-128
    double scale;         // px/mm: 203, 300 and 600 dpi
    int reduction;
    double barRowMm;         // a row through the bars (and the add-on's)
    double unchangedFromMm;  // the rows below all bars: bearer and text
    ZXing::BarcodeFormat format;
    std::string read;
};

void PrintTo(const ReductionCase& c, std::ostream* os) {
    *os << c.symbology << " " << c.data << " " << c.addOnType << " " << c.size << " % at "
        << c.scale << " px/mm less " << c.reduction;
}

std::string CaseName(const ::testing::TestParamInfo<ReductionCase>& info) {
    const ReductionCase& c = info.param;
    return Name(c.symbology + "_" + c.addOnType + "_" + std::to_string(c.size) + "_" +
                std::to_string(static_cast<int>(c.scale)) + "pxmm_less" +
                std::to_string(c.reduction) + "_" + std::to_string(info.index));
}

SymbolRequest RequestOf(const ReductionCase& c) {
    SymbolRequest request = test::RequestOf(c.symbology, c.data, c.size);
    request.addOnType = c.addOnType;
    return request;
}

// The module (ITF-14: the narrow element) in pixels.
double ModulePixels(const ReductionCase& c) {
    const double mm = c.symbology == "ITF-14" ? 1.016 : c.symbology == "UCC/EAN-128" ? 0.25 : 0.33;
    return mm * c.size / 100.0 * c.scale;
}

// The symbol read with its add-on where it has one.
test::Reading Read(const QImage& image, ZXing::BarcodeFormat format, const std::string& addOnType) {
    return Decode(
        image, format,
        addOnType == "None" ? ZXing::EanAddOnSymbol::Ignore : ZXing::EanAddOnSymbol::Require);
}

std::vector<ReductionCase> ReductionCases() {
    using F = ZXing::BarcodeFormat;
    const std::string ean = "4006381333931";
    const std::string itf = "15400141288763";
    const std::string sscc = "(00)123456789012345675";
    const std::string gtin = "(01)09501101530003(17)250101(10)ABC123";
    std::vector<ReductionCase> cases;
    for (const int n : {1, 2}) {
        for (const double scale : {11.811, 23.622}) {
            cases.push_back({"EAN-13", ean, "None", 100, scale, n, 10, 24.6, F::EAN13, ean});
            cases.push_back({"EAN-13", ean + "54495", "5-Digit", 100, scale, n, 10, 24.6, F::EAN13,
                             ean + " 54495"});
            cases.push_back({"UCC/EAN-128", gtin, "None", 100, scale, n, 5, 32.1, F::Code128,
                             "01095011015300031725010110ABC123"});
        }
        cases.push_back({"EAN-13", ean, "None", 200, 8, n, 20, 49.2, F::EAN13, ean});
        for (const double scale : {8.0, 11.811, 23.622})
            cases.push_back({"ITF-14", itf, "None", 100, scale, n, 20, 36.9, F::ITF, itf});
        cases.push_back(
            {"UCC/EAN-128", sscc, "None", 200, 8, n, 5, 32.1, F::Code128, "00123456789012345675"});
    }
    return cases;
}

class BarReduction : public ::testing::TestWithParam<ReductionCase> {};

TEST_P(BarReduction, NarrowsEveryBarAtItsRightAndKeepsTheRest) {
    const ReductionCase& c = GetParam();
    SymbolRequest request = RequestOf(c);
    const SymbolPicture plain = RenderSymbolPicture(request, c.scale, c.scale);
    request.barReductionDots = c.reduction;
    const SymbolPicture reduced = RenderSymbolPicture(request, c.scale, c.scale);
    ASSERT_FALSE(plain.image.isNull());
    ASSERT_FALSE(reduced.image.isNull());
    EXPECT_EQ(reduced.extent, plain.extent);

    // ITF-14's side bearers are the first and last runs of a row through its bars.
    const bool itf = request.Is(Symbology::ITF14);
    const int y = Px(c.barRowMm * c.scale);
    const std::vector<ColumnRun> before = DarkRuns(plain.image, y);
    ASSERT_GT(before.size(), 20u);
    EXPECT_EQ(DarkRuns(reduced.image, y), Reduced(before, c.reduction, itf ? 1 : 0)) << "row " << y;

    // Nothing else moves. The bearers and the text below the bars are as they were; in the rows
    // between, where long bars meet digits, each run is as it was or narrowed as a bar.
    const int unchangedFrom = Px(c.unchangedFromMm * c.scale);
    const int bearerRows = itf ? Px(4.8 * c.scale) : 0;
    ASSERT_LT(unchangedFrom, plain.image.height());
    for (int row = 0; row < plain.image.height(); ++row) {
        const std::vector<ColumnRun> runs = DarkRuns(plain.image, row);
        const std::vector<ColumnRun> now = DarkRuns(reduced.image, row);
        if (row >= unchangedFrom || row < bearerRows) {
            EXPECT_EQ(now, runs) << "row " << row;
            continue;
        }
        ASSERT_EQ(now.size(), runs.size()) << "row " << row;
        const std::vector<ColumnRun> bars = Reduced(runs, c.reduction, 0);
        for (std::size_t i = 0; i < runs.size(); ++i)
            EXPECT_TRUE(now[i] == runs[i] || now[i] == bars[i]) << "row " << row << " run " << i;
    }

    // A reduction of half a module or so is far beyond what a printer needs (and is not read);
    // up to about a third of one the symbol must still read.
    if (c.reduction > 0.35 * ModulePixels(c)) return;
    const test::Reading reading = Read(reduced.image, c.format, c.addOnType);
    ASSERT_TRUE(reading.valid);
    EXPECT_EQ(reading.text, c.read);
}

INSTANTIATE_TEST_SUITE_P(Symbols, BarReduction, ::testing::ValuesIn(ReductionCases()), CaseName);

struct MarkCase {
    std::string symbology;
    std::string digits;
    std::string addOnType;
    double scale;
    bool left, right;  // where the marks go
    ZXing::BarcodeFormat format;
    bool widens;  // an add-on's quiet zone is narrower than the mark
};

void PrintTo(const MarkCase& c, std::ostream* os) {
    *os << c.symbology << " " << c.digits << " " << c.addOnType << " at " << c.scale << " px/mm";
}

std::vector<MarkCase> MarkCases() {
    using F = ZXing::BarcodeFormat;
    std::vector<MarkCase> cases;
    for (const double scale : {8.0, 11.811, 23.622}) {
        cases.push_back({"EAN-13", "4006381333931", "None", scale, false, true, F::EAN13, false});
        cases.push_back({"ISBN-13", "9783161484100", "None", scale, false, true, F::EAN13, false});
        cases.push_back({"EAN-8", "96385074", "None", scale, true, true, F::EAN8, false});
        cases.push_back(
            {"EAN-13", "400638133393112", "2-Digit", scale, false, true, F::EAN13, true});
        cases.push_back({"UPC-A", "036000291452", "None", scale, false, false, F::UPCA, false});
        cases.push_back({"UPC-E", "04252614", "None", scale, false, false, F::UPCE, false});
    }
    return cases;
}

// The dark pixels of columns from to to - 1.
int DarkIn(const QImage& image, int from, int to) {
    int dark = 0;
    for (int x = from; x < to; ++x)
        for (int y = 0; y < image.height(); ++y) dark += Dark(image, x, y) ? 1 : 0;
    return dark;
}

class QuietZoneMarks : public ::testing::TestWithParam<MarkCase> {};

TEST_P(QuietZoneMarks, StandInTheQuietZonesWithinTheBounds) {
    const MarkCase& c = GetParam();
    SymbolRequest request = test::RequestOf(c.symbology, c.digits);
    request.addOnType = c.addOnType;
    const SymbolPicture plain = RenderSymbolPicture(request, c.scale, c.scale);
    request.quietZoneMarks = true;
    const SymbolPicture marked = RenderSymbolPicture(request, c.scale, c.scale);
    ASSERT_FALSE(plain.image.isNull());
    ASSERT_FALSE(marked.image.isNull());

    if (!c.left && !c.right) {
        EXPECT_EQ(marked.extent, plain.extent);
        EXPECT_EQ(marked.image, plain.image);
        return;
    }
    EXPECT_EQ(marked.extent.Left, plain.extent.Left);
    if (c.widens) {
        EXPECT_GT(marked.extent.Right, plain.extent.Right);
    } else {
        EXPECT_EQ(marked.extent.Right, plain.extent.Right);
    }

    // The pictures differ only in the seven modules at the
    // marked edges; there each mark draws.
    const int mark = Px(7 * 0.33 * c.scale) + 1;
    const int width = plain.image.width();
    for (int x = 0; x < width; ++x) {
        const bool inLeftMark = c.left && x < mark;
        const bool inRightMark = c.right && x >= width - mark;
        if (inLeftMark || inRightMark) continue;
        for (int y = 0; y < plain.image.height(); ++y)
            ASSERT_EQ(marked.image.pixel(x, y), plain.image.pixel(x, y)) << x << "," << y;
    }
    // The marks add dark pixels there, beyond the add-on's
    // box where they widen the bounds.
    if (c.left) {
        EXPECT_GT(DarkIn(marked.image, 0, mark), DarkIn(plain.image, 0, mark));
    }
    if (c.right) {
        const int from = c.widens ? width : width - mark;
        EXPECT_GT(DarkIn(marked.image, from, marked.image.width()),
                  DarkIn(plain.image, from, width));
    }

    const test::Reading reading = Read(marked.image, c.format, c.addOnType);
    ASSERT_TRUE(reading.valid);
    EXPECT_EQ(reading.text.substr(0, 8), c.digits.substr(0, 8));
}

std::string MarkName(const ::testing::TestParamInfo<MarkCase>& info) {
    const MarkCase& c = info.param;
    return Name(c.symbology + "_" + c.addOnType + "_" + std::to_string(info.index));
}

INSTANTIATE_TEST_SUITE_P(Symbols, QuietZoneMarks, ::testing::ValuesIn(MarkCases()), MarkName);

}  // namespace
}  // namespace quillmark
