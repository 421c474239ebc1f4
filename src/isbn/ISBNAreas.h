// The ISBN registration groups of the 978 and 979 prefixes with their publisher-prefix ranges.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quillmark {

struct TISBNArea {
    int Prefix;  // 978 or 979
    int GroupID;
    // Where the texts below stand in the table's text.
    std::uint32_t nameStart, nameSize, rangesStart, rangesSize;

    std::string_view AreaName() const;
    // "low-high;low-high;..."; the low bound's length is the prefix length.
    std::string_view Ranges() const;
};

// The length of the group identifiers whose seven digits after the prefix lie in Low..High.
struct TISBNGroupLength {
    int Prefix;
    int Low, High;
    int Length;
};

// Every registration group of the range message in data/isbn-ranges.txt, in its order
// (ascending by prefix, then by identifier digits).
std::span<const TISBNArea> ISBNAreaTable();
// The group identifier lengths the range message defines; digits outside them are no group.
std::span<const TISBNGroupLength> ISBNGroupLengthTable();
// The range message's date, as it gives it.
std::string_view ISBNRangesEdition();

}  // namespace quillmark
