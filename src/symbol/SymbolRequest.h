// One symbol as every front end describes it, and the one dispatch to its renderer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "encoders/Canvas.h"
#include "encoders/UCCEAN128.h"

namespace quillmark {

// The UCC/EAN-128 text turned into codewords and its human-readable line.
struct UCCEncoding {
    Code128Codes codes{};
    std::string hrText;
    EncodeResult result;
};

UCCEncoding EncodeFieldText(std::string_view fieldText);

// Every input of one renderer call. EAN/UPC types ("EAN-13", "ISBN-13", "EAN-8", "UPC-A",
// "UPC-E") read digits (main digits followed by the add-on digits), addOnType and sizePercent;
// "ITF-14" reads digits, sizePercent and fullBorder; "UCC/EAN-128" reads fieldText (8-bit field
// notation) and the two magnifications.
struct SymbolRequest {
    std::string type;
    std::string digits;
    std::string addOnType = "None";
    std::string fieldText;
    unsigned short sizePercent = 100;
    unsigned short gSizePercent = 100;
    unsigned short vSizePercent = 100;
    bool fullBorder = true;
    // fieldText encoded once (EncodeRequest); empty means RenderSymbol encodes it at every call.
    std::optional<UCCEncoding> encoded;
};

// Encodes a UCC/EAN-128 request's text once, so that the measure and draw passes and every later
// output share it. Other types are left as they are.
void EncodeRequest(SymbolRequest& request);

// Calls the one renderer for request.type (nothing for an unknown type, which leaves bounds
// empty). A null canvas measures only.
void RenderSymbol(const SymbolRequest& request, TCanvas* canvas, double offsetX, double offsetY,
                  double scaleX, double scaleY, TRect& bounds);

}  // namespace quillmark
