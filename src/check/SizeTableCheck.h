// The symbol as drawn against GS1's symbol size table for the application it is for.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "check/Severity.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

// The applications whose GS1 symbol size tables the check knows.
enum class Application {
    GeneralDistribution,  // general distribution and logistics (the default)
    RetailPOS,            // trade items scanned at the retail point of sale
    HealthcareNonRetail,  // regulated healthcare non-retail consumer trade items
};

// The application named "distribution", "retail" or "healthcare" (also their long forms
// "general-distribution", "retail-pos", "healthcare-non-retail"), in any case.
std::optional<Application> ApplicationByName(std::string_view name);
std::string_view ApplicationName(Application application);

enum class SizeProblem {
    NotListed,      // warning: the table has no row for this symbology
    XBelowMinimum,  // failure; expected: the minimum, found: X (mm)
    XAboveMaximum,  // failure; expected: the maximum, found: X
    XOffTarget,     // warning; expected: the target, found: X
    BarsTooShort,   // failure; expected: the least bar height for this X, found: the height (mm)
    QuietZone,      // failure; expected: modules the table asks for, found: modules drawn
};

struct SizeFinding {
    SizeProblem problem = SizeProblem::NotListed;
    Severity severity = Severity::Warning;
    double expected = 0;
    double found = 0;
    // The magnification that mends it (the table's target, or its minimum where the target is
    // no larger, within the symbology's range), and which one it is: the horizontal size
    // ("--size", "--gsize") or UCC/EAN-128's vertical one ("--vsize"). 0 when none reaches it.
    unsigned short mendPercent = 0;
    bool vertical = false;
    // The 2D symbols, which have no magnification: the module in millimetres that mends it (the
    // table's target, or its minimum or maximum where it has none); 0 for none.
    double mendModuleMm = 0;
};

// GS1 lets X stray this far (as a fraction of the target) before it is worth a word: the
// window's magnifications move in steps of 5 %.
inline constexpr double kTargetTolerance = 0.10;

// Compares request as drawn (its X-dimension, bar height and quiet zones) with the table of
// application. Empty when it meets the table; nothing for an unknown type.
// drawnScale: how much larger than its magnification the symbol is drawn (bars in whole dots).
std::vector<SizeFinding> CheckSizeTable(const SymbolRequest& request, Application application,
                                        double drawnScale = 1.0);

}  // namespace quillmark
