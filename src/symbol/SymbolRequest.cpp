// Dispatches a symbol description to the EAN/UPC, ITF-14, UCC/EAN-128 or 2D matrix renderer, or
// to a pair of a linear and a 2D symbol.
#include "symbol/SymbolRequest.h"

#include <algorithm>

#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/Matrix2D.h"
#include "symbol/SymbolPair.h"

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

// The request's matrix as encoded once, or encoded here into local.
const std::optional<ModuleMatrix>& MatrixOf(const SymbolRequest& request,
                                            std::optional<ModuleMatrix>& local) {
    if (!request.matrix) local = EncodeMatrix(request);
    return request.matrix ? request.matrix : local;
}

void DrawMatrixRequest(const SymbolRequest& request, const ModuleMatrix& matrix, TCanvas* canvas,
                       double offsetX, double offsetY, double scaleX, double scaleY,
                       TRect& bounds) {
    DrawMatrix2D(matrix, MatrixQuietModules(request), request.moduleMm,
                 request.elementText ? ElementTextOf(request.fieldText) : std::string(), canvas,
                 offsetX, offsetY, scaleX, scaleY, bounds);
}

TRect Union(const TRect& a, const TRect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// The pair's linear symbol and its 2D symbol laid out by LayOutPair, on one background.
void DrawPair(const SymbolRequest& pair, const ModuleMatrix& matrix, TCanvas* canvas,
              double offsetX, double offsetY, double scaleX, double scaleY, TRect& bounds) {
    const std::optional<PairLayout> layout = LayOutPair(pair, matrix);
    if (!layout) return;
    const SymbolRequest linear = LinearOfPair(pair);
    const auto drawLinear = [&](TCanvas* on, TRect& drawn) {
        RenderSymbol(linear, on, offsetX + layout->linearX, offsetY + layout->linearY, scaleX,
                     scaleY, drawn);
    };
    const auto drawMatrix = [&](TCanvas* on, TRect& drawn) {
        DrawMatrixRequest(pair, matrix, on, offsetX + layout->matrixX, offsetY + layout->matrixY,
                          scaleX, scaleY, drawn);
    };
    TRect linearBounds, matrixBounds;
    drawLinear(nullptr, linearBounds);
    drawMatrix(nullptr, matrixBounds);
    if (linearBounds == TRect{} || matrixBounds == TRect{}) return;
    const TRect extent = Union(linearBounds, matrixBounds);
    if (canvas != nullptr) {
        canvas->FillRect(extent);
        // The 2D symbol first: the linear symbol's box then covers only the light edge of the 2D
        // symbol's quiet zone, and its own quiet-zone marks stay visible.
        drawMatrix(canvas, matrixBounds);
        drawLinear(canvas, linearBounds);
    }
    bounds = extent;
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
        std::optional<ModuleMatrix> local;
        const std::optional<ModuleMatrix>& matrix = MatrixOf(request, local);
        if (!matrix) return;
        if (request.pairedLinear != nullptr)
            DrawPair(request, *matrix, canvas, offsetX, offsetY, scaleX, scaleY, bounds);
        else
            DrawMatrixRequest(request, *matrix, canvas, offsetX, offsetY, scaleX, scaleY, bounds);
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
