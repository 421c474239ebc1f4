// The label sheet dialog: choosing a sheet and a start cell, serial runs and their refusals,
// whole-dot modules, every label checked before any is written, and printer profiles.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/LabelSheetDialog.h"
#include "app/PrinterProfiles.h"
#include "output/PdfTools.h"
#include "support/Requests.h"
#include "support/Widgets.h"

using namespace quillmark;
using quillmark::test::Child;
using quillmark::test::RequestOf;

class LabelSheetDialogTest : public QObject {
    Q_OBJECT

private slots:
    void clickingALabelMakesItTheStart() {
        LabelSheetDialog dialog(RequestOf("EAN-13", "4006381333931"), {}, nullptr);
        QVERIFY(dialog.ChooseSheet(QStringLiteral("avery l7160")));
        auto* preview = Child<SheetPreview>(dialog, "SheetPreview");
        preview->resize(300, 424);
        // The centre of the eighth label, row 3 column 2: 7.2 + 66.04 + 31.75 mm across,
        // 15.15 + 38.1 + 19.05 mm down, found by the preview's own mapping.
        QPoint centre;
        for (int y = 0; y < preview->height() && centre.isNull(); ++y) {
            for (int x = 0; x < preview->width(); ++x) {
                if (preview->CellAt(QPointF(x, y)) == 8) {
                    centre = QPoint(x + 3, y + 3);
                    break;
                }
            }
        }
        QVERIFY(!centre.isNull());
        QTest::mouseClick(preview, Qt::LeftButton, {}, centre);
        QCOMPARE(Child<QSpinBox>(dialog, "StartCell")->value(), 8);
        QCOMPARE(dialog.Job().startCell, 8);
        QCOMPARE(dialog.Job().sheet->part, std::string("L7160"));
    }

