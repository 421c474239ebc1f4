// Vector pictures of a symbol at physical size: SVG and PDF.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

#include "canvas/SymbolImage.h"

namespace quillmark {

// render is bound at dotsPerMm on both axes; the vector picture keeps the geometry of the raster
// picture at that density (the same pixel grid), scaled to the symbol's physical size.

// An SVG document: width and height in millimetres ("45.23mm"), viewBox in pixels, one
// rectangle per dark run, texts as text. Empty when the symbol has no area.
QByteArray SymbolSvg(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm);

// A one-page PDF with the symbol at physical size. PDF pages made by Qt are whole points, so the
// page is the symbol's size rounded up to the next point (at most 0.36 mm more), the rest filled
// with the background colour. Empty when the symbol has no area.
QByteArray SymbolPdf(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm);

// Writes SymbolSvg / SymbolPdf atomically as SavePicture does; empty on success, else the message.
std::string SaveSvg(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm,
                    const QString& path);
std::string SavePdf(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm,
                    const QString& path);

}  // namespace quillmark
