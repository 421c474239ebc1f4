// Parses and checks the command line, then dumps the symbol, writes its picture or runs a batch.
#include "cli/RenderCommand.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <ostream>
#include <string_view>
#include <system_error>
#include <utility>

#include "Version.h"
#include "check/GS1Dictionary.h"
#include "check/GS1DigitalLink.h"
#include "check/WholeDots.h"
#include "cli/BatchFile.h"
#include "cli/BatchRun.h"
#include "cli/CheckWording.h"
#include "cli/ColourText.h"
#include "cli/FieldText.h"
#include "cli/PictureOutput.h"
#include "cli/Refusal.h"
#include "cli/SheetCommand.h"
#include "cli/SymbolInput.h"
#include "cli/Verification.h"
#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "isbn/ISBN13.h"
#include "isbn/ISBNAreas.h"
#include "output/PrinterProfile.h"
#include "raster/Fonts.h"
#include "symbol/SymbolPair.h"
#include "symbol/Symbology.h"

namespace quillmark {
namespace {

// Dots per millimetre above this are surely meant as dots per inch.
constexpr double kMaxDotsPerMm = 100;

// The options as given, before any check of their values.
struct Arguments {
    std::map<std::string, std::string> values;  // keyed by the option's long name
    bool dump = false;
    bool noFullBorder = false;
    bool verify = false;
    bool check = false;
    bool allowOutside = false;
    bool force = false;
    bool digitalLink = false;
    bool rectangular = false;
    bool elementText = false;
    bool calibrationPage = false;
    bool quietZoneMarks = false;
    bool outlines = false;
    bool pair = false;
    bool help = false;
    bool version = false;

    bool Has(const std::string& option) const { return values.contains(option); }
    std::optional<std::string> Find(const std::string& option) const {
        const auto it = values.find(option);
        return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
};

constexpr const char* kValueOptions[] = {
    "--type",        "--data",       "--addon",      "--size",  "--gsize",  "--vsize",   "--scale",
    "--dpi",         "--line-color", "--background", "--font",  "--output", "--format",  "--batch",
    "--application", "--stem",       "--from-dl",    "--sheet", "--start",  "--copies",  "--serial",
    "--printer-dpi", "--offset",     "--place",      "--bwr",   "--module", "--ec-level"};

bool IsValueOption(const std::string& name) {
    for (const char* option : kValueOptions)
        if (name == option) return true;
    return false;
}

// The options that take no value, and the member each one sets.
constexpr std::pair<std::string_view, bool Arguments::*> kFlags[] = {
    {"--dump", &Arguments::dump},
    {"--no-full-border", &Arguments::noFullBorder},
    {"--verify", &Arguments::verify},
    {"--check", &Arguments::check},
    {"--allow-outside", &Arguments::allowOutside},
    {"--force", &Arguments::force},
    {"--dl", &Arguments::digitalLink},
    {"--rectangular", &Arguments::rectangular},
    {"--hri", &Arguments::elementText},
    {"--calibration-page", &Arguments::calibrationPage},
    {"--quiet-zone-marks", &Arguments::quietZoneMarks},
    {"--outlines", &Arguments::outlines},
    {"--pair", &Arguments::pair},
};

bool* FlagOf(Arguments& parsed, const std::string& name) {
    for (const auto& [option, member] : kFlags)
        if (name == option) return &(parsed.*member);
    return nullptr;
}

Result<Arguments> ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (name.starts_with("--")) {
            if (const auto equals = name.find('='); equals != std::string::npos) {
                value = name.substr(equals + 1);
                name.resize(equals);
            }
        }
        if (name == "-o") name = "--output";
        if (name == "--help" || name == "-h") {
            parsed.help = true;
            return parsed;
        }
        if (name == "--version") {
            parsed.version = true;
            return parsed;
        }
        // --list-sheets takes a search text when one follows it.
        if (name == "--list-sheets" && !value) {
            value = i + 1 < args.size() && !args[i + 1].starts_with("-") ? args[++i] : "";
        }
        if (name == "--list-sheets") {
            if (!parsed.values.emplace(name, *value).second)
                return Failure{"option " + name + " given twice"};
            continue;
        }
        if (bool* flag = FlagOf(parsed, name)) {
            if (value) return Failure{"option " + name + " takes no value"};
            *flag = true;
            continue;
        }
        if (!IsValueOption(name)) {
            if (name.starts_with("-"))
                return Failure{"unknown option " + Quoted(name) + " (see --help)"};
            return Failure{"unexpected argument " + Quoted(name) + " (see --help)"};
        }
        if (!value) {
            if (i + 1 >= args.size()) return Failure{"option " + name + " needs a value"};
            value = args[++i];
        }
        if (!parsed.values.emplace(name, *value).second)
            return Failure{"option " + name + " given twice"};
    }
    return parsed;
}

Result<double> ParseNumber(const std::string& option, const std::string& text, const char* unit) {
    double number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(number))
        return Failure{option + " " + Quoted(text) + " is not a finite number of " + unit};
    if (number <= 0) return Failure{option + " " + Quoted(text) + " must be greater than 0"};
    return number;
}

