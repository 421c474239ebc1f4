// The AI dialog: fields for every row, check and length digits while typing, refused input, and
// the text that "Вставить" gives back.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "ai/AIList.h"
#include "app/AIForm.h"
#include "support/QtTables.h"

using quillmark::AITable;
using quillmark::TAIForm;
using quillmark::test::Columns;

namespace {

const QString kVariableNote = QString::fromUtf8(
    "Данный AI имеет пременную длину и если за ним следуют другие AI, то к концу этого кода "
    "после всатвки нужно добавить спецсимвол FNC1.");
const QString kDecimalNote = QString::fromUtf8("Цифра \"y\" указывает положение десятичной точки.");

int Row(const char* ai) {
    for (int i = 0; i < quillmark::kAICount; ++i)
        if (AITable[static_cast<std::size_t>(i)].AI == ai) return i;
    return -1;
}

// GS1 modulo 10 written from the rule: from the right, the digit next to the check weighs 3.
QChar GS1Check(const QString& digits) {
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += digits.at(i).digitValue() * ((digits.size() - i) % 2 == 1 ? 3 : 1);
    return QChar(u'0' + (10 - sum % 10) % 10);
}

// Types text one key at a time, characters beyond ASCII included; returns every refusal shown.
QStringList TypeSaying(QLineEdit* field, const QString& text, const QLabel* said) {
    QStringList messages;
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        if (!said->text().isEmpty()) messages << said->text();
    }
    return messages;
}

}  // namespace

class AIFormTest : public QObject {
    Q_OBJECT

    TAIForm* form = nullptr;

    template <typename T>
    T* child(const char* name) const {
        auto* w = form->findChild<T*>(QLatin1String(name));
        if (w == nullptr) qFatal("no control %s", name);
        return w;
    }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(name); }
    QString refusal() const { return child<QLabel>("RefusedText")->text(); }

