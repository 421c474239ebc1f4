// PNG bytes of a QImage for the window's clipboard and office hand-over.
#pragma once

#include <QByteArray>
#include <QImage>

namespace quillmark {

// The image, converted to opaque RGB32 first when it has another format (any transparency is
// dropped), as the PNG bytes EncodePng makes of its pixels; empty when encoding failed.
QByteArray EncodePng(const QImage& image, double dotsPerMm);

}  // namespace quillmark