Result<double> DotsPerMm(const Arguments& args) {
    const std::optional<std::string> scale = args.Find("--scale");
    const std::optional<std::string> dpi = args.Find("--dpi");
    if (scale && dpi)
        return Failure{"give --scale (dots per millimetre) or --dpi (dots per inch), not both"};
    if (dpi) {
        const Result<double> dotsPerInch = ParseNumber("--dpi", *dpi, "dots per inch");
        if (!dotsPerInch) return dotsPerInch;
        if (*dotsPerInch > kMaxDotsPerMm * 25.4)
            return Failure{"--dpi " + *dpi + " is above " +
                           std::to_string(int(kMaxDotsPerMm * 25.4)) + " (" +
                           std::to_string(int(kMaxDotsPerMm)) + " dots per millimetre)"};
        return *dotsPerInch / 25.4;
    }
    if (!scale) return 12.0;
    const Result<double> dotsPerMm = ParseNumber("--scale", *scale, "dots per millimetre");
    if (dotsPerMm && *dotsPerMm > kMaxDotsPerMm)
        return Failure{"--scale " + *scale + " is above " + std::to_string(int(kMaxDotsPerMm)) +
                       ": --scale counts dots per millimetre, not per inch (for " + *scale +
                       " dpi write --dpi " + *scale + ")"};
    return dotsPerMm;
}

Result<TColor> ParseColour(const std::string& option, const std::string& text) {
    const std::optional<TColor> colour = ColourFromText(text);
    if (!colour)
        return Failure{option + " " + Quoted(text) +
                       " is neither #RRGGBB nor a colour name such as navy"};
    return *colour;
}

// --bwr in whole dots of the printer (--printer-dpi), or of the picture.
Result<int> BarReductionDots(const Arguments& args, const std::string& bwr) {
    const Result<double> microns = ParseNumber("--bwr", bwr, "micrometres");
    if (!microns) return FailureOf(microns);
    if (*microns > kMaxBarReductionMicrons)
        return Failure{"--bwr " + bwr + " is above " +
                       std::to_string(static_cast<int>(kMaxBarReductionMicrons)) + " micrometres"};
    const Result<std::optional<double>> printer = PrinterDotsPerMm(args.Find("--printer-dpi"));
    if (!printer) return FailureOf(printer);
    const Result<double> dotsPerMm = *printer ? Result<double>(**printer) : DotsPerMm(args);
    if (!dotsPerMm) return FailureOf(dotsPerMm);
    return WholeDotReduction(*microns, *dotsPerMm);
}

Result<SymbolFields> FieldsOf(const Arguments& args) {
    SymbolFields fields;
    fields.type = args.Find("--type");
    fields.data = args.Find("--data");
    fields.addOn = args.Find("--addon");
    fields.size = args.Find("--size");
    fields.gSize = args.Find("--gsize");
    fields.vSize = args.Find("--vsize");
    if (args.noFullBorder) fields.fullBorder = false;
    fields.quietZoneMarks = args.quietZoneMarks;
    if (const std::optional<std::string> bwr = args.Find("--bwr")) {
        const Result<int> dots = BarReductionDots(args, *bwr);
        if (!dots) return FailureOf(dots);
        fields.barReductionDots = *dots;
    }
    fields.module = args.Find("--module");
    fields.qrLevel = args.Find("--ec-level");
    fields.stem = args.Find("--stem");
    if (args.rectangular) fields.rectangular = true;
    if (args.elementText) fields.elementText = true;
    fields.pair = args.pair;
    return fields;
}

// The colour option into colour, when it is given.
Result<void> ReadColour(const Arguments& args, const std::string& option, TColor& colour) {
    const std::optional<std::string> text = args.Find(option);
    if (!text) return {};
    const Result<TColor> parsed = ParseColour(option, *text);
    if (!parsed) return FailureOf(parsed);
    colour = *parsed;
    return {};
}

