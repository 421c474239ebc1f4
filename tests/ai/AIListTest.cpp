// The AI catalogue: row count, the rows other parts rely on, field consistency and list item texts.
#include "ai/AIList.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillmark {
namespace {

TEST(AITable, ListItems) {
    struct Case {
        int row;
        const char* item;
    };
    const Case cases[] = {
        {0, "(00) - Серийный код транспортной упаковки   (SSCC-18)"},
        {1, "(01) - Серийный код транспортной упаковки   (SSCC-14)"},
        {11, "(23x) - Номер партии"},
        {14, "(30) - Количество каждого"},
        {15, "(310y) - Вес нетто в кг"},
        {65, "(369y) - Объем упаковки в кубических ярдах"},
        {73, "(8001) - Ширина/длина/диаметр для роликовой продукции"},
        {79, "(8101) - Coupon Extended Code: Number System; Offer; End of Offer"},
        {90, "(99) - Для внутреннего использования"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(AIListItem(c.row), c.item);
    }
}

TEST(AITable, RowsOutsideTheTableGiveNoItem) {
    for (int row : {-1, kAICount, 1000}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(AIListItem(row), "");
    }
}

TEST(AITable, LengthRules) {
    struct Case {
        int row;
        const char* ai;
        bool fixed;
        int length;
    };
    const Case cases[] = {
        {0, "00", true, 18},    {1, "01", true, 14},    {2, "02", true, 14},
        {3, "10", false, 20},   {10, "22", false, 29},  {11, "23x", false, 19},
        {14, "30", false, 0},   {15, "310y", true, 6},  {66, "37", false, 8},
        {68, "410", true, 13},  {71, "420", false, 9},  {72, "421", false, 12},
        {73, "8001", true, 14}, {79, "8101", true, 10}, {80, "8102", true, 2},
        {81, "90", false, 30},  {82, "91", false, 6},   {90, "99", false, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const TAIEntry& entry = AITable[static_cast<std::size_t>(c.row)];
        EXPECT_EQ(entry.AI, c.ai);
        EXPECT_EQ(entry.FixedLength, c.fixed);
        EXPECT_EQ(entry.DataLength, c.length);
    }
}

// AI texts are 2 to 4 digits, unique, and only rows 15 to 65 end in "y", only row 11 in "x".
TEST(AITable, IdentifierForm) {
    std::set<std::string_view> seen;
    for (int row = 0; row < kAICount; ++row) {
        SCOPED_TRACE(row);
        const std::string_view ai = AITable[static_cast<std::size_t>(row)].AI;
        ASSERT_GE(ai.size(), 2u);
        ASSERT_LE(ai.size(), 4u);
        EXPECT_TRUE(seen.insert(ai).second);
        const bool decimal = row >= 15 && row <= 65;
        EXPECT_EQ(ai.back() == 'y', decimal);
        EXPECT_EQ(ai.back() == 'x', row == 11);
        if (decimal) {
            EXPECT_EQ(ai.size(), 4u);
        }
        const auto digits = (decimal || row == 11) ? ai.substr(0, ai.size() - 1) : ai;
        EXPECT_EQ(digits.find_first_not_of("0123456789"), std::string_view::npos);
        EXPECT_FALSE(AITable[static_cast<std::size_t>(row)].Name.empty());
        // Only the variable-length "30" has no maximum.
        EXPECT_EQ(AITable[static_cast<std::size_t>(row)].DataLength == 0, row == 14);
    }
    // The decimal-point rows all carry six fixed digits.
    for (int row = 15; row <= 65; ++row) {
        SCOPED_TRACE(row);
        EXPECT_TRUE(AITable[static_cast<std::size_t>(row)].FixedLength);
        EXPECT_EQ(AITable[static_cast<std::size_t>(row)].DataLength, 6);
    }
}

TEST(AITable, SharedNames) {
    for (int row = 82; row <= 90; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(AITable[static_cast<std::size_t>(row)].Name, "Для внутреннего использования");
    }
    EXPECT_EQ(AITable[3].Name, AITable[11].Name);  // "10" and "23x": "Номер партии"
    EXPECT_EQ(AITable[2].Name, AITable[66].Name);  // "02" and "37": "Число контейнеров"
    EXPECT_NE(AITable[0].Name, AITable[1].Name);
}

}  // namespace
}  // namespace quillmark
