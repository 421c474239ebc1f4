// The symbol checks' findings in the words of both front ends, side by side: the command line's
// English line and the window's Russian text of each finding.
#include <QSet>
#include <QtTest>

#include <set>

#include "app/CheckWording.h"
#include "cli/CheckWording.h"
#include "support/QtTables.h"

using quillmark::test::Columns;

Q_DECLARE_METATYPE(quillmark::Finding)

namespace quillmark {
namespace {

const QByteArray kGTIN("(01)09501101530003");
const QByteArray kSSCC("(00)095011015300000003");
// GS1 data as a reader sends it: (10)AB, a separating FNC1, (21)1 and an EOT.
const char* const kGS1Data =
    "10AB\x1D"
    "211\x04";

void WordColumns() {
    // The command line's --check line and the window's text.
    Columns<Finding, QString, QString>("finding", "line", "text");
}

QString Line(const Finding& f) {
    return QString::fromStdString(FindingLine(f.severity, DescribeFinding(f)));
}

void CompareWords() {
    QFETCH(Finding, finding);
    QFETCH(QString, line);
    QFETCH(QString, text);
    QCOMPARE(Line(finding), line);
    QCOMPARE(FindingText(finding), text);
}

// The first GS1 finding of a field text.
Finding FirstOf(const QByteArray& fieldText, GS1Context context = {}) {
    const std::vector<GS1Finding> findings = CheckGS1Text(fieldText.toStdString(), context);
    if (findings.empty()) qFatal("no finding in %s", fieldText.constData());
    return {findings.front().severity, findings.front()};
}

Finding Scan(ScanVerdict verdict, bool gs1, const char* text, const char* addOn) {
    ScanFinding f;
    f.verdict = verdict;
    f.severity = verdict == ScanVerdict::Reads ? Severity::Pass : Severity::Failure;
    f.gs1 = gs1;
    f.text = text;
    f.addOn = addOn;
    f.expectedText = gs1 ? kGS1Data : "4006381333931";
    f.expectedAddOn = gs1 ? "" : "12";
    return {f.severity, f};
}

Finding Size(SizeProblem problem, double expected, double found, unsigned short mendPercent,
             SizeMend mend, Symbology symbology = Symbology::EAN13) {
    SizeFinding f;
    f.problem = problem;
    f.severity = Severity::Failure;
    f.expected = expected;
    f.found = found;
    f.mendPercent = mendPercent;
    return {f.severity, SizeTableFinding{f, Application::GeneralDistribution, symbology, mend}};
}

Finding Module(Symbology symbology, unsigned short size, double dotsPerMm) {
    const std::optional<ModuleGeometry> m = ModuleAtResolution(symbology, size, dotsPerMm);
    if (!m) qFatal("no module");
    return {m->severity, ModuleFinding{*m, dotsPerMm}};
}

Finding Colours(TColor line, TColor background) {
    const ContrastResult c = GradeContrast(line, background);
    return {c.severity, c};
}

}  // namespace

class CheckWordingTest : public QObject {
    Q_OBJECT

private slots:
    void gs1Findings_data() {
        WordColumns();
        QTest::newRow("missing FNC1")
            << FirstOf(kGTIN + "(10)ABC(21)12")
            << QString(
                   "failure: AI (10): no {FNC1} before (21); a reader takes (21) "
                   "as data of AI (10)")
            << QString("AI (10): перед (21) нет FNC1, сканер прочтёт (21) как данные (10)");
        QTest::newRow("check digit") << FirstOf("(01)09501101530004")
                                     << QString("failure: AI (01): check digit should be 3, not 4")
                                     << QString("AI (01): контрольная цифра должна быть 3, а не 4");
        QTest::newRow("check digit of an SSCC")
            << FirstOf("(00)123456789012345670")
            << QString("failure: AI (00): check digit should be 5, not 0")
            << QString("AI (00): контрольная цифра должна быть 5, а не 0");
        QTest::newRow("too short")
            << FirstOf(kGTIN + "(11)2401")
            << QString("failure: AI (11): data of 4 characters, at least 6 needed")
            << QString("AI (11): в данных 4 симв., нужно не меньше 6");
        QTest::newRow("non-digit")
            << FirstOf(kGTIN + "(20)1A")
            << QString("failure: AI (20): \"A\" at position 24 in data that takes digits only")
            << QString("AI (20): «A» в позиции 24, а данные только цифровые");
        QTest::newRow("control character")
            << FirstOf(kGTIN + "(20)1\xC4")
            << QString("failure: AI (20): control character {EOT} at position 24 inside the data")
            << QString("AI (20): управляющий знак EOT в позиции 24 внутри данных");
        QTest::newRow("date") << FirstOf(kGTIN + "(17)250230")
                              << QString("failure: AI (17): 250230 is no date (YYMMDD) (yymmd0)")
                              << QString("AI (17): 250230 не дата (ГГММДД)");
        QTest::newRow("date after a date")
            << FirstOf(kGTIN + "(15)241231(17)250230")
            << QString("failure: AI (17): 250230 is no date (YYMMDD) (yymmd0)")
            << QString("AI (17): 250230 не дата (ГГММДД)");
        QTest::newRow("month") << FirstOf(kGTIN + "(17)251340")
                               << QString("failure: AI (17): invalid month 13 (yymmd0)")
                               << QString("AI (17): месяца 13 не бывает");
        QTest::newRow("month of (15)") << FirstOf(kGTIN + "(15)241301")
                                       << QString("failure: AI (15): invalid month 13 (yymmd0)")
                                       << QString("AI (15): месяца 13 не бывает");
        QTest::newRow("hour") << FirstOf(kGTIN + "(7003)2512312400")
                              << QString("failure: AI (7003): invalid hour 24 (hhmm)")
                              << QString("AI (7003): часа 24 не бывает");
        QTest::newRow("country")
            << FirstOf(kGTIN + "(422)999")
            << QString("failure: AI (422): 999 is not an ISO 3166 country code (iso3166)")
            << QString("AI (422): 999 не код страны по ISO 3166");
        QTest::newRow("currency")
            << FirstOf(kGTIN + "(30)5\xE0(3932)0011099")
            << QString("failure: AI (3932): 001 is not an ISO 4217 currency code (iso4217)")
            << QString("AI (3932): 001 не код валюты по ISO 4217");
        QTest::newRow("decimal point")
            << FirstOf("(3107)000100")
            << QString("failure: AI (3107): decimal point position 7 is above 5")
            << QString("AI (3107): положение десятичной точки 7 больше 5");
        QTest::newRow("space")
            << FirstOf(kGTIN + "(10)A B")
            << QString("warning: AI (10): the space at position 24 is printed but not encoded")
            << QString("AI (10): пробел в позиции 24 печатается, но не кодируется");
        QTest::newRow("character set")
            << FirstOf(kGTIN + "(10)AB#")
            << QString("failure: AI (10): \"#\" at position 25 is not in CSET 82")
            << QString("AI (10): «#» в позиции 25 не входит в набор знаков CSET 82");
        QTest::newRow("unencodable")
            << FirstOf(kGTIN + "(10)A\xE4")
            << QString(
                   "warning: symbol: character <228> at position 24 cannot be encoded and is left "
                   "out")
            << QString("Знак с кодом 228 в позиции 24 не кодируется и пропущен");
        QTest::newRow("trailing FNC1")
            << FirstOf(kGTIN + "(10)A\xE0")
            << QString("warning: symbol: the {FNC1} at the end adds a symbol character and no data")
            << QString("FNC1 в конце текста лишь добавляет знак в символ, данных в нём нет");
        QTest::newRow("unknown AI")
            << FirstOf("(7099)1")
            << QString("failure: AI (7099) is not a GS1 Application Identifier")
            << QString("AI (7099) не определён в GS1");
        QTest::newRow("yes or no") << FirstOf(kSSCC + "(4321)2")
                                   << QString("failure: AI (4321): \"2\" must be 0 or 1 (yesno)")
                                   << QString("AI (4321): «2» — допустимы только 0 и 1");
        QTest::newRow("check characters")
            << FirstOf("(8013)1987654Ad4X4bL5ttr2310c2L")
            << QString("failure: AI (8013): check characters should be 2K, not 2L (csumalpha)")
            << QString("AI (8013): контрольная пара знаков должна быть 2K, а не 2L");
        QTest::newRow("company prefix")
            << FirstOf("(401)ABC123")
            << QString(
                   "failure: AI (401): \"ABC1\" does not begin a GS1 Company Prefix of at least 4 "
                   "digits (key)")
            << QString(
                   "AI (401): ключ должен начинаться с префикса компании GS1 — не меньше четырёх "
                   "цифр, а начинается с «ABC1»");
        QTest::newRow("requisite")
            << FirstOf("(02)09501101530003")
            << QString(
                   "warning: AI (02) needs AI (37) in this symbol or another symbol of the same "
                   "label")
            << QString("AI (02) требует AI (37) в этом или в другом символе той же этикетки");
        QTest::newRow("requisites")
            << FirstOf("(10)A")
            << QString(
                   "warning: AI (10) needs AI (01) or (02) or (8006) or (8026) in this symbol or "
                   "another symbol of the same label")
            << QString(
                   "AI (10) требует AI (01) или (02) или (8006) или (8026) в этом или в другом "
                   "символе той же этикетки");
        QTest::newRow("requisite of a whole label")
            << FirstOf("(02)09501101530003", {.wholeLabel = true})
            << QString("failure: AI (02) needs AI (37), which the label lacks")
            << QString("AI (02) требует AI (37), а на этикетке его нет");
        QTest::newRow("exclusive") << FirstOf(kGTIN + "(02)09501101530003(37)1")
                                   << QString("failure: AI (02) must not appear with AI (01)")
                                   << QString("AI (02) нельзя сочетать с AI (01)");
        QTest::newRow("repeated")
            << FirstOf(kGTIN + "(10)A\xE0(10)B")
            << QString("failure: AI (10) appears twice with different data: A and B")
            << QString("AI (10) повторяется с другими данными: A и B");
    }
    void gs1Findings() { CompareWords(); }

