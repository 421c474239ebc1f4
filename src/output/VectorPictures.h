// Vector pictures of a symbol at physical size: PDF through Qt (and SVG, made without Qt).
#pragma once

#include <QByteArray>

#include <string>

#include "canvas/SymbolImage.h"
#include "output/SvgPicture.h"

namespace quillmark {

// render is bound at dotsPerMm on both axes. A one-page PDF with the symbol at physical size. PDF
// pages made by Qt are whole points, so the page is the symbol's size rounded up to the next point
// (at most 0.36 mm more), the rest filled with the background colour. Empty when the symbol has no
// area.
QByteArray SymbolPdf(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm);

// Writes SymbolPdf atomically as SavePicture does.
Result<void> SavePdf(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm,
                     const std::string& path);

}  // namespace quillmark
