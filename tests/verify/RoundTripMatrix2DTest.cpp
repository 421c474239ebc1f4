// GS1 DataMatrix, GS1 QR Code and Digital Link QR Code pictures, made by the one picture function
// every output uses, read back by ZXing-C++ as the same GS1 data or URI.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "check/GS1DigitalLink.h"
#include "raster/SymbolRaster.h"
#include "verify/ExpectedScan.h"
#include "verify/ScanBack.h"

namespace quillmark {
namespace {

const std::string F = "\xE0";  // FNC1 in the field's notation

constexpr double k300Dpi = 300 / 25.4;

// Element strings across AIs: fixed and variable length, numeric and alphanumeric data, FNC1
// after variable-length data, characters of GS1's set 82 that need byte mode or escapes in a URI.
const std::vector<std::string> kElementStrings = {
    "(01)09501101530003",
    "(01)09501101530003(17)251231",
    "(01)09501101530003(10)ABC",
    "(01)09501101530003(17)251231(10)ABC123",
    "(01)09501101530003(10)AB-12" + F + "(17)251231",
    "(01)09501101530003(21)12345678901234567890",
    "(00)395011010013000129",
    "(01)09501101530003(15)260101(10)L0T.7",
    "(01)09501101530003(3103)001250",
    "(01)09501101530003(3922)0299",
    "(414)9501101530003(254)A1",
    "(01)09501101530003(21)x%y&z/" + F + "(11)250101",
    "(01)09501101530003(400)PO-4711" + F + "(3922)0299",
    "(01)09501101530003(10)BATCH42" + F + "(21)SN'9*+" + F + "(17)271130",
    "(8004)95011015300031234",
    "(253)9501101530003ABC",
    "(01)00012345678905(30)100",
    "(01)09501101530003(22)CPV:1" + F + "(10)LOT",
    "(01)09501101530003(7003)2512311200",
    "(01)09501101530003(240)ADDITIONAL_ID-7",
};

struct MatrixCase {
    std::string name;
    SymbolRequest request;
};

SymbolRequest Matrix(Symbology id, std::string fieldText, double moduleMm) {
    SymbolRequest r;
    r.symbology = &SymbologyOf(id);
    r.fieldText = std::move(fieldText);
    r.moduleMm = moduleMm;
    return r;
}

// Each element string as a square and a rectangular DataMatrix and as a GS1 QR Code at each
// error level, the modules from the smallest to the largest GS1 size.
std::vector<MatrixCase> ElementStringCases() {
    static constexpr double kModules[] = {0.254, 0.4, 0.75, 1.5};
    static constexpr QRLevel kLevels[] = {QRLevel::L, QRLevel::M, QRLevel::Q, QRLevel::H};
    std::vector<MatrixCase> cases;
    for (std::size_t i = 0; i < kElementStrings.size(); ++i) {
        const double module = kModules[i % 4];
        SymbolRequest square = Matrix(Symbology::GS1DataMatrix, kElementStrings[i], module);
        SymbolRequest rectangle = square;
        rectangle.rectangular = true;
        square.elementText = i % 2 == 0;
        SymbolRequest qr = Matrix(Symbology::GS1QR, kElementStrings[i], kModules[(i + 1) % 4]);
        qr.qrLevel = kLevels[i % 4];
        qr.elementText = i % 2 == 1;
        const std::string n = std::to_string(i);
        cases.push_back({"DataMatrix" + n, square});
        if (i < 12) cases.push_back({"Rectangular" + n, rectangle});  // the longer need a square
        cases.push_back({"QR" + n, qr});
    }
    return cases;
}

// Twenty Digital Link URIs under two stems, at every error level.
std::vector<MatrixCase> DigitalLinkCases() {
    static constexpr QRLevel kLevels[] = {QRLevel::M, QRLevel::L, QRLevel::Q, QRLevel::H};
    std::vector<MatrixCase> cases;
    for (std::size_t i = 0; i < kElementStrings.size(); ++i) {
        SymbolRequest r = Matrix(Symbology::DigitalLinkQR, kElementStrings[i], i % 3 ? 0.5 : 0.254);
        r.qrLevel = kLevels[i % 4];
        const DigitalLinkResult link = DigitalLinkFromElementString(
            r.fieldText, i % 2 ? "https://example.com/products" : kDefaultDigitalLinkStem);
        if (!link.text) ADD_FAILURE() << kElementStrings[i] << ": " << link.reason;
        r.linkUri = link.text.value_or("");
        cases.push_back({"DigitalLink" + std::to_string(i), r});
    }
    return cases;
}

std::string CaseName(const ::testing::TestParamInfo<MatrixCase>& c) {
    return c.param.name;
}

class MatrixRoundTrip : public ::testing::TestWithParam<MatrixCase> {};

TEST_P(MatrixRoundTrip, ReadsBackTheSameDataAt300Dpi) {
    SymbolRequest request = GetParam().request;
    EncodeRequest(request);
    ASSERT_TRUE(request.matrix) << "not encoded";
    const RasterPicture picture = RenderSymbolRaster(request, k300Dpi, k300Dpi);
    ASSERT_EQ(picture.problem, PictureProblem::None);
    const std::optional<ScanExpectation> expected = ExpectedScanText(request);
    ASSERT_TRUE(expected);
    const ScanResult read = ScanBack(picture.raster.View(), *expected);
    EXPECT_EQ(read.outcome, ScanOutcome::Read)
        << read.text << " read as " << read.symbologyIdentifier << ", expected " << expected->text;
    EXPECT_EQ(read.symbologyIdentifier, request.Is(Symbology::GS1DataMatrix) ? "]d2"
                                        : request.Is(Symbology::GS1QR)       ? "]Q3"
                                                                             : "]Q1");
    // The picture is the matrix and its quiet zone (and the text line), each module its size.
    const int quiet = request.Is(Symbology::GS1DataMatrix) ? 1 : 4;
    const double widthMm = (request.matrix->width + 2 * quiet) * request.moduleMm;
    EXPECT_NEAR(picture.raster.Width(), widthMm * k300Dpi, 1.0);
}

INSTANTIATE_TEST_SUITE_P(ElementStrings, MatrixRoundTrip, ::testing::ValuesIn(ElementStringCases()),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(DigitalLinks, MatrixRoundTrip, ::testing::ValuesIn(DigitalLinkCases()),
                         CaseName);

// Every size of DataMatrix, square and rectangular, reads back: the finder, timing and data modules
// are where a reader looks for them. All but the largest: readers differ on how 144 x 144
// interleaves its blocks, and ZXing-C++ reads libdmtx's otherwise than libdmtx writes it.
TEST(Matrix2D, EveryDataMatrixSizeReadsBack) {
    std::map<std::pair<int, int>, std::pair<std::string, ModuleMatrix>> sizes;
    for (const bool rectangular : {false, true})
        for (std::size_t n = 1; n < 3100; n += n < 200 ? 1 : 7) {
            std::string digits(n, '0');
            for (std::size_t i = 0; i < n; ++i)
                digits[i] = static_cast<char>('0' + (i * 7 + n) % 10);
            std::optional<ModuleMatrix> m = EncodeGS1DataMatrix(digits, rectangular);
            if (m) sizes.try_emplace({m->width, m->height}, digits, *m);
        }
    EXPECT_EQ(sizes.size(), 30u) << "24 square sizes and 6 rectangular ones";
    sizes.erase({144, 144});
    for (const auto& [size, symbol] : sizes) {
        SymbolRequest request = Matrix(Symbology::GS1DataMatrix, "", 0.5);
        request.matrix = symbol.second;
        const RasterPicture picture = RenderSymbolRaster(request, 12, 12);
        const ScanResult read =
            ScanBack(picture.raster.View(), {Symbology::GS1DataMatrix, symbol.first, ""});
        EXPECT_EQ(read.outcome, ScanOutcome::Read) << size.first << " x " << size.second;
    }
}

// A symbol is the same whether it was encoded once or at every call, and a text no symbol holds
// draws nothing rather than something else.
TEST(Matrix2D, DrawsNothingForDataNoSymbolHolds) {
    SymbolRequest tooLong = Matrix(Symbology::GS1DataMatrix, "(01)09501101530003(21)", 0.5);
    for (int i = 0; i < 80; ++i)
        tooLong.fieldText += F + "(21)" + std::string(20, static_cast<char>('A' + i % 26));
    EXPECT_FALSE(EncodeMatrix(tooLong));
    TRect bounds{1, 2, 3, 4};
    RenderSymbol(tooLong, nullptr, 0, 0, 8, 8, bounds);
    EXPECT_EQ(bounds, TRect{});
    const SymbolRequest noAIs = Matrix(Symbology::GS1QR, "0109501101530003", 0.5);
    EXPECT_FALSE(EncodeMatrix(noAIs)) << "a GS1 QR Code needs its AIs marked";
}

}  // namespace
}  // namespace quillmark
