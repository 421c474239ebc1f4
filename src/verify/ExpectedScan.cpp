// What a scanner must report for a symbol request: the data the symbol was drawn to carry.
#include "verify/ExpectedScan.h"

#include <algorithm>

#include "ai/FieldCharacters.h"

namespace quillmark {

std::string ExpectedGS1Data(std::string_view fieldText) {
    constexpr char kGS = 29;
    std::string out;
    for (const char ch : fieldText) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ' || c == '(' || c == ')') continue;
        if (c == kNotationFnc1) {
            if (!out.empty()) out += kGS;
        } else if (IsNotationControl(c)) {
            out += static_cast<char>(ControlOfNotation(c));
        } else if (c < 128) {
            out += ch;
        }
    }
    return out;
}

std::optional<ScanExpectation> ExpectedScanText(const SymbolRequest& request) {
    const SymbologyInfo* info = request.symbology;
    if (!info) return std::nullopt;
    ScanExpectation e;
    e.symbology = info->id;
    if (info->id == Symbology::UCCEAN128) {
        e.text = ExpectedGS1Data(request.fieldText);
        return e;
    }
    const std::string_view digits = request.digits;
    e.text = std::string(digits.substr(0, std::min(info->digitCount, digits.size())));
    if (info->takesAddOn && digits.size() > info->digitCount)
        e.addOn = std::string(digits.substr(info->digitCount, AddOnDigitCount(request.addOnType)));
    return e;
}

}  // namespace quillmark
