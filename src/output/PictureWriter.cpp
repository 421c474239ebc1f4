// BMP rows from the picture's rows, the format by name, and every picture written atomically.
#include "output/PictureWriter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "output/AtomicFile.h"

namespace quillmark {
namespace {

constexpr std::uint32_t kBmpHeaderBytes = 14 + 40;

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
    std::vector<char> header(kBmpHeaderBytes, 0);
    header[0] = 'B';
    header[1] = 'M';
    PutLE32(header, 2, kBmpHeaderBytes + imageBytes);
    PutLE32(header, 10, kBmpHeaderBytes);
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

// The bytes of the BMP rows, padded to four bytes, of the whole picture; 0 when they do not fit
// the format's 32-bit sizes.
std::uint64_t BmpImageBytes(const PictureRows& picture) {
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(picture.width) * 3 + 3) & ~3ULL;
    const std::uint64_t imageBytes = rowBytes * static_cast<std::uint64_t>(picture.height);
    return imageBytes + kBmpHeaderBytes > 0xFFFFFFFFULL ? 0 : imageBytes;
}

// The header and then the rows, bottom up, handed to put(data, size) in batches of about a
// megabyte: a file needs no second full-size copy. Stops when put returns false.
template <typename Put>
void WriteBmp(const PictureRows& picture, std::uint64_t imageBytes, double dotsPerMm, Put put) {
    const int width = picture.width;
    const std::vector<char> header = BmpHeader(
        width, picture.height, static_cast<std::uint32_t>(imageBytes), DotsPerMetre(dotsPerMm));
    if (!put(header.data(), header.size())) return;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const std::size_t rowsPerBatch = std::max<std::size_t>(1, (1u << 20) / rowBytes);
    std::vector<char> batch(rowsPerBatch * rowBytes, 0);
    std::size_t filled = 0;
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::uint32_t* pixels = picture.Row(y);
        char* out = batch.data() + filled * rowBytes;
        for (int x = 0; x < width; ++x) {
            *out++ = static_cast<char>(pixels[x] & 0xFF);
            *out++ = static_cast<char>((pixels[x] >> 8) & 0xFF);
            *out++ = static_cast<char>((pixels[x] >> 16) & 0xFF);
        }
        if (++filled == rowsPerBatch || y == 0) {
            if (!put(batch.data(), filled * rowBytes)) return;
            filled = 0;
        }
    }
}

bool SameLetters(const std::string& a, const char* b) {
    return a.size() == std::strlen(b) && std::equal(a.begin(), a.end(), b, [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

int DotsPerMetre(double dotsPerMm) {
    return static_cast<int>(std::clamp(std::lround(dotsPerMm * 1000.0), 1L, 1L << 30));
}

int DotsPerCentimetre(double dotsPerMm) {
    return static_cast<int>(std::clamp(std::lround(dotsPerMm * 10.0), 1L, 65535L));
}

const char* PictureFormatForPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return nullptr;
    const std::string extension = path.substr(dot + 1);
    if (SameLetters(extension, "bmp")) return "BMP";
    if (SameLetters(extension, "jpg") || SameLetters(extension, "jpeg")) return "JPEG";
    if (SameLetters(extension, "png")) return "PNG";
    return nullptr;
}

Result<std::string> EncodeBmp(const PictureRows& picture, double dotsPerMm) {
    if (!picture.HasPixels()) return Failure{"there is no picture"};
    const std::uint64_t imageBytes = BmpImageBytes(picture);
    if (imageBytes == 0) return Failure{"the picture is too large for a BMP file"};
    std::string bmp;
    bmp.reserve(static_cast<std::size_t>(imageBytes) + kBmpHeaderBytes);
    WriteBmp(picture, imageBytes, dotsPerMm, [&](const char* data, std::size_t size) {
        bmp.append(data, size);
        return true;
    });
    return bmp;
}

Result<void> SavePicture(const PictureRows& picture, const std::string& path, const char* format,
                         double dotsPerMm) {
    const std::string name = format ? format : "";
    const bool bmp = SameLetters(name, "BMP");
    const bool jpeg = SameLetters(name, "JPEG") || SameLetters(name, "JPG");
    if (!bmp && !jpeg && !SameLetters(name, "PNG")) {
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return Failure{CannotWrite(path, "unknown picture format \"" + upper + "\"")};
    }
    if (!picture.HasPixels()) return Failure{CannotWrite(path, "there is no picture")};
    if (bmp) {
        const std::uint64_t imageBytes = BmpImageBytes(picture);
        if (imageBytes == 0)
            return Failure{CannotWrite(path, "the picture is too large for a BMP file")};
        AtomicFile file(path);
        WriteBmp(picture, imageBytes, dotsPerMm,
                 [&](const char* data, std::size_t size) { return file.Write(data, size); });
        return file.Commit();
    }
    // Encoded before the file is opened: an encoder's failure must not touch the target.
    const Result<std::string> encoded =
        jpeg ? EncodeJpeg(picture, dotsPerMm) : EncodePng(picture, dotsPerMm);
    if (!encoded) return Failure{CannotWrite(path, encoded.error())};
    return WriteFileAtomically(path, *encoded);
}

}  // namespace quillmark
