// Words the scan-back's outcome for the command line.
#include "cli/Verification.h"

#include "cli/SymbolInput.h"
#include "verify/ScanBack.h"

namespace quillmark {
namespace {

std::string Described(const std::string& text, const std::string& addOn) {
    return Quoted(text) + (addOn.empty() ? "" : " with add-on " + Quoted(addOn));
}

}  // namespace

std::string VerifySymbolPicture(const QImage& picture, const SymbolRequest& symbol) {
    const std::optional<ScanExpectation> expected = ExpectedScanText(symbol);
    if (!expected) return "its type cannot be read back";
    if (picture.isNull()) return "the picture cannot be read";
    const ScanResult read = ScanBack(picture, *expected);
    const std::string wanted = Described(expected->text, expected->addOn);
    switch (read.outcome) {
        case ScanOutcome::Read:
            return {};
        case ScanOutcome::NothingRead:
            return "no symbol could be read; expected " + wanted;
        case ScanOutcome::ReadOther:
            break;
    }
    if (expected->symbology == Symbology::UCCEAN128 && read.symbologyIdentifier != "]C1")
        return "read " + Quoted(read.text) + " as plain Code 128, not GS1; expected " + wanted;
    return "read " + Described(read.text, read.addOn) + "; expected " + wanted;
}

}  // namespace quillmark
