// The core's symbol checks, check digits and the dispatch over the table of symbologies.
#include "symbol/SymbolCheck.h"

#include <gtest/gtest.h>

#include "symbol/CheckDigit.h"

namespace quillmark {
namespace {

TEST(CheckDigit, WritesTheGS1DigitIntoTheLastPosition) {
    const struct {
        Symbology id;
        const char* given;
        const char* expected;
    } cases[] = {
        {Symbology::EAN13, "4006381333930", "4006381333931"},
        {Symbology::ISBN13, "9780000000000", "9780000000002"},
        {Symbology::ISBN13, "9780306406157", "9780306406157"},
        {Symbology::EAN8, "96385074", "96385074"},
        {Symbology::EAN8, "00000000", "00000000"},
        {Symbology::UPCA, "000000000000", "000000000000"},
        {Symbology::ITF14, "12345678901230", "12345678901231"},
        // UPC-E by the check digit of its UPC-A expansion (04252614 expands to 042100005264).
        {Symbology::UPCE, "04252610", "04252614"},
        {Symbology::UPCE, "01234500", "01234505"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_EQ(SetCheckDigit(c.id, c.given), c.expected);
        if (c.id != Symbology::UPCE) {
            EXPECT_EQ(SetCheckDigit(c.given), c.expected);
        }
    }
    EXPECT_EQ(SetCheckDigit(""), "");
    EXPECT_EQ(SetCheckDigit("12a4"), "12a4");  // a non-digit leaves the text as it is
}

TEST(SymbolCheck, MainDigitsAndAddOns) {
    const SymbologyInfo& ean13 = *FindSymbology("EAN-13");
    const struct {
        const char* type;
        const char* data;
        SymbolProblem problem;
        std::size_t position, count, expected;
    } cases[] = {
        {"EAN-13", "4006381333931", SymbolProblem::None, 0, 0, 0},
        {"EAN-13", "4006381333932", SymbolProblem::CheckDigit, 13, 0, 1},
        {"EAN-13", "400638133393", SymbolProblem::DigitCount, 0, 12, 13},
        {"EAN-13", "40063813x3931", SymbolProblem::NotADigit, 9, 0, 0},
        {"ISBN-13", "9770000000001", SymbolProblem::ISBNPrefix, 0, 0, 0},
        {"ISBN-13", "9791012345678", SymbolProblem::None, 0, 0, 0},
        {"UPC-E", "21234565", SymbolProblem::UPCENumberSystem, 0, 0, 0},
        {"UPC-E", "01234565", SymbolProblem::None, 0, 0, 0},
        {"ITF-14", "12345678901231", SymbolProblem::None, 0, 0, 0},
        {"EAN-8", "963850741", SymbolProblem::DigitCount, 0, 9, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.data);
        const SymbolCheck check = CheckMainDigits(*FindSymbology(c.type), c.data);
        EXPECT_EQ(check.problem, c.problem);
        EXPECT_EQ(check.position, c.position);
        EXPECT_EQ(check.count, c.count);
        EXPECT_EQ(check.expected, c.expected);
    }
    EXPECT_TRUE(CheckAddOn(ean13, "12").ok());
    EXPECT_TRUE(CheckAddOn(ean13, "12345").ok());
    EXPECT_EQ(CheckAddOn(ean13, "123").problem, SymbolProblem::AddOnLength);
    EXPECT_EQ(CheckAddOn(ean13, "1a").problem, SymbolProblem::NotADigit);
    EXPECT_EQ(CheckAddOn(*FindSymbology("EAN-8"), "12").problem, SymbolProblem::AddOnNotAllowed);
}

TEST(SymbolCheck, FieldTextMustEncodeWhole) {
    EXPECT_TRUE(CheckFieldText("(10)ABC").ok());
    EXPECT_EQ(CheckFieldText(" () ").problem, SymbolProblem::NothingToEncode);
    const SymbolCheck longText = CheckFieldText(std::string(600, 'A'));
    EXPECT_EQ(longText.problem, SymbolProblem::TooLong);
    EXPECT_GT(longText.count, 0u);
    EXPECT_LT(longText.count, 600u);
    EXPECT_EQ(longText.expected, 600u);
}

// Every name of the table reaches its renderer; an encoded request draws what encoding on every
// call draws; a request without a symbology draws nothing.
TEST(RenderSymbol, DispatchesEveryTypeOfTheTable) {
    for (const SymbologyInfo& info : kSymbologies) {
        SCOPED_TRACE(std::string(info.name));
        SymbolRequest request;
        request.symbology = &info;
        request.digits =
            info.id == Symbology::ISBN13 ? "9780306406157" : std::string(info.digitCount, '0');
        request.fieldText = "(01)09501101530003";
        request.linkUri = "https://id.gs1.org/01/09501101530003";
        TRect plain;
        RenderSymbol(request, nullptr, 0, 0, 8, 8, plain);
        EXPECT_GT(plain.Right, 0);
        EXPECT_GT(plain.Bottom, 0);
        EncodeRequest(request);
        EXPECT_EQ(request.encoded.has_value(), info.id == Symbology::UCCEAN128);
        EXPECT_EQ(request.matrix.has_value(), IsMatrix2D(info.id));
        TRect encoded;
        RenderSymbol(request, nullptr, 0, 0, 8, 8, encoded);
        EXPECT_EQ(encoded.Right, plain.Right);
    }
    const SymbolRequest none;
    TRect bounds{1, 2, 3, 4};
    RenderSymbol(none, nullptr, 0, 0, 8, 8, bounds);
    EXPECT_EQ(bounds.Right, 0);
}

}  // namespace
}  // namespace quillmark
