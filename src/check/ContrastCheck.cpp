// The contrast of the line and background colours as a scanner's red light sees it.
#include "check/ContrastCheck.h"

#include <cmath>

namespace quillmark {

double RedReflectance(TColor color) {
    const double v = static_cast<double>((color >> 16) & 0xFF) / 255.0;  // TColor is 0xRRGGBB
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

ContrastResult GradeContrast(TColor line, TColor background) {
    ContrastResult r;
    r.lineReflectance = RedReflectance(line);
    r.backgroundReflectance = RedReflectance(background);
    r.symbolContrast = r.backgroundReflectance - r.lineReflectance;
    r.inverted = r.symbolContrast < 0;
    const double sc = r.symbolContrast;
    r.grade = sc >= 0.70   ? ContrastGrade::A
              : sc >= 0.55 ? ContrastGrade::B
              : sc >= 0.40 ? ContrastGrade::C
              : sc >= 0.20 ? ContrastGrade::D
                           : ContrastGrade::F;
    if (r.inverted || r.grade == ContrastGrade::D || r.grade == ContrastGrade::F) {
        r.severity = Severity::Failure;
    } else {
        r.severity = r.grade == ContrastGrade::C ? Severity::Warning : Severity::Pass;
    }
    return r;
}

}  // namespace quillmark
