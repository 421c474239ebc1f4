// One symbol written as a picture file or to a stream, in any of the formats the writers know.
#pragma once

#include <optional>
#include <string>

#include "raster/SymbolRaster.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

enum class PictureFormat { PNG, BMP, JPEG, SVG, PDF };

// The format named by "png", "bmp", "jpg", "jpeg", "svg" or "pdf" in any case.
std::optional<PictureFormat> FormatByName(const std::string& name);
// The format of a file name's extension, in any case.
std::optional<PictureFormat> FormatForPath(const std::string& path);

// Everything but the symbol that decides how its picture looks.
struct PictureSettings {
    double dotsPerMm = 12;
    // Each module a whole number of dots at dotsPerMm (a resolution in dots per inch, a printer's).
    bool wholeDots = false;
    SymbolStyle style;
    // BMP, JPEG and PNG files drawn a band of rows at a time, for a process that writes one
    // picture: its pixels never come from fresh memory all at once. A batch, whose pictures reuse
    // one another's memory, draws each whole (once).
    bool inBands = true;
};

// symbol's renderer for its picture: each pixel one dot of settings.dotsPerMm, with whole dots
// a whole number of them per module.
SymbolRenderer BindPicture(const SymbolRequest& symbol, const PictureSettings& settings);

// Why symbol cannot have whole-dot modules at dotsPerMm (no whole number of dots gives it a
// module within its sizes); empty when it can.
std::string WholeDotRefusal(const SymbolRequest& symbol, double dotsPerMm);

// The outcome of drawing one picture: an error message, or the picture (and the pixels it was
// drawn with, so that they can be read back without a second draw).
struct PictureResult {
    std::string error;
    Raster raster;  // the symbol's pixels at settings.dotsPerMm; empty for a file drawn in bands
};

// Writes the symbol's picture to path atomically. A BMP, JPEG or PNG file drawn in bands (see
// PictureSettings) is never held whole; a check reads the file back. A vector format keeps the
// raster picture's grid, so raster carries what it looks like at that density. PDF pictures come
// from the PDF module (LoadPdfModule), which must have been loaded on the main thread first.
PictureResult WriteSymbolPicture(const SymbolRequest& symbol, const PictureSettings& settings,
                                 PictureFormat format, const std::string& path);

// The same picture's bytes, for standard output.
PictureResult EncodeSymbolPicture(const SymbolRequest& symbol, const PictureSettings& settings,
                                  PictureFormat format, std::string& bytes);

// Writes the default font's glyph store when this run added to it, in a folder of the user's alone
// created when missing. A failure costs the next run only its speed and is not reported.
void KeepGlyphStore();

}  // namespace quillmark