private slots:
    void init() { form = new TAIForm; }
    void cleanup() { delete form; }

    // Every row of the table: literals, field kind and length, note, the field's place.
    void everyRow_data() {
        Columns<int>("row");
        for (int i = 0; i < quillmark::kAICount; ++i)
            QTest::newRow(AITable[static_cast<std::size_t>(i)].AI.data()) << i;
    }
    void everyRow() {
        QFETCH(int, row);
        const quillmark::TAIEntry& r = AITable[static_cast<std::size_t>(row)];
        QVERIFY(form->PrepareForAI(row));
        QVERIFY(form->Ready());
        const QString ai = QString::fromLatin1(r.AI.data(), static_cast<qsizetype>(r.AI.size()));
        QCOMPARE(child<QLabel>("AIname")->text(), u'(' + ai + ") - " + QString::fromUtf8(r.Name));

        QString id = u'(' + ai + u')';
        id.replace(u'y', u'0').replace(u'x', u'0');
        QCOMPARE(edit("IDEdit")->displayText(), id);

        QLineEdit* fixed = edit("FDataEdit");
        QLineEdit* variable = edit("VDataEdit");
        QLineEdit* shown = r.FixedLength ? fixed : variable;
        QCOMPARE(fixed->isHidden(), !r.FixedLength);
        QCOMPARE(variable->isHidden(), r.FixedLength);
        QCOMPARE(shown->x(), edit("IDEdit")->geometry().right() + 1 + 3);
        QCOMPARE(shown->width(), 350);
        if (r.FixedLength) {
            QCOMPARE(fixed->displayText(), QString(r.DataLength, u'0'));
            QCOMPARE(form->AIInsertionText(), id + QString(r.DataLength, u'0'));
        } else {
            QCOMPARE(variable->text(), QString());
            QCOMPARE(variable->maxLength(), r.DataLength == 0 ? 32767 : int{r.DataLength});
        }

        QString note;
        if (!r.FixedLength && ai != "23x") note = kVariableNote;
        if (ai.endsWith(u'y')) note = kDecimalNote;
        QCOMPARE(child<QLabel>("NoteText")->text(), note);

        // The AI's name is read on one line above the fields.
        QLabel* name = child<QLabel>("AIname");
        QVERIFY(QFontMetrics(name->font()).horizontalAdvance(name->text()) <= name->width());
    }

    void outOfRangeRowIsRefused() {
        QVERIFY(form->PrepareForAI(3));
        QVERIFY(!form->PrepareForAI(-1));
        QVERIFY(!form->PrepareForAI(quillmark::kAICount));
        QCOMPARE(form->AIIndex(), 3);
        QVERIFY(!form->Run(91).has_value());
    }

    // Typing into the fixed field: "00" and "01" keep their last digit the GS1 check digit, with
    // the caret on the next digit; "02" has none.
    void fixedDigitsWhileTyping_data() {
        Columns<QString, QString, QString>("ai", "typed", "shown");
        // clang-format off
        QTest::newRow("SSCC") << "00" << "10614141234567890" << "106141412345678908";
        QTest::newRow("SSCC typed whole") << "00" << "106141412345678901" << "106141412345678908";
        QTest::newRow("SSCC begun") << "00" << "3" << "300000000000000001";
        QTest::newRow("GTIN-13 in 14") << "01" << "0400638133393" << "04006381333931";
        QTest::newRow("GTIN-14") << "01" << "1950600013435" << "19506000134359";
        QTest::newRow("GTIN zeros") << "01" << "0000000000000" << "00000000000000";
        QTest::newRow("02 keeps the last") << "02" << "0400638133393" << "04006381333930";
        QTest::newRow("02 typed whole") << "02" << "04006381333937" << "04006381333937";
        QTest::newRow("date") << "11" << "261208" << "261208";
        // clang-format on
    }
    void fixedDigitsWhileTyping() {
        QFETCH(QString, ai);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QVERIFY(form->PrepareForAI(Row(ai.toLatin1().constData())));
        QLineEdit* field = edit("FDataEdit");
        const qsizetype n = field->displayText().size();
        const bool checked = ai == "00" || ai == "01";
        field->setCursorPosition(0);
        QSignalSpy changes(field, &QLineEdit::textChanged);
        for (qsizetype k = 0; k < typed.size(); ++k) {
            changes.clear();
            QTest::keyClick(field, typed.at(k).toLatin1());
            QVERIFY2(changes.size() <= 2, "the check digit's write raised more than one change");
            const QString text = field->displayText();
            const qsizetype kept = checked ? std::min(k + 1, n - 1) : k + 1;
            QCOMPARE(text.left(kept), typed.left(kept));
            if (!checked || k + 1 >= n) continue;
            QCOMPARE(text.back(), GS1Check(text.left(n - 1)));
            QCOMPARE(field->selectionStart(), int(k + 1));
            QCOMPARE(field->selectedText().size(), 1);
        }
        QCOMPARE(field->displayText(), shown);
        QCOMPARE(form->AIInsertionText(), u'(' + ai + u')' + shown);
    }

    // The decimal-point digit: 0 to 5 are taken, 6 to 9 and letters are refused and said. The
    // AI field of the other AIs takes no key at all.
    void decimalDigit_data() {
        Columns<QString, QString, QString, bool>("ai", "key", "id", "refused");
        // clang-format off
        QTest::newRow("2") << "310y" << "2" << "(3102)" << false;
        QTest::newRow("0") << "310y" << "0" << "(3100)" << false;
        QTest::newRow("5") << "369y" << "5" << "(3695)" << false;
        for (const char* digit : {"6", "7", "8", "9"})
            QTest::newRow(digit) << "310y" << digit << "(3100)" << true;
        QTest::newRow("letter") << "310y" << "a" << "(3100)" << true;
        QTest::newRow("00 read-only") << "00" << "5" << "(00)" << false;
        QTest::newRow("23x read-only") << "23x" << "5" << "(230)" << false;
        // clang-format on
    }
    void decimalDigit() {
        QFETCH(QString, ai);
        QFETCH(QString, key);
        QFETCH(QString, id);
        QFETCH(bool, refused);
        QVERIFY(form->PrepareForAI(Row(ai.toLatin1().constData())));
        QLineEdit* idEdit = edit("IDEdit");
        idEdit->setCursorPosition(int(idEdit->displayText().size()) - 2);
        QTest::keyClicks(idEdit, key);
        QCOMPARE(idEdit->displayText(), id);
        QCOMPARE(refusal().isEmpty(), !refused);
        QCOMPARE(idEdit->isReadOnly(), !ai.endsWith(u'y'));
        QCOMPARE(form->AIInsertionText().left(id.size()), id);
        if (ai.endsWith(u'y')) QCOMPARE(form->AIInsertionText(), id + "000000");
    }

    // Variable-length data: what is kept, what is refused, and what is said.
    void variableData_data() {
        // said: a part of the refusal message, empty where there is none
        Columns<QString, QString, QString, QString>("ai", "typed", "kept", "said");
        // clang-format off
        QTest::newRow("lot") << "10" << "ABC123" << "ABC123" << "";
        QTest::newRow("marks") << "21" << "!\"%&'*+,-./:;<=>?_" << "!\"%&'*+,-./:;<=>?_" << "";
        QTest::newRow("both cases") << "240" << "azAZ09" << "azAZ09" << "";
        QTest::newRow("hash") << "10" << "AB#C" << "ABC" << "«#»";
        QTest::newRow("space") << "10" << "A B" << "AB" << "пробел";
        QTest::newRow("parentheses") << "10" << "(21)" << "21" << "«)»";
        QTest::newRow("Cyrillic") << "10" << "AЖ" << "A" << "«Ж»";
        QTest::newRow("21 of 20") << "10" << QString(21, u'A') << QString(20, u'A') << "20";
        QTest::newRow("30, no maximum") << "30" << QString(300, u'7') << QString(300, u'7') << "";
        // clang-format on
    }
    void variableData() {
        QFETCH(QString, ai);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, said);
        QVERIFY(form->PrepareForAI(Row(ai.toLatin1().constData())));
        QLineEdit* field = edit("VDataEdit");
        const QStringList messages = TypeSaying(field, typed, child<QLabel>("RefusedText"));
        QCOMPARE(field->text(), kept);
        if (said.isEmpty())
            QCOMPARE(messages, QStringList());
        else
            QVERIFY2(!messages.filter(said).isEmpty(), qPrintable(messages.join(" | ")));
        QCOMPARE(form->AIInsertionText(), u'(' + ai + u')' + kept);
    }

    // A paste with one refused character is refused whole and said; the next good key clears it.
    void refusedPaste() {
        QVERIFY(form->PrepareForAI(Row("10")));
        QLineEdit* field = edit("VDataEdit");
        QTest::keyClicks(field, "AB");
        QApplication::clipboard()->setText("C#D");
        field->paste();
        QCOMPARE(field->text(), QString("AB"));
        QVERIFY2(refusal().contains("«#»"), qPrintable(refusal()));
        QTest::keyClicks(field, "C");
        QCOMPARE(refusal(), QString());
        QVERIFY(form->PrepareForAI(Row("10")));
        QCOMPARE(field->text(), QString());
    }

    void fixedFieldRefusesLetters() {
        QVERIFY(form->PrepareForAI(Row("02")));
        QLineEdit* field = edit("FDataEdit");
        field->setCursorPosition(0);
        QTest::keyClicks(field, "1x");
        QCOMPARE(field->displayText(), QString("10000000000000"));
        QVERIFY(refusal().contains("14"));
        QTest::keyClicks(field, "2");
        QCOMPARE(refusal(), QString());
    }

    // "23x": the third digit is half the data length; even lengths are padded with "0".
    void lengthDigit_data() {
        Columns<int, QString, QString>("length", "id", "inserted");
        // clang-format off
        QTest::newRow("empty") << 0 << "(230)" << "(230)0";
        QTest::newRow("1") << 1 << "(230)" << "(230)A";
        QTest::newRow("7") << 7 << "(233)" << "(233)ABCDEFG";
        QTest::newRow("8") << 8 << "(234)" << "(234)ABCDEFGH0";
        QTest::newRow("18") << 18 << "(239)" << "(239)ABCDEFGHIJKLMNOPQR0";
        QTest::newRow("19") << 19 << "(239)" << "(239)ABCDEFGHIJKLMNOPQRS";
        // clang-format on
    }
    void lengthDigit() {
        QFETCH(int, length);
        QFETCH(QString, id);
        QFETCH(QString, inserted);
        QVERIFY(form->PrepareForAI(Row("23x")));
        QCOMPARE(child<QLabel>("NoteText")->text(), QString());
        QTest::keyClicks(edit("VDataEdit"), QString("ABCDEFGHIJKLMNOPQRST").left(length));
        QCOMPARE(edit("IDEdit")->displayText(), id);
        QCOMPARE(form->AIInsertionText(), inserted);
    }

    void lengthDigitFollowsDeletion() {
        QVERIFY(form->PrepareForAI(Row("23x")));
        QLineEdit* field = edit("VDataEdit");
        QTest::keyClicks(field, "ABCDEFGH");
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(edit("IDEdit")->displayText(), QString("(233)"));
        QVERIFY(form->PrepareForAI(Row("23x")));
        QCOMPARE(edit("IDEdit")->displayText(), QString("(230)"));
    }

    // Run: the data field has the focus; Enter inserts; Esc, "Отменить" and closing insert nothing.
    void run_data() {
        // inserted: empty where nothing is
        Columns<QString, QString, QString, QString>("ai", "typed", "how", "inserted");
        // clang-format off
        QTest::newRow("Enter, 01") << "01" << "0400638133393" << "enter" << "(01)04006381333931";
        QTest::newRow("Enter, 10") << "10" << "ABC123" << "enter" << "(10)ABC123";
        QTest::newRow("OK button") << "10" << "X" << "ok" << "(10)X";
        QTest::newRow("Esc") << "10" << "ABC" << "escape" << "";
        QTest::newRow("Отменить") << "01" << "1" << "cancel" << "";
        QTest::newRow("closed") << "10" << "ABC" << "close" << "";
        // clang-format on
    }
    void run() {
        QFETCH(QString, ai);
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, inserted);
        QMainWindow owner;
        owner.setGeometry(100, 100, 800, 600);
        owner.show();
        TAIForm dialog(&owner);
        QWidget* focused = nullptr;
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            focused = QApplication::focusWidget();
            QVERIFY(focused != nullptr);
            QTest::keyClicks(focused, typed);
            if (how == "enter") QTest::keyClick(focused, Qt::Key_Return);
            if (how == "escape") QTest::keyClick(focused, Qt::Key_Escape);
            if (how == "ok") dialog.findChild<QPushButton*>("BitBtn1")->click();
            if (how == "cancel") dialog.findChild<QPushButton*>("BitBtn2")->click();
            if (how == "close") dialog.close();
            if (dialog.isVisible()) dialog.done(-1);  // never hang on a key that did nothing
        });
        const std::optional<QString> result = dialog.Run(Row(ai.toLatin1().constData()));
        QVERIFY(focused != nullptr);
        const bool fixed =
            AITable[static_cast<std::size_t>(Row(ai.toLatin1().constData()))].FixedLength;
        QCOMPARE(focused->objectName(), QString(fixed ? "FDataEdit" : "VDataEdit"));
        QCOMPARE(result.has_value(), !inserted.isEmpty());
        if (result) QCOMPARE(*result, inserted);
        QVERIFY(qAbs(dialog.frameGeometry().center().x() - owner.frameGeometry().center().x()) <=
                1);
    }

    // The dialog is reused: a second run starts from the new AI's empty fields.
    void reuse() {
        QVERIFY(form->PrepareForAI(Row("01")));
        QTest::keyClicks(edit("FDataEdit"), "123");
        QVERIFY(form->PrepareForAI(Row("10")));
        QTest::keyClicks(edit("VDataEdit"), "A");
        QVERIFY(form->PrepareForAI(Row("01")));
        QCOMPARE(form->AIInsertionText(), QString("(01)00000000000000"));
        QVERIFY(form->PrepareForAI(Row("10")));
        QCOMPARE(form->AIInsertionText(), QString("(10)"));
    }

    // Fixed size, "Вставить" the only default button, and labels that show their whole text in
    // the font at hand (the variable-length note and a refusal are the longest).
    void layout() {
        QCOMPARE(form->size(), QSize(550, 170));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(child<QPushButton>("BitBtn1")->isDefault());
        QVERIFY(!child<QPushButton>("BitBtn2")->isDefault());
        QLineEdit* id = edit("IDEdit");
        QVERIFY(QFontMetrics(id->font()).horizontalAdvance("(8888)") + 8 <= id->width());

        QVERIFY(form->PrepareForAI(Row("10")));
        QTest::keyClicks(edit("VDataEdit"), "#");
        for (const char* name : {"NoteText", "StaticText1", "RefusedText"}) {
            QLabel* label = child<QLabel>(name);
            QVERIFY(!label->text().isEmpty());
            const QRect need = QFontMetrics(label->font())
                                   .boundingRect(QRect(0, 0, label->width(), 1000),
                                                 Qt::TextWordWrap, label->text());
            QVERIFY2(need.height() <= label->height() && need.width() <= label->width(), name);
            QVERIFY2(label->geometry().bottom() < form->height(), name);
        }
    }
};

QTEST_MAIN(AIFormTest)
#include "AIFormTest.moc"
