// Hyphenation of an ISBN-13: group identifier from the digits, publisher prefix from the group's
// ranges.
#include "isbn/ISBN13.h"

#include <algorithm>
#include <optional>

#include "isbn/ISBNAreas.h"

namespace quillmark {

namespace {

constexpr std::size_t kISBNLength = 13;
constexpr std::size_t kGroupStart = 3;  // index of the first digit after "978"
constexpr std::size_t kCheckIndex = 12;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsDigit);
}

struct Group {
    std::size_t length;
    bool known;  // false for identifiers that are not assigned (6, 94, 990-993, ...)
};

// The identifier length follows from its leading digits alone; d holds 13 digits.
Group ReadGroup(std::string_view d) {
    const char d4 = d[3], d5 = d[4], d6 = d[5], d7 = d[6], d8 = d[7];
    if (d4 == '6') return {1, false};
    if (d4 <= '7') return {1, true};
    if (d4 == '9' && d5 == '4') return {2, false};
    if (d4 == '8' || d5 < '4') return {2, true};   // 80-89, 90-93
    if (d5 == '9' && d6 < '4') return {3, false};  // 990-993
    if (d5 != '9') return {3, true};               // 950-989
    if (d6 == '4' && d7 < '4') return {4, false};  // 9940-9943
    if (d6 != '9') return {4, true};               // 9944-9989
    const int lastTwo = (d7 - '0') * 10 + (d8 - '0');
    return {5, lastTwo != 0 && lastTwo <= 55};  // 99901-99955
}

int DecimalDigits(int value) {
    int digits = 1;
    while (value >= 10) {
        value /= 10;
        ++digits;
    }
    return digits;
}

int ToNumber(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// The row of the group; a group without a row of its own (unassigned, or the assigned 9969 and
// 99907 that the table lacks) borrows the first row whose identifier has the same length.
const TISBNArea& SelectRow(std::string_view groupText, bool known) {
    const auto table = ISBNAreaTable();
    if (known) {
        const int id = ToNumber(groupText);
        for (const TISBNArea& row : table)
            if (row.GroupID == id) return row;
    }
    const int length = static_cast<int>(groupText.size());
    for (const TISBNArea& row : table)
        if (DecimalDigits(row.GroupID) == length) return row;
    return table.front();  // not reached: every length 1 to 5 has rows
}

// Compares two digit strings by value, without converting them, so no length can overflow.
int CompareDecimal(std::string_view a, std::string_view b) {
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

struct Range {
    std::string_view low, high;
};

// "low-high" of digits. A lone value is read as the range of that one value (the lists that hold
// one complete their neighbours exactly that way); empty or otherwise broken elements give none.
std::optional<Range> ParseElement(std::string_view element) {
    const auto dash = element.find('-');
    const Range range = dash == std::string_view::npos
                            ? Range{element, element}
                            : Range{element.substr(0, dash), element.substr(dash + 1)};
    if (range.low.empty() || range.high.empty() || !AllDigits(range.low) || !AllDigits(range.high))
        return std::nullopt;
    return range;
}

// Publisher prefix length for the digits after the group (rest never includes the check digit).
// The first element that holds the candidate wins; when none does, the last usable element sets
// the length; a list without usable elements splits the digits in half.
std::size_t PublisherLength(std::string_view ranges, std::string_view rest) {
    std::optional<std::size_t> lastLength;
    std::size_t start = 0;
    while (start <= ranges.size()) {
        const auto end = std::min(ranges.find(';', start), ranges.size());
        if (const auto range = ParseElement(ranges.substr(start, end - start))) {
            const auto candidate = rest.substr(0, range->low.size());
            if (CompareDecimal(range->low, candidate) <= 0 &&
                CompareDecimal(candidate, range->high) <= 0)
                return candidate.size();
            lastLength = candidate.size();
        }
        start = end + 1;
    }
    return lastLength.value_or(rest.size() / 2);
}

}  // namespace

std::string FormatISBN13(std::string_view digits) {
    if (digits.size() < kISBNLength) return {};
    digits = digits.substr(0, kISBNLength);
    if (!AllDigits(digits)) return {};

    const Group group = ReadGroup(digits);
    const std::string_view groupText = digits.substr(kGroupStart, group.length);
    const std::string_view rest =
        digits.substr(kGroupStart + group.length, kCheckIndex - kGroupStart - group.length);
    const std::size_t publisherLength =
        PublisherLength(SelectRow(groupText, group.known).Ranges, rest);

    std::string line = "ISBN 978-";
    line.append(groupText);
    line += '-';
    line.append(rest.substr(0, publisherLength));
    line += '-';
    line.append(rest.substr(publisherLength));
    line += '-';
    line += group.known ? digits[kCheckIndex] : 'e';
    return line;
}

}  // namespace quillmark
