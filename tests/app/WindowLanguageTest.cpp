// The choice of the window's language from the desktop's, and the texts that stay as they were in
// Russian, the language the window speaks before any translation is installed.
#include <QTest>

#include "ai/AIList.h"
#include "app/translations/WindowLanguage.h"
#include "support/QtTables.h"

using quillmark::WindowLanguage;
using quillmark::test::Columns;

class WindowLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void choice_data() {
        Columns<QStringList, QString, QLocale::Language>("uiLanguages", "localeName", "expected");
        const QLocale::Language ru = QLocale::Russian;
        const QLocale::Language en = QLocale::English;
        // The lists as QLocale::system() gives them for these environments.
        QTest::newRow("LANG=ru_RU") << QStringList{"ru-RU", "ru-Cyrl-RU", "ru"} << "ru_RU" << ru;
        QTest::newRow("LANG=C") << QStringList{"C"} << "C" << ru;
        QTest::newRow("LANG=POSIX, no list") << QStringList{} << "POSIX" << ru;
        QTest::newRow("LANGUAGE=en LANG=C")
            << QStringList{"en", "en-Latn-US", "en-US"} << "C" << en;
        QTest::newRow("LANGUAGE=en LANG=ru_RU")
            << QStringList{"en", "en-Latn-US", "en-US"} << "en_US" << en;
        QTest::newRow("LANG=de_DE") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de_DE" << en;
        QTest::newRow("LANGUAGE=ru:en")
            << QStringList{"ru", "ru-Cyrl-RU", "ru-RU", "en", "en-US"} << "ru_RU" << ru;
        QTest::newRow("LANGUAGE=uk:ru") << QStringList{"uk", "uk-UA", "ru"} << "uk_UA" << en;
        QTest::newRow("no list, ru_RU.UTF-8") << QStringList{} << "ru_RU.UTF-8" << ru;
        // "rue" (Rusyn) and "rw" only begin like Russian.
        QTest::newRow("LANG=rue_SK") << QStringList{"rue-SK"} << "rue_SK" << en;
    }
    void choice() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, localeName);
        QFETCH(QLocale::Language, expected);
        QCOMPARE(WindowLanguage(uiLanguages, localeName), expected);
    }

    // Without a translation installed every row reads as the catalogue writes it.
    void aiRowsAsInTheCatalogue() {
        for (int row = -1; row <= quillmark::kAICount; ++row)
            QCOMPARE(quillmark::AIItemText(row),
                     QString::fromStdString(quillmark::AIListItem(row)));
    }

    void russianDecimalComma() {
        QCOMPARE(quillmark::DecimalText(QStringLiteral("0.330")), QStringLiteral("0,330"));
        QCOMPARE(quillmark::DecimalText(QStringLiteral("12")), QStringLiteral("12"));
    }
};

QTEST_GUILESS_MAIN(WindowLanguageTest)
#include "WindowLanguageTest.moc"
