// PNG through libpng's simplified reader, JPEG through libjpeg, BMP by its two headers: the
// files are read as a viewer would, so a fault in a writer shows in the scan-back.
#include "cli/PictureFile.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "output/JpegLibrary.h"
#include "raster/OnDemandLibrary.h"

namespace quillmark {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// libpng's calls, opened on the first picture read back: the pictures written do not need it.
// clang-format off
#define QUILLMARK_PNG_CALLS(X) \
    X(png_image_begin_read_from_file) X(png_image_finish_read) X(png_image_free)
// clang-format on

QUILLMARK_ON_DEMAND_CALLS(PngCalls, Png, QUILLMARK_PNG_CALLS, QUILLMARK_PNG_SONAME)

// Pictures this program writes never exceed the raster limits; anything larger is no picture of
// its own.
bool SizeAllowed(long long width, long long height) {
    return width > 0 && height > 0 && width <= kMaxSymbolImageSide &&
           height <= kMaxSymbolImageSide && width * height <= kMaxSymbolImagePixels;
}

std::string ReadPng(const std::string& path, Raster& picture) {
    const PngCalls& png = Png();
    if (!png.error.empty()) return png.error;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png.png_image_begin_read_from_file(&image, path.c_str())) return image.message;
    image.format = PNG_FORMAT_BGRA;  // 0xAARRGGBB in memory on a little-endian machine
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    if (!SizeAllowed(width, height) || !picture.Allocate(width, height, 0)) {
        png.png_image_free(&image);
        return "the picture is too large";
    }
    if (!png.png_image_finish_read(&image, nullptr, picture.Row(0), 0, nullptr))
        return image.message;
    for (int y = 0; y < height; ++y)
        for (std::uint32_t* p = picture.Row(y); p != picture.Row(y) + width; ++p) *p |= kOpaque;
    return {};
}

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
    auto* error = reinterpret_cast<JpegError*>(info->err);
    info->err->format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

// No C++ object with a destructor lives across the setjmp; the rows go straight into picture.
std::string ReadJpeg(std::FILE* file, Raster& picture) {
    const JpegCalls& jpeg = Jpeg();
    if (!jpeg.error.empty()) return jpeg.error;
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg.jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    if (setjmp(error.jump)) {
        jpeg.jpeg_destroy_decompress(&info);
        return error.message;
    }
    jpeg.jpeg_CreateDecompress(&info, JPEG_LIB_VERSION, sizeof(info));
    jpeg.jpeg_stdio_src(&info, file);
    jpeg.jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg.jpeg_start_decompress(&info);
    const long long width = info.output_width;
    const long long height = info.output_height;
    if (!SizeAllowed(width, height) ||
        !picture.Allocate(static_cast<int>(width), static_cast<int>(height), 0)) {
        jpeg.jpeg_destroy_decompress(&info);
        std::strcpy(error.message, "the picture is too large");
        return error.message;
    }
    while (info.output_scanline < info.output_height) {
        auto* row = reinterpret_cast<JSAMPROW>(picture.Row(static_cast<int>(info.output_scanline)));
        jpeg.jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg.jpeg_finish_decompress(&info);
    jpeg.jpeg_destroy_decompress(&info);
    return {};
}

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::string ReadBmp(const std::string& bytes, Raster& picture) {
    constexpr std::size_t kHeaders = 14 + 40;
    if (bytes.size() < kHeaders || bytes.compare(0, 2, "BM") != 0) return "not a BMP picture";
    const std::uint32_t offset = LittleEndian(bytes, 10, 4);
    const auto width = static_cast<std::int32_t>(LittleEndian(bytes, 18, 4));
    const auto height = static_cast<std::int32_t>(LittleEndian(bytes, 22, 4));
    const std::uint32_t bits = LittleEndian(bytes, 28, 2);
    const std::uint32_t compression = LittleEndian(bytes, 30, 4);
    if ((bits != 24 && bits != 32) || compression != 0)
        return "a BMP picture of " + std::to_string(bits) + " bits or compressed";
    const long long rows = height < 0 ? -static_cast<long long>(height) : height;
    if (!SizeAllowed(width, rows)) return "a BMP picture of an impossible size";
    const std::size_t pixelBytes = bits / 8;
    const std::size_t stride = (static_cast<std::size_t>(width) * pixelBytes + 3) / 4 * 4;
    if (offset > bytes.size() || (bytes.size() - offset) / stride < static_cast<std::size_t>(rows))
        return "the BMP picture is cut short";
    if (!picture.Allocate(width, static_cast<int>(rows), 0)) return "the picture is too large";
    for (int y = 0; y < rows; ++y) {
        // A positive height stores the rows bottom up.
        const int stored = height < 0 ? y : static_cast<int>(rows) - 1 - y;
        const std::size_t start = offset + static_cast<std::size_t>(stored) * stride;
        std::uint32_t* out = picture.Row(y);
        for (int x = 0; x < width; ++x)
            out[x] =
                kOpaque | LittleEndian(bytes, start + static_cast<std::size_t>(x) * pixelBytes, 3);
    }
    return {};
}

}  // namespace

std::string ReadPictureFile(const std::string& path, PictureFormat format, Raster& picture) {
    switch (format) {
        case PictureFormat::PNG:
            return ReadPng(path, picture);
        case PictureFormat::JPEG: {
            std::FILE* file = std::fopen(path.c_str(), "rb");
            if (file == nullptr) return std::strerror(errno);
            const std::string error = ReadJpeg(file, picture);
            std::fclose(file);
            return error;
        }
        case PictureFormat::BMP: {
            std::ifstream file(path, std::ios::binary);
            if (!file) return std::strerror(errno);
            const std::string bytes(std::istreambuf_iterator<char>(file), {});
            if (file.bad()) return "cannot read the file";
            return ReadBmp(bytes, picture);
        }
        default:
            return "not a raster picture";
    }
}

}  // namespace quillmark
