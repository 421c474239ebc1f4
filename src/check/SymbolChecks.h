// The checks that need no picture, run together on one symbol as it would be output.
#pragma once

#include <optional>
#include <vector>

#include "check/ContrastCheck.h"
#include "check/GS1Check.h"
#include "check/ModuleCheck.h"
#include "check/SizeTableCheck.h"
#include "symbol/SymbolRequest.h"
#include "symbol/Symbology.h"

namespace quillmark {

struct SymbolCheckReport {
    ContrastResult contrast;
    std::vector<GS1Finding> gs1;           // UCC/EAN-128 only: the element strings and the width
    std::optional<ModuleGeometry> module;  // nullopt for an unknown type or size
    std::vector<SizeFinding> sizeTable;    // against the application's GS1 table
    Application application = Application::GeneralDistribution;  // whose table that is
    Symbology symbology = Symbology::EAN13;                      // of the request's type

    // The worst severity among all findings; a missing module counts as a failure.
    Severity worst() const;
};

// The colour, GS1 and print-geometry checks of request drawn in line on background at
// dotsPerMm (the resolution of the output), and its size against GS1's symbol size table of
// application. With wholeDots the symbol is judged as drawn with bars in whole dots (see
// WholeDotModuleOf): its module and size are those of the whole-dot module.
SymbolCheckReport CheckSymbol(const SymbolRequest& request, TColor line, TColor background,
                              double dotsPerMm,
                              Application application = Application::GeneralDistribution,
                              bool wholeDots = false);

}  // namespace quillmark
