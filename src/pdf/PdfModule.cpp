// The module quillmark-render loads for PDF pictures and label sheets: Qt behind two C entries.
#include "pdf/PdfModule.h"

#include <QGuiApplication>
#include <QString>

#include <mutex>
#include <type_traits>

#include <cstdio>

#include "check/WholeDots.h"
#include "output/LabelSheetPages.h"
#include "output/VectorPictures.h"
#include "pdf/SheetModule.h"
#include "sheets/SheetTemplates.h"

namespace quillmark {
namespace {

QtMessageHandler defaultHandler = nullptr;

// Errors on stderr are one line each; Qt's notice about a missing runtime directory (usual when
// running headless as a service user) says nothing about the picture, so it is left out.
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
    defaultHandler(type, context, message);
}

// The offscreen platform needs no display and loads nothing else; a platform the user names is
// kept. The application lives until the process ends: Qt's fonts stay valid for every PDF.
void StartApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(FilterQtMessages);
    static int argc = 1;
    static char name[] = "quillmark-render";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* const application = new QGuiApplication(argc, argv);
    Q_UNUSED(application);
}

}  // namespace
}  // namespace quillmark

extern "C" __attribute__((visibility("default"))) bool quillmark_symbol_pdf(
    const quillmark::SymbolRequest* request, const quillmark::SymbolStyle* style, double dotsPerMm,
    bool wholeDots, std::string* pdf) {
    static std::once_flag started;
    std::call_once(started, quillmark::StartApplication);
    if (request == nullptr) return true;
    const QByteArray bytes = quillmark::SymbolPdf(
        quillmark::BindAtResolution(*request, dotsPerMm, wholeDots), *style, dotsPerMm);
    pdf->assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return !pdf->empty();
}

static_assert(std::is_same_v<decltype(&quillmark_symbol_pdf), quillmark::SymbolPdfEntry>);

namespace quillmark {
namespace {

std::string SheetLine(const LabelSheet& sheet) {
    char size[96];
    std::snprintf(size, sizeof size, "%zu labels %.1f x %.1f mm on %s (%.0f x %.0f mm)",
                  SheetCells(sheet).size(), sheet.labelWidth, sheet.labelHeight,
                  sheet.paperId.c_str(), sheet.paperWidth, sheet.paperHeight);
    return SheetName(sheet) + ": " + size + (sheet.description.empty() ? "" : ", ") +
           sheet.description;
}

void ListSheets(const SheetLibrary& library, const std::string& text, SheetOutcome& outcome) {
    for (const LabelSheet* sheet : SearchSheets(library.sheets, text)) {
        outcome.lines.push_back(SheetLine(*sheet));
    }
}

bool MakeSheets(const SheetLibrary& library, const SheetOrder& order, SheetOutcome& outcome) {
    const LabelSheet* sheet = FindSheet(library.sheets, order.text);
    if (!sheet) {
        outcome.error = "no label sheet is named \"" + order.text + "\" (see --list-sheets)";
        return false;
    }
    LabelSheetJob job;
    job.sheet = sheet;
    job.symbols = order.symbols;
    job.startCell = order.startCell;
    job.copies = order.copies;
    job.placement = order.placement;
    job.style = order.style;
    job.dotsPerMm = order.dotsPerMm;
    job.wholeDots = order.wholeDots;
    job.outlines = order.outlines;
    outcome.notFitting = SymbolsNotFitting(job);
    outcome.pages = LabelSheetPageCount(job);
    const QByteArray pdf = LabelSheetsPdf(job, order.profile);
    if (pdf.isEmpty()) {
        outcome.error = "the sheets could not be made";
        return false;
    }
    outcome.pdf.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    return true;
}

}  // namespace
}  // namespace quillmark

extern "C" __attribute__((visibility("default"))) bool quillmark_label_sheets(
    const quillmark::SheetOrder* order, quillmark::SheetOutcome* outcome) {
    using quillmark::SheetOrder;
    quillmark_symbol_pdf(nullptr, nullptr, 0, false, nullptr);  // starts Qt once
    if (order->kind == SheetOrder::Kind::Calibration) {
        const QByteArray pdf = quillmark::CalibrationPdf(210, 297, order->profile);
        outcome->pdf.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
        outcome->pages = 1;
        if (pdf.isEmpty()) outcome->error = "the calibration page could not be made";
        return !pdf.isEmpty();
    }
    const quillmark::SheetLibrary library = quillmark::LoadSheetLibrary();
    for (const quillmark::TemplateProblem& p : library.problems) {
        outcome->problems.push_back(p.file.toStdString() + ":" + std::to_string(p.line) + ": " +
                                    p.message.toStdString());
    }
    if (order->kind == SheetOrder::Kind::List) {
        quillmark::ListSheets(library, order->text, *outcome);
        return true;
    }
    return quillmark::MakeSheets(library, *order, *outcome);
}

static_assert(std::is_same_v<decltype(&quillmark_label_sheets), quillmark::LabelSheetsEntry>);
