// SVG through the recording canvas at the raster picture's grid.
#include "output/SvgPicture.h"

#include "output/AtomicFile.h"
#include "output/SvgCanvas.h"

namespace quillmark {

Result<std::string> SymbolSvg(const SymbolRenderer& render, const SymbolStyle& style,
                              double dotsPerMm) {
    const TRect bounds = MeasureSymbolBounds(render);
    if (bounds.Right <= bounds.Left || bounds.Bottom <= bounds.Top || !(dotsPerMm > 0))
        return Failure{"the symbol has no area"};
    SvgCanvas canvas;
    ApplySymbolStyle(canvas, style);
    canvas.FillRect(bounds);
    TRect drawn;
    render(&canvas, 0.0, 0.0, drawn);
    return canvas.Document(bounds, dotsPerMm);
}

Result<void> SaveSvg(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm,
                     const std::string& path) {
    const Result<std::string> svg = SymbolSvg(render, style, dotsPerMm);
    if (!svg) return Failure{CannotWrite(path, svg.error())};
    return WriteFileAtomically(path, *svg);
}

}  // namespace quillmark
