// SVG pictures of a symbol at physical size, made and written without Qt.
#pragma once

#include <string>

#include "output/Result.h"
#include "raster/SymbolRaster.h"

namespace quillmark {

// render is bound at dotsPerMm on both axes; the SVG keeps the geometry of the raster picture at
// that density (the same pixel grid), scaled to the symbol's physical size: width and height in
// millimetres ("45.23mm"), viewBox in pixels, one rectangle per dark run, texts as text. Fails
// when the symbol has no area.
Result<std::string> SymbolSvg(const SymbolRenderer& render, const SymbolStyle& style,
                              double dotsPerMm);

// Writes SymbolSvg atomically as SavePicture does.
Result<void> SaveSvg(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm,
                     const std::string& path);

}  // namespace quillmark
