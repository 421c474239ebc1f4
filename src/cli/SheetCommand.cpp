// The label sheet command: symbols checked label by label, then handed to the PDF module.
#include "cli/SheetCommand.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <sstream>
#include <tuple>

#include "cli/ModuleLoader.h"
#include "cli/PdfLoader.h"
#include "cli/Refusal.h"
#include "cli/RenderCommand.h"
#include "cli/SymbolInput.h"
#include "cli/Verification.h"
#include "output/AtomicFile.h"
#include "pdf/SheetModule.h"
#include "symbol/SerialNumbers.h"

namespace quillmark {
namespace {

// The most labels one sheet run makes: a serial run's limit.
constexpr int kMaxCopies = 1000;
constexpr int kMaxStart = 10'000;
constexpr int kMaxPrinterDpi = 2540;

Result<int> WholeNumber(const char* option, const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
        return Failure{std::string(option) + " " + Quoted(text) + " is not a whole number from " +
                       std::to_string(low) + " to " + std::to_string(high)};
    }
    return value;
}

// "X,Y" in millimetres, each within limit.
Result<std::pair<double, double>> MmPair(const char* option, const std::string& text,
                                         double limit) {
    const std::size_t comma = text.find(',');
    double xy[2] = {0, 0};
    const std::string parts[2] = {text.substr(0, comma),
                                  comma == std::string::npos ? "" : text.substr(comma + 1)};
    for (int i = 0; i < 2; ++i) {
        const std::string& part = parts[i];
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), xy[i]);
        if (comma == std::string::npos || part.empty() || error != std::errc{} ||
            end != part.data() + part.size() || !std::isfinite(xy[i]) || std::abs(xy[i]) > limit) {
            return Failure{std::string(option) + " " + Quoted(text) +
                           " is not two distances in millimetres, X,Y, each within " +
                           std::to_string(static_cast<int>(limit))};
        }
    }
    return std::pair(xy[0], xy[1]);
}

std::string SerialProblemText(SerialProblem problem, const SerialSequence& plan) {
    switch (problem) {
        case SerialProblem::None:
            return {};
        case SerialProblem::Malformed:
            return "is not START:COUNT[:STEP] in digits";
        case SerialProblem::NoCountedField:
            return "has nothing to count: the data holds no SSCC (00) and no serial number (21)";
        case SerialProblem::LinkNotCounted:
            return "cannot count a Digital Link QR Code: its URI is made from the data once";
        case SerialProblem::StartTooWide:
            return "starts with more digits than the counted field has";
        case SerialProblem::ZeroCount:
            return "needs a count and a step of at least 1";
        case SerialProblem::TooMany:
            return "makes more than " + std::to_string(kMaxSerialCount) + " symbols";
        case SerialProblem::Overflow:
            return "would outgrow its " + std::to_string(plan.width) + " digits";
    }
    return {};
}

Result<LabelSheetsEntry> LoadSheetsEntry() {
    std::string error;
    if (LoadPdfModule(error) == nullptr) return Failure{error};  // starts Qt in the module first
    const ModuleEntry& entry =
        LoadModuleEntry(kPdfModuleFile, kLabelSheetsEntry, "cannot make label sheets");
    if (entry.address == nullptr) return Failure{entry.error};
    return reinterpret_cast<LabelSheetsEntry>(entry.address);
}

Result<SheetOutcome> Carry(const SheetOrder& order, std::ostream& err) {
    const Result<LabelSheetsEntry> entry = LoadSheetsEntry();
    if (!entry) return FailureOf(entry);
    SheetOutcome outcome;
    const bool made = (*entry)(&order, &outcome);
    for (const std::string& problem : outcome.problems) {
        err << "quillmark-render: warning: template passed over: " << problem << '\n';
    }
    if (!made) return Failure{outcome.error};
    return outcome;
}

Result<void> WriteOutput(const std::string& output, const std::string& pdf, std::ostream& out) {
    if (output != "-") return WriteFileAtomically(output, pdf);
    errno = 0;
    out.write(pdf.data(), static_cast<std::streamsize>(pdf.size()));
    if (!out.flush()) {
        return Failure{std::string("cannot write the sheets to standard output") +
                       (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string())};
    }
    return {};
}

