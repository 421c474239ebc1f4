// The application icon is linked into the window's code and drawn at every size the desktop asks
// for.
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QTest>

class IconTest : public QObject {
    Q_OBJECT

private slots:
    void drawnAtSize_data() {
        QTest::addColumn<int>("size");
        for (int size : {32, 48, 64, 256}) QTest::addRow("%d px", size) << size;
    }
    // Needs the resource and Qt's SVG icon engine: without either the pixmap is empty.
    void drawnAtSize() {
        QFETCH(int, size);
        const QImage image = QIcon(":/icons/quillmark.svg").pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // The transparent corner, and the label's dark frame, 4/128 of the width from 4/128 on
        // (from 32 px on at least one whole pixel).
        const QPoint frame(size * 6 / 128, size / 2);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(frame)), 255);
        QVERIFY(qGray(image.pixel(frame)) < 100);
    }
};

QTEST_MAIN(IconTest)
#include "IconTest.moc"
