// The PDF module's label sheet entry: sheets are read with Qt and painted with QPdfWriter, so the
// command line asks the module for them as it does for PDF pictures.
#pragma once

#include <string>
#include <vector>

#include "output/PrinterProfile.h"
#include "raster/SymbolRaster.h"
#include "sheets/LabelSheet.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

inline constexpr char kLabelSheetsEntry[] = "quillmark_label_sheets";

// What the command line asks for: a listing, a calibration page, or the sheets of symbols.
struct SheetOrder {
    enum class Kind { List, Calibration, Sheets } kind = Kind::Sheets;
    std::string text;                    // List: the search text; Sheets: the sheet's name
    std::vector<SymbolRequest> symbols;  // encoded, each printed copies times
    SymbolStyle style;
    double dotsPerMm = 12;  // the printer's resolution, or the pictures'
    bool wholeDots = false;
    int startCell = 1;
    int copies = 1;
    SymbolPlacement placement;
    PrinterProfile profile;
    bool outlines = false;
};

struct SheetOutcome {
    std::string pdf;
    std::string error;                  // why nothing was made
    std::vector<std::string> lines;     // List: one line per sheet
    std::vector<std::string> problems;  // template files read with problems, one line each
    std::vector<int> notFitting;        // symbols (0-based) that do not fit their label
    int pages = 0;
};

// Carries out order into outcome; false with outcome->error set when nothing could be made.
using LabelSheetsEntry = bool (*)(const SheetOrder* order, SheetOutcome* outcome);

}  // namespace quillmark
