// Fonts found with fontconfig and rasterised with FreeType, loaded on first use and cached.
#include "raster/Fonts.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <string.h>
#include <strings.h>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "raster/OnDemandLibrary.h"

namespace quillmark {

namespace {

// Glyphs beyond this size would only exhaust memory; no symbol text needs them.
constexpr int kMaxPixelSize = 8192;

// Rendered glyphs up to this size are kept per thread; larger ones are rendered where needed.
constexpr int kMaxCachedPixelSize = 512;
constexpr std::size_t kMaxCachedCoverageBytes = 32u << 20;

// ---- fontconfig: family names to font files (shared by all threads) ----

struct FontMatch {
    std::string file;
    int index = 0;
    std::string family;
};

// fontconfig's calls used here. fontconfig is opened on the first family the known font file
// does not answer, which a picture in the default family never needs.
// clang-format off
#define QUILLMARK_FONTCONFIG_CALLS(X)                                                      \
    X(FcInit) X(FcPatternCreate) X(FcPatternAddString) X(FcConfigSubstitute)               \
    X(FcDefaultSubstitute) X(FcFontMatch) X(FcPatternDestroy) X(FcPatternGetString)        \
    X(FcPatternGetInteger) X(FcObjectSetBuild) X(FcFontList) X(FcObjectSetDestroy)         \
    X(FcFontSetDestroy)
// clang-format on

QUILLMARK_ON_DEMAND_CALLS(FontconfigCalls, FontconfigLibrary, QUILLMARK_FONTCONFIG_CALLS,
                          QUILLMARK_FONTCONFIG_SONAME)

// Every fontconfig call goes through this lock: the matches are rare and cached.
std::mutex& FontconfigMutex() {
    static std::mutex mutex;
    return mutex;
}

// fontconfig with its configuration loaded, on the first call; null when the library cannot be
// opened (no family is then found). Callers hold FontconfigMutex().
const FontconfigCalls* Fontconfig() {
    static const FontconfigCalls* const ready = []() -> const FontconfigCalls* {
        const FontconfigCalls& calls = FontconfigLibrary();
        if (!calls.error.empty()) return nullptr;
        calls.FcInit();
        return &calls;
    }();
    return ready;
}

FcPattern* FamilyPattern(const FontconfigCalls& fc, const std::string& family) {
    FcPattern* pattern = fc.FcPatternCreate();
    fc.FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    return pattern;
}

FontMatch MatchFamily(const FontconfigCalls& fc, const std::string& family) {
    FontMatch match;
    FcPattern* pattern = FamilyPattern(fc, family);
    fc.FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    fc.FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* font = fc.FcFontMatch(nullptr, pattern, &result);
    fc.FcPatternDestroy(pattern);
    if (font == nullptr) return match;
    FcChar8* file = nullptr;
    FcChar8* name = nullptr;
    int index = 0;
    if (fc.FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch && file != nullptr)
        match.file = reinterpret_cast<const char*>(file);
    if (fc.FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) match.index = index;
    if (fc.FcPatternGetString(font, FC_FAMILY, 0, &name) == FcResultMatch && name != nullptr)
        match.family = reinterpret_cast<const char*>(name);
    fc.FcPatternDestroy(font);
    return match;
}

// ---- FreeType: faces and glyphs per thread (a face must not be used by two threads) ----

// FreeType's calls used here; FreeType is opened on the first glyph the glyph store lacks.
// clang-format off
#define QUILLMARK_FREETYPE_CALLS(X)                                                        \
    X(FT_Init_FreeType) X(FT_Done_FreeType) X(FT_New_Face) X(FT_Done_Face)                 \
    X(FT_Set_Pixel_Sizes) X(FT_Get_Char_Index) X(FT_Load_Glyph) X(FT_Render_Glyph)         \
    X(FT_Get_Sfnt_Table) X(FT_MulFix)
// clang-format on

QUILLMARK_ON_DEMAND_CALLS(FreeTypeCalls, FreeTypeLibrary, QUILLMARK_FREETYPE_CALLS,
                          QUILLMARK_FREETYPE_SONAME)

// null when FreeType cannot be opened: no text is then drawn.
const FreeTypeCalls* FreeType() {
    const FreeTypeCalls& calls = FreeTypeLibrary();
    return calls.error.empty() ? &calls : nullptr;
}

struct GlyphKey {
    int face;
    int pixelSize;
    char32_t codePoint;
    bool operator==(const GlyphKey&) const = default;
};

struct GlyphKeyHash {
    std::size_t operator()(const GlyphKey& k) const {
        return (static_cast<std::size_t>(k.face) * 0x9E3779B1u) ^
               (static_cast<std::size_t>(k.pixelSize) << 21) ^ k.codePoint;
    }
};

using CachedGlyph = RenderedGlyph;

class ThreadFonts {
public:
    ThreadFonts() = default;
    ThreadFonts(const ThreadFonts&) = delete;
    ThreadFonts& operator=(const ThreadFonts&) = delete;
    ~ThreadFonts() {
        if (ft_ == nullptr) return;
        for (auto& [match, face] : faces_)
            if (face.face != nullptr) ft_->FT_Done_Face(face.face);
        if (library_ != nullptr) ft_->FT_Done_FreeType(library_);
    }

