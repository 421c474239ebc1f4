// Builds the symbol request from the window's controls, without the widgets.
#include "app/SymbolControls.h"

namespace quillmark {

std::vector<Symbology> CodeTypeList() {
    std::vector<Symbology> list;
    for (const SymbologyInfo& info : kSymbologies)
        if (IsEANUPC(info.id) && info.id != Symbology::ISBN13) list.push_back(info.id);
    return list;
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
    }
    return request;
}

}  // namespace quillmark