    void scanBack_data() {
        WordColumns();
        QTest::newRow("read") << Scan(ScanVerdict::Reads, false, "4006381333931", "12")
                              << QString("pass: scan-back: reads 4006381333931 + 12")
                              << QString("Читается: 4006381333931 + 12");
        QTest::newRow("no add-on")
            << Scan(ScanVerdict::ReadsWithoutAddOn, false, "4006381333931", "")
            << QString("failure: scan-back: reads 4006381333931 without the add-on 12")
            << QString("Читается 4006381333931 без дополнительного кода 12");
        QTest::newRow("other")
            << Scan(ScanVerdict::ReadsOther, false, "4006381333948", "12")
            << QString("failure: scan-back: reads 4006381333948 + 12 instead of 4006381333931 + 12")
            << QString("Читается 4006381333948 + 12 вместо 4006381333931 + 12");
        QTest::newRow("nothing") << Scan(ScanVerdict::NothingRead, false, "", "")
                                 << QString("failure: scan-back: nothing read")
                                 << QString("Не читается");
        QTest::newRow("no picture")
            << Scan(ScanVerdict::NoPicture, false, "", "")
            << QString("failure: scan-back: no picture can be made at this resolution")
            << QString("При таком разрешении картинку не построить");
        QTest::newRow("no symbol") << Scan(ScanVerdict::NoSymbol, true, "", "")
                                   << QString("failure: scan-back: the data make no symbol")
                                   << QString("Из этих данных символ не построить");
        QTest::newRow("GS1") << Scan(ScanVerdict::Reads, true, kGS1Data, "")
                             << QString("pass: scan-back: reads 10AB{FNC1}211{EOT}")
                             << QString("Читается: (10)AB(21)1[EOT]");
        QTest::newRow("GS1 not as GS1")
            << Scan(ScanVerdict::ReadsNotAsGS1, true, kGS1Data, "")
            << QString("failure: scan-back: reads 10AB{FNC1}211{EOT} but not as GS1 data")
            << QString("Читается (10)AB(21)1[EOT], но не как данные GS1");
    }
    void scanBack() { CompareWords(); }