    // A font file's face, opened once per thread; null when it cannot be loaded.
    FT_Face Open(const std::string& file, int index) {
        LoadedFace* face = Loaded(file, index);
        return face != nullptr ? face->face : nullptr;
    }

    // The face of a font file at the pixel size; -1 and null when it cannot be loaded.
    std::pair<int, FT_Face> Face(const FontMatch& match, int pixelSize) {
        LoadedFace* found = Loaded(match.file, match.index);
        if (found == nullptr) return {-1, nullptr};
        LoadedFace& face = *found;
        if (face.pixelSize != pixelSize) {
            if (ft_->FT_Set_Pixel_Sizes(face.face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
                face.pixelSize = 0;
                return {-1, nullptr};
            }
            face.pixelSize = pixelSize;
        }
        return {face.id, face.face};
    }

    // A glyph's advance, and with render its coverage; nullptr when it cannot be loaded.
    const CachedGlyph* Glyph(int faceId, FT_Face face, int pixelSize, char32_t codePoint,
                             bool render) {
        const GlyphKey key{faceId, pixelSize, codePoint};
        auto found = glyphs_.find(key);
        if (found != glyphs_.end() && (found->second.rendered || !render)) return &found->second;
        const FT_UInt index = ft_->FT_Get_Char_Index(face, codePoint);
        if (ft_->FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0) return nullptr;
        if (render && ft_->FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return nullptr;
        if (cachedBytes_ > kMaxCachedCoverageBytes) {
            glyphs_.clear();
            cachedBytes_ = 0;
        }
        CachedGlyph& glyph = glyphs_[key];
        glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
        if (render) {
            CopyCoverage(*face->glyph, glyph);
            cachedBytes_ += glyph.coverage.size();
        }
        return &glyph;
    }

    // Loads and renders a glyph at a size too large to cache.
    bool RenderSlot(FT_Face face, char32_t codePoint, CachedGlyph& glyph) {
        const FT_UInt index = ft_->FT_Get_Char_Index(face, codePoint);
        if (ft_->FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT) != 0) return false;
        glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
        if (ft_->FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return false;
        CopyCoverage(*face->glyph, glyph);
        return true;
    }

    // FreeType's calls, valid once a face was loaded.
    const FreeTypeCalls& Calls() const { return *ft_; }

private:
    struct LoadedFace {
        int id;
        FT_Face face;
        int pixelSize;
    };

    LoadedFace* Loaded(const std::string& file, int index) {
        if (file.empty()) return nullptr;
        if (library_ == nullptr) {
            ft_ = FreeType();
            if (ft_ == nullptr || ft_->FT_Init_FreeType(&library_) != 0) {
                library_ = nullptr;
                return nullptr;
            }
        }
        auto found = faces_.find({file, index});
        if (found == faces_.end()) {
            LoadedFace loaded{static_cast<int>(faces_.size()), nullptr, 0};
            if (ft_->FT_New_Face(library_, file.c_str(), index, &loaded.face) != 0)
                loaded.face = nullptr;
            found = faces_.emplace(std::pair{file, index}, loaded).first;
        }
        return found->second.face != nullptr ? &found->second : nullptr;
    }

    static void CopyCoverage(const FT_GlyphSlotRec& slot, CachedGlyph& glyph) {
        const FT_Bitmap& bitmap = slot.bitmap;
        glyph.rendered = true;
        glyph.left = slot.bitmap_left;
        glyph.top = slot.bitmap_top;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.rows = static_cast<int>(bitmap.rows);
        glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.rows, 0);
        if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.buffer == nullptr) return;
        for (int y = 0; y < glyph.rows; ++y) {
            const unsigned char* row =
                bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
            std::copy(row, row + glyph.width,
                      glyph.coverage.begin() + static_cast<std::ptrdiff_t>(y) * glyph.width);
        }
    }

