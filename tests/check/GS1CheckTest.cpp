// Each GS1 finding on a text that has the fault, and none on its sound counterpart.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "check/GS1Check.h"

namespace quillmark {
namespace {

const std::string F = "\xE0";  // FNC1 in the field's notation

using Found = std::vector<std::pair<GS1Problem, std::string>>;  // problem and AI, in order

Found Problems(const std::string& text) {
    Found found;
    for (const GS1Finding& f : CheckGS1Text(text)) {
        found.emplace_back(f.problem, f.ai);
        EXPECT_EQ(f.severity, SeverityOf(f.problem));
    }
    return found;
}

struct GS1Case {
    const char* name;
    std::string faulty;
    Found expected;
    std::string sound;  // the same data put right
    Found remaining{};  // what the sound text still shows
};

using P = GS1Problem;

// clang-format off
const GS1Case kCases[] = {
    {"FixedTooShort", "(11)24013", {{P::DataTooShort, "11"}}, "(11)240131"},
    {"FixedTooLong", "(20)123", {{P::DataTooLong, "20"}}, "(20)12"},
    {"VariableTooLong", "(10)ABCDEFGHIJKLMNOPQRSTU", {{P::DataTooLong, "10"}},
     "(10)ABCDEFGHIJKLMNOPQRST"},
    {"VariableEmpty", "(10)" + F + "(21)1", {{P::DataTooShort, "10"}}, "(10)1" + F + "(21)1"},
    {"NoMaximumFor30", "(30)", {{P::DataTooShort, "30"}}, "(30)123456789012345"},
    {"LengthDigitOf23x", "(233)12345", {{P::DataTooShort, "233"}}, "(233)1234567"},
    {"LengthDigitOf23xTooLong", "(231)1234", {{P::DataTooLong, "231"}}, "(232)1234"},
    {"NonDigitInFixed", "(11)24O131", {{P::NonDigit, "11"}}, "(11)240131"},
    {"ControlCharacterInFixed", "(20)1\xC4", {{P::NonDigit, "20"}}, "(20)14"},
    {"CheckDigitOf00", "(00)123456789012345670", {{P::WrongCheckDigit, "00"}},
     "(00)123456789012345675"},
    {"CheckDigitOf01", "(01)09501101530004", {{P::WrongCheckDigit, "01"}}, "(01)09501101530003"},
    {"CheckDigitOf02", "(02)09501101530001", {{P::WrongCheckDigit, "02"}}, "(02)09501101530003"},
    {"MissingFNC1", "(10)ABC(21)12", {{P::MissingFNC1, "10"}}, "(10)ABC" + F + "(21)12"},
    {"MissingFNC1AfterFixedWithoutPredefinedLength", "(8005)123456(10)A",
     {{P::MissingFNC1, "8005"}}, "(8005)123456" + F + "(10)A"},
    {"PredefinedLengthNeedsNoFNC1", "(01)09501101530003(17)250101(10)ABC123(21)1",
     {{P::MissingFNC1, "10"}}, "(01)09501101530003(17)250101(10)ABC123" + F + "(21)1"},
    {"February30", "(17)250230", {{P::ImpossibleDate, "17"}}, "(17)250228"},
    {"February29NotInLeapYear", "(15)250229", {{P::ImpossibleDate, "15"}}, "(15)240229"},
    {"Month13", "(11)241301", {{P::ImpossibleDate, "11"}}, "(11)241200"},  // day 00 allowed
    {"April31", "(13)240431", {{P::ImpossibleDate, "13"}}, "(13)240430"},
    {"DecimalPointAboveFive", "(3106)001250", {{P::DecimalPointAboveFive, "3106"}},
     "(3105)001250"},
    {"SpaceInData", "(10)AB C", {{P::SpaceInData, "10"}}, "(10) ABC " + F + "(21)1"},
    {"TooManyDataCharacters",
     "(00)123456789012345675(01)09501101530003(11)240131(10)ABC",
     {{P::TooManyDataCharacters, ""}},
     "(00)123456789012345675(01)09501101530003(11)240131(10)AB"},  // 48 characters
    {"UnknownAI", "(12)240131", {{P::UnknownAI, "12"}}, "(11)240131"},
    {"UnknownAINeedsFNC1", "(7003)2401311200(10)A",
     {{P::UnknownAI, "7003"}, {P::MissingFNC1, "7003"}}, "(7003)2401311200" + F + "(10)A",
     {{P::UnknownAI, "7003"}}},
    {"UnclosedAI", "(10", {{P::UnclosedAI, "10"}}, "(10)1"},
    {"DataWithoutAI", "ABC" + F + "(10)1", {{P::DataWithoutAI, ""}}, F + "(10)1"},
    {"DataAfterFNC1WithoutAI", "(10)1" + F + "X", {{P::DataWithoutAI, ""}}, "(10)1" + F + "(91)X"},
    {"Empty", "", {{P::NoElementStrings, ""}}, "(91)X"},
    {"OnlyPresentation", "( )", {{P::UnknownAI, ""}}, "(92)1"},
    {"Unencodable", "(10)A\xE4", {{P::UnencodableCharacter, ""}}, "(10)A\xC4"},
};
// clang-format on

class GS1Findings : public ::testing::TestWithParam<GS1Case> {};

TEST_P(GS1Findings, FaultyTextFoundAndSoundTextPasses) {
    const GS1Case& c = GetParam();
    EXPECT_EQ(Problems(c.faulty), c.expected);
    EXPECT_EQ(Problems(c.sound), c.remaining);
}

INSTANTIATE_TEST_SUITE_P(Texts, GS1Findings, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(GS1Check, FindingsNameWhereAndWhat) {
    const std::vector<GS1Finding> f = CheckGS1Text("(01)09501101530004(10)ABC(21)12");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].problem, GS1Problem::WrongCheckDigit);
    EXPECT_EQ(f[0].position, 17u);
    EXPECT_EQ(f[0].expected, "3");
    EXPECT_EQ(f[0].found, "4");
    EXPECT_EQ(f[1].problem, GS1Problem::MissingFNC1);
    EXPECT_EQ(f[1].position, 25u);  // the "(" of the AI read as data
    EXPECT_EQ(f[1].expected, "21");