Result<PictureSettings> SettingsOf(const Arguments& args) {
    PictureSettings settings;
    const Result<double> dotsPerMm = DotsPerMm(args);
    if (!dotsPerMm) return FailureOf(dotsPerMm);
    settings.dotsPerMm = *dotsPerMm;
    // A resolution in dots per inch is a printer's or a picture's dots: whole ones per module.
    settings.wholeDots = args.Has("--dpi");
    Result<void> colours = ReadColour(args, "--line-color", settings.style.line);
    if (colours) colours = ReadColour(args, "--background", settings.style.background);
    if (!colours) return FailureOf(colours);
    if (auto font = args.Find("--font")) {
        if (font->empty()) return Failure{"--font needs a font family name"};
        settings.style.fontName = *font;
    }
    return settings;
}

Result<std::optional<PictureFormat>> FormatOption(const Arguments& args) {
    const std::optional<std::string> name = args.Find("--format");
    if (!name) return std::optional<PictureFormat>();
    const std::optional<PictureFormat> format = FormatByName(*name);
    if (!format)
        return Failure{"--format " + Quoted(*name) + " is none of png, bmp, jpg, svg, pdf"};
    return format;
}

// The format of an output: its extension, else --format; both must agree when both are given.
Result<PictureFormat> OutputFormat(const Arguments& args, const std::string& output) {
    const Result<std::optional<PictureFormat>> formatOption = FormatOption(args);
    if (!formatOption) return FailureOf(formatOption);
    const std::optional<PictureFormat> option = *formatOption;
    const std::optional<PictureFormat> byName =
        output == "-" ? std::nullopt : FormatForPath(output);
    if (byName && option && *byName != *option)
        return Failure{"--format disagrees with the extension of " + Quoted(output)};
    if (byName) return *byName;
    if (option) return *option;
    if (output == "-")
        return Failure{"-o - writes to standard output; name the picture's --format"};
    return Failure{"output " + Quoted(output) +
                   " must end in .png, .bmp, .jpg, .jpeg, .svg or .pdf " + "(or give --format)"};
}

// The 2D symbols: what they carry, their size in modules, then one row of modules a line.
void DumpMatrix(const SymbolRequest& symbol, std::ostream& out) {
    if (symbol.Is(Symbology::DigitalLinkQR)) out << "uri " << symbol.linkUri << '\n';
    const ModuleMatrix& matrix = *symbol.matrix;
    out << "modules " << matrix.width << 'x' << matrix.height << '\n';
    for (int y = 0; y < matrix.height; ++y) {
        out << "row ";
        for (int x = 0; x < matrix.width; ++x) out << (matrix.At(x, y) ? '1' : '0');
        out << '\n';
    }
}

void DumpSymbol(const SymbolRequest& symbol, std::ostream& out) {
    const SymbologyInfo& info = *symbol.symbology;
    if (IsEANUPC(info.id)) {
        out << "main " << EANUPCModules(info.name, symbol.digits) << '\n';
        if (symbol.addOnType != "None")
            out << "addon " << AddOnModules(info.name, symbol.addOnType, symbol.digits) << '\n';
        if (info.id == Symbology::ISBN13)
            out << "isbn " << FormatISBN13(symbol.digits.substr(0, 13)) << '\n';
    } else if (info.id == Symbology::ITF14) {
        out << "elements " << ITF14Elements(symbol.digits) << '\n';
    } else if (IsMatrix2D(info.id)) {
        DumpMatrix(symbol, out);
    } else {
        const UCCEncoding& encoding = *symbol.encoded;
        out << "codes";
        for (std::size_t i = 0; i < encoding.codes.size() && encoding.codes[i] != kCodesEnd; ++i)
            out << ' ' << encoding.codes[i];
        out << "\ntext " << encoding.hrText << '\n';
    }
}

// Each symbol of the picture: a pair's linear symbol, then its 2D symbol.
void Dump(const SymbolRequest& symbol, std::ostream& out) {
    for (const SymbolRequest& each : SymbolsOf(symbol)) DumpSymbol(each, out);
}

// A font that is not installed is drawn in the one the system puts in its place (for Arial, the
// metric-compatible Liberation Sans): the data stays the same, so the user is told but nothing
// is refused. Only pictures look for fonts: a dump, the help and refused input never start the
// font configuration.
void StartPictures(const PictureSettings& settings, std::ostream& err) {
    const std::string& family = settings.style.fontName;
    if (!FamilyInstalled(family))
        err << "quillmark-render: font " << Quoted(family)
            << " is not installed; the text is drawn in " << Quoted(DrawnFamily(family)) << '\n';
}

