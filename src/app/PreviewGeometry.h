// The preview's pixel density and the whole-millimetre offsets that centre a symbol in it.
#pragma once

class QScreen;

namespace quillmark {

struct PixelsPerMm {
    double x = 0;
    double y = 0;
};

// Pixels per millimetre of a screen of widthPx x heightPx pixels that measures widthMm x heightMm,
// each axis on its own. An axis whose millimetres are not a positive finite number (screens that
// do not report their size, virtual ones) falls back to its logical dots per inch / 25.4.
PixelsPerMm ScreenPixelsPerMm(int widthPx, int heightPx, double widthMm, double heightMm,
                              double logicalDpiX, double logicalDpiY);

// The same for a Qt screen: its geometry (in the device-independent pixels the widgets paint in)
// over its physical size. A null screen counts as 96 dpi.
PixelsPerMm ScreenPixelsPerMm(const QScreen* screen);

// The offset in whole millimetres that centres a symbol extentPx wide in availablePx:
// (available - extent) / 2 / scale, to the nearest integer with halves going to the even one.
// Negative when the symbol is larger than the preview (it then overhangs both sides equally).
// 0 when the scale gives no finite result.
double CentringOffset(int availablePx, int extentPx, double pixelsPerMm);

}  // namespace quillmark
