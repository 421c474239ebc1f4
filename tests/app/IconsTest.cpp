// The pictures the window is linked with: the application icon at every size the desktop asks for,
// and every tool-button and menu picture at 16 x 16.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTest>

#include "support/QtTables.h"
using quillmark::test::Columns;

class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void applicationIconDrawnAtSize_data() {
        Columns<int>("size");
        for (int size : {32, 48, 64, 256}) QTest::addRow("%d px", size) << size;
    }
    // Needs the resource and Qt's SVG icon engine: without either the pixmap is empty.
    void applicationIconDrawnAtSize() {
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

    void drawsAt16Pixels_data() {
        Columns<QString, int>("name", "minColours");
        // A plain outline needs two colours (edge and fill); the emblem and the help picture are
        // recognised by their colours, so a fallback in one flat colour must fail.
        for (const char* name : {"save", "print", "exit", "copy", "word", "excel", "about"})
            QTest::newRow(name) << QString(name) << 2;
        QTest::newRow("office") << QString("office") << 4;
        QTest::newRow("help") << QString("help") << 3;
    }

    void drawsAt16Pixels() {
        QFETCH(QString, name);
        QFETCH(int, minColours);
        const QString path = ":/icons/" + name + ".svg";
        QVERIFY2(QFile::exists(path), qPrintable(path));

        const QImage image =
            QIcon(path).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(16, 16));

        QSet<QRgb> colours;
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) < 255) continue;
                ++opaque;
                colours.insert(pixel);
            }
        // A picture of a subject covers a good part of its square, not a few stray pixels.
        QVERIFY2(opaque >= 40, qPrintable(QString::number(opaque)));
        QVERIFY2(colours.size() >= minColours, qPrintable(QString::number(colours.size())));
    }
};

QTEST_MAIN(IconsTest)
#include "IconsTest.moc"
