// One symbol as the command line describes it, and the dispatch to its renderer.
#pragma once

#include <string>

#include "encoders/Canvas.h"

namespace quillmark {

inline constexpr const char* kTypeITF14 = "ITF-14";
inline constexpr const char* kTypeUCCEAN128 = "UCC/EAN-128";

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
};

bool IsEANUPCType(const std::string& type);

// Calls the one renderer for symbol.type (nothing for an unknown type, which leaves bounds empty).
// A null canvas measures only. The UCC/EAN-128 text is encoded afresh on every call.
void RenderSymbol(const SymbolRequest& symbol, TCanvas* canvas, double offsetX, double offsetY,
                  double scaleX, double scaleY, TRect& bounds);

}  // namespace quillmark
