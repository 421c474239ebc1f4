// Paints a symbol into an image of its measured size and saves it atomically.
#include "cli/SymbolPicture.h"

#include <QImageWriter>
#include <QSaveFile>

#include "canvas/SymbolImage.h"

namespace quillmark {

TRect MeasureSymbol(const SymbolSpec& spec, double scaleX, double scaleY) {
    TRect extent;
    RenderSymbol(spec, nullptr, 0, 0, scaleX, scaleY, extent);
    return extent;
}

std::string PictureSizeProblem(const TRect& extent) {
    const long long width = static_cast<long long>(extent.Right) - extent.Left;
    const long long height = static_cast<long long>(extent.Bottom) - extent.Top;
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width <= 0 || height <= 0)
        return "the symbol cannot be laid out at this scale (" + size + ")";
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        return "the picture would be " + size + "; at most " + std::to_string(kMaxPictureSide) +
               " pixels a side are supported";
    if (width * height > kMaxPicturePixels)
        return "the picture would be " + size + "; at most " + std::to_string(kMaxPicturePixels) +
               " pixels in all are supported";
    return {};
}

QImage PaintSymbolImage(const SymbolSpec& spec, double scaleX, double scaleY) {
    return RenderSymbolImage([&](TCanvas* canvas, double offsetX, double offsetY, TRect& bounds) {
        RenderSymbol(spec, canvas, offsetX, offsetY, scaleX, scaleY, bounds);
    });
}

std::string SavePicture(const QImage& image, const QString& path, const char* format) {
    const auto failure = [&path](const QString& reason) {
        return ("cannot write \"" + path + "\": " + reason).toStdString();
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failure(file.errorString());
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit()) return failure(file.errorString());
    return {};
}

}  // namespace quillmark
