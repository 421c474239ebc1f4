// Look-ups in the table of symbologies.
#include "symbol/Symbology.h"

namespace quillmark {

const SymbologyInfo* FindSymbology(std::string_view name) {
    for (const SymbologyInfo& info : kSymbologies)
        if (info.name == name) return &info;
    return nullptr;
}

const SymbologyInfo& SymbologyOf(Symbology id) {
    for (const SymbologyInfo& info : kSymbologies)
        if (info.id == id) return info;
    return kSymbologies.front();
}

bool IsEANUPC(Symbology id) {
    return id != Symbology::ITF14 && id != Symbology::UCCEAN128 && !IsMatrix2D(id);
}

bool IsMatrix2D(Symbology id) {
    return id == Symbology::GS1DataMatrix || id == Symbology::GS1QR ||
           id == Symbology::DigitalLinkQR;
}

std::string_view GS1SymbologyIdentifier(Symbology id) {
    return SymbologyOf(id).gs1Identifier;
}

std::size_t AddOnDigitCount(std::string_view addOnType) {
    if (addOnType == "2-Digit") return 2;
    if (addOnType == "5-Digit") return 5;
    return 0;
}

}  // namespace quillmark