    const FreeTypeCalls* ft_ = nullptr;
    FT_Library library_ = nullptr;
    // Keyed by font file and face index.
    std::map<std::pair<std::string, int>, LoadedFace> faces_;
    std::unordered_map<GlyphKey, CachedGlyph, GlyphKeyHash> glyphs_;
    std::size_t cachedBytes_ = 0;
};

ThreadFonts& Fonts() {
    thread_local ThreadFonts fonts;
    return fonts;
}

// ---- the default font's glyph store, shared by all threads ----

// The store of the known font file as read at the first text, with what this process added: the
// face's names and cells in one file, the glyphs of each pixel size in a file of their own, read
// when the size is first drawn. Entries are only ever added: a pointer to one stays valid until
// the end.
class KnownGlyphs {
public:
    KnownGlyphs()
        : location_(LocateGlyphStore(QUILLMARK_KNOWN_FONT_FILE, QUILLMARK_FREETYPE_FILE)) {
        face_ = Read(FacePath());
    }

    std::optional<FontMatch> Probe() {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (face_.family.empty()) {
            const FT_Face face = Fonts().Open(QUILLMARK_KNOWN_FONT_FILE, 0);
            if (face == nullptr || face->family_name == nullptr || face->style_name == nullptr)
                return std::nullopt;
            face_.family = face->family_name;
            face_.regular = strcmp(face->style_name, "Regular") == 0;
            faceChanged_ = true;
        }
        if (strcasecmp(face_.family.c_str(), QUILLMARK_KNOWN_FONT_FAMILY) != 0 || !face_.regular)
            return std::nullopt;
        return FontMatch{QUILLMARK_KNOWN_FONT_FILE, 0, face_.family};
    }

    std::optional<FontCell> Cell(int pixelSize) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto found = face_.cells.find(pixelSize);
        if (found == face_.cells.end()) return std::nullopt;
        return FontCell{pixelSize, found->second.first, found->second.second};
    }
    void AddCell(const FontCell& cell) {
        if (cell.pixelSize <= 0 || cell.pixelSize > kMaxStoredPixelSize) return;
        const std::lock_guard<std::mutex> lock(mutex_);
        if (face_.cells.emplace(cell.pixelSize, std::pair{cell.ascent, cell.descent}).second)
            faceChanged_ = true;
    }

    const RenderedGlyph* Glyph(int pixelSize, char32_t code) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const GlyphStore& size = Size(pixelSize);
        const auto found = size.glyphs.find({pixelSize, code});
        return found != size.glyphs.end() ? &found->second : nullptr;
    }
    void AddGlyph(int pixelSize, char32_t code, const RenderedGlyph& glyph) {
        if (!glyph.rendered || pixelSize <= 0 || pixelSize > kMaxStoredPixelSize ||
            glyph.width > kMaxStoredGlyphSide || glyph.rows > kMaxStoredGlyphSide)
            return;
        const std::lock_guard<std::mutex> lock(mutex_);
        // A long-running process (the window, a batch of many sizes) stops adding at a bound.
        if (addedBytes_ + glyph.coverage.size() > kMaxCachedCoverageBytes) return;
        if (Size(pixelSize).glyphs.emplace(std::pair{pixelSize, code}, glyph).second) {
            addedBytes_ += glyph.coverage.size();
            changedSizes_.insert(pixelSize);
        }
    }

    // The files that changed, with their new contents.
    std::vector<GlyphStoreFile> Pending() {
        const std::lock_guard<std::mutex> lock(mutex_);
        std::vector<GlyphStoreFile> files;
        if (location_.path.empty()) return files;
        if (faceChanged_) files.push_back({FacePath(), SerializeGlyphStore(face_, location_.key)});
        for (const int pixelSize : changedSizes_) {
            std::string bytes = SerializeGlyphStore(sizes_[pixelSize], location_.key);
            if (bytes.size() <= kMaxStoreFileBytes)
                files.push_back({SizePath(pixelSize), std::move(bytes)});
        }
        faceChanged_ = false;
        changedSizes_.clear();
        return files;
    }

private:
    // Far more than the glyphs of any text at the largest size kept; a larger file is not read.
    static constexpr std::size_t kMaxStoreFileBytes = std::size_t{64} << 20;