// The application whose GS1 symbol size table --check holds the symbol to.
Result<Application> ApplicationOption(const Arguments& args) {
    const std::optional<std::string> name = args.Find("--application");
    if (!name) return Application::GeneralDistribution;
    const std::optional<Application> application = ApplicationByName(*name);
    if (!application)
        return Failure{"--application " + Quoted(*name) +
                       " is none of distribution, retail, healthcare"};
    return *application;
}

// --check: every finding, one per line.
Result<int> ReportChecks(const Arguments& args, const SymbolRequest& symbol,
                         const PictureSettings& settings, std::ostream& out) {
    if (!args.check) return kExitMade;
    const Result<Application> application = ApplicationOption(args);
    if (!application) return FailureOf(application);
    const Result<CheckLines> checks = CheckSymbolLines(symbol, settings, *application);
    if (!checks) return FailureOf(checks);
    for (const std::string& line : checks->lines) out << line << '\n';
    out.flush();
    return checks->failed ? kExitCheckFailed : kExitMade;
}

// The stream's buffer writes straight to the descriptor, so a failed flush leaves the system's
// reason (a full device, a closed pipe) in errno.
Result<void> WriteToStream(const std::string& bytes, std::ostream& out) {
    errno = 0;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out.flush()) return {};
    return Failure{std::string("cannot write the picture to standard output") +
                   (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string())};
}

Result<int> WriteOne(const Arguments& args, const SymbolRequest& symbol,
                     const PictureSettings& settings, std::ostream& out, std::ostream& err) {
    const std::string output = *args.Find("--output");
    const Result<PictureFormat> format = OutputFormat(args, output);
    if (!format) return FailureOf(format);
    StartPictures(settings, err);
    std::string bytes;
    const PictureResult result = output == "-"
                                     ? EncodeSymbolPicture(symbol, settings, *format, bytes)
                                     : WriteSymbolPicture(symbol, settings, *format, output);
    if (!result.error.empty()) return Failure{result.error};
    if (args.verify) {
        const Result<std::string> problem = VerifyWrittenPicture(
            output == "-" ? std::string() : output, *format, result.raster, symbol);
        if (!problem) return FailureOf(problem);
        if (!problem->empty()) {
            err << "quillmark-render: " << (output == "-" ? std::string("the picture") : output)
                << " does not scan as its data: " << *problem << '\n';
            return kExitUnverified;
        }
    }
    if (output == "-") {
        if (const Result<void> written = WriteToStream(bytes, out); !written)
            return FailureOf(written);
    }
    // The picture owns standard output when it goes there.
    return ReportChecks(args, symbol, settings, output == "-" ? err : out);
}

// The batch's rows as the options and the file give them.
Result<std::vector<BatchRow>> BatchRows(const Arguments& args,
                                        const std::optional<std::string>& defaultOutput,
                                        const BatchPolicy& policy) {
    const Result<SymbolFields> defaults = FieldsOf(args);
    if (!defaults) return FailureOf(defaults);
    return ReadBatchFile(*args.Find("--batch"), *defaults, defaultOutput, policy);
}

Result<int> RunBatchCommand(const Arguments& args, std::ostream& out, std::ostream& err,
                            const RenderEnvironment& environment) {
    if (args.dump) return Failure{"--dump does not apply to --batch"};
    if (args.Find("--output") == "-") return Failure{"a batch writes files; -o - does not apply"};
    const Result<PictureSettings> settings = SettingsOf(args);
    if (!settings) return FailureOf(settings);
    const Result<std::optional<PictureFormat>> format = FormatOption(args);
    if (!format) return FailureOf(format);
    const Result<Application> application = ApplicationOption(args);
    if (!application) return FailureOf(application);
    BatchOptions options;
    options.settings = *settings;
    options.format = *format;
    options.verify = args.verify;
    options.check = args.check;
    options.application = *application;
    options.showProgress = environment.errIsTerminal;
    BatchPolicy policy;
    policy.allowOutside = args.allowOutside;
    policy.force = args.force;
    policy.format = options.format;
    const Result<std::vector<BatchRow>> rows = BatchRows(args, args.Find("--output"), policy);
    if (!rows) return FailureOf(rows);
    StartPictures(options.settings, err);
    return RunBatch(*rows, options, out, err);
}

