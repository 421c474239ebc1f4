// Label sheet PDFs measured after rasterising: cells where the template puts them, symbols in
// the cells the start position and copies give, read back; the calibration page's corrections.
#include "output/LabelSheetPages.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "output/PdfTools.h"
#include "sheets/SheetTemplates.h"
#include "support/GuiApp.h"
#include "support/ZXingDecode.h"

namespace quillmark {
namespace {

constexpr int kDpi = 508;  // 20 pixels per millimetre
constexpr double kPxPerMm = kDpi / 25.4;

SymbolRequest Ean13(const char* digits, unsigned short size) {
    SymbolRequest request;
    request.symbology = &SymbologyOf(Symbology::EAN13);
    request.digits = digits;
    request.sizePercent = size;
    return request;
}

QImage FirstPage(const QByteArray& pdf, QSizeF cropMm = {}) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheets.pdf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size()) return {};
    file.close();
    return test::RasterisePdf(path, kDpi, cropMm).convertToFormat(QImage::Format_Grayscale8);
}

// The centre, in millimetres, of the dark line nearest expectedMm along row (or column) at mm.
double LineCentreMm(const QImage& page, double expectedMm, double atMm, bool vertical) {
    const int fixed = static_cast<int>(atMm * kPxPerMm);
    const auto dark = [&](int i) {
        const int x = vertical ? fixed : i, y = vertical ? i : fixed;
        return qGray(page.pixel(x, y)) < 224;
    };
    const int from = static_cast<int>((expectedMm - 1) * kPxPerMm);
    const int to = static_cast<int>((expectedMm + 1) * kPxPerMm);
    int first = -1, last = -1;
    for (int i = std::max(from, 0); i <= to; ++i) {
        if (!dark(i)) continue;
        if (first < 0) first = i;
        last = i;
    }
    return first < 0 ? -100 : (first + last + 1) / 2.0 / kPxPerMm;
}

TEST(LabelSheetPages, EveryCellWhereTheTemplatePutsIt) {
    const SheetLibrary library = LoadSheetLibrary(QStringLiteral("/nonexistent"));
    for (const char* name : {"Avery L7160", "Avery 5160"}) {
        SCOPED_TRACE(name);
        LabelSheetJob job;
        job.sheet = FindSheet(library.sheets, name);
        ASSERT_NE(job.sheet, nullptr);
        const std::vector<CellRect> cells = SheetCells(*job.sheet);
        job.symbols = {Ean13("4006381333931", 80)};
        job.copies = static_cast<int>(cells.size());
        job.dotsPerMm = 12;
        job.outlines = true;
        EncodeRequest(job.symbols.front());
        EXPECT_TRUE(SymbolsNotFitting(job).empty());
        EXPECT_EQ(LabelSheetPageCount(job), 1);
        const QImage page = FirstPage(LabelSheetsPdf(job, {}));
        ASSERT_FALSE(page.isNull());
        for (const CellRect& c : cells) {
            const double middleY = c.y + c.height / 2, middleX = c.x + c.width / 2;
            EXPECT_NEAR(LineCentreMm(page, c.x, middleY, false), c.x, 0.05);
            EXPECT_NEAR(LineCentreMm(page, c.x + c.width, middleY, false), c.x + c.width, 0.05);
            EXPECT_NEAR(LineCentreMm(page, c.y, middleX, true), c.y, 0.05);
            EXPECT_NEAR(LineCentreMm(page, c.y + c.height, middleX, true), c.y + c.height, 0.05);
        }
    }
}

