// The glyph store's file: a key, the face's names, the cells, then the glyphs, integers in the
// machine's own order (the file never leaves the machine), every count checked when read.
#include "raster/GlyphStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace quillmark {
namespace {

constexpr std::string_view kMagic = "QMGLYPHS3";

// FNV-1a over the bytes before it, at the end of the file: a damaged glyph would otherwise be
// drawn as it reads.
std::uint64_t Checksum(std::string_view bytes) {
    std::uint64_t hash = 0xCBF29CE484222325u;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
    return hash;
}

class Writer {
public:
    void Int(std::int64_t value) {
        const auto v = static_cast<std::int32_t>(value);
        bytes_.append(reinterpret_cast<const char*>(&v), sizeof v);
    }
    void Text(std::string_view text) {
        Int(static_cast<std::int64_t>(text.size()));
        bytes_.append(text);
    }
    void Bytes(const std::vector<unsigned char>& data) {
        bytes_.append(reinterpret_cast<const char*>(data.data()), data.size());
    }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool ok() const { return ok_; }
    bool AtEnd() const { return ok_ && at_ == bytes_.size(); }
    // A value within [low, high]; a failed read or a value outside marks the reader failed.
    std::int32_t Int(std::int64_t low, std::int64_t high) {
        std::int32_t value = 0;
        if (!Take(&value, sizeof value) || value < low || value > high) ok_ = false;
        return ok_ ? value : 0;
    }
    std::string_view Text(std::size_t longest) {
        const auto size = static_cast<std::size_t>(Int(0, static_cast<std::int64_t>(longest)));
        const std::string_view text = Span(size);
        return text;
    }
    std::string_view Span(std::size_t size) {
        if (!ok_ || bytes_.size() - at_ < size) {
            ok_ = false;
            return {};
        }
        const std::string_view span = bytes_.substr(at_, size);
        at_ += size;
        return span;
    }

private:
    bool Take(void* out, std::size_t size) {
        const std::string_view span = Span(size);
        if (!ok_) return false;
        std::memcpy(out, span.data(), size);
        return true;
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// A file's identity: device, inode, size and change time; empty when it cannot be read.
std::string Identity(const char* path) {
    struct stat info {};
    if (path == nullptr || *path == '\0' || stat(path, &info) != 0) return {};
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + ":" +
           std::to_string(info.st_size) + ":" + std::to_string(info.st_mtim.tv_sec) + "." +
           std::to_string(info.st_mtim.tv_nsec) + ":" + std::to_string(info.st_ctim.tv_sec) + "." +
           std::to_string(info.st_ctim.tv_nsec);
}

std::string CacheFolder() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache == '/')
        return std::string(cache) + "/quillmark-glyphs";
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/')
        return std::string(home) + "/.cache/quillmark-glyphs";
    return {};
}

std::string Hex(std::size_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(2 * sizeof value, '0');
    for (std::size_t i = text.size(); i-- > 0; value >>= 4) text[i] = kDigits[value & 0xFu];
    return text;
}

}  // namespace

std::string SerializeGlyphStore(const GlyphStore& store, std::string_view key) {
    Writer out;
    out.Text(kMagic);
    out.Text(key);
    out.Text(store.family);
    out.Int(store.regular ? 1 : 0);
    out.Int(static_cast<std::int64_t>(store.cells.size()));
    for (const auto& [pixelSize, cell] : store.cells) {
        out.Int(pixelSize);
        out.Int(cell.first);
        out.Int(cell.second);
    }
    out.Int(static_cast<std::int64_t>(store.glyphs.size()));
    for (const auto& [at, glyph] : store.glyphs) {
        for (const std::int64_t value :
             {std::int64_t{at.first}, std::int64_t{at.second}, std::int64_t{glyph.advance},
              std::int64_t{glyph.left}, std::int64_t{glyph.top}, std::int64_t{glyph.width},
              std::int64_t{glyph.rows}})
            out.Int(value);
        out.Bytes(glyph.coverage);
    }
    std::string bytes = out.Take();
    const std::uint64_t checksum = Checksum(bytes);
    bytes.append(reinterpret_cast<const char*>(&checksum), sizeof checksum);
    return bytes;
}

