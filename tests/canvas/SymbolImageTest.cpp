// The symbol picture: measured size, colours, and refusal of pictures without area or too large.
#include "canvas/SymbolImage.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "canvas/QPainterCanvas.h"
#include "support/GuiApp.h"

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
    const QImage image = RenderSymbolPicture(FakeSymbol{61, 37, &passes}, style).image;
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

// A renderer whose box does not start at the origin still fills exactly its picture, and the
// image keeps the raster's pixels after the picture it came from is gone.
TEST(SymbolImage, BoundsAwayFromTheOriginAreMovedIntoThePicture) {
    const struct { int left, top; } origins[] = {{-3, 2}, {5, -4}, {0, 0}, {100, 200}};
    for (const auto& o : origins) {
        SCOPED_TRACE(std::to_string(o.left) + "," + std::to_string(o.top));
        const auto render = [&](TCanvas* canvas, double, double, TRect& bounds) {
            bounds = {o.left, o.top, o.left + 20, o.top + 10};
            if (canvas == nullptr) return;
            canvas->SetBrushColor(0x00FF00);
            canvas->FillRect({o.left + 1, o.top + 1, o.left + 19, o.top + 9});
            canvas->MoveTo(o.left, o.top);
            canvas->LineTo(o.left + 20, o.top);
        };
        QImage image;
        {
            const SymbolPicture picture = RenderSymbolPicture(render);
            image = picture.image;
        }
        ASSERT_EQ(image.size(), QSize(20, 10));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inner = x >= 1 && x < 19 && y >= 1 && y < 9;
                EXPECT_EQ(At(image, x, y), y == 0  ? 0u
                                           : inner ? 0x00FF00u
                                                   : 0xFFFFFFu)
                    << x << "," << y;
            }
    }
}

TEST(SymbolImage, RefusesPicturesWithoutAreaOrBeyondTheLimitsBeforeDrawing) {
    const struct {
        int width, height;
        PictureProblem problem;
    } cases[] = {{0, 10, PictureProblem::NoArea},
                 {10, 0, PictureProblem::NoArea},
                 {-5, 10, PictureProblem::NoArea},
                 {kMaxSymbolImageSide + 1, 1, PictureProblem::SideTooLong},
                 {1, kMaxSymbolImageSide + 1, PictureProblem::SideTooLong},
                 {10001, 10000, PictureProblem::TooManyPixels},
                 {INT_MAX, INT_MAX, PictureProblem::SideTooLong},
                 {10000, 10000, PictureProblem::None}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const TRect extent{0, 0, c.width, c.height};
        EXPECT_EQ(CheckPictureSize(extent), c.problem);
        if (c.problem == PictureProblem::None) continue;
        std::vector<bool> passes;
        const SymbolPicture picture = RenderSymbolPicture(FakeSymbol{c.width, c.height, &passes});
        EXPECT_TRUE(picture.image.isNull());
        EXPECT_EQ(picture.problem, c.problem);
        EXPECT_EQ(passes, std::vector<bool>{false});  // measured once, nothing drawn
    }
}

}  // namespace
}  // namespace quillmark
