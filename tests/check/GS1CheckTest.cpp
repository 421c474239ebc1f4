// Each GS1 finding on a text that has the fault, and none on its sound counterpart.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "check/GS1Check.h"
#include "check/GS1Dictionary.h"

namespace quillmark {
namespace {

const std::string F = "\xE0";  // FNC1 in the field's notation

using Found = std::vector<std::pair<GS1Problem, std::string>>;  // problem and AI, in order

// The findings of the text but its missing requisite AIs, which GS1Pairings covers: here each
// text stands for one element string's own faults.
std::vector<GS1Finding> OwnFindings(const std::string& text) {
    std::vector<GS1Finding> findings = CheckGS1Text(text);
    std::erase_if(findings,
                  [](const GS1Finding& f) { return f.problem == GS1Problem::RequisiteMissing; });
    return findings;
}

Found Problems(const std::string& text) {
    Found found;
    for (const GS1Finding& f : OwnFindings(text)) {
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
    {"CountOf30Empty", "(30)", {{P::DataTooShort, "30"}}, "(30)12345678"},
    {"CountOf30TooLong", "(30)123456789012", {{P::DataTooLong, "30"}}, "(30)12345678"},
    {"LotOf23xNoLongerDefined", "(233)12345", {{P::UnknownAI, "233"}}, "(10)12345"},
    {"LotOf23xNoLongerDefinedEither", "(231)1234", {{P::UnknownAI, "231"}}, "(10)1234"},
    {"NonDigitInFixed", "(11)24O131", {{P::NonDigit, "11"}}, "(11)240131"},
    {"ControlCharacterInFixed", "(20)1\xC4", {{P::ControlCharacter, "20"}}, "(20)14"},
    {"ControlCharacterInVariable", "(10)\xDD" "ABC", {{P::ControlCharacter, "10"}}, "(10)ABC"},
    {"CharacterOutsideSet82", "(10)AB#", {{P::InvalidCharacter, "10"}}, "(10)AB-"},
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
    {"Month13", "(11)241301", {{P::InvalidMonth, "11"}}, "(11)241200"},  // day 00 allowed
    {"Month13Of17", "(17)251340", {{P::InvalidMonth, "17"}}, "(17)251231"},
    {"CountOver8Digits", "(30)123456789012", {{P::DataTooLong, "30"}}, "(30)12345678"},
    {"NoCountry999", "(422)999", {{P::UnknownCountry, "422"}}, "(422)250"},
    {"CheckDigitOfGLN", "(414)9501101530004", {{P::WrongCheckDigit, "414"}}, "(414)9501101530003"},
    {"TrailingFNC1", "(10)ABC" + F, {{P::TrailingFNC1, ""}}, "(10)ABC"},
    {"April31", "(13)240431", {{P::ImpossibleDate, "13"}}, "(13)240430"},
    {"DecimalPointAboveFive", "(3106)001250", {{P::DecimalPointAboveFive, "3106"}},
     "(3105)001250"},
    {"DecimalPointAboveThree", "(3944)0010", {{P::DecimalPointAboveFive, "3944"}}, "(3943)0010"},
    {"NoMeasureBesideASingleAI", "(4339)1", {{P::UnknownAI, "4339"}}, "(4333)000100"},
    {"SpaceInData", "(10)AB C", {{P::SpaceInData, "10"}}, "(10) ABC " + F + "(21)1"},
    {"TooManyDataCharacters",
     "(00)123456789012345675(01)09501101530003(11)240131(10)ABC",
     {{P::TooManyDataCharacters, ""}},
     "(00)123456789012345675(01)09501101530003(11)240131(10)AB"},  // 48 characters
    {"UnknownAI", "(19)240131", {{P::UnknownAI, "19"}}, "(11)240131"},
    {"UnknownAINeedsFNC1", "(7099)2401311200(10)A",
     {{P::UnknownAI, "7099"}, {P::MissingFNC1, "7099"}}, "(7099)2401311200" + F + "(10)A",
     {{P::UnknownAI, "7099"}}},
    {"UnclosedAI", "(10", {{P::UnclosedAI, "10"}}, "(10)1"},
    {"DataWithoutAI", "ABC" + F + "(10)1", {{P::DataWithoutAI, ""}}, F + "(10)1"},
    {"DataAfterFNC1WithoutAI", "(10)1" + F + "X", {{P::DataWithoutAI, ""}}, "(10)1" + F + "(91)X"},
    {"Empty", "", {{P::NoElementStrings, ""}}, "(91)X"},
    {"OnlyPresentation", "( )", {{P::UnknownAI, ""}}, "(92)1"},
    {"Unencodable", "(10)A\xE4", {{P::UnencodableCharacter, ""}}, "(10)AB"},
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

// Pairings over the whole text: each rule with a text that breaks it and one that keeps it.
struct PairFinding {
    GS1Problem problem;
    Severity severity;  // in one symbol
    std::string ai;
    std::size_t position;
    std::string expected, found;
};

struct PairCase {
    const char* name;
    std::string faulty;
    PairFinding expected;
    std::string sound;
};

const std::string kGTIN = "(01)09501101530003";
const std::string kSSCC = "(00)095011015300000003";

// clang-format off
const PairCase kPairCases[] = {
    {"ContentNeedsCount", "(02)09501101530003",
     {P::RequisiteMissing, Severity::Warning, "02", 0, "37", ""}, "(02)09501101530003(37)12" + F + kSSCC},
    {"CountNeedsSSCC", "(02)09501101530003(37)12",
     {P::RequisiteMissing, Severity::Warning, "37", 18, "00", ""}, "(02)09501101530003(37)12" + F + kSSCC},
    {"CountNeedsContent", kSSCC + "(37)12",
     {P::RequisiteMissing, Severity::Warning, "37", 22, "02,8026", ""}, kSSCC + "(8026)095011015300030102" + F + "(37)12"},
    {"BatchNeedsAnItem", "(10)ABC",
     {P::RequisiteMissing, Severity::Warning, "10", 0, "01,02,8006,8026", ""}, kGTIN + "(10)ABC"},
    {"ExpiryNeedsAnItem", "(17)251231",
     {P::RequisiteMissing, Severity::Warning, "17", 0, "01,02,255,8006,8026", ""}, kGTIN + "(17)251231"},
    {"PriceNeedsACount", kGTIN + "(3922)1099",
     {P::RequisiteMissing, Severity::Warning, "3922", 18, "30,31nn,32nn,35nn,36nn", ""},
     kGTIN + "(3103)000500(3922)1099"},
    {"SecondSerialNeedsSerial", kGTIN + "(250)S2",
     {P::RequisiteMissing, Severity::Warning, "250", 18, "21", ""}, kGTIN + "(21)S1" + F + "(250)S2"},
    {"GTINWithContent", kGTIN + "(02)09501101530003(37)1",
     {P::ExclusiveAIs, Severity::Failure, "02", 18, "01", ""}, kSSCC + "(02)09501101530003(37)1"},
    {"GTINWithCount", kGTIN + "(37)1" + F + kSSCC,
     {P::ExclusiveAIs, Severity::Failure, "37", 18, "01", ""}, kGTIN + F + kSSCC},
    {"TwoNetWeightsInKg", kGTIN + "(3101)000100(3102)001000",
     {P::ExclusiveAIs, Severity::Failure, "3102", 30, "3101", ""}, kGTIN + "(3101)000100(3201)000220"},
    {"PostcodeTwice", "(420)75001" + F + "(421)250750",
     {P::ExclusiveAIs, Severity::Failure, "421", 11, "420", ""}, "(421)250750"},
    {"SameAIOtherValue", kGTIN + "(10)A" + F + "(10)B",
     {P::RepeatedAI, Severity::Failure, "10", 24, "A", "B"}, kGTIN + "(10)A" + F + "(10)A"},
    {"SameKeyOtherValue", kGTIN + "(01)95012345678903",
     {P::RepeatedAI, Severity::Failure, "01", 18, "09501101530003", "95012345678903"}, kGTIN + kGTIN},
};
// clang-format on

class GS1Pairings : public ::testing::TestWithParam<PairCase> {};

TEST_P(GS1Pairings, BrokenRuleFoundAndKeptRulePasses) {
    const PairCase& c = GetParam();
    // Some rules come in pairs (01 excludes 37, which needs 02 or 8026): the finding of the rule
    // is among those of the text.
    auto find = [&](const std::vector<GS1Finding>& findings) {
        return std::find_if(findings.begin(), findings.end(), [&](const GS1Finding& f) {
            return f.problem == c.expected.problem && f.ai == c.expected.ai;
        });
    };
    const std::vector<GS1Finding> found = CheckGS1Text(c.faulty);
    const auto f = find(found);
    ASSERT_NE(f, found.end()) << c.faulty;
    EXPECT_EQ(f->severity, c.expected.severity);
    EXPECT_EQ(f->position, c.expected.position);
    EXPECT_EQ(f->expected, c.expected.expected);
    EXPECT_EQ(f->found, c.expected.found);
    // The whole label's data: a missing requisite can be nowhere else.
    const std::vector<GS1Finding> whole = CheckGS1Text(c.faulty, {.wholeLabel = true});
    ASSERT_NE(find(whole), whole.end());
    EXPECT_EQ(find(whole)->severity, Severity::Failure);
    EXPECT_TRUE(CheckGS1Text(c.sound).empty()) << c.sound;
    EXPECT_TRUE(CheckGS1Text(c.sound, {.wholeLabel = true}).empty()) << c.sound;
}

INSTANTIATE_TEST_SUITE_P(Rules, GS1Pairings, ::testing::ValuesIn(kPairCases),
                         [](const auto& p) { return std::string(p.param.name); });

// A control character in data is named with its AI and where it stands.
TEST(GS1Check, ControlCharacterNamedWithItsPlace) {
    const std::vector<GS1Finding> f = CheckGS1Text(kGTIN +
                                                   "(10)AB\xDD"
                                                   "C");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].problem, GS1Problem::ControlCharacter);
    EXPECT_EQ(f[0].severity, Severity::Failure);
    EXPECT_EQ(f[0].ai, "10");
    EXPECT_EQ(f[0].position, 24u);
    EXPECT_EQ(f[0].found, "221");
}

// Every key with a check digit gets the check digit mend, not only the first three AIs.
TEST(GS1Check, CheckDigitMendOfEveryKey) {
    for (const std::string& text :
         {std::string("(414)9501101530004"), std::string("(8017)095011015300000120"),
          kSSCC + "(8026)095011015300020102" + F + "(37)1", std::string("(253)9501101530004DOC")}) {
        std::vector<GS1Finding> f = CheckGS1Text(text);
        ASSERT_EQ(f.size(), 1u) << text;
        EXPECT_EQ(f[0].problem, GS1Problem::WrongCheckDigit) << text;
        EXPECT_EQ(f[0].linter, "csum");
        ASSERT_TRUE(f[0].mendedText);
        EXPECT_TRUE(CheckGS1Text(*f[0].mendedText).empty()) << *f[0].mendedText;
    }
}

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

