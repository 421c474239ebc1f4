// What a scanner must report for a symbol request: the data the symbol was drawn to carry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

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

}  // namespace quillmark
