// A 2D symbol with the linear symbol of its GTIN beside it, in one picture, as packaging proofs
// show them during the move from EAN/UPC and ITF-14 to 2D symbols.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "encoders/MatrixEncode.h"
#include "symbol/SymbolCheck.h"
#include "symbol/SymbolRequest.h"
#include "symbol/Symbology.h"

namespace quillmark {

enum class PairProblem {
    None,
    NoGTIN,           // the element string holds no (01)
    GTINNotDigits,    // (01) does not hold exactly fourteen digits
    VariableMeasure,  // indicator digit 9: a variable measure item, which no symbol here pairs
    WrongCheckDigit,  // the linear symbol refuses the GTIN's check digit
};

struct PairedLinear {
    PairProblem problem = PairProblem::None;
    // Null unless problem is None or WrongCheckDigit.
    const SymbologyInfo* symbology = nullptr;
    std::string digits;  // the number it carries, check digit included
    std::string gtin;    // the (01) data as given
    SymbolCheck check;   // the linear symbol's check of digits
};

// The linear symbol of the GTIN in (01) of fieldText, by the GTIN's form in its fourteen
// digits: six leading zeros a GTIN-8 (EAN-8), two a GTIN-12 (UPC-A), one a GTIN-13 (EAN-13), an
// indicator digit 1 to 8 a GTIN-14 (ITF-14); refused when that symbol refuses the check digit.
PairedLinear LinearOfGTIN(std::string_view fieldText);

// The quiet zone a 2D symbol is drawn with on every side, in modules.
int MatrixQuietModules(const SymbolRequest& request);

// Where the two symbols of a pair stand, in millimetres from the picture's top-left corner. The
// common baseline is the bottom of the linear symbol's normal bars (ITF-14: the top of its bottom
// bearer) level with the bottom of the 2D symbol's last row of modules; the light gap between
// the linear symbol's last bar (ITF-14: its right bearer) and the first column of modules is the
// larger of the two quiet zones.
struct PairLayout {
    double linearX = 0, linearY = 0;
    double matrixX = 0, matrixY = 0;
};

// nullopt when the pair's linear symbology has no box (none, or UCC/EAN-128).
std::optional<PairLayout> LayOutPair(const SymbolRequest& pair, const ModuleMatrix& matrix);

// The pair's linear symbol alone, and its 2D symbol alone.
SymbolRequest LinearOfPair(const SymbolRequest& pair);
SymbolRequest MatrixOfPair(const SymbolRequest& pair);

// Where a symbol stands in its picture, as fractions of the picture's width and height.
struct SymbolArea {
    double left = 0, top = 0, right = 1, bottom = 1;
};

// The area of each symbol of SymbolsOf(request) in its picture at any scale: the whole picture
// for a symbol alone; a pair's linear symbol and its 2D symbol each with its own quiet zones.
std::vector<SymbolArea> SymbolAreas(const SymbolRequest& request);

// The symbols a picture of request holds, each as a request of its own: the request itself, or a
// pair's linear symbol and then its 2D symbol.
std::vector<SymbolRequest> SymbolsOf(const SymbolRequest& request);

}  // namespace quillmark
