// Draws a 2D symbol's module matrix with its quiet zone and, on request, its element string below.
#pragma once

#include <string_view>

#include "encoders/Canvas.h"
#include "encoders/MatrixEncode.h"

namespace quillmark {

// Quiet zones on every side, in modules.
inline constexpr int kDataMatrixQuietModules = 1;
inline constexpr int kQRQuietModules = 4;

// The line under the symbol that carries the element string, in millimetres: its height, and the
// light gap above its text, which keeps a reader from taking the text for modules.
inline constexpr double kMatrixTextBandMm = 3.5;
inline constexpr double kMatrixTextGapMm = 1.0;

// Draws matrix at (offsetX, offsetY) millimetres with modules moduleMm square, in the pen colour on
// the brush colour; a non-empty text is centred below, no wider than the symbol. A null canvas
// measures only. bounds stays empty for a module or scale nothing can be drawn with.
void DrawMatrix2D(const ModuleMatrix& matrix, int quietModules, double moduleMm,
                  std::string_view text, TCanvas* canvas, double offsetX, double offsetY,
                  double scaleX, double scaleY, TRect& bounds);

}  // namespace quillmark
