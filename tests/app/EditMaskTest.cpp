// The window's masks in Qt: literals fixed, blanks read as "0", digits read from what is shown.
#include <QLineEdit>
#include <QTest>

#include "app/EditMask.h"
#include "support/QtTables.h"

using quillmark::DigitString;
using quillmark::EditText;
using quillmark::QtInputMask;
using quillmark::SetEditMask;
using quillmark::test::Columns;

class EditMaskTest : public QObject {
    Q_OBJECT

private slots:
    void masks_data() {
        Columns<QString, QString, QString, QString>("mask", "text", "shown", "digits");
        QTest::newRow("EAN-13") << "9 999999 999999;1;0"
                                << "0 000000 000000"
                                << "0 000000 000000"
                                << "0000000000000";
        QTest::newRow("ISBN-13") << "\\9 789999 999999;1;0"
                                 << "9 780306 406157"
                                 << "9 780306 406157"
                                 << "9780306406157";
        QTest::newRow("real zeros") << "9999 9999;1;0"
                                    << "9638 5074"
                                    << "9638 5074"
                                    << "96385074";
        QTest::newRow("short text") << "99999;1;0"
                                    << "12"
                                    << "12000"
                                    << "12000";
        QTest::newRow("fixed AI") << "(\\0\\0);1;0"
                                  << "(00)"
                                  << "(00)"
                                  << "00";
        QTest::newRow("y AI") << "(\\3\\1\\09);1;0"
                              << "(3102)"
                              << "(3102)"
                              << "3102";
    }
    void masks() {
        QFETCH(QString, mask);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, digits);
        QLineEdit edit;
        SetEditMask(edit, mask.toStdString(), text);
        QCOMPARE(EditText(edit), shown);
        QCOMPARE(QString::fromStdString(DigitString(edit)), digits);
    }

    // Typing over a fixed literal leaves it; the ISBN-13 prefix cannot be changed.
    void literalsStayFixed() {
        QLineEdit edit;
        SetEditMask(edit, "\\9 789999 999999;1;0", "9 780000 000000");
        edit.setCursorPosition(0);
        QTest::keyClicks(&edit, "1234");
        QCOMPARE(EditText(edit), QString("9 781234 000000"));
    }

    void translation() { QCOMPARE(QtInputMask("99;1;0"), QString("99;0")); }
};

QTEST_MAIN(EditMaskTest)
#include "EditMaskTest.moc"
