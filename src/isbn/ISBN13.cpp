// Hyphenation of an ISBN-13: group identifier and publisher prefix from the range message's
// groups and ranges.
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
    const TISBNArea* row;  // null when the range message defines no such group
};

int ToNumber(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// The group of the digits after the prefix, its identifier's length from the prefix's rules. An
// identifier the rules do not define takes the length of the rule before it (1 at the start), so
// that the line still reads in the usual shape with "e" in place of the check digit.
Group ReadGroup(std::string_view digits) {
    const int prefix = ToNumber(digits.substr(0, kGroupStart));
    const int seven = ToNumber(digits.substr(kGroupStart, 7));
    std::size_t length = 1;
    bool defined = false;
    for (const TISBNGroupLength& rule : ISBNGroupLengthTable()) {
        if (rule.Prefix != prefix || rule.Low > seven) continue;
        length = static_cast<std::size_t>(rule.Length);
        defined = seven <= rule.High;
        if (defined) break;
    }
    if (!defined) return {length, nullptr};
    const int id = ToNumber(digits.substr(kGroupStart, length));
    for (const TISBNArea& row : ISBNAreaTable())
        if (row.Prefix == prefix && row.GroupID == id) return {length, &row};
    return {length, nullptr};
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

struct Publisher {
    std::size_t length;
    bool defined;  // false where no range of the group holds the digits
};

// Publisher prefix length for the digits after the group (rest never includes the check digit).
// The first element that holds the candidate wins; when none does, the publisher is undefined
// and the last usable element sets the length; a list without usable elements splits the digits
// in half.
Publisher ReadPublisher(std::string_view ranges, std::string_view rest) {
    std::optional<std::size_t> lastLength;
    std::size_t start = 0;
    while (start <= ranges.size()) {
        const auto end = std::min(ranges.find(';', start), ranges.size());
        if (const auto range = ParseElement(ranges.substr(start, end - start))) {
            const auto candidate = rest.substr(0, range->low.size());
            if (CompareDecimal(range->low, candidate) <= 0 &&
                CompareDecimal(candidate, range->high) <= 0)
                return {candidate.size(), true};
            lastLength = candidate.size();
        }
        start = end + 1;
    }
    return {lastLength.value_or(rest.size() / 2), false};
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
    const Publisher publisher = group.row != nullptr ? ReadPublisher(group.row->Ranges(), rest)
                                                     : Publisher{rest.size() / 2, false};

    std::string line = "ISBN ";
    line.append(digits.substr(0, kGroupStart));
    line += '-';
    line.append(groupText);
    line += '-';
    line.append(rest.substr(0, publisher.length));
    line += '-';
    line.append(rest.substr(publisher.length));
    line += '-';
    line += publisher.defined ? digits[kCheckIndex] : 'e';
    return line;
}

}  // namespace quillmark
