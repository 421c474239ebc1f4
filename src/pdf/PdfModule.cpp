// The module quillmark-render loads for PDF pictures: Qt's PDF writer behind one C entry.
#include "pdf/PdfModule.h"

#include <QGuiApplication>
#include <QString>

#include <mutex>
#include <type_traits>

#include "output/VectorPictures.h"

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
    std::string* pdf) {
    static std::once_flag started;
    std::call_once(started, quillmark::StartApplication);
    if (request == nullptr) return true;
    const QByteArray bytes = quillmark::SymbolPdf(
        quillmark::BindSymbol(*request, dotsPerMm, dotsPerMm), *style, dotsPerMm);
    pdf->assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return !pdf->empty();
}

static_assert(std::is_same_v<decltype(&quillmark_symbol_pdf), quillmark::SymbolPdfEntry>);
