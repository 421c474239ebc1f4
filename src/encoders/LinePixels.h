// The pixels of a one-pixel line: its start painted, its end not, in every direction.
#pragma once

#include <cstdlib>

namespace quillmark {

// Calls paint(x, y) for each pixel of the line from (x0, y0) towards (x1, y1) (Bresenham), the
// end pixel excluded, as a canvas's line-to draws it.
template <typename Paint>
void ForEachLinePixel(long long x0, long long y0, long long x1, long long y1, Paint&& paint) {
    const long long dx = std::llabs(x1 - x0);
    const long long dy = -std::llabs(y1 - y0);
    const long long sx = x0 < x1 ? 1 : -1;
    const long long sy = y0 < y1 ? 1 : -1;
    long long error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        paint(x0, y0);
        const long long twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

}  // namespace quillmark
