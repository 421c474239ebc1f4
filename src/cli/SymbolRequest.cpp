// Dispatches a symbol description to the EAN/UPC, ITF-14 or UCC/EAN-128 renderer.
#include "cli/SymbolRequest.h"

#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/UCCEAN128.h"

namespace quillmark {

bool IsEANUPCType(const std::string& type) {
    return type == "EAN-13" || type == "ISBN-13" || type == "EAN-8" || type == "UPC-A" ||
           type == "UPC-E";
}

void RenderSymbol(const SymbolRequest& symbol, TCanvas* canvas, double offsetX, double offsetY,
                  double scaleX, double scaleY, TRect& bounds) {
    bounds = TRect{};
    if (IsEANUPCType(symbol.type)) {
        DrawEANUPC(symbol.type, symbol.addOnType, symbol.digits, canvas, offsetX, offsetY,
                   symbol.sizePercent, scaleX, scaleY, bounds);
    } else if (symbol.type == kTypeITF14) {
        DrawITF14(symbol.digits, canvas, symbol.sizePercent, offsetX, offsetY, scaleX, scaleY,
                  symbol.fullBorder, bounds);
    } else if (symbol.type == kTypeUCCEAN128) {
        Code128Codes codes{};
        std::string hrText;
        EncodeUCCEAN128(symbol.fieldText, codes, hrText);
        DrawUCCEAN128(codes, hrText, canvas, offsetX, offsetY, symbol.gSizePercent,
                      symbol.vSizePercent, scaleX, scaleY, bounds);
    }
}

}  // namespace quillmark
