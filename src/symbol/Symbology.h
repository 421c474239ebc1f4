// The symbologies Quillmark draws: their names, digit counts and magnification ranges, in one
// table.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quillmark {

enum class Symbology {
    EAN13,
    ISBN13,
    EAN8,
    UPCA,
    UPCE,
    ITF14,
    UCCEAN128,
    GS1DataMatrix,
    GS1QR,
    DigitalLinkQR
};

struct SymbologyInfo {
    Symbology id;
    std::string_view name;   // the text the renderers and the window's lists use
    std::size_t digitCount;  // main digits, check digit included; 0 for free text
    bool takesAddOn;
    unsigned short minPercent;  // magnification range (UCC/EAN-128: the horizontal one; 2D: none)
    unsigned short maxPercent;
    unsigned short maxVPercent;  // UCC/EAN-128's vertical range ends here (it starts at 100)
    // How the window takes the number: the field's mask ("9" a digit, a backslash before a fixed
    // literal, then ";1;" and the blank character) and its text when the type is chosen. Empty
    // for free text.
    std::string_view numberMask;
    std::string_view numberBlank;
    // The symbology identifier a reader reports when the symbol carries GS1 element strings
    // ("]C1", "]d2", "]Q3"); empty for one that carries other data.
    std::string_view gs1Identifier;
};

inline constexpr std::array<SymbologyInfo, 10> kSymbologies{{
    {Symbology::EAN13, "EAN-13", 13, true, 80, 200, 0, "9 999999 999999;1;0", "0 000000 000000",
     ""},
    {Symbology::ISBN13, "ISBN-13", 13, true, 80, 200, 0, "\\9 799999 999999;1;0", "9 780000 000000",
     ""},
    {Symbology::EAN8, "EAN-8", 8, false, 80, 200, 0, "9999 9999;1;0", "0000 0000", ""},
    {Symbology::UPCA, "UPC-A", 12, true, 80, 200, 0, "9 99999 99999 9;1;0", "0 00000 00000 0", ""},
    {Symbology::UPCE, "UPC-E", 8, true, 80, 200, 0, "9 999999 9;1;0", "0 000000 0", ""},
    {Symbology::ITF14, "ITF-14", 14, false, 25, 100, 0, "99999999999999;1;0", "00000000000000", ""},
    {Symbology::UCCEAN128, "UCC/EAN-128", 0, false, 100, 407, 400, "", "", "]C1"},
    {Symbology::GS1DataMatrix, "GS1 DataMatrix", 0, false, 100, 100, 0, "", "", "]d2"},
    {Symbology::GS1QR, "GS1 QR Code", 0, false, 100, 100, 0, "", "", "]Q3"},
    {Symbology::DigitalLinkQR, "GS1 Digital Link QR", 0, false, 100, 100, 0, "", "", ""},
}};

// The add-on types of the EAN/UPC symbologies, in the order the window lists them.
inline constexpr std::array<std::string_view, 3> kAddOnTypes{"None", "2-Digit", "5-Digit"};

// The row whose name is exactly name; nullptr for any other text.
const SymbologyInfo* FindSymbology(std::string_view name);
const SymbologyInfo& SymbologyOf(Symbology id);

// EAN-13, ISBN-13, EAN-8, UPC-A and UPC-E: one renderer, digits and an optional add-on.
bool IsEANUPC(Symbology id);

// GS1 DataMatrix, GS1 QR Code and the Digital Link QR Code: a matrix of square modules.
bool IsMatrix2D(Symbology id);

// The symbology's gs1Identifier.
std::string_view GS1SymbologyIdentifier(Symbology id);

// Digits of the add-on types "None", "2-Digit" and "5-Digit"; 0 for any other text.
std::size_t AddOnDigitCount(std::string_view addOnType);

}  // namespace quillmark
