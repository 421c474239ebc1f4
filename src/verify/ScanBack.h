// Reads a symbol's picture back as a scanner would and compares it with the data intended.
#pragma once

#include <QImage>

#include <string>

#include "check/Severity.h"
#include "verify/ExpectedScan.h"

namespace quillmark {

enum class ScanOutcome {
    Read,         // the intended data, add-on included
    ReadOther,    // something else: other data, no add-on, or Code 128 that is not GS1
    NothingRead,  // no symbol found
};

struct ScanResult {
    ScanOutcome outcome = ScanOutcome::NothingRead;
    Severity severity = Severity::Failure;
    std::string text;                 // the main data read (GS1: with GS separators)
    std::string addOn;                // the add-on read
    std::string symbologyIdentifier;  // "]E0", "]E3", "]E4", "]I1", "]C1", ...
};

// Decodes picture with ZXing-C++, looking for the expected symbology only, and compares. The
// picture is seen in red light, as scanners light a symbol: its red channel is the brightness, so
// lines that only look dark do not read. A white border is added around it. A symbol with an
// add-on reads only with the add-on; a UCC/EAN-128 symbol only as GS1 ("]C1").
ScanResult ScanBack(const QImage& picture, const ScanExpectation& expected);

}  // namespace quillmark
