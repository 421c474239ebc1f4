// PNG written with zlib: a palette when the picture has few colours, rows repeated from the one
// above stored as zeros, and the true density in pHYs.
#include <zlib.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "output/PictureWriter.h"

namespace quillmark {
namespace {

// PNG colour types and row filters used here.
enum ColourType : std::uint8_t { kGrey = 0, kRgb = 2, kPalette = 3, kRgba = 6 };
enum Filter : std::uint8_t { kNoFilter = 0, kUpFilter = 2 };

void PutBE32(QByteArray& out, std::uint32_t v) {
    const char bytes[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                           static_cast<char>(v >> 8), static_cast<char>(v)};
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    PutBE32(out, static_cast<std::uint32_t>(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* crcBytes = reinterpret_cast<const Bytef*>(out.constData() + start);
    PutBE32(out, static_cast<std::uint32_t>(
                     crc32(crc32(0, nullptr, 0), crcBytes, static_cast<uInt>(out.size() - start))));
}

// The image data stream. Symbols are long runs (bars, margins) and rows repeated from the one
// above (stored as zeros by the "up" filter); run-length matching finds all of it at a small part
// of the cost of the default search, which was most of the time of writing a symbol.
class Deflater {
public:
    Deflater() { ok_ = deflateInit2(&stream_, 6, Z_DEFLATED, 15, 8, Z_RLE) == Z_OK; }
    ~Deflater() { deflateEnd(&stream_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // One row: its filter byte, then its bytes (already filtered).
    void AddRow(Filter filter, const std::uint8_t* row, std::size_t size) {
        const std::uint8_t filterByte = filter;
        Feed(&filterByte, 1, Z_NO_FLUSH);
        Feed(row, size, Z_NO_FLUSH);
    }
    // The compressed stream; empty when zlib failed.
    QByteArray Finish() {
        Feed(nullptr, 0, Z_FINISH);
        return ok_ ? out_ : QByteArray();
    }

private:
    void Feed(const std::uint8_t* data, std::size_t size, int flush) {
        if (!ok_) return;
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = static_cast<uInt>(size);
        std::array<Bytef, 1 << 15> chunk;
        int status = Z_OK;
        do {
            stream_.next_out = chunk.data();
            stream_.avail_out = static_cast<uInt>(chunk.size());
            status = deflate(&stream_, flush);
            if (status == Z_STREAM_ERROR) {
                ok_ = false;
                return;
            }
            out_.append(reinterpret_cast<const char*>(chunk.data()),
                        static_cast<qsizetype>(chunk.size() - stream_.avail_out));
        } while (stream_.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
    }

    z_stream stream_{};
    bool ok_ = false;
    QByteArray out_;
};

// Palette indices by colour: open addressing in a table four times the palette's size.
class PaletteIndex {
public:
    PaletteIndex() { slots_.fill(-1); }
    // The colour's index, added when new; -1 when the palette is full.
    int IndexOf(QRgb colour) {
        for (unsigned slot = (colour * 2654435761u) >> 22;; slot = (slot + 1) & (kSlots - 1)) {
            if (slots_[slot] < 0) {
                if (colours_.size() == 256) return -1;
                slots_[slot] = static_cast<int>(colours_.size());
                colours_.push_back(colour);
                return slots_[slot];
            }
            if (colours_[static_cast<std::size_t>(slots_[slot])] == colour) return slots_[slot];
        }
    }
    const std::vector<QRgb>& Colours() const { return colours_; }

private:
    static constexpr unsigned kSlots = 1024;
    std::array<int, kSlots> slots_;
    std::vector<QRgb> colours_;
};

struct Encoded {
    ColourType type = kRgb;
    std::vector<QRgb> palette;
    QByteArray idat;
};

// Rows of the image (all of the same byte width) into the data stream: a row equal to the one
// above goes as zeros under the "up" filter, any other row unfiltered. convert turns source row y
// into PNG bytes; it returns false to give up (the palette overflowed).
template <typename Convert>
bool DeflateRows(const QImage& image, std::size_t sourceBytes, std::size_t rowBytes,
                 Convert convert, QByteArray& idat) {
    Deflater deflater;
    std::vector<std::uint8_t> row(rowBytes), zeros(rowBytes, 0);
    for (int y = 0; y < image.height(); ++y) {
        if (y > 0 &&
            std::memcmp(image.constScanLine(y), image.constScanLine(y - 1), sourceBytes) == 0) {
            deflater.AddRow(kUpFilter, zeros.data(), rowBytes);
            continue;
        }
        if (!convert(y, row.data())) return false;
        deflater.AddRow(kNoFilter, row.data(), rowBytes);
    }
    idat = deflater.Finish();
    return !idat.isEmpty();
}

// An opaque RGB32 picture: a palette when it has at most 256 colours, else 8-bit RGB.
Encoded EncodeRgb32(const QImage& image) {
    const auto width = static_cast<std::size_t>(image.width());
    Encoded result;
    PaletteIndex index;
    const auto toIndices = [&](int y, std::uint8_t* out) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRgb last = line[0];
        int lastIndex = index.IndexOf(last);
        for (std::size_t x = 0; x < width; ++x) {
            if (line[x] != last) {
                last = line[x];
                lastIndex = index.IndexOf(last);
            }
            if (lastIndex < 0) return false;
            out[x] = static_cast<std::uint8_t>(lastIndex);
        }
        return true;
    };
    if (DeflateRows(image, width * 4, width, toIndices, result.idat)) {
        result.type = kPalette;
        result.palette = index.Colours();
        return result;
    }
    const auto toRgb = [&](int y, std::uint8_t* out) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (std::size_t x = 0; x < width; ++x) {
            *out++ = static_cast<std::uint8_t>(qRed(line[x]));
            *out++ = static_cast<std::uint8_t>(qGreen(line[x]));
            *out++ = static_cast<std::uint8_t>(qBlue(line[x]));
        }
        return true;
    };
    result.type = kRgb;
    if (!DeflateRows(image, width * 4, width * 3, toRgb, result.idat)) result.idat.clear();
    return result;
}

// An image whose rows are already PNG bytes (palette indices or grey levels).
Encoded EncodeBytes(const QImage& image, ColourType type) {
    const auto width = static_cast<std::size_t>(image.width());
    Encoded result;
    result.type = type;
    if (type == kPalette)
        for (const QRgb colour : image.colorTable()) result.palette.push_back(colour);
    const auto copy = [&](int y, std::uint8_t* out) {
        std::memcpy(out, image.constScanLine(y), width);
        return true;
    };
    if (!DeflateRows(image, width, width, copy, result.idat)) result.idat.clear();
    return result;
}

// A picture with transparency, as 8-bit RGBA without premultiplication.
Encoded EncodeRgba(const QImage& image) {
    const auto width = static_cast<std::size_t>(image.width());
    Encoded result;
    result.type = kRgba;
    const auto toRgba = [&](int y, std::uint8_t* out) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (std::size_t x = 0; x < width; ++x) {
            *out++ = static_cast<std::uint8_t>(qRed(line[x]));
            *out++ = static_cast<std::uint8_t>(qGreen(line[x]));
            *out++ = static_cast<std::uint8_t>(qBlue(line[x]));
            *out++ = static_cast<std::uint8_t>(qAlpha(line[x]));
        }
        return true;
    };
    if (!DeflateRows(image, width * 4, width * 4, toRgba, result.idat)) result.idat.clear();
    return result;
}

Encoded EncodeAny(const QImage& image) {
    switch (image.format()) {
        case QImage::Format_RGB32:
            return EncodeRgb32(image);
        case QImage::Format_Indexed8:
            if (!image.colorTable().isEmpty() && image.colorTable().size() <= 256)
                return EncodeBytes(image, kPalette);
            break;
        case QImage::Format_Grayscale8:
            return EncodeBytes(image, kGrey);
        default:
            break;
    }
    if (image.hasAlphaChannel()) return EncodeRgba(image.convertToFormat(QImage::Format_ARGB32));
    return EncodeRgb32(image.convertToFormat(QImage::Format_RGB32));
}

QByteArray Header(const QImage& image, const Encoded& encoded) {
    QByteArray header;
    PutBE32(header, static_cast<std::uint32_t>(image.width()));
    PutBE32(header, static_cast<std::uint32_t>(image.height()));
    header.append(char(8));  // bits per sample (or per index)
    header.append(static_cast<char>(encoded.type));
    header.append(3, char(0));  // deflate, adaptive filtering, no interlace
    return header;
}

// PLTE, and tRNS when a palette colour is not opaque.
void AppendPalette(QByteArray& png, const std::vector<QRgb>& palette) {
    QByteArray colours, alphas;
    bool translucent = false;
    for (const QRgb colour : palette) {
        colours.append(static_cast<char>(qRed(colour)));
        colours.append(static_cast<char>(qGreen(colour)));
        colours.append(static_cast<char>(qBlue(colour)));
        alphas.append(static_cast<char>(qAlpha(colour)));
        translucent = translucent || qAlpha(colour) != 255;
    }
    AppendChunk(png, "PLTE", colours);
    if (translucent) AppendChunk(png, "tRNS", alphas);
}

}  // namespace

QByteArray EncodePng(const QImage& image, double dotsPerMm) {
    if (image.isNull()) return {};
    const Encoded encoded = EncodeAny(image);
    if (encoded.idat.isEmpty()) return {};
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    AppendChunk(png, "IHDR", Header(image, encoded));
    if (encoded.type == kPalette) AppendPalette(png, encoded.palette);
    QByteArray density;
    PutBE32(density, static_cast<std::uint32_t>(DotsPerMetre(dotsPerMm)));
    PutBE32(density, static_cast<std::uint32_t>(DotsPerMetre(dotsPerMm)));
    density.append(char(1));  // the unit is the metre
    AppendChunk(png, "pHYs", density);
    AppendChunk(png, "IDAT", encoded.idat);
    AppendChunk(png, "IEND", {});
    return png;
}

}  // namespace quillmark
