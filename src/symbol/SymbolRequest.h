// One symbol as every front end describes it, and the one dispatch to its renderer.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "encoders/Canvas.h"
#include "encoders/MatrixEncode.h"
#include "encoders/UCCEAN128.h"
#include "symbol/Symbology.h"

namespace quillmark {

// The UCC/EAN-128 text turned into codewords and its human-readable line.
struct UCCEncoding {
    Code128Codes codes{};
    std::string hrText;
    EncodeResult result;
};

UCCEncoding EncodeFieldText(std::string_view fieldText);

// The 2D symbols' module when none is given: inside GS1's ranges for retail point of sale and for
// healthcare.
inline constexpr double kDefaultMatrixModuleMm = 0.5;
// The 2D symbols' module range in millimetres: from the least X-dimension of GS1's tables for
// healthcare to the largest of general distribution.
inline constexpr double kMinMatrixModuleMm = 0.254;
inline constexpr double kMaxMatrixModuleMm = 1.5;

// Every input of one renderer call. The EAN/UPC symbologies (EAN-13, ISBN-13, EAN-8, UPC-A,
// UPC-E) read digits (main digits followed by the add-on digits), addOnType and sizePercent;
// ITF-14 reads digits, sizePercent and fullBorder; UCC/EAN-128 reads fieldText (8-bit field
// notation) and the two magnifications. Every linear renderer reads barReductionDots; EAN-13,
// ISBN-13 and EAN-8 read quietZoneMarks. GS1 DataMatrix and GS1 QR Code read fieldText as their
// element string, moduleMm, elementText and rectangular or qrLevel; the Digital Link QR Code
// carries linkUri (fieldText is the element string it was made from). A 2D request with
// pairedLinear is a pair (see SymbolPair.h): its linear symbol reads digits, sizePercent,
// fullBorder, barReductionDots and quietZoneMarks.
struct SymbolRequest {
    // The symbology's row of kSymbologies, resolved once by the front end that named it; null
    // for none, which draws nothing.
    const SymbologyInfo* symbology = nullptr;
    std::string digits;
    std::string addOnType = "None";
    std::string fieldText;
    unsigned short sizePercent = 100;
    unsigned short gSizePercent = 100;
    unsigned short vSizePercent = 100;
    bool fullBorder = true;
    // Pixels (printer dots) taken off the right of every bar, given to the space after it; the
    // front end turns the printer's reduction into whole dots. The bearers keep their width.
    int barReductionDots = 0;
    // EAN-13's ">" and EAN-8's "<" ">" at the outer edges of the quiet zones.
    bool quietZoneMarks = false;
    // fieldText encoded once (EncodeRequest); empty means RenderSymbol encodes it at every call.
    std::optional<UCCEncoding> encoded;
    // The 2D symbols: the module (X-dimension), the element string printed below, DataMatrix's
    // rectangular form, QR Code's error correction level, and the modules encoded once.
    double moduleMm = kDefaultMatrixModuleMm;
    bool elementText = false;
    bool rectangular = false;
    QRLevel qrLevel = QRLevel::M;
    std::string linkUri;
    std::optional<ModuleMatrix> matrix;
    // The linear symbol of the data's GTIN drawn left of the 2D symbol in the same picture; null
    // for the 2D symbol alone.
    const SymbologyInfo* pairedLinear = nullptr;

    bool Is(Symbology id) const { return symbology != nullptr && symbology->id == id; }
    // The magnification the symbol's size is given in: UCC/EAN-128's horizontal one, every other
    // symbology's only one.
    unsigned short Magnification() const {
        return Is(Symbology::UCCEAN128) ? gSizePercent : sizePercent;
    }
};

// Encodes a UCC/EAN-128 request's text or a 2D request's matrix once, so that the measure and
// draw passes and every later output share it. Other types are left as they are.
void EncodeRequest(SymbolRequest& request);

// The 2D request's modules; nullopt for another type or data no symbol holds.
std::optional<ModuleMatrix> EncodeMatrix(const SymbolRequest& request);

// Calls the one renderer for request.symbology (nothing without one, which leaves bounds empty).
// A null canvas measures only.
void RenderSymbol(const SymbolRequest& request, TCanvas* canvas, double offsetX, double offsetY,
                  double scaleX, double scaleY, TRect& bounds);

// One symbol at the scale its output chose, with everything but the canvas, the offsets and the
// bounds bound; a null canvas means measure only. Every output draws through one of these.
using SymbolRenderer =
    std::function<void(TCanvas* canvas, double offsetX, double offsetY, TRect& bounds)>;

// The request's renderer at scaleX x scaleY pixels per millimetre. The request is used in place,
// not copied (a UCC/EAN-128 text may be long): it must outlive the renderer.
SymbolRenderer BindSymbol(const SymbolRequest& request, double scaleX, double scaleY);
SymbolRenderer BindSymbol(SymbolRequest&& request, double scaleX, double scaleY) = delete;

}  // namespace quillmark
