// The PDF module's one entry: quillmark-render links no Qt, so PDF pictures (QPdfWriter) are made
// by a module it loads only when a PDF is asked for.
#pragma once

#include <string>

#include "raster/SymbolRaster.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

// The module's file name and its entry's symbol.
inline constexpr char kPdfModuleFile[] = "quillmark-pdf.so";
inline constexpr char kSymbolPdfEntry[] = "quillmark_symbol_pdf";

// Makes the PDF of request (encoded) drawn at dotsPerMm (with wholeDots, a whole number of dots
// per module) in style into pdf; false when it could not be made. Starts Qt's GUI application,
// on the offscreen platform unless the user named one, when the process has none. A null request
// only starts it: the loader calls it so on the main thread before any other thread makes a PDF.
using SymbolPdfEntry = bool (*)(const SymbolRequest* request, const SymbolStyle* style,
                                double dotsPerMm, bool wholeDots, std::string* pdf);

}  // namespace quillmark
