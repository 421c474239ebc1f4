// BMP rows from the image's scan lines, PNG through Qt with its density, and the format by name.
#include "output/PictureWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "output/AtomicFile.h"

namespace quillmark {
namespace {

// Pictures are made as RGB32; anything else is converted once (the one extra copy allowed).
QImage AsRgb32(const QImage& image) {
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

void PutLE16(std::vector<char>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void PutLE32(std::vector<char>& out, std::size_t at, std::uint32_t v) {
    PutLE16(out, at, v & 0xFFFF);
    PutLE16(out, at + 2, v >> 16);
}

// BITMAPFILEHEADER and BITMAPINFOHEADER of a bottom-up 24-bit picture without compression.
std::vector<char> BmpHeader(int width, int height, std::uint32_t imageBytes, int dotsPerMetre) {
    constexpr std::uint32_t kHeaderBytes = 14 + 40;
    std::vector<char> header(kHeaderBytes, 0);
    header[0] = 'B';
    header[1] = 'M';
    PutLE32(header, 2, kHeaderBytes + imageBytes);
    PutLE32(header, 10, kHeaderBytes);
    PutLE32(header, 14, 40);
    PutLE32(header, 18, static_cast<std::uint32_t>(width));
    PutLE32(header, 22, static_cast<std::uint32_t>(height));
    PutLE16(header, 26, 1);   // planes
    PutLE16(header, 28, 24);  // bits per pixel
    PutLE32(header, 34, imageBytes);
    PutLE32(header, 38, static_cast<std::uint32_t>(dotsPerMetre));
    PutLE32(header, 42, static_cast<std::uint32_t>(dotsPerMetre));
    return header;
}

// Qt's BMP writer would take the density only from a copy of the picture (setting it detaches a
// shared image) and reports write errors without the system's reason; the format is simple
// enough to write here. Rows go out in batches of about a megabyte: no second full-size copy.
void WriteBmp(const QImage& image, double dotsPerMm, AtomicFile& file) {
    const QImage rgb = AsRgb32(image);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * 3 + 3) & ~3ULL;
    const std::uint64_t imageBytes = rowBytes * static_cast<std::uint64_t>(height);
    if (imageBytes + 54 > 0xFFFFFFFFULL) {
        file.Fail(QStringLiteral("the picture is too large for a BMP file"));
        return;
    }
    const std::vector<char> header =
        BmpHeader(width, height, static_cast<std::uint32_t>(imageBytes), DotsPerMetre(dotsPerMm));
    if (!file.Write(header.data(), static_cast<qint64>(header.size()))) return;

    const std::size_t rowsPerBatch = std::max<std::size_t>(1, (1u << 20) / rowBytes);
    std::vector<char> batch(rowsPerBatch * rowBytes, 0);
    std::size_t filled = 0;
    for (int y = height - 1; y >= 0; --y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        char* out = batch.data() + filled * rowBytes;
        for (int x = 0; x < width; ++x) {
            *out++ = static_cast<char>(qBlue(pixels[x]));
            *out++ = static_cast<char>(qGreen(pixels[x]));
            *out++ = static_cast<char>(qRed(pixels[x]));
        }
        if (++filled == rowsPerBatch || y == 0) {
            if (!file.Write(batch.data(), static_cast<qint64>(filled * rowBytes))) return;
            filled = 0;
        }
    }
}

}  // namespace

int DotsPerMetre(double dotsPerMm) {
    return static_cast<int>(std::clamp(std::lround(dotsPerMm * 1000.0), 1L, 1L << 30));
}

int DotsPerCentimetre(double dotsPerMm) {
    return static_cast<int>(std::clamp(std::lround(dotsPerMm * 10.0), 1L, 65535L));
}

const char* PictureFormatForPath(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == QLatin1String("bmp")) return "BMP";
    if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg")) return "JPEG";
    if (extension == QLatin1String("png")) return "PNG";
    return nullptr;
}

QByteArray EncodePng(const QImage& image, double dotsPerMm) {
    QImage withDensity = image;
    withDensity.setDotsPerMeterX(DotsPerMetre(dotsPerMm));
    withDensity.setDotsPerMeterY(DotsPerMetre(dotsPerMm));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(withDensity)) return {};
    return bytes;
}

std::string SavePicture(const QImage& image, const QString& path, const char* format,
                        double dotsPerMm) {
    const QByteArray name = QByteArray(format ? format : "").toUpper();
    if (name != "BMP" && name != "JPEG" && name != "JPG" && name != "PNG")
        return CannotWrite(
            path, QStringLiteral("unknown picture format \"%1\"").arg(QString::fromLatin1(name)));
    if (image.isNull()) return CannotWrite(path, QStringLiteral("there is no picture"));
    // Encoded before the file is opened: an encoder's failure must not touch the target.
    QByteArray encoded;
    if (name == "PNG") {
        encoded = EncodePng(image, dotsPerMm);
        if (encoded.isEmpty()) return CannotWrite(path, QStringLiteral("PNG encoding failed"));
    } else if (name != "BMP") {
        if (const std::string error = EncodeJpeg(image, dotsPerMm, encoded); !error.empty())
            return CannotWrite(path, QString::fromStdString(error));
    }
    AtomicFile file(path);
    if (name == "BMP")
        WriteBmp(image, dotsPerMm, file);
    else
        file.Write(encoded);
    return file.Commit();
}

}  // namespace quillmark
