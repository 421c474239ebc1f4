// Reading a symbol's picture back to check that it scans as the data it was made from.
#pragma once

#include <string>
#include <vector>

#include "check/SizeTableCheck.h"
#include "cli/PictureOutput.h"
#include "output/Result.h"
#include "raster/SymbolRaster.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

// Empty when picture decodes to exactly what symbol carries (main number and add-on, ITF-14
// digits, GS1 data with its separators); otherwise what was read and what was expected. Fails
// when the scan-back module cannot be loaded.
Result<std::string> VerifySymbolPicture(const PixelView& picture, const SymbolRequest& symbol);

// The same for a picture just made as drawn: a raster file (path given) is read back as written,
// a vector picture or one sent to standard output (path empty) is checked in the pixels drawn.
Result<std::string> VerifyWrittenPicture(const std::string& path, PictureFormat format,
                                         const Raster& drawn, const SymbolRequest& symbol);

// The GS1 and colour failures of symbol in style, one line each without a severity: a text that
// silently means other data, or colours a scanner cannot tell apart, are told on every run.
std::vector<std::string> FailureWarnings(const SymbolRequest& symbol, const SymbolStyle& style);

struct CheckLines {
    std::vector<std::string> lines;  // "<severity>: <text>", every check and finding
    bool failed = false;             // some check fails
};

// Every symbol check of symbol drawn with settings: the scan-back of the picture as it would be
// written, the colours, the GS1 data (UCC/EAN-128) and the module at the resolution. Also the
// symbol's size against the GS1 symbol size table of application. Fails when the scan-back module
// cannot be loaded.
Result<CheckLines> CheckSymbolLines(const SymbolRequest& symbol, const PictureSettings& settings,
                                    Application application = Application::GeneralDistribution);

}  // namespace quillmark
