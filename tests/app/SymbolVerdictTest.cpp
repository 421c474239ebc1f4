// The verdict line: its kinds on symbols that scan and that cannot, overtaken scans dropped, and
// the window keeping it current as the user types, inserts characters, mends and picks colours.
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <map>
#include <utility>

#include "app/CheckWording.h"
#include "app/MainForm.h"
#include "app/SymbolVerdict.h"
#include "app/WindowControls.h"
#include "support/QtTables.h"
#include "support/Requests.h"
#include "support/Widgets.h"
#include "symbol/SymbolRequest.h"

using quillmark::Severity;
using quillmark::SymbolRequest;
using quillmark::SymbolStyle;
using quillmark::SymbolVerdict;
using quillmark::TMainForm;
using quillmark::test::Columns;

Q_DECLARE_METATYPE(Severity)

using quillmark::test::Child;

namespace {

SymbolRequest Request(const char* type, const char* data) {
    SymbolRequest r = quillmark::test::RequestOf(type, data);
    // GS1's smallest X for general distribution, so that these symbols meet its table.
    r.gSizePercent = 200;
    quillmark::EncodeRequest(r);
    return r;
}

// The table a retail EAN/UPC symbol and a distribution label are each held to.
quillmark::Application ApplicationFor(const QString& type) {
    return type.startsWith(u"EAN") || type.startsWith(u"UPC")
               ? quillmark::Application::RetailPOS
               : quillmark::Application::GeneralDistribution;
}

// A main window on its UCC/EAN-128 tab, the label at 200 % so that it meets GS1's table.
void ShowLabelTab(TMainForm& form) {
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) qFatal("the window is not shown");
    Child<QTabWidget>(form, "PageControl")->setCurrentIndex(2);
    Child<QSpinBox>(form, "UCCEAN128_GSize")->setValue(200);
}

// Waits for the scan-back of the latest change and returns what the line shows.
const quillmark::VerdictText& Settled(const SymbolVerdict& verdict) {
    if (!QTest::qWaitFor([&] { return !verdict.isPending(); }, 5000)) qFatal("no verdict");
    return verdict.shown();
}

QString LineOf(const TMainForm& form) {
    const auto* verdict = Child<SymbolVerdict>(form, "SymbolVerdict");
    Settled(*verdict);
    return Child<QLabel>(form, "VerdictText")->text();
}

void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

}  // namespace

class SymbolVerdictTest : public QObject {
    Q_OBJECT

private slots:
    void kinds_data() {
        Columns<QString, QString, uint, double, Severity, QString>(
            "type", "data", "line", "dotsPerMm", "severity", "sentence");
        QTest::newRow("EAN-13 scans")
            << "EAN-13"
            << "4006381333931" << 0x000000u << 12.0 << Severity::Pass << "Читается: 4006381333931";
        QTest::newRow("ITF-14 at 100 dots/mm")
            << "ITF-14"
            << "15400141288763" << 0x000080u << 100.0 << Severity::Pass << "Читается";
        QTest::newRow("GS1 scans")
            << "UCC/EAN-128" << QString::fromLatin1("(01)12345678901231\xE0(10)A") << 0u << 12.0
            << Severity::Pass << "Читается: (01)12345678901231(10)A";
        // 0.33 mm at 5 dots/mm is 1.65 dots: it reads, but a dot more or less is half a module.
        QTest::newRow("EAN-13 of 1.65-dot modules")
            << "EAN-13"
            << "4006381333931" << 0u << 5.0 << Severity::Warning << "меньше двух точек";
        QTest::newRow("modules vanish")
            << "EAN-13"
            << "4006381333931" << 0u << 1.0 << Severity::Failure << "штрихи пропадают";
        QTest::newRow("ITF-14 at 1.5 dots/mm")
            << "ITF-14"
            << "15400141288763" << 0u << 1.5 << Severity::Warning << "меньше двух точек";
        QTest::newRow("red lines")
            << "EAN-8"
            << "96385074" << 0xFF0000u << 12.0 << Severity::Failure << "Контраст в красном свете";
        QTest::newRow("missing FNC1")
            << "UCC/EAN-128"
            << "(10)ABC(21)12" << 0u << 12.0 << Severity::Failure << "нет FNC1";
    }
    void kinds() {
        QFETCH(QString, type);
        QFETCH(QString, data);
        QFETCH(uint, line);
        QFETCH(double, dotsPerMm);
        QFETCH(Severity, severity);
        QFETCH(QString, sentence);
        SymbolVerdict verdict;
        SymbolStyle style;
        style.line = line;
        verdict.recheck(Request(type.toLatin1().constData(), data.toLatin1().constData()), style,
                        dotsPerMm, ApplicationFor(type));
        const quillmark::VerdictText& shown = Settled(verdict);
        QVERIFY2(shown.severity == severity, qPrintable(shown.details));
        QVERIFY2(shown.sentence.contains(sentence), qPrintable(shown.sentence));
        // The mark in its colour: a green tick, an amber warning sign, a red cross.
        const std::map<Severity, std::pair<QString, QColor>> marks = {
            {Severity::Pass, {QStringLiteral("✓"), QColor(0x1A, 0x7F, 0x1A)}},
            {Severity::Warning, {QStringLiteral("⚠"), QColor(0xB3, 0x6B, 0x00)}},
            {Severity::Failure, {QStringLiteral("✗"), QColor(0xC0, 0x00, 0x00)}}};
        const auto* mark = Child<QLabel>(verdict, "VerdictMark");
        QCOMPARE(mark->text(), marks.at(severity).first);
        QCOMPARE(mark->palette().color(QPalette::WindowText), marks.at(severity).second);
        // The details name every check, the scan-back among them.
        QVERIFY(shown.details.count(u'\n') >= 2);
        QVERIFY2(shown.details.contains(QStringLiteral("Читается")) ||
                     shown.details.contains(QStringLiteral("Не читается")),
                 qPrintable(shown.details));
    }

