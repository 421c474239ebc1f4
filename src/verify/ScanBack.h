// Reads a symbol's picture back as a scanner would and compares it with the data intended.
#pragma once

#include <vector>

#include "check/ScanReading.h"
#include "raster/SymbolRaster.h"
#include "verify/ExpectedScan.h"

namespace quillmark {

// Decodes picture with ZXing-C++, looking for the expected symbology only, and compares. The
// picture is seen in red light, as scanners light a symbol: its red channel is the brightness, so
// lines that only look dark do not read. A white border is added around it. A symbol with an
// add-on reads only with the add-on; a UCC/EAN-128 symbol only as GS1 ("]C1").
ScanResult ScanBack(const PixelView& picture, const ScanExpectation& expected);

// A reader of pictures: ScanBack, or the command line's, which takes it from a module.
using ScanReader = ScanResult (*)(const PixelView& picture, const ScanExpectation& expected);

// Every row through a symbol's bars is the same, and the columns of a picture depend on its
// horizontal resolution only; so the scan-back draws at most this many rows per millimetre.
inline constexpr double kScanRowsPerMm = 8.0;

// Draws request at dotsPerMm across in style, as saving it would, and reads it back with
// ScanBack. The picture has the columns of the saved one but at most kScanRowsPerMm rows per
// millimetre, which keeps pictures for printers of 100 dots per millimetre small.
ScanResult ScanBackSymbol(const SymbolRequest& request, double dotsPerMm,
                          const SymbolStyle& style = {}, ScanReader read = ScanBack);

// The same for each symbol of the picture (SymbolsOf): a pair is drawn once and read back for its
// linear symbol and for its 2D symbol, in that order. A symbol nothing is expected of reads as
// nothing read.
std::vector<ScanResult> ScanBackSymbols(const SymbolRequest& request, double dotsPerMm,
                                        const SymbolStyle& style = {}, ScanReader read = ScanBack);

}  // namespace quillmark
