// The ISBN registration groups of the 978 prefix with their publisher-prefix ranges.
#pragma once

#include <span>
#include <string_view>

namespace quillmark {

struct TISBNArea {
    int GroupID;
    std::string_view AreaName;
    std::string_view Ranges;  // "low-high;low-high;..."; the low bound's length is the prefix length
};

// 160 rows in strictly ascending GroupID order.
std::span<const TISBNArea> ISBNAreaTable();

}  // namespace quillmark
