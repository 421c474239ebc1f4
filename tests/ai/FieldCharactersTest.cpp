// Special characters of the UCC/EAN-128 text: list order, codes and name lookups.
#include "ai/FieldCharacters.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillmark {
namespace {

TEST(FieldCharacters, NamedCodes) {
    struct Case {
        const char* name;
        int index;
        int code;
    };
    const Case cases[] = {
        {"FNC1", 0, 224}, {"FNC2", 1, 225}, {"FNC3", 2, 226}, {"FNC4", 3, 227},
        {"NUL", 4, 192},  {"SOH", 5, 193},  {"HT", 13, 201},  {"LF", 14, 202},
        {"CR", 17, 205},  {"ESC", 31, 219}, {"GS", 33, 221},  {"US", 35, 223},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SpecialCharIndex(c.name), c.index);
        EXPECT_EQ(SpecialCharNames[static_cast<std::size_t>(c.index)], c.name);
        EXPECT_EQ(SpecialCharCode(c.index), c.code);
    }
}

TEST(FieldCharacters, CodesAreDistinctAndCover192To227) {
    std::set<int> codes;
    for (int i = 0; i < kSpecialCharCount; ++i) {
        const auto code = SpecialCharCode(i);
        ASSERT_TRUE(code.has_value()) << i;
        codes.insert(*code);
    }
    ASSERT_EQ(codes.size(), 36u);
    EXPECT_EQ(*codes.begin(), 192);
    EXPECT_EQ(*codes.rbegin(), 227);
}

TEST(FieldCharacters, NamesRoundTrip) {
    std::set<std::string_view> names;
    for (int i = 0; i < kSpecialCharCount; ++i) {
        const std::string_view name = SpecialCharNames[static_cast<std::size_t>(i)];
        SCOPED_TRACE(std::string(name));
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(names.insert(name).second);
        EXPECT_EQ(SpecialCharIndex(name), i);
        EXPECT_EQ(SpecialCharIndexOfCode(*SpecialCharCode(i)), i);
    }
    // Every other code is no special character.
    int special = 0;
    for (int code = 0; code < 256; ++code)
        special += SpecialCharIndexOfCode(static_cast<unsigned char>(code)).has_value();
    EXPECT_EQ(special, kSpecialCharCount);
}

TEST(FieldCharacters, OutsideTheList) {
    for (int index : {-1, kSpecialCharCount, 255}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(SpecialCharCode(index), std::nullopt);
    }
    for (const char* name : {"", "fnc1", "FNC", "FNC5", "DEL", "SP", "NUL "}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(SpecialCharIndex(name), std::nullopt);
    }
}

}  // namespace
}  // namespace quillmark
