// Every tool-button and menu picture loads from the resources and draws at 16 x 16.
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTest>

class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void drawsAt16Pixels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("minColours");
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
