// A QImage's pixels handed to the Qt-free PNG encoder.
#include "output/ImagePng.h"

#include "canvas/SymbolImage.h"
#include "output/PictureWriter.h"

namespace quillmark {

QByteArray EncodePng(const QImage& image, double dotsPerMm) {
    if (image.isNull()) return {};
    const QImage rgb32 = image.format() == QImage::Format_RGB32
                             ? image
                             : image.convertToFormat(QImage::Format_RGB32);
    return QByteArray::fromStdString(EncodePng(ViewOf(rgb32), dotsPerMm).value_or({}));
}

}  // namespace quillmark
