// TCanvas over a QPainter: the same drawing code serves the preview widget, pictures and printers.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QString>

#include <string>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark {

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// The pixel size a font height stands for. A positive height is the character cell: the largest
// pixel size whose ascent + descent does not exceed it. A negative height is the character height,
// taken as the pixel size |height|. 0 means no visible text (also when even the smallest size
// does not fit the cell). Results are cached per name and height.
int FontPixelSize(std::string_view fontName, int height);

// The font the canvas draws with for that name and height; its pixel size is FontPixelSize, or 1
// when that is 0 (the canvas then draws no glyphs).
QFont CanvasFont(std::string_view fontName, int height);

class QPainterCanvas : public TCanvas {
public:
    // The painter must stay active for the canvas's lifetime; the canvas sets its pen, brush and
    // font per operation and leaves no other state behind.
    explicit QPainterCanvas(QPainter& painter);

    TColor PenColor() const override;
    void SetPenColor(TColor color) override;
    TColor BrushColor() const override;
    void SetBrushColor(TColor color) override;
    TColor FontColor() const override;
    void SetFontColor(TColor color) override;
    std::string FontName() const override;
    void SetFontName(std::string_view name) override;
    int FontHeight() const override;
    void SetFontHeight(int height) override;

    void FillRect(const TRect& rect) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    int TextWidth(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TRect& rect, int x, int y, std::string_view text) override;

private:
    QFont CurrentFont() const;
    bool TextVisible() const;
    void FillPixels(long long left, long long top, long long right, long long bottom, TColor color);
    void DrawSlantedLine(long long x0, long long y0, long long x1, long long y1);
    void DrawGlyphs(long long x, long long y, const QString& text, const QFont& font);

    QPainter& painter_;
    TColor pen_ = 0x000000;
    TColor brush_ = 0xFFFFFF;
    TColor fontColor_ = 0x000000;
    std::string fontName_ = "Liberation Sans";
    int fontHeight_ = 0;
    QPoint penPos_;
};

}  // namespace quillmark
