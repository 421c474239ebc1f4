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

// What the encoder could not fit: the text is encoded up to the longest prefix that fits in
// 255 codewords (check character included).
struct EncodeResult {
    bool truncated = false;
    std::size_t encodedChars = 0;  // characters of text that reached the codewords (and HRText)
};

// Text is a byte string in the field's 8-bit notation: 32-127 ASCII, 192-223 NUL..US,
// 224-227 FNC1..FNC4, 0-31 control characters; other codes are skipped.
EncodeResult EncodeUCCEAN128(std::string_view text, Code128Codes& codes, std::string& hrText);

// The module string of the codewords before the first kCodesEnd, followed by the stop pattern.
std::string Code128Modules(const Code128Codes& codes);

void DrawUCCEAN128(const Code128Codes& codes, std::string_view hrText, TCanvas* canvas,
                   double offsetX, double offsetY, unsigned short gSizePercent,
                   unsigned short vSizePercent, double scaleX, double scaleY, TRect& bounds);

}  // namespace quillmark