// --verify: each label drawn as the sheets draw it and read back; the first that does not scan
// stops the run before anything is written.
Result<bool> VerifyLabels(const SheetRun& run, std::ostream& err) {
    for (std::size_t i = 0; i < run.symbols.size(); ++i) {
        const SymbolRequest& label = run.symbols[i];
        const RasterPicture picture =
            RenderSymbolRaster(BindPicture(label, run.settings), run.settings.style);
        const Result<std::string> problem = VerifySymbolPicture(picture.raster.View(), label);
        if (!problem) return FailureOf(problem);
        if (!problem->empty()) {
            err << "quillmark-render: label " << i + 1 << " does not scan as its data: " << *problem
                << '\n';
            return false;
        }
    }
    return true;
}

// --check: every label's findings, each line naming its label.
Result<bool> CheckLabels(const SheetRun& run, std::ostream& out) {
    bool failed = false;
    for (std::size_t i = 0; i < run.symbols.size(); ++i) {
        const Result<CheckLines> checks =
            CheckSymbolLines(run.symbols[i], run.settings, run.application);
        if (!checks) return FailureOf(checks);
        for (const std::string& line : checks->lines)
            out << "label " << i + 1 << ": " << line << '\n';
        failed |= checks->failed;
    }
    return failed;
}

// "X,Y" of option into the two millimetres it sets, when the option is given.
Result<void> ReadMmPair(const char* option, const std::optional<std::string>& text, double limit,
                        double& x, double& y) {
    if (!text) return {};
    const Result<std::pair<double, double>> pair = MmPair(option, *text, limit);
    if (!pair) return FailureOf(pair);
    std::tie(x, y) = *pair;
    return {};
}

// A whole number option into value, when the option is given.
Result<void> ReadWholeNumber(const char* option, const std::optional<std::string>& text, int low,
                             int high, int& value) {
    if (!text) return {};
    const Result<int> number = WholeNumber(option, *text, low, high);
    if (!number) return FailureOf(number);
    value = *number;
    return {};
}

// The sheet's own options into order: the first label, copies, the placement and the offset.
Result<void> ReadSheetOptions(const SheetOptions& options, SheetOrder& order) {
    Result<void> read = ReadWholeNumber("--start", options.start, 1, kMaxStart, order.startCell);
    if (read) read = ReadWholeNumber("--copies", options.copies, 1, kMaxCopies, order.copies);
    if (read && options.place) {
        order.placement = {false, 0, 0};
        read = ReadMmPair("--place", options.place, 1000, order.placement.offsetX,
                          order.placement.offsetY);
    }
    if (read)
        read = ReadMmPair("--offset", options.offset, kMaxProfileOffsetMm, order.profile.offsetXMm,
                          order.profile.offsetYMm);
    return read;
}

// --printer-dpi: every module a whole number of the printer's dots, else refused.
Result<void> ReadPrinterResolution(const SheetOptions& options, SheetRun& run) {
    const Result<std::optional<double>> printer = PrinterDotsPerMm(options.printerDpi);
    if (!printer) return FailureOf(printer);
    if (!*printer) return {};
    run.settings.dotsPerMm = **printer;
    for (const SymbolRequest& symbol : run.symbols) {
        const std::string refusal = WholeDotRefusal(symbol, **printer);
        if (!refusal.empty()) return Failure{"--printer-dpi: " + refusal};
    }
    return {};
}

}  // namespace

bool WantsSheets(const SheetOptions& options) {
    return options.sheet || options.list || options.calibration;
}

std::string OptionNeedingSheet(const SheetOptions& options) {
    if (options.sheet) return {};
    if (options.start) return "--start";
    if (options.copies) return "--copies";
    if (options.serial) return "--serial";
    if (options.place) return "--place";
    if (options.outlines) return "--outlines";
    if (options.printerDpi) return "--printer-dpi";
    if (options.offset && !options.calibration) return "--offset";
    return {};
}

