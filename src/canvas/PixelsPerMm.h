// Pixel densities of screens, pictures and printers, in pixels per millimetre on each axis.
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

}  // namespace quillmark
