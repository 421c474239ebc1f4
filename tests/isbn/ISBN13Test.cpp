// Hyphenation of ISBN-13 lines: published examples, group rules, range walks and malformed input.
#include "isbn/ISBN13.h"

#include <gtest/gtest.h>

#include <string>

#include "isbn/ISBNAreas.h"

namespace quillmark {
namespace {

struct Case {
    const char* input;
    const char* expected;
};

void ExpectLines(const Case* begin, const Case* end) {
    for (const Case* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->input);
        EXPECT_EQ(FormatISBN13(c->input), c->expected);
    }
}

TEST(FormatISBN13, WorkedExamples) {
    const Case cases[] = {
        {"9785700012345", "ISBN 978-5-7000-1234-5"},  // 7000 in "7000-8499"
        {"9780312345678", "ISBN 978-0-312-34567-8"},  // 312 in "200-699"
        {"9788012345678", "ISBN 978-80-12-34567-8"},  // 12 in "10-19"
        {"9789990112345", "ISBN 978-99901-12-34-5"},  // 12 in "10-49"
        {"9789599123456", "ISBN 978-959-9123-45-6"},  // no match: last element's length
        {"9786001234567", "ISBN 978-6-00-123456-e"},  // 6 unassigned, row 0's ranges
        {"9789940123456", "ISBN 978-9940-1-2345-e"},  // 9940 unassigned, row 9944's ranges
    };
    ExpectLines(std::begin(cases), std::end(cases));
}

TEST(FormatISBN13, GroupLengthsAndAssignment) {
    const Case cases[] = {
        {"9787100012345", "ISBN 978-7-100-01234-5"},  // 7 is a one-digit group
        {"9781000000001", "ISBN 978-1-00-000000-1"},
        {"9789300000001", "ISBN 978-93-000-0000-1"},  // 93 is two digits (no ranges: halves)
        {"9789412345678", "ISBN 978-94-12-34567-e"},  // 94 unassigned, row 80's ranges
        {"9789500000001", "ISBN 978-950-00-0000-1"},
        {"9789890000001", "ISBN 978-989-0-00000-1"},
        {"9789900123456", "ISBN 978-990-01-2345-e"},  // 990-993 unassigned, row 950's ranges
        {"9789930123456", "ISBN 978-993-01-2345-e"},
        {"9789944012345", "ISBN 978-9944-0-1234-5"},
        {"9789989123456", "ISBN 978-9989-123-45-6"},
        {"9789990012345", "ISBN 978-99900-12-34-e"},  // 99900 unassigned, row 99901's ranges
        {"9789995512345", "ISBN 978-99955-1-234-5"},
        {"9789995612345", "ISBN 978-99956-12-34-e"},
        {"9789999912345", "ISBN 978-99999-12-34-e"},
    };
    ExpectLines(std::begin(cases), std::end(cases));
}

TEST(FormatISBN13, EveryGroupFrom80To93IsTwoDigits) {
    for (int group = 80; group <= 93; ++group) {
        const std::string input = "978" + std::to_string(group) + "00000001";
        SCOPED_TRACE(input);
        const std::string line = FormatISBN13(input);
        EXPECT_EQ(line.substr(0, 12), "ISBN 978-" + std::to_string(group) + "-");
        EXPECT_EQ(line.back(), '1');
    }
}

TEST(FormatISBN13, RangeWalk) {
    const Case cases[] = {
        // 980: "00-09" matches before the overlapping final "00-19".
        {"9789800123456", "ISBN 978-980-01-2345-6"},
        {"9789801512345", "ISBN 978-980-15-1234-5"},
        // 975 starts with five digits "00000-00999" before "01-09".
        {"9789750012345", "ISBN 978-975-00123-4-5"},
        {"9789750123456", "ISBN 978-975-01-2345-6"},
        // 981 lists "00-09" last; "1..." matches nothing and takes that element's length.
        {"9789810012345", "ISBN 978-981-00-1234-5"},
        {"9789811234567", "ISBN 978-981-12-3456-7"},
        {"9789813456789", "ISBN 978-981-3456-78-9"},
        // Seven-digit bounds of group 0.
        {"9780999999991", "ISBN 978-0-9999999-9-1"},
        {"9780949999991", "ISBN 978-0-949999-99-1"},
        // 1: "869800-998999" is the last element; 999xxx matches nothing, still six digits.
        {"9781999000001", "ISBN 978-1-999000-00-1"},
        // A wrong check digit is printed as typed.
        {"9785700012340", "ISBN 978-5-7000-1234-0"},
    };
    ExpectLines(std::begin(cases), std::end(cases));
}

TEST(FormatISBN13, ListsWithoutUsablePrefixLength) {
    const Case cases[] = {
        // Lone values are ranges of one value: "1" (9972), "0" (9975), "8" (99935).
        {"9789972123456", "ISBN 978-9972-1-2345-6"},
        {"9789975012345", "ISBN 978-9975-0-1234-5"},
        {"9789993581234", "ISBN 978-99935-8-123-4"},
        {"9789993591234", "ISBN 978-99935-91-23-4"},  // the walk goes on past "8"
        // Empty lists and ";": the remaining digits are split in half.
        {"9789312345678", "ISBN 978-93-123-4567-8"},
        {"9789950123456", "ISBN 978-9950-12-345-6"},
        {"9789990212345", "ISBN 978-99902-12-34-5"},
        {"9789995112345", "ISBN 978-99951-12-34-5"},
        // Assigned by the digit rules but without a row: ranges of the first row of equal length.
        {"9789969912345", "ISBN 978-9969-912-34-5"},  // 9944: "900-999"
        {"9789990761234", "ISBN 978-99907-612-3-4"},  // 99901: "500-799"
    };
    ExpectLines(std::begin(cases), std::end(cases));
}

TEST(FormatISBN13, MalformedInputGivesEmptyLine) {
    const std::string_view inputs[] = {"",
                                       "978",
                                       "978570001234",
                                       "978570001234x",
                                       "978-5-7000-12",
                                       std::string_view("9785700\0"
                                                        "12345",
                                                        13)};
    for (std::string_view input : inputs) {
        SCOPED_TRACE(std::string(input));
        EXPECT_EQ(FormatISBN13(input), "");
    }
    // A view into a longer buffer must not be read past its end.
    const std::string buffer = "9785700012345";
    EXPECT_EQ(FormatISBN13(std::string_view(buffer).substr(0, 12)), "");
}

TEST(FormatISBN13, CharactersAfterThe13thAreIgnored) {
    EXPECT_EQ(FormatISBN13("978570001234512345"), "ISBN 978-5-7000-1234-5");
    EXPECT_EQ(FormatISBN13("9785700012345xx"), "ISBN 978-5-7000-1234-5");
}

// Every five-digit start after 978: the line keeps all nine digits, in order, splits them into
// three non-empty parts and ends in the check digit or "e".
TEST(FormatISBN13, EveryLineKeepsTheDigitsInFormat) {
    for (int lead = 0; lead < 100000; ++lead) {
        std::string input = "978" + std::to_string(100000 + lead).substr(1) + "46829";
        const std::string line = FormatISBN13(input);
        ASSERT_EQ(line.rfind("ISBN 978-", 0), 0u) << input;
        std::string parts[4];
        int part = 0;
        for (char c : line.substr(9)) {
            if (c == '-') {
                ASSERT_LT(++part, 4) << line;
            } else {
                parts[part] += c;
            }
        }
        ASSERT_EQ(part, 3) << line;
        ASSERT_FALSE(parts[0].empty() || parts[1].empty() || parts[2].empty()) << line;
        ASSERT_EQ(parts[0] + parts[1] + parts[2], input.substr(3, 9)) << line;
        ASSERT_TRUE(parts[3] == "9" || parts[3] == "e") << line;
    }
}

}  // namespace
}  // namespace quillmark
