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

int WholeNumber(const char* option, const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
        Fail(std::string(option) + " " + Quoted(text) + " is not a whole number from " +
             std::to_string(low) + " to " + std::to_string(high));
    }
    return value;
}

// "X,Y" in millimetres, each within limit.
std::pair<double, double> MmPair(const char* option, const std::string& text, double limit) {
    const std::size_t comma = text.find(',');
    double xy[2] = {0, 0};
    const std::string parts[2] = {text.substr(0, comma),
                                  comma == std::string::npos ? "" : text.substr(comma + 1)};
    for (int i = 0; i < 2; ++i) {
        const std::string& part = parts[i];
        const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), xy[i]);
        if (comma == std::string::npos || part.empty() || error != std::errc{} ||
            end != part.data() + part.size() || !std::isfinite(xy[i]) || std::abs(xy[i]) > limit) {
            Fail(std::string(option) + " " + Quoted(text) +
                 " is not two distances in millimetres, X,Y, each within " +
                 std::to_string(static_cast<int>(limit)));
        }
    }
    return {xy[0], xy[1]};
}

std::string SerialProblemText(SerialProblem problem, const SerialSequence& plan) {
    switch (problem) {
        case SerialProblem::None:
            return {};
        case SerialProblem::Malformed:
            return "is not START:COUNT[:STEP] in digits";
        case SerialProblem::NoCountedField:
            return "has nothing to count: the data holds no SSCC (00) and no serial number (21)";
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

LabelSheetsEntry LoadSheetsEntry() {
    std::string error;
    if (LoadPdfModule(error) == nullptr) Fail(error);  // starts Qt in the module first
    const ModuleEntry entry =
        LoadModuleEntry(kPdfModuleFile, kLabelSheetsEntry, "cannot make label sheets");
    if (entry.address == nullptr) Fail(entry.error);
    return reinterpret_cast<LabelSheetsEntry>(entry.address);
}

SheetOutcome Carry(const SheetOrder& order, std::ostream& err) {
    SheetOutcome outcome;
    const bool made = LoadSheetsEntry()(&order, &outcome);
    for (const std::string& problem : outcome.problems) {
        err << "quillmark-render: warning: template passed over: " << problem << '\n';
    }
    if (!made) Fail(outcome.error);
    return outcome;
}

void WriteOutput(const std::string& output, const std::string& pdf, std::ostream& out) {
    if (output != "-") {
        const Result<void> written = WriteFileAtomically(output, pdf);
        if (!written.ok()) Fail(written.error());
        return;
    }
    errno = 0;
    out.write(pdf.data(), static_cast<std::streamsize>(pdf.size()));
    if (!out.flush()) {
        Fail(std::string("cannot write the sheets to standard output") +
             (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()));
    }
}

// --verify: each label drawn as the sheets draw it and read back; the first that does not scan
// stops the run before anything is written.
bool VerifyLabels(const SheetRun& run, std::ostream& err) {
    for (std::size_t i = 0; i < run.symbols.size(); ++i) {
        const SymbolRequest& label = run.symbols[i];
        const RasterPicture picture =
            RenderSymbolRaster(BindPicture(label, run.settings), run.settings.style);
        const std::string problem = VerifySymbolPicture(picture.raster.View(), label);
        if (!problem.empty()) {
            err << "quillmark-render: label " << i + 1 << " does not scan as its data: " << problem
                << '\n';
            return false;
        }
    }
    return true;
}

// --check: every label's findings, each line naming its label.
bool CheckLabels(const SheetRun& run, std::ostream& out) {
    bool failed = false;
    for (std::size_t i = 0; i < run.symbols.size(); ++i) {
        const CheckLines checks = CheckSymbolLines(run.symbols[i], run.settings, run.application);
        for (const std::string& line : checks.lines)
            out << "label " << i + 1 << ": " << line << '\n';
        failed |= checks.failed;
    }
    return failed;
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

std::optional<double> PrinterDotsPerMm(const std::optional<std::string>& printerDpi) {
    if (!printerDpi) return std::nullopt;
    return WholeNumber("--printer-dpi", *printerDpi, 25, kMaxPrinterDpi) / 25.4;
}

std::vector<SymbolRequest> SerialSymbols(const SymbolRequest& symbol, const std::string& serial) {
    const std::optional<SerialRun> run = ParseSerialRun(serial);
    const SerialSequence plan = PlanSerials(symbol, run.value_or(SerialRun{}));
    const SerialProblem problem = run ? plan.problem : SerialProblem::Malformed;
    if (problem != SerialProblem::None) {
        Fail("--serial " + Quoted(serial) + " " + SerialProblemText(problem, plan));
    }
    std::vector<SymbolRequest> symbols;
    symbols.reserve(plan.count);
    for (std::uint64_t i = 0; i < plan.count; ++i) {
        symbols.push_back(SerialRequest(plan, i));
        EncodeRequest(symbols.back());
    }
    return symbols;
}

int ListSheets(const std::string& text, std::ostream& out, std::ostream& err) {
    SheetOrder order;
    order.kind = SheetOrder::Kind::List;
    order.text = text;
    const SheetOutcome outcome = Carry(order, err);
    for (const std::string& line : outcome.lines) out << line << '\n';
    if (!out.flush()) Fail("cannot write to standard output");
    return kExitMade;
}

int WriteCalibrationPage(const SheetOptions& options, const std::string& output,
                         std::ostream& out) {
    SheetOrder order;
    order.kind = SheetOrder::Kind::Calibration;
    if (options.offset) {
        std::tie(order.profile.offsetXMm, order.profile.offsetYMm) =
            MmPair("--offset", *options.offset, kMaxProfileOffsetMm);
    }
    std::ostringstream ignored;
    WriteOutput(output, Carry(order, ignored).pdf, out);
    return kExitMade;
}

int MakeSheets(const SheetOptions& options, SheetRun run, std::ostream& out, std::ostream& err) {
    SheetOrder order;
    order.text = *options.sheet;
    if (options.start) order.startCell = WholeNumber("--start", *options.start, 1, kMaxStart);
    if (options.copies) order.copies = WholeNumber("--copies", *options.copies, 1, kMaxCopies);
    if (options.place) {
        const auto [x, y] = MmPair("--place", *options.place, 1000);
        order.placement = {false, x, y};
    }
    if (options.offset) {
        std::tie(order.profile.offsetXMm, order.profile.offsetYMm) =
            MmPair("--offset", *options.offset, kMaxProfileOffsetMm);
    }
    // Whole dots at a named printer resolution only; --dpi alone draws the sheets as they are.
    run.settings.wholeDots = options.printerDpi.has_value();
    if (const std::optional<double> printer = PrinterDotsPerMm(options.printerDpi)) {
        run.settings.dotsPerMm = *printer;
        for (const SymbolRequest& symbol : run.symbols) {
            const std::string refusal = WholeDotRefusal(symbol, *printer);
            if (!refusal.empty()) Fail("--printer-dpi: " + refusal);
        }
    }
    order.wholeDots = run.settings.wholeDots;
    order.outlines = options.outlines;
    order.style = run.settings.style;
    order.dotsPerMm = run.settings.dotsPerMm;
    if (run.verify && !VerifyLabels(run, err)) return kExitUnverified;
    const bool checkFailed = run.check && CheckLabels(run, out);
    order.symbols = std::move(run.symbols);
    const SheetOutcome outcome = Carry(order, err);
    for (int symbol : outcome.notFitting) {
        err << "quillmark-render: warning: symbol " << symbol + 1
            << " with its quiet zones does not fit its label\n";
    }
    WriteOutput(*run.output, outcome.pdf, out);
    return checkFailed ? kExitCheckFailed : kExitMade;
}

}  // namespace quillmark
