// The colour check grades what a scanner's red light sees, not what the eye sees.
#include <gtest/gtest.h>

#include "check/ContrastCheck.h"

namespace quillmark {
namespace {

struct ContrastCase {
    const char* name;
    TColor line, background;
    ContrastGrade grade;
    Severity severity;
    bool inverted;
};

class ContrastGrades : public ::testing::TestWithParam<ContrastCase> {};

TEST_P(ContrastGrades, GradeAndVerdict) {
    const ContrastCase& c = GetParam();
    const ContrastResult r = GradeContrast(c.line, c.background);
    EXPECT_EQ(r.grade, c.grade) << "SC " << r.symbolContrast;
    EXPECT_EQ(r.severity, c.severity) << "SC " << r.symbolContrast;
    EXPECT_EQ(r.inverted, c.inverted);
    EXPECT_DOUBLE_EQ(r.symbolContrast, r.backgroundReflectance - r.lineReflectance);
}

constexpr TColor kWhite = 0xFFFFFF, kBlack = 0x000000, kYellow = 0xFFFF00, kBlue = 0x0000FF;
constexpr TColor kDarkGreen = 0x006400, kRed = 0xFF0000, kOrange = 0xFFA500;

// clang-format off
const ContrastCase kCases[] = {
    // Lines that scan: black, blue or dark green on white or yellow.
    {"BlackOnWhite", kBlack, kWhite, ContrastGrade::A, Severity::Pass, false},
    {"BlueOnWhite", kBlue, kWhite, ContrastGrade::A, Severity::Pass, false},
    {"DarkGreenOnWhite", kDarkGreen, kWhite, ContrastGrade::A, Severity::Pass, false},
    {"BlackOnYellow", kBlack, kYellow, ContrastGrade::A, Severity::Pass, false},
    {"BlueOnYellow", kBlue, kYellow, ContrastGrade::A, Severity::Pass, false},
    {"DarkGreenOnYellow", kDarkGreen, kYellow, ContrastGrade::A, Severity::Pass, false},
    // Cyan looks light but reflects no red: it reads as black.
    {"CyanOnWhite", 0x00FFFF, kWhite, ContrastGrade::A, Severity::Pass, false},
    // Red, orange and yellow lines vanish under red light although red looks dark.
    {"RedOnWhite", kRed, kWhite, ContrastGrade::F, Severity::Failure, false},
    {"OrangeOnWhite", kOrange, kWhite, ContrastGrade::F, Severity::Failure, false},
    {"YellowOnWhite", kYellow, kWhite, ContrastGrade::F, Severity::Failure, false},
    {"BlackOnRed", kBlack, kRed, ContrastGrade::A, Severity::Pass, false},
    {"BlackOnBlue", kBlack, kBlue, ContrastGrade::F, Severity::Failure, false},
    // Inverted: lines lighter than the background.
    {"WhiteOnBlack", kWhite, kBlack, ContrastGrade::F, Severity::Failure, true},
    {"YellowOnBlue", kYellow, kBlue, ContrastGrade::F, Severity::Failure, true},
    // Greys on white across the grade limits (red 160: 35 % reflectance, 188: 50 %, 218: 70 %).
    {"GreyB", 0xA0A0A0, kWhite, ContrastGrade::B, Severity::Pass, false},
    {"GreyC", 0xBCBCBC, kWhite, ContrastGrade::C, Severity::Warning, false},
    {"GreyD", 0xDADADA, kWhite, ContrastGrade::D, Severity::Failure, false},
    {"Same", 0x808080, 0x808080, ContrastGrade::F, Severity::Failure, false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Colours, ContrastGrades, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(RedReflectance, DecodesSRGBLinearLight) {
    EXPECT_DOUBLE_EQ(RedReflectance(0x000000), 0.0);
    EXPECT_DOUBLE_EQ(RedReflectance(0xFF0000), 1.0);
    EXPECT_DOUBLE_EQ(RedReflectance(0x00FFFF), 0.0);  // green and blue do not count
    EXPECT_NEAR(RedReflectance(0x0A0000), 10 / 255.0 / 12.92, 1e-12);  // the linear segment
    EXPECT_NEAR(RedReflectance(0x808080), 0.2159, 1e-4);
}

}  // namespace
}  // namespace quillmark
