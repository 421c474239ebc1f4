// The linear symbol a pair draws for each form of the GTIN wherever (01) stands, and the GTINs it
// refuses (the picture round trip covers each symbology drawn).
#include "symbol/SymbolPair.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmark {
namespace {

const std::string F = "\xE0";  // FNC1 in the field's notation

struct Case {
    std::string fieldText;
    PairProblem problem;
    const char* linear;  // the symbology's name; nullptr when refused
    std::string digits;
};

TEST(SymbolPair, TheGTINsFormChoosesTheLinearSymbol) {
    // clang-format off
    const Case kCases[] = {
        {"(01)00036000291452(10)A", PairProblem::None, "UPC-A", "036000291452"},
        {"(01)00000096385074", PairProblem::None, "EAN-8", "96385074"},
        {"(01)89501101530009", PairProblem::None, "ITF-14", "89501101530009"},
        // (01) anywhere in the text, spaces in the AI and the data as the symbol drops them.
        {"(10)AB" + F + "( 01 )0950 1101530003(17)251231", PairProblem::None, "EAN-13", "9501101530003"},
        // The linear symbol's own check refuses a wrong check digit, its symbol named.
        {"(01)09501101530004", PairProblem::WrongCheckDigit, "EAN-13", "9501101530004"},
        {"(01)00036000291453", PairProblem::WrongCheckDigit, "UPC-A", "036000291453"},
        {"(01)89501101530008", PairProblem::WrongCheckDigit, "ITF-14", "89501101530008"},
        {"(10)ABC(21)1", PairProblem::NoGTIN, nullptr, ""},
        {"(02)09501101530003", PairProblem::NoGTIN, nullptr, ""},
        {"(01)0950110153000", PairProblem::GTINNotDigits, nullptr, ""},
        {"(01)0950110153000A", PairProblem::GTINNotDigits, nullptr, ""},
        {"(01)09501101530003" + F + "1", PairProblem::None, "EAN-13", "9501101530003"},
        {"(01)99501101530003", PairProblem::VariableMeasure, nullptr, ""},
    };
    // clang-format on
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.fieldText);
        const PairedLinear paired = LinearOfGTIN(c.fieldText);
        EXPECT_EQ(paired.problem, c.problem);
        if (c.linear == nullptr) {
            EXPECT_EQ(paired.symbology, nullptr);
            continue;
        }
        ASSERT_NE(paired.symbology, nullptr);
        EXPECT_EQ(paired.symbology->name, c.linear);
        EXPECT_EQ(paired.digits, c.digits);
        EXPECT_EQ(paired.check.ok(), c.problem == PairProblem::None);
    }
}

}  // namespace
}  // namespace quillmark
