// One symbol's inputs as the command line and batch rows give them, checked into a request.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "check/GS1DigitalLink.h"
#include "output/Result.h"
#include "symbol/SymbolRequest.h"
#include "symbol/Symbology.h"

namespace quillmark {

// How many characters of a value a message shows at most.
inline constexpr std::size_t kQuotedCharacters = 40;

// Quotes a user's text for a message; control characters become \xNN (C1 controls \u00NN) so
// that a message always stays on one line and cannot move the terminal's cursor. A longer value is
// cut after its first kQuotedCharacters characters and followed by its length, "AAAA…" (131072
// characters), so that no message repeats a huge value. Every message about a value, batch rows
// included, quotes it with this.
std::string Quoted(const std::string& text);

// The symbol's inputs as text; an absent value takes the symbology's default.
struct SymbolFields {
    std::optional<std::string> type;
    std::optional<std::string> data;
    std::optional<std::string> addOn;
    std::optional<std::string> size;
    std::optional<std::string> gSize;
    std::optional<std::string> vSize;
    std::optional<bool> fullBorder;  // ITF-14 only
    // How the bars are printed, the same for every symbol of a run.
    int barReductionDots = 0;     // --bwr at the output's resolution
    bool quietZoneMarks = false;  // --quiet-zone-marks
    // The 2D symbols only: the module in millimetres, DataMatrix's rectangular form, QR Code's
    // error correction level, the element string below, the Digital Link URI's stem.
    std::optional<std::string> module;
    std::optional<bool> rectangular;
    std::optional<std::string> qrLevel;
    std::optional<bool> elementText;
    std::optional<std::string> stem;
    // --pair: the linear symbol of the data's GTIN beside the 2D symbol (size, border, bar
    // reduction and quiet-zone marks are the linear symbol's).
    bool pair = false;
};

// The table's row for a type name as people write it: any case, with or without the hyphen,
// and the names other tools use (GS1-128, EAN-128, ISBN, ITF14, UPC). nullptr for anything else.
const SymbologyInfo* FindSymbologyByAnyName(const std::string& name);

// The UCC/EAN-128 data in the field's notation: AIs in parentheses, square brackets read as
// parentheses; escapes of other tools ("]C1", "^FNC1", "<FNC1>", "\F") are refused.
Result<std::string> NormalizeGS1Notation(const std::string& data);

// Checks every field and builds the request (UCC/EAN-128 encoded once). Main digits one short of
// their length get their check digit as the window computes it; a refusal is one line of English
// without the program's name.
Result<SymbolRequest> BuildSymbolRequest(const SymbolFields& fields);

// The reason a Digital Link conversion was refused, in the words of --check for a finding.
std::string DigitalLinkRefusal(const DigitalLinkResult& result);

// "ITF-14 digits ..." style text of what the symbol carries, for messages.
std::string TypeList();

}  // namespace quillmark
