// Printing one symbol at physical size.
#pragma once

#include <QPrinter>

#include <string>

#include "canvas/SymbolImage.h"

namespace quillmark {

// Prints the symbol on one page at physical size: rendered at the printer's own resolution per
// axis (its dots per millimetre), at the top-left corner of the printable area, never fitted to
// the page. Empty on success; otherwise why nothing was printed.
std::string PrintSymbol(QPrinter& printer, const SymbolRequest& symbol, const SymbolStyle& style);

}  // namespace quillmark
