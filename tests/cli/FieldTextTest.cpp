// The braces notation of the command line: names become special-character codes, nothing is lost.
#include "cli/FieldText.h"

#include <gtest/gtest.h>

#include <string>

namespace quillmark {
namespace {

struct ValidCase {
    const char* arg;
    std::string expected;
};

TEST(FieldText, TranslatesNamesAndKeepsPrintableAscii) {
    const ValidCase cases[] = {
        {"", ""},           {"(01)12345678901231", "(01)12345678901231"},
        {"{FNC1}", "\xE0"}, {"{FNC2}{FNC3}{FNC4}", "\xE1\xE2\xE3"},
        {"{NUL}", "\xC0"},  {"{GS}", "\xDD"},
        {"{US}", "\xDF"},   {"(10)AB{FNC1}(21)7", "(10)AB\xE0(21)7"},
        {" !~}", " !~}"},  // a closing brace alone is an ordinary character
    };
    for (const ValidCase& c : cases) {
        SCOPED_TRACE(c.arg);
        const FieldTextResult result = ParseFieldText(c.arg);
        EXPECT_TRUE(result.ok) << result.error;
        EXPECT_EQ(result.text, c.expected);
    }
}

struct InvalidCase {
    std::string arg;
    const char* messagePart;
};

TEST(FieldText, RefusesWhatTheFieldCannotCarry) {
    const InvalidCase cases[] = {
        {"{FOO}", "\"{FOO}\" at position 1 is not a special character"},
        {"AB{fnc1}", "\"{fnc1}\" at position 3"},  // names are case-sensitive
        {"{FNC1", "\"{\" at position 1 is not closed"},
        {"A{}", "\"{}\" at position 2"},
        {"A{ FNC1}", "\"{ FNC1}\" at position 2"},
        // What stands between the braces is quoted escaped: the message stays one line.
        {std::string("{\n\0X}", 5), "\"{\\x0A\\x00X}\" at position 1"},
        {"12\t3", "control character 0x09 at position 3"},
        {std::string("A\0B", 3), "control character 0x00 at position 2"},
        {"A\x7F", "control character 0x7F at position 2"},
        {"\xC3\xA9", "character \"\xC3\xA9\" (U+00E9) at position 1"},
        {"x\xD0\x96", "(U+0416) at position 2"},
        {"\xE2\x82\xAC", "(U+20AC) at position 1"},
        {"\xF0\x9F\x98\x80", "(U+1F600)"},
        {"A\xE0", "byte 0xE0 at position 2"},  // a raw special-character code is not UTF-8
        {"\xC3", "byte 0xC3 at position 1"},   // truncated sequence
        {"\xFF", "byte 0xFF at position 1"},
    };
    for (const InvalidCase& c : cases) {
        SCOPED_TRACE(c.arg);
        const FieldTextResult result = ParseFieldText(c.arg);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error.find(c.messagePart), std::string::npos) << result.error;
        EXPECT_TRUE(result.text.empty());
    }
}

}  // namespace
}  // namespace quillmark