    // A coupon cut short: the fault shows at its last character.
    const std::vector<GS1Finding> coupon = CheckGS1Text("(8112)0106141411234560");
    ASSERT_EQ(coupon.size(), 1u);
    EXPECT_EQ(coupon[0].problem, GS1Problem::InvalidValue);
    EXPECT_EQ(coupon[0].linter, "couponposoffer");
    EXPECT_EQ(coupon[0].position, 21u);

    const std::vector<GS1Finding> length = OwnFindings("(20)123");
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

// Random texts of the characters that matter: every finding lies within the text, and every mend
// removes one finding of its kind.
TEST(GS1Check, RandomTextsStayInBoundsAndMendsHold) {
    const std::string alphabet =
        std::string("(()) 0123456789012345678901AB") + "\xE0\xE0\xC4\xE4\xE1";
    std::mt19937 random(11);
    auto count = [](const std::vector<GS1Finding>& findings, GS1Problem problem) {
        return std::count_if(findings.begin(), findings.end(),
                             [&](const GS1Finding& f) { return f.problem == problem; });
    };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const std::size_t length = random() % 40;
        for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        const std::vector<GS1Finding> findings = CheckGS1Text(text);
        for (const GS1Finding& f : findings) {
            ASSERT_LE(f.position, text.size()) << text;
            if (!f.mendedText) continue;
            ASSERT_TRUE(f.problem == GS1Problem::MissingFNC1 ||
                        f.problem == GS1Problem::WrongCheckDigit);
            EXPECT_EQ(count(CheckGS1Text(*f.mendedText), f.problem), count(findings, f.problem) - 1)
                << text;
        }
    }
}

// Every AI of the dictionary with random data of every length up to its longest: each finding lies
// within the text.
TEST(GS1Check, RandomDataOfEveryAIStaysInBounds) {
    const std::string alphabet = "0123456789012345678901234567890123456789%AZaz-_=#!";
    std::mt19937 random(7);
    for (const GS1AIEntry& entry : GS1DictionaryEntries()) {
        std::size_t most = 0;
        for (const GS1Component& c : entry.Components()) most += c.maxLength;
        for (std::size_t length = 0; length <= most + 1; ++length) {
            std::string text = "(" + std::string(entry.last) + ")";
            for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
            for (const GS1Finding& f : CheckGS1Text(text))
                ASSERT_LE(f.position, text.size()) << text;
        }
    }
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
