// What the scan-back reports, as plain data: the reading itself is the scan-back's (verify/), the
// judging of it the symbol checks'.
#pragma once

#include <string>

#include "check/Severity.h"
#include "symbol/Symbology.h"

namespace quillmark {

// What a scanner must report for a symbol: the data the symbol was drawn to carry.
struct ScanExpectation {
    Symbology symbology = Symbology::EAN13;
    // EAN/UPC: the main number; ITF-14: the fourteen digits; UCC/EAN-128: the GS1 data as a
    // reader transmits it, AIs without parentheses and a GS (29) for each separating FNC1.
    std::string text;
    std::string addOn;  // EAN/UPC add-on digits; empty for none
    // Where the symbol stands in the picture, as fractions of its width and height: the whole
    // picture, or one symbol of a pair, read alone as a scanner aimed at it sees it.
    double areaLeft = 0, areaTop = 0, areaRight = 1, areaBottom = 1;
};

enum class ScanOutcome {
    Read,         // the intended data, add-on included
    ReadOther,    // something else: other data, no add-on, or Code 128 that is not GS1
    NothingRead,  // no symbol found
    NoPicture,    // no picture can be made at this resolution
    NoSymbol,     // the data make no symbol: a 2D symbol with none, or more than it holds
};

struct ScanResult {
    ScanOutcome outcome = ScanOutcome::NothingRead;
    Severity severity = Severity::Failure;
    std::string text;                 // the main data read (GS1: with GS separators)
    std::string addOn;                // the add-on read
    std::string symbologyIdentifier;  // "]E0", "]E3", "]E4", "]I1", "]C1", ...
};

}  // namespace quillmark
