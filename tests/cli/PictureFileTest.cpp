// The read-back of --verify: the writers' PNG, BMP and JPEG files decode to the pixels written,
// and damaged or foreign files are refused with a reason instead of being scanned.
#include "cli/PictureFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "output/PictureWriter.h"

namespace quillmark {
namespace {

// Bars and a grey ramp: every channel differs between neighbouring columns.
Raster Pattern() {
    Raster picture;
    picture.Allocate(37, 23, 0xFFFFFF);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.Row(y)[x] = x % 5 < 2 ? 0xFF000080u
                                          : 0xFF000000u | static_cast<std::uint32_t>(x * 6) << 16 |
                                                static_cast<std::uint32_t>(y * 10) << 8 | 0xF0u;
    return picture;
}

class PictureFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = (folder_ / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / ("quillmark-read-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(folder_); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
};

TEST_F(PictureFileTest, WrittenPicturesReadBackAsDrawn) {
    const Raster drawn = Pattern();
    const Result<std::string> jpeg = EncodeJpeg(drawn.View(), 12);
    ASSERT_EQ(jpeg.error(), "");
    const struct {
        const char* name;
        PictureFormat format;
        std::string bytes;
        int tolerance;  // per channel; JPEG is lossy
    } cases[] = {
        {"p.png", PictureFormat::PNG, *EncodePng(drawn.View(), 12), 0},
        {"p.bmp", PictureFormat::BMP, *EncodeBmp(drawn.View(), 12), 0},
        {"p.jpg", PictureFormat::JPEG, *jpeg, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Raster read;
        ASSERT_EQ(ReadPictureFile(Write(c.name, c.bytes), c.format, read), "");
        ASSERT_EQ(read.Width(), drawn.Width());
        ASSERT_EQ(read.Height(), drawn.Height());
        int worst = 0;
        for (int y = 0; y < drawn.Height(); ++y)
            for (int x = 0; x < drawn.Width(); ++x) {
                const std::uint32_t a = drawn.Row(y)[x], b = read.Row(y)[x];
                EXPECT_EQ(b >> 24, 0xFFu);
                for (int shift : {0, 8, 16})
                    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                                     static_cast<int>((b >> shift) & 0xFF)));
            }
        EXPECT_LE(worst, c.tolerance);
    }
}

TEST_F(PictureFileTest, DamagedOrForeignFilesAreRefused) {
    const std::string bmp = *EncodeBmp(Pattern().View(), 12);
    std::string sixteenBits = bmp;
    sixteenBits[28] = 16;
    // The other row order (the sign of the height) of the same stored rows reads upside down.
    std::string flipped = bmp;
    std::uint32_t height = 0;
    for (int i = 3; i >= 0; --i) height = height << 8 | static_cast<unsigned char>(bmp[22 + i]);
    height = ~height + 1;
    for (int i = 0; i < 4; ++i) flipped[22 + i] = static_cast<char>((height >> (8 * i)) & 0xFF);
    const struct {
        const char* name;
        PictureFormat format;
        std::string bytes;
        bool readable;
    } cases[] = {
        {"cut.bmp", PictureFormat::BMP, bmp.substr(0, bmp.size() - 10), false},
        {"header.bmp", PictureFormat::BMP, bmp.substr(0, 30), false},
        {"16.bmp", PictureFormat::BMP, sixteenBits, false},
        {"text.bmp", PictureFormat::BMP, "BM not really", false},
        {"flipped.bmp", PictureFormat::BMP, flipped, true},
        {"text.png", PictureFormat::PNG, "not a PNG at all", false},
        {"cut.png", PictureFormat::PNG, EncodePng(Pattern().View(), 12)->substr(0, 60), false},
        {"text.jpg", PictureFormat::JPEG, "not a JPEG", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Raster read;
        const std::string error = ReadPictureFile(Write(c.name, c.bytes), c.format, read);
        EXPECT_EQ(error.empty(), c.readable) << error;
    }
    Raster read;
    ASSERT_EQ(ReadPictureFile(Write("flipped.bmp", flipped), PictureFormat::BMP, read), "");
    EXPECT_EQ(read.Row(0)[2], Pattern().Row(22)[2]);
    EXPECT_NE(ReadPictureFile((folder_ / "missing.png").string(), PictureFormat::PNG, read), "");
    EXPECT_NE(ReadPictureFile((folder_ / "missing.bmp").string(), PictureFormat::BMP, read), "");
}

}  // namespace
}  // namespace quillmark
