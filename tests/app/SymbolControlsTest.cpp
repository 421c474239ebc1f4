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
