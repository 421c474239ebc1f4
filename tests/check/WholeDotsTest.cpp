// Whole-dot modules at thermal, office and fine printers' resolutions.
#include "check/WholeDots.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

constexpr double kDpi203 = 203 / 25.4;
constexpr double kDpi300 = 300 / 25.4;
constexpr double kDpi600 = 600 / 25.4;

TEST(WholeDots, NearestWholeDotWithinTheMagnificationRange) {
    const struct {
        Symbology type;
        unsigned short percent;
        double dotsPerMm;
        int dots;  // 0: no whole number of dots fits
        double moduleMm;
    } cases[] = {
        // 0.330 mm is 2.64 dots at 203 dpi: 3 dots, 0.375 mm, 113.6 %.
        {Symbology::EAN13, 100, kDpi203, 3, 0.3754},
        {Symbology::EAN13, 100, kDpi300, 4, 0.3387},
        {Symbology::EAN13, 100, kDpi600, 8, 0.3387},
        {Symbology::UPCE, 200, kDpi203, 5, 0.6256},
        // 80 % is 1.32 dots at 5 dots/mm, but 1 dot (0.2 mm) is below 80 %: 2 dots.
        {Symbology::EAN8, 80, 5, 2, 0.4},
        // At 1 dot/mm one dot is 1 mm, beyond 200 %: nothing fits.
        {Symbology::EAN13, 100, 1, 0, 0},
        {Symbology::ITF14, 100, kDpi203, 8, 1.0010},
        // 25 % of ITF-14 is 2.03 dots: 2 would be below it, and 3 would leave the wide element
        // (2.5 narrow) half a dot over; 75 % at 300 dpi is 9.0 dots, 10 the even one nearest.
        {Symbology::ITF14, 25, kDpi203, 4, 0.5005},
        {Symbology::ITF14, 75, kDpi300, 10, 0.8467},
        {Symbology::UCCEAN128, 100, kDpi203, 2, 0.2502},
        {Symbology::UCCEAN128, 100, kDpi300, 3, 0.2540},
        {Symbology::UCCEAN128, 407, kDpi600, 24, 1.016},
        {Symbology::EAN13, 0, kDpi300, 0, 0},
        {Symbology::EAN13, 100, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const std::optional<WholeDotModule> whole =
            WholeDotModuleAt(c.type, c.percent, c.dotsPerMm);
        ASSERT_EQ(whole.has_value(), c.dots != 0) << c.percent << " " << c.dotsPerMm;
        if (!whole) continue;
        EXPECT_EQ(whole->dots, c.dots) << c.percent << " " << c.dotsPerMm;
        EXPECT_NEAR(whole->moduleMm, c.moduleMm, 5e-4) << c.dotsPerMm;
        // The module drawn at the scaled resolution is exactly the whole number of dots.
        EXPECT_NEAR(whole->moduleMm * c.dotsPerMm, whole->dots, 1e-9);
        EXPECT_NEAR(whole->percent, c.percent * whole->scaleFactor, 1e-9);
    }
    EXPECT_NEAR(WholeDotModuleAt(Symbology::EAN13, 100, kDpi203)->percent, 113.75, 0.01);
}

// A 2D symbol's module is held to the 2D module range, not to a magnification.
TEST(WholeDots, MatrixModuleInWholeDots) {
    const struct {
        double moduleMm;
        double dotsPerMm;
        int dots;  // 0: none fits
    } cases[] = {{0.5, kDpi203, 4}, {0.254, kDpi203, 3}, {1.5, kDpi300, 17}, {0.5, 0.5, 0}};
    for (const auto& c : cases) {
        SymbolRequest request;
        request.symbology = &SymbologyOf(Symbology::GS1DataMatrix);
        request.moduleMm = c.moduleMm;
        const std::optional<WholeDotModule> whole = WholeDotModuleOf(request, c.dotsPerMm);
        ASSERT_EQ(whole.has_value(), c.dots != 0) << c.moduleMm << " " << c.dotsPerMm;
        EXPECT_EQ(whole.value_or(WholeDotModule{}).dots, c.dots) << c.moduleMm;
    }
}

TEST(WholeDots, ReductionInWholeDots) {
    EXPECT_EQ(WholeDotReduction(125, kDpi203), 1);
    EXPECT_EQ(WholeDotReduction(40, kDpi203), 0);
    EXPECT_EQ(WholeDotReduction(70, kDpi203), 1);
    EXPECT_EQ(WholeDotReduction(85, kDpi600), 2);
    EXPECT_EQ(WholeDotReduction(85, 0), 0);
}

}  // namespace
}  // namespace quillmark
