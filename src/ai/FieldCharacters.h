// The special characters of the UCC/EAN-128 text: FNC1-FNC4 and NUL-US, one 8-bit code each.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillmark {

inline constexpr int kSpecialCharCount = 36;

// List names in item order: "FNC1".."FNC4", then "NUL".."US".
extern const std::array<std::string_view, kSpecialCharCount> SpecialCharNames;

// Code inserted for list item index (0..35): 224 + index for FNC1..FNC4, 188 + index for NUL..US.
// nullopt for an index outside the list.
std::optional<unsigned char> SpecialCharCode(int index);

// The list index whose name is exactly name, or nullopt.
std::optional<int> SpecialCharIndex(std::string_view name);

}  // namespace quillmark
