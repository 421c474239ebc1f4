// The special characters of the UCC/EAN-128 text and the 8-bit codes that stand for them.
#include "ai/FieldCharacters.h"

namespace quillmark {

namespace {
constexpr int kFunctionCount = kNotationFnc4 - kNotationFnc1 + 1;
}  // namespace

const std::array<std::string_view, kSpecialCharCount> SpecialCharNames = {
    "FNC1", "FNC2", "FNC3", "FNC4",  //
    "NUL",  "SOH",  "STX",  "ETX",  "EOT", "ENQ", "ACK", "BEL", "BS",  "HT",  "LF",
    "VT",   "FF",   "CR",   "SO",   "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN",  "ETB",  "CAN",  "EM",   "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

std::optional<unsigned char> SpecialCharCode(int index) {
    if (index < 0 || index >= kSpecialCharCount) return std::nullopt;
    // Items after the four function characters are the control characters in ASCII order.
    const int code =
        index < kFunctionCount ? kNotationFnc1 + index : kNotationNul + (index - kFunctionCount);
    return static_cast<unsigned char>(code);
}

std::optional<int> SpecialCharIndexOfCode(unsigned char code) {
    if (IsNotationFunction(code)) return code - kNotationFnc1;
    if (IsNotationControl(code)) return kFunctionCount + ControlOfNotation(code);
    return std::nullopt;
}

std::optional<int> SpecialCharIndex(std::string_view name) {
    for (int i = 0; i < kSpecialCharCount; ++i)
        if (SpecialCharNames[static_cast<std::size_t>(i)] == name) return i;
    return std::nullopt;
}

}  // namespace quillmark
