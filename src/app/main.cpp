// Quillmark: barcode symbols at physical size. Opens the main window.
#include <QApplication>
#include <QIcon>

#include "app/MainForm.h"
#include "app/translations/WindowLanguage.h"
#include "output/AtomicFile.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Logging out or a kill while a picture or document is written leaves no temporary behind.
    quillmark::RemoveTemporariesOnSignals();
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillmark"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillmark.svg")));
    // The window, and Qt's own dialogs with it, speak the desktop's language: Russian or English.
    quillmark::InstallWindowLanguage(app);

    quillmark::TMainForm window;
    window.show();
    return QApplication::exec();
}
