// One printer's corrections, as measured on the calibration page.
#pragma once

namespace quillmark {

// Where the printer's page lands and how much it stretches it: the page is drawn so much further
// right and down and so much larger, to undo what the printer does.
struct PrinterProfile {
    double offsetXMm = 0;
    double offsetYMm = 0;
    double scaleXPercent = 100;
    double scaleYPercent = 100;
    double barReductionMicrons = 0;  // each dark bar narrower by this much, each space wider
};

// The ranges the window and the command line accept.
inline constexpr double kMaxProfileOffsetMm = 50;
inline constexpr double kMinProfileScalePercent = 90;
inline constexpr double kMaxProfileScalePercent = 110;
inline constexpr double kMaxBarReductionMicrons = 200;

}  // namespace quillmark
