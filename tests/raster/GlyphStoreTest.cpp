// The glyph store's file: what is written reads back the same, and nothing but a whole file of the
// same key is taken.
#include "raster/GlyphStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quillmark {
namespace {

GlyphStore Sample() {
    GlyphStore store;
    store.family = "Liberation Sans";
    store.regular = true;
    store.cells = {{12, {11, 3}}, {kMaxStoredPixelSize, {464, 108}}};
    store.glyphs[{12, U'4'}] = {true, 7, 0, 9, 3, 2, {0, 64, 255, 255, 128, 1}};
    store.glyphs[{12, U'€'}] = {true, 7, -1, 8, 0, 0, {}};
    return store;
}

TEST(GlyphStore, ReadsBackWhatWasWritten) {
    const std::string bytes = SerializeGlyphStore(Sample(), "key 1");
    const std::optional<GlyphStore> read = ParseGlyphStore(bytes, "key 1");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->family, "Liberation Sans");
    EXPECT_TRUE(read->regular);
    EXPECT_EQ(read->cells, Sample().cells);
    ASSERT_EQ(read->glyphs.size(), 2u);
    for (const auto& [at, glyph] : Sample().glyphs) {
        const RenderedGlyph& back = read->glyphs.at(at);
        EXPECT_EQ(std::tie(back.rendered, back.advance, back.left, back.top, back.width, back.rows,
                           back.coverage),
                  std::tie(glyph.rendered, glyph.advance, glyph.left, glyph.top, glyph.width,
                           glyph.rows, glyph.coverage));
    }
}

TEST(GlyphStore, TakesOnlyWholeFilesOfItsKey) {
    const std::string bytes = SerializeGlyphStore(Sample(), "key 1");
    EXPECT_FALSE(ParseGlyphStore(bytes, "key 2"));
    EXPECT_FALSE(ParseGlyphStore(bytes + '\0', "key 1"));
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(ParseGlyphStore(bytes.substr(0, size), "key 1")) << size << " bytes";
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
        EXPECT_FALSE(ParseGlyphStore(damaged, "key 1")) << "byte " << at;
    }
}

// A store file is read whole, or not at all when it is missing, not a file, or too large.
TEST(GlyphStore, ReadsAStoreFileWholeOrNotAtAll) {
    const std::string folder = ::testing::TempDir() + "glyph-store-read";
    std::filesystem::create_directories(folder + "/folder");
    const std::string bytes = SerializeGlyphStore(Sample(), "key");
    std::ofstream(folder + "/store.bin", std::ios::binary) << bytes;
    const struct {
        const char* file;
        std::size_t limit;
        std::string read;
    } cases[] = {
        {"/store.bin", bytes.size(), bytes},
        {"/store.bin", bytes.size() - 1, ""},
        {"/missing.bin", bytes.size(), ""},
        {"/folder", bytes.size(), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadGlyphStoreFile(folder + c.file, c.limit), c.read) << c.file << " " << c.limit;
}

}  // namespace
}  // namespace quillmark
