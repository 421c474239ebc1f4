// The window's Russian texts for the symbol checks' findings.
#include <QSet>
#include <QtTest>

#include "app/CheckWording.h"

namespace quillmark {

class CheckWordingTest : public QObject {
    Q_OBJECT

private slots:
    void gs1Findings_data() {
        QTest::addColumn<QByteArray>("fieldText");
        QTest::addColumn<QString>("text");
        const QByteArray gtin("(01)09501101530003");
        QTest::newRow("missing FNC1")
            << gtin + "(10)ABC(21)12"
            << QString("AI (10): перед (21) нет FNC1, сканер прочтёт (21) как данные (10)");
        QTest::newRow("check digit") << QByteArray("(00)123456789012345670")
                                     << QString("AI (00): контрольная цифра должна быть 5, а не 0");
        QTest::newRow("non-digit") << gtin + "(20)1A"
                                   << QString(
                                          "AI (20): «A» в позиции 24, а данные только "
                                          "цифровые");
        QTest::newRow("control character")
            << gtin + "(20)1\xC4"
            << QString("AI (20): управляющий знак EOT в позиции 24 внутри данных");
        QTest::newRow("date") << gtin + "(15)241231" + "(17)250230"
                              << QString("AI (17): 250230 не дата (ГГММДД)");
        QTest::newRow("month") << gtin + "(15)241301" << QString("AI (15): месяца 13 не бывает");
        QTest::newRow("yes or no") << QByteArray("(00)095011015300000003(4321)2")
                                   << QString("AI (4321): «2» — допустимы только 0 и 1");
        QTest::newRow("requisite")
            << QByteArray("(02)09501101530003")
            << QString("AI (02) требует AI (37) в этом или в другом символе той же этикетки");
        QTest::newRow("requisites")
            << QByteArray("(10)A")
            << QString(
                   "AI (10) требует AI (01) или (02) или (8006) или (8026) в этом или в другом "
                   "символе той же этикетки");
        QTest::newRow("exclusive")
            << gtin + "(02)09501101530003(37)1" << QString("AI (02) нельзя сочетать с AI (01)");
    }
    void gs1Findings() {
        QFETCH(QByteArray, fieldText);
        QFETCH(QString, text);
        const std::vector<GS1Finding> findings = CheckGS1Text(fieldText.toStdString());
        QVERIFY(!findings.empty());
        QCOMPARE(GS1FindingText(findings.front()), text);
    }

    // Every problem has its own text.
    void everyProblemWorded() {
        QSet<QString> texts;
        for (int p = 0; p <= static_cast<int>(kLastGS1Problem); ++p) {
            const GS1Finding f{
                static_cast<GS1Problem>(p), Severity::Warning, "10", 3, "5", "9", {}, {}};
            const QString text = GS1FindingText(f);
            QVERIFY2(text.size() > 10, qPrintable(QString::number(p)));
            texts.insert(text);
        }
        QCOMPARE(texts.size(), static_cast<int>(kLastGS1Problem) + 1);
    }

    void scanBack_data() {
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<QByteArray>("readAddOn");
        QTest::addColumn<QString>("text");
        QTest::newRow("read") << int(ScanOutcome::Read) << QByteArray("4006381333931")
                              << QByteArray("12") << QString("Читается: 4006381333931 + 12");
        QTest::newRow("no add-on")
            << int(ScanOutcome::ReadOther) << QByteArray("4006381333931") << QByteArray()
            << QString("Читается 4006381333931 без дополнительного кода 12");
        QTest::newRow("other") << int(ScanOutcome::ReadOther) << QByteArray("4006381333948")
                               << QByteArray("12")
                               << QString("Читается 4006381333948 + 12 вместо 4006381333931 + 12");
        QTest::newRow("nothing") << int(ScanOutcome::NothingRead) << QByteArray() << QByteArray()
                                 << QString("Не читается");
    }
    void scanBack() {
        QFETCH(int, outcome);
        QFETCH(QByteArray, read);
        QFETCH(QByteArray, readAddOn);
        QFETCH(QString, text);
        const ScanExpectation expected{Symbology::EAN13, "4006381333931", "12"};
        ScanResult scan;
        scan.outcome = static_cast<ScanOutcome>(outcome);
        scan.text = read.toStdString();
        scan.addOn = readAddOn.toStdString();
        QCOMPARE(ScanText(scan, expected), text);
        const ScanExpectation gs1{Symbology::UCCEAN128,
                                  "10A\x1D"
                                  "21\x04",
                                  ""};
        QCOMPARE(ScanDataText(gs1.text, true), QString("10A[FNC1]21[EOT]"));
    }

    void contrastAndModule() {
        QCOMPARE(ContrastText(GradeContrast(0x0000FF, 0xFFFF00)),
                 QString("Контраст в красном свете сканера 100 %, класс A"));
        QCOMPARE(ContrastText(GradeContrast(0xBCBCBC, 0xFFFFFF)),
                 QString("Контраст в красном свете сканера 50 %, класс C: читается не всеми "
                         "сканерами"));
        QVERIFY(ContrastText(GradeContrast(0xFFFFFF, 0x000000)).startsWith("Штрихи светлее фона"));
        QCOMPARE(ModuleText(*ModuleAtResolution(Symbology::UCCEAN128, 100, 2), 2),
                 QString("Модуль 0,000 мм (номинал 0,250 мм): 0,50 точки при 2,00 точек/мм; "
                         "меньше половины точки, штрихи пропадают"));
    }
};

}  // namespace quillmark

QTEST_GUILESS_MAIN(quillmark::CheckWordingTest)
#include "CheckWordingTest.moc"
