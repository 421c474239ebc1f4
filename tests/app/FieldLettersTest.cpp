// The UCC/EAN-128 field's letters: which characters it carries and the bytes the encoder reads.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "ai/FieldCharacters.h"
#include "app/FieldLetters.h"
#include "support/QtTables.h"

using quillmark::FieldBytes;
using quillmark::KeepFieldLetters;
using quillmark::SpecialCharLetter;
using quillmark::test::Columns;

class FieldLettersTest : public QObject {
    Q_OBJECT

private slots:
    void bytes_data() {
        Columns<QString, QByteArray, QString, qsizetype>("text", "bytes", "kept", "dropped");
        QTest::newRow("empty") << QString() << QByteArray() << QString() << qsizetype{0};
        QTest::newRow("printable ASCII ends")
            << QStringLiteral(" ~(10)AZaz09") << QByteArray(" ~(10)AZaz09")
            << QStringLiteral(" ~(10)AZaz09") << qsizetype{0};
        QTest::newRow("control letters") << QStringLiteral("АБЭЯ") << QByteArray("\xC0\xC1\xDD\xDF")
                                         << QStringLiteral("АБЭЯ") << qsizetype{0};
        QTest::newRow("function letters")
            << QStringLiteral("а(10)бвг") << QByteArray("\xE0(10)\xE1\xE2\xE3")
            << QStringLiteral("а(10)бвг") << qsizetype{0};
        // The neighbours of the two runs, and what lies outside printable ASCII.
        QTest::newRow("д and я are no special characters")
            << QStringLiteral("дяЁё") << QByteArray() << QString() << qsizetype{4};
        QTest::newRow("controls, DEL and Latin-1")
            << QString::fromUtf8("\t\n\x7F\xC3\xA9\xC2\xA0x") << QByteArray("x")
            << QStringLiteral("x") << qsizetype{5};
        QTest::newRow("emoji counts once")
            << QString::fromUtf8(
                   "A\xF0\x9F\x98\x80"
                   "B")
            << QByteArray("AB") << QStringLiteral("AB") << qsizetype{1};
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u'Z' << QByteArray("Z")
                                        << QStringLiteral("Z") << qsizetype{1};
    }
    void bytes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kept);
        QFETCH(qsizetype, dropped);
        QCOMPARE(QByteArray::fromStdString(FieldBytes(text)), bytes);
        qsizetype count = -1;
        QCOMPARE(KeepFieldLetters(text, &count), kept);
        QCOMPARE(count, dropped);
        QCOMPARE(QByteArray::fromStdString(FieldBytes(kept)), bytes);
        // The way back, as a mend writes the field: the letters kept, nothing else.
        QCOMPARE(quillmark::FieldLettersOf(bytes.toStdString()), kept);
    }

    // Every special character of the list shows as its letter and reads back as its code.
    void everySpecialCharacterRoundTrips() {
        QSet<QChar> letters;
        for (int item = 0; item < quillmark::kSpecialCharCount; ++item) {
            const int code = *quillmark::SpecialCharCode(item);
            const QChar letter = SpecialCharLetter(code);
            QVERIFY(quillmark::IsFieldLetter(letter));
            QCOMPARE(FieldBytes(QString(letter)), std::string(1, static_cast<char>(code)));
            letters.insert(letter);
        }
        QCOMPARE(letters.size(), 36);
        QCOMPARE(quillmark::FieldLettersOf("\x7F\x1F\xBF\xE4"), QString());
        QVERIFY(SpecialCharLetter(191).isNull());
        QVERIFY(SpecialCharLetter(228).isNull());
        QVERIFY(SpecialCharLetter(65).isNull());
    }

    // In an edit, refused characters never arrive; the caret stays after what was kept.
    void validatorInAnEdit_data() {
        Columns<QString, int, QString, QString, int, int>("before", "caret", "inserted", "after",
                                                          "caretAfter", "refusals");
        QTest::newRow("clean") << "AB" << 1 << "xа"
                               << "AxаB" << 3 << 0;
        QTest::newRow("mixed") << "AB" << 1 << "x\ty"
                               << "AxyB" << 3 << 1;
        QTest::newRow("nothing kept") << "AB" << 2 << "жж"
                                      << "AB" << 2 << 1;
    }
    void validatorInAnEdit() {
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, inserted);
        QFETCH(QString, after);
        QFETCH(int, caretAfter);
        QFETCH(int, refusals);
        QLineEdit edit;
        auto* validator = new quillmark::FieldLetterValidator(&edit);
        edit.setValidator(validator);
        edit.setText(before);
        QSignalSpy refused(validator, &quillmark::FieldLetterValidator::refused);
        edit.setCursorPosition(caret);
        edit.insert(inserted);
        QCOMPARE(edit.text(), after);
        QCOMPARE(edit.cursorPosition(), caretAfter);
        QCOMPARE(refused.size(), refusals);
    }
};

QTEST_MAIN(FieldLettersTest)
#include "FieldLettersTest.moc"
