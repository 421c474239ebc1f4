// Check digits as the window keeps them while the user types.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "symbol/Symbology.h"

namespace quillmark {

// D with its last character replaced by the GS1 modulo-10 check digit of the characters before
// it (weights 3, 1, 3, ... leftwards from the digit next to the check digit). D is returned
// unchanged when it is empty or holds a non-digit before its last position.
std::string SetCheckDigit(std::string_view digits);

// The same for a symbology's main digits: UPC-E takes the check digit of the UPC-A number it
// expands to, every other numbered symbology the GS1 rule over its own digits.
std::string SetCheckDigit(Symbology id, std::string_view digits);

// The check digit the full-length main digits must end in; nullopt for bad input or free text.
std::optional<int> ExpectedCheckDigit(Symbology id, std::string_view digits);

}  // namespace quillmark
