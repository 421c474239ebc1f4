// The special characters of the UCC/EAN-128 text: FNC1-FNC4 and NUL-US, one 8-bit code each.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillmark {

inline constexpr int kSpecialCharCount = 36;

// The field's 8-bit notation: the control characters NUL..US (ASCII 0..31) are the codes
// 192..223, the function characters FNC1..FNC4 are 224..227; ASCII stands for itself.
inline constexpr unsigned char kNotationNul = 192;
inline constexpr unsigned char kNotationUs = 223;
inline constexpr unsigned char kNotationFnc1 = 224;
inline constexpr unsigned char kNotationFnc4 = 227;

// The group separator (GS) a reader transmits for a separating FNC1, ending an element string of
// variable length that another follows.
inline constexpr char kGroupSeparator = 29;

constexpr bool IsNotationControl(unsigned char c) {
    return c >= kNotationNul && c <= kNotationUs;
}
constexpr bool IsNotationFunction(unsigned char c) {
    return c >= kNotationFnc1 && c <= kNotationFnc4;
}
// The code of ASCII control character ascii (0..31), and back.
constexpr unsigned char NotationOfControl(unsigned char ascii) {
    return static_cast<unsigned char>(kNotationNul + ascii);
}
constexpr unsigned char ControlOfNotation(unsigned char code) {
    return static_cast<unsigned char>(code - kNotationNul);
}

// List names in item order: "FNC1".."FNC4", then "NUL".."US".
extern const std::array<std::string_view, kSpecialCharCount> SpecialCharNames;

// Code inserted for list item index (0..35): 224 + index for FNC1..FNC4, 188 + index for NUL..US.
// nullopt for an index outside the list.
std::optional<unsigned char> SpecialCharCode(int index);

// The list index of a special character's code (the inverse of SpecialCharCode), or nullopt for
// any other code.
std::optional<int> SpecialCharIndexOfCode(unsigned char code);

// The list index whose name is exactly name, or nullopt.
std::optional<int> SpecialCharIndex(std::string_view name);

}  // namespace quillmark
