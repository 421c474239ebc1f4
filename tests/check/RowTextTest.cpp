// Text kept inside a table's row reads and orders as the string it was made from, a text that
// fills the row's whole room included, so sorted tables of it can be searched.
#include "check/RowText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace quillmark {
namespace {

TEST(RowText, ReadsAndOrdersAsItsString) {
    constexpr RowText<4> kEmpty;
    constexpr RowText<4> kShort = "31";
    constexpr RowText<4> kFull = "3105";  // no room left for a terminator
    static_assert(kFull.size() == 4 && kFull.View() == "3105");
    const struct {
        std::string_view text, other;
        RowText<4> row;
    } cases[] = {
        {"", "0", kEmpty},       {"31", "310", kShort},    {"31", "3", kShort},
        {"3105", "3106", kFull}, {"3105", "31050", kFull},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " against " + std::string(c.other));
        EXPECT_EQ(c.row.View(), c.text);
        EXPECT_EQ(c.row.size(), c.text.size());
        EXPECT_EQ(c.row.empty(), c.text.empty());
        EXPECT_TRUE(c.row == c.text);
        EXPECT_FALSE(c.row == c.other);
        EXPECT_EQ(c.row < c.other, c.text < c.other);
        EXPECT_EQ(c.other < c.row, c.other < c.text);
    }
    constexpr std::array<RowText<2>, 4> kSorted = {"AD", "AE", "FR", "ZW"};
    for (const std::string_view code : {"AD", "FR", "ZW"})
        EXPECT_TRUE(std::binary_search(kSorted.begin(), kSorted.end(), code)) << code;
    for (const std::string_view code : {"AA", "A", "ADX", "ZZ"})
        EXPECT_FALSE(std::binary_search(kSorted.begin(), kSorted.end(), code)) << code;
}

}  // namespace
}  // namespace quillmark
