// A canvas for the fuzz targets: draws nothing, checks every line and fill against the extent.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "encoders/Canvas.h"
#include "support/ExtentCanvas.h"

namespace quillmark::fuzz {

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

// Anything drawn outside the extent ends the run.
class FuzzCanvas : public test::ExtentCanvas {
public:
    using ExtentCanvas::ExtentCanvas;

private:
    void DrawnOutside() override { Fail("drawn outside the extent"); }
};

// Whether drawing into extent stays quick enough for fuzzing: the draw pass costs about one
// line per pixel column or row, so both sides and the area are bounded (a symbol one pixel high
// may still be a billion pixels wide).
inline bool SmallEnoughToDraw(const TRect& r) {
    const double w = static_cast<double>(r.Right) - r.Left;
    const double h = static_cast<double>(r.Bottom) - r.Top;
    return w <= 4000 && h <= 4000 && w * h <= 1e6;
}

}  // namespace quillmark::fuzz
