// The checks a symbol's data must pass before it is drawn for output: codes that each front end
// words in its own language.
#pragma once

#include <cstddef>
#include <string_view>

#include "symbol/SymbolRequest.h"
#include "symbol/Symbology.h"

namespace quillmark {

enum class SymbolProblem {
    None,
    UnknownType,       // the type is none of the table's names
    NotADigit,         // position: the first character that is not 0-9
    DigitCount,        // count: digits given; expected: digits needed
    CheckDigit,        // expected: the right check digit; given: the one in the data
    ISBNPrefix,        // ISBN-13 data beginning with neither 978 nor 979
    UPCENumberSystem,  // UPC-E with number system 2-9 (printed, but never encoded)
    AddOnNotAllowed,   // an add-on for a symbology that has none
    AddOnLength,       // count: add-on digits given (2 or 5 needed)
    NothingToEncode,   // UCC/EAN-128 text of spaces and parentheses only
    TooLong,           // count: characters that fit; expected: characters given
};

struct SymbolCheck {
    SymbolProblem problem = SymbolProblem::None;
    std::size_t position = 0;  // 1-based, in the data checked
    std::size_t count = 0;
    std::size_t expected = 0;
    int given = 0;

    bool ok() const { return problem == SymbolProblem::None; }
};

// Main digits of a numbered symbology: digits only, the table's count, the right check digit and
// the symbology's own rules (978 or 979 for ISBN-13, number system 0 or 1 for UPC-E).
SymbolCheck CheckMainDigits(const SymbologyInfo& info, std::string_view digits);

// An add-on of 2 or 5 digits, for a symbology that takes one.
SymbolCheck CheckAddOn(const SymbologyInfo& info, std::string_view addOn);

// A UCC/EAN-128 text in the field's 8-bit notation: something to encode, all of it in the symbol.
SymbolCheck CheckFieldText(std::string_view fieldText);

}  // namespace quillmark
