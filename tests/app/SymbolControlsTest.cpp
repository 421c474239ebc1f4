// The request the window's controls describe, built from plain values without widgets, and the
// table's number masks the controls are set up from.
#include <QTest>

#include <string>

#include "app/EditMask.h"
#include "app/SymbolControls.h"
#include "support/QtTables.h"

using quillmark::SymbolControls;
using quillmark::SymbolRequest;
using quillmark::SymbolTab;
using quillmark::test::Columns;

Q_DECLARE_METATYPE(SymbolTab)
Q_DECLARE_METATYPE(quillmark::QRLevel)

using quillmark::QRLevel;

namespace {

QString Name(const SymbolRequest& request) {
    if (request.symbology == nullptr) return {};
    const std::string_view name = request.symbology->name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The same controls on every row; each row changes what it is about.
SymbolControls Filled(SymbolTab tab) {
    SymbolControls c;
    c.tab = tab;
    c.codeDigits = "4006381333931";
    c.addOnType = "2-Digit";
    c.addOnDigits = "12";
    c.codeSize = 150;
    c.itfDigits = "15400141288763";
    c.itfSize = 50;
    c.fullBorder = false;
    c.gSize = 200;
    c.vSize = 120;
    c.matrixText = "(01)09501101530003(17)251231";
    c.moduleMm = 0.75;
    c.elementText = true;
    return c;
}

}  // namespace

class SymbolControlsTest : public QObject {
    Q_OBJECT

private slots:
    void request_data() {
        Columns<SymbolTab, QString, bool, QString, QString, int, bool, QString>(
            "tab", "codeType", "isbn", "symbology", "digits", "size", "fullBorder", "fieldText");
        const auto ean = [](const char* row, const char* type, bool isbn, const char* name) {
            QTest::newRow(row) << SymbolTab::EANUPC << type << isbn << name << "400638133393112"
                               << 150 << true << "";
        };
        ean("EAN-13", "EAN-13", false, "EAN-13");
        ean("ticked EAN-13", "EAN-13", true, "ISBN-13");
        ean("tick ignored by UPC-A", "UPC-A", true, "UPC-A");
        ean("EAN-8", "EAN-8", false, "EAN-8");
        ean("UPC-E", "UPC-E", false, "UPC-E");
        QTest::newRow("ITF-14 tab") << SymbolTab::ITF14 << "EAN-13" << false << "ITF-14"
                                    << "15400141288763" << 50 << false << "";
        QTest::newRow("UCC/EAN-128 tab")
            << SymbolTab::UCCEAN128 << "EAN-13" << false << "UCC/EAN-128"
            << "" << 100 << true << "(10)ABC";
        QTest::newRow("GS1 2D tab") << SymbolTab::Matrix2D << "EAN-13" << false << "GS1 DataMatrix"
                                    << "" << 100 << true << "(01)09501101530003(17)251231";
    }
    void request() {
        QFETCH(SymbolTab, tab);
        QFETCH(QString, codeType);
        QFETCH(bool, isbn);
        QFETCH(QString, symbology);
        QFETCH(QString, digits);
        QFETCH(int, size);
        QFETCH(bool, fullBorder);
        QFETCH(QString, fieldText);
        SymbolControls controls = Filled(tab);
        controls.codeType = codeType.toStdString();
        controls.isbn = isbn;
        SymbolRequest field;
        field.symbology = &quillmark::SymbologyOf(quillmark::Symbology::UCCEAN128);
        field.fieldText = "(10)ABC";
        quillmark::EncodeRequest(field);

        const SymbolRequest r = quillmark::SymbolFromControls(controls, field);
        QCOMPARE(Name(r), symbology);
        QCOMPARE(QString::fromStdString(r.digits), digits);
        QCOMPARE(static_cast<int>(r.sizePercent), size);
        QCOMPARE(r.fullBorder, fullBorder);
        QCOMPARE(QString::fromStdString(r.fieldText), fieldText);
        const bool ucc = tab == SymbolTab::UCCEAN128;
        // The add-on type travels with the EAN/UPC tab only; the text comes encoded.
        QCOMPARE(r.addOnType, std::string(tab == SymbolTab::EANUPC ? "2-Digit" : "None"));
        QCOMPARE(r.encoded.has_value(), ucc);
        QCOMPARE(static_cast<int>(r.gSizePercent), ucc ? 200 : 100);
        QCOMPARE(static_cast<int>(r.vSizePercent), ucc ? 120 : 100);
        // The module and the element string line travel with the 2D tab only.
        const bool matrix = tab == SymbolTab::Matrix2D;
        QCOMPARE(r.moduleMm, matrix ? 0.75 : quillmark::kDefaultMatrixModuleMm);
        QCOMPARE(r.elementText, matrix);
        QCOMPARE(r.matrix.has_value(), matrix);
    }

