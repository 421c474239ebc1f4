// SVG through the recording canvas at the raster picture's grid.
#include "output/SvgPicture.h"

#include "output/AtomicFile.h"
#include "output/SvgCanvas.h"

namespace quillmark {

std::string SymbolSvg(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm) {
    const TRect bounds = MeasureSymbolBounds(render);
    if (bounds.Right <= bounds.Left || bounds.Bottom <= bounds.Top || !(dotsPerMm > 0)) return {};
    SvgCanvas canvas;
    ApplySymbolStyle(canvas, style);
    canvas.FillRect(bounds);
    TRect drawn;
    render(&canvas, 0.0, 0.0, drawn);
    return canvas.Document(bounds, dotsPerMm);
}

std::string SaveSvg(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm,
                    const std::string& path) {
    const std::string svg = SymbolSvg(render, style, dotsPerMm);
    if (svg.empty()) return CannotWrite(path, "the symbol has no area");
    return WriteFileAtomically(path, svg);
}

}  // namespace quillmark