    // While the scan-back runs the line says so; a scan a newer change overtook never shows.
    void overtakenScansAreDropped() {
        SymbolVerdict verdict;
        QSignalSpy ready(&verdict, &SymbolVerdict::verdictReady);
        verdict.recheck(Request("ITF-14", "15400141288763"), {}, 100);
        QVERIFY(verdict.isPending());
        QVERIFY(verdict.shown().sentence.startsWith(u"Проверяется"));
        verdict.recheck(Request("EAN-13", "4006381333931"), {}, 1);
        QTRY_COMPARE(ready.count(), 1);
        QTest::qWait(100);
        QCOMPARE(ready.count(), 1);
        QCOMPARE(verdict.shown().severity, std::optional(Severity::Failure));
        QVERIFY(verdict.shown().details.contains(u"Не читается"));
    }

    void typingShowsMissingFNC1AndInsertingItClearsIt() {
        TMainForm form;
        ShowLabelTab(form);
        auto* field = Child<QLineEdit>(form, "UCCEAN128_CodeValue");
        field->setFocus();
        Type(field, QStringLiteral("(01)09501101530003(10)ABC(21)12"));
        QVERIFY2(LineOf(form).contains(u"перед (21) нет FNC1"), qPrintable(LineOf(form)));
        QVERIFY(Child<QPushButton>(form, "VerdictMendBtn")->isVisible());
        field->setCursorPosition(25);
        Child<QComboBox>(form, "UCCEAN128_SpecChr")->setCurrentText(QStringLiteral("FNC1"));
        QTest::mouseClick(Child(form, "UCCEAN128_InsSpecChrBtn"), Qt::LeftButton);
        QCOMPARE(field->text(), QStringLiteral("(01)09501101530003(10)ABCа(21)12"));
        QCOMPARE(LineOf(form), QStringLiteral("Читается: (01)09501101530003(10)ABC(21)12"));
        QVERIFY(!Child<QPushButton>(form, "VerdictMendBtn")->isVisible());
    }

