// The ISBN group tables built from data/isbn-ranges.txt: every group and rule of the copy is in
// them, in order, with well-formed ranges that the group-length rules agree with.
#include "isbn/ISBNAreas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace quillmark {
namespace {

struct DataCounts {
    std::size_t groups = 0, lengths = 0, ranges = 0;
    std::string edition;
};

// Counts the copy's lines as the file states them, independently of the build step.
DataCounts CountDataFile() {
    std::ifstream file(QUILLMARK_ISBN_RANGES_FILE);
    DataCounts counts;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with("group|")) {
            ++counts.groups;
            const std::string ranges = line.substr(line.rfind('|') + 1);
            if (!ranges.empty()) counts.ranges += std::count(ranges.begin(), ranges.end(), ';') + 1;
        }
        if (line.starts_with("prefix|")) ++counts.lengths;
        if (line.starts_with("edition|")) counts.edition = line.substr(8);
    }
    return counts;
}

std::size_t RangeCount(std::string_view ranges) {
    return ranges.empty() ? 0 : std::count(ranges.begin(), ranges.end(), ';') + 1;
}

// Each row's name and ranges are found through their places in one text: every group line of
// the copy must come back whole, in order.
TEST(ISBNAreaTable, GivesBackEveryGroupLineOfTheCopy) {
    std::ifstream file(QUILLMARK_ISBN_RANGES_FILE);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        if (line.starts_with("group|")) lines.push_back(line);
    ASSERT_EQ(ISBNAreaTable().size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TISBNArea& row = ISBNAreaTable()[i];
        const std::string rebuilt = "group|" + std::to_string(row.Prefix) + "|" +
                                    std::to_string(row.GroupID) + "|" +
                                    std::string(row.AreaName()) + "|" + std::string(row.Ranges());
        EXPECT_EQ(rebuilt, lines[i]);
    }
}

TEST(ISBNAreaTable, HoldsEveryGroupRuleAndRangeOfTheCopy) {
    const DataCounts data = CountDataFile();
    ASSERT_GT(data.groups, 200u) << "cannot read " << QUILLMARK_ISBN_RANGES_FILE;
    std::size_t ranges = 0;
    for (const TISBNArea& row : ISBNAreaTable()) ranges += RangeCount(row.Ranges());
    EXPECT_EQ(ISBNAreaTable().size(), data.groups);
    EXPECT_EQ(ISBNGroupLengthTable().size(), data.lengths);
    EXPECT_EQ(ranges, data.ranges);
    EXPECT_EQ(ISBNRangesEdition(), data.edition);
}

// Each group's identifier lies in a group-length rule of its prefix whose length is the
// identifier's own, and groups come in the order of their digits within each prefix.
TEST(ISBNAreaTable, GroupsAgreeWithTheLengthRules) {
    std::tuple<int, std::string> previous{0, ""};
    for (const TISBNArea& row : ISBNAreaTable()) {
        const std::string id = std::to_string(row.GroupID);
        SCOPED_TRACE(std::to_string(row.Prefix) + "-" + id);
        const int seven = std::stoi((id + "0000000").substr(0, 7));
        const auto rule =
            std::find_if(ISBNGroupLengthTable().begin(), ISBNGroupLengthTable().end(),
                         [&](const TISBNGroupLength& r) {
                             return r.Prefix == row.Prefix && r.Low <= seven && seven <= r.High;
                         });
        ASSERT_NE(rule, ISBNGroupLengthTable().end());
        EXPECT_EQ(rule->Length, static_cast<int>(id.size()));
        const std::tuple<int, std::string> key{row.Prefix, id};
        EXPECT_LT(previous, key);
        previous = key;
    }
}

// Every element is "low-high" with bounds of equal length, low <= high, that leave at least one
// digit for the title.
TEST(ISBNAreaTable, RangeElementsAreWellFormed) {
    for (const TISBNArea& row : ISBNAreaTable()) {
        std::string_view list = row.Ranges();
        std::size_t start = 0;
        while (!list.empty() && start <= list.size()) {
            const auto end = std::min(list.find(';', start), list.size());
            const std::string element(list.substr(start, end - start));
            start = end + 1;
            SCOPED_TRACE(std::to_string(row.Prefix) + "-" + std::to_string(row.GroupID) + " " +
                         element);
            const auto dash = element.find('-');
            ASSERT_NE(dash, std::string::npos);
            const std::string low = element.substr(0, dash), high = element.substr(dash + 1);
            ASSERT_FALSE(low.empty());
            EXPECT_EQ(low.find_first_not_of("0123456789"), std::string::npos);
            EXPECT_EQ(high.find_first_not_of("0123456789"), std::string::npos);
            EXPECT_EQ(low.size(), high.size());
            EXPECT_LE(low, high);
            EXPECT_LT(low.size(), 9u - std::to_string(row.GroupID).size());
        }
    }
}

}  // namespace
}  // namespace quillmark
