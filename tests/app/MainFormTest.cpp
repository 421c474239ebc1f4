// The main window: start-up state, code-type changes, stepping, check digits while typing,
// special characters, refused input, margins, and the preview scanning as the fields say.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "ai/AIList.h"
#include "app/EditMask.h"
#include "app/MainForm.h"
#include "app/PreviewGeometry.h"
#include "app/PreviewWidget.h"
#include "app/WindowControls.h"
#include "canvas/PixelsPerMm.h"
#include "support/QtTables.h"
#include "support/Widgets.h"
#include "support/ZXingDecode.h"

using quillmark::TMainForm;
using quillmark::test::Child;
using quillmark::test::Columns;

namespace {

QLineEdit* Edit(const TMainForm& form, const char* name) {
    return Child<QLineEdit>(form, name);
}
QComboBox* List(const TMainForm& form, const char* name) {
    return Child<QComboBox>(form, name);
}
QSpinBox* Spin(const TMainForm& form, const char* name) {
    return Child<QSpinBox>(form, name);
}

// Steps that drive the EAN/UPC tab: "type:UPC-A", "isbn:1", "addon:5-Digit", "addontext:12345".
void Apply(TMainForm& form, const QString& step) {
    const QString what = step.section(u':', 0, 0);
    const QString value = step.section(u':', 1);
    if (what == u"type") List(form, "EANUPC_CodeType")->setCurrentText(value);
    if (what == u"isbn") Child<QCheckBox>(form, "ISBN13Box")->setChecked(value == u"1");
    if (what == u"addon") List(form, "EANUPC_AddOnType")->setCurrentText(value);
    if (what == u"addontext") Edit(form, "EANUPC_AddOnValue")->setText(value);
}

// Typed text, one key event per character, whatever the character.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

QRgb WindowColour(const QWidget& widget) {
    return widget.palette().color(QPalette::Window).rgb();
}

QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The columns and rows holding a pixel that is not the window colour.
QRect NotWindow(const QImage& image, QRgb window) {
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != window) found |= QRect(x, y, 1, 1);
    return found;
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    // Each family once, by its plain name, whatever foundry tags Qt adds.
    void plainFontFamilies() {
        const QStringList families = quillmark::PlainFontFamilies(
            {QStringLiteral("C059 [UKWN]"), QStringLiteral("C059 [urw]"),
             QStringLiteral("D050000L [URW ]"), QStringLiteral("D050000L"),
             QStringLiteral("liberation sans"), QStringLiteral("Liberation Sans"),
             QStringLiteral("DejaVu Sans"), QStringLiteral(" [x]")});
        QCOMPARE(families, (QStringList{"C059", "D050000L", "DejaVu Sans", "liberation sans"}));
        TMainForm form;
        const QComboBox* fonts = List(form, "FontsBox");
        QStringList shown;
        for (int i = 0; i < fonts->count(); ++i) shown << fonts->itemText(i);
        QCOMPARE(shown, quillmark::PlainFontFamilies(shown));
        // The AI list's tooltip follows the chosen item.
        auto* ai = List(form, "UCCEAN128_AI");
        ai->setCurrentIndex(5);
        QCOMPARE(ai->toolTip(), ai->itemText(5));
    }

    void startUpState() {
        TMainForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Quillmark"));
        QCOMPARE(form.minimumSize(), QSize(650, 480));
        const auto* pages = Child<QTabWidget>(form, "PageControl");
        QCOMPARE(pages->currentIndex(), 0);
        QCOMPARE(pages->tabText(0), QStringLiteral("EAN/UPC"));
        QCOMPARE(pages->tabText(1), QStringLiteral("ITF-14"));
        QCOMPARE(pages->tabText(2), QStringLiteral("UCC/EAN-128"));
        QCOMPARE(pages->tabText(3), QStringLiteral("GS1 2D"));
        // The 2D tab's AI list is the UCC/EAN-128 tab's; no text, no URI to copy.
        QCOMPARE(List(form, "Matrix2D_AI")->count(), 91);
        QVERIFY(!Child(form, "Matrix2D_CopyURIBtn")->isEnabled());
        QCOMPARE(List(form, "EANUPC_CodeType")->currentText(), QStringLiteral("EAN-13"));
        QCOMPARE(List(form, "EANUPC_AddOnType")->currentText(), QStringLiteral("None"));
        QVERIFY(!Child(form, "ISBN13Box")->isHidden());
        QVERIFY(!Child<QCheckBox>(form, "ISBN13Box")->isChecked());
        QVERIFY(Child(form, "EANUPC_AddOnValue")->isHidden());
        QVERIFY(Child(form, "CheckDigitButton")->isHidden());
        QVERIFY(Child(form, "ITF14CheckDigitButton")->isHidden());
        QVERIFY(Child<QCheckBox>(form, "ITF14_FullBorder")->isChecked());
        QCOMPARE(quillmark::EditText(*Edit(form, "EANUPC_CodeValue")),
                 QStringLiteral("0 000000 000000"));
        QCOMPARE(quillmark::EditText(*Edit(form, "EANUPC_AddOnValue")), QStringLiteral("00000"));
        QCOMPARE(quillmark::EditText(*Edit(form, "ITF14_CodeValue")), QString(14, u'0'));
        QCOMPARE(Edit(form, "UCCEAN128_CodeValue")->text(), QString());
        QCOMPARE(form.Resolution(), 12);
        QCOMPARE(Child<quillmark::ColorPanel>(form, "LineColorBtn")->colour(), QColor(Qt::black));
        QCOMPARE(Child<quillmark::ColorPanel>(form, "BackgroundColorBtn")->colour(),
                 QColor(Qt::white));
        // "Arial" is not installed here: the family Qt puts in its place is chosen.
        QCOMPARE(List(form, "FontsBox")->currentText(),
                 QFontInfo(QFont(QStringLiteral("Arial"))).family());
        QCOMPARE(form.CurrentStyle().fontName, List(form, "FontsBox")->currentText().toStdString());
        const QComboBox* ai = List(form, "UCCEAN128_AI");
        QCOMPARE(ai->count(), 91);
        QCOMPARE(ai->currentIndex(), 0);
        QVERIFY(ai->currentText().startsWith(QStringLiteral("(00) - ")));
        QCOMPARE(ai->toolTip(), ai->currentText());
        QCOMPARE(List(form, "UCCEAN128_SpecChr")->count(), 36);
        QCOMPARE(List(form, "UCCEAN128_SpecChr")->currentText(), QStringLiteral("FNC1"));
        QCOMPARE(List(form, "UCCEAN128_SpecChr")->itemText(35), QStringLiteral("US"));
        // The first preview: an EAN-13 of thirteen zeros.
        const quillmark::SymbolRequest request = form.CurrentRequest();
        QCOMPARE(request.symbology, quillmark::FindSymbology("EAN-13"));
        QCOMPARE(request.digits, std::string(18, '0'));
        QCOMPARE(request.addOnType, std::string("None"));
    }

