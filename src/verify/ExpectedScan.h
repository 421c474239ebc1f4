// What a scanner must report for a symbol request: the data the symbol was drawn to carry.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/ScanReading.h"
#include "symbol/SymbolRequest.h"
#include "symbol/Symbology.h"

namespace quillmark {

// The GS1 data a reader transmits for the field text (8-bit notation): spaces and parentheses
// dropped, FNC1 as GS except before the first data character (there it only marks the symbol as
// GS1), the control-character notation as the control characters, characters that no code set
// holds and FNC2 to FNC4 left out.
std::string ExpectedGS1Data(std::string_view fieldText);

// nullopt for a type that is no symbology.
std::optional<ScanExpectation> ExpectedScanText(const SymbolRequest& request);

// What a reader must report for each symbol of request's picture (SymbolsOf: a pair's linear
// symbol, then its 2D symbol), each with its area of the picture; nullopt for no symbology.
std::vector<std::optional<ScanExpectation>> ExpectedScans(const SymbolRequest& request);

}  // namespace quillmark