Result<std::optional<double>> PrinterDotsPerMm(const std::optional<std::string>& printerDpi) {
    if (!printerDpi) return std::optional<double>();
    const Result<int> dotsPerInch = WholeNumber("--printer-dpi", *printerDpi, 25, kMaxPrinterDpi);
    if (!dotsPerInch) return FailureOf(dotsPerInch);
    return std::optional<double>(*dotsPerInch / 25.4);
}

Result<std::vector<SymbolRequest>> SerialSymbols(const SymbolRequest& symbol,
                                                 const std::string& serial) {
    const std::optional<SerialRun> run = ParseSerialRun(serial);
    const SerialSequence plan = PlanSerials(symbol, run.value_or(SerialRun{}));
    const SerialProblem problem = run ? plan.problem : SerialProblem::Malformed;
    if (problem != SerialProblem::None) {
        return Failure{"--serial " + Quoted(serial) + " " + SerialProblemText(problem, plan)};
    }
    std::vector<SymbolRequest> symbols;
    symbols.reserve(plan.count);
    for (std::uint64_t i = 0; i < plan.count; ++i) {
        symbols.push_back(SerialRequest(plan, i));
        EncodeRequest(symbols.back());
    }
    return symbols;
}

Result<int> ListSheets(const std::string& text, std::ostream& out, std::ostream& err) {
    SheetOrder order;
    order.kind = SheetOrder::Kind::List;
    order.text = text;
    const Result<SheetOutcome> outcome = Carry(order, err);
    if (!outcome) return FailureOf(outcome);
    for (const std::string& line : outcome->lines) out << line << '\n';
    if (!out.flush()) return Failure{"cannot write to standard output"};
    return kExitMade;
}

Result<int> WriteCalibrationPage(const SheetOptions& options, const std::string& output,
                                 std::ostream& out) {
    SheetOrder order;
    order.kind = SheetOrder::Kind::Calibration;
    const Result<void> offset = ReadMmPair("--offset", options.offset, kMaxProfileOffsetMm,
                                           order.profile.offsetXMm, order.profile.offsetYMm);
    if (!offset) return FailureOf(offset);
    std::ostringstream ignored;
    const Result<SheetOutcome> outcome = Carry(order, ignored);
    if (!outcome) return FailureOf(outcome);
    const Result<void> written = WriteOutput(output, outcome->pdf, out);
    if (!written) return FailureOf(written);
    return kExitMade;
}

Result<int> MakeSheets(const SheetOptions& options, SheetRun run, std::ostream& out,
                       std::ostream& err) {
    SheetOrder order;
    order.text = *options.sheet;
    // Whole dots at a named printer resolution only; --dpi alone draws the sheets as they are.
    run.settings.wholeDots = options.printerDpi.has_value();
    Result<void> read = ReadSheetOptions(options, order);
    if (read) read = ReadPrinterResolution(options, run);
    if (!read) return FailureOf(read);
    order.wholeDots = run.settings.wholeDots;
    order.outlines = options.outlines;
    order.style = run.settings.style;
    order.dotsPerMm = run.settings.dotsPerMm;
    if (run.verify) {
        const Result<bool> scanned = VerifyLabels(run, err);
        if (!scanned) return FailureOf(scanned);
        if (!*scanned) return kExitUnverified;
    }
    const Result<bool> checkFailed = run.check ? CheckLabels(run, out) : Result<bool>(false);
    if (!checkFailed) return FailureOf(checkFailed);
    order.symbols = std::move(run.symbols);
    const Result<SheetOutcome> outcome = Carry(order, err);
    if (!outcome) return FailureOf(outcome);
    for (int symbol : outcome->notFitting) {
        err << "quillmark-render: warning: symbol " << symbol + 1
            << " with its quiet zones does not fit its label\n";
    }
    const Result<void> written = WriteOutput(*run.output, outcome->pdf, out);
    if (!written) return FailureOf(written);
    return *checkFailed ? kExitCheckFailed : kExitMade;
}

}  // namespace quillmark
