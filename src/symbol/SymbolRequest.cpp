// Dispatches a symbol description to the EAN/UPC, ITF-14 or UCC/EAN-128 renderer.
#include "symbol/SymbolRequest.h"

#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"

namespace quillmark {

UCCEncoding EncodeFieldText(std::string_view fieldText) {
    UCCEncoding encoding;
    encoding.result = EncodeUCCEAN128(fieldText, encoding.codes, encoding.hrText);
    return encoding;
}

void EncodeRequest(SymbolRequest& request) {
    if (request.Is(Symbology::UCCEAN128)) request.encoded = EncodeFieldText(request.fieldText);
}

void RenderSymbol(const SymbolRequest& request, TCanvas* canvas, double offsetX, double offsetY,
                  double scaleX, double scaleY, TRect& bounds) {
    bounds = TRect{};
    const SymbologyInfo* info = request.symbology;
    if (info == nullptr) return;
    if (IsEANUPC(info->id)) {
        DrawEANUPC(info->name, request.addOnType, request.digits, canvas, offsetX, offsetY,
                   request.sizePercent, scaleX, scaleY, bounds, request.barReductionDots,
                   request.quietZoneMarks);
    } else if (info->id == Symbology::ITF14) {
        DrawITF14(request.digits, canvas, request.sizePercent, offsetX, offsetY, scaleX, scaleY,
                  request.fullBorder, bounds, request.barReductionDots);
    } else {
        std::optional<UCCEncoding> local;
        if (!request.encoded) local = EncodeFieldText(request.fieldText);
        const UCCEncoding& used = request.encoded ? *request.encoded : *local;
        DrawUCCEAN128(used.codes, used.hrText, canvas, offsetX, offsetY, request.gSizePercent,
                      request.vSizePercent, scaleX, scaleY, bounds, request.barReductionDots);
    }
}

SymbolRenderer BindSymbol(const SymbolRequest& request, double scaleX, double scaleY) {
    return
        [&request, scaleX, scaleY](TCanvas* canvas, double offsetX, double offsetY, TRect& bounds) {
            RenderSymbol(request, canvas, offsetX, offsetY, scaleX, scaleY, bounds);
        };
}

}  // namespace quillmark
