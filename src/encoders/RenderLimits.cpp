// Font fitting shared by the renderers.
#include "encoders/RenderLimits.h"

#include <algorithm>

namespace quillmark {

namespace {

bool Fits(TCanvas& canvas, std::string_view text, int height, double limit, Fit fit) {
    canvas.SetFontHeight(height);
    const double width = canvas.TextWidth(text);
    return fit == Fit::Narrower ? width < limit : width <= limit;
}

}  // namespace

int FitFontHeight(TCanvas& canvas, std::string_view text, int start, int minHeight, double limit,
                  Fit fit) {
    canvas.SetFontHeight(start);
    if (start <= minHeight) return start;
    const double startWidth = canvas.TextWidth(text);
    if (fit == Fit::Narrower ? startWidth < limit : startWidth <= limit) return start;

    const double estimate = startWidth > 0 ? std::floor(start * (limit / startWidth)) : minHeight;
    int height = static_cast<int>(
        std::clamp(estimate, static_cast<double>(minHeight), static_cast<double>(start - 1)));
    if (Fits(canvas, text, height, limit, fit)) {
        while (height + 1 < start && Fits(canvas, text, height + 1, limit, fit)) ++height;
    } else {
        while (height > minHeight) {
            if (Fits(canvas, text, --height, limit, fit)) break;
        }
    }
    canvas.SetFontHeight(height);
    return height;
}

}  // namespace quillmark
