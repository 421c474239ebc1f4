// Dispatches a symbol description to the EAN/UPC, ITF-14, UCC/EAN-128 or 2D matrix renderer.
#include "symbol/SymbolRequest.h"

#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/Matrix2D.h"

namespace quillmark {

UCCEncoding EncodeFieldText(std::string_view fieldText) {
    UCCEncoding encoding;
    encoding.result = EncodeUCCEAN128(fieldText, encoding.codes, encoding.hrText);
    return encoding;
}

void EncodeRequest(SymbolRequest& request) {
    if (request.Is(Symbology::UCCEAN128)) request.encoded = EncodeFieldText(request.fieldText);
    if (request.symbology != nullptr && IsMatrix2D(request.symbology->id))
        request.matrix = EncodeMatrix(request);
}

std::optional<ModuleMatrix> EncodeMatrix(const SymbolRequest& request) {
    if (request.symbology == nullptr) return std::nullopt;
    switch (request.symbology->id) {
        case Symbology::GS1DataMatrix:
            return EncodeGS1DataMatrix(GS1DataOfFieldText(request.fieldText), request.rectangular);
        case Symbology::GS1QR:
            return EncodeGS1QR(request.fieldText, request.qrLevel);
        case Symbology::DigitalLinkQR:
            return EncodeTextQR(request.linkUri, request.qrLevel);
        default:
            return std::nullopt;
    }
}

namespace {

// The element string as people read it: the field text's printable characters, AIs in their
// parentheses, FNC1 and the other special characters left out.
std::string ElementTextOf(std::string_view fieldText) {
    std::string text;
    for (const char c : fieldText)
        if (c >= ' ' && c < 127) text += c;
    return text;
}

void DrawMatrixRequest(const SymbolRequest& request, TCanvas* canvas, double offsetX,
                       double offsetY, double scaleX, double scaleY, TRect& bounds) {
    std::optional<ModuleMatrix> local;
    if (!request.matrix) local = EncodeMatrix(request);
    const std::optional<ModuleMatrix>& used = request.matrix ? request.matrix : local;
    if (!used) return;
    const int quiet =
        request.Is(Symbology::GS1DataMatrix) ? kDataMatrixQuietModules : kQRQuietModules;
    DrawMatrix2D(*used, quiet, request.moduleMm,
                 request.elementText ? ElementTextOf(request.fieldText) : std::string(), canvas,
                 offsetX, offsetY, scaleX, scaleY, bounds);
}

}  // namespace

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
    } else if (IsMatrix2D(info->id)) {
        DrawMatrixRequest(request, canvas, offsetX, offsetY, scaleX, scaleY, bounds);
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