    void symbolAsAWhole_data() {
        WordColumns();
        QTest::newRow("grade A")
            << Colours(0x0000FF, 0xFFFF00)
            << QString("pass: colours: symbol contrast under red light 100 %, grade A")
            << QString("Контраст в красном свете сканера 100 %, класс A");
        QTest::newRow("grade C")
            << Colours(0xBCBCBC, 0xFFFFFF)
            << QString(
                   "warning: colours: symbol contrast under red light 50 %, grade C; not every "
                   "scanner reads it")
            << QString(
                   "Контраст в красном свете сканера 50 %, класс C: читается не всеми сканерами");
        QTest::newRow("grade F")
            << Colours(0xFF0000, 0xFFFFFF)
            << QString(
                   "failure: colours: symbol contrast under red light 0 %, grade F; a scanner can "
                   "hardly tell the lines from the background")
            << QString(
                   "Контраст в красном свете сканера всего 0 %, класс F: сканер не отличит штрихи "
                   "от фона");
        QTest::newRow("inverted")
            << Colours(0xFFFFFF, 0x000000)
            << QString(
                   "failure: colours: the lines are lighter than the background under a scanner's "
                   "red light (inverted); many scanners refuse such symbols")
            << QString(
                   "Штрихи светлее фона в красном свете сканера: многие сканеры не читают такой "
                   "символ");
        QTest::newRow("module")
            << Module(Symbology::EAN13, 100, 12)
            << QString(
                   "pass: module: 3.96 dots at 12.00 dots/mm, printed 4 dots = 0.333 mm (nominal "
                   "0.330 mm)")
            << QString("Модуль 0,333 мм (номинал 0,330 мм): 3,96 точки при 12,00 точек/мм");
        QTest::newRow("module under 2 dots")
            << Module(Symbology::EAN13, 100, 4)
            << QString(
                   "warning: module: 1.32 dots at 4.00 dots/mm, printed 1 dots = 0.250 mm (nominal "
                   "0.330 mm); modules under 2 dots print unreliably")
            << QString(
                   "Модуль 0,250 мм (номинал 0,330 мм): 1,32 точки при 4,00 точек/мм; меньше двух "
                   "точек, печатается ненадёжно");
        QTest::newRow("module vanishes")
            << Module(Symbology::UCCEAN128, 100, 2)
            << QString(
                   "failure: module: 0.50 dots at 2.00 dots/mm, printed 0 dots = 0.000 mm (nominal "
                   "0.250 mm); under half a dot the bars vanish")
            << QString(
                   "Модуль 0,000 мм (номинал 0,250 мм): 0,50 точки при 2,00 точек/мм; меньше "
                   "половины точки, штрихи пропадают");
        QTest::newRow("no module")
            << Finding{Severity::Failure, NoModuleFinding{}}
            << QString("failure: module: no module at this size and resolution")
            << QString("Символ такого вида или размера не построить");
        QTest::newRow("not listed")
            << Size(SizeProblem::NotListed, 0, 0, 0, SizeMend::None, Symbology::UPCE)
            << QString(
                   "failure: size table (general-distribution): GS1's table for this application "
                   "has no row for UPC-E")
            << QString("Таблица GS1 «Дистрибуция и логистика» не предусматривает UPC-E");
        QTest::newRow("X below")
            << Size(SizeProblem::XBelowMinimum, 0.495, 0.33, 200, SizeMend::Size)
            << QString(
                   "failure: size table (general-distribution): X-dimension 0.330 mm is below the "
                   "minimum 0.495 mm; --size 200 meets it")
            << QString("Модуль 0,330 мм меньше 0,495 мм по GS1: нужно увеличение 200 %");
        QTest::newRow("X above")
            << Size(SizeProblem::XAboveMaximum, 0.66, 0.99, 0, SizeMend::None)
            << QString(
                   "failure: size table (general-distribution): X-dimension 0.990 mm is above the "
                   "maximum 0.660 mm; no magnification of this symbol meets it")
            << QString("Модуль 0,990 мм больше 0,660 мм по GS1: ни одно увеличение не подходит");
        Finding module = Size(SizeProblem::XBelowMinimum, 0.743, 0.5, 0, SizeMend::None,
                              Symbology::GS1DataMatrix);
        std::get<SizeTableFinding>(module.detail).finding.mendModuleMm = 0.743;
        QTest::newRow("2D module below")
            << module
            << QString(
                   "failure: size table (general-distribution): X-dimension 0.500 mm is below the "
                   "minimum 0.743 mm; --module 0.743 meets it")
            << QString("Модуль 0,500 мм меньше 0,743 мм по GS1: нужен модуль 0,743 мм");
        QTest::newRow("X off target")
            << Size(SizeProblem::XOffTarget, 0.495, 0.25, 200, SizeMend::HorizontalSize,
                    Symbology::UCCEAN128)
            << QString(
                   "failure: size table (general-distribution): X-dimension 0.250 mm is away from "
                   "the target 0.495 mm; --gsize 200 meets it")
            << QString(
                   "Модуль 0,250 мм вместо рекомендуемых GS1 0,495 мм: нужно горизонтальное "
                   "увеличение 200 %");
        QTest::newRow("bars short")
            << Size(SizeProblem::BarsTooShort, 31.75, 12.7, 250, SizeMend::VerticalSize,
                    Symbology::UCCEAN128)
            << QString(
                   "failure: size table (general-distribution): bars 12.70 mm high are below the "
                   "least 31.75 mm for this X-dimension; --vsize 250 meets it")
            << QString("Штрихи 12,70 мм ниже 31,75 мм по GS1: нужно вертикальное увеличение 250 %");
        QTest::newRow("quiet zone") << Size(SizeProblem::QuietZone, 10, 7, 0, SizeMend::None)
                                    << QString(
                                           "failure: size table (general-distribution): quiet "
                                           "zones of 7 modules are below the 10 the table asks for")
                                    << QString("Свободные зоны в 7 модулей меньше 10 по GS1");
    }
    void symbolAsAWhole() { CompareWords(); }