    // A GS typed into AI data is a control character that a scanner sends as a separator: the
    // data fails wherever it stands. FNC1 is the separator GS1 means: after the data it adds
    // only a symbol character (a warning), nothing fails.
    void controlCharacterInDataFailsAndFNC1Passes() {
        TMainForm form;
        ShowLabelTab(form);
        auto* field = Child<QLineEdit>(form, "UCCEAN128_CodeValue");
        const auto* verdict = Child<SymbolVerdict>(form, "SymbolVerdict");
        const struct {
            const char* character;
            int position;
            bool fails;
        } cases[] = {{"GS", 4, true}, {"GS", 7, true}, {"FNC1", 7, false}};
        for (const auto& c : cases) {
            field->setText(QStringLiteral("(10)ABC"));
            field->setCursorPosition(c.position);
            Child<QComboBox>(form, "UCCEAN128_SpecChr")
                ->setCurrentText(QString::fromLatin1(c.character));
            QTest::mouseClick(Child(form, "UCCEAN128_InsSpecChrBtn"), Qt::LeftButton);
            const quillmark::VerdictText& shown = Settled(*verdict);
            QVERIFY2((shown.severity == Severity::Failure) == c.fails, qPrintable(shown.details));
            QCOMPARE(shown.sentence.contains(u"управляющий знак"), c.fails);
        }
    }