SheetOptions SheetOptionsOf(const Arguments& args) {
    SheetOptions options;
    options.sheet = args.Find("--sheet");
    options.list = args.Find("--list-sheets");
    options.calibration = args.calibrationPage;
    options.start = args.Find("--start");
    options.copies = args.Find("--copies");
    options.serial = args.Find("--serial");
    options.printerDpi = args.Find("--printer-dpi");
    options.offset = args.Find("--offset");
    options.place = args.Find("--place");
    options.outlines = args.outlines;
    return options;
}

// The batch rows as symbols for sheets: a row that cannot be made is reported with its number
// and left out.
Result<std::vector<SymbolRequest>> BatchSymbols(const Arguments& args, int& failedRows,
                                                std::ostream& err) {
    BatchPolicy policy;
    policy.noOutputs = true;
    const Result<std::vector<BatchRow>> rows = BatchRows(args, std::nullopt, policy);
    if (!rows) return FailureOf(rows);
    std::vector<SymbolRequest> symbols;
    for (const BatchRow& row : *rows) {
        std::string error = row.error;
        if (error.empty()) {
            Result<SymbolRequest> symbol = BuildSymbolRequest(row.fields);
            if (symbol) {
                symbols.push_back(std::move(*symbol));
                EncodeRequest(symbols.back());
            }
            error = symbol.error();
        }
        if (!error.empty()) {
            err << "quillmark-render: row " << row.number << ": " << error << '\n';
            ++failedRows;
        }
    }
    if (symbols.empty())
        return Failure{"no row of " + Quoted(*args.Find("--batch")) + " makes a symbol"};
    return symbols;
}

// The one symbol of the command line for sheets, or its serial run.
Result<std::vector<SymbolRequest>> CommandLineSymbols(const Arguments& args,
                                                      const SheetOptions& sheets) {
    const Result<SymbolFields> fields = FieldsOf(args);
    if (!fields) return FailureOf(fields);
    Result<SymbolRequest> symbol = BuildSymbolRequest(*fields);
    if (!symbol) return FailureOf(symbol);
    EncodeRequest(*symbol);
    if (sheets.serial) return SerialSymbols(*symbol, *sheets.serial);
    return std::vector<SymbolRequest>{std::move(*symbol)};
}

// --sheet, --list-sheets and --calibration-page.
Result<int> RunSheets(const Arguments& args, const SheetOptions& sheets, std::ostream& out,
                      std::ostream& err) {
    if (sheets.list) {
        if (sheets.sheet || sheets.calibration || args.Has("--output"))
            return Failure{
                "--list-sheets only lists; --sheet, --calibration-page and -o do not apply"};
        return ListSheets(*sheets.list, out, err);
    }
    if (args.dump) return Failure{"--dump does not apply to label sheets"};
    const std::optional<std::string> output = args.Find("--output");
    if (!output) return Failure{"label sheets are a PDF; give -o FILE.pdf (or -o - --format pdf)"};
    const Result<PictureFormat> format = OutputFormat(args, *output);
    if (!format) return FailureOf(format);
    if (*format != PictureFormat::PDF)
        return Failure{"label sheets are a PDF; " + Quoted(*output) + " is not one"};
    if (sheets.calibration) {
        if (sheets.sheet) return Failure{"give --sheet or --calibration-page, not both"};
        return WriteCalibrationPage(sheets, *output, out);
    }
    const Result<PictureSettings> settings = SettingsOf(args);
    if (!settings) return FailureOf(settings);
    const Result<Application> application = ApplicationOption(args);
    if (!application) return FailureOf(application);
    SheetRun run;
    run.settings = *settings;
    run.output = output;
    run.verify = args.verify;
    run.check = args.check;
    run.application = *application;
    int failedRows = 0;
    if (args.Has("--batch") && sheets.serial)
        return Failure{"--serial numbers one symbol; it does not apply to --batch"};
    Result<std::vector<SymbolRequest>> symbols = args.Has("--batch")
                                                     ? BatchSymbols(args, failedRows, err)
                                                     : CommandLineSymbols(args, sheets);
    if (!symbols) return FailureOf(symbols);
    run.symbols = std::move(*symbols);
    StartPictures(run.settings, err);
    const Result<int> status = MakeSheets(sheets, std::move(run), out, err);
    if (!status) return status;
    return *status == kExitMade && failedRows > 0 ? kExitRowsFailed : *status;
}

