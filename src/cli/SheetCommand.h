// Label sheets from the command line: --sheet, --list-sheets, --calibration-page and their options.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "check/SizeTableCheck.h"
#include "cli/PictureOutput.h"
#include "output/Result.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

// The sheet options as given, unparsed.
struct SheetOptions {
    std::optional<std::string> sheet;       // --sheet NAME
    std::optional<std::string> list;        // --list-sheets [TEXT]
    bool calibration = false;               // --calibration-page
    std::optional<std::string> start;       // --start N
    std::optional<std::string> copies;      // --copies N
    std::optional<std::string> serial;      // --serial START:COUNT[:STEP]
    std::optional<std::string> printerDpi;  // --printer-dpi N
    std::optional<std::string> offset;      // --offset X,Y (the printer's correction)
    std::optional<std::string> place;       // --place X,Y (the symbol in its label)
    bool outlines = false;                  // --outlines
};

// Whether any sheet option is given, so that the command makes sheets (or lists them).
bool WantsSheets(const SheetOptions& options);

// The options that only apply with --sheet, named when given without it; empty otherwise.
std::string OptionNeedingSheet(const SheetOptions& options);

// What the sheets are made of and how they are checked.
struct SheetRun {
    std::vector<SymbolRequest> symbols;  // the symbols in order (a serial run expanded)
    PictureSettings settings;
    std::optional<std::string> output;  // -o FILE, "-" for standard output
    bool verify = false;
    bool check = false;
    Application application = Application::GeneralDistribution;
};

// --printer-dpi in dots per millimetre: a whole number of dots per inch from 25 to 2540, refused
// (exit 2) otherwise; nothing when it is not given.
Result<std::optional<double>> PrinterDotsPerMm(const std::optional<std::string>& printerDpi);

// The symbols a serial run makes of one symbol: refused (exit 2) when it cannot be made whole.
Result<std::vector<SymbolRequest>> SerialSymbols(const SymbolRequest& symbol,
                                                 const std::string& serial);

// Each command below returns its exit status, or the refusal RunRenderCommand reports.

// --list-sheets: one line per sheet matching the text.
Result<int> ListSheets(const std::string& text, std::ostream& out, std::ostream& err);

// --calibration-page: the calibration page with the --offset correction as a PDF.
Result<int> WriteCalibrationPage(const SheetOptions& options, const std::string& output,
                                 std::ostream& out);

// --sheet: every label checked (--verify, --check) before the sheets are written to the output.
Result<int> MakeSheets(const SheetOptions& options, SheetRun run, std::ostream& out,
                       std::ostream& err);

}  // namespace quillmark
