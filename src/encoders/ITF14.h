// ITF-14 (Interleaved 2 of 5 with bearer bars) element string and renderer.
#pragma once

#include <string>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark {

// The element string: "1" narrow bar, "3" wide bar, "0" narrow space, "2" wide space.
std::string ITF14Elements(std::string_view digits);

// Draws an ITF-14 symbol (or only measures it when canvas is null); bounds gets the extent.
void DrawITF14(std::string_view digits, TCanvas* canvas, unsigned short sizePercent,
               double offsetX, double offsetY, double scaleX, double scaleY, bool fullBorder,
               TRect& bounds);

}  // namespace quillmark
