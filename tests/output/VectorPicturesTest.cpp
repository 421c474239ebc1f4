// SVG and PDF pictures: physical size, the raster picture's geometry, and decoding.
#include "output/VectorPictures.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "output/OutputSymbols.h"
#include "output/PdfTools.h"
#include "output/SvgCanvas.h"
#include "raster/Fonts.h"
#include "support/GuiApp.h"
#include "support/ZXingDecode.h"

namespace quillmark {
namespace {

using test::OutputSymbols;

double Attribute(const QString& svg, const QString& name, QString& unit) {
    const QRegularExpressionMatch m =
        QRegularExpression(" " + name + "=\"([0-9.]+)([a-z]*)\"").match(svg);
    unit = m.captured(2);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

QImage RasteriseSvg(const QByteArray& svg, QSize size) {
    QSvgRenderer renderer(svg);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

TEST(VectorPictures, SvgHasThePhysicalSizeAndTheRasterPicturesBars) {
    const SymbolStyle colours{0x202080, 0xFFFFE0, "Liberation Sans"};
    for (const auto& symbol : OutputSymbols()) {
        for (const double dotsPerMm : {6.0, 12.0, 11.811}) {
            SCOPED_TRACE(std::string(symbol.name) + " at " + std::to_string(dotsPerMm));
            const SymbolRenderer render = BindSymbol(symbol.symbol, dotsPerMm, dotsPerMm);
            const TRect b = MeasureSymbolBounds(render);
            const QByteArray svg =
                QByteArray::fromStdString(*SymbolSvg(render, colours, dotsPerMm));
            ASSERT_FALSE(svg.isEmpty());
            const QString text = QString::fromUtf8(svg);
            QString unit;
            EXPECT_NEAR(Attribute(text, "width", unit), (b.Right - b.Left) / dotsPerMm, 5e-5);
            EXPECT_EQ(unit, "mm");
            EXPECT_NEAR(Attribute(text, "height", unit), (b.Bottom - b.Top) / dotsPerMm, 5e-5);
            EXPECT_EQ(unit, "mm");
            EXPECT_TRUE(text.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"")
                                          .arg(b.Right - b.Left)
                                          .arg(b.Bottom - b.Top)));
            // The bars, away from the texts, are the raster picture's pixels exactly.
            const QImage raster = RenderSymbolPicture(render, colours).image;
            const QImage drawn = RasteriseSvg(svg, raster.size());
            int identicalRows = 0;
            for (int y = 0; y < raster.height(); ++y)
                if (std::memcmp(raster.constScanLine(y), drawn.constScanLine(y),
                                static_cast<std::size_t>(raster.bytesPerLine())) == 0)
                    ++identicalRows;
            EXPECT_GT(identicalRows, raster.height() / 3);
            const test::Reading reading = test::Decode(drawn, symbol.format);
            EXPECT_TRUE(reading.valid);
            EXPECT_EQ(test::Visible(reading.text), test::Visible(symbol.text));
        }
    }
}

// Each bar of a symbol becomes one rectangle: EAN-13 has 30 bars, besides them only the
// symbol's box and one cell per text.
TEST(VectorPictures, SvgDrawsEachBarAsOneRectangle) {
    const auto symbol = OutputSymbols().front();
    SvgCanvas canvas;
    TRect bounds;
    BindSymbol(symbol.symbol, 12, 12)(&canvas, 0, 0, bounds);
    const QString ean = QString::fromStdString(canvas.Document(bounds, 12));
    EXPECT_EQ(ean.count("\n<text "), 13);
    EXPECT_EQ(canvas.RectangleCount(), 1u + 30u + 13u);
    // Adjacent columns of one colour and span merge; a different span or colour does not.
    SvgCanvas merged;
    merged.FillRect({0, 0, 20, 63});  // the background, then the symbol's box over it
    merged.FillRect({0, 0, 20, 63});
    for (int x = 10; x < 14; ++x) {
        merged.MoveTo(x, 5);
        merged.LineTo(x, 50);
    }
    merged.MoveTo(14, 5);
    merged.LineTo(14, 49);
    merged.SetPenColor(0x0000FF);
    merged.MoveTo(15, 5);
    merged.LineTo(15, 49);
    for (int y = 60; y < 63; ++y) {
        merged.MoveTo(0, y);
        merged.LineTo(20, y);
    }
    EXPECT_EQ(merged.RectangleCount(), 5u);
    const QString doc = QString::fromStdString(merged.Document({0, 0, 20, 63}, 10));
    EXPECT_TRUE(
        doc.contains("<rect x=\"10\" y=\"5\" width=\"4\" height=\"45\" fill=\"#000000\"/>"));
    EXPECT_TRUE(
        doc.contains("<rect x=\"0\" y=\"60\" width=\"20\" height=\"3\" fill=\"#0000FF\"/>"));
    EXPECT_TRUE(doc.contains("width=\"2mm\" height=\"6.3mm\""));
}

// The raster canvas's metrics, and the family the font was found under ("Arial" is drawn with
// its substitute, which a viewer must use to draw the text at the same width).
TEST(VectorPictures, SvgTextsAreTextsInTheCanvasFont) {
    for (const char* family : {"Liberation Sans", "Arial"}) {
        SCOPED_TRACE(family);
        SvgCanvas canvas;
        canvas.SetFontHeight(40);
        canvas.SetFontName(family);
        canvas.SetBrushColor(0xFFFFFF);
        canvas.TextOut(5, 7, "A<&>\"B");
        const FontCell cell = CellForHeight(family, 40);
        const int width = TextAdvance(family, 40, "A<&>\"B");
        ASSERT_GT(width, 0);
        const std::string doc = canvas.Document({0, 0, 200, 60}, 10);
        EXPECT_NE(doc.find("<text x=\"5\" y=\"" + std::to_string(7 + cell.ascent) +
                           "\" font-family=\"" + DrawnFamily(family) + "\" font-size=\"" +
                           std::to_string(cell.pixelSize) + "\""),
                  std::string::npos)
            << doc;
        EXPECT_NE(doc.find(">A&lt;&amp;&gt;&quot;B</text>"), std::string::npos);
        // The opaque cell behind the text.
        EXPECT_NE(doc.find("<rect x=\"5\" y=\"7\" width=\"" + std::to_string(width) +
                           "\" height=\"" + std::to_string(cell.ascent + cell.descent) + "\""),
                  std::string::npos);
        EXPECT_EQ(canvas.TextWidth("A<&>\"B"), width);
    }
}

// The first and last dark pixel of the row a quarter down the picture, where every symbol has
// bars (or its frame); -1s when there is none.
std::pair<int, int> DarkSpan(const QImage& image) {
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const uchar* row = gray.constScanLine(gray.height() / 4);
    int first = -1, last = -1;
    for (int x = 0; x < gray.width(); ++x)
        if (row[x] < 128) {
            if (first < 0) first = x;
            last = x;
        }
    return {first, last};
}

TEST(VectorPictures, PdfPageIsThePhysicalSizeAndDecodes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& symbol : OutputSymbols()) {
        for (const double dotsPerMm : {7.0, 12.0, 11.811}) {
            SCOPED_TRACE(std::string(symbol.name) + " at " + std::to_string(dotsPerMm));
            const SymbolRenderer render = BindSymbol(symbol.symbol, dotsPerMm, dotsPerMm);
            const TRect b = MeasureSymbolBounds(render);
            const QString path = dir.filePath("symbol.pdf");
            ASSERT_EQ(SavePdf(render, {}, dotsPerMm, path.toStdString()).error(), "");
            const QSizeF points = test::PdfPageSizePoints(path);
            const double mmToPoints = 72 / 25.4;
            // Qt makes pages of whole points: the symbol's size rounded up.
            const QSizeF symbolPoints((b.Right - b.Left) / dotsPerMm * mmToPoints,
                                      (b.Bottom - b.Top) / dotsPerMm * mmToPoints);
            EXPECT_GE(points.width(), symbolPoints.width() - 1e-6);
            EXPECT_LT(points.width(), symbolPoints.width() + 1);
            EXPECT_GE(points.height(), symbolPoints.height() - 1e-6);
            EXPECT_LT(points.height(), symbolPoints.height() + 1);
            const QImage page = test::RasterisePdf(path, 600);
            ASSERT_FALSE(page.isNull());
            // Drawn at physical size: the bars span what they span in the raster picture (one row
            // of a 2D symbol spans what its modules there span, which differs from row to row).
            const auto [first, last] = DarkSpan(RenderSymbolPicture(render).image);
            const auto [pdfFirst, pdfLast] = DarkSpan(page);
            if (!IsMatrix2D(symbol.symbol.symbology->id)) {
                EXPECT_NEAR((pdfLast + 1 - pdfFirst) * 25.4 / 600, (last + 1 - first) / dotsPerMm,
                            0.1);
                EXPECT_NEAR(pdfFirst * 25.4 / 600, first / dotsPerMm, 0.1);
            }
            const test::Reading reading = test::Decode(page, symbol.format);
            EXPECT_TRUE(reading.valid);
            EXPECT_EQ(test::Visible(reading.text), test::Visible(symbol.text));
        }
    }
}

}  // namespace
}  // namespace quillmark
