// The symbol checks' findings in the window's words for the window's verdict line and its tooltip.
#pragma once

#include <QString>

#include "check/Findings.h"

namespace quillmark {

// The character as the window shows it: printable ASCII itself, a special character by its list
// name ("FNC1", "EOT"), anything else as its code.
QString CharacterText(unsigned char c);

QString ContrastText(const ContrastResult& contrast);
QString GS1FindingText(const GS1Finding& finding);
QString ModuleText(const ModuleGeometry& module, double dotsPerMm);
// The application as the window's list names it.
QString ApplicationText(Application application);
QString SizeTableText(const SizeTableFinding& finding);
QString ScanText(const ScanFinding& scan);
// Any finding the verdict line shows.
QString FindingText(const Finding& finding);

// Data as a reader transmits it, control characters by name in square brackets; in GS1 data the
// GS that stands for a separating FNC1 is written "[FNC1]".
QString ScanDataText(const std::string& data, bool gs1);

}  // namespace quillmark
