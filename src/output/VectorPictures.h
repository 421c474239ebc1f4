// Vector pictures of a symbol at physical size: PDF through Qt (and SVG, made without Qt).
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <functional>
#include <string>

#include "canvas/SymbolImage.h"
#include "output/SvgPicture.h"

namespace quillmark {

// Draws the pages of a PDF on painter, begun on device; false when they could not be drawn.
using PdfPaint = std::function<bool(QPainter& painter, QPagedPaintDevice& device)>;

// A PDF at 1,200 dots per inch whose first page has layout, drawn by paint (which starts any
// further pages on the device); empty when it could not be made.
QByteArray PdfOfPages(const QPageLayout& layout, const PdfPaint& paint);

// render is bound at dotsPerMm on both axes. A one-page PDF with the symbol at physical size. PDF
// pages made by Qt are whole points, so the page is the symbol's size rounded up to the next point
// (at most 0.36 mm more), the rest filled with the background colour. Empty when the symbol has no
// area.
QByteArray SymbolPdf(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm);

// Writes SymbolPdf atomically as SavePicture does.
Result<void> SavePdf(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm,
                     const std::string& path);

}  // namespace quillmark
