// Draws a symbol as saving it would and hands the picture to a scan-back; needs no decoder itself,
// so the command line can take the decoder from its module.
#include "verify/ScanBack.h"

#include <algorithm>
#include <optional>
namespace quillmark {

namespace {

// The picture as saving it would draw it, with at most kScanRowsPerMm rows per millimetre;
// nullopt when none can be made.
std::optional<RasterPicture> ScanPicture(const SymbolRequest& request, double dotsPerMm,
                                         const SymbolStyle& style) {
    SymbolRequest encoded = request;
    EncodeRequest(encoded);
    RasterPicture picture =
        RenderSymbolRaster(encoded, dotsPerMm, std::min(dotsPerMm, kScanRowsPerMm), style);
    if (picture.problem != PictureProblem::None) return std::nullopt;
    return picture;
}

// Why nothing could be read: a 2D symbol whose data make none draws nothing at any resolution.
ScanResult Unread(const SymbolRequest& request) {
    SymbolRequest encoded = request;
    EncodeRequest(encoded);
    ScanResult r;
    const bool matrix = encoded.symbology != nullptr && IsMatrix2D(encoded.symbology->id);
    r.outcome = matrix && !encoded.matrix ? ScanOutcome::NoSymbol : ScanOutcome::NoPicture;
    return r;
}

}  // namespace

ScanResult ScanBackSymbol(const SymbolRequest& request, double dotsPerMm, const SymbolStyle& style,
                          ScanReader read) {
    const std::optional<ScanExpectation> expected = ExpectedScanText(request);
    if (!expected) return {};
    const std::optional<RasterPicture> picture = ScanPicture(request, dotsPerMm, style);
    if (!picture) return Unread(request);
    return read(picture->raster.View(), *expected);
}

std::vector<ScanResult> ScanBackSymbols(const SymbolRequest& request, double dotsPerMm,
                                        const SymbolStyle& style, ScanReader read) {
    const std::optional<RasterPicture> picture = ScanPicture(request, dotsPerMm, style);
    std::vector<ScanResult> results;
    for (const std::optional<ScanExpectation>& expected : ExpectedScans(request)) {
        if (!expected)
            results.emplace_back();
        else
            results.push_back(picture ? read(picture->raster.View(), *expected) : Unread(request));
    }
    return results;
}

}  // namespace quillmark
