// The catalogue of GS1 Application Identifiers offered on the UCC/EAN-128 tab.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillmark {

struct TAIEntry {
    std::string_view AI;    // 2 to 4 characters; a trailing "y" or the "x" of "23x" is chosen later
    std::string_view Name;  // Russian, UTF-8
    bool FixedLength;
    std::uint8_t DataLength;  // digits (fixed) or maximum characters (variable; 0 = no maximum)
};

inline constexpr int kAICount = 91;
extern const std::array<TAIEntry, kAICount> AITable;

// "(" + AI + ") - " + Name, the text of the row's list item; empty for a row outside 0..90.
std::string AIListItem(int row);

}  // namespace quillmark
