// Quillmark: barcode symbols at physical size. Opens the main window.
#include <QApplication>
#include <QIcon>

#include "app/MainForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillmark"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillmark.svg")));

    quillmark::TMainForm window;
    window.show();
    return QApplication::exec();
}
