// PNG written directly: a palette when the picture has few colours, rows repeated from the one
// above stored as zeros and compressed as runs, and the true density in pHYs.
#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "output/PictureWriter.h"

namespace quillmark {
namespace {

// PNG colour types and row filters used here.
enum ColourType : std::uint8_t { kRgb = 2, kPalette = 3 };
enum Filter : std::uint8_t { kNoFilter = 0, kUpFilter = 2 };

void PutBE32(std::string& out, std::uint32_t v) {
    const char bytes[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                           static_cast<char>(v >> 8), static_cast<char>(v)};
    out.append(bytes, 4);
}

void AppendChunk(std::string& out, const char* type, std::string_view data) {
    PutBE32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out.append(data);
    const auto* crcBytes = reinterpret_cast<const std::uint8_t*>(out.data() + start);
    PutBE32(out, static_cast<std::uint32_t>(libdeflate_crc32(0, crcBytes, out.size() - start)));
}

// How many of the first n values at p equal v, compared eight bytes at a time: the runs of a
// symbol's rows are long.
template <typename T>
std::size_t RunLength(const T* p, std::size_t n, T v) {
    constexpr std::size_t kPerWord = sizeof(std::uint64_t) / sizeof(T);
    constexpr std::uint64_t kOnes = ~std::uint64_t{0} / ((std::uint64_t{1} << (8 * sizeof(T))) - 1);
    const std::uint64_t pattern = kOnes * v;
    std::size_t i = 0;
    for (; i + kPerWord <= n; i += kPerWord) {
        std::uint64_t word;
        std::memcpy(&word, p + i, sizeof word);
        if (const std::uint64_t differ = word ^ pattern; differ != 0)
            return i + static_cast<std::size_t>(std::endian::native == std::endian::little
                                                    ? std::countr_zero(differ)
                                                    : std::countl_zero(differ)) /
                           (8 * sizeof(T));
    }
    while (i < n && p[i] == v) ++i;
    return i;
}

// Deflate's fixed Huffman codes (RFC 1951, 3.2.6), bit-reversed for writing least significant
// bit first, and the length symbols with their extra bits for every match length.
struct Code {
    std::uint16_t bits = 0;
    std::uint8_t length = 0;
};

constexpr std::uint16_t Reversed(std::uint16_t code, int length) {
    std::uint16_t out = 0;
    for (int i = 0; i < length; ++i) out = static_cast<std::uint16_t>(out << 1 | (code >> i & 1));
    return out;
}

struct FixedCodes {
    std::array<Code, 288> symbols{};
    std::array<Code, 259> lengthSymbol{};  // by match length 3..258
    std::array<Code, 259> lengthExtra{};

    constexpr FixedCodes() {
        for (int v = 0; v < 288; ++v) {
            const auto [first, base, length] = v < 144   ? std::array{0, 0x30, 8}
                                               : v < 256 ? std::array{144, 0x190, 9}
                                               : v < 280 ? std::array{256, 0, 7}
                                                         : std::array{280, 0xC0, 8};
            const auto code = static_cast<std::uint16_t>(base + v - first);
            symbols[v] = {Reversed(code, length), static_cast<std::uint8_t>(length)};
        }
        constexpr int kBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
        for (int s = 0; s < 29; ++s) {
            const int extra = s < 8 || s == 28 ? 0 : (s - 4) / 4;
            for (int length = kBase[s]; length < (s == 28 ? 259 : kBase[s + 1]); ++length) {
                lengthSymbol[length] = symbols[257 + s];
                lengthExtra[length] = {static_cast<std::uint16_t>(length - kBase[s]),
                                       static_cast<std::uint8_t>(extra)};
            }
        }
    }
};

constexpr FixedCodes kFixed;

// Adler-32 (RFC 1950) of the data stream, a run of equal bytes added in one step: a symbol's rows
// are mostly runs, and adding them byte by byte was a tenth of writing one. The sums are reduced
// only when they grow large: the remainder of a division per byte or run was a fifth of encoding.
class Adler32 {
public:
    void Add(std::uint8_t value) {
        s1_ += value;
        s2_ += s1_;
        if ((s1_ | s2_) >= kReduceAt) Reduce();
    }
    // count bytes of value: s1 grows by count x value, s2 by the sum of the count partial s1s.
    void AddRun(std::uint8_t value, std::uint64_t count) {
        s2_ += count * s1_ + value * (count * (count + 1) / 2);
        s1_ += count * value;
        if ((s1_ | s2_) >= kReduceAt) Reduce();
    }
    std::uint32_t Value() const {
        return static_cast<std::uint32_t>((s2_ % kModulus) << 16 | (s1_ % kModulus));
    }

private:
    static constexpr std::uint64_t kModulus = 65521;
    // Far enough below 2^64 that one more run (258 x 255 onto s1, 258 x s1 onto s2) cannot wrap.
    static constexpr std::uint64_t kReduceAt = std::uint64_t{1} << 40;
    void Reduce() {
        s1_ %= kModulus;
        s2_ %= kModulus;
    }
    std::uint64_t s1_ = 1;
    std::uint64_t s2_ = 0;
};

// The image data stream as one block of fixed codes whose matches are runs of the previous byte.
// A symbol is long runs (bars, margins) and rows repeated from the one above, stored as zeros by
// the "up" filter; finding the runs directly costs a small part of a general compressor's search
// (zlib's was most of the time of writing a symbol), for a file somewhat larger than zlib's.
class Deflater {
public:
    Deflater() {
        out_.reserve(1 << 14);
        out_.push_back('\x78');  // deflate, 32 KiB window
        out_.push_back('\x01');  // no dictionary, fastest; the header's check digits
        Put(1, 1);               // the final block
        Put(1, 2);               // fixed codes
    }