// The element string of a URI, in the notation --data takes.
Result<void> PrintElementString(const std::string& uri, std::ostream& out) {
    const DigitalLinkResult result = ElementStringFromDigitalLink(uri);
    if (!result.text) return Failure{"--from-dl: " + DigitalLinkRefusal(result)};
    for (const char c : *result.text) out << CharacterWord(static_cast<unsigned char>(c));
    return {};
}

// The URI of the --data element string.
Result<void> PrintDigitalLink(const Arguments& args, const std::string& data, std::ostream& out) {
    const Result<std::string> notation = NormalizeGS1Notation(data);
    if (!notation) return FailureOf(notation);
    const FieldTextResult field = ParseFieldText(*notation);
    if (!field.ok) return Failure{"--data: " + field.error};
    const DigitalLinkResult result = DigitalLinkFromElementString(
        field.text, args.Find("--stem").value_or(std::string(kDefaultDigitalLinkStem)));
    if (!result.text) return Failure{"--dl: " + DigitalLinkRefusal(result)};
    out << *result.text;
    return {};
}

// --dl and --from-dl: the URI of the --data element string, or the element string of a URI in
// the notation --data takes.
Result<int> RunDigitalLink(const Arguments& args, std::ostream& out) {
    if (args.digitalLink && args.Has("--from-dl"))
        return Failure{"give --dl or --from-dl, not both"};
    if (args.Has("--batch")) return Failure{"--dl and --from-dl do not apply to --batch yet"};
    if (args.Has("--output") || args.dump || args.check || args.verify)
        return Failure{
            "--dl and --from-dl print text; -o, --dump, --check and --verify do not apply"};
    Result<void> printed;
    if (const std::optional<std::string> uri = args.Find("--from-dl")) {
        if (args.Has("--data") || args.Has("--stem"))
            return Failure{"--from-dl reads the URI alone; --data and --stem do not apply"};
        printed = PrintElementString(*uri, out);
    } else {
        const std::optional<std::string> data = args.Find("--data");
        if (!data) return Failure{"--dl needs the element string in --data"};
        printed = PrintDigitalLink(args, *data, out);
    }
    if (!printed) return FailureOf(printed);
    out << '\n';
    if (!out.flush()) return Failure{"cannot write to standard output"};
    return kExitMade;
}

bool MakesDigitalLinkQR(const Arguments& args) {
    const std::optional<std::string> type = args.Find("--type");
    return type && FindSymbologyByAnyName(*type) == &SymbologyOf(Symbology::DigitalLinkQR);
}

// --help and --version.
int PrintAbout(const Arguments& args, std::ostream& out) {
    if (args.help) {
        out << RenderUsage();
    } else {
        out << "quillmark-render " << kQuillmarkVersion << '\n'
            << "ISBN ranges: " << ISBNRangesEdition() << '\n'
            << "GS1 AI dictionary: " << GS1DictionaryEdition() << '\n';
    }
    return kExitMade;
}

// One symbol: dumped, checked, or written to its picture.
Result<int> RunSymbol(const Arguments& args, std::ostream& out, std::ostream& err) {
    const Result<SymbolFields> fields = FieldsOf(args);
    if (!fields) return FailureOf(fields);
    const Result<SymbolRequest> symbol = BuildSymbolRequest(*fields);
    if (!symbol) return FailureOf(symbol);
    const Result<PictureSettings> settings = SettingsOf(args);
    if (!settings) return FailureOf(settings);
    // A misspelt application is refused before anything is drawn.
    if (const Result<Application> application = ApplicationOption(args); !application)
        return FailureOf(application);
    for (const std::string& warning : FailureWarnings(*symbol, settings->style))
        err << "quillmark-render: warning: " << warning << '\n';
    const bool hasOutput = args.Has("--output");
    if (args.dump && hasOutput) return Failure{"--dump and -o exclude each other"};
    if (!args.dump && !hasOutput && !args.check)
        return Failure{"give -o FILE (.png .bmp .jpg .svg .pdf), --dump, --check or --batch"};
    if (!args.dump && !hasOutput) {
        if (args.verify) return Failure{"--verify reads pictures back; give -o FILE"};
        // A lint: the picture is drawn and read back in memory, nothing is written.
        StartPictures(*settings, err);
        return ReportChecks(args, *symbol, *settings, out);
    }
    if (args.dump) {
        if (args.verify)
            return Failure{"--verify reads pictures back; it does not apply to --dump"};
        Dump(*symbol, out);
        if (!out.flush()) return Failure{"cannot write the dump to standard output"};
        // The checks need no file: the picture is drawn as -o would write it.
        if (args.check) StartPictures(*settings, err);
        return ReportChecks(args, *symbol, *settings, out);
    }
    return WriteOne(args, *symbol, *settings, out, err);
}

