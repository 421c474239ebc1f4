// The symbol's picture as clipboard data.
#pragma once

#include <QImage>
#include <QMimeData>

namespace quillmark {

// A new QMimeData (the caller or the clipboard owns it) with the picture as image data and as
// "image/png" bytes whose pHYs chunk records dotsPerMm, so that programs reading PNG from the
// clipboard paste it at physical size.
QMimeData* SymbolMimeData(const QImage& picture, double dotsPerMm);

}  // namespace quillmark