    // The command line says so where a symbol meets the table; the window's verdict leaves it
    // out and has no words for it.
    void sizeTableMet() {
        const Finding met{Severity::Pass, SizeTableMet{Application::RetailPOS}};
        QCOMPARE(Line(met), QString("pass: size table (retail-pos): meets GS1's table"));
        QVERIFY(FindingText(met).isEmpty());
    }

    // Every GS1 problem has its own words in each front end: none falls through to a bare AI.
    void everyProblemWordedDifferently() {
        std::set<std::string> lines;
        QSet<QString> texts;
        for (int p = 0; p <= static_cast<int>(kLastGS1Problem); ++p) {
            const GS1Finding f{
                static_cast<GS1Problem>(p), Severity::Warning, "10", 3, "5", "9", {}, {}};
            const std::string line = DescribeGS1Finding(f);
            const QString text = GS1FindingText(f);
            QVERIFY2(line.size() > 12, line.c_str());
            QVERIFY2(text.size() > 10, qPrintable(text));
            lines.insert(line);
            texts.insert(text);
        }
        QCOMPARE(lines.size(), static_cast<std::size_t>(kLastGS1Problem) + 1);
        QCOMPARE(texts.size(), static_cast<int>(kLastGS1Problem) + 1);
    }

    // Data as a reader sends it, GS1's separating GS as FNC1 and control characters by name; and
    // --verify's reading of a symbol that does not scan, with the data it should carry.
    void scanData() {
        const std::string data =
            "10A\x1D"
            "21\x04";
        QCOMPARE(ScanDataText(data, true), QString("10A[FNC1]21[EOT]"));
        QCOMPARE(QString::fromStdString(ScanDataWord(data, true)), QString("10A{FNC1}21{EOT}"));
        const Finding other = Scan(ScanVerdict::ReadsOther, false, "4006381333948", "");
        QCOMPARE(QString::fromStdString(
                     DescribeScanAgainstExpected(std::get<ScanFinding>(other.detail))),
                 QString("scan-back: reads 4006381333948 instead of 4006381333931 + 12 (expected "
                         "4006381333931 + 12)"));
    }
};

}  // namespace quillmark

QTEST_GUILESS_MAIN(quillmark::CheckWordingTest)
#include "CheckWordingTest.moc"
