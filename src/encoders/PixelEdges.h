// Pixel edges for symbol characters whose modules are only one to a few pixels wide.
#pragma once

#include <span>

#include "encoders/Canvas.h"

namespace quillmark {

// Rounds a bar edge with every half pixel going right. Rounding halves to even sends neighbouring
// half-pixel edges in opposite directions, which makes an element between two of them a whole
// pixel too wide or too narrow; with all halves going one way such an element keeps its width.
int EdgePixel(double v);

// The last column of a bar of columns first to last once a bar width reduction of reduction
// pixels is taken off it. The columns go from the bar's right edge, so that every bar keeps its
// left edge, the bars their pitch and the symbol its width, and the light space after the bar
// gains what the bar lost; a bar keeps at least one column. A bar of no columns stays so.
int ReducedLast(int first, int last, int reduction);

// Draws columns first to last (inclusive), less the bar width reduction (see ReducedLast), as
// one-pixel lines from top to bottom (exclusive): one bar or one run of dark modules.
void DrawColumns(TCanvas& canvas, int first, int last, int top, int bottom, int reduction = 0);

// The most elements one symbol character may have here.
inline constexpr int kMaxCharacterElements = 7;

// A reader takes a character's module as its width in pixels over its module count and wants
// each bar and space within 0.7 of that module of its module count. Where a module is only a
// pixel or two wide, rounding every edge on its own leaves some elements most of a module off.
// So the character's pixels are shared out among its elements in proportion to their module
// counts: of the placements of its inner edges (each within a pixel and a half of exact) with
// every element within 0.7 of its share, the one whose elements are least off their shares in
// all, then the one nearest the exact edges.
//
// exact[0..count] are the exact edges of the count elements, elementModules their module counts;
// edges[0] is the left pixel edge, already drawn. The right edge is tried at each of
// rightEdges in turn until a placement fits; where none fits the edges are rounded one by one.
// Writes edges[1..count].
void PlaceCharacterEdges(const double* exact, const int* elementModules, int count,
                         std::span<const int> rightEdges, int* edges);

}  // namespace quillmark