    // The mend writes into the text of the tab shown: UCC/EAN-128's, or GS1 2D's (tab 3).
    void mendButton_data() {
        Columns<QString, QString, int, int, int>("typed", "mended", "caret", "caretAfter", "tab");
        QTest::newRow("check digit of (01), caret before it")
            << "(01)12345678901234(10)A" << QStringLiteral("(01)12345678901231(10)A") << 5 << 5
            << 2;
        QTest::newRow("check digit of (01), caret after it")
            << "(01)12345678901234(10)A" << QStringLiteral("(01)12345678901231(10)A") << 20 << 20
            << 2;
        QTest::newRow("FNC1 after (10), caret at the end")
            << "(01)09501101530003(10)A(17)251231"
            << QStringLiteral("(01)09501101530003(10)Aа(17)251231") << 33 << 34 << 2;
        QTest::newRow("FNC1 after (10), caret in (10)")
            << "(01)09501101530003(10)A(17)251231"
            << QStringLiteral("(01)09501101530003(10)Aа(17)251231") << 20 << 20 << 2;
        QTest::newRow("FNC1 after (10) on the GS1 2D tab")
            << "(01)09501101530003(10)A(17)251231"
            << QStringLiteral("(01)09501101530003(10)Aа(17)251231") << 33 << 34 << 3;
    }
    void mendButton() {
        QFETCH(QString, typed);
        QFETCH(QString, mended);
        QFETCH(int, caret);
        QFETCH(int, caretAfter);
        QFETCH(int, tab);
        TMainForm form;
        ShowLabelTab(form);
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(tab);
        const char* names[] = {"UCCEAN128_CodeValue", "Matrix2D_CodeValue"};
        auto* field = Child<QLineEdit>(form, names[tab - 2]);
        const auto* other = Child<QLineEdit>(form, names[3 - tab]);
        field->setText(typed);
        QVERIFY(LineOf(form).startsWith(u"AI ("));
        field->setCursorPosition(caret);
        QTest::mouseClick(Child(form, "VerdictMendBtn"), Qt::LeftButton);
        QCOMPARE(field->text(), mended);
        QCOMPARE(field->cursorPosition(), caretAfter);
        QCOMPARE(other->text(), QString());
        // Mended, it reads, and nothing is left to mend (a 2D symbol's line leads with GS1's
        // size table, which has no row for it).
        const quillmark::VerdictText& shown = Settled(*Child<SymbolVerdict>(form, "SymbolVerdict"));
        QVERIFY2(shown.details.contains(u"✓ Читается"), qPrintable(shown.details));
        QVERIFY(!shown.mendedText);
        // The mend is an edit like any other: Ctrl+Z brings the text back.
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text(), typed);
    }

    // Failures come before warnings whatever their order in the text, and the count covers
    // every other finding.
    void worstFindingFirst() {
        quillmark::SymbolCheckReport report;
        report.contrast.severity = Severity::Pass;
        quillmark::GS1Finding unclosed;
        unclosed.problem = quillmark::GS1Problem::UnclosedAI;
        unclosed.severity = Severity::Warning;
        quillmark::GS1Finding digit;
        digit.problem = quillmark::GS1Problem::WrongCheckDigit;
        digit.severity = Severity::Failure;
        digit.ai = "01";
        digit.expected = "1";
        digit.found = "4";
        quillmark::GS1Finding wide;
        wide.problem = quillmark::GS1Problem::SymbolTooWide;
        wide.severity = Severity::Warning;
        wide.expected = "165";
        wide.found = "200";
        report.gs1 = {unclosed, digit, wide};
        report.module = quillmark::ModuleGeometry{};
        report.module->severity = Severity::Pass;
        const quillmark::VerdictText v =
            quillmark::WordVerdict(report, std::nullopt, std::nullopt, 12);
        QCOMPARE(v.severity, std::optional(Severity::Failure));
        QVERIFY2(v.sentence.startsWith(quillmark::GS1FindingText(digit)), qPrintable(v.sentence));
        QVERIFY2(v.sentence.endsWith(u" (и ещё 2)"), qPrintable(v.sentence));
        // Among warnings the symbol's size comes before a flaw in its data.
        report.gs1 = {unclosed, wide};
        const quillmark::VerdictText w =
            quillmark::WordVerdict(report, std::nullopt, std::nullopt, 12);
        QVERIFY2(w.sentence.startsWith(quillmark::GS1FindingText(wide)), qPrintable(w.sentence));
    }

    // The window's EAN-13 at 100 % is a retail symbol: too small for an outer case, right for
    // the point of sale. The choice beside the verdict decides which table holds it.
    void applicationChoiceDecidesTheTable() {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* application = Child<QComboBox>(form, "ApplicationBox");
        QCOMPARE(application->currentText(), QStringLiteral("Дистрибуция и логистика"));
        QVERIFY2(LineOf(form).startsWith(
                     u"Модуль 0,330 мм меньше 0,495 мм по GS1: нужно увеличение 200 %"),
                 qPrintable(LineOf(form)));
        QVERIFY(Child<SymbolVerdict>(form, "SymbolVerdict")
                    ->shown()
                    .sentence.contains(u"увеличение 200 %"));
        application->setCurrentIndex(1);
        QVERIFY2(LineOf(form).startsWith(u"Читается"), qPrintable(LineOf(form)));
    }

    void redLinesFailTheColourCheck() {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Child<QComboBox>(form, "ApplicationBox")->setCurrentIndex(1);  // retail
        QVERIFY(LineOf(form).startsWith(u"Читается"));
        auto* dialog = Child<QColorDialog>(form, "ColorDialog");
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->setCurrentColor(Qt::red);
            dialog->accept();
        });
        QTest::mouseClick(Child(form, "LineColorBtn"), Qt::LeftButton);
        QVERIFY2(LineOf(form).startsWith(u"Контраст в красном свете сканера всего"),
                 qPrintable(LineOf(form)));
        QCOMPARE(Child<QLabel>(form, "VerdictMark")->text(), QStringLiteral("✗"));
    }

    // The whole verdict follows a keystroke in ITF-14 at 100 dots/mm; the interface never waits.
    void followsKeystrokesQuickly() {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Child<QSpinBox>(form, "Resolution")->setValue(100);
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(1);
        auto* field = Child<QLineEdit>(form, "ITF14_CodeValue");
        const auto* verdict = Child<SymbolVerdict>(form, "SymbolVerdict");
        Settled(*verdict);
        QSignalSpy ready(verdict, &SymbolVerdict::verdictReady);
        qint64 worst = 0;
        qint64 worstOnThread = 0;  // what the interface itself spends, repaint request included
        field->setFocus();
        field->setCursorPosition(0);
        for (const char digit : {'1', '5', '4', '0', '0', '1', '4', '1'}) {
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(field, digit);
            worstOnThread = std::max(worstOnThread, clock.elapsed());
            QVERIFY(verdict->isPending());
            QVERIFY(QTest::qWaitFor([&] { return !ready.isEmpty(); }, 2000));
            worst = std::max(worst, clock.elapsed());
            ready.clear();
        }
        qInfo(
            "ITF-14 at 100 dots/mm: keystroke to whole verdict at most %lld ms, of which the "
            "interface thread %lld ms",
            worst, worstOnThread);
        // About 35 ms on an idle machine; the bound leaves room for a loaded one.
        QVERIFY2(worst < 500, "the verdict lags the keystroke");
        QVERIFY2(worstOnThread < 100, "the interface waits for the checks");
        QVERIFY(LineOf(form).startsWith(u"Читается: 15400141"));
    }
};

QTEST_MAIN(SymbolVerdictTest)
#include "SymbolVerdictTest.moc"