    void serialRunsFillPagesOrAreRefused_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages");  // 0: refused
        QTest::newRow("28 SSCCs, 2 sheets") << "789" << 28 << 2;
        QTest::newRow("14 SSCCs, 1 sheet") << "0000001" << 14 << 1;
        QTest::newRow("overflow") << "999" << 2 << 0;
    }

    void serialRunsFillPagesOrAreRefused() {
        QFETCH(QString, start);
        QFETCH(int, count);
        QFETCH(int, pages);
        LabelSheetDialog dialog(RequestOf("UCC/EAN-128", "(00)106141411234567897"), {}, nullptr);
        QVERIFY(dialog.ChooseSheet(QStringLiteral("Avery L7163")));
        // At its nominal size the SSCC (37.8 mm high) fits the 38.1 mm label; in whole dots at
        // 300 dpi it would not.
        Child<QCheckBox>(dialog, "WholeDots")->setChecked(false);
        Child<QGroupBox>(dialog, "SerialBox")->setChecked(true);
        Child<QLineEdit>(dialog, "SerialStart")->setText(start);
        Child<QSpinBox>(dialog, "SerialCount")->setValue(count);
        QCOMPARE(Child<QPushButton>(dialog, "SavePdfButton")->isEnabled(), pages > 0);
        QVERIFY2(dialog.Findings().isEmpty() == (pages > 0),
                 qPrintable(dialog.Findings().join(";")));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("run.pdf"));
        QString error;
        QCOMPARE(dialog.SavePdfTo(path, error), pages > 0);
        if (pages == 0) {
            QVERIFY(!QFile::exists(path));
            QVERIFY(!error.isEmpty());
            return;
        }
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(test::PdfPageCount(path), pages);
    }

    // Every label is checked before anything is written; one failing label writes nothing.
    void aFailingLabelStopsTheRun() {
        int checked = 0;
        const auto check = [&checked](const SymbolRequest& label) {
            ++checked;
            return label.fieldText.find("0000003") != std::string::npos
                       ? QStringList{QStringLiteral("не читается")}
                       : QStringList{};
        };
        LabelSheetDialog dialog(RequestOf("UCC/EAN-128", "(00)106141411234567897"), {}, check);
        QVERIFY(dialog.ChooseSheet(QStringLiteral("Avery L7160")));
        Child<QGroupBox>(dialog, "SerialBox")->setChecked(true);
        Child<QLineEdit>(dialog, "SerialStart")->setText(QStringLiteral("0000001"));
        Child<QSpinBox>(dialog, "SerialCount")->setValue(5);
        QTemporaryDir dir;
        QString error;
        QVERIFY(!dialog.SavePdfTo(dir.filePath(QStringLiteral("run.pdf")), error));
        QCOMPARE(checked, 5);
        QVERIFY2(error.contains(QStringLiteral("3: не читается")), qPrintable(error));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("run.pdf"))));
    }

    // The window's own check of a label: what stops a run, and the size table shown apart.
    void windowsLabelCheck_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("application");
        QTest::addColumn<bool>("stops");
        QTest::addColumn<bool>("sizeTableFails");
        QTest::newRow("black, distribution")
            << "#000000" << int(Application::GeneralDistribution) << false << true;
        QTest::newRow("black, retail")
            << "#000000" << int(Application::RetailPOS) << false << false;
        QTest::newRow("red bars") << "#FF0000" << int(Application::RetailPOS) << true << false;
    }

    void windowsLabelCheck() {
        QFETCH(QString, line);
        QFETCH(int, application);
        QFETCH(bool, stops);
        QFETCH(bool, sizeTableFails);
        const SymbolStyle style{QColor(line).rgb() & 0xFFFFFF, 0xFFFFFF, "Liberation Sans"};
        SymbolRequest label = RequestOf("EAN-13", "4006381333931");
        const QStringList stoppers =
            LabelRunStoppers(label, style, 300 / 25.4, Application(application));
        QVERIFY2(stoppers.isEmpty() != stops, qPrintable(stoppers.join(';')));
        QCOMPARE(SizeTableFailures(label, style, 300 / 25.4, Application(application)).isEmpty(),
                 !sizeTableFails);
    }

    void moduleInWholePrinterDots_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("moduleMm");
        QTest::addColumn<double>("percent");
        QTest::addColumn<bool>("printable");
        QTest::addColumn<int>("reduction");  // micrometres asked for
        QTest::addColumn<int>("reductionDots");
        QTest::addColumn<bool>("marks");
        QTest::newRow("203 dpi, 125 µm") << 203 << 0.375 << 113.7 << true << 125 << 1 << true;
        QTest::newRow("300 dpi, 85 µm") << 300 << 0.339 << 102.6 << true << 85 << 1 << false;
        QTest::newRow("600 dpi, 85 µm") << 600 << 0.339 << 102.6 << true << 85 << 2 << true;
        QTest::newRow("203 dpi, 40 µm") << 203 << 0.375 << 113.7 << true << 40 << 0 << false;
        QTest::newRow("25 dpi") << 25 << 0.0 << 0.0 << false << 0 << 0 << false;
    }

    void moduleInWholePrinterDots() {
        QFETCH(int, dpi);
        QFETCH(double, moduleMm);
        QFETCH(double, percent);
        QFETCH(bool, printable);
        QFETCH(int, reduction);
        QFETCH(int, reductionDots);
        QFETCH(bool, marks);
        LabelSheetDialog dialog(RequestOf("EAN-13", "4006381333931"), {}, nullptr);
        QVERIFY(dialog.ChooseSheet(QStringLiteral("Avery L7160")));
        Child<QSpinBox>(dialog, "PrinterDpi")->setValue(dpi);
        Child<QSpinBox>(dialog, "BarReduction")->setValue(reduction);
        Child<QCheckBox>(dialog, "QuietZoneMarks")->setChecked(marks);
        // Every label of the run is drawn with the reduction in whole dots and the marks chosen.
        const SymbolRequest& label = dialog.Job().symbols.front();
        QCOMPARE(label.barReductionDots, reductionDots);
        QCOMPARE(label.quietZoneMarks, marks);
        QVERIFY(Child<QLabel>(dialog, "BarReductionText")
                    ->text()
                    .startsWith(QString::number(reductionDots) + QLatin1Char(' ')));
        const QString shown = Child<QLabel>(dialog, "ModuleText")->text();
        QCOMPARE(Child<QPushButton>(dialog, "SavePdfButton")->isEnabled(), printable);
        if (!printable) {
            QVERIFY(shown.isEmpty());
            QVERIFY(dialog.Findings().join(QString()).contains(QString::number(dpi)));
            return;
        }
        const QLocale locale = dialog.locale();
        QCOMPARE(shown,
                 QStringLiteral("%1 мм, %2 %")
                     .arg(locale.toString(moduleMm, 'f', 3), locale.toString(percent, 'f', 1)));
    }

    void printerProfilesRoundTripAndStayInRange() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath(QStringLiteral("profiles.conf")), QSettings::IniFormat);
        const QString queue = QStringLiteral("Office/Label printer\\2");
        QCOMPARE(LoadPrinterProfile(settings, queue).scaleXPercent, 100.0);
        SavePrinterProfile(settings, queue, {1.0, -0.5, 101, 99.5, 60});
        SavePrinterProfile(settings, QStringLiteral("Office"), {3, 3, 100, 100, 0});
        const PrinterProfile read = LoadPrinterProfile(settings, queue);
        QCOMPARE(read.offsetXMm, 1.0);
        QCOMPARE(read.offsetYMm, -0.5);
        QCOMPARE(read.scaleXPercent, 101.0);
        QCOMPARE(read.scaleYPercent, 99.5);
        QCOMPARE(read.barReductionMicrons, 60.0);
        // A hand-edited file with values out of range or not numbers is brought back into range.
        settings.setValue(QStringLiteral("printers/Office/scaleX"), 500);
        settings.setValue(QStringLiteral("printers/Office/offsetY"), QStringLiteral("lots"));
        settings.setValue(QStringLiteral("printers/Office/barReduction"), 500);
        const PrinterProfile edited = LoadPrinterProfile(settings, QStringLiteral("Office"));
        QCOMPARE(edited.scaleXPercent, kMaxProfileScalePercent);
        QCOMPARE(edited.offsetYMm, 0.0);
        QCOMPARE(edited.offsetXMm, 3.0);
        QCOMPARE(edited.barReductionMicrons, kMaxBarReductionMicrons);
    }
};

QTEST_MAIN(LabelSheetDialogTest)
#include "LabelSheetDialogTest.moc"
