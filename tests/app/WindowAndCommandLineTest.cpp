// The same symbol typed into the window and given to the command line: the window's copied
// picture and the command line's PNG are the same pixels.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <string>

#include "app/MainForm.h"
#include "app/WindowCommands.h"
#include "cli/PictureOutput.h"
#include "cli/SymbolInput.h"
#include "support/QtTables.h"

using quillmark::SymbolFields;
using quillmark::TMainForm;
using quillmark::test::Columns;

namespace {

// Sets the control "name=value" as a user would: text, list item, number, tick or tab index.
void Set(TMainForm& form, const QString& step) {
    const QString name = step.section(u'=', 0, 0);
    const QString value = step.section(u'=', 1);
    QObject* control = form.findChild<QObject*>(name);
    if (control == nullptr) qFatal("no control %s", qPrintable(name));
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(value);
    if (auto* list = qobject_cast<QComboBox*>(control)) list->setCurrentText(value);
    if (auto* spin = qobject_cast<QSpinBox*>(control)) spin->setValue(value.toInt());
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) spin->setValue(value.toDouble());
    if (auto* tick = qobject_cast<QCheckBox*>(control)) tick->setChecked(value == u"1");
    if (auto* tabs = qobject_cast<QTabWidget*>(control)) tabs->setCurrentIndex(value.toInt());
}

std::optional<std::string> Field(const QString& value) {
    if (value.isEmpty()) return std::nullopt;
    return value.toStdString();
}

// The 2D options after the six fields, "name=value" as --name takes them (a tick without value).
void SetMatrixOptions(const QStringList& options, SymbolFields& fields) {
    for (const QString& option : options) {
        const QString name = option.section(u'=', 0, 0);
        const std::optional<std::string> value = Field(option.section(u'=', 1));
        if (name == u"module") fields.module = value;
        if (name == u"ec-level") fields.qrLevel = value;
        if (name == u"stem") fields.stem = value;
        if (name == u"rectangular") fields.rectangular = true;
        if (name == u"hri") fields.elementText = true;
        if (name == u"pair") fields.pair = true;
    }
}

}  // namespace

class WindowAndCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void samePixels_data() {
        // commandLine: type, data, add-on, size, gsize, vsize, then the 2D options
        Columns<QStringList, QStringList, int>("window", "commandLine", "dotsPerMm");
        QTest::newRow("EAN-13 with add-on at 150 %")
            << QStringList{"EANUPC_AddOnType=2-Digit", "EANUPC_AddOnValue=12",
                           "EANUPC_CodeValue=4 006381 333931", "EANUPC_Size=150"}
            << QStringList{"EAN-13", "4006381333931", "12", "150", "", ""} << 12;
        QTest::newRow("ISBN-13 with 5-digit add-on")
            << QStringList{"ISBN13Box=1", "EANUPC_AddOnType=5-Digit", "EANUPC_AddOnValue=90000",
                           "EANUPC_CodeValue=9 780306 406157"}
            << QStringList{"isbn", "9780306406157", "90000", "", "", ""} << 8;
        QTest::newRow("EAN-8 at 80 %")
            << QStringList{"EANUPC_CodeType=EAN-8", "EANUPC_CodeValue=9638 5074", "EANUPC_Size=80"}
            << QStringList{"EAN-8", "96385074", "", "80", "", ""} << 12;
        QTest::newRow("UPC-A") << QStringList{"EANUPC_CodeType=UPC-A",
                                              "EANUPC_CodeValue=0 36000 29145 2"}
                               << QStringList{"UPC-A", "036000291452", "", "", "", ""} << 5;
        QTest::newRow("UPC-E with add-on")
            << QStringList{"EANUPC_CodeType=UPC-E", "EANUPC_AddOnType=2-Digit",
                           "EANUPC_AddOnValue=07", "EANUPC_CodeValue=0 425261 4"}
            << QStringList{"UPC-E", "04252614", "07", "", "", ""} << 12;
        QTest::newRow("ITF-14 at 50 % without full border")
            << QStringList{"PageControl=1", "ITF14_CodeValue=15400141288763", "ITF14_Size=50",
                           "ITF14_FullBorder=0"}
            << QStringList{"ITF-14", "15400141288763", "", "50", "", ""} << 12;
        QTest::newRow("UCC/EAN-128 with FNC1, magnified")
            << QStringList{"PageControl=2",
                           QStringLiteral("UCCEAN128_CodeValue=(01)09501101530003(10)ABCа(21)12"),
                           "UCCEAN128_GSize=150", "UCCEAN128_VSize=120"}
            << QStringList{"GS1-128", "(01)09501101530003(10)ABC{FNC1}(21)12", "", "", "150", "120"}
            << 10;
        QTest::newRow("rectangular GS1 DataMatrix with its element string")
            << QStringList{"PageControl=3", "Matrix2D_Rectangular=1", "Matrix2D_HRI=1",
                           "Matrix2D_Module=0.6",
                           QStringLiteral("Matrix2D_CodeValue=(01)09501101530003(10)ABCа(21)12")}
            << QStringList{"GS1-DATAMATRIX",
                           "(01)09501101530003(10)ABC{FNC1}(21)12",
                           "",
                           "",
                           "",
                           "",
                           "module=0.6",
                           "rectangular",
                           "hri"}
            << 12;
        QTest::newRow("GS1 QR Code beside its GTIN's EAN-13")
            << QStringList{"PageControl=3", "Matrix2D_Type=GS1 QR Code", "Matrix2D_Pair=1",
                           QStringLiteral("Matrix2D_CodeValue=(01)09501101530003(17)271231")}
            << QStringList{"GS1-QR", "(01)09501101530003(17)271231", "", "", "", "", "pair"}
            << 12;
        QTest::newRow("Digital Link QR Code at Q under a stem")
            << QStringList{"PageControl=3",
                           "Matrix2D_Type=GS1 Digital Link QR",
                           "Matrix2D_ECLevel=Q – 25 %",
                           "Matrix2D_Stem=https://example.com/p",
                           "Matrix2D_Module=0.4",
                           QStringLiteral("Matrix2D_CodeValue=(01)09501101530003(17)251231")}
            << QStringList{"DL-QR",
                           "(01)09501101530003(17)251231",
                           "",
                           "",
                           "",
                           "",
                           "module=0.4",
                           "ec-level=Q",
                           "stem=https://example.com/p"}
            << 10;
    }
    void samePixels() {
        QFETCH(QStringList, window);
        QFETCH(QStringList, commandLine);
        QFETCH(int, dotsPerMm);
        TMainForm form;
        // The command line's default font, so that both draw the same text.
        Set(form, QStringLiteral("FontsBox=Liberation Sans"));
        QCOMPARE(form.CurrentStyle().fontName, quillmark::SymbolStyle{}.fontName);
        Set(form, QStringLiteral("Resolution=%1").arg(dotsPerMm));
        for (const QString& step : window) Set(form, step);
        QGuiApplication::clipboard()->clear();
        QVERIFY(form.Commands().Copy());
        const QImage copied =
            QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!copied.isNull());

        SymbolFields fields;
        fields.type = Field(commandLine[0]);
        fields.data = Field(commandLine[1]);
        fields.addOn = Field(commandLine[2]);
        fields.size = Field(commandLine[3]);
        fields.gSize = Field(commandLine[4]);
        fields.vSize = Field(commandLine[5]);
        fields.fullBorder =
            window.contains("ITF14_FullBorder=0") ? std::optional(false) : std::nullopt;
        SetMatrixOptions(commandLine.mid(6), fields);
        const quillmark::Result<quillmark::SymbolRequest> symbol =
            quillmark::BuildSymbolRequest(fields);
        QVERIFY2(symbol.ok(), symbol.error().c_str());
        quillmark::PictureSettings settings;
        settings.dotsPerMm = dotsPerMm;
        std::string png;
        const quillmark::PictureResult made =
            quillmark::EncodeSymbolPicture(*symbol, settings, quillmark::PictureFormat::PNG, png);
        QVERIFY2(made.error.empty(), made.error.c_str());
        const QImage written =
            QImage::fromData(QByteArray::fromStdString(png)).convertToFormat(QImage::Format_RGB32);

        QCOMPARE(written.size(), copied.size());
        QVERIFY(written == copied);
    }
};

QTEST_MAIN(WindowAndCommandLineTest)
#include "WindowAndCommandLineTest.moc"
