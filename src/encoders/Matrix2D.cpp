// Draws a 2D symbol's module matrix with its quiet zone and, on request, its element string below.
#include "encoders/Matrix2D.h"

#include "encoders/RenderLimits.h"

namespace quillmark {

namespace {

// Fills every run of dark modules of each row as one rectangle, its edges the Px of the exact
// module edges, so that neighbouring modules meet without gaps or overlaps.
void FillDarkModules(TCanvas& canvas, const ModuleMatrix& matrix, double left, double top,
                     double moduleX, double moduleY) {
    const TColor background = canvas.BrushColor();
    canvas.SetBrushColor(canvas.PenColor());
    for (int y = 0; y < matrix.height; ++y) {
        const int rowTop = Px(top + y * moduleY);
        const int rowBottom = Px(top + (y + 1) * moduleY);
        for (int x = 0; x < matrix.width; ++x) {
            if (!matrix.At(x, y)) continue;
            int last = x;
            while (last + 1 < matrix.width && matrix.At(last + 1, y)) ++last;
            canvas.FillRect(
                {Px(left + x * moduleX), rowTop, Px(left + (last + 1) * moduleX), rowBottom});
            x = last;
        }
    }
    canvas.SetBrushColor(background);
}

}  // namespace

void DrawMatrix2D(const ModuleMatrix& matrix, int quietModules, double moduleMm,
                  std::string_view text, TCanvas* canvas, double offsetX, double offsetY,
                  double scaleX, double scaleY, TRect& bounds) {
    bounds = {};
    if (!IsUsableScale(scaleX) || !IsUsableScale(scaleY) || !IsUsableScale(moduleMm) ||
        matrix.width <= 0 || matrix.height <= 0)
        return;
    const double left = scaleX * offsetX;
    const double top = scaleY * offsetY;
    const double moduleX = scaleX * moduleMm;
    const double moduleY = scaleY * moduleMm;
    const double right = left + (matrix.width + 2 * quietModules) * moduleX;
    const double symbolBottom = top + (matrix.height + 2 * quietModules) * moduleY;
    const double bottom = symbolBottom + (text.empty() ? 0 : kMatrixTextBandMm * scaleY);
    if (!IsAddressable(left, top, right, bottom)) return;
    const TRect extent{Px(left), Px(top), Px(right), Px(bottom)};
    if (canvas == nullptr) {
        bounds = extent;
        return;
    }
    canvas->FillRect(extent);
    FillDarkModules(*canvas, matrix, left + quietModules * moduleX, top + quietModules * moduleY,
                    moduleX, moduleY);
    if (!text.empty()) {
        const double width = static_cast<double>(extent.Right) - extent.Left;
        FitFontHeight(*canvas, text, Px((kMatrixTextBandMm - kMatrixTextGapMm) * scaleY), 1, width,
                      Fit::NoWider);
        const int textWidth = canvas->TextWidth(text);
        canvas->TextOut(Px(left + (width - textWidth) / 2),
                        Px(symbolBottom + kMatrixTextGapMm * scaleY), text);
    }
    bounds = extent;
}

}  // namespace quillmark
