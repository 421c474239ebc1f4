// Quillmark: barcode symbols at physical size. Opens the main window.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/MainForm.h"
#include "output/AtomicFile.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Logging out or a kill while a picture or document is written leaves no temporary behind.
    quillmark::RemoveTemporariesOnSignals();
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillmark"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillmark.svg")));
    // The window speaks Russian; so do Qt's own file, print and message dialogs where their
    // translation is installed.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ru"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    quillmark::TMainForm window;
    window.show();
    return QApplication::exec();
}
