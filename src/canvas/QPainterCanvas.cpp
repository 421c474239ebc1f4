// TCanvas over a QPainter with pixel-exact fills and lines and cell-height font sizing.
#include "canvas/QPainterCanvas.h"

#include "encoders/LinePixels.h"
#include "raster/Fonts.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QRect>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <utility>

namespace quillmark {

namespace {

// No device is this large; clamping keeps hostile coordinates away from Qt's fixed-point
// rasteriser and from integer overflow in widths.
constexpr long long kCoordinateLimit = 1LL << 22;

constexpr int kVisibleMargin = static_cast<int>(kCoordinateLimit);

long long Clamp(long long v) {
    return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

QRect PixelRect(const PixelFill& fill) {
    return QRect(static_cast<int>(fill.left), static_cast<int>(fill.top),
                 static_cast<int>(fill.right - fill.left),
                 static_cast<int>(fill.bottom - fill.top));
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Bars and fills must be crisp whatever hints the owner of the painter set.
class AntialiasingOff {
public:
    explicit AntialiasingOff(QPainter& painter)
        : painter_(painter), was_(painter.testRenderHint(QPainter::Antialiasing)) {
        if (was_) painter_.setRenderHint(QPainter::Antialiasing, false);
    }
    ~AntialiasingOff() {
        if (was_) painter_.setRenderHint(QPainter::Antialiasing, true);
    }
    AntialiasingOff(const AntialiasingOff&) = delete;
    AntialiasingOff& operator=(const AntialiasingOff&) = delete;

private:
    QPainter& painter_;
    bool was_;
};

int CellHeight(const QString& family, int pixelSize) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

}  // namespace

QColor ToQColor(TColor color) {
    return QColor(static_cast<int>((color >> 16) & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>(color & 0xFF));
}

TColor FromQColor(const QColor& color) {
    return static_cast<TColor>(color.rgb()) & 0xFFFFFF;
}

int FontPixelSize(std::string_view fontName, int height) {
    if (height == 0) return 0;
    static std::mutex mutex;
    static std::map<std::pair<std::string, int>, int> cache;
    std::pair<std::string, int> key{std::string(fontName), height};
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (const auto found = cache.find(key); found != cache.end()) return found->second;
    }
    const QString family = ToQString(fontName);
    const int size = PixelSizeForHeight(
        height, [&family](int pixelSize) { return CellHeight(family, pixelSize); });
    const std::lock_guard<std::mutex> lock(mutex);
    cache.emplace(std::move(key), size);
    return size;
}

QFont CanvasFont(std::string_view fontName, int height) {
    QFont font(ToQString(fontName));
    font.setPixelSize(std::max(1, FontPixelSize(fontName, height)));
    return font;
}

QPainterCanvas::QPainterCanvas(QPainter& painter, Fills fills) : painter_(painter), held_(fills) {
    if (held_.Joins()) painter_.save();
}

QPainterCanvas::~QPainterCanvas() {
    if (!held_.Joins()) return;
    FlushFill();
    painter_.restore();
}

QFont QPainterCanvas::CurrentFont() const {
    return CanvasFont(fontName_, fontHeight_);
}

bool QPainterCanvas::TextVisible() const {
    return FontPixelSize(fontName_, fontHeight_) > 0;
}

void QPainterCanvas::FillPixels(long long left, long long top, long long right, long long bottom,
                                TColor color) {
    left = Clamp(left);
    top = Clamp(top);
    right = Clamp(right);
    bottom = Clamp(bottom);
    if (right <= left || bottom <= top) return;
    held_.Fill({left, top, right, bottom, color},
               [this](const PixelFill& fill) { PaintFill(fill); });
}

// Paints a fill. Immediate: in a colour of its own, which leaves the painter's state as it was.
// Joined: setting the brush only when the colour changes, since a fill in a colour of its own
// (QPainter::fillRect) sets and restores the painter's state around every rectangle, which a PDF
// page also writes out each time.
void QPainterCanvas::PaintFill(const PixelFill& fill) {
    const AntialiasingOff crisp(painter_);
    const QColor color = ToQColor(fill.color);
    if (!held_.Joins()) {
        painter_.fillRect(PixelRect(fill), color);
        return;
    }
    if (painter_.pen().style() != Qt::NoPen) painter_.setPen(Qt::NoPen);
    if (painter_.brush().style() != Qt::SolidPattern || painter_.brush().color() != color)
        painter_.setBrush(color);
    painter_.drawRect(PixelRect(fill));
}

void QPainterCanvas::FlushFill() {
    held_.Flush([this](const PixelFill& fill) { PaintFill(fill); });
}

// Bresenham's walk: one pixel per step along the major axis, the end point left out. Only the
// pixels that can reach the device are painted, so a hostile length costs loop steps only.
void QPainterCanvas::DrawSlantedLine(long long x0, long long y0, long long x1, long long y1) {
    FlushFill();
    x0 = Clamp(x0);
    y0 = Clamp(y0);
    x1 = Clamp(x1);
    y1 = Clamp(y1);
    QRect visible(-kVisibleMargin, -kVisibleMargin, kVisibleMargin * 2, kVisibleMargin * 2);
    if (const QPaintDevice* device = painter_.device()) {
        bool invertible = false;
        const QTransform toCanvas = painter_.combinedTransform().inverted(&invertible);
        if (invertible)
            visible = toCanvas.mapRect(QRect(0, 0, device->width(), device->height()))
                          .adjusted(-1, -1, 1, 1);
    }
    const AntialiasingOff crisp(painter_);
    const QColor color = ToQColor(pen_);
    ForEachLinePixel(x0, y0, x1, y1, [&](long long x, long long y) {
        if (visible.contains(static_cast<int>(x), static_cast<int>(y)))
            painter_.fillRect(QRect(static_cast<int>(x), static_cast<int>(y), 1, 1), color);
    });
}

int QPainterCanvas::TextWidth(std::string_view text) {
    if (!TextVisible()) return 0;
    return QFontMetrics(CurrentFont()).horizontalAdvance(ToQString(text));
}

void QPainterCanvas::DrawGlyphs(long long x, long long y, const QString& text, const QFont& font) {
    FlushFill();
    const QFontMetrics metrics(font);
    painter_.setFont(font);
    painter_.setPen(ToQColor(fontColor_));
    painter_.drawText(
        QPoint(static_cast<int>(Clamp(x)), static_cast<int>(Clamp(y + metrics.ascent()))), text);
}

void QPainterCanvas::TextOut(int x, int y, std::string_view text) {
    if (!TextVisible()) return;
    const QString qtext = ToQString(text);
    const QFont font = CurrentFont();
    const QFontMetrics metrics(font);
    FillPixels(x, y, static_cast<long long>(x) + metrics.horizontalAdvance(qtext),
               static_cast<long long>(y) + metrics.ascent() + metrics.descent(), brush_);
    painter_.save();
    DrawGlyphs(x, y, qtext, font);
    painter_.restore();
}

void QPainterCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    FillRect(rect);
    if (!TextVisible() || rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
    const long long left = Clamp(rect.Left);
    const long long top = Clamp(rect.Top);
    const QRect clip(static_cast<int>(left), static_cast<int>(top),
                     static_cast<int>(Clamp(rect.Right) - left),
                     static_cast<int>(Clamp(rect.Bottom) - top));
    FlushFill();  // before the clip, which would cut what the held fill joined
    painter_.save();
    painter_.setClipRect(clip, Qt::IntersectClip);
    DrawGlyphs(x, y, ToQString(text), CurrentFont());
    painter_.restore();
}

}  // namespace quillmark
