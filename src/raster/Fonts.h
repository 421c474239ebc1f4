// Fonts by family name for pictures drawn without Qt: cell metrics, advances and glyph coverage.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "raster/GlyphStore.h"

namespace quillmark {

// A font at the size the canvas rules give a font height: a positive height is the height of
// the character cell (the largest pixel size whose ascent + descent fits), a negative one the
// pixel size, 0 no text. pixelSize 0 means the text is not drawn.
struct FontCell {
    int pixelSize = 0;
    int ascent = 0;
    int descent = 0;
};

FontCell CellForHeight(std::string_view family, int height);

// The pixel size of a font height by the rules above, for any font: cellHeight gives the cell
// height (ascent + descent) of a pixel size. Sizes stop at the largest glyph size any symbol text
// needs.
int PixelSizeForHeight(int height, const std::function<int(int pixelSize)>& cellHeight);

// The width in pixels of a UTF-8 text in the family at the height: the sum of its advances.
int TextAdvance(std::string_view family, int height, std::string_view text);

// One glyph's antialiased coverage (0 to 255), rows top to bottom, placed from the pen position
// on the baseline: the first column is left pixels right of the pen, the first row top pixels
// above the baseline.
struct GlyphCoverage {
    int left = 0;
    int top = 0;
    int width = 0;
    int rows = 0;
    const unsigned char* coverage = nullptr;  // width x rows, packed
};

// Receives each glyph with its pen position in pixels from the start of the text.
using GlyphSink = std::function<void(long long pen, const GlyphCoverage& glyph)>;

// Lays a UTF-8 text out with the advances of TextAdvance and hands the glyphs to the sink;
// glyphs far outside the pen range [visibleLeft, visibleRight) are only advanced over.
void DrawTextGlyphs(std::string_view family, int height, std::string_view text,
                    long long visibleLeft, long long visibleRight, const GlyphSink& sink);

// The font file the system matches to the family (fontconfig's best match, a substitute when the
// family is not installed); empty when there is no font at all.
std::string FontFileFor(std::string_view family);

// The family name of the font the family is drawn with (its substitute when not installed).
std::string DrawnFamily(std::string_view family);

// Whether a font of exactly this family (any case) is installed.
bool FamilyInstalled(std::string_view family);

// The files of the default font's glyph store this process added to; the program writes them at
// the end, so that the next run draws the same text without FreeType.
std::vector<GlyphStoreFile> PendingGlyphStore();

}  // namespace quillmark
