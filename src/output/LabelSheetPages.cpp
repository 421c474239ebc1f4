// Label sheets and the calibration page, painted in millimetres on any paged device.
#include "output/LabelSheetPages.h"

#include <QPageLayout>
#include <QPageSize>

#include <cmath>

#include "canvas/QPainterCanvas.h"
#include "check/WholeDots.h"
#include "output/VectorPictures.h"

namespace quillmark {
namespace {

// The calibration page's cross and rulers.
constexpr double kCrossAtMm = 10;
constexpr double kRulerMm = 100;

// A symbol as the printer draws it, each pixel one of its dots.
SymbolRenderer BindLabel(const LabelSheetJob& job, const SymbolRequest& request) {
    return BindAtResolution(request, job.dotsPerMm, job.wholeDots);
}

double WidthMm(const TRect& r, double dotsPerMm) {
    return (r.Right - r.Left) / dotsPerMm;
}
double HeightMm(const TRect& r, double dotsPerMm) {
    return (r.Bottom - r.Top) / dotsPerMm;
}

// Millimetres on the page as the printer's corrections want them, in the device's units.
QTransform PageTransform(const QPagedPaintDevice& device, const PrinterProfile& profile) {
    const double unitsX = device.logicalDpiX() / 25.4;
    const double unitsY = device.logicalDpiY() / 25.4;
    QTransform t;
    t.scale(unitsX, unitsY);
    t.translate(profile.offsetXMm, profile.offsetYMm);
    t.scale(profile.scaleXPercent / 100, profile.scaleYPercent / 100);
    return t;
}

void DrawOutline(QPainter& painter, const LabelSheet& sheet, const CellRect& cell) {
    painter.save();
    painter.setPen(QPen(Qt::gray, 0.2));
    painter.setBrush(Qt::NoBrush);
    const QRectF rect(cell.x, cell.y, cell.width, cell.height);
    if (sheet.shape == LabelShape::Round || sheet.shape == LabelShape::Ellipse ||
        sheet.shape == LabelShape::Cd) {
        painter.drawEllipse(rect);
    } else {
        painter.drawRoundedRect(rect, sheet.round, sheet.round);
    }
    painter.restore();
}

void DrawSymbol(QPainter& painter, const LabelSheetJob& job, const CellRect& cell, int symbol) {
    const SymbolRenderer render = BindLabel(job, job.symbols[symbol]);
    const TRect bounds = MeasureSymbolBounds(render);
    // Each pixel of the symbol drawn at its scale is one of the printer's dots.
    PlacedSymbol placed = PlaceInCell(cell, WidthMm(bounds, job.dotsPerMm),
                                      HeightMm(bounds, job.dotsPerMm), job.placement);
    if (job.wholeDots) {
        placed.x = std::round(placed.x * job.dotsPerMm) / job.dotsPerMm;
        placed.y = std::round(placed.y * job.dotsPerMm) / job.dotsPerMm;
    }
    painter.save();
    painter.translate(placed.x, placed.y);
    painter.scale(1 / job.dotsPerMm, 1 / job.dotsPerMm);
    painter.translate(-bounds.Left, -bounds.Top);
    PaintSymbol(painter, render, job.style, bounds);
    painter.restore();
}

// Where the job's labels go on sheets of cellCount labels.
std::vector<LabelSlot> JobSlots(const LabelSheetJob& job, std::size_t cellCount) {
    return FillSheets(static_cast<int>(cellCount), job.startCell,
                      static_cast<int>(job.symbols.size()), job.copies);
}

// One label: its outline when asked for, and its symbol.
void PaintLabel(QPainter& painter, const LabelSheetJob& job, const CellRect& cell, int symbol) {
    if (job.outlines) DrawOutline(painter, *job.sheet, cell);
    DrawSymbol(painter, job, cell, symbol);
}

// A page of the paper's size without margins, for the PDF of sheets or the calibration page.
QPageLayout PaperLayout(double widthMm, double heightMm) {
    return QPageLayout(QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter, QString(),
                                 QPageSize::ExactMatch),
                       QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace

std::vector<int> SymbolsNotFitting(const LabelSheetJob& job) {
    std::vector<int> misfits;
    if (!job.sheet || !(job.dotsPerMm > 0)) return misfits;
    const std::vector<CellRect> cells = SheetCells(*job.sheet);
    if (cells.empty()) return misfits;
    for (int i = 0; i < static_cast<int>(job.symbols.size()); ++i) {
        const TRect bounds = MeasureSymbolBounds(BindLabel(job, job.symbols[i]));
        if (!PlaceInCell(cells.front(), WidthMm(bounds, job.dotsPerMm),
                         HeightMm(bounds, job.dotsPerMm), job.placement)
                 .fits) {
            misfits.push_back(i);
        }
    }
    return misfits;
}

int LabelSheetPageCount(const LabelSheetJob& job) {
    if (!job.sheet) return 0;
    const std::vector<LabelSlot> labels = JobSlots(job, SheetCells(*job.sheet).size());
    return labels.empty() ? 0 : labels.back().page + 1;
}

void PaintSheetPage(QPainter& painter, const LabelSheetJob& job, int page) {
    if (!job.sheet || !(job.dotsPerMm > 0)) return;
    const std::vector<CellRect> cells = SheetCells(*job.sheet);
    for (const LabelSlot& slot : JobSlots(job, cells.size())) {
        if (slot.page < page) continue;
        if (slot.page > page) break;
        PaintLabel(painter, job, cells[slot.cell], slot.symbol);
    }
}

std::string PaintLabelSheets(QPainter& painter, QPagedPaintDevice& device, const LabelSheetJob& job,
                             const PrinterProfile& profile) {
    if (!job.sheet || !(job.dotsPerMm > 0)) return "no label sheet";
    // The labels are walked once, a new page started where they reach it.
    const std::vector<CellRect> cells = SheetCells(*job.sheet);
    const std::vector<LabelSlot> labels = JobSlots(job, cells.size());
    if (labels.empty()) return "no labels to print";
    painter.setTransform(PageTransform(device, profile));
    int page = 0;
    for (const LabelSlot& slot : labels) {
        for (; page < slot.page; ++page) {
            if (!device.newPage()) return "a new page could not be started";
        }
        PaintLabel(painter, job, cells[slot.cell], slot.symbol);
    }
    return {};
}

QByteArray LabelSheetsPdf(const LabelSheetJob& job, const PrinterProfile& profile) {
    if (!job.sheet) return {};
    return PdfOfPages(PaperLayout(job.sheet->paperWidth, job.sheet->paperHeight),
                      [&](QPainter& painter, QPagedPaintDevice& device) {
                          return PaintLabelSheets(painter, device, job, profile).empty();
                      });
}

void PaintCalibrationPage(QPainter& painter, const QPagedPaintDevice& device,
                          const PrinterProfile& profile) {
    painter.save();
    painter.setTransform(PageTransform(device, profile));
    painter.setPen(QPen(Qt::black, 0.1, Qt::SolidLine, Qt::FlatCap));
    const double c = kCrossAtMm;
    painter.drawLine(QPointF(c - 5, c), QPointF(c + 5, c));
    painter.drawLine(QPointF(c, c - 5), QPointF(c, c + 5));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(2.5);  // in millimetres here: the painter draws in them
    painter.setFont(font);
    for (int mm = 0; mm <= kRulerMm; ++mm) {
        const double tick = mm % 10 == 0 ? 5 : mm % 5 == 0 ? 3 : 2;
        painter.drawLine(QPointF(c + mm, c), QPointF(c + mm, c + tick));
        painter.drawLine(QPointF(c, c + mm), QPointF(c + tick, c + mm));
        if (mm % 10 == 0 && mm > 0) {
            painter.drawText(QPointF(c + mm + 0.5, c + 7.5), QString::number(mm));
            painter.drawText(QPointF(c + 6, c + mm + 1), QString::number(mm));
        }
    }
    painter.drawLine(QPointF(c, c), QPointF(c + kRulerMm, c));
    painter.drawLine(QPointF(c, c), QPointF(c, c + kRulerMm));
    painter.restore();
}

QByteArray CalibrationPdf(double widthMm, double heightMm, const PrinterProfile& profile) {
    return PdfOfPages(PaperLayout(widthMm, heightMm),
                      [&](QPainter& painter, QPagedPaintDevice& device) {
                          PaintCalibrationPage(painter, device, profile);
                          return true;
                      });
}

}  // namespace quillmark
