// On a screen with two device pixels per logical one the preview draws in device pixels: the
// symbol keeps its physical size and modules finer than a logical pixel still scan.
#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "app/MainForm.h"
#include "app/PreviewWidget.h"
#include "canvas/PixelsPerMm.h"
#include "support/ZXingDecode.h"

class PreviewHiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void drawsAtDevicePixels() {
        quillmark::TMainForm form;
        form.resize(800, 500);
        form.findChild<QLineEdit*>(QStringLiteral("EANUPC_CodeValue"))
            ->setText(QStringLiteral("4 006381 333930"));
        form.findChild<QSpinBox*>(QStringLiteral("EANUPC_Size"))->setValue(150);
        auto* paintBox = form.findChild<quillmark::PreviewWidget*>(QStringLiteral("PaintBox"));
        QCOMPARE(paintBox->devicePixelRatioF(), 2.0);
        QImage image = paintBox->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.width(), paintBox->width() * 2);
        image.setDevicePixelRatio(1);  // read pixel for pixel

        // A module of 0.33 mm x 150 % is under one logical pixel here, nearly two device pixels.
        const quillmark::PixelsPerMm logical = quillmark::ScreenPixelsPerMm(paintBox->screen());
        QVERIFY(0.33 * 1.5 * logical.x < 1.0);
        const quillmark::test::Reading reading =
            quillmark::test::Decode(image, ZXing::BarcodeFormat::EAN13);
        QVERIFY(reading.valid);
        QCOMPARE(QString::fromStdString(reading.text), QStringLiteral("4006381333931"));

        // Physical size: the white box is the symbol measured at device pixels per millimetre.
        quillmark::TRect extent;
        quillmark::RenderSymbol(form.CurrentRequest(), nullptr, 0, 0, logical.x * 2, logical.y * 2,
                                extent);
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
        QVERIFY(std::abs(box.width() - extent.Right) <= 1);
        QVERIFY(std::abs(box.height() - extent.Bottom) <= 1);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    PreviewHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PreviewHiDpiTest.moc"