Result<int> Run(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err,
                const RenderEnvironment& environment) {
    const Result<Arguments> parsed = ParseArguments(argv);
    if (!parsed) return FailureOf(parsed);
    const Arguments& args = *parsed;
    if (args.help || args.version) return PrintAbout(args, out);
    if (args.digitalLink || args.Has("--from-dl")) return RunDigitalLink(args, out);
    if (args.Has("--stem") && !MakesDigitalLinkQR(args))
        return Failure{"--stem applies to --dl only"};
    const SheetOptions sheets = SheetOptionsOf(args);
    if (const std::string lone = OptionNeedingSheet(sheets); !lone.empty())
        return Failure{lone + " applies to --sheet only"};
    if (WantsSheets(sheets)) return RunSheets(args, sheets, out, err);
    if (args.Has("--batch")) return RunBatchCommand(args, out, err, environment);
    return RunSymbol(args, out, err);
}

}  // namespace

std::string RenderUsage() {
    return R"(Usage: quillmark-render --type TYPE --data DATA [options] (-o FILE | --dump | --check)
       quillmark-render --batch FILE.csv [options]
       quillmark-render --dl --data DATA [--stem URL]  |  --from-dl URI

Draws barcode symbols at their physical size into pictures: PNG, BMP, JPEG, SVG or PDF.

Types and their data (type names in any case, with or without the hyphen):
  EAN-13, ISBN-13 (ISBN)   13 digits (ISBN-13: beginning with 978 or 979)
  EAN-8                    8 digits
  UPC-A (UPC)              12 digits
  UPC-E                    8 digits, number system 0 or 1
  ITF-14 (ITF14)           14 digits
  UCC/EAN-128 (GS1-128)    AIs in parentheses or square brackets, e.g. "(01)09501101530003(10)AB";
                           special characters by name in braces: {FNC1} to {FNC4}, {NUL} to {US}
  GS1-DATAMATRIX           the same AI data as GS1 DataMatrix (ECC 200 with FNC1 first)
  GS1-QR                   the same AI data as a QR Code in FNC1 first mode
  DL-QR                    the same AI data as a QR Code carrying its GS1 Digital Link URI
  Give the number without its check digit and it is computed (UPC-E: that of the UPC-A number it
  expands to); a number with a wrong check digit is refused with the right one.

Options:
  --type TYPE          the symbology                        --type ean13
  --data DATA          what the symbol carries              --data 400638133393
  --addon DIGITS       EAN-13, ISBN-13, UPC-A, UPC-E: a 2- or 5-digit add-on   --addon 12
  --size PERCENT       EAN/UPC: 80 to 200; ITF-14: 25 to 100 (default 100)     --size 80
  --no-full-border     ITF-14: bearer bars on top and bottom only
  --gsize PERCENT      UCC/EAN-128: width, 100 to 407 (default 100)            --gsize 150
  --vsize PERCENT      UCC/EAN-128: height, 100 to 400 (default 100)           --vsize 120
  --module MM          2D: the module (X-dimension), 0.254 to 1.5 mm (default 0.5)  --module 0.4
  --rectangular        GS1-DATAMATRIX: the smallest rectangular symbol instead of a square one
  --ec-level LEVEL     GS1-QR, DL-QR: error correction L, M, Q or H (default M)  --ec-level Q
  --hri                2D: print the element string, AIs in parentheses, below the symbol
  --pair               2D: the linear symbol of the GTIN (01) beside the 2D symbol on a common
                       baseline: UPC-A for a GTIN-12, EAN-13 for a GTIN-13, EAN-8 for a GTIN-8,
                       ITF-14 for indicator 1 to 8; --size, --no-full-border, --bwr and
                       --quiet-zone-marks apply to it                --type GS1-DATAMATRIX --pair
  --scale DOTS_PER_MM  dots per millimetre, up to 100 (default 12)             --scale 11.811
  --dpi DOTS_PER_INCH  the same in dots per inch, instead of --scale           --dpi 600
  --line-color COLOUR  bars and text, #RRGGBB or a name (default black)        --line-color navy
  --background COLOUR  the symbol's box (default white)                        --background #FFFFF0
  --font FAMILY        the font of the human-readable text (default Liberation Sans)
                                                                              --font "DejaVu Sans"
  -o, --output FILE    the picture; its format from .png .bmp .jpg .jpeg .svg .pdf   -o label.svg
                       "-o -" writes it to standard output in the --format given
  --format FORMAT      png, bmp, jpg, svg or pdf                               -o - --format png
  --dump               print the module strings instead of writing a picture (2D: the URI of
                       DL-QR, the size in modules and each row of modules)
  --batch FILE.csv     one symbol per row; the header names the columns type, data, addon, size,
                       gsize, vsize, border (full or top-bottom) and output; a missing column or
                       an empty cell takes the option's value     --batch labels.csv --type EAN-13
                       Output cells are taken from the CSV file's folder (-o from the current
                       one); a cell that leaves it (an absolute path elsewhere, a ".." climbing
                       out) or holds a control character is refused, as is a row writing a file
                       an earlier row writes, and an existing file that is not a picture of the
                       format written. A row longer than 64 KiB refuses the whole file.
  --allow-outside      --batch: output cells may lead out of the CSV file's folder
  --force              --batch: existing files are replaced whatever they are
  --verify             read every picture back and check that it scans as its data
  --check              print every symbol check, one per line: the scan-back, the colours in a
                       scanner's red light, the GS1 data and the module at the resolution
                       (GS1 and colour failures are warned of on every run); without -o or
                       --dump it only checks, drawing and reading the picture in memory
  --application APP    the GS1 symbol size table --check holds the size to:
                       distribution (general distribution and logistics, the default),
                       retail (retail point of sale) or healthcare (regulated healthcare
                       non-retail)                                  --application retail
  --dl                 print the GS1 Digital Link URI of the --data element string: the primary
                       key and its qualifiers in the path, the other AIs in the query string
                                            --dl --data "(01)09501101530003(10)AB(17)251231"
  --stem URL           --dl, DL-QR: the URI's start, http(s), a host and perhaps a path
                       (default https://id.gs1.org)                --stem https://example.com/p
  --from-dl URI        print the element string of an uncompressed Digital Link URI as --data
                       takes it, {FNC1} where a reader needs one; other query parameters are
                       passed over                --from-dl https://id.gs1.org/01/09501101530003
                       Both check the data by the GS1 AI dictionary and refuse it (exit 2)
                       with the reason; batches do not take them yet.
Label sheets (a PDF of as many pages as the labels fill):
  --sheet NAME         the label sheet, brand and part in any case: the bundled ones and, with
                       Debian's glabels-data, some 1,700 more                  --sheet "Avery L7160"
  --list-sheets [TEXT] list the sheets whose name or description holds TEXT   --list-sheets avery
  --start N            the first label not used yet on the first sheet (default 1)     --start 8
  --copies N           labels of each symbol, side by side (default 1)                --copies 2
  --serial START:COUNT[:STEP]
                       COUNT symbols counted up from START: the digits before the check digit
                       (EAN/UPC, ITF-14), an SSCC's (00) or else the serial number (21); START's
                       width, leading zeros included, is how many of the last digits count;
                       check digits recomputed; a run that would outgrow them is refused
                                                                         --serial 0000001:500
  --printer-dpi N      the printer's resolution: every module a whole number of its dots, the
                       nearest within the symbology's sizes                   --printer-dpi 203
  --offset X,Y         the printer's correction in mm, measured on the calibration page
                                                                             --offset 1.0,-0.5
  --place X,Y          the symbol's top-left corner in its label in mm (default: centred)
  --outlines           draw the labels' outlines, for a proof on plain paper
  --bwr MICRONS        bar width reduction: each bar narrower, each space wider, by whole dots
                       of the printer (--printer-dpi) or of the picture, up to 200    --bwr 60
  --quiet-zone-marks   EAN-13 and ISBN-13: ">" right of the symbol; EAN-8: "<" and ">", at the
                       edges of the quiet zones that must be kept clear
  --calibration-page   write the calibration page (a cross 10 mm from the corner and 100 mm
                       rulers) with the --offset correction to -o
  With --batch the rows fill the sheets in order (their output cells are not used); --verify
  reads every label back and --check checks every label before the sheets are written.

  --version            the program's version
  -h, --help           this text

Exit status: 0 all made; 1 some batch rows failed (each reported with its row number);
2 bad arguments, unreadable batch file or a picture not written; 3 a picture does not scan as its
data (with --verify); 4 a symbol check fails (with --check; the pictures are still made).
)";
}

int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const RenderEnvironment& environment) {
    const Result<int> status = Run(args, out, err, environment);
    if (status) return *status;
    err << "quillmark-render: " << status.error() << '\n';
    return kExitBadInput;
}

}  // namespace quillmark
