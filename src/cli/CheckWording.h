// The symbol checks' findings in English words, one line each, for the command line.
#pragma once

#include <string>

#include "check/Findings.h"

namespace quillmark {

// "pass", "warning" or "failure".
std::string SeverityWord(Severity severity);

// The character as the command line writes it: printable ASCII itself, a special character
// by its name in braces ("{FNC1}", "{EOT}"), anything else as its code ("<228>").
std::string CharacterWord(unsigned char c);

std::string DescribeContrast(const ContrastResult& contrast);
std::string DescribeGS1Finding(const GS1Finding& finding);
std::string DescribeModule(const ModuleGeometry& module, double dotsPerMm);
// A finding against an application's symbol size table; the mend names its option (--size,
// --gsize, --vsize).
std::string DescribeSizeTable(const SizeTableFinding& finding);
std::string DescribeScan(const ScanFinding& scan);
// A reading other than the intended data, and the data intended: "... (expected ...)".
std::string DescribeScanAgainstExpected(const ScanFinding& scan);
std::string DescribeFinding(const Finding& finding);

// Data as a reader transmits it, control characters by name in braces; in GS1 data the GS that
// stands for a separating FNC1 is written "{FNC1}".
std::string ScanDataWord(const std::string& data, bool gs1);

// "<severity>: <text>", the form of one line of --check.
std::string FindingLine(Severity severity, const std::string& text);

}  // namespace quillmark
