// quillmark-render: draws barcode symbols into pictures from the command line.
#include <QGuiApplication>
#include <QString>

#include <unistd.h>

#include <iostream>
#include <memory>
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
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::unique_ptr<QGuiApplication> app;
    quillmark::RenderEnvironment environment;
    environment.errIsTerminal = isatty(STDERR_FILENO) == 1;
    // The application is made only for pictures (fonts need it): a dump, the help and refused
    // input start faster without it. The offscreen platform needs no display and loads nothing
    // else; a platform the user names is kept.
    environment.startGui = [&] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        defaultHandler = qInstallMessageHandler(FilterQtMessages);
        app = std::make_unique<QGuiApplication>(argc, argv);
    };
    std::ios::sync_with_stdio(false);
    return quillmark::RunRenderCommand(args, std::cout, std::cerr, environment);
}
