// EAN/UPC symbols drawn through the QPainter canvas must scan: each picture is decoded with ZXing.
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "canvas/SymbolImage.h"
#include "encoders/EANUPC.h"
#include "support/GuiApp.h"
#include "support/Requests.h"
#include "support/ZXingDecode.h"

namespace quillmark {
namespace {

using test::Decode;
using test::Name;
using test::Reading;
using test::Visible;

struct EANCase {
    std::string codeType;  // as the renderer takes it
    std::string addOnType;
    std::string main;   // the main digits, check digit included
    std::string addOn;  // the add-on digits ("" for none)
    double scale;       // pixels per millimetre, both axes
    unsigned short size;
};

std::string EANName(const ::testing::TestParamInfo<EANCase>& info) {
    const EANCase& c = info.param;
    return Name(c.codeType + "_" + c.main + "_" + (c.addOn.empty() ? "none" : c.addOn) + "_" +
                std::to_string(static_cast<int>(c.scale * 10000)) + "pxmm10000_" +
                std::to_string(c.size)) +
           "_" + std::to_string(info.index);
}

std::string UPCE(const std::string& sevenDigits) {
    const std::optional<int> check = UPCECheckDigit(sevenDigits);
    return check ? sevenDigits + static_cast<char>('0' + *check) : sevenDigits + "?";
}

std::vector<EANCase> EANCases() {
    struct Symbol {
        const char* codeType;
        std::string main;
        bool addOns;
    };
    const std::vector<Symbol> symbols = {
        {"EAN-13", "5901234123457", true},   {"EAN-13", "4006381333931", true},
        {"EAN-13", "0012345678905", false},  {"ISBN-13", "9780306406157", true},
        {"ISBN-13", "9791234567896", false}, {"EAN-8", "96385074", false},
        {"EAN-8", "73513537", false},        {"UPC-A", "036000291452", true},
        {"UPC-A", "012345678905", true},     {"UPC-E", UPCE("0123456"), true},
        {"UPC-E", UPCE("0654321"), false},   {"UPC-E", UPCE("1123456"), true},
        {"UPC-E", UPCE("1987650"), false},
    };
    struct Scale {
        double pxPerMm;
        unsigned short size;
    };
    std::vector<Scale> scales = {{8, 80},   {8, 100}, {8, 200},  {10, 80},  {10, 100},
                                 {10, 200}, {12, 80}, {12, 100}, {12, 200}, {4, 200}};
    // Then the scales of screens and printers (96, 200, 240, 300 and 600 dpi among them) and those
    // between, at every size from 80 % to 200 % in steps of 10 where a module is a pixel or more.
    // Each symbol at each of them: with its add-ons in turn where it has any.
    const double wide[] = {3, 3.5, 3.7795, 4, 4.5, 5, 5.5, 6, 7, 9.4488, 11.811, 23.622, 8, 10, 12};
    std::vector<EANCase> cases;
    for (const Symbol& s : symbols)
        for (const Scale& sc : scales) {
            cases.push_back({s.codeType, "None", s.main, "", sc.pxPerMm, sc.size});
            if (!s.addOns) continue;
            cases.push_back({s.codeType, "2-Digit", s.main, "12", sc.pxPerMm, sc.size});
            cases.push_back({s.codeType, "5-Digit", s.main, "52495", sc.pxPerMm, sc.size});
        }
    int turn = 0;
    for (const double scale : wide)
        for (unsigned short size = 80; size <= 200; size += 10) {
            if (scale * 0.33 * size / 100.0 < 0.995) continue;  // 3.78 px/mm, 80 %: 0.998 px
            const bool known = std::any_of(scales.begin(), scales.end(), [&](const Scale& sc) {
                return sc.pxPerMm == scale && sc.size == size;
            });
            if (known) continue;
            for (const Symbol& s : symbols) {
                const int kind = s.addOns ? turn++ % 3 : 0;
                const char* addOnType = kind == 0 ? "None" : kind == 1 ? "2-Digit" : "5-Digit";
                const char* addOn = kind == 0 ? "" : kind == 1 ? "12" : "52495";
                cases.push_back({s.codeType, addOnType, s.main, addOn, scale, size});
            }
        }
    return cases;
}

ZXing::BarcodeFormat EANFormat(const std::string& codeType) {
    if (codeType == "EAN-8") return ZXing::BarcodeFormat::EAN8;
    if (codeType == "UPC-A") return ZXing::BarcodeFormat::UPCA;
    if (codeType == "UPC-E") return ZXing::BarcodeFormat::UPCE;
    return ZXing::BarcodeFormat::EAN13;
}

void PrintTo(const EANCase& c, std::ostream* os) {
    *os << c.codeType << " " << c.addOnType << " " << c.main << " " << c.addOn << " at " << c.scale
        << " px/mm " << c.size << " %";
}

// ZXing 1.4 looks for an add-on no further than 3.5 times the measured width of the main
// symbol's start guard (about 10.5 modules) past the end guard, while GS1 allows 9 to 12 modules
// after a UPC-A symbol, whose add-on sits 11 modules away. The picture handed to the decoder has
// that gap narrowed to 9 modules, after the gap itself is checked to be 11 modules; the bars are
// left untouched.
QImage WithUPCAAddOnGapNarrowed(const QImage& image, const EANCase& c) {
    const double module = 0.33 * c.size / 100.0 * c.scale;
    const int boxRight = Px(113 * module);
    const int y = image.height() / 2;  // crosses the main bars and the add-on bars
    auto dark = [&](int x) { return qGray(image.pixel(x, y)) < 128; };
    int lastMain = boxRight - 1;
    while (lastMain > 0 && !dark(lastMain)) --lastMain;
    int firstAddOn = boxRight;
    while (firstAddOn < image.width() && !dark(firstAddOn)) ++firstAddOn;
    const int gap = firstAddOn - lastMain - 1;
    EXPECT_NEAR(gap, 11 * module, 1.5) << "add-on gap in pixels, module " << module;
    const int cut = gap - Px(9 * module);
    if (cut <= 0) return image;
    QImage narrowed(image.width() - cut, image.height(), image.format());
    QPainter painter(&narrowed);
    painter.drawImage(0, 0, image, 0, 0, lastMain + 1, image.height());
    painter.drawImage(lastMain + 1, 0, image, lastMain + 1 + cut, 0, -1, -1);
    return narrowed;
}

class EANUPCRoundTrip : public ::testing::TestWithParam<EANCase> {};

TEST_P(EANUPCRoundTrip, DecodesToTheDigitsGiven) {
    const EANCase& c = GetParam();
    SymbolRequest symbol = test::RequestOf(c.codeType, c.main + c.addOn, c.size);
    symbol.addOnType = c.addOnType;
    const QImage image = RenderSymbolPicture(symbol, c.scale, c.scale).image;
    ASSERT_FALSE(image.isNull());
    const bool upcaAddOn = c.codeType == "UPC-A" && !c.addOn.empty();
    const Reading reading =
        Decode(upcaAddOn ? WithUPCAAddOnGapNarrowed(image, c) : image, EANFormat(c.codeType),
               c.addOn.empty() ? ZXing::EanAddOnSymbol::Read : ZXing::EanAddOnSymbol::Require);
    ASSERT_TRUE(reading.valid) << image.width() << "x" << image.height();
    EXPECT_EQ(reading.format, EANFormat(c.codeType));
    EXPECT_EQ(reading.text, c.addOn.empty() ? c.main : c.main + " " + c.addOn);
    // ]E4 marks EAN-8, ]E3 a symbol read together with its add-on.
    EXPECT_EQ(reading.symbology, c.codeType == "EAN-8" ? "]E4" : c.addOn.empty() ? "]E0" : "]E3");
}

INSTANTIATE_TEST_SUITE_P(Symbols, EANUPCRoundTrip, ::testing::ValuesIn(EANCases()), EANName);

}  // namespace
}  // namespace quillmark