    std::string FacePath() const { return location_.path + ".bin"; }
    std::string SizePath(int pixelSize) const {
        return location_.path + "-" + std::to_string(pixelSize) + ".bin";
    }

    // The glyphs of a pixel size, read on first use; callers hold mutex_.
    GlyphStore& Size(int pixelSize) {
        auto found = sizes_.find(pixelSize);
        if (found == sizes_.end())
            found = sizes_.emplace(pixelSize, Read(SizePath(pixelSize))).first;
        return found->second;
    }

    // A store file of this key; empty when there is none or it is not whole.
    GlyphStore Read(const std::string& path) const {
        if (location_.path.empty()) return {};
        return ParseGlyphStore(ReadGlyphStoreFile(path, kMaxStoreFileBytes), location_.key)
            .value_or(GlyphStore{});
    }

    std::mutex mutex_;
    const GlyphStoreLocation location_;
    GlyphStore face_;
    bool faceChanged_ = false;
    std::map<int, GlyphStore> sizes_;
    std::set<int> changedSizes_;
    std::size_t addedBytes_ = 0;
};

bool IsKnownFile(const FontMatch& match) {
    return match.index == 0 && !match.file.empty() && match.file == QUILLMARK_KNOWN_FONT_FILE;
}

// Set once the store is read: a run that draws no text neither reads nor writes it.
std::atomic<KnownGlyphs*> knownInUse{nullptr};

KnownGlyphs& Known() {
    static KnownGlyphs known;
    knownInUse.store(&known, std::memory_order_release);
    return known;
}

// Reading fontconfig's configuration costs about 6 ms, most of a one-symbol process. The build
// records the file fontconfig matched to the default family; while that file is there and its
// regular face is of that family, the default family is drawn from it without fontconfig. Any
// other family, or a file that changed, goes through fontconfig.
// The file is probed once per process, however many families are asked for: from the glyph
// store, else through the asking thread's face, which then draws the text.
std::optional<FontMatch> ProbeKnownFile() {
    if (std::string_view(QUILLMARK_KNOWN_FONT_FILE).empty()) return std::nullopt;
    return Known().Probe();
}

std::optional<FontMatch> KnownMatch(std::string_view family) {
    const std::string_view knownFamily = QUILLMARK_KNOWN_FONT_FAMILY;
    if (family.size() != knownFamily.size() ||
        strncasecmp(family.data(), knownFamily.data(), family.size()) != 0)
        return std::nullopt;
    static const std::optional<FontMatch> known = ProbeKnownFile();
    return known;
}

// The cached match for a family; the reference stays valid (map nodes never move).
const FontMatch& MatchFor(std::string_view family) {
    static std::map<std::string, FontMatch, std::less<>> matches;
    const std::lock_guard<std::mutex> lock(FontconfigMutex());
    if (const auto found = matches.find(family); found != matches.end()) return found->second;
    std::string key(family);
    std::optional<FontMatch> match = KnownMatch(family);
    if (!match) {
        const FontconfigCalls* fc = Fontconfig();
        match = fc != nullptr ? MatchFamily(*fc, key) : FontMatch{};
    }
    return matches.emplace(std::move(key), std::move(*match)).first->second;
}

bool ListsFamily(const FontconfigCalls& fc, const std::string& family) {
    FcPattern* pattern = FamilyPattern(fc, family);
    FcObjectSet* objects = fc.FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = fc.FcFontList(nullptr, pattern, objects);
    fc.FcObjectSetDestroy(objects);
    fc.FcPatternDestroy(pattern);
    if (fonts == nullptr) return false;
    bool found = false;
    // fontconfig also ignores blanks when it compares families; the name must match but for case.
    for (int i = 0; i < fonts->nfont && !found; ++i) {
        FcChar8* name = nullptr;
        for (int n = 0;
             fc.FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &name) == FcResultMatch; ++n)
            if (strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0) found = true;
    }
    fc.FcFontSetDestroy(fonts);
    return found;
}

