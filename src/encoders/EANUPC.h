// EAN-13, EAN-8, UPC-A and UPC-E module strings, their add-ons, and the EAN/UPC renderer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark {

// Main module string for CodeType ("EAN-13", "ISBN-13", "EAN-8", "UPC-A", "UPC-E") built from
// Digits. Returns an empty string for an unknown type or digits that break the preconditions
// (too few, or a non-digit among the ones used).
std::string EANUPCModules(std::string_view codeType, std::string_view digits);

// Add-on module string for AddOnType "2-Digit" or "5-Digit", taking its digits from Digits at the
// add-on position of CodeType. Empty for "None", for EAN-8, for unknown texts and for bad digits.
std::string AddOnModules(std::string_view codeType, std::string_view addOnType,
                         std::string_view digits);

// The twelve digits of the UPC-A number that an eight-digit UPC-E number (number system, six
// digits, check digit) expands to; the check digit position of the result is the computed one.
// Empty when upce does not hold at least seven digits.
std::string ExpandUPCEToUPCA(std::string_view upce);

// The GS1 modulo-10 check digit of the digits given (the check digit position excluded).
// nullopt when a character is not a digit.
std::optional<int> GS1CheckDigit(std::string_view digitsWithoutCheck);

// The check digit a UPC-E number must carry: that of the UPC-A number it expands to.
// Takes at least the first seven digits; nullopt for bad input.
std::optional<int> UPCECheckDigit(std::string_view upce);

// Draws an EAN/UPC symbol (or only measures it when canvas is null) and writes its pixel extent,
// widened by the add-on box, to bounds.
void DrawEANUPC(std::string_view codeType, std::string_view addOnType, std::string_view digits,
                TCanvas* canvas, double offsetX, double offsetY, unsigned short sizePercent,
                double scaleX, double scaleY, TRect& bounds);

}  // namespace quillmark
