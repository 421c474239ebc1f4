// TCanvas over a QPainter: the same drawing code serves the preview widget, pictures and printers.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>

#include "encoders/Canvas.h"

namespace quillmark {

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

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

    QPainter& painter_;
    TColor pen_ = 0x000000;
    TColor brush_ = 0xFFFFFF;
    TColor fontColor_ = 0x000000;
    std::string fontName_ = "Liberation Sans";
    int fontHeight_ = 0;
    QPoint penPos_;
};

}  // namespace quillmark
