// Screen density per axis and centring to the nearest whole millimetre, halves to even.
#include <QTest>
#include <limits>

#include "app/PreviewGeometry.h"
#include "support/QtTables.h"

using quillmark::CentringOffset;
using quillmark::PixelsPerMm;
using quillmark::ScreenPixelsPerMm;
using quillmark::test::Columns;

class PreviewGeometryTest : public QObject {
    Q_OBJECT

private slots:
    void centring_data() {
        Columns<int, int, double, double>("available", "extent", "scale", "offset");
        QTest::newRow("626 - 146 at 3.2") << 626 << 146 << 3.2 << 75.0;
        QTest::newRow("0.5 mm rounds to 0") << 104 << 100 << 4.0 << 0.0;
        QTest::newRow("1.5 mm rounds to 2") << 112 << 100 << 4.0 << 2.0;
        QTest::newRow("2.5 mm rounds to 2") << 120 << 100 << 4.0 << 2.0;
        QTest::newRow("3.5 mm rounds to 4") << 128 << 100 << 4.0 << 4.0;
        QTest::newRow("just above a half") << 121 << 100 << 4.0 << 3.0;
        QTest::newRow("exact fit") << 300 << 300 << 3.7 << 0.0;
        QTest::newRow("too large") << 100 << 300 << 4.0 << -25.0;
        QTest::newRow("too large by a half") << 100 << 120 << 4.0 << -2.0;
        QTest::newRow("too large by 1.5") << 100 << 112 << 4.0 << -2.0;
        QTest::newRow("no scale") << 100 << 50 << 0.0 << 0.0;
    }
    void centring() {
        QFETCH(int, available);
        QFETCH(int, extent);
        QFETCH(double, scale);
        QFETCH(double, offset);
        QCOMPARE(CentringOffset(available, extent, scale), offset);
    }

    void density_data() {
        Columns<int, int, double, double, double, double>("widthPx", "heightPx", "widthMm",
                                                          "heightMm", "expectedX", "expectedY");
        constexpr double nan = std::numeric_limits<double>::quiet_NaN();
        constexpr double inf = std::numeric_limits<double>::infinity();
        // logical dpi 120 x 72 for the fallbacks: 120 / 25.4 and 72 / 25.4
        QTest::newRow("1024 x 768 on 320 x 240 mm") << 1024 << 768 << 320.0 << 240.0 << 3.2 << 3.2;
        QTest::newRow("axes kept apart") << 1000 << 1000 << 250.0 << 200.0 << 4.0 << 5.0;
        QTest::newRow("no physical size") << 1000 << 800 << 0.0 << 0.0 << 120 / 25.4 << 72 / 25.4;
        QTest::newRow("width unknown") << 1000 << 800 << 0.0 << 200.0 << 120 / 25.4 << 4.0;
        QTest::newRow("height NaN") << 1000 << 800 << 250.0 << nan << 4.0 << 72 / 25.4;
        QTest::newRow("infinite") << 1000 << 800 << inf << inf << 120 / 25.4 << 72 / 25.4;
        QTest::newRow("negative") << 1000 << 800 << -250.0 << 200.0 << 120 / 25.4 << 4.0;
        QTest::newRow("no pixels") << 0 << -5 << 250.0 << 200.0 << 120 / 25.4 << 72 / 25.4;
    }
    void density() {
        QFETCH(int, widthPx);
        QFETCH(int, heightPx);
        QFETCH(double, widthMm);
        QFETCH(double, heightMm);
        QFETCH(double, expectedX);
        QFETCH(double, expectedY);
        const PixelsPerMm scale = ScreenPixelsPerMm(widthPx, heightPx, widthMm, heightMm, 120, 72);
        QCOMPARE(scale.x, expectedX);
        QCOMPARE(scale.y, expectedY);
    }

    // A logical density that is no usable number either gives 96 dpi, never 0 or NaN.
    void unusableLogicalDensity() {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const PixelsPerMm scale = ScreenPixelsPerMm(1000, 800, 0, nan, 0, nan);
        QCOMPARE(scale.x, 96 / 25.4);
        QCOMPARE(scale.y, 96 / 25.4);
    }
};

QTEST_APPLESS_MAIN(PreviewGeometryTest)
#include "PreviewGeometryTest.moc"
