// Dispatches a symbol description to the EAN/UPC, ITF-14 or UCC/EAN-128 renderer.
#include "cli/SymbolSpec.h"

#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/UCCEAN128.h"

namespace quillmark {

bool IsEANUPCType(const std::string& type) {
    return type == "EAN-13" || type == "ISBN-13" || type == "EAN-8" || type == "UPC-A" ||
           type == "UPC-E";
}

void RenderSymbol(const SymbolSpec& spec, TCanvas* canvas, double offsetX, double offsetY,
                  double scaleX, double scaleY, TRect& bounds) {
    bounds = TRect{};
    if (IsEANUPCType(spec.type)) {
        DrawEANUPC(spec.type, spec.addOnType, spec.digits, canvas, offsetX, offsetY,
                   spec.sizePercent, scaleX, scaleY, bounds);
    } else if (spec.type == kTypeITF14) {
        DrawITF14(spec.digits, canvas, spec.sizePercent, offsetX, offsetY, scaleX, scaleY,
                  spec.fullBorder, bounds);
    } else if (spec.type == kTypeUCCEAN128) {
        Code128Codes codes{};
        std::string hrText;
        EncodeUCCEAN128(spec.fieldText, codes, hrText);
        DrawUCCEAN128(codes, hrText, canvas, offsetX, offsetY, spec.gSizePercent, spec.vSizePercent,
                      scaleX, scaleY, bounds);
    }
}

}  // namespace quillmark
