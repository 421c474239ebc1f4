// What a scanner must report for a symbol request: the data the symbol was drawn to carry.
#include "verify/ExpectedScan.h"

#include <algorithm>

#include "encoders/MatrixEncode.h"
#include "symbol/SymbolPair.h"

namespace quillmark {

std::string ExpectedGS1Data(std::string_view fieldText) {
    return GS1DataOfFieldText(fieldText);
}

std::optional<ScanExpectation> ExpectedScanText(const SymbolRequest& request) {
    const SymbologyInfo* info = request.symbology;
    if (!info) return std::nullopt;
    ScanExpectation e;
    e.symbology = info->id;
    if (info->id == Symbology::DigitalLinkQR) {
        e.text = request.linkUri;
        return e;
    }
    if (info->id == Symbology::UCCEAN128 || IsMatrix2D(info->id)) {
        e.text = ExpectedGS1Data(request.fieldText);
        return e;
    }
    const std::string_view digits = request.digits;
    e.text = std::string(digits.substr(0, std::min(info->digitCount, digits.size())));
    if (info->takesAddOn && digits.size() > info->digitCount)
        e.addOn = std::string(digits.substr(info->digitCount, AddOnDigitCount(request.addOnType)));
    return e;
}

std::vector<std::optional<ScanExpectation>> ExpectedScans(const SymbolRequest& request) {
    const std::vector<SymbolRequest> symbols = SymbolsOf(request);
    const std::vector<SymbolArea> areas = SymbolAreas(request);
    std::vector<std::optional<ScanExpectation>> expected;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        expected.push_back(ExpectedScanText(symbols[i]));
        if (expected.back()) {
            ScanExpectation& e = *expected.back();
            e.areaLeft = areas[i].left;
            e.areaTop = areas[i].top;
            e.areaRight = areas[i].right;
            e.areaBottom = areas[i].bottom;
        }
    }
    return expected;
}

}  // namespace quillmark
