// The symbol drawn for the printer at the printer's resolution.
#include "output/PrintSymbol.h"

#include <QPainter>

namespace quillmark {

std::string PrintSymbol(QPrinter& printer, const SymbolRequest& symbol, const SymbolStyle& style) {
    // Without fullPage the painter's origin is the printable area's top-left corner.
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer)) return "the printer could not be started";
    const SymbolRenderer atPrinterScale =
        BindSymbol(symbol, printer.logicalDpiX() / 25.4, printer.logicalDpiY() / 25.4);
    const TRect bounds = MeasureSymbolBounds(atPrinterScale);
    if (bounds.Right <= bounds.Left || bounds.Bottom <= bounds.Top) {
        painter.end();
        return "the symbol has no area at the printer's resolution";
    }
    painter.translate(-bounds.Left, -bounds.Top);
    PaintSymbol(painter, atPrinterScale, style, bounds);
    if (!painter.end()) return "the printout could not be finished";
    return {};
}

}  // namespace quillmark
