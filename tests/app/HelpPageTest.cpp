// The help page: where it is written, that writing replaces or fails cleanly, and what it holds.
#include <iconv.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <string>

#include "ai/AIList.h"
#include "app/HelpCommand.h"
#include "app/HelpPage.h"
#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "support/QtTables.h"

using quillmark::HelpPageBytes;
using quillmark::HelpPagePath;
using quillmark::WriteHelpPage;
using quillmark::test::Columns;

namespace {

// Strict conversion between encodings; nullopt when a byte or character has no counterpart.
std::optional<QByteArray> Convert(const char* from, const char* to, QByteArray in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    QByteArray out(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = static_cast<std::size_t>(in.size());
    std::size_t outLeft = static_cast<std::size_t>(out.size());
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) return std::nullopt;
    out.resize(out.size() - static_cast<qsizetype>(outLeft));
    return out;
}

QByteArray ToCp1251(const QString& text) {
    return Convert("UTF-8", "WINDOWS-1251", text.toUtf8()).value_or(QByteArray("<unconvertible>"));
}

QString PageText() {
    const std::optional<QByteArray> utf8 = Convert("WINDOWS-1251", "UTF-8", HelpPageBytes());
    return utf8 ? QString::fromUtf8(*utf8) : QString();
}

// The page in a resource, as text; the Russian page's resource is registered on its first read.
QString ResourceText(const char* path) {
    HelpPageBytes();
    QFile resource(QString::fromLatin1(path));
    const std::optional<QByteArray> utf8 =
        Convert("WINDOWS-1251", "UTF-8",
                resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray());
    return utf8 ? QString::fromUtf8(*utf8) : QString();
}

// What the page's tables hold apart from words (their rows and numbers), then the sizes the page
// states, decimal commas written as points.
QStringList Figures(const QString& page) {
    static const QRegularExpression table(QStringLiteral("<table>.*?</table>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression figure(QStringLiteral("<tr>|\\d+(?:[.,]\\d+)?"));
    static const QRegularExpression size(
        QStringLiteral("\\d+[.,]\\d+&nbsp;&times;&nbsp;\\d+[.,]\\d+|\\d+[.,]\\d+&nbsp;(?:mm|мм)"));
    QStringList figures;
    for (auto tables = table.globalMatch(page); tables.hasNext();) {
        figures << QStringLiteral("<table>");
        for (auto found = figure.globalMatch(tables.next().captured()); found.hasNext();)
            figures << found.next().captured().replace(u',', u'.');
    }
    for (auto found = size.globalMatch(page); found.hasNext();)
        figures << found.next()
                       .captured()
                       .replace(u',', u'.')
                       .replace(QStringLiteral("мм"), QStringLiteral("mm"));
    return figures;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// TEMP as a test row wants it: a value, empty, or unset.
void SetTemp(const std::optional<QString>& value) {
    if (value)
        qputenv("TEMP", value->toUtf8());
    else
        qunsetenv("TEMP");
}

// An id other than the one running the tests, to own what another user would.
constexpr uid_t kOtherUser = 65534;

QString Millimetres(int pixels) {
    return QString::number(pixels / 1000.0, 'f', 2).replace(u'.', u',');
}

QString SizeText(const quillmark::TRect& bounds) {
    return Millimetres(bounds.Right - bounds.Left) + "&nbsp;&times;&nbsp;" +
           Millimetres(bounds.Bottom - bounds.Top) + "&nbsp;мм";
}

}  // namespace

class HelpPageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // Without TEMP the page goes to a private folder in the runtime folder, here a known one;
        // the system's temporary folder is not used.
        const QString runtime = QDir(dir_.path()).filePath("run");
        QVERIFY(QDir().mkpath(runtime));
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
        qputenv("TMPDIR", dir_.path().toUtf8());
        QVERIFY(HelpPageBytes().size() > 10000);
    }

    void writesWhereTempSays_data() {
        Columns<std::optional<QString>, QString>("temp", "expected");
        const QString base = dir_.path();
        QTest::newRow("no separator") << std::optional<QString>(base) << base + "/HelpRus.html";
        QTest::newRow("separator") << std::optional<QString>(base + "/") << base + "/HelpRus.html";
        const QString private_ = base + "/run/quillmark/HelpRus.html";
        QTest::newRow("unset") << std::optional<QString>() << private_;
        QTest::newRow("empty") << std::optional<QString>("") << private_;
    }
    void writesWhereTempSays() {
        QFETCH(std::optional<QString>, temp);
        QFETCH(QString, expected);
        SetTemp(temp);
        QCOMPARE(HelpPagePath(), expected);
        QFile::remove(expected);
        QString error;
        QCOMPARE(WriteHelpPage(&error), expected);
        QVERIFY(error.isEmpty());
        QCOMPARE(ReadAll(expected), HelpPageBytes());
    }

    // What another user planted at the page's name is refused and left as it is: a link to the
    // victim's file (which stays unchanged), a link to a file not made yet, another user's file.
    // The page is never written through it.
    void plantedPathRefused_data() {
        Columns<QString, QString>("plant", "reason");
        QTest::newRow("link to a file") << "link"
                                        << "символическая ссылка";
        QTest::newRow("dangling link") << "dangling"
                                       << "символическая ссылка";
        QTest::newRow("another user's file") << "foreign"
                                             << "другому пользователю";
    }
    void plantedPathRefused() {
        QFETCH(QString, plant);
        QFETCH(QString, reason);
        if (plant == "foreign" && geteuid() != 0)
            QSKIP("only root can give a file to another user");
        const QTemporaryDir shared, home;  // a folder every user writes to; the victim's home
        SetTemp(shared.path());
        const QString page = HelpPagePath(), victim = home.filePath(".bashrc");
        const QByteArray kept = "export PATH=$HOME/bin:$PATH\n";
        QFile file(plant == "foreign" ? page : victim);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kept) == kept.size());
        file.close();
        if (plant != "foreign")
            QVERIFY(QFile::link(plant == "link" ? victim : home.filePath("new"), page));
        else
            QCOMPARE(chown(QFile::encodeName(page).constData(), kOtherUser, kOtherUser), 0);
        QString error;
        QCOMPARE(WriteHelpPage(&error), QString());
        QVERIFY2(error.contains(QString("Не удаётся создать файл \"%1\"").arg(page)) &&
                     error.contains(reason),
                 qPrintable(error));
        QCOMPARE(ReadAll(file.fileName()), kept);
        QVERIFY(!QFile::exists(home.filePath("new")));
        QCOMPARE(QDir(shared.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{"HelpRus.html"});
    }

