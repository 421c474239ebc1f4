// The ISBN group table: row count, order, named rows, range list form and the lookups its reader
// uses.
#include "isbn/ISBNAreas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quillmark {
namespace {

int Digits(int value) {
    return static_cast<int>(std::to_string(value).size());
}

const TISBNArea* FindGroup(int id) {
    for (const TISBNArea& row : ISBNAreaTable())
        if (row.GroupID == id) return &row;
    return nullptr;
}

int IndexOf(int id) {
    const auto table = ISBNAreaTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].GroupID == id) return static_cast<int>(i);
    return -1;
}

TEST(ISBNAreaTable, CountOrderAndEnds) {
    const auto table = ISBNAreaTable();
    ASSERT_EQ(table.size(), 160u);
    for (std::size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].GroupID, table[i].GroupID);
    EXPECT_EQ(table.front().GroupID, 0);
    EXPECT_EQ(table.front().Ranges,
              "00-09;10-19;200-699;7000-8499;85000-89999;900000-949999;9500000-9999999");
    EXPECT_EQ(table.back().GroupID, 99955);
    EXPECT_EQ(table.back().AreaName, "Srpska");
    EXPECT_EQ(table.back().Ranges, "0-1;20-59;600-899;90-99");
    EXPECT_EQ(IndexOf(99955), 159);
}

TEST(ISBNAreaTable, RowsPerIdentifierLength) {
    // 1 to 5 digits: 0-5 and 7; 80-93; 950-989; 9944-9989 less 9969; 99901-99955 less 99907.
    int count[6] = {};
    for (const TISBNArea& row : ISBNAreaTable()) ++count[Digits(row.GroupID)];
    EXPECT_EQ(count[1], 7);
    EXPECT_EQ(count[2], 14);
    EXPECT_EQ(count[3], 40);
    EXPECT_EQ(count[4], 45);
    EXPECT_EQ(count[5], 54);
}

TEST(ISBNAreaTable, IdentifiersWithoutRow) {
    for (int id :
         {6, 94, 990, 991, 992, 993, 9940, 9941, 9942, 9943, 9969, 99900, 99907, 99956, 99999}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(FindGroup(id), nullptr);
    }
}

TEST(ISBNAreaTable, NamedRows) {
    struct Case {
        int id;
        const char* name;
        const char* ranges;
    };
    const Case cases[] = {
        {92, "International Publishers (Unesco, EU), European Community Organizations",
         "0-5;60-79;800-899;9000-9499;95000-98999;990000-999999"},
        {93, "India - no ranges fixed yet", ""},
        {950, "Argentina", "00-09;10-49;500-899;9000-9899;99000-99999"},
        {951, "Finland", "0-1;20-54;550-889;8900-9499;95000-99999"},
        {952, "Finland",
         "00-09;10-19;200-499;5000-5999;60-65;6600-6699;67000-69999;7000-7999;80-94;9500-9899;"
         "99000-99999"},
        {968, "Mexico", "01-09;10-39;400-499;5000-7999;800-899"},
        {970, "Mexico", "01-09;10-59;600-899;9000-9099;91000-96999;9700-9999"},
        {975, "Turkey", "00000-00999;01-09;10-24;250-599;6000-9199;92000-98999;990-999"},
        {980, "Venezuela", "00-09;10-19;200-599;6000-9999;00-19"},
        {981, "Singapore", "200-299;3000-9999;00-09"},
        {9950, "Palestine no ranges fixed yet", ";"},
        {9972, "Peru", "00-09;1;200-249;2500-2999;30-59;600-899;9000-9999"},
        {9975, "Moldova", "0;100-399;4000-4499;45-89;900-949;9500-9999"},
        {99902, "Gabon - no ranges fixed yet", ""},
        {99935, "Haiti", "0-2;30-59;600-799;8;90-99"},
        {99951, "Congo - no ranges fixed yet", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const TISBNArea* row = FindGroup(c.id);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->AreaName, c.name);
        EXPECT_EQ(row->Ranges, c.ranges);
    }
    EXPECT_EQ(IndexOf(93), IndexOf(92) + 1);
    EXPECT_EQ(IndexOf(950), IndexOf(93) + 1);
}

TEST(ISBNAreaTable, FirstRowOfEachIdentifierLength) {
    const int expected[] = {0, 0, 80, 950, 9944, 99901};
    for (int length = 1; length <= 5; ++length) {
        SCOPED_TRACE(length);
        int found = -1;
        for (const TISBNArea& row : ISBNAreaTable())
            if (Digits(row.GroupID) == length) {
                found = row.GroupID;
                break;
            }
        EXPECT_EQ(found, expected[length]);
    }
}

// Every element is "low-high" with bounds of equal length and low <= high, except the few
// irregular lists that are kept as registered.
TEST(ISBNAreaTable, RangeElementsAreWellFormed) {
    int irregular = 0;
    for (const TISBNArea& row : ISBNAreaTable()) {
        std::string_view list = row.Ranges;
        std::size_t start = 0;
        while (start <= list.size()) {
            const auto end = std::min(list.find(';', start), list.size());
            const std::string element(list.substr(start, end - start));
            start = end + 1;
            const auto dash = element.find('-');
            if (dash == std::string::npos) {
                ++irregular;
                continue;
            }
            SCOPED_TRACE(std::to_string(row.GroupID) + " " + element);
            const std::string low = element.substr(0, dash), high = element.substr(dash + 1);
            ASSERT_FALSE(low.empty());
            EXPECT_EQ(low.find_first_not_of("0123456789"), std::string::npos);
            EXPECT_EQ(high.find_first_not_of("0123456789"), std::string::npos);
            EXPECT_EQ(low.size(), high.size());
            EXPECT_LE(low, high);
            EXPECT_LT(low.size(), 9u - std::to_string(row.GroupID).size());  // leaves a title digit
        }
    }
    // Three empty lists, the two empty elements of ";" and the lone values of 9972, 9975, 99935.
    EXPECT_EQ(irregular, 8);
}

}  // namespace
}  // namespace quillmark
