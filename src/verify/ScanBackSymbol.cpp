// Draws a symbol as saving it would and hands the picture to a scan-back; needs no decoder itself,
// so the command line can take the decoder from its module.
#include "verify/ScanBack.h"

#include <algorithm>
#include <optional>

namespace quillmark {

ScanResult ScanBackSymbol(const SymbolRequest& request, double dotsPerMm, const SymbolStyle& style,
                          ScanReader read) {
    const std::optional<ScanExpectation> expected = ExpectedScanText(request);
    if (!expected) return {};
    SymbolRequest encoded = request;
    EncodeRequest(encoded);
    const RasterPicture picture =
        RenderSymbolRaster(encoded, dotsPerMm, std::min(dotsPerMm, kScanRowsPerMm), style);
    if (picture.problem != PictureProblem::None) {
        ScanResult r;
        r.outcome = ScanOutcome::NoPicture;
        return r;
    }
    return read(picture.raster.View(), *expected);
}

}  // namespace quillmark
