// The whole-millimetre offsets that centre a symbol in the preview.
#pragma once

#include "canvas/PixelsPerMm.h"

namespace quillmark {

// The offset in whole millimetres that centres a symbol extentPx wide in availablePx:
// (available - extent) / 2 / scale, to the nearest integer with halves going to the even one.
// Negative when the symbol is larger than the preview (it then overhangs both sides equally).
// 0 when the scale gives no finite result.
double CentringOffset(int availablePx, int extentPx, double pixelsPerMm);

}  // namespace quillmark
