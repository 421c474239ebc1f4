// The clipboard round trip: image and PNG with its density come back as they were set.
#include "output/SymbolMimeData.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>

#include "output/OutputSymbols.h"
#include "support/GuiApp.h"

namespace quillmark {
namespace {

TEST(SymbolMimeData, ClipboardReturnsTheImageAndPngWithItsDensity) {
    for (const auto& symbol : test::OutputSymbols()) {
        for (const double dotsPerMm : {1.0, 12.0, 100.0 / 3}) {
            SCOPED_TRACE(std::string(symbol.name) + " at " + std::to_string(dotsPerMm));
            const QImage picture = RenderSymbolPicture(symbol.symbol, dotsPerMm, dotsPerMm).image;
            ASSERT_FALSE(picture.isNull());
            QGuiApplication::clipboard()->setMimeData(SymbolMimeData(picture, dotsPerMm));
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            ASSERT_NE(data, nullptr);
            ASSERT_TRUE(data->hasImage());
            const QImage image = qvariant_cast<QImage>(data->imageData());
            EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), picture);
            const QByteArray png = data->data(QStringLiteral("image/png"));
            const test::Density d = test::ReadDensity(png);
            const auto perMetre = static_cast<std::uint32_t>(std::lround(dotsPerMm * 1000));
            EXPECT_EQ(d.x, perMetre);
            EXPECT_EQ(d.y, perMetre);
            EXPECT_EQ(d.unit, 1);
            EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32), picture);
        }
    }
}

}  // namespace
}  // namespace quillmark
