// The default font's cells and rendered glyphs kept between runs, so that a picture with its text
// in that font needs neither FreeType nor the font file: loading both and setting the font up for
// hinting was most of a one-picture process.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillmark {

// One glyph at one pixel size: its advance and, when rendered, its antialiased coverage
// (width x rows bytes, placed left and top pixels from the pen on the baseline).
struct RenderedGlyph {
    bool rendered = false;
    int advance = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    std::vector<unsigned char> coverage;
};

// What FreeType said of one font file: its family and style, and per pixel size its cell
// (ascent, descent) and rendered glyphs.
struct GlyphStore {
    std::string family;
    bool regular = false;
    std::map<int, std::pair<int, int>> cells;
    std::map<std::pair<int, char32_t>, RenderedGlyph> glyphs;
};

// The largest pixel size and glyph side kept: symbol texts stay far below them.
constexpr int kMaxStoredPixelSize = 512;
constexpr int kMaxStoredGlyphSide = 4 * kMaxStoredPixelSize;

// The store as bytes, headed by key.
std::string SerializeGlyphStore(const GlyphStore& store, std::string_view key);
// The store in bytes when they are whole and headed by key; nothing for anything else (another
// key, a truncated or damaged file), which is then rebuilt.
std::optional<GlyphStore> ParseGlyphStore(std::string_view bytes, std::string_view key);

// Where a program keeps the store of a font file (the path its files' names start with) and what
// makes it valid: the program, the font file, the FreeType library and FreeType's settings, each
// by its identity on disk. Both empty when there is nowhere to keep it (no home folder) or an
// identity cannot be read.
struct GlyphStoreLocation {
    std::string path;
    std::string key;
};
GlyphStoreLocation LocateGlyphStore(const std::string& fontFile, const char* freetypeFile);

// A store file's bytes as its size stood when it was opened, in one read; empty when there is
// no such file or it is larger than limit (no file of ours). A file changed meanwhile fails its
// checksum.
std::string ReadGlyphStoreFile(const std::string& path, std::size_t limit);

// A store to write: its file and its bytes.
struct GlyphStoreFile {
    std::string path;
    std::string bytes;
};

}  // namespace quillmark
