// ITF-14 (Interleaved 2 of 5 with bearer bars) element string and renderer.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark {

// The narrow element in millimetres at 100 %.
inline constexpr double kITF14NarrowMm = 1.016;
// The bearer bars' thickness in millimetres at 100 %.
inline constexpr double kITF14BearerMm = 4.8;

// Interleaved 2 of 5 digit patterns, indexed by digit value: five elements, first element first,
// "0" narrow and "1" wide; every row holds exactly two wide elements.
extern const std::array<std::string_view, 10> ITFDigitPatterns;

// The element string: "1" narrow bar, "3" wide bar, "0" narrow space, "2" wide space, from the
// start pattern to the stop pattern. Empty unless digits holds exactly fourteen digits "0"-"9".
std::string ITF14Elements(std::string_view digits);

// The bars' height and the quiet zones (ten narrow elements each side) at sizePercent.
DrawnGeometry ITF14Geometry(unsigned short sizePercent);

// The box at sizePercent: the bars end where the bottom bearer begins.
SymbolBox ITF14Box(unsigned short sizePercent);

// Draws an ITF-14 symbol (or only measures it when canvas is null); bounds gets the extent.
// A scale that is not a positive finite number, a sizePercent of 0, or an extent too far out to
// address in pixels gives empty bounds and draws nothing. Digits that are not exactly fourteen
// digits give the fill and bearers only. When the narrow element rounds to no pixel column the
// bars are left out, since wide bars alone would read as other data. Each bar is drawn
// barReductionDots pixels narrower (see ReducedLast); the bearers are drawn as they are.
void DrawITF14(std::string_view digits, TCanvas* canvas, unsigned short sizePercent, double offsetX,
               double offsetY, double scaleX, double scaleY, bool fullBorder, TRect& bounds,
               int barReductionDots = 0);

}  // namespace quillmark