// Ascent and descent as Qt's font engine gives them on Linux: the OS/2 table's Windows metrics
// (typographic ones when the font asks for them, hhea without OS/2) scaled by FreeType's
// y_scale for the size, each rounded to whole pixels.
FontCell CellOfFace(const FreeTypeCalls& ft, FT_Face face, int pixelSize) {
    FT_Long ascent = face->ascender;
    FT_Long descent = -face->descender;
    if (const auto* os2 = static_cast<const TT_OS2*>(ft.FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        os2 != nullptr && os2->version != 0xFFFF) {
        constexpr FT_UShort kUseTypoMetrics = 1u << 7;
        if ((os2->fsSelection & kUseTypoMetrics) != 0) {
            ascent = os2->sTypoAscender;
            descent = -os2->sTypoDescender;
        } else if (os2->usWinAscent != 0 || os2->usWinDescent != 0) {
            ascent = os2->usWinAscent;
            descent = os2->usWinDescent;
        }
    }
    if (!FT_IS_SCALABLE(face)) {
        ascent = face->size->metrics.ascender;
        descent = -face->size->metrics.descender;
    } else {
        ascent = ft.FT_MulFix(ascent, face->size->metrics.y_scale);
        descent = ft.FT_MulFix(descent, face->size->metrics.y_scale);
    }
    return {pixelSize, static_cast<int>((ascent + 32) >> 6), static_cast<int>((descent + 32) >> 6)};
}

FontCell CellAtPixelSize(const FontMatch& match, int pixelSize) {
    const bool known = IsKnownFile(match);
    if (known)
        if (const std::optional<FontCell> stored = Known().Cell(pixelSize)) return *stored;
    const auto [id, face] = Fonts().Face(match, pixelSize);
    if (face == nullptr) return {};
    const FontCell cell = CellOfFace(Fonts().Calls(), face, pixelSize);
    if (known) Known().AddCell(cell);
    return cell;
}

// A glyph at a cached pixel size: from the glyph store for the known font file, else from
// FreeType (and then added to the store); nullptr when it cannot be loaded.
const CachedGlyph* GlyphOf(const FontMatch& match, int pixelSize, char32_t code, bool render) {
    const bool known = IsKnownFile(match) && pixelSize <= kMaxStoredPixelSize;
    if (known)
        if (const RenderedGlyph* stored = Known().Glyph(pixelSize, code)) return stored;
    const auto [id, face] = Fonts().Face(match, pixelSize);
    if (face == nullptr) return nullptr;
    const CachedGlyph* glyph = Fonts().Glyph(id, face, pixelSize, code, render);
    if (known && glyph != nullptr) Known().AddGlyph(pixelSize, code, *glyph);
    return glyph;
}

int CellHeight(const FontMatch& match, int pixelSize) {
    const FontCell cell = CellAtPixelSize(match, pixelSize);
    return cell.ascent + cell.descent;
}

FontCell ComputeCell(const FontMatch& match, int height) {
    if (match.file.empty()) return {};
    const int pixelSize =
        PixelSizeForHeight(height, [&match](int size) { return CellHeight(match, size); });
    if (pixelSize == 0) return {};
    return CellAtPixelSize(match, pixelSize);
}

// Decodes UTF-8; each byte of a malformed sequence becomes U+FFFD.
template <typename Visit>
void ForEachCodePoint(std::string_view text, Visit&& visit) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        int length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
            code = lead & 0x1Fu;
            least = 0x80;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            code = lead & 0x0Fu;
            least = 0x800;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
            code = lead & 0x07u;
            least = 0x10000;
        }
        bool valid = length > 0 && i + length <= size;
        for (int k = 1; valid && k < length; ++k) {
            if ((bytes[i + k] & 0xC0u) != 0x80u) valid = false;
            code = (code << 6) | (bytes[i + k] & 0x3Fu);
        }
        if (valid && (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)))
            valid = false;
        if (!valid) {
            visit(char32_t{0xFFFD});
            ++i;
            continue;
        }
        visit(code);
        i += static_cast<std::size_t>(length);
    }
}

}  // namespace