    // One row under its filter.
    void AddRow(Filter filter, const std::uint8_t* row, std::size_t size) {
        Byte(filter);
        for (std::size_t i = 0; i < size;) {
            // Most bytes start no run of three: those go out without measuring one.
            if (i + 3 > size || row[i] != last_ || row[i + 1] != last_ || row[i + 2] != last_) {
                Byte(row[i++]);
                continue;
            }
            const std::size_t run = RunLength(row + i, std::min<std::size_t>(size - i, 258), last_);
            Run(run);
            i += run;
        }
    }
    // A row of zeros: no search needed.
    void AddZeroRow(Filter filter, std::size_t size) {
        Byte(filter);
        for (std::size_t left = size; left > 0;) {
            if (last_ != 0 || left < 3) {
                Byte(0);
                --left;
                continue;
            }
            const std::size_t run = std::min<std::size_t>(left, 258);
            Run(run);
            left -= run;
        }
    }
    // The compressed stream.
    std::string Finish() {
        Put(kFixed.symbols[256].bits, kFixed.symbols[256].length);
        for (; used_ > 0; used_ -= 8, pending_ >>= 8) out_.push_back(static_cast<char>(pending_));
        for (const int shift : {24, 16, 8, 0})
            out_.push_back(static_cast<char>(adler_.Value() >> shift));
        return std::move(out_);
    }

private:
    // Bits go out 32 at a time: appending them byte by byte was a noticeable part of the cost.
    void Put(std::uint32_t bits, int count) {
        pending_ |= static_cast<std::uint64_t>(bits) << used_;
        used_ += count;
        if (used_ < 32) return;
        const char word[4] = {static_cast<char>(pending_), static_cast<char>(pending_ >> 8),
                              static_cast<char>(pending_ >> 16), static_cast<char>(pending_ >> 24)};
        out_.append(word, 4);
        pending_ >>= 32;
        used_ -= 32;
    }
    void Byte(std::uint8_t value) {
        Put(kFixed.symbols[value].bits, kFixed.symbols[value].length);
        adler_.Add(value);
        last_ = value;
    }
    // A match of length 3..258 at distance 1: the previous byte repeated.
    void Run(std::size_t length) {
        const Code symbol = kFixed.lengthSymbol[length];
        const Code extra = kFixed.lengthExtra[length];
        Put(symbol.bits, symbol.length);
        Put(extra.bits, extra.length);
        Put(0, 5);  // distance code 0: distance 1
        adler_.AddRun(last_, length);
    }

