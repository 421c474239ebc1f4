// The window's controls as plain data, and the symbol request they describe.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/GS1DigitalLink.h"
#include "encoders/MatrixEncode.h"
#include "symbol/SymbolRequest.h"
#include "symbol/Symbology.h"

namespace quillmark {

// The window's tabs, in their order.
enum class SymbolTab { EANUPC, ITF14, UCCEAN128, Matrix2D };

// What the controls hold, as they show it.
struct SymbolControls {
    SymbolTab tab = SymbolTab::EANUPC;
    // EAN/UPC: the code type list's text, the ISBN-13 tick, the number field's digits, the add-on
    // list's text and the add-on field's digits (kept while the add-on is None), the size.
    std::string codeType = "EAN-13";
    bool isbn = false;
    std::string codeDigits;
    std::string addOnType = "None";
    std::string addOnDigits;
    unsigned short codeSize = 100;
    // ITF-14
    std::string itfDigits;
    unsigned short itfSize = 100;
    bool fullBorder = true;
    // UCC/EAN-128: the two magnifications (the text comes encoded, see SymbolFromControls).
    unsigned short gSize = 100;
    unsigned short vSize = 100;
    // GS1 2D: the symbol list's text, the field's text in the encoder's 8-bit notation,
    // DataMatrix's rectangular tick, QR Code's level, the Digital Link stem, the module and the
    // element string tick.
    std::string matrixType = "GS1 DataMatrix";
    std::string matrixText;
    bool rectangular = false;
    QRLevel qrLevel = QRLevel::M;
    std::string stem = std::string(kDefaultDigitalLinkStem);
    double moduleMm = kDefaultMatrixModuleMm;
    bool elementText = false;
};

// The symbologies of the code type list, in its order: the EAN/UPC rows of kSymbologies but
// ISBN-13, which is EAN-13 with the ISBN tick.
std::vector<Symbology> CodeTypeList();

// The symbology the code type list's text and the ISBN tick name: ISBN-13 for a ticked EAN-13.
// The tick is kept while another type is chosen, and ignored by it.
Symbology CodeSymbology(std::string_view codeType, bool isbn);

// The symbologies of the 2D tab's list, in its order: the 2D rows of kSymbologies.
std::vector<Symbology> MatrixTypeList();

// The request the controls describe. fieldText is the UCC/EAN-128 text already encoded
// (EncodeRequest), taken as it is on that tab with the controls' magnifications. A 2D request
// comes encoded, the Digital Link QR Code with the URI of its text (none where the text makes
// none, which draws nothing).
SymbolRequest SymbolFromControls(const SymbolControls& controls, const SymbolRequest& fieldText);

}  // namespace quillmark
