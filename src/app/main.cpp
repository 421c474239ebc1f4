// Quillmark: barcode symbols at physical size. Opens the main window with the preview.
#include <QApplication>
#include <QIcon>
#include <QMainWindow>

#include "app/PreviewWidget.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmark");
    QApplication::setWindowIcon(QIcon(":/icons/quillmark.svg"));

    QMainWindow window;
    window.setWindowTitle("Quillmark");
    auto* preview = new quillmark::PreviewWidget(&window);
    preview->setRenderer(quillmark::PreviewWidget::StartupSymbol());
    window.setCentralWidget(preview);
    window.resize(650, 480);
    window.show();
    return QApplication::exec();
}