TEST(LabelSheetPages, StartPositionAndCopiesFillCellsInRowOrder) {
    const SheetLibrary library = LoadSheetLibrary(QStringLiteral("/nonexistent"));
    LabelSheetJob job;
    job.sheet = FindSheet(library.sheets, "Avery L7160");
    ASSERT_NE(job.sheet, nullptr);
    const char* numbers[] = {"4006381333931", "9780306406157", "5012345678900"};
    for (const char* digits : numbers) job.symbols.push_back(Ean13(digits, 100));
    for (SymbolRequest& request : job.symbols) EncodeRequest(request);
    job.startCell = 8;
    job.copies = 2;
    job.dotsPerMm = 12;
    const QImage page = FirstPage(LabelSheetsPdf(job, {}));
    ASSERT_FALSE(page.isNull());
    const std::vector<CellRect> cells = SheetCells(*job.sheet);
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const CellRect& c = cells[i];
        const QImage cell = page.copy(
            QRectF(c.x * kPxPerMm, c.y * kPxPerMm, c.width * kPxPerMm, c.height * kPxPerMm)
                .toRect());
        const test::Reading reading = test::Decode(cell, ZXing::BarcodeFormat::EAN13);
        const int symbol = (i + 1 - 8) / 2;  // cells 8 and 9 the first symbol, and so on
        if (i + 1 < 8 || i + 1 > 13) {
            EXPECT_FALSE(reading.valid) << "cell " << i + 1;
        } else {
            EXPECT_EQ(reading.text, numbers[symbol]) << "cell " << i + 1;
        }
    }
}

// Printed at the printer's resolution, every bar and space of a whole-dot symbol is a whole
// number of modules of whole dots: no pixel of the bars' row is grey.
TEST(LabelSheetPages, WholeDotBarsAtThePrintersResolution) {
    const SheetLibrary library = LoadSheetLibrary(QStringLiteral("/nonexistent"));
    const struct {
        int dpi;
        int moduleDots;
    } cases[] = {{203, 3}, {300, 4}, {600, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        LabelSheetJob job;
        job.sheet = FindSheet(library.sheets, "Thermal 58x40");
        job.symbols = {Ean13("4006381333931", 100)};
        EncodeRequest(job.symbols.front());
        job.dotsPerMm = c.dpi / 25.4;
        job.wholeDots = true;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("roll.pdf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(LabelSheetsPdf(job, {}));
        file.close();
        const QImage page =
            test::RasterisePdf(path, c.dpi).convertToFormat(QImage::Format_Grayscale8);
        ASSERT_FALSE(page.isNull());
        EXPECT_EQ(test::Decode(page, ZXing::BarcodeFormat::EAN13).text, "4006381333931");
        const uchar* row = page.constScanLine(page.height() / 2);
        std::vector<int> runs{1};
        int grey = 0;
        for (int x = 1; x < page.width(); ++x) {
            if (row[x] != 0 && row[x] != 255) ++grey;
            if ((row[x] < 128) == (row[x - 1] < 128))
                ++runs.back();
            else
                runs.push_back(1);
        }
        EXPECT_EQ(grey, 0);
        ASSERT_GE(runs.size(), 61u);  // the margin, 59 bars and spaces, the margin
        for (std::size_t i = 1; i + 1 < runs.size(); ++i) {
            EXPECT_EQ(runs[i] % c.moduleDots, 0) << "element " << i << " is " << runs[i] << " dots";
        }
    }
}

TEST(LabelSheetPages, CalibrationPageShowsTheProfilesCorrections) {
    const struct {
        PrinterProfile profile;
    } cases[] = {{{0, 0, 100, 100, 0}}, {{1.0, -0.5, 101, 101, 0}}, {{-2, 3, 99.5, 100.5, 0}}};
    for (const auto& c : cases) {
        const PrinterProfile& p = c.profile;
        const QImage page = FirstPage(CalibrationPdf(210, 297, p), QSizeF(125, 125));
        ASSERT_FALSE(page.isNull());
        const auto x = [&](double mm) { return mm * p.scaleXPercent / 100 + p.offsetXMm; };
        const auto y = [&](double mm) { return mm * p.scaleYPercent / 100 + p.offsetYMm; };
        // The rulers' 50 and 100 mm ticks (5 mm long, read 4 mm off the ruler), then the
        // cross's arms, read above and left of the rulers.
        EXPECT_NEAR(LineCentreMm(page, x(60), y(14), false), x(60), 0.05);
        EXPECT_NEAR(LineCentreMm(page, x(110), y(14), false), x(110), 0.05);
        EXPECT_NEAR(LineCentreMm(page, y(110), x(14), true), y(110), 0.05);
        EXPECT_NEAR(LineCentreMm(page, y(10), x(7), true), y(10), 0.05);
        EXPECT_NEAR(LineCentreMm(page, x(10), y(7), false), x(10), 0.05);
    }
}

}  // namespace
}  // namespace quillmark
