// PDF through QPdfWriter at the raster picture's grid.
#include "output/VectorPictures.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRect>

#include <cmath>

#include "canvas/QPainterCanvas.h"
#include "canvas/SymbolImage.h"
#include "output/AtomicFile.h"

namespace quillmark {
namespace {

// The PDF's own resolution; the painter is scaled from it to the renderer's pixels, so any
// dotsPerMm (not only those of a whole number of dots per inch) keeps its exact physical size.
constexpr int kPdfDotsPerInch = 1200;

// A size a hair above a whole number of points is that number: float noise adds no point.
constexpr double kPointSlack = 1e-6;

bool HasArea(const TRect& bounds) {
    return bounds.Right > bounds.Left && bounds.Bottom > bounds.Top;
}

}  // namespace

QByteArray PdfOfPages(const QPageLayout& layout, const PdfPaint& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Quillmark"));
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer) || !paint(painter, writer) || !painter.end()) return {};
    }
    return bytes;
}

QByteArray SymbolPdf(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm) {
    const TRect bounds = MeasureSymbolBounds(render);
    if (!HasArea(bounds) || !(dotsPerMm > 0)) return {};
    // Qt's PDF pages are whole points: the page is rounded up, the symbol keeps its exact size
    // at the top-left corner, and the sliver beyond it (under a point) takes the background.
    const double pointsPerPixel = 72.0 / 25.4 / dotsPerMm;
    const QSize pagePoints(
        static_cast<int>(std::ceil((bounds.Right - bounds.Left) * pointsPerPixel - kPointSlack)),
        static_cast<int>(std::ceil((bounds.Bottom - bounds.Top) * pointsPerPixel - kPointSlack)));
    const QPageLayout layout(QPageSize(pagePoints, QString(), QPageSize::ExactMatch),
                             QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    return PdfOfPages(layout, [&](QPainter& painter, QPagedPaintDevice& device) {
        painter.fillRect(QRect(0, 0, device.width(), device.height()), ToQColor(style.background));
        const double unitsPerPixel = kPdfDotsPerInch / 25.4 / dotsPerMm;
        painter.scale(unitsPerPixel, unitsPerPixel);
        painter.translate(-bounds.Left, -bounds.Top);
        PaintSymbol(painter, render, style, bounds);
        return true;
    });
}

Result<void> SavePdf(const SymbolRenderer& render, const SymbolStyle& style, double dotsPerMm,
                     const std::string& path) {
    const QByteArray pdf = SymbolPdf(render, style, dotsPerMm);
    if (pdf.isEmpty()) return Failure{CannotWrite(path, "the PDF could not be made")};
    return WriteFileAtomically(
        path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace quillmark
