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
        const char* type;
        unsigned short percent;
        double dotsPerMm;
        int dots;  // 0: no whole number of dots fits
        double moduleMm;
    } cases[] = {
        // 0.330 mm is 2.64 dots at 203 dpi: 3 dots, 0.375 mm, 113.6 %.
        {"EAN-13", 100, kDpi203, 3, 0.3754},
        {"EAN-13", 100, kDpi300, 4, 0.3387},
        {"EAN-13", 100, kDpi600, 8, 0.3387},
        {"UPC-E", 200, kDpi203, 5, 0.6256},
        // 80 % is 1.32 dots at 5 dots/mm, but 1 dot (0.2 mm) is below 80 %: 2 dots.
        {"EAN-8", 80, 5, 2, 0.4},
        // At 1 dot/mm one dot is 1 mm, beyond 200 %: nothing fits.
        {"EAN-13", 100, 1, 0, 0},
        {"ITF-14", 100, kDpi203, 8, 1.0010},
        // 25 % of ITF-14 is 2.03 dots: 2 would be below it.
        {"ITF-14", 25, kDpi203, 3, 0.3754},
        {"UCC/EAN-128", 100, kDpi203, 2, 0.2502},
        {"UCC/EAN-128", 100, kDpi300, 3, 0.2540},
        {"UCC/EAN-128", 407, kDpi600, 24, 1.016},
        {"Code 39", 100, kDpi300, 0, 0},
        {"EAN-13", 100, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const std::optional<WholeDotModule> whole =
            WholeDotModuleAt(c.type, c.percent, c.dotsPerMm);
        ASSERT_EQ(whole.has_value(), c.dots != 0) << c.type << " " << c.dotsPerMm;
        if (!whole) continue;
        EXPECT_EQ(whole->dots, c.dots) << c.type << " " << c.dotsPerMm;
        EXPECT_NEAR(whole->moduleMm, c.moduleMm, 5e-4) << c.type;
        // The module drawn at the scaled resolution is exactly the whole number of dots.
        EXPECT_NEAR(whole->moduleMm * c.dotsPerMm, whole->dots, 1e-9);
        EXPECT_NEAR(whole->percent, c.percent * whole->scaleFactor, 1e-9);
    }
    EXPECT_NEAR(WholeDotModuleAt("EAN-13", 100, kDpi203)->percent, 113.75, 0.01);
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