    // A second write replaces the first file, or any other one of that name, and leaves no
    // temporary file beside it.
    void writtenTwiceReplaces() {
        const QTemporaryDir folder;
        SetTemp(folder.path());
        QFile earlier(HelpPagePath());
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write(QByteArray(100000, 'x'));
        earlier.close();
        for (int run = 0; run < 2; ++run) {
            QVERIFY(!WriteHelpPage(nullptr).isEmpty());
            QCOMPARE(ReadAll(HelpPagePath()), HelpPageBytes());
        }
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"HelpRus.html"});
    }

    void unwritableReportsSystemReason_data() {
        Columns<QString, QString>("temp", "reason");
        const QString base = dir_.path();
        QFile plain(base + "/plain-file");
        QVERIFY(plain.open(QIODevice::WriteOnly));
        QVERIFY(QDir().mkpath(base + "/taken/HelpRus.html"));
        QTest::newRow("missing folder") << base + "/missing"
                                        << "No such file or directory";
        QTest::newRow("file as folder") << base + "/plain-file"
                                        << "Not a directory";
        QTest::newRow("page name is a folder") << base + "/taken"
                                               << "directory";
    }
    void unwritableReportsSystemReason() {
        QFETCH(QString, temp);
        QFETCH(QString, reason);
        SetTemp(temp);
        QString error;
        QVERIFY(WriteHelpPage(&error).isEmpty());
        QVERIFY2(error.contains(QDir::toNativeSeparators(HelpPagePath())), qPrintable(error));
        QVERIFY2(error.contains(reason, Qt::CaseInsensitive), qPrintable(error));

        // The command reports that message and opens nothing.
        QStringList reported;
        int opened = 0;
        QVERIFY(!quillmark::OpenHelpPage(
            nullptr, [&](const QUrl&) { return ++opened, true; },
            [&](QWidget*, const QString& message) { reported << message; }));
        QCOMPARE(reported, QStringList{error});
        QCOMPARE(opened, 0);
    }

    void commandOpensWrittenPage() {
        const QTemporaryDir folder;
        SetTemp(folder.path() + "/");
        QList<QUrl> opened;
        int reported = 0;
        QVERIFY(quillmark::OpenHelpPage(
            nullptr, [&](const QUrl& url) { return opened << url, true; },
            [&](QWidget*, const QString&) { ++reported; }));
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(folder.path() + "/HelpRus.html")});
        QCOMPARE(reported, 0);
        QCOMPARE(ReadAll(opened.front().toLocalFile()), HelpPageBytes());
    }

    // Every byte is Windows-1251 and the page is the template with its placeholders filled.
    void pageIsTheTemplateInWindows1251() {
        const QString page = PageText();
        QVERIFY(!page.isEmpty());
        QVERIFY(page.contains(
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"));
        QVERIFY(page.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0"));
        QFile templateFile(QStringLiteral(QUILLMARK_HELP_TEMPLATE));
        QVERIFY(templateFile.open(QIODevice::ReadOnly));
        const QString templateText = QString::fromUtf8(templateFile.readAll());
        const QStringList pieces = templateText.split(u'@');
        QVERIFY(pieces.size() > 10 && pieces.size() % 2 == 1);
        qsizetype at = 0;
        for (qsizetype i = 0; i < pieces.size(); i += 2) {  // odd pieces are placeholder names
            at = page.indexOf(pieces[i], at);
            QVERIFY2(at >= 0, qPrintable(pieces[i].left(80)));
            at += pieces[i].size();
        }
        QVERIFY(!page.contains(u'@'));
        QVERIFY(page.trimmed().endsWith("</html>"));
    }

    void sectionsHaveAnchorsAndHeadings_data() {
        Columns<QString, QString>("anchor", "heading");
        const char* const rows[][2] = {
            {"P1", "1. Назначение программы"},
            {"P2", "2. Поддерживаемые типы штрих-кодов"},
            {"EANUPC", "EAN/UPC"},
            {"EAN13", "- EAN-13 -"},
            {"ISBN13", "- ISBN-13 -"},
            {"EAN8", "- EAN-8 -"},
            {"UPCA", "- UPC-A -"},
            {"UPCE", "- UPC-E -"},
            {"EANUPC2DigitAddOn", "- EAN/UPC 2-Digit AddOn -"},
            {"EANUPC5DigitAddOn", "- EAN/UPC 5-Digit AddOn -"},
            {"ITF14", "ITF-14"},
            {"UCCEAN128", "UCC/EAN-128"},
            {"GS12D", "GS1 2D"},
            {"P3", "3. Выбор цвета штрихового кода"},
            {"P4", "4. Сохранение в графические файлы"},
            {"P5", "5. Экспорт в другие приложения"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString(row[0]) << QString::fromUtf8(row[1]);
    }
    void sectionsHaveAnchorsAndHeadings() {
        QFETCH(QString, anchor);
        QFETCH(QString, heading);
        const QByteArray page = HelpPageBytes();
        const QByteArray section = ToCp1251(QString("<a name=\"%1\">%2</a>").arg(anchor, heading));
        QCOMPARE(page.count(section), 1);
        // Listed in the table of contents, after its heading and before the first section.
        const qsizetype contents = page.indexOf(ToCp1251("<h2>Содержание</h2>"));
        const qsizetype link = page.indexOf(ToCp1251(QString("<a href=\"#%1\">").arg(anchor)));
        QVERIFY(page.indexOf(ToCp1251("<h1>Справка к программе Quillmark</h1>")) >= 0);
        QVERIFY(contents >= 0 && link > contents && link < page.indexOf(section));
    }

    // Every catalogue entry appears once, in table order, with its name and length as stored.
    void listsEveryApplicationIdentifier() {
        const QByteArray page = HelpPageBytes();
        qsizetype at = 0;
        for (const quillmark::TAIEntry& entry : quillmark::AITable) {
            const QString length = entry.DataLength == 0 ? QString("не ограничена")
                                                         : QString::number(entry.DataLength);
            const QString row =
                QString("<tr><td>(%1)</td><td>%2</td><td align=\"center\">%3</td><td>%4</td></tr>")
                    .arg(QString::fromUtf8(entry.AI.data(), qsizetype(entry.AI.size())),
                         QString::fromUtf8(entry.Name.data(), qsizetype(entry.Name.size())), length,
                         entry.FixedLength ? "фиксированная" : "переменная");
            const qsizetype found = page.indexOf(ToCp1251(row), at);
            QVERIFY2(found > at, qPrintable(row));
            at = found;
        }
        QCOMPARE(page.count("<tr><td>("), qsizetype(quillmark::kAICount));
    }

    // The sizes quoted are the ones the renderers lay out.
    void quotesDrawnSizes() {
        const QString page = PageText();
        quillmark::TRect bounds;
        for (const char* type : {"EAN-13", "ISBN-13", "EAN-8", "UPC-A", "UPC-E"}) {
            quillmark::DrawEANUPC(type, "None", "0000000000000", nullptr, 0, 0, 100, 1000, 1000,
                                  bounds);
            QVERIFY2(page.contains(SizeText(bounds)), type);
        }
        for (int percent : {25, 100}) {
            quillmark::DrawITF14({}, nullptr, static_cast<unsigned short>(percent), 0, 0, 1000,
                                 1000, true, bounds);
            QVERIFY2(page.contains(SizeText(bounds)), qPrintable(SizeText(bounds)));
        }
        QVERIFY(page.contains("от 80 до 200&nbsp;%"));
        QVERIFY(page.contains("от 25\nдо 100&nbsp;%"));
    }

    // The English page is filled from the same catalogue and renderers: its tables and stated
    // sizes are the Russian page's, in the same order.
    void englishPageHasTheSameFigures() {
        const QString russian = ResourceText(quillmark::kHelpResourcePath);
        const QString english = ResourceText(quillmark::kEnglishHelpResourcePath);
        QVERIFY(english.startsWith("<!DOCTYPE HTML PUBLIC") && !english.contains(u'@'));
        const QStringList figures = Figures(russian);
        QCOMPARE(figures.count(QStringLiteral("<table>")), 3);
        QVERIFY(figures.count(QStringLiteral("<tr>")) > quillmark::kAICount);
        QCOMPARE(Figures(english), figures);
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(HelpPageTest)
#include "HelpPageTest.moc"