    const std::vector<GS1Finding> length = CheckGS1Text("(20)123");
    ASSERT_EQ(length.size(), 1u);
    EXPECT_EQ(length[0].expected, "2");
    EXPECT_EQ(length[0].found, "3");
    EXPECT_EQ(length[0].position, 6u);  // the first character too many
}

// Each sure mend removes its finding and nothing else; made one after the other they leave a
// sound text.
TEST(GS1Check, MendsMakeTheTextSound) {
    const std::string text = "(01)09501101530004(10)ABC(21)12";
    std::string mended = text;
    for (int round = 0; round < 3; ++round) {
        const std::vector<GS1Finding> findings = CheckGS1Text(mended);
        if (findings.empty()) break;
        ASSERT_TRUE(findings.front().mendedText);
        const std::size_t before = findings.size();
        mended = *findings.front().mendedText;
        EXPECT_EQ(CheckGS1Text(mended).size(), before - 1);
    }
    EXPECT_EQ(mended, "(01)09501101530003(10)ABC" + F + "(21)12");
    EXPECT_TRUE(CheckGS1Text(mended).empty());
    for (const GS1Finding& f : CheckGS1Text("(11)24013(12)1(3106)001250"))
        EXPECT_FALSE(f.mendedText) << static_cast<int>(f.problem);
}

TEST(GS1Check, TextBeyondTheCodewordsIsAFailure) {
    const std::string text = "(90)" + std::string(300, 'a');
    const std::vector<GS1Finding> f = CheckGS1Text(text);
    ASSERT_FALSE(f.empty());
    EXPECT_EQ(f.back().problem, GS1Problem::TextTruncated);
    EXPECT_EQ(f.back().severity, Severity::Failure);
    EXPECT_EQ(f.back().expected, std::to_string(text.size()));
}

TEST(GS1Check, SymbolWidth) {
    EXPECT_DOUBLE_EQ(UCCEAN128WidthMm("Ab", 100), 22.0);  // 5 codewords, 88 modules
    EXPECT_DOUBLE_EQ(UCCEAN128WidthMm("Ab", 200), 44.0);
    EXPECT_FALSE(CheckSymbolWidth(165.0));
    const std::optional<GS1Finding> wide = CheckSymbolWidth(165.25);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->problem, GS1Problem::SymbolTooWide);
    EXPECT_EQ(wide->severity, Severity::Warning);
    EXPECT_EQ(wide->found, "165.2");
}

TEST(FindAIRow, ChosenDigitsMatchTheirRow) {
    EXPECT_EQ(FindAIRow("00"), 0);
    EXPECT_EQ(FindAIRow("3100"), 15);
    EXPECT_EQ(FindAIRow("3109"), 15);
    EXPECT_EQ(FindAIRow("230"), 11);
    EXPECT_EQ(FindAIRow("99"), 90);
    EXPECT_FALSE(FindAIRow("310y"));
    EXPECT_FALSE(FindAIRow("310"));
    EXPECT_FALSE(FindAIRow("12"));
    EXPECT_FALSE(FindAIRow(""));
}

}  // namespace
}  // namespace quillmark
