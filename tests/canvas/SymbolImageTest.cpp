// The symbol picture: measured size, colours, and refusal of pictures without area or too large.
#include "canvas/SymbolImage.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "canvas/GuiApp.h"
#include "canvas/QPainterCanvas.h"

namespace quillmark {
namespace {

TColor At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// A renderer stand-in: a box of the given size at the offset, a bar in column 2, one text cell.
struct FakeSymbol {
    int width, height;
    std::vector<bool>* passes;  // whether each call had a canvas

    void operator()(TCanvas* canvas, double offsetX, double offsetY, TRect& bounds) const {
        passes->push_back(canvas != nullptr);
        bounds = {Px(offsetX), Px(offsetY), Px(offsetX) + width, Px(offsetY) + height};
        if (canvas == nullptr) return;
        canvas->FillRect(bounds);
        canvas->MoveTo(2, 0);
        canvas->LineTo(2, height);
        canvas->SetFontHeight(30);
        canvas->TextOut(5, 1, "8");
    }
};

TEST(SymbolImage, MeasuresThenDrawsIntoAPictureOfExactlyTheBounds) {
    std::vector<bool> passes;
    SymbolStyle style;
    style.line = 0x112233;
    style.background = 0xFFEEDD;
    const QImage image = RenderSymbolImage(FakeSymbol{61, 37, &passes}, style);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(passes, (std::vector<bool>{false, true}));
    EXPECT_EQ(image.width(), 61);
    EXPECT_EQ(image.height(), 37);
    EXPECT_EQ(image.devicePixelRatio(), 1.0);
    for (int y = 0; y < 37; ++y) {
        EXPECT_EQ(At(image, 2, y), 0x112233u) << y;
        EXPECT_EQ(At(image, 1, y), 0xFFEEDDu) << y;
        EXPECT_EQ(At(image, 3, y), 0xFFEEDDu) << y;
    }
    int ink = 0;
    for (int y = 1; y < 31; ++y)
        for (int x = 5; x < 30; ++x) ink += At(image, x, y) == 0x112233u;
    EXPECT_GT(ink, 0);  // the text used the line colour
}

TEST(SymbolImage, GivesANullPictureWithoutAreaOrBeyondTheLimits) {
    const struct {
        int width, height;
    } cases[] = {{0, 10},
                 {10, 0},
                 {-5, 10},
                 {kMaxSymbolImageSide + 1, 1},
                 {1, kMaxSymbolImageSide + 1},
                 {20000, 20000},
                 {INT_MAX, INT_MAX}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        std::vector<bool> passes;
        EXPECT_TRUE(RenderSymbolImage(FakeSymbol{c.width, c.height, &passes}).isNull());
        EXPECT_EQ(passes, std::vector<bool>{false});  // nothing is drawn
    }
}

}  // namespace
}  // namespace quillmark
