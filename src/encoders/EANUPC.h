// EAN-13, EAN-8, UPC-A and UPC-E module strings, their add-ons, and the EAN/UPC renderer.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark {

// Number sets A (odd parity, left half), B (even parity, left half) and C (right half), ten
// 7-module patterns each, set after set. B is C read backwards; C is A with every module inverted.
// clang-format off
inline constexpr std::array<std::string_view, 30> DigitPatterns = {
    // A: 0-4, 5-9
    "0001101", "0011001", "0010011", "0111101", "0100011",
    "0110001", "0101111", "0111011", "0110111", "0001011",
    // B: 0-4, 5-9
    "0100111", "0110011", "0011011", "0100001", "0011101",
    "0111001", "0000101", "0010001", "0001001", "0010111",
    // C: 0-4, 5-9
    "1110010", "1100110", "1101100", "1000010", "1011100",
    "1001110", "1010000", "1000100", "1001000", "1110100",
};
// clang-format on

// The module width in millimetres at 100 %.
inline constexpr double kEANUPCModuleMm = 0.33;

// EAN-13: the number sets of the twelve symbol characters, by leading digit. The leading digit
// is carried only by the A/B mix of the left half; leading 0 is UPC-A.
inline constexpr std::array<std::string_view, 10> EAN13Parity = {
    "AAAAAACCCCCC", "AABABBCCCCCC", "AABBABCCCCCC", "AABBBACCCCCC", "ABAABBCCCCCC",
    "ABBAABCCCCCC", "ABBBAACCCCCC", "ABABABCCCCCC", "ABABBACCCCCC", "ABBABACCCCCC",
};

// UPC-E number system 0: the sets of the six symbol characters, by check digit (B even, A odd).
// Number system 1 uses each row with A and B swapped.
inline constexpr std::array<std::string_view, 10> UPCEParity = {
    "BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
    "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB",
};

// 2-digit add-on: by add-on value modulo 4.
inline constexpr std::array<std::string_view, 4> AddOn2Parity = {"AA", "AB", "BA", "BB"};

// 5-digit add-on: by checksum 3 * (a1 + a3 + a5) + 9 * (a2 + a4) modulo 10.
inline constexpr std::array<std::string_view, 10> AddOn5Parity = {
    "BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA", "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB",
};

// The normal bars' height and the quiet zones of codeType at sizePercent; nullopt for an
// unknown type.
std::optional<DrawnGeometry> EANUPCGeometry(std::string_view codeType, unsigned short sizePercent);

// The box of codeType at sizePercent, add-on left out; nullopt for an unknown type.
std::optional<SymbolBox> EANUPCBox(std::string_view codeType, unsigned short sizePercent);

// Main module string for CodeType ("EAN-13", "ISBN-13", "EAN-8", "UPC-A", "UPC-E") built from
// Digits. Returns an empty string for an unknown type or digits that break the preconditions
// (too few, or a non-digit among the ones used). The check digit is encoded as given. UPC-E
// picks its sets by the check digit (d8), swapped for number system 1.
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
// widened by the add-on box, to bounds. Each run of dark modules is drawn as one solid block of
// columns. Digits that break the preconditions leave the boxes filled but draw no bars and no
// text there. A scale that is not finite and positive, or a size of 0, gives an empty bounds
// and draws nothing. Each run of dark modules, the add-on's too, is drawn barReductionDots pixels
// narrower (see ReducedLast). quietZoneMarks draws EAN-13's ">" and EAN-8's "<" and ">" at the
// outer edges of their quiet zones on the line of the digits, within bounds.
void DrawEANUPC(std::string_view codeType, std::string_view addOnType, std::string_view digits,
                TCanvas* canvas, double offsetX, double offsetY, unsigned short sizePercent,
                double scaleX, double scaleY, TRect& bounds, int barReductionDots = 0,
                bool quietZoneMarks = false);

}  // namespace quillmark
