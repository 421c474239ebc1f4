// Printing through a PDF printer: the symbol at physical size at the printable area's corner.
#include "output/PrintSymbol.h"

#include <gtest/gtest.h>
#include <QPageLayout>
#include <QPageSize>
#include <QTemporaryDir>

#include "output/OutputSymbols.h"
#include "output/PdfTools.h"
#include "support/GuiApp.h"
#include "support/ZXingDecode.h"

namespace quillmark {
namespace {

constexpr int kRasterDpi = 600;

TEST(PrintSymbol, PrintsAtPhysicalSizeAtTheTopLeftOfThePrintableArea) {
    // The box is tinted so that its edges, quiet zones included, show on the white page.
    const SymbolStyle style{0x000000, 0xE0F0FF, "Liberation Sans"};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct PrinterCase {
        int dotsPerInch;
        QPageLayout::Orientation orientation;
        double marginMm;
    };
    const PrinterCase printers[] = {{1200, QPageLayout::Landscape, 10},
                                    {300, QPageLayout::Landscape, 25},
                                    {600, QPageLayout::Portrait, 0}};
    for (const auto& symbol : test::OutputSymbols()) {
        // The physical width, measured where rounding to pixels costs nothing.
        const TRect fine = MeasureSymbolBounds(BindSymbol(symbol.symbol, 1000, 1000));
        const double widthMm = (fine.Right - fine.Left) / 1000.0;
        const double heightMm = (fine.Bottom - fine.Top) / 1000.0;
        for (const PrinterCase& p : printers) {
            SCOPED_TRACE(std::string(symbol.name) + " at " + std::to_string(p.dotsPerInch) +
                         " dpi, margin " + std::to_string(p.marginMm));
            QPrinter printer(QPrinter::HighResolution);
            printer.setResolution(p.dotsPerInch);
            printer.setOutputFormat(QPrinter::PdfFormat);
            const QString path = dir.filePath("print.pdf");
            printer.setOutputFileName(path);
            printer.setPageLayout(
                QPageLayout(QPageSize(QPageSize::A4), p.orientation,
                            QMarginsF(p.marginMm, p.marginMm, p.marginMm, p.marginMm),
                            QPageLayout::Millimeter));
            ASSERT_EQ(PrintSymbol(printer, symbol.symbol, style), "");
            // The symbol's corner of the page, with room for a symbol drawn too large.
            const double roomMm = 2 * p.marginMm + 10;
            const QImage page = test::RasterisePdf(
                path, kRasterDpi, QSizeF(widthMm * 1.2 + roomMm, heightMm * 1.2 + roomMm));
            ASSERT_FALSE(page.isNull());
            const QRect extent = test::NonWhiteExtent(page);
            const double mmPerDot = 25.4 / kRasterDpi;
            EXPECT_NEAR(extent.width() * mmPerDot, widthMm, 0.1);
            EXPECT_NEAR(extent.height() * mmPerDot, heightMm, 0.1);
            // The printable area as the printer has it in its own dots (Qt keeps PDF margins in
            // whole points).
            const QPointF corner =
                printer.pageRect(QPrinter::DevicePixel).topLeft() * 25.4 / printer.resolution();
            EXPECT_NEAR(corner.x(), p.marginMm, 0.36);
            EXPECT_NEAR(extent.left() * mmPerDot, corner.x(), 0.1);
            EXPECT_NEAR(extent.top() * mmPerDot, corner.y(), 0.1);
            const test::Reading reading = test::Decode(page.copy(extent), symbol.format);
            EXPECT_TRUE(reading.valid);
            EXPECT_EQ(test::Visible(reading.text), test::Visible(symbol.text));
        }
    }
}

}  // namespace
}  // namespace quillmark
