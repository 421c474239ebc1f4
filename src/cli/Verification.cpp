// Reads the picture back with the scan-back and words a failure as the symbol checks do.
#include "cli/Verification.h"

#include "cli/CheckWording.h"
#include "verify/ScanBack.h"

namespace quillmark {

std::string VerifySymbolPicture(const QImage& picture, const SymbolRequest& symbol) {
    const std::optional<ScanExpectation> expected = ExpectedScanText(symbol);
    if (!expected) return "its type cannot be read back";
    if (picture.isNull()) return "the picture cannot be read";
    const ScanResult read = ScanBack(picture, *expected);
    if (read.outcome == ScanOutcome::Read) return {};
    std::string wanted = ScanDataWord(expected->text, expected->symbology == Symbology::UCCEAN128);
    if (!expected->addOn.empty()) wanted += " + " + expected->addOn;
    return DescribeScan(read, *expected) + " (expected " + wanted + ")";
}

}  // namespace quillmark
