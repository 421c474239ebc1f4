// Draws a symbol once and hands it to the outputs library's writer for its format.
#include "cli/PictureOutput.h"

#include <QFile>
#include <QList>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cctype>

#include "output/PictureWriter.h"
#include "output/VectorPictures.h"

namespace quillmark {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const char* RasterName(PictureFormat format) {
    switch (format) {
        case PictureFormat::BMP:
            return "BMP";
        case PictureFormat::JPEG:
            return "JPEG";
        default:
            return "PNG";
    }
}

std::string PictureProblemText(const SymbolPicture& picture) {
    const TRect& extent = picture.extent;
    const std::string size =
        std::to_string(static_cast<long long>(extent.Right) - extent.Left) + " x " +
        std::to_string(static_cast<long long>(extent.Bottom) - extent.Top) + " pixels";
    switch (picture.problem) {
        case PictureProblem::NoArea:
            return "the symbol cannot be laid out at this scale (" + size + ")";
        case PictureProblem::SideTooLong:
            return "the picture would be " + size + "; at most " +
                   std::to_string(kMaxSymbolImageSide) + " pixels a side are supported";
        case PictureProblem::TooManyPixels:
            return "the picture would be " + size + "; at most " +
                   std::to_string(kMaxSymbolImagePixels) + " pixels in all are supported";
        case PictureProblem::OutOfMemory:
            return "the picture of " + size + " could not be made (out of memory)";
        case PictureProblem::None:
            break;
    }
    return {};
}

SymbolRenderer RendererOf(const SymbolRequest& symbol, double dotsPerMm) {
    return [&symbol, dotsPerMm](TCanvas* canvas, double offsetX, double offsetY, TRect& bounds) {
        RenderSymbol(symbol, canvas, offsetX, offsetY, dotsPerMm, dotsPerMm, bounds);
    };
}

// Draws the raster picture every format starts from; error set when it cannot be made.
PictureResult Draw(const SymbolRequest& symbol, const PictureSettings& settings) {
    SymbolPicture picture =
        RenderSymbolPicture(symbol, settings.dotsPerMm, settings.dotsPerMm, settings.style);
    if (picture.problem != PictureProblem::None) return {PictureProblemText(picture), {}};
    return {{}, std::move(picture.image)};
}

// The same pixels in the cheapest form to compress: a palette picture of up to 256 colours is a
// third of the data of RGB and skips the PNG filter search, which is most of a symbol's cost. A
// symbol is runs of few colours (bars, background and the grey levels of the text's edges), so
// one pass builds it, looking each new colour up in a small hash table; a picture of more colours
// stays as it is.
QImage ForPng(const QImage& image) {
    if (image.format() != QImage::Format_RGB32) return image;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull()) return image;
    constexpr int kSlots = 1024;    // a power of two, well above 256 colours
    std::array<int, kSlots> table;  // index into colours, or -1
    table.fill(-1);
    QList<QRgb> colours;
    const auto indexOf = [&](QRgb colour) -> int {
        for (unsigned slot = (colour * 2654435761u) >> 22;; slot = (slot + 1) & (kSlots - 1)) {
            if (table[slot] < 0) {
                if (colours.size() == 256) return -1;
                table[slot] = static_cast<int>(colours.size());
                colours.push_back(colour);
                return table[slot];
            }
            if (colours[table[slot]] == colour) return table[slot];
        }
    };
    const int width = image.width();
    const int height = image.height();
    QRgb last = 0;
    int lastIndex = -1;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (line[x] != last || lastIndex < 0) {
                last = line[x];
                lastIndex = indexOf(last);
                if (lastIndex < 0) return image;
            }
            out[x] = static_cast<uchar>(lastIndex);
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

}  // namespace

std::optional<PictureFormat> FormatByName(const std::string& name) {
    const std::string lower = Lower(name);
    if (lower == "png") return PictureFormat::PNG;
    if (lower == "bmp") return PictureFormat::BMP;
    if (lower == "jpg" || lower == "jpeg") return PictureFormat::JPEG;
    if (lower == "svg") return PictureFormat::SVG;
    if (lower == "pdf") return PictureFormat::PDF;
    return std::nullopt;
}

std::optional<PictureFormat> FormatForPath(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    return FormatByName(path.substr(dot + 1));
}

PictureResult WriteSymbolPicture(const SymbolRequest& symbol, const PictureSettings& settings,
                                 PictureFormat format, const QString& path) {
    PictureResult result = Draw(symbol, settings);
    if (!result.error.empty()) return result;
    if (format == PictureFormat::SVG)
        result.error = SaveSvg(RendererOf(symbol, settings.dotsPerMm), settings.style,
                               settings.dotsPerMm, path);
    else if (format == PictureFormat::PDF)
        result.error = SavePdf(RendererOf(symbol, settings.dotsPerMm), settings.style,
                               settings.dotsPerMm, path);
    else
        result.error =
            SavePicture(format == PictureFormat::PNG ? ForPng(result.raster) : result.raster, path,
                        RasterName(format), settings.dotsPerMm);
    return result;
}

PictureResult EncodeSymbolPicture(const SymbolRequest& symbol, const PictureSettings& settings,
                                  PictureFormat format, QByteArray& bytes) {
    PictureResult result = Draw(symbol, settings);
    if (!result.error.empty()) return result;
    const double dpmm = settings.dotsPerMm;
    switch (format) {
        case PictureFormat::PNG:
            bytes = EncodePng(ForPng(result.raster), dpmm);
            break;
        case PictureFormat::JPEG:
            result.error = EncodeJpeg(result.raster, dpmm, bytes);
            break;
        case PictureFormat::SVG:
            bytes = SymbolSvg(RendererOf(symbol, dpmm), settings.style, dpmm);
            break;
        case PictureFormat::PDF:
            bytes = SymbolPdf(RendererOf(symbol, dpmm), settings.style, dpmm);
            break;
        case PictureFormat::BMP: {
            // The BMP writer writes files only; a private temporary one keeps it the one writer.
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("symbol.bmp"));
            result.error = dir.isValid() ? SavePicture(result.raster, path, "BMP", dpmm)
                                         : "cannot make a temporary folder for the BMP picture";
            QFile file(path);
            if (result.error.empty() && file.open(QIODevice::ReadOnly)) bytes = file.readAll();
            break;
        }
    }
    if (result.error.empty() && bytes.isEmpty()) result.error = "the picture could not be encoded";
    return result;
}

}  // namespace quillmark
