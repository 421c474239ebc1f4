// Pictures of a symbol: the size check, painting into an image, and safe saving.
#pragma once

#include <QImage>
#include <QString>
#include <string>

#include "cli/SymbolSpec.h"

namespace quillmark {

inline constexpr int kMaxPictureSide = 32767;
inline constexpr long long kMaxPicturePixels = 100'000'000;

// The symbol's pixel extent at the origin (the measure pass).
TRect MeasureSymbol(const SymbolSpec& spec, double scaleX, double scaleY);

// Empty when a picture of extent (measured at the origin) can be made; otherwise why not.
std::string PictureSizeProblem(const TRect& extent);

// A picture exactly the size of the measured extent, white, with the symbol drawn in black in the
// font "Liberation Sans". Needs a QGuiApplication. Null when the image cannot be made.
QImage PaintSymbolImage(const SymbolSpec& spec, double scaleX, double scaleY);

// Writes image in format ("PNG", "BMP") through a temporary file that replaces path only when
// complete, so a failure never leaves a partial file and keeps an existing one intact.
// Empty on success; otherwise a message naming the file and the reason.
std::string SavePicture(const QImage& image, const QString& path, const char* format);

}  // namespace quillmark
