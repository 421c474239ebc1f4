// Hyphenation of ISBN-13 lines: the range message's groups and publishers, undefined ones, and
// malformed input.
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

// Lines as the range message splits them (each checked against isbn3, another reading of the same
// message): group identifiers of one to five digits under 978, the groups of 979, and every
// publisher-prefix length of group 0.
TEST(FormatISBN13, GroupsAndPublishersOfTheRangeMessage) {
    const Case cases[] = {
        {"9780012345672", "ISBN 978-0-01-234567-2"},  // group 0, publisher of 2 digits
        {"9780200123457", "ISBN 978-0-200-12345-7"},  // 3
        {"9780700012343", "ISBN 978-0-7000-1234-3"},  // 4
        {"9780850001235", "ISBN 978-0-85000-123-5"},  // 5
        {"9780900000126", "ISBN 978-0-900000-12-6"},  // 6
        {"9780950000015", "ISBN 978-0-9500000-1-5"},  // 7
        {"9781068548321", "ISBN 978-1-0685483-2-1"},  // a seven-digit range inside group 1
        {"9785001234562", "ISBN 978-5-00123-456-2"},
        {"9785700012348", "ISBN 978-5-7000-1234-8"},
        {"9786551234569", "ISBN 978-65-5123-456-9"},  // two digits: Brazil since 2019
        {"9788012345678", "ISBN 978-80-12-34567-8"},
        {"9788665835731", "ISBN 978-86-6583-573-1"},
        {"9789312345672", "ISBN 978-93-123-4567-2"},
        {"9786001234569", "ISBN 978-600-123-456-9"},  // three digits: 600-649 since 2007
        {"9786041234567", "ISBN 978-604-1-23456-7"},
        {"9786140911413", "ISBN 978-614-09-1141-3"},
        {"9789501234565", "ISBN 978-950-12-3456-5"},
        {"9789944123457", "ISBN 978-9944-123-45-7"},  // four digits
        {"9789972123450", "ISBN 978-9972-1-2345-0"},
        {"9789990101232", "ISBN 978-99901-01-23-2"},  // five digits
        {"9789995501235", "ISBN 978-99955-0-123-5"},
        {"9798865481232", "ISBN 979-8-8654-8123-2"},  // 979-8, the United States
        {"9791012345678", "ISBN 979-10-12-34567-8"},  // France
        {"9791112345677", "ISBN 979-11-12-34567-7"},  // Korea
        {"9791300123452", "ISBN 979-13-00-12345-2"},  // Spain
        {"9785700012340", "ISBN 978-5-7000-1234-0"},  // a wrong check digit is printed as typed
    };
    ExpectLines(std::begin(cases), std::end(cases));
}

// Where the range message defines no group, or no publisher range in a group, the check digit's
// place holds "e" (isbn3 refuses every one of these numbers).
TEST(FormatISBN13, UndefinedGroupsAndPublishersPrintE) {
    const Case cases[] = {
        {"9790123456785", "ISBN 979-0-1234-5678-e"},  // 979-0: no group
        {"9792123456789", "ISBN 979-21-234-5678-e"},  // after 979-13: its length, no group
        {"9799123456788", "ISBN 979-9-1234-5678-e"},  // after 979-8
        {"9789999912341", "ISBN 978-99999-12-34-e"},  // a five-digit identifier not assigned
        {"9786503123453", "ISBN 978-65-031234-5-e"},  // Brazil: 03 lies in no publisher range
        {"9798123456781", "ISBN 979-8-1234567-8-e"},  // United States: 1234 in none
        {"9791212345676", "ISBN 979-12-123456-7-e"},  // Italy: 12 in none
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
    EXPECT_EQ(FormatISBN13("978570001234812345"), "ISBN 978-5-7000-1234-8");
    EXPECT_EQ(FormatISBN13("9785700012348xx"), "ISBN 978-5-7000-1234-8");
}

// Every five-digit start after 978 and 979: the line keeps all nine digits, in order, splits them
// into three non-empty parts and ends in the check digit or "e".
TEST(FormatISBN13, EveryLineKeepsTheDigitsInFormat) {
    for (const std::string prefix : {"978", "979"}) {
        for (int lead = 0; lead < 100000; ++lead) {
            std::string input = prefix + std::to_string(100000 + lead).substr(1) + "46829";
            const std::string line = FormatISBN13(input);
            ASSERT_EQ(line.rfind("ISBN " + prefix + "-", 0), 0u) << input;
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
}

}  // namespace
}  // namespace quillmark
