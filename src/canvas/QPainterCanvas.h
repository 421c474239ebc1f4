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

class QPainterCanvas : public CanvasState {
public:
    // Joined fills are painted at the latest when the canvas is destroyed, with the painter's
    // state restored then; Immediate ones leave the painter's state as it was after each. A PDF
    // page writes every fill out: joined, a label sheet's EAN-13s take a fifth of the fills.
    // The painter must stay active for the canvas's lifetime; the canvas sets its pen, brush and
    // font per operation and leaves no other state behind.
    explicit QPainterCanvas(QPainter& painter, Fills fills = Fills::Immediate);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    int TextWidth(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TRect& rect, int x, int y, std::string_view text) override;

private:
    QFont CurrentFont() const;
    bool TextVisible() const;
    void FillPixels(long long left, long long top, long long right, long long bottom,
                    TColor color) override;
    void DrawSlantedLine(long long x0, long long y0, long long x1, long long y1) override;
    void DrawGlyphs(long long x, long long y, const QString& text, const QFont& font);
    void PaintFill(const PixelFill& fill);
    void FlushFill();

    QPainter& painter_;
    HeldFill held_;
};

}  // namespace quillmark
