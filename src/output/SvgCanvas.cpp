// Recording of fills, lines and texts, and the SVG document they make.
#include "output/SvgCanvas.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "output/XmlText.h"
#include "raster/Fonts.h"

namespace quillmark {
namespace {

std::string Colour(TColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(color & 0xFFFFFF));
    return text;
}

// Millimetres with up to four decimals and no trailing zeros: "45.23mm". to_chars writes the
// point whatever the locale (the window runs in the user's).
std::string Millimetres(double value) {
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    std::string text(buffer, error == std::errc() ? end : buffer);
    while (text.ends_with('0')) text.pop_back();
    if (text.ends_with('.')) text.pop_back();
    return text + "mm";
}

}  // namespace

void SvgCanvas::FillPixels(long long left, long long top, long long right, long long bottom,
                           TColor color) {
    if (right <= left || bottom <= top) return;
    if (!elements_.empty()) {
        Element& last = elements_.back();
        if (!last.isText && last.color == color) {
            // The same rectangle again (the symbol's box over the picture's background).
            if (last.left == left && last.top == top && last.right == right &&
                last.bottom == bottom)
                return;
            if (last.top == top && last.bottom == bottom && last.right == left) {
                last.right = right;
                return;
            }
            if (last.left == left && last.right == right && last.bottom == top) {
                last.bottom = bottom;
                return;
            }
        }
    }
    Element fill;
    fill.left = left;
    fill.top = top;
    fill.right = right;
    fill.bottom = bottom;
    fill.color = color;
    elements_.push_back(std::move(fill));
}

int SvgCanvas::TextWidth(std::string_view text) {
    return TextAdvance(fontName_, fontHeight_, text);
}

void SvgCanvas::Text(long long x, long long y, std::string_view text, const TRect* clip) {
    const FontCell cell = CellForHeight(fontName_, fontHeight_);
    if (cell.pixelSize <= 0) return;
    Element element;
    element.isText = true;
    element.x = x;
    element.baseline = y + cell.ascent;
    element.width = TextAdvance(fontName_, fontHeight_, text);
    element.pixelSize = cell.pixelSize;
    element.color = fontColor_;
    // The family the metrics came from, so that a viewer draws the text at the same width.
    element.family = DrawnFamily(fontName_);
    element.text = text;
    if (clip) {
        element.clipped = true;
        element.left = clip->Left;
        element.top = clip->Top;
        element.right = clip->Right;
        element.bottom = clip->Bottom;
    } else {
        FillPixels(x, y, x + element.width, y + cell.ascent + cell.descent, brush_);
    }
    elements_.push_back(std::move(element));
}

void SvgCanvas::TextOut(int x, int y, std::string_view text) {
    Text(x, y, text, nullptr);
}

void SvgCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    FillRect(rect);
    if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
    Text(x, y, text, &rect);
}

std::size_t SvgCanvas::RectangleCount() const {
    std::size_t count = 0;
    for (const Element& element : elements_) count += element.isText ? 0 : 1;
    return count;
}

std::string SvgCanvas::Document(const TRect& bounds, double dotsPerMm) const {
    const long long width = static_cast<long long>(bounds.Right) - bounds.Left;
    const long long height = static_cast<long long>(bounds.Bottom) - bounds.Top;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           Millimetres(static_cast<double>(width) / dotsPerMm) + "\" height=\"" +
           Millimetres(static_cast<double>(height) / dotsPerMm) + "\" viewBox=\"" +
           std::to_string(bounds.Left) + " " + std::to_string(bounds.Top) + " " +
           std::to_string(width) + " " + std::to_string(height) + "\">\n";
    svg += "<g shape-rendering=\"crispEdges\">\n";
    int clips = 0;
    for (const Element& e : elements_) {
        if (!e.isText) {
            svg += "<rect x=\"" + std::to_string(e.left) + "\" y=\"" + std::to_string(e.top) +
                   "\" width=\"" + std::to_string(e.right - e.left) + "\" height=\"" +
                   std::to_string(e.bottom - e.top) + "\" fill=\"" + Colour(e.color) + "\"/>\n";
            continue;
        }
        std::string clipAttribute;
        if (e.clipped) {
            const std::string id = "c" + std::to_string(++clips);
            svg += "<clipPath id=\"" + id + "\"><rect x=\"" + std::to_string(e.left) + "\" y=\"" +
                   std::to_string(e.top) + "\" width=\"" + std::to_string(e.right - e.left) +
                   "\" height=\"" + std::to_string(e.bottom - e.top) + "\"/></clipPath>\n";
            clipAttribute = " clip-path=\"url(#" + id + ")\"";
        }
        svg += "<text x=\"" + std::to_string(e.x) + "\" y=\"" + std::to_string(e.baseline) +
               "\" font-family=\"" + XmlEscaped(e.family) + "\" font-size=\"" +
               std::to_string(e.pixelSize) + "\" fill=\"" + Colour(e.color) + "\"" + clipAttribute +
               " xml:space=\"preserve\">" + XmlEscaped(e.text) + "</text>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

}  // namespace quillmark
