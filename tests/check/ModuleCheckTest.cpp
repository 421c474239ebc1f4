// The module each symbology gets at a resolution, and when it is too few dots to print.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "check/ModuleCheck.h"

namespace quillmark {
namespace {

struct ModuleCase {
    Symbology type;
    unsigned short size;
    double dotsPerMm;
    double nominalMm;
    int wholeDots;
    Severity severity;
};

class ModuleSizes : public ::testing::TestWithParam<ModuleCase> {};

TEST_P(ModuleSizes, NominalAndPrinted) {
    const ModuleCase& c = GetParam();
    const std::optional<ModuleGeometry> g = ModuleAtResolution(c.type, c.size, c.dotsPerMm);
    ASSERT_TRUE(g);
    EXPECT_NEAR(g->nominalMm, c.nominalMm, 1e-12);
    EXPECT_NEAR(g->dots, c.nominalMm * c.dotsPerMm, 1e-12);
    EXPECT_EQ(g->wholeDots, c.wholeDots);
    EXPECT_NEAR(g->printedMm, c.wholeDots / c.dotsPerMm, 1e-12);
    EXPECT_EQ(g->severity, c.severity);
}

// clang-format off
const ModuleCase kCases[] = {
    {Symbology::EAN13, 100, 8, 0.33, 3, Severity::Pass},          // 2.64 dots
    {Symbology::ISBN13, 150, 12, 0.495, 6, Severity::Pass},
    {Symbology::EAN8, 80, 4, 0.264, 1, Severity::Warning},        // 1.056 dots
    {Symbology::UPCA, 100, 6.1, 0.33, 2, Severity::Pass},         // 2.013 dots
    {Symbology::UPCE, 200, 2, 0.66, 1, Severity::Warning},
    {Symbology::ITF14, 100, 2, 1.016, 2, Severity::Pass},         // 2.032 dots
    {Symbology::ITF14, 50, 2, 0.508, 1, Severity::Warning},
    {Symbology::ITF14, 25, 1, 0.254, 0, Severity::Failure},
    {Symbology::UCCEAN128, 100, 8, 0.25, 2, Severity::Pass},     // exactly two dots
    {Symbology::UCCEAN128, 100, 7.9, 0.25, 2, Severity::Warning},// 1.975 dots round to 2 but vary
    {Symbology::UCCEAN128, 100, 4, 0.25, 1, Severity::Warning},
    {Symbology::UCCEAN128, 100, 2, 0.25, 0, Severity::Failure},  // half a dot goes to the even 0
    {Symbology::UCCEAN128, 400, 2, 1.0, 2, Severity::Pass},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Symbologies, ModuleSizes, ::testing::ValuesIn(kCases));

TEST(ModuleAtResolution, RefusesWhatHasNoModule) {
    EXPECT_FALSE(ModuleAtResolution(Symbology::EAN13, 0, 8));
    EXPECT_FALSE(ModuleAtResolution(Symbology::EAN13, 100, 0));
    EXPECT_FALSE(ModuleAtResolution(Symbology::EAN13, 100, -8));
    EXPECT_FALSE(
        ModuleAtResolution(Symbology::EAN13, 100, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(
        ModuleAtResolution(Symbology::EAN13, 100, std::numeric_limits<double>::infinity()));
}

}  // namespace
}  // namespace quillmark
