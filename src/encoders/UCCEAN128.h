// UCC/EAN-128 (GS1-128): Code 128 codewords starting with FNC1, and the renderer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark {

inline constexpr std::uint16_t kCodesEnd = 0xFFFF;
using Code128Codes = std::array<std::uint16_t, 256>;

// The module width in millimetres at a horizontal magnification of 100 %.
inline constexpr double kUCCEAN128ModuleMm = 0.25;

// Codewords that fit before the terminator: start character through check character.
inline constexpr std::size_t kMaxCodewords = 255;

// What the encoder could not fit: the text is encoded up to the longest prefix that fits in
// 255 codewords (check character included).
struct EncodeResult {
    bool truncated = false;
    std::size_t encodedChars = 0;  // characters of text that reached the codewords (and HRText)
};

// Text is a byte string in the field's 8-bit notation: 32-127 ASCII, 192-223 NUL..US,
// 224-227 FNC1..FNC4, 0-31 control characters; other codes are skipped. Space, "(" and ")" only
// shape the human-readable line. Codes receives start character, FNC1, data, check character and
// kCodesEnd; hrText the printable part of the encoded text (ASCII 32-127, so also valid UTF-8).
EncodeResult EncodeUCCEAN128(std::string_view text, Code128Codes& codes, std::string& hrText);

// Entries before the first kCodesEnd, at most kMaxCodewords; an entry that is no codeword value
// (above 105) also ends the sequence, so the pattern table is never read out of range.
std::size_t Code128CodewordCount(const Code128Codes& codes);

// The module string of the codewords before the first kCodesEnd, followed by the stop pattern.
std::string Code128Modules(const Code128Codes& codes);

// The bars' height at vSizePercent and the quiet zones (ten modules each side).
DrawnGeometry UCCEAN128Geometry(unsigned short vSizePercent);

// Draws the symbol with its line centred below, or with canvas == nullptr only measures it.
// bounds receives the pixel extent in both passes; a scale or offset that is not a finite number,
// a scale not above 0 or a magnification of 0 gives an empty bounds and draws nothing. Each bar
// is drawn barReductionDots pixels narrower (see ReducedLast).
void DrawUCCEAN128(const Code128Codes& codes, std::string_view hrText, TCanvas* canvas,
                   double offsetX, double offsetY, unsigned short gSizePercent,
                   unsigned short vSizePercent, double scaleX, double scaleY, TRect& bounds,
                   int barReductionDots = 0);

}  // namespace quillmark