std::optional<GlyphStore> ParseGlyphStore(std::string_view bytes, std::string_view key) {
    constexpr int kFar = 1 << 20;  // metrics and offsets beyond any sane font
    std::uint64_t checksum = 0;
    if (bytes.size() < sizeof checksum) return std::nullopt;
    std::memcpy(&checksum, bytes.data() + bytes.size() - sizeof checksum, sizeof checksum);
    bytes.remove_suffix(sizeof checksum);
    if (Checksum(bytes) != checksum) return std::nullopt;
    Reader in(bytes);
    if (in.Text(kMagic.size()) != kMagic || in.Text(key.size()) != key) return std::nullopt;
    GlyphStore store;
    store.family = std::string(in.Text(1024));
    store.regular = in.Int(0, 1) == 1;
    const int cells = in.Int(0, kMaxStoredPixelSize);
    for (int i = 0; i < cells && in.ok(); ++i) {
        const int pixelSize = in.Int(1, kMaxStoredPixelSize);
        const int ascent = in.Int(-kFar, kFar);
        store.cells[pixelSize] = {ascent, in.Int(-kFar, kFar)};
    }
    const int glyphs = in.Int(0, INT_MAX);
    for (int i = 0; i < glyphs && in.ok(); ++i) {
        const int pixelSize = in.Int(1, kMaxStoredPixelSize);
        const auto code = static_cast<char32_t>(in.Int(0, 0x10FFFF));
        RenderedGlyph glyph;
        glyph.rendered = true;
        glyph.advance = in.Int(-kFar, kFar);
        glyph.left = in.Int(-kFar, kFar);
        glyph.top = in.Int(-kFar, kFar);
        glyph.width = in.Int(0, kMaxStoredGlyphSide);
        glyph.rows = in.Int(0, kMaxStoredGlyphSide);
        const std::string_view coverage =
            in.Span(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.rows));
        glyph.coverage.assign(coverage.begin(), coverage.end());
        store.glyphs[{pixelSize, code}] = std::move(glyph);
    }
    if (!in.AtEnd()) return std::nullopt;
    return store;
}

GlyphStoreLocation LocateGlyphStore(const std::string& fontFile, const char* freetypeFile) {
    char program[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", program, sizeof program - 1);
    const std::string folder = CacheFolder();
    if (length <= 0 || folder.empty()) return {};
    program[length] = '\0';
    const std::string parts[] = {Identity(program), Identity(fontFile.c_str()),
                                 Identity(freetypeFile)};
    std::string key;
    for (const std::string& part : parts) {
        if (part.empty()) return {};
        key += part + "\n";
    }
    // FreeType reads settings that change its hinting from the environment, and the loader may be
    // told to take another FreeType.
    for (const char* variable : {"FREETYPE_PROPERTIES", "LD_LIBRARY_PATH", "LD_PRELOAD"})
        if (const char* value = std::getenv(variable))
            key += std::string(variable) + "=" + value + "\n";
    const std::size_t name = std::hash<std::string_view>{}(std::string(program) + "\n" + fontFile);
    return {folder + "/glyphs-" + Hex(name), key};
}

std::string ReadGlyphStoreFile(const std::string& path, std::size_t limit) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    std::string bytes;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::uintmax_t>(info.st_size) <= limit) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t have = 0;
        while (have < bytes.size()) {
            const ssize_t got = read(fd, bytes.data() + have, bytes.size() - have);
            if (got <= 0) break;
            have += static_cast<std::size_t>(got);
        }
        bytes.resize(have);
    }
    close(fd);
    return bytes;
}

}  // namespace quillmark
