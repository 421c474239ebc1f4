// Pictures of a symbol for the command line: the size check and painting into an image.
#pragma once

#include <QImage>
#include <QString>
#include <string>

#include "cli/SymbolRequest.h"
#include "output/PictureWriter.h"

namespace quillmark {

inline constexpr int kMaxPictureSide = 32767;
inline constexpr long long kMaxPicturePixels = 100'000'000;

// The symbol's pixel extent at the origin (the measure pass).
TRect MeasureSymbol(const SymbolRequest& symbol, double scaleX, double scaleY);

// Empty when a picture of extent (measured at the origin) can be made; otherwise why not.
std::string PictureSizeProblem(const TRect& extent);

// A picture exactly the size of the measured extent, white, with the symbol drawn in black in the
// font "Liberation Sans". Needs a QGuiApplication. Null when the image cannot be made.
QImage PaintSymbolImage(const SymbolRequest& symbol, double scaleX, double scaleY);

}  // namespace quillmark
