// The calls a renderer makes on a canvas, kept and made again on another one.
#include "raster/CanvasCalls.h"

#include "raster/Fonts.h"

namespace quillmark {

void CanvasCalls::Keep(Call call, std::initializer_list<std::int32_t> values) {
    calls_.push_back(static_cast<std::int32_t>(call));
    calls_.insert(calls_.end(), values);
}

// The text's start and length in texts_, after the call's other values.
void CanvasCalls::KeepText(std::string_view text) {
    calls_.push_back(static_cast<std::int32_t>(texts_.size()));
    calls_.push_back(static_cast<std::int32_t>(text.size()));
    texts_.append(text);
}

void CanvasCalls::SetPenColor(TColor color) {
    CanvasState::SetPenColor(color);
    Keep(Call::Pen, {static_cast<std::int32_t>(pen_)});
}

void CanvasCalls::SetBrushColor(TColor color) {
    CanvasState::SetBrushColor(color);
    Keep(Call::Brush, {static_cast<std::int32_t>(brush_)});
}

void CanvasCalls::SetFontColor(TColor color) {
    CanvasState::SetFontColor(color);
    Keep(Call::FontColour, {static_cast<std::int32_t>(fontColor_)});
}

void CanvasCalls::SetFontName(std::string_view name) {
    CanvasState::SetFontName(name);
    Keep(Call::FontName, {});
    KeepText(name);
}

void CanvasCalls::SetFontHeight(int height) {
    CanvasState::SetFontHeight(height);
    Keep(Call::FontHeight, {height});
}

void CanvasCalls::FillRect(const TRect& rect) {
    Keep(Call::Fill, {rect.Left, rect.Top, rect.Right, rect.Bottom});
}

void CanvasCalls::MoveTo(int x, int y) {
    Keep(Call::Move, {x, y});
}

void CanvasCalls::LineTo(int x, int y) {
    Keep(Call::Line, {x, y});
}

int CanvasCalls::TextWidth(std::string_view text) {
    return TextAdvance(fontName_, fontHeight_, text);
}

void CanvasCalls::TextOut(int x, int y, std::string_view text) {
    Keep(Call::Text, {x, y});
    KeepText(text);
}

void CanvasCalls::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    Keep(Call::TextInRect, {rect.Left, rect.Top, rect.Right, rect.Bottom, x, y});
    KeepText(text);
}

void CanvasCalls::PlayOnto(TCanvas& canvas) const {
    const std::int32_t* at = calls_.data();
    const std::int32_t* const end = at + calls_.size();
    const auto text = [&](const std::int32_t* place) {
        return std::string_view(texts_).substr(static_cast<std::size_t>(place[0]),
                                               static_cast<std::size_t>(place[1]));
    };
    const auto colour = [](std::int32_t value) { return static_cast<TColor>(value); };
    while (at != end) {
        const auto call = static_cast<Call>(*at++);
        switch (call) {
            case Call::Pen:
                canvas.SetPenColor(colour(*at++));
                break;
            case Call::Brush:
                canvas.SetBrushColor(colour(*at++));
                break;
            case Call::FontColour:
                canvas.SetFontColor(colour(*at++));
                break;
            case Call::FontName:
                canvas.SetFontName(text(at));
                at += 2;
                break;
            case Call::FontHeight:
                canvas.SetFontHeight(*at++);
                break;
            case Call::Fill:
                canvas.FillRect({at[0], at[1], at[2], at[3]});
                at += 4;
                break;
            case Call::Move:
                canvas.MoveTo(at[0], at[1]);
                at += 2;
                break;
            case Call::Line:
                canvas.LineTo(at[0], at[1]);
                at += 2;
                break;
            case Call::Text:
                canvas.TextOut(at[0], at[1], text(at + 2));
                at += 4;
                break;
            case Call::TextInRect:
                canvas.TextRect({at[0], at[1], at[2], at[3]}, at[4], at[5], text(at + 6));
                at += 8;
                break;
        }
    }
}

}  // namespace quillmark
