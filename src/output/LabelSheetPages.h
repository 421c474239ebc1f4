// Pages of label sheets: symbols placed in their labels, a printer's corrections applied, and the
// calibration page that measures them.
#pragma once

#include <QByteArray>
#include <QPagedPaintDevice>
#include <QPainter>

#include <string>
#include <vector>

#include "canvas/SymbolImage.h"
#include "output/PrinterProfile.h"
#include "sheets/LabelSheet.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

struct LabelSheetJob {
    const LabelSheet* sheet = nullptr;
    std::vector<SymbolRequest> symbols;  // encoded, each printed copies times
    int startCell = 1;                   // 1-based: the first label of the first sheet not used yet
    int copies = 1;
    SymbolPlacement placement;
    SymbolStyle style;
    double dotsPerMm = 0;  // the printer's resolution
    // Each symbol's module a whole number of the printer's dots (within the symbology's
    // magnifications) and its corner on a dot, so that no bar is a dot wider than another.
    bool wholeDots = false;
    bool outlines = false;  // the labels' outlines drawn too, to hold a plain-paper proof against
};

// The symbols (0-based) that do not fit their label with their quiet zones.
std::vector<int> SymbolsNotFitting(const LabelSheetJob& job);

// How many pages the job fills.
int LabelSheetPageCount(const LabelSheetJob& job);

// Draws page (0-based) of the job in the painter's current coordinates, one unit a millimetre of
// the paper: the outlines when asked for, and the symbols.
void PaintSheetPage(QPainter& painter, const LabelSheetJob& job, int page);

// Draws the job's pages on the painter's paged device, whose page is the sheet's paper with no
// margins; empty on success, else why it stopped.
std::string PaintLabelSheets(QPainter& painter, QPagedPaintDevice& device, const LabelSheetJob& job,
                             const PrinterProfile& profile);

// The job as a PDF of as many pages; empty when it could not be made.
QByteArray LabelSheetsPdf(const LabelSheetJob& job, const PrinterProfile& profile);

// The calibration page on a paper of widthMm x heightMm: a cross 10 mm from the page's top-left
// corner with 100 mm rulers from it along both axes, drawn with the profile's corrections.
void PaintCalibrationPage(QPainter& painter, const QPagedPaintDevice& device,
                          const PrinterProfile& profile);
QByteArray CalibrationPdf(double widthMm, double heightMm, const PrinterProfile& profile);

}  // namespace quillmark
