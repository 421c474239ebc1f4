// Builds the symbol request from the window's controls, without the widgets.
#include "app/SymbolControls.h"

#include "symbol/SymbolCheck.h"
#include "symbol/SymbolPair.h"

namespace quillmark {

namespace {

// The symbologies of kSymbologies that a list shows, in the table's order.
template <typename Shown>
std::vector<Symbology> ListOf(Shown shown) {
    std::vector<Symbology> list;
    for (const SymbologyInfo& info : kSymbologies)
        if (shown(info.id)) list.push_back(info.id);
    return list;
}

// The 2D tab's symbol: an unknown list text draws the first of the list, as the list starts.
SymbolRequest MatrixRequest(const SymbolControls& controls) {
    SymbolRequest request;
    const SymbologyInfo* info = FindSymbology(controls.matrixType);
    request.symbology =
        info != nullptr && IsMatrix2D(info->id) ? info : &SymbologyOf(Symbology::GS1DataMatrix);
    request.fieldText = controls.matrixText;
    request.moduleMm = controls.moduleMm;
    request.elementText = controls.elementText;
    if (request.Is(Symbology::GS1DataMatrix))
        request.rectangular = controls.rectangular;
    else
        request.qrLevel = controls.qrLevel;
    if (request.Is(Symbology::DigitalLinkQR))
        request.linkUri =
            DigitalLinkFromElementString(controls.matrixText, controls.stem).text.value_or("");
    if (controls.pairLinear) {
        const PairedLinear linear = LinearOfGTIN(controls.matrixText);
        if (linear.problem == PairProblem::None) {
            request.pairedLinear = linear.symbology;
            request.digits = linear.digits;
        }
    }
    EncodeRequest(request);
    return request;
}

}  // namespace

std::vector<Symbology> CodeTypeList() {
    return ListOf([](Symbology id) { return IsEANUPC(id) && id != Symbology::ISBN13; });
}

std::vector<Symbology> MatrixTypeList() {
    return ListOf(IsMatrix2D);
}

Symbology CodeSymbology(std::string_view codeType, bool isbn) {
    const SymbologyInfo* info = FindSymbology(codeType);
    if (info == nullptr || !IsEANUPC(info->id)) return Symbology::UPCE;
    if (info->id == Symbology::EAN13 && isbn) return Symbology::ISBN13;
    return info->id;
}

SymbolRequest SymbolFromControls(const SymbolControls& controls, const SymbolRequest& fieldText) {
    SymbolRequest request;
    switch (controls.tab) {
        case SymbolTab::EANUPC:
            request.symbology = &SymbologyOf(CodeSymbology(controls.codeType, controls.isbn));
            request.digits = controls.codeDigits + controls.addOnDigits;
            request.addOnType = controls.addOnType;
            request.sizePercent = controls.codeSize;
            break;
        case SymbolTab::ITF14:
            request.symbology = &SymbologyOf(Symbology::ITF14);
            request.digits = controls.itfDigits;
            request.sizePercent = controls.itfSize;
            request.fullBorder = controls.fullBorder;
            break;
        case SymbolTab::UCCEAN128:
            request = fieldText;
            request.gSizePercent = controls.gSize;
            request.vSizePercent = controls.vSize;
            break;
        case SymbolTab::Matrix2D:
            request = MatrixRequest(controls);
            break;
    }
    return request;
}

}  // namespace quillmark
