// quillmark-render: draws one barcode symbol into a picture from the command line.
#include <QGuiApplication>
#include <QString>
#include <iostream>
#include <string>
#include <vector>

#include "cli/RenderCommand.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// Errors on stderr are one line each; Qt's notice about a missing runtime directory (usual when
// running headless as a service user) says nothing about the picture, so it is left out.
void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a QGuiApplication; the offscreen platform lets it run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(FilterQtMessages);
    // Copied first: QGuiApplication removes the options it recognises from argv.
    const std::vector<std::string> args(argv + 1, argv + argc);
    QGuiApplication app(argc, argv);
    return quillmark::RunRenderCommand(args, std::cout, std::cerr);
}
