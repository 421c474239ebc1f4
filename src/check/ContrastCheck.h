// The contrast of the line and background colours as a scanner's red light sees it.
#pragma once

#include "check/Severity.h"
#include "encoders/Canvas.h"

namespace quillmark {

// Symbol contrast grades of ISO/IEC 15416.
enum class ContrastGrade { A, B, C, D, F };

struct ContrastResult {
    double lineReflectance = 0;        // linear-light red channel, 0 to 1
    double backgroundReflectance = 0;  // the same for the background
    double symbolContrast = 0;         // background minus line; negative when inverted
    ContrastGrade grade = ContrastGrade::F;
    bool inverted = false;  // the lines are lighter than the background
    Severity severity = Severity::Failure;
};

// Linear-light reflectance (0 to 1) of the red channel of a colour (sRGB decoding).
double RedReflectance(TColor color);

// Scanners light the symbol with red light (about 660 nm), so only the red channel counts.
// Grades SC = R(background) - R(line): A from 70 %, B from 55 %, C from 40 %, D from 20 %, F
// below. Fails at D and F and whenever the lines are lighter than the background; warns at C.
ContrastResult GradeContrast(TColor line, TColor background);

}  // namespace quillmark
