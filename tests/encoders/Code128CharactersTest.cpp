// Code 128 pattern table: structural rules of the symbology and published bit patterns.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "encoders/Code128Characters.h"

namespace quillmark {
namespace {

std::string Bits(const std::array<std::uint8_t, 6>& widths) {
    std::string bits;
    for (std::size_t e = 0; e < widths.size(); ++e) bits.append(widths[e], e % 2 ? '0' : '1');
    return bits;
}

// Every symbol character is 11 modules of three bars and three spaces, each 1 to 4 modules, with
// an even number of bar modules (the self-checking parity), and no two values share a pattern.
TEST(Code128Patterns, EveryRowObeysTheCharacterStructure) {
    std::set<std::string> seen;
    for (std::size_t value = 0; value < Code128Patterns.size(); ++value) {
        SCOPED_TRACE(value);
        const auto& row = Code128Patterns[value];
        int modules = 0, barModules = 0;
        for (std::size_t e = 0; e < row.size(); ++e) {
            EXPECT_GE(row[e], 1);
            EXPECT_LE(row[e], 4);
            modules += row[e];
            if (e % 2 == 0) barModules += row[e];
        }
        EXPECT_EQ(modules, 11);
        EXPECT_EQ(barModules % 2, 0);
        EXPECT_TRUE(seen.insert(Bits(row)).second) << "duplicate pattern";
    }
}

TEST(Code128Patterns, MatchPublishedBitPatterns) {
    const struct {
        int value;
        const char* bits;
    } cases[] = {
        {0, "11011001100"},   {1, "11001101100"},   {16, "10011101100"},  {33, "10100011000"},
        {98, "11110100010"},  {99, "10111011110"},  {100, "10111101110"}, {101, "11101011110"},
        {102, "11110101110"}, {103, "11010000100"}, {104, "11010010000"}, {105, "11010011100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Bits(Code128Patterns[static_cast<std::size_t>(c.value)]), c.bits);
    }
}

TEST(Code128Stop, IsTheStopPatternWithTerminationBar) {
    std::string bits;
    int bars = 0;
    for (std::size_t e = 0; e < Code128Stop.size(); ++e) {
        bits.append(Code128Stop[e], e % 2 ? '0' : '1');
        if (e % 2 == 0) bars += Code128Stop[e];
    }
    EXPECT_EQ(bits, "1100011101011");
    EXPECT_EQ(bars % 2, 0);
}

}  // namespace
}  // namespace quillmark
