// Paints a symbol into an image of its measured size and saves it atomically.
#include "cli/SymbolPicture.h"

#include <cerrno>
#include <cstring>

#include <QBuffer>
#include <QByteArray>
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

// The picture is encoded in memory first and then written in one piece, checking that every
// byte reached the disk before the old file is replaced: a write that fails part way (a full
// disk) must never leave a truncated picture in its place.
std::string SavePicture(const QImage& image, const QString& path, const char* format) {
    const auto failure = [&path](const QString& reason) {
        return ("cannot write \"" + path + "\": " + reason).toStdString();
    };
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return failure(writer.errorString());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failure(file.errorString());
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // Qt reports some write errors (a full disk, a file size limit) only as "Unknown error";
        // the system's own reason tells the user what to do.
        const int systemError = errno;
        const QString reason = systemError != 0 ? QString::fromLocal8Bit(std::strerror(systemError))
                                                : file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit()) return failure(file.errorString());
    return {};
}

}  // namespace quillmark
