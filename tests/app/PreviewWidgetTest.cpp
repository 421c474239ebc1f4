// The preview paints the start-up symbol centred, on the window colour, at the screen's density.
#include <QImage>
#include <QTest>

#include "app/PreviewGeometry.h"
#include "app/PreviewWidget.h"
#include "canvas/QPainterCanvas.h"
#include "support/QtTables.h"

using quillmark::PixelsPerMm;
using quillmark::PreviewWidget;
using quillmark::TRect;
using quillmark::test::Columns;

namespace {

bool IsDark(QRgb pixel) {
    return qGray(pixel) < 128;
}

// The smallest rectangle holding every pixel for which wanted is true; empty when there is none.
template <typename Wanted>
QRect Enclosing(const QImage& image, Wanted wanted) {
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (wanted(image.pixel(x, y))) found |= QRect(x, y, 1, 1);
    return found;
}

}  // namespace

class PreviewWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void paintsStartupSymbolCentred_data() {
        Columns<QSize>("size");
        QTest::newRow("preview box") << QSize(630, 240);
        QTest::newRow("wide") << QSize(1000, 300);
        QTest::newRow("odd") << QSize(457, 333);
    }
    void paintsStartupSymbolCentred() {
        QFETCH(QSize, size);
        PreviewWidget preview;
        preview.setSymbol(PreviewWidget::StartupSymbol());
        preview.resize(size);
        const QImage image = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), size);

        const PixelsPerMm scale = quillmark::ScreenPixelsPerMm(preview.screen());
        const QRgb window = preview.palette().color(QPalette::Window).rgb();
        QVERIFY(window != qRgb(255, 255, 255));  // else the box could not be told apart

        // The white box is the symbol's extent, centred to within one millimetre per side pair.
        const QRect box = Enclosing(image, [](QRgb p) { return (p & 0xFFFFFF) == 0xFFFFFF; });
        QVERIFY(!box.isEmpty());
        TRect extent;
        quillmark::RenderSymbol(PreviewWidget::StartupSymbol(), nullptr, 0, 0, scale.x, scale.y,
                                extent);
        // Each edge is rounded on its own, so at an offset the box may be a pixel narrower.
        QVERIFY2(std::abs(box.width() - extent.Right) <= 1,
                 qPrintable(QString::number(box.width())));
        QVERIFY2(std::abs(box.height() - extent.Bottom) <= 1,
                 qPrintable(QString::number(box.height())));
        const int slackX = box.left() - (size.width() - box.right() - 1);
        const int slackY = box.top() - (size.height() - box.bottom() - 1);
        QVERIFY2(std::abs(slackX) <= scale.x + 1, qPrintable(QString::number(slackX)));
        QVERIFY2(std::abs(slackY) <= scale.y + 1, qPrintable(QString::number(slackY)));
        // Whole millimetres: the box starts at an integer number of millimetres times the scale.
        const double leftMm = box.left() / scale.x;
        QVERIFY2(std::abs(leftMm - std::round(leftMm)) * scale.x <= 0.5,
                 qPrintable(QString::number(leftMm)));

        // Bars inside the box; outside it only the window colour.
        const QRect dark = Enclosing(image, IsDark);
        QVERIFY(!dark.isEmpty());
        QVERIFY(box.contains(dark));
        QVERIFY(dark.width() > box.width() / 2);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!box.contains(x, y) && image.pixel(x, y) != window)
                    QFAIL(qPrintable(QString("pixel %1,%2 outside the symbol").arg(x).arg(y)));
    }

    void largerSymbolOverhangsBothSides() {
        PreviewWidget preview;
        preview.setSymbol(PreviewWidget::StartupSymbol());
        preview.resize(100, 80);
        const QImage image = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Cut on both sides: the symbol's box covers the whole preview and bars reach both edges.
        const QRgb window = preview.palette().color(QPalette::Window).rgb();
        QCOMPARE(Enclosing(image, [window](QRgb p) { return p == window; }), QRect());
        QVERIFY(!Enclosing(image.copy(0, 0, 1, 80), IsDark).isEmpty());
        QVERIFY(!Enclosing(image.copy(99, 0, 1, 80), IsDark).isEmpty());
    }

    void withoutRendererShowsWindowColour() {
        PreviewWidget preview;
        preview.resize(50, 40);
        const QImage image = preview.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb window = preview.palette().color(QPalette::Window).rgb();
        QCOMPARE(Enclosing(image, [window](QRgb p) { return p != window; }), QRect());
    }
};

QTEST_MAIN(PreviewWidgetTest)
#include "PreviewWidgetTest.moc"
