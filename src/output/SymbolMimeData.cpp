// Clipboard data of a picture: image and PNG with its density.
#include "output/SymbolMimeData.h"

#include "output/ImagePng.h"
#include "output/PictureWriter.h"

namespace quillmark {

QMimeData* SymbolMimeData(const QImage& picture, double dotsPerMm) {
    auto* data = new QMimeData;
    QImage withDensity = picture;
    withDensity.setDotsPerMeterX(DotsPerMetre(dotsPerMm));
    withDensity.setDotsPerMeterY(DotsPerMetre(dotsPerMm));
    data->setImageData(withDensity);
    data->setData(QStringLiteral("image/png"), EncodePng(picture, dotsPerMm));
    return data;
}

}  // namespace quillmark