    // The 2D tab's symbol with the options that apply to it (the others keep their defaults),
    // encoded, the Digital Link QR Code carrying the URI of the text under the stem.
    void matrixRequest_data() {
        Columns<QString, QString, bool, QRLevel, QString, QString, bool, bool, QRLevel, QString>(
            "type", "text", "rectangular", "level", "stem", "symbology", "drawn", "square",
            "expectedLevel", "uri");
        const QString gtin = QStringLiteral("(01)09501101530003(17)251231");
        const QString dl = "https://id.gs1.org";
        QTest::newRow("DataMatrix, the level ignored")
            << "GS1 DataMatrix" << gtin << false << QRLevel::H << dl << "GS1 DataMatrix" << true
            << true << QRLevel::M << "";
        QTest::newRow("rectangular DataMatrix")
            << "GS1 DataMatrix" << gtin << true << QRLevel::M << dl << "GS1 DataMatrix" << true
            << false << QRLevel::M << "";
        QTest::newRow("unknown type draws DataMatrix")
            << "Aztec" << gtin << false << QRLevel::M << dl << "GS1 DataMatrix" << true << true
            << QRLevel::M << "";
        QTest::newRow("QR Code at H, the tick ignored")
            << "GS1 QR Code" << gtin << true << QRLevel::H << dl << "GS1 QR Code" << true << true
            << QRLevel::H << "";
        QTest::newRow("QR Code needs the AIs in parentheses")
            << "GS1 QR Code"
            << "0109501101530003" << false << QRLevel::M << dl << "GS1 QR Code" << false << true
            << QRLevel::M << "";
        QTest::newRow("Digital Link under a stem with a path")
            << "GS1 Digital Link QR" << QStringLiteral("(01)09501101530003(10)AB/1\u00E0(17)251231")
            << false << QRLevel::Q << "https://example.com/p/"
            << "GS1 Digital Link QR" << true << true << QRLevel::Q
            << "https://example.com/p/01/09501101530003/10/AB%2F1?17=251231";
        QTest::newRow("Digital Link without a primary key")
            << "GS1 Digital Link QR"
            << "(10)ABC" << false << QRLevel::M << dl << "GS1 Digital Link QR" << false << true
            << QRLevel::M << "";
        QTest::newRow("Digital Link under a stem that is no URL")
            << "GS1 Digital Link QR" << gtin << false << QRLevel::M << "ftp://example.com"
            << "GS1 Digital Link QR" << false << true << QRLevel::M << "";
    }
    void matrixRequest() {
        QFETCH(QString, type);
        QFETCH(QString, text);
        QFETCH(bool, rectangular);
        QFETCH(QRLevel, level);
        QFETCH(QString, stem);
        QFETCH(QString, symbology);
        QFETCH(bool, drawn);
        QFETCH(bool, square);
        QFETCH(QRLevel, expectedLevel);
        QFETCH(QString, uri);
        SymbolControls controls = Filled(SymbolTab::Matrix2D);
        controls.matrixType = type.toStdString();
        controls.matrixText = text.toLatin1().toStdString();
        controls.rectangular = rectangular;
        controls.qrLevel = level;
        controls.stem = stem.toStdString();

        const SymbolRequest r = quillmark::SymbolFromControls(controls, SymbolRequest{});
        QCOMPARE(Name(r), symbology);
        QCOMPARE(r.fieldText, controls.matrixText);
        QCOMPARE(r.qrLevel, expectedLevel);
        QCOMPARE(r.rectangular, !square);
        QCOMPARE(QString::fromStdString(r.linkUri), uri);
        QCOMPARE(r.matrix.has_value(), drawn);
        if (drawn) QCOMPARE(r.matrix->width == r.matrix->height, square);
    }

    // The code type list names every EAN/UPC symbology but ISBN-13 (the tick), in table order.
    void codeTypeList() {
        QStringList names;
        for (const quillmark::Symbology id : quillmark::CodeTypeList())
            names << QString::fromLatin1(quillmark::SymbologyOf(id).name.data());
        QCOMPARE(names, QStringList({"EAN-13", "EAN-8", "UPC-A", "UPC-E"}));
    }

    // Each number mask takes the row's digits, and its blank text fits the mask position for
    // position: a digit where the mask takes one, the mask's own literal elsewhere.
    void numberMasksFitTheirSymbology_data() {
        Columns<int>("row");
        for (std::size_t row = 0; row < quillmark::kSymbologies.size(); ++row)
            if (quillmark::kSymbologies[row].digitCount > 0)
                QTest::newRow(quillmark::kSymbologies[row].name.data()) << static_cast<int>(row);
    }
    void numberMasksFitTheirSymbology() {
        QFETCH(int, row);
        const quillmark::SymbologyInfo& info =
            quillmark::kSymbologies[static_cast<std::size_t>(row)];
        const QString mask = quillmark::QtInputMask(info.numberMask).section(u';', 0, 0);
        const QString blank = QString::fromLatin1(info.numberBlank.data(),
                                                  static_cast<qsizetype>(info.numberBlank.size()));
        qsizetype at = 0;
        std::size_t digits = 0;
        for (qsizetype m = 0; m < mask.size(); ++m, ++at) {
            QVERIFY2(at < blank.size(), "blank text shorter than the mask");
            const bool escaped = mask[m] == u'\\';
            if (escaped) ++m;
            if (!escaped && mask[m] == u'9')
                QVERIFY2(blank[at].isDigit(), qPrintable(blank));
            else
                QCOMPARE(blank[at], mask[m]);
            digits += blank[at].isDigit() ? 1 : 0;
        }
        QCOMPARE(at, blank.size());
        QCOMPARE(digits, info.digitCount);
    }
};

QTEST_GUILESS_MAIN(SymbolControlsTest)
#include "SymbolControlsTest.moc"
