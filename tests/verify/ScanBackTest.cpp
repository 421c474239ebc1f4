// Scan-back: the pictures that would be saved, read back and compared with the data intended.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "canvas/SymbolImage.h"
#include "support/GuiApp.h"
#include "support/Requests.h"
#include "verify/ScanBack.h"

namespace quillmark {
namespace {

const std::string F = "\xE0";  // FNC1
constexpr char GS = 29;

SymbolRequest Request(std::string type, std::string digits, std::string addOnType = "None") {
    SymbolRequest r = test::RequestOf(type, std::move(digits));
    r.addOnType = std::move(addOnType);
    return r;
}

SymbolRequest UCC(std::string fieldText, unsigned short gSize = 100) {
    return test::RequestOf("UCC/EAN-128", std::move(fieldText), gSize);
}

struct ScanCase {
    const char* name;
    SymbolRequest drawn;
    double dotsPerMm;
    ScanOutcome outcome;
    std::string readText;  // what the reader reports
    std::string readAddOn;
    TColor line = 0x000000;
    TColor background = 0xFFFFFF;
};

void PrintTo(const ScanCase& c, std::ostream* os) {
    *os << c.name;
}

class ScanBackCases : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanBackCases, ReadsWhatWasDrawn) {
    const ScanCase& c = GetParam();
    const SymbolPicture picture =
        RenderSymbolPicture(c.drawn, c.dotsPerMm, c.dotsPerMm, {c.line, c.background});
    ASSERT_FALSE(picture.image.isNull());
    const std::optional<ScanExpectation> expected = ExpectedScanText(c.drawn);
    ASSERT_TRUE(expected);
    const ScanResult r = ScanBack(ViewOf(picture.image), *expected);
    EXPECT_EQ(r.outcome, c.outcome) << r.text;
    EXPECT_EQ(r.severity, c.outcome == ScanOutcome::Read ? Severity::Pass : Severity::Failure);
    EXPECT_EQ(r.text, c.readText);
    EXPECT_EQ(r.addOn, c.readAddOn);
}

const ScanCase kCases[] = {
    {"EAN13", Request("EAN-13", "4006381333931"), 12, ScanOutcome::Read, "4006381333931", ""},
    {"ISBN13AddOn5", Request("ISBN-13", "978316148410052495", "5-Digit"), 12, ScanOutcome::Read,
     "9783161484100", "52495"},
    {"UPCAAddOn2", Request("UPC-A", "03600029145212", "2-Digit"), 12, ScanOutcome::Read,
     "036000291452", "12"},
    {"UPCE", Request("UPC-E", "01234565"), 8, ScanOutcome::Read, "01234565", ""},
    {"EAN8", Request("EAN-8", "96385074"), 6, ScanOutcome::Read, "96385074", ""},
    {"ITF14", Request("ITF-14", "12345678901231"), 8, ScanOutcome::Read, "12345678901231", ""},
    {"GS1", UCC("(01)09501101530003(17)250101(10)ABC123"), 12, ScanOutcome::Read,
     "010950110153000317250101"
     "10ABC123",
     ""},
    {"GS1Separators", UCC(F + "(10)abc" + F + "(21)12\xC4"), 8, ScanOutcome::Read,
     std::string("10abc") + GS + "2112\x04", ""},
    {"DarkBlueOnYellow", Request("EAN-8", "96385074"), 8, ScanOutcome::Read, "96385074", "",
     0x000080, 0xFFFF00},
    // Modules of half a dot round to none: the bars vanish.
    {"GS1ModulesVanish", UCC("(10)ABC"), 2, ScanOutcome::NothingRead, "", ""},
    {"EAN13ModulesUnderADot", Request("EAN-13", "4006381333931"), 2, ScanOutcome::NothingRead, "",
     ""},
    // Red lines look dark but vanish under a scanner's red light.
    {"RedLines", Request("EAN-13", "4006381333931"), 12, ScanOutcome::NothingRead, "", "", 0xFF0000,
     0xFFFFFF},
};

INSTANTIATE_TEST_SUITE_P(Symbols, ScanBackCases, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

// ScanBackSymbol relies on this: a row through the bars has the same pixels whatever the vertical
// resolution (the bars' middle row, 12 mm below the top at the symbol's size).
TEST(ScanBackSymbol, ColumnsDoNotDependOnTheVerticalResolution) {
    SymbolRequest requests[] = {Request("ITF-14", "12345678901231"),
                                Request("EAN-13", "400638133393152495", "5-Digit"),
                                Request("UPC-A", "03600029145212", "2-Digit"),
                                Request("UPC-E", "0123456512", "2-Digit"),
                                Request("EAN-8", "96385074"),
                                UCC("(01)09501101530003(10)ABC" + F + "(21)1")};
    requests[0].sizePercent = 50;
    requests[1].sizePercent = 80;
    requests[2].sizePercent = 150;
    for (const SymbolRequest& r : requests) {
        const double m = (r.Is(Symbology::UCCEAN128) ? 100 : r.sizePercent) / 100.0;
        for (const double across : {3.0, 4.0, 5.5, 11.811, 23.622}) {
            const QImage full = RenderSymbolPicture(r, across, across).image;
            const QImage low = RenderSymbolPicture(r, across, 2.5).image;
            ASSERT_EQ(full.width(), low.width()) << r.symbology->name << " at " << across;
            const int yFull = Px(12 * m * across), yLow = Px(12 * m * 2.5);
            int differing = 0, dark = 0;
            for (int x = 0; x < full.width(); ++x) {
                differing += full.pixel(x, yFull) != low.pixel(x, yLow) ? 1 : 0;
                dark += qRed(full.pixel(x, yFull)) < 128 ? 1 : 0;
            }
            EXPECT_EQ(differing, 0) << r.symbology->name << " at " << across;
            EXPECT_GT(dark, 30) << r.symbology->name << " at "
                                << across;  // the row crosses the bars
        }
    }
}

// The reduced-height pictures of ScanBackSymbol read as the full ones do, in the chosen colours.
TEST(ScanBackSymbol, ReadsLikeTheSavedPicture) {
    SymbolRequest itf = Request("ITF-14", "12345678901231");
    ScanResult r = ScanBackSymbol(itf, 100);
    EXPECT_EQ(r.outcome, ScanOutcome::Read);
    EXPECT_EQ(r.text, "12345678901231");
    EXPECT_EQ(ScanBackSymbol(itf, 12, {0xFF0000, 0xFFFFFF}).outcome, ScanOutcome::NothingRead);
    EXPECT_EQ(ScanBackSymbol(UCC("(10)ABC" + F + "(21)1"), 2).outcome, ScanOutcome::NothingRead);
    r = ScanBackSymbol(Request("UPC-A", "03600029145212", "2-Digit"), 4);
    EXPECT_EQ(r.outcome, ScanOutcome::Read);
    EXPECT_EQ(r.addOn, "12");
    // 869 mm at 100 dots/mm: wider than the widest picture.
    EXPECT_EQ(ScanBackSymbol(UCC("(90)" + std::string(70, 'a'), 400), 100).outcome,
              ScanOutcome::NoPicture);
    EXPECT_EQ(ScanBackSymbol(Request("Code 39", "1"), 12).outcome, ScanOutcome::NothingRead);
    // A 2D symbol without data, or with more than any size holds, is no symbol at all.
    SymbolRequest empty;
    empty.symbology = &SymbologyOf(Symbology::GS1DataMatrix);
    EXPECT_EQ(ScanBackSymbol(empty, 12).outcome, ScanOutcome::NoSymbol);
    SymbolRequest tooLong = empty;
    tooLong.symbology = &SymbologyOf(Symbology::GS1QR);
    tooLong.fieldText = "(91)" + std::string(90, 'A');
    for (int i = 0; i < 60; ++i) tooLong.fieldText += F + "(92)" + std::string(90, 'B');
    EXPECT_EQ(ScanBackSymbol(tooLong, 12).outcome, ScanOutcome::NoSymbol);
}

// A reading that differs from what was intended is reported with what was read.
TEST(ScanBack, OtherDataIsAFailureThatSaysWhatWasRead) {
    const SymbolPicture picture = RenderSymbolPicture(Request("EAN-13", "4006381333931"), 12, 12);
    ScanExpectation other{Symbology::EAN13, "4006381333948", ""};
    ScanResult r = ScanBack(ViewOf(picture.image), other);
    EXPECT_EQ(r.outcome, ScanOutcome::ReadOther);
    EXPECT_EQ(r.text, "4006381333931");

    ScanExpectation withAddOn{Symbology::EAN13, "4006381333931", "12"};
    r = ScanBack(ViewOf(picture.image), withAddOn);
    EXPECT_EQ(r.outcome, ScanOutcome::ReadOther);
    EXPECT_EQ(r.text, "4006381333931");
    EXPECT_EQ(r.addOn, "");

    EXPECT_EQ(ScanBack(PixelView{}, withAddOn).outcome, ScanOutcome::NothingRead);
}

TEST(ExpectedScanText, DataAReaderReports) {
    EXPECT_EQ(ExpectedGS1Data(F + F + "(10) A B" + F + "(21)1\xDD" + F),
              "10AB\x1D"
              "211\x1D\x1D");
    EXPECT_EQ(ExpectedGS1Data("(10)A\xE4\xE1\xE3"), "10A");  // no code set, FNC2, FNC4
    const std::optional<ScanExpectation> e =
        ExpectedScanText(Request("EAN-13", "400638133393112", "2-Digit"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->text, "4006381333931");
    EXPECT_EQ(e->addOn, "12");
    EXPECT_EQ(ExpectedScanText(Request("EAN-8", "9638507412", "2-Digit"))->addOn, "");
    EXPECT_FALSE(ExpectedScanText(Request("Code 39", "1")));
}

}  // namespace
}  // namespace quillmark