    std::string out_;
    std::uint64_t pending_ = 0;
    int used_ = 0;
    std::uint8_t last_ = 0;
    Adler32 adler_;
};

// Palette indices by colour: open addressing in a table four times the palette's size.
class PaletteIndex {
public:
    PaletteIndex() { slots_.fill(-1); }
    // The colour's index, added when new; -1 when the palette is full.
    int IndexOf(std::uint32_t colour) {
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
    const std::vector<std::uint32_t>& Colours() const { return colours_; }

private:
    static constexpr unsigned kSlots = 1024;
    std::array<int, kSlots> slots_;
    std::vector<std::uint32_t> colours_;
};

struct Encoded {
    ColourType type = kRgb;
    std::vector<std::uint32_t> palette;
    std::string idat;
};

std::uint8_t Red(std::uint32_t pixel) {
    return static_cast<std::uint8_t>(pixel >> 16);
}
std::uint8_t Green(std::uint32_t pixel) {
    return static_cast<std::uint8_t>(pixel >> 8);
}
std::uint8_t Blue(std::uint32_t pixel) {
    return static_cast<std::uint8_t>(pixel);
}

// Rows of the picture into the data stream: a row equal to the one above goes as zeros under
// the "up" filter, any other row unfiltered. convert turns picture row y into rowBytes PNG bytes;
// it returns false to give up (the palette overflowed).
template <typename Convert>
bool DeflateRows(const PictureRows& picture, std::size_t rowBytes, Convert convert,
                 std::string& idat) {
    const std::size_t sourceBytes = static_cast<std::size_t>(picture.width) * 4;
    Deflater deflater;
    std::vector<std::uint8_t> row(rowBytes);
    // The row above, kept: the picture's own may be gone once the next row is asked for.
    std::vector<std::uint32_t> above(static_cast<std::size_t>(picture.width));
    for (int y = 0; y < picture.height; ++y) {
        const std::uint32_t* line = picture.Row(y);
        if (y > 0 && std::memcmp(line, above.data(), sourceBytes) == 0) {
            deflater.AddZeroRow(kUpFilter, rowBytes);
            continue;
        }
        std::memcpy(above.data(), line, sourceBytes);
        if (!convert(line, row.data())) return false;
        deflater.AddRow(kNoFilter, row.data(), rowBytes);
    }
    idat = deflater.Finish();
    return !idat.empty();
}

// A palette when the picture has at most 256 colours, else 8-bit RGB.
Encoded Encode(const PictureRows& picture) {
    const auto width = static_cast<std::size_t>(picture.width);
    Encoded result;
    PaletteIndex index;
    const auto toIndices = [&](const std::uint32_t* line, std::uint8_t* out) {
        for (std::size_t x = 0; x < width;) {
            const int at = index.IndexOf(line[x]);
            if (at < 0) return false;
            const std::size_t run = RunLength(line + x, width - x, line[x]);
            std::memset(out + x, at, run);
            x += run;
        }
        return true;
    };
    if (DeflateRows(picture, width, toIndices, result.idat)) {
        result.type = kPalette;
        result.palette = index.Colours();
        return result;
    }
    const auto toRgb = [&](const std::uint32_t* line, std::uint8_t* out) {
        for (std::size_t x = 0; x < width; ++x) {
            *out++ = Red(line[x]);
            *out++ = Green(line[x]);
            *out++ = Blue(line[x]);
        }
        return true;
    };
    result.type = kRgb;
    if (!DeflateRows(picture, width * 3, toRgb, result.idat)) result.idat.clear();
    return result;
}

std::string Header(const PictureRows& picture, ColourType type) {
    std::string header;
    PutBE32(header, static_cast<std::uint32_t>(picture.width));
    PutBE32(header, static_cast<std::uint32_t>(picture.height));
    header += char(8);  // bits per sample (or per index)
    header += static_cast<char>(type);
    header.append(3, char(0));  // deflate, adaptive filtering, no interlace
    return header;
}

std::string Palette(const std::vector<std::uint32_t>& palette) {
    std::string colours;
    for (const std::uint32_t colour : palette) {
        colours += static_cast<char>(Red(colour));
        colours += static_cast<char>(Green(colour));
        colours += static_cast<char>(Blue(colour));
    }
    return colours;
}

}  // namespace

Result<std::string> EncodePng(const PictureRows& picture, double dotsPerMm) {
    if (!picture.HasPixels()) return Failure{"there is no picture"};
    const Encoded encoded = Encode(picture);
    if (encoded.idat.empty()) return Failure{"PNG encoding failed"};
    std::string png("\x89PNG\r\n\x1a\n", 8);
    png.reserve(encoded.idat.size() + 128 + 3 * encoded.palette.size());
    AppendChunk(png, "IHDR", Header(picture, encoded.type));
    if (encoded.type == kPalette) AppendChunk(png, "PLTE", Palette(encoded.palette));
    std::string density;
    PutBE32(density, static_cast<std::uint32_t>(DotsPerMetre(dotsPerMm)));
    PutBE32(density, static_cast<std::uint32_t>(DotsPerMetre(dotsPerMm)));
    density += char(1);  // the unit is the metre
    AppendChunk(png, "pHYs", density);
    AppendChunk(png, "IDAT", encoded.idat);
    AppendChunk(png, "IEND", {});
    return png;
}

}  // namespace quillmark