    // Every command can be used from the start, and a tool button follows its menu item.
    void commandsEnabled() {
        TMainForm form;
        for (const char* name :
             {"SaveAsMI", "PrintMI", "ExitMI", "CopyMI", "ExportWordMI", "ExportExcelMI", "HelpMI",
              "AboutMI", "LineColorMI", "BackgroundColorMI"})
            QVERIFY2(Child<QAction>(form, name)->isEnabled(), name);
        for (const char* name :
             {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5",
              "SpeedButton6", "SpeedButton7", "UCCEAN128_InsAIBtn"})
            QVERIFY2(Child(form, name)->isEnabled(), name);
        Child<QAction>(form, "CopyMI")->setEnabled(false);
        QVERIFY(!Child(form, "SpeedButton3")->isEnabled());
    }

    void controlsAtTheirPlaces_data() {
        // geometry: a width or height of 0 is not fixed
        Columns<QString, QRect, QString>("name", "geometry", "hint");
        QTest::newRow("save") << "SpeedButton1" << QRect(5, 5, 20, 20) << "Сохранить";
        QTest::newRow("print") << "SpeedButton2" << QRect(27, 5, 20, 20) << "Печать";
        QTest::newRow("lines") << "LineColorBtn" << QRect(53, 5, 20, 20) << "Цвет линий";
        QTest::newRow("background") << "BackgroundColorBtn" << QRect(74, 5, 20, 20) << "Цвет фона";
        QTest::newRow("copy") << "SpeedButton3" << QRect(101, 5, 20, 20) << "Копировать";
        QTest::newRow("word") << "SpeedButton4" << QRect(123, 5, 20, 20)
                              << "Передать в Microsoft Word";
        QTest::newRow("excel") << "SpeedButton7" << QRect(145, 5, 20, 20)
                               << "Передать в Microsoft Excel";
        QTest::newRow("help") << "SpeedButton5" << QRect(172, 5, 20, 20) << "";
        QTest::newRow("about") << "SpeedButton6" << QRect(194, 5, 20, 20) << "";
        QTest::newRow("pages") << "PageControl" << QRect(5, 31, 415, 145) << "";
        QTest::newRow("code type") << "EANUPC_CodeType" << QRect(5, 5, 93, 0) << "";
        QTest::newRow("number") << "EANUPC_CodeValue" << QRect(101, 5, 95, 0) << "";
        QTest::newRow("check") << "CheckDigitButton" << QRect(199, 5, 20, 0)
                               << "Рассчитать контрольное значение";
        QTest::newRow("isbn") << "ISBN13Box" << QRect(225, 7, 82, 0) << "";
        QTest::newRow("add-on type") << "EANUPC_AddOnType" << QRect(75, 31, 59, 0) << "";
        QTest::newRow("add-on") << "EANUPC_AddOnValue" << QRect(137, 31, 59, 0) << "";
        QTest::newRow("size") << "EANUPC_Size" << QRect(50, 57, 45, 0) << "";
        QTest::newRow("itf number") << "ITF14_CodeValue" << QRect(5, 5, 93, 20) << "";
        QTest::newRow("itf check")
            << "ITF14CheckDigitButton" << QRect(102, 5, 20, 0) << "Рассчитать контрольное значение";
        QTest::newRow("itf size") << "ITF14_Size" << QRect(50, 30, 45, 0) << "";
        QTest::newRow("border") << "ITF14_FullBorder" << QRect(5, 58, 127, 0) << "";
        QTest::newRow("text") << "UCCEAN128_CodeValue" << QRect(5, 5, 375, 0) << "";
        QTest::newRow("special") << "UCCEAN128_SpecChr" << QRect(74, 32, 272, 0) << "";
        QTest::newRow("insert") << "UCCEAN128_InsSpecChrBtn" << QRect(349, 32, 56, 20) << "";
        // The chosen AI's whole name (the closed list cuts it).
        QTest::newRow("ai") << "UCCEAN128_AI" << QRect(173, 60, 173, 0)
                            << QString::fromStdString(quillmark::AIListItem(0));
        QTest::newRow("insert ai") << "UCCEAN128_InsAIBtn" << QRect(349, 60, 56, 20) << "";
        QTest::newRow("g size") << "UCCEAN128_GSize" << QRect(138, 90, 45, 0) << "";
        QTest::newRow("v size") << "UCCEAN128_VSize" << QRect(332, 90, 45, 0) << "";
        QTest::newRow("settings") << "SettingsPanel" << QRect(0, 51, 203, 63) << "";
        QTest::newRow("resolution") << "Resolution" << QRect(59, 6, 45, 0) << "";
        QTest::newRow("fonts") << "FontsBox" << QRect(59, 36, 140, 0) << "";
        QTest::newRow("preview") << "PreviewBox" << QRect(5, 181, 0, 0) << "";
    }
    void controlsAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, hint);
        TMainForm form;
        const QWidget* widget = Child(form, name.toLatin1().constData());
        // The settings panel is kept at the right edge, wherever that is.
        if (geometry.x() != 0) QCOMPARE(widget->x(), geometry.x());
        QCOMPARE(widget->y(), geometry.y());
        if (geometry.width() != 0) QCOMPARE(widget->width(), geometry.width());
        if (geometry.height() != 0) QCOMPARE(widget->height(), geometry.height());
        QCOMPARE(widget->toolTip(), hint);
    }

    void captionsAndTexts_data() {
        Columns<QString, QString>("name", "caption");
        QTest::newRow("file") << "A1"
                              << "Файл";
        QTest::newRow("view") << "A2"
                              << "Вид";
        QTest::newRow("export") << "A3"
                                << "Экспорт";
        QTest::newRow("help menu") << "A4"
                                   << "Справка";
        QTest::newRow("save as") << "SaveAsMI"
                                 << "Сохранить как";
        QTest::newRow("print") << "PrintMI"
                               << "Печать";
        QTest::newRow("exit") << "ExitMI"
                              << "Выход";
        QTest::newRow("lines") << "LineColorMI"
                               << "Цвет линий";
        QTest::newRow("background") << "BackgroundColorMI"
                                    << "Цвет фона";
        QTest::newRow("copy") << "CopyMI"
                              << "Копировать";
        QTest::newRow("office") << "MSOfficeMI"
                                << "Передать в Microsoft Office";
        QTest::newRow("word") << "ExportWordMI"
                              << "Передать в Word";
        QTest::newRow("excel") << "ExportExcelMI"
                               << "Передать в Excel";
        QTest::newRow("help") << "HelpMI"
                              << "Справка";
        QTest::newRow("about") << "AboutMI"
                               << "О программе";
        QTest::newRow("add-on") << "Label2"
                                << "Дополнение:";
        QTest::newRow("size") << "Label5"
                              << "Размер:";
        QTest::newRow("itf size") << "Label8"
                                  << "Размер:";
        QTest::newRow("special") << "Label11"
                                 << "Спецсимвол:";
        QTest::newRow("ai") << "Label14"
                            << "Прикладной идентификатор (AI):";
        QTest::newRow("g size") << "Label7"
                                << "Горизонтальный размер:";
        QTest::newRow("v size") << "Label12"
                                << "Вертикальный размер:";
        QTest::newRow("resolution") << "Label3"
                                    << "Четкость:";
        QTest::newRow("dots") << "Label1"
                              << "точек/мм";
        QTest::newRow("font") << "Label4"
                              << "Шрифт:";
        QTest::newRow("border") << "ITF14_FullBorder"
                                << "Полное обрамление";
        QTest::newRow("insert") << "UCCEAN128_InsSpecChrBtn"
                                << "Вставить";
        QTest::newRow("insert ai") << "UCCEAN128_InsAIBtn"
                                   << "Вставить";
        QTest::newRow("preview") << "PreviewBox"
                                 << "Предварительный просмотр";
    }
    void captionsAndTexts() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        TMainForm form;
        const QObject* object = form.findChild<QObject*>(name);
        QVERIFY(object != nullptr);
        QString text;
        if (const auto* menu = qobject_cast<const QMenu*>(object)) text = menu->title();
        if (const auto* action = qobject_cast<const QAction*>(object)) text = action->text();
        if (const auto* label = qobject_cast<const QLabel*>(object)) text = label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(object))
            text = button->text();
        if (const auto* box = qobject_cast<const QGroupBox*>(object)) text = box->title();
        QCOMPARE(text, caption);
        // Every label is wide enough for its text.
        if (const auto* label = qobject_cast<const QLabel*>(object))
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(caption));
    }

    // Nothing is cut off or touches its neighbour: labels end before the control they name,
    // and each field shows its longest text whole.
    void textsFit_data() {
        // limit: x of the control to the right of a label
        Columns<QString, int, QString>("name", "limit", "steps");
        QTest::newRow("add-on") << "Label2" << 75 << "";
        QTest::newRow("size") << "Label5" << 50 << "";
        QTest::newRow("itf size") << "Label8" << 50 << "";
        QTest::newRow("special") << "Label11" << 74 << "";
        QTest::newRow("ai") << "Label14" << 173 << "";
        QTest::newRow("g size") << "Label7" << 138 << "";
        QTest::newRow("g percent") << "Label10" << 210 << "";
        QTest::newRow("v size") << "Label12" << 332 << "";
        QTest::newRow("v percent") << "Label13" << 411 << "";
        QTest::newRow("2D ai") << "Label15" << 173 << "";
        QTest::newRow("module") << "Label16" << 184 << "";
        QTest::newRow("mm") << "Label17" << 272 << "";
        QTest::newRow("ec level") << "Label18" << 333 << "";
        QTest::newRow("resolution") << "Label3" << 59 << "";
        QTest::newRow("dots") << "Label1" << 203 << "";
        QTest::newRow("font") << "Label4" << 59 << "";
        QTest::newRow("EAN-13 number") << "EANUPC_CodeValue" << 0 << "";
        QTest::newRow("UPC-A number") << "EANUPC_CodeValue" << 0 << "type:UPC-A";
        QTest::newRow("add-on digits") << "EANUPC_AddOnValue" << 0 << "addon:5-Digit";
        QTest::newRow("ITF-14 number") << "ITF14_CodeValue" << 0 << "";
    }
    void textsFit() {
        QFETCH(QString, name);
        QFETCH(int, limit);
        QFETCH(QString, steps);
        TMainForm form;
        if (!steps.isEmpty()) Apply(form, steps);
        const QWidget* widget = Child(form, name.toLatin1().constData());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            const int right = label->x() + label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(right < limit, qPrintable(QString::number(right)));
            return;
        }
        const auto* edit = qobject_cast<const QLineEdit*>(widget);
        QVERIFY(edit != nullptr);
        // The edit keeps two pixels of margin on either side inside its frame.
        const int room = edit->contentsRect().width() - 4;
        QStyleOptionFrame option;
        option.initFrom(edit);
        const QRect inner =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const int available = std::min(room, inner.width() - 4);
        const int needed = edit->fontMetrics().horizontalAdvance(edit->displayText());
        QVERIFY2(needed <= available, qPrintable(QString("%1 > %2").arg(needed).arg(available)));
    }

    void codeTypeChanges_data() {
        // shown: ISBN box, add-on label, type, value, each 1 where shown
        Columns<QStringList, QString, QString, QString, QString>("steps", "mask", "text", "shown",
                                                                 "addOn");
        QTest::newRow("EAN-8") << QStringList{"type:EAN-8"} << "9999 9999;1;0"
                               << "0000 0000"
                               << "0000"
                               << "00000";
        QTest::newRow("EAN-8, EAN-13")
            << QStringList{"type:EAN-8", "type:EAN-13"} << "9 999999 999999;1;0"
            << "0 000000 000000"
            << "1110"
            << "00000";
        QTest::newRow("5-digit, EAN-8, EAN-13")
            << QStringList{"addon:5-Digit", "type:EAN-8", "type:EAN-13"} << "9 999999 999999;1;0"
            << "0 000000 000000"
            << "1111"
            << "00000";
        QTest::newRow("UPC-A") << QStringList{"type:UPC-A"} << "9 99999 99999 9;1;0"
                               << "0 00000 00000 0"
                               << "0110"
                               << "00000";
        QTest::newRow("UPC-E") << QStringList{"type:UPC-E"} << "9 999999 9;1;0"
                               << "0 000000 0"
                               << "0110"
                               << "00000";
        QTest::newRow("ISBN ticked") << QStringList{"isbn:1"} << "\\9 799999 999999;1;0"
                                     << "9 780000 000002"
                                     << "1110"
                                     << "00000";
        QTest::newRow("ISBN ticked and unticked")
            << QStringList{"isbn:1", "isbn:0"} << "9 999999 999999;1;0"
            << "0 000000 000000"
            << "1110"
            << "00000";
        QTest::newRow("ISBN kept while hidden")
            << QStringList{"isbn:1", "type:EAN-8", "type:EAN-13"} << "\\9 799999 999999;1;0"
            << "9 780000 000002"
            << "1110"
            << "00000";
        QTest::newRow("ISBN box ignored by UPC-A")
            << QStringList{"isbn:1", "type:UPC-A"} << "9 99999 99999 9;1;0"
            << "0 00000 00000 0"
            << "0110"
            << "00000";
        // The add-on leaves the number as it is.
        QTest::newRow("2-digit") << QStringList{"addon:2-Digit"} << "9 999999 999999;1;0"
                                 << "4 006381 333931"
                                 << "1111"
                                 << "00";
        QTest::newRow("5-digit") << QStringList{"addon:2-Digit", "addon:5-Digit"}
                                 << "9 999999 999999;1;0"
                                 << "4 006381 333931"
                                 << "1111"
                                 << "00000";
        QTest::newRow("None keeps the digits")
            << QStringList{"addon:5-Digit", "addontext:12345", "addon:None"}
            << "9 999999 999999;1;0"
            << "4 006381 333931"
            << "1110"
            << "12345";
        QTest::newRow("code type resets the number")
            << QStringList{"type:UPC-A", "addontext:12345", "type:EAN-13"} << "9 999999 999999;1;0"
            << "0 000000 000000"
            << "1110"
            << "12345";
    }
    void codeTypeChanges() {
        QFETCH(QStringList, steps);
        QFETCH(QString, mask);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, addOn);
        TMainForm form;
        Edit(form, "EANUPC_CodeValue")->setText(QStringLiteral("4 006381 333931"));
        for (const QString& step : steps) Apply(form, step);
        const QLineEdit* number = Edit(form, "EANUPC_CodeValue");
        QCOMPARE(number->inputMask(), quillmark::QtInputMask(mask.toStdString()));
        QCOMPARE(quillmark::EditText(*number), text);
        QString visible;
        for (const char* name : {"ISBN13Box", "Label2", "EANUPC_AddOnType", "EANUPC_AddOnValue"})
            visible += Child(form, name)->isHidden() ? u'0' : u'1';
        QCOMPARE(visible, shown);
        QCOMPARE(quillmark::EditText(*Edit(form, "EANUPC_AddOnValue")), addOn);
    }

    // What reaches the renderer follows the tab, the code type and the ISBN tick.
    void requestFollowsControls_data() {
        Columns<int, QStringList, QString, QString>("tab", "steps", "type", "digits");
        QTest::newRow("ISBN-13") << 0 << QStringList{"isbn:1"} << "ISBN-13"
                                 << "978000000000200000";
        QTest::newRow("EAN-8 with hidden tick")
            << 0 << QStringList{"isbn:1", "type:EAN-8"} << "EAN-8"
            << "0000000000000";
        QTest::newRow("None add-on digits follow")
            << 0 << QStringList{"addon:5-Digit", "addontext:12345", "addon:None"} << "EAN-13"
            << "000000000000012345";
        QTest::newRow("ITF-14") << 1 << QStringList{} << "ITF-14"
                                << "00000000000000";
        QTest::newRow("UCC/EAN-128") << 2 << QStringList{} << "UCC/EAN-128"
                                     << "";
    }
    void requestFollowsControls() {
        QFETCH(int, tab);
        QFETCH(QStringList, steps);
        QFETCH(QString, type);
        QFETCH(QString, digits);
        TMainForm form;
        for (const QString& step : steps) Apply(form, step);
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(tab);
        const quillmark::SymbolRequest request = form.CurrentRequest();
        QVERIFY(request.symbology != nullptr);
        QCOMPARE(QString::fromLatin1(request.symbology->name.data(),
                                     static_cast<qsizetype>(request.symbology->name.size())),
                 type);
        QCOMPARE(QString::fromStdString(request.digits), digits);
        if (tab == 2) QVERIFY(request.encoded.has_value());
    }

    // The code-type and add-on lists drop down when typed into, on the item typed.
    void listsDropDownWhenTyped_data() {
        Columns<QString, QString, QString>("name", "key", "item");
        QTest::newRow("code type") << "EANUPC_CodeType"
                                   << "U"
                                   << "UPC-A";
        QTest::newRow("add-on") << "EANUPC_AddOnType"
                                << "5"
                                << "5-Digit";
    }
    void listsDropDownWhenTyped() {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(QString, item);
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QComboBox* list = List(form, name.toLatin1().constData());
        QTest::keyClicks(list, key);
        QCOMPARE(list->currentText(), item);
        QTRY_VERIFY(list->view()->isVisible());
        list->hidePopup();
    }

    void spinEditsStep_data() {
        // keys: Qt::Key_Up / Key_Down / Key_PageUp ...
        Columns<QString, int, QList<int>, QList<int>>("name", "start", "keys", "values");
        const int up = Qt::Key_Up;
        const int down = Qt::Key_Down;
        QTest::newRow("G up to the limit and back")
            << "UCCEAN128_GSize" << 400 << QList<int>{up, up, down, down}
            << QList<int>{405, 407, 402, 397};
        QTest::newRow("G page up")
            << "UCCEAN128_GSize" << 100 << QList<int>{int(Qt::Key_PageUp)} << QList<int>{150};
        QTest::newRow("V at the top")
            << "UCCEAN128_VSize" << 400 << QList<int>{up, down} << QList<int>{400, 395};
        QTest::newRow("ITF-14 at the bottom")
            << "ITF14_Size" << 25 << QList<int>{down, up} << QList<int>{25, 30};
        QTest::newRow("EAN/UPC both limits")
            << "EANUPC_Size" << 195 << QList<int>{up, up} << QList<int>{200, 200};
        QTest::newRow("EAN/UPC bottom")
            << "EANUPC_Size" << 80 << QList<int>{down} << QList<int>{80};
        QTest::newRow("resolution")
            << "Resolution" << 2 << QList<int>{down, down, up} << QList<int>{1, 1, 2};
    }
    void spinEditsStep() {
        QFETCH(QString, name);
        QFETCH(int, start);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, values);
        TMainForm form;
        QSpinBox* spin = Spin(form, name.toLatin1().constData());
        spin->setValue(start);
        for (qsizetype i = 0; i < keys.size(); ++i) {
            QTest::keyClick(spin, static_cast<Qt::Key>(keys[i]));
            QCOMPARE(spin->value(), values[i]);
        }
    }

    void spinEditsTyped_data() {
        Columns<QString, int>("name", "value");
        QTest::newRow("EAN/UPC") << "EANUPC_Size" << 100;
        QTest::newRow("ITF-14") << "ITF14_Size" << 100;
        QTest::newRow("G") << "UCCEAN128_GSize" << 100;
        QTest::newRow("V") << "UCCEAN128_VSize" << 100;
        QTest::newRow("resolution, typeable") << "Resolution" << 55;
    }
    void spinEditsTyped() {
        QFETCH(QString, name);
        QFETCH(int, value);
        TMainForm form;
        QSpinBox* spin = Spin(form, name.toLatin1().constData());
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("55"));
        QTest::keyClick(spin, Qt::Key_Enter);
        QCOMPARE(spin->value(), value);
    }

    void typingKeepsCheckDigit_data() {
        Columns<QStringList, QString, int, QString, QString, int>("steps", "field", "caret", "keys",
                                                                  "text", "caretAfter");
        const QString ean = QStringLiteral("EANUPC_CodeValue");
        QTest::newRow("EAN-13 whole number") << QStringList{} << ean << 0 << "400638133393"
                                             << "4 006381 333931" << 14;
        QTest::newRow("EAN-13 one digit in the middle") << QStringList{} << ean << 2 << "5"
                                                        << "0 500000 000005" << 3;
        QTest::newRow("EAN-13 typing over the check digit") << QStringList{} << ean << 14 << "7"
                                                            << "0 000000 000000" << 15;
        QTest::newRow("ISBN-13 after the fixed 978")
            << QStringList{"isbn:1"} << ean << 4 << "030640615"
            << "9 780306 406157" << 14;
        QTest::newRow("ISBN-13 prefix stays") << QStringList{"isbn:1"} << ean << 0 << "81"
                                              << "9 781000 000009" << 5;
        QTest::newRow("ISBN-13 under 979") << QStringList{"isbn:1"} << ean << 3 << "9101234567"
                                           << "9 791012 345678" << 14;
        QTest::newRow("ISBN-13 third digit other than 8 or 9 refused")
            << QStringList{"isbn:1"} << ean << 3 << "5"
            << "9 780000 000002" << 3;
        QTest::newRow("EAN-8") << QStringList{"type:EAN-8"} << ean << 0 << "9638507"
                               << "9638 5074" << 8;
        QTest::newRow("UPC-A") << QStringList{"type:UPC-A"} << ean << 0 << "03600029145"
                               << "0 36000 29145 2" << 14;
        // UPC-E carries the check digit of the UPC-A number it expands to (here not the one
        // the GS1 rule gives over the eight digits directly, which is 0).
        QTest::newRow("UPC-E") << QStringList{"type:UPC-E"} << ean << 0 << "0425261"
                               << "0 425261 4" << 9;
        QTest::newRow("UPC-E number system 1") << QStringList{"type:UPC-E"} << ean << 0 << "1425261"
                                               << "1 425261 1" << 9;
        QTest::newRow("UPC-E number system 2 refused")
            << QStringList{"type:UPC-E"} << ean << 0 << "2"
            << "0 000000 0" << 0;
        QTest::newRow("ITF-14") << QStringList{} << "ITF14_CodeValue" << 0 << "1234567890123"
                                << "12345678901231" << 13;
        QTest::newRow("ITF-14 one digit") << QStringList{} << "ITF14_CodeValue" << 5 << "9"
                                          << "00000900000001" << 6;
    }
    void typingKeepsCheckDigit() {
        QFETCH(QStringList, steps);
        QFETCH(QString, field);
        QFETCH(int, caret);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, caretAfter);
        TMainForm form;
        for (const QString& step : steps) Apply(form, step);
        QLineEdit* edit = Edit(form, field.toLatin1().constData());
        int changes = 0;
        connect(edit, &QLineEdit::textChanged, edit, [&changes] { ++changes; });
        edit->setCursorPosition(caret);
        QTest::keyClicks(edit, keys);
        QCOMPARE(quillmark::EditText(*edit), text);
        QCOMPARE(edit->cursorPosition(), caretAfter);
        // Bounded: a keystroke changes the text at most twice (digit, then check digit).
        QVERIFY(changes <= 2 * keys.size());
    }

    void clearedPositionCountsAsZero() {
        TMainForm form;
        QLineEdit* edit = Edit(form, "EANUPC_CodeValue");
        edit->setText(QStringLiteral("4 006381 333931"));
        edit->setCursorPosition(0);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(quillmark::EditText(*edit), QStringLiteral("0 006381 333935"));
    }

    void specialCharacterInsertion_data() {
        // length: selected characters from start; 0 for a caret
        Columns<QString, int, int, QList<int>, QString, int>("text", "start", "length", "items",
                                                             "result", "caret");
        QTest::newRow("empty field, FNC1") << "" << 0 << 0 << QList<int>{0} << "а" << 1;
        QTest::newRow("caret at the end")
            << "(10)ABC" << 7 << 0 << QList<int>{0} << "(10)ABCа" << 8;
        QTest::newRow("caret at 0") << "(10)ABC" << 0 << 0 << QList<int>{33} << "Э(10)ABC" << 1;
        QTest::newRow("before a selection")
            << "(10)ABC" << 4 << 3 << QList<int>{33} << "(10)ЭABC" << 5;
        QTest::newRow("repeated, in order")
            << "AB" << 1 << 0 << QList<int>{3, 4, 35} << "AгАЯB" << 4;
    }
    void specialCharacterInsertion() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QList<int>, items);
        QFETCH(QString, result);
        QFETCH(int, caret);
        TMainForm form;
        QLineEdit* field = Edit(form, "UCCEAN128_CodeValue");
        field->setText(text);
        if (length > 0)
            field->setSelection(start, length);
        else
            field->setCursorPosition(start);
        for (const int item : items) {
            List(form, "UCCEAN128_SpecChr")->setCurrentIndex(item);
            QTest::mouseClick(Child(form, "UCCEAN128_InsSpecChrBtn"), Qt::LeftButton);
        }
        QCOMPARE(field->text(), result);
        QCOMPARE(field->cursorPosition(), caret);
    }

    // The 36 items insert 36 codes, 192 to 227, which reach the request as those bytes.
    void everySpecialCharacterReachesTheEncoder() {
        TMainForm form;
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(2);
        QLineEdit* field = Edit(form, "UCCEAN128_CodeValue");
        for (int item = 0; item < 36; ++item) {
            List(form, "UCCEAN128_SpecChr")->setCurrentIndex(item);
            QTest::mouseClick(Child(form, "UCCEAN128_InsSpecChrBtn"), Qt::LeftButton);
        }
        QCOMPARE(field->text().size(), 36);
        const std::string bytes = form.CurrentRequest().fieldText;
        std::string expected;
        for (int code = 224; code <= 227; ++code) expected += static_cast<char>(code);
        for (int code = 192; code <= 223; ++code) expected += static_cast<char>(code);
        QCOMPARE(bytes, expected);
    }

    void refusedInput_data() {
        Columns<QString, QString, QString>("pasted", "kept", "count");
        QTest::newRow("tab, Cyrillic, accent, emoji") << QString::fromUtf8(
                                                             "A\tжé\xF0\x9F\x98\x80"
                                                             "B")
                                                      << "AB"
                                                      << "4";
        QTest::newRow("special letters pass") << "(10)AbcАЯаг~ "
                                              << "(10)AbcАЯаг~ "
                                              << "";
        QTest::newRow("DEL and д") << QString::fromUtf8("1\x7F") + QStringLiteral("д2") << "12"
                                   << "2";
    }
    void refusedInput() {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QFETCH(QString, count);
        TMainForm form;
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(2);
        QLineEdit* field = Edit(form, "UCCEAN128_CodeValue");
        QApplication::clipboard()->setText(pasted);
        field->paste();
        QCOMPARE(field->text(), kept);
        const QLabel* notice = Child<QLabel>(form, "NoticeLabel");
        if (count.isEmpty()) {
            QCOMPARE(notice->text(), QString());
            return;
        }
        QVERIFY2(notice->text().contains(count), qPrintable(notice->text()));
        // A refused keystroke leaves the text; the next accepted edit clears the notice.
        Type(field, QStringLiteral("ж"));
        QCOMPARE(field->text(), kept);
        QVERIFY(!notice->text().isEmpty());
        QTest::keyClicks(field, QStringLiteral("C"));
        QCOMPARE(field->text(), kept + u'C');
        QCOMPARE(notice->text(), QString());
    }

    void truncationNotice() {
        TMainForm form;
        auto* pages = Child<QTabWidget>(form, "PageControl");
        pages->setCurrentIndex(2);
        QLineEdit* field = Edit(form, "UCCEAN128_CodeValue");
        const QLabel* notice = Child<QLabel>(form, "NoticeLabel");
        field->setText(QString(100, u'A'));
        QCOMPARE(notice->text(), QString());
        field->setText(QString(300, u'A'));
        const quillmark::SymbolRequest request = form.CurrentRequest();
        QVERIFY(request.encoded && request.encoded->result.truncated);
        const auto chars = static_cast<qsizetype>(request.encoded->result.encodedChars);
        QVERIFY(chars > 200 && chars < 300);
        QVERIFY2(notice->text().contains(QString::number(chars)), qPrintable(notice->text()));
        QVERIFY(notice->text().contains(QStringLiteral("300")));
        // Room for both notices at once.
        QApplication::clipboard()->setText(QStringLiteral("ж"));
        field->paste();
        QVERIFY(notice->text().contains(u'\n'));
        QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());
        // It concerns the UCC/EAN-128 symbol only.
        pages->setCurrentIndex(0);
        QCOMPARE(notice->text(), QString());
        pages->setCurrentIndex(2);
        QVERIFY(!notice->text().isEmpty());
    }

    // 100,000 characters pasted: the window takes them and keeps painting quickly.
    void longPasteStaysResponsive() {
        TMainForm form;
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(2);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QLineEdit* field = Edit(form, "UCCEAN128_CodeValue");
        QString text;
        for (int i = 0; i < 100'000; ++i) text += QChar(u'0' + i % 10);
        text[50'000] = u'ж';
        QApplication::clipboard()->setText(text);
        QElapsedTimer clock;
        clock.start();
        field->paste();
        const qint64 pasteMs = clock.elapsed();
        QCOMPARE(field->text().size(), 99'999);
        auto* paintBox = Child<quillmark::PreviewWidget>(form, "PaintBox");
        QImage image(paintBox->size(), QImage::Format_RGB32);
        clock.restart();
        constexpr int kPaints = 20;
        for (int i = 0; i < kPaints; ++i) paintBox->render(&image);
        const double paintMs = static_cast<double>(clock.nsecsElapsed()) / 1e6 / kPaints;
        clock.restart();
        QTest::keyClick(field, Qt::Key_A);
        const qint64 keyMs = clock.elapsed();
        QCOMPARE(field->text().size(), 100'000);
        qInfo(
            "100,000 characters: paste and encode %lld ms, one keystroke %lld ms, one preview "
            "paint %.3f ms",
            pasteMs, keyMs, paintMs);
        QVERIFY(form.CurrentRequest().encoded->result.truncated);
    }

    void colourDialog() {
        TMainForm form;
        auto* dialog = Child<QColorDialog>(form, "ColorDialog");
        auto* lines = Child<quillmark::ColorPanel>(form, "LineColorBtn");
        auto* background = Child<quillmark::ColorPanel>(form, "BackgroundColorBtn");
        QColor seen;
        const auto answer = [&](const QColor& pick, bool accept) {
            QTimer::singleShot(0, dialog, [=, &seen] {
                seen = dialog->currentColor();
                dialog->setCurrentColor(pick);
                accept ? dialog->accept() : dialog->reject();
            });
        };
        answer(QColor(200, 0, 0), true);
        QTest::mouseClick(lines, Qt::LeftButton);
        QCOMPARE(seen, QColor(Qt::black));
        QCOMPARE(lines->colour(), QColor(200, 0, 0));
        // Opens on the colour last confirmed, whichever command confirmed it; cancel keeps.
        answer(QColor(0, 0, 200), false);
        Child<QAction>(form, "BackgroundColorMI")->trigger();
        QCOMPARE(seen, QColor(200, 0, 0));
        QCOMPARE(background->colour(), QColor(Qt::white));
        answer(QColor(0, 200, 0), true);
        QTest::mouseClick(background, Qt::LeftButton);
        QCOMPARE(seen, QColor(200, 0, 0));
        QCOMPARE(background->colour(), QColor(0, 200, 0));
        QCOMPARE(form.CurrentStyle().line, quillmark::TColor{0xC80000});
        QCOMPARE(form.CurrentStyle().background, quillmark::TColor{0x00C800});
        // The preview shows both colours.
        const QImage image = Grab(*Child(form, "PaintBox"));
        bool red = false, green = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                red |= image.pixel(x, y) == qRgb(200, 0, 0);
                green |= image.pixel(x, y) == qRgb(0, 200, 0);
            }
        QVERIFY(red && green);
    }

    void resizeKeepsMargins_data() {
        Columns<QSize>("grow");
        QTest::newRow("wider") << QSize(100, 0);
        QTest::newRow("taller") << QSize(0, 50);
        QTest::newRow("both") << QSize(250, 120);
    }
    void resizeKeepsMargins() {
        QFETCH(QSize, grow);
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QWidget* preview = Child(form, "PreviewBox");
        const QWidget* settings = Child(form, "SettingsPanel");
        const QRect pages = Child(form, "PageControl")->geometry();
        const QRect before = preview->geometry();
        const int settingsX = settings->x();
        form.resize(form.size() + grow);
        QTRY_COMPARE(preview->width(), before.width() + grow.width());
        QCOMPARE(preview->height(), before.height() + grow.height());
        QCOMPARE(settings->x(), settingsX + grow.width());
        const QWidget* client = form.centralWidget();
        QCOMPARE(preview->geometry().right() + 1 + 5, client->width());
        QCOMPARE(preview->geometry().bottom() + 1 + 5, client->height());
        QCOMPARE(settings->geometry().right() + 1 + 5, client->width());
        QCOMPARE(Child(form, "PageControl")->geometry(), pages);
        QCOMPARE(Child(form, "SpeedButton6")->pos(), QPoint(194, 5));
    }

    void cannotShrinkBelowMinimum() {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(300, 200);
        QTRY_VERIFY(form.width() >= 650 && form.height() >= 480);
    }

    void startsInTheNumberField() {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), Child(form, "EANUPC_CodeValue"));
        QCOMPARE(Edit(form, "EANUPC_CodeValue")->cursorPosition(), 0);
        // Typing at once enters the number from its first digit.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4006"));
        QVERIFY(quillmark::EditText(*Edit(form, "EANUPC_CodeValue")).startsWith(u"4 006"));
    }

    // The tab key walks the controls in the order the window lists them.
    void tabOrder() {
        TMainForm form;
        const QStringList order{"PageControl",
                                "EANUPC_CodeType",
                                "EANUPC_CodeValue",
                                "ISBN13Box",
                                "EANUPC_AddOnType",
                                "EANUPC_AddOnValue",
                                "EANUPC_Size",
                                "ITF14_CodeValue",
                                "ITF14_Size",
                                "ITF14_FullBorder",
                                "UCCEAN128_CodeValue",
                                "UCCEAN128_SpecChr",
                                "UCCEAN128_InsSpecChrBtn",
                                "UCCEAN128_AI",
                                "UCCEAN128_InsAIBtn",
                                "UCCEAN128_GSize",
                                "UCCEAN128_VSize",
                                "Resolution",
                                "FontsBox"};
        QStringList walked;
        QWidget* start = Child(form, "PageControl");
        QWidget* widget = start;
        do {
            if (order.contains(widget->objectName()) && !walked.contains(widget->objectName()))
                walked << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(walked, order);
    }

    // Each tab's preview scans as its fields say; the symbol's left edge lies at
    // OffsetX x ScaleX and everything outside its box keeps the window colour.
    void previewDrawsTheFieldsSymbol_data() {
        Columns<int, std::function<void(TMainForm&)>, int, QString>("tab", "fill", "format",
                                                                    "decoded");
        using F = std::function<void(TMainForm&)>;
        // The EAN/UPC tab after the steps, its value typed, at 200 %.
        const auto eanUpc = [](const QStringList& steps, const QString& value) {
            return F([steps, value](TMainForm& f) {
                for (const QString& step : steps) Apply(f, step);
                Edit(f, "EANUPC_CodeValue")->setText(value);
                Spin(f, "EANUPC_Size")->setValue(200);
            });
        };
        QTest::newRow("EAN-13") << 0 << eanUpc({}, "4 006381 333930")
                                << int(ZXing::BarcodeFormat::EAN13) << "4006381333931";
        QTest::newRow("ISBN-13") << 0 << eanUpc({"isbn:1"}, "9 780306 406150")
                                 << int(ZXing::BarcodeFormat::EAN13) << "9780306406157";
        QTest::newRow("EAN-8") << 0 << eanUpc({"type:EAN-8"}, "9638 5070")
                               << int(ZXing::BarcodeFormat::EAN8) << "96385074";
        QTest::newRow("UPC-A with add-on")
            << 0 << eanUpc({"type:UPC-A", "addon:5-Digit"}, "0 36000 29145 0")
            << int(ZXing::BarcodeFormat::UPCA) << "036000291452";
        QTest::newRow("UPC-E") << 0 << eanUpc({"type:UPC-E"}, "0 425261 0")
                               << int(ZXing::BarcodeFormat::UPCE) << "04252614";
        QTest::newRow("ITF-14") << 1 << F([](TMainForm& f) {
            Edit(f, "ITF14_CodeValue")->setText(QStringLiteral("12345678901230"));
            Spin(f, "ITF14_Size")->setValue(50);
        }) << int(ZXing::BarcodeFormat::ITF)
                                << "12345678901231";
        QTest::newRow("UCC/EAN-128") << 2 << F([](TMainForm& f) {
            Edit(f, "UCCEAN128_CodeValue")->setText(QStringLiteral("(01)09501101530003(10)AB"));
            Spin(f, "UCCEAN128_GSize")->setValue(300);
            Spin(f, "UCCEAN128_VSize")->setValue(150);
        }) << int(ZXing::BarcodeFormat::Code128)
                                     << "010950110153000310AB";
        // The 2D tab, the symbol chosen and the text typed with FNC1 from its button, at the
        // largest module; Digital Link under a stem of its own.
        const auto matrix = [](const QString& type, const QString& before, const QString& after,
                               int level, const QString& stem) {
            return F([=](TMainForm& f) {
                List(f, "Matrix2D_Type")->setCurrentText(type);
                List(f, "Matrix2D_ECLevel")->setCurrentIndex(level);
                if (!stem.isEmpty()) Edit(f, "Matrix2D_Stem")->setText(stem);
                Child<QDoubleSpinBox>(f, "Matrix2D_Module")->setValue(1.5);
                QLineEdit* field = Edit(f, "Matrix2D_CodeValue");
                Type(field, before);
                if (!after.isEmpty()) {
                    QTest::mouseClick(Child(f, "Matrix2D_FNC1Btn"), Qt::LeftButton);
                    Type(field, after);
                }
            });
        };
        QTest::newRow("GS1 DataMatrix with FNC1")
            << 3
            << matrix("GS1 DataMatrix", "(01)09501101530003(17)251231(10)ABC123",
                      "(21)ABCDEFGHIJKLMNOP", 1, {})
            << int(ZXing::BarcodeFormat::DataMatrix)
            << "01095011015300031725123110ABC123\x1D"
               "21ABCDEFGHIJKLMNOP";
        QTest::newRow("GS1 QR Code at H")
            << 3 << matrix("GS1 QR Code", "(01)09501101530003(17)251231", {}, 3, {})
            << int(ZXing::BarcodeFormat::QRCode) << "010950110153000317251231";
        QTest::newRow("Digital Link QR Code under a stem")
            << 3
            << matrix("GS1 Digital Link QR", "(01)09501101530003(10)AB/1", "(17)251231", 0,
                      "https://example.com/p")
            << int(ZXing::BarcodeFormat::QRCode)
            << "https://example.com/p/01/09501101530003/10/AB%2F1?17=251231";
        QTest::newRow("UCC/EAN-128 with FNC1 and GS") << 2 << F([](TMainForm& f) {
            QLineEdit* field = Edit(f, "UCCEAN128_CodeValue");
            field->setText(QStringLiteral("(10)AB"));
            List(f, "UCCEAN128_SpecChr")->setCurrentIndex(0);
            QTest::mouseClick(Child(f, "UCCEAN128_InsSpecChrBtn"), Qt::LeftButton);
            field->insert(QStringLiteral("(21)7"));
            Spin(f, "UCCEAN128_GSize")->setValue(300);
        }) << int(ZXing::BarcodeFormat::Code128)
                                                      << "10AB\x1D"
                                                         "217";
    }
    // The 2D tab's URI field shows the Digital Link of the text under the stem, and its button
    // copies it; where there is none, the notice beside the preview says why.
    void digitalLinkField_data() {
        Columns<QString, QString, QString, QString>("text", "stem", "uri", "because");
        const QString lot = QStringLiteral("(01)09501101530003(10)AB/1а(17)251231");
        const QString path = "/01/09501101530003/10/AB%2F1?17=251231";
        QTest::newRow("element strings") << lot << ""
                                         << "https://id.gs1.org" + path << "";
        QTest::newRow("stem with a path and a slash") << lot << "https://example.com/p/"
                                                      << "https://example.com/p" + path << "";
        QTest::newRow("no primary key") << "(10)ABC"
                                        << ""
                                        << "" << QStringLiteral("нет первичного ключа");
        QTest::newRow("two primary keys")
            << "(01)09501101530003(414)9501101530003"
            << ""
            << "" << QStringLiteral("два первичных ключа, (01) и (414)");
        QTest::newRow("a qualifier without its key")
            << "(414)9501101530003(22)A"
            << ""
            << "" << QStringLiteral("(22) без своего первичного ключа: (01), (8006)");
        QTest::newRow("stem without a host") << "(01)09501101530003"
                                             << "https://"
                                             << "" << QStringLiteral("в начале ссылки нет сервера");
        QTest::newRow("wrong check digit") << "(01)09501101530004"
                                           << ""
                                           << ""
                                           << "(01)";
    }
    // The notice says why the ticked linear symbol is left out, and nothing when it is drawn.
    void pairNotice_data() {
        Columns<QString, QString>("text", "notice");
        QTest::newRow("drawn") << "(01)09501101530003"
                               << "";
        QTest::newRow("no GTIN") << "(10)AB"
                                 << QStringLiteral(
                                        "Линейного символа нет: в данных нет GTIN (01).");
        QTest::newRow("not 14 digits")
            << "(01)0950110153000"
            << QStringLiteral("Линейного символа нет: GTIN (01) — не 14 цифр.");
        QTest::newRow("variable measure")
            << "(01)99501101530003"
            << QStringLiteral(
                   "Линейного символа нет: GTIN товара переменной меры (индикатор 9) "
                   "в EAN/UPC и ITF-14 не кодируют.");
        QTest::newRow("check digit")
            << "(01)09501101530004"
            << QStringLiteral(
                   "Линейного символа нет: неверная контрольная цифра GTIN 09501101530004.");
    }
    void pairNotice() {
        QFETCH(QString, text);
        QFETCH(QString, notice);
        TMainForm form;
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(3);
        Child<QCheckBox>(form, "Matrix2D_Pair")->setChecked(true);
        Type(Edit(form, "Matrix2D_CodeValue"), text);
        QCOMPARE(Child<QLabel>(form, "NoticeLabel")->text(), notice);
        QCOMPARE(form.CurrentRequest().pairedLinear != nullptr, notice.isEmpty());
    }

    void digitalLinkField() {
        QFETCH(QString, text);
        QFETCH(QString, stem);
        QFETCH(QString, uri);
        QFETCH(QString, because);
        TMainForm form;
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(3);
        List(form, "Matrix2D_Type")->setCurrentText(QStringLiteral("GS1 Digital Link QR"));
        if (!stem.isEmpty()) Edit(form, "Matrix2D_Stem")->setText(stem);
        Type(Edit(form, "Matrix2D_CodeValue"), text);
        const QLineEdit* field = Edit(form, "Matrix2D_URI");
        QCOMPARE(field->text(), uri);
        QVERIFY(field->isReadOnly());
        QCOMPARE(form.CurrentRequest().linkUri, uri.toStdString());
        auto* copy = Child<QToolButton>(form, "Matrix2D_CopyURIBtn");
        QCOMPARE(copy->isEnabled(), !uri.isEmpty());
        const QString notice = Child<QLabel>(form, "NoticeLabel")->text();
        if (uri.isEmpty()) {
            QVERIFY2(notice.startsWith(QStringLiteral("Нет ссылки GS1 Digital Link: ")) &&
                         notice.contains(because),
                     qPrintable(notice));
            QVERIFY(field->toolTip().contains(because));
            return;
        }
        QCOMPARE(notice, QString());
        QApplication::clipboard()->clear();
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), uri);
    }

    void previewDrawsTheFieldsSymbol() {
        QFETCH(int, tab);
        QFETCH(std::function<void(TMainForm&)>, fill);
        QFETCH(int, format);
        QFETCH(QString, decoded);
        TMainForm form;
        form.resize(1000, 600);
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(tab);
        fill(form);
        auto* paintBox = Child<quillmark::PreviewWidget>(form, "PaintBox");
        const QImage image = Grab(*paintBox);

        const quillmark::test::Reading reading =
            quillmark::test::Decode(image, static_cast<ZXing::BarcodeFormat>(format));
        QVERIFY2(reading.valid,
                 qPrintable(QString("%1x%2").arg(image.width()).arg(image.height())));
        QCOMPARE(QString::fromStdString(reading.text), decoded);

        // Where the symbol must lie: measured at the screen's density, centred to millimetres.
        const quillmark::PixelsPerMm scale = quillmark::ScreenPixelsPerMm(paintBox->screen());
        quillmark::TRect extent;
        quillmark::RenderSymbol(form.CurrentRequest(), nullptr, 0, 0, scale.x, scale.y, extent);
        const double offsetX = quillmark::CentringOffset(paintBox->width(), extent.Right, scale.x);
        const double offsetY =
            quillmark::CentringOffset(paintBox->height(), extent.Bottom, scale.y);
        const QRect box = NotWindow(image, WindowColour(*paintBox));
        QCOMPARE(box.left(), quillmark::Px(offsetX * scale.x));
        QCOMPARE(box.top(), quillmark::Px(offsetY * scale.y));
        QVERIFY(std::abs(box.width() - extent.Right) <= 1);
        QVERIFY(std::abs(box.height() - extent.Bottom) <= 1);
        // A module spans at least two pixels at these sizes: the box is wide.
        QVERIFY(box.width() > 150);
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