int PixelSizeForHeight(int height, const std::function<int(int pixelSize)>& cellHeight) {
    if (height == 0) return 0;
    if (height < 0)
        return static_cast<int>(
            std::min<long long>(-static_cast<long long>(height), kMaxPixelSize));
    // The largest pixel size whose cell fits; the search range allows fonts whose cell is smaller
    // than their pixel size.
    const int top = static_cast<int>(std::min<long long>(2LL * height + 8, kMaxPixelSize));
    if (cellHeight(1) > height) return 0;
    int fits = 1;
    int tooBig = top + 1;
    while (tooBig - fits > 1) {
        const int mid = fits + (tooBig - fits) / 2;
        if (cellHeight(mid) <= height)
            fits = mid;
        else
            tooBig = mid;
    }
    // Rounded metrics can make the cell height step unevenly; settle on a local maximum.
    while (fits < top && cellHeight(fits + 1) <= height) ++fits;
    return fits;
}

FontCell CellForHeight(std::string_view family, int height) {
    if (height == 0) return {};
    static std::mutex mutex;
    static std::map<std::pair<std::string, int>, FontCell, std::less<>> cache;
    std::pair<std::string, int> key{std::string(family), height};
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (const auto found = cache.find(key); found != cache.end()) return found->second;
    }
    const FontCell cell = ComputeCell(MatchFor(family), height);
    const std::lock_guard<std::mutex> lock(mutex);
    cache.emplace(std::move(key), cell);
    return cell;
}

int TextAdvance(std::string_view family, int height, std::string_view text) {
    const FontCell cell = CellForHeight(family, height);
    if (cell.pixelSize == 0) return 0;
    const FontMatch& match = MatchFor(family);
    long long width = 0;
    // Measured text is about to be drawn: a size that is cached is rendered now, so that drawing
    // does not load each glyph a second time.
    const bool render = cell.pixelSize <= kMaxCachedPixelSize;
    ForEachCodePoint(text, [&](char32_t code) {
        if (const CachedGlyph* glyph = GlyphOf(match, cell.pixelSize, code, render))
            width += glyph->advance;
    });
    return static_cast<int>(std::clamp<long long>(width, 0, std::numeric_limits<int>::max()));
}

void DrawTextGlyphs(std::string_view family, int height, std::string_view text,
                    long long visibleLeft, long long visibleRight, const GlyphSink& sink) {
    const FontCell cell = CellForHeight(family, height);
    if (cell.pixelSize == 0) return;
    const FontMatch& match = MatchFor(family);
    const bool cached = cell.pixelSize <= kMaxCachedPixelSize;
    // Glyphs reach at most about one em either side of their advance.
    const long long reach = 2LL * cell.pixelSize;
    long long pen = 0;
    CachedGlyph large;
    ForEachCodePoint(text, [&](char32_t code) {
        const bool near = pen + reach > visibleLeft && pen - reach < visibleRight;
        const CachedGlyph* glyph = nullptr;
        if (!near || cached) {
            glyph = GlyphOf(match, cell.pixelSize, code, near);
        } else if (const auto [id, face] = Fonts().Face(match, cell.pixelSize);
                   face != nullptr && Fonts().RenderSlot(face, code, large)) {
            glyph = &large;
        }
        if (glyph == nullptr) return;
        if (near && glyph->rendered)
            sink(pen, GlyphCoverage{glyph->left, glyph->top, glyph->width, glyph->rows,
                                    glyph->coverage.data()});
        pen += glyph->advance;
    });
}

std::string FontFileFor(std::string_view family) {
    return MatchFor(family).file;
}

std::string DrawnFamily(std::string_view family) {
    return MatchFor(family).family;
}

std::vector<GlyphStoreFile> PendingGlyphStore() {
    KnownGlyphs* known = knownInUse.load(std::memory_order_acquire);
    return known != nullptr ? known->Pending() : std::vector<GlyphStoreFile>{};
}

bool FamilyInstalled(std::string_view family) {
    static std::map<std::string, bool, std::less<>> installed;
    const std::lock_guard<std::mutex> lock(FontconfigMutex());
    if (const auto found = installed.find(family); found != installed.end()) return found->second;
    std::string key(family);
    bool listed = KnownMatch(family).has_value();
    if (!listed) {
        const FontconfigCalls* fc = Fontconfig();
        listed = fc != nullptr && ListsFamily(*fc, key);
    }
    installed.emplace(std::move(key), listed);
    return listed;
}

}  // namespace quillmark
