// Parses and checks the command line, then dumps the symbol or writes its picture.
#include "cli/RenderCommand.h"

#include <QString>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <system_error>

#include "cli/FieldText.h"
#include "cli/SymbolPicture.h"
#include "cli/SymbolRequest.h"
#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/UCCEAN128.h"
#include "isbn/ISBN13.h"

namespace quillmark {
namespace {

constexpr int kExitBadInput = 2;
constexpr const char* kTypeList = "EAN-13, ISBN-13, EAN-8, UPC-A, UPC-E, ITF-14, UCC/EAN-128";

struct InputError {
    std::string message;
};

[[noreturn]] void Fail(std::string message) {
    throw InputError{std::move(message)};
}

// Quotes a user's text for a message; control characters are shown as \xNN so that a message
// always stays on one line and cannot move the terminal's cursor.
std::string Quoted(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127) {
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 15];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// The options as given, before any check of their values.
struct Arguments {
    std::map<std::string, std::string> values;  // keyed by the option's long name
    bool dump = false;
    bool noFullBorder = false;
    bool help = false;

    bool Has(const std::string& option) const { return values.contains(option); }
    const std::string* Find(const std::string& option) const {
        const auto it = values.find(option);
        return it == values.end() ? nullptr : &it->second;
    }
};

constexpr const char* kValueOptions[] = {"--type",  "--data",  "--addon", "--size",
                                         "--scale", "--gsize", "--vsize", "--output"};

bool IsValueOption(const std::string& name) {
    for (const char* option : kValueOptions)
        if (name == option) return true;
    return false;
}

Arguments ParseArguments(const std::vector<std::string>& args) {
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
        if (name == "--dump" || name == "--no-full-border") {
            if (value) Fail("option " + name + " takes no value");
            (name == "--dump" ? parsed.dump : parsed.noFullBorder) = true;
            continue;
        }
        if (!IsValueOption(name)) {
            if (name.starts_with("-")) Fail("unknown option " + Quoted(name) + " (see --help)");
            Fail("unexpected argument " + Quoted(name) + " (see --help)");
        }
        if (!value) {
            if (i + 1 >= args.size()) Fail("option " + name + " needs a value");
            value = args[++i];
        }
        if (!parsed.values.emplace(name, *value).second) Fail("option " + name + " given twice");
    }
    return parsed;
}

double ParseScale(const std::string& text) {
    double scale = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, scale);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(scale))
        Fail("--scale " + Quoted(text) + " is not a finite number of pixels per millimetre");
    if (scale <= 0) Fail("--scale " + Quoted(text) + " must be greater than 0");
    return scale;
}

unsigned short ParsePercent(const std::string& option, const std::string& text, int low, int high) {
    int percent = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, percent);
    if (text.empty() || error == std::errc::invalid_argument || stop != end)
        Fail(option + " " + Quoted(text) + " is not a whole number of percent");
    if (error != std::errc{} || percent < low || percent > high)
        Fail(option + " " + Quoted(text) + " is outside " + std::to_string(low) + " to " +
             std::to_string(high));
    return static_cast<unsigned short>(percent);
}

unsigned short PercentOption(const Arguments& args, const std::string& option, int low, int high) {
    const std::string* text = args.Find(option);
    return text ? ParsePercent(option, *text, low, high) : static_cast<unsigned short>(100);
}

void CheckDigits(const std::string& what, const std::string& text, std::size_t count) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            Fail(what + " " + Quoted(text) + " holds " + Quoted(std::string(1, text[i])) +
                 " at position " + std::to_string(i + 1) + "; only digits 0-9 are allowed");
    if (text.size() != count)
        Fail(what + " " + Quoted(text) + " has " + std::to_string(text.size()) +
             " digits; expected " + std::to_string(count));
}

// A wrong check digit gives a symbol that scanners reject, so it is refused with the right one.
void CheckCheckDigit(const std::string& digits, std::optional<int> expected) {
    const int given = digits.back() - '0';
    if (expected && *expected != given)
        Fail("check digit of " + digits + " should be " + std::to_string(*expected) + ", not " +
             std::to_string(given));
}

std::size_t MainDigitCount(const std::string& type) {
    if (type == "EAN-8" || type == "UPC-E") return 8;
    if (type == "UPC-A") return 12;
    return 13;
}

void RejectOptions(const Arguments& args, const std::string& type,
                   std::initializer_list<const char*> options) {
    for (const char* option : options)
        if (args.Has(option)) Fail(std::string("option ") + option + " does not apply to " + type);
    if (type != kTypeITF14 && args.noFullBorder)
        Fail("option --no-full-border does not apply to " + type);
}

void FillEANUPC(const Arguments& args, SymbolRequest& symbol) {
    RejectOptions(args, symbol.type, {"--gsize", "--vsize"});
    const std::string& data = args.values.at("--data");
    CheckDigits("--data", data, MainDigitCount(symbol.type));
    if (symbol.type == "ISBN-13" && !data.starts_with("978"))
        Fail("ISBN-13 data " + Quoted(data) + " must begin with 978");
    // UPC-E exists for number systems 0 and 1 only; another digit would be printed but not
    // encoded, so the symbol would scan as different data.
    if (symbol.type == "UPC-E" && data[0] != '0' && data[0] != '1')
        Fail("UPC-E data " + Quoted(data) + " must begin with number system 0 or 1");
    const std::string withoutCheck = data.substr(0, data.size() - 1);
    CheckCheckDigit(data,
                    symbol.type == "UPC-E" ? UPCECheckDigit(data) : GS1CheckDigit(withoutCheck));
    symbol.digits = data;
    if (const std::string* addOn = args.Find("--addon")) {
        if (symbol.type == "EAN-8") Fail("EAN-8 never carries an add-on");
        if (addOn->size() != 2 && addOn->size() != 5)
            Fail("--addon " + Quoted(*addOn) + " must have 2 or 5 digits");
        CheckDigits("--addon", *addOn, addOn->size());
        symbol.addOnType = addOn->size() == 2 ? "2-Digit" : "5-Digit";
        symbol.digits += *addOn;
    }
    symbol.sizePercent = PercentOption(args, "--size", 80, 200);
}

void FillITF14(const Arguments& args, SymbolRequest& symbol) {
    RejectOptions(args, symbol.type, {"--addon", "--gsize", "--vsize"});
    const std::string& data = args.values.at("--data");
    CheckDigits("--data", data, 14);
    CheckCheckDigit(data, GS1CheckDigit(data.substr(0, 13)));
    symbol.digits = data;
    symbol.sizePercent = PercentOption(args, "--size", 25, 100);
    symbol.fullBorder = !args.noFullBorder;
}

void FillUCCEAN128(const Arguments& args, SymbolRequest& symbol) {
    RejectOptions(args, symbol.type, {"--addon", "--size"});
    const FieldTextResult field = ParseFieldText(args.values.at("--data"));
    if (!field.ok) Fail("--data: " + field.error);
    // Spaces and parentheses only shape the human-readable line; a symbol that carries no data
    // at all is almost certainly a mistake on the command line.
    if (field.text.find_first_not_of(" ()") == std::string::npos)
        Fail("--data holds nothing to encode (spaces and parentheses are not encoded)");
    Code128Codes codes{};
    std::string hrText;
    const EncodeResult result = EncodeUCCEAN128(field.text, codes, hrText);
    if (result.truncated)
        Fail("--data is too long for one symbol: only its first " +
             std::to_string(result.encodedChars) + " of " + std::to_string(field.text.size()) +
             " characters fit");
    symbol.fieldText = field.text;
    symbol.gSizePercent = PercentOption(args, "--gsize", 100, 407);
    symbol.vSizePercent = PercentOption(args, "--vsize", 100, 400);
}

struct Command {
    SymbolRequest symbol;
    double scale = 12;
    bool dump = false;
    std::string output;
    const char* format = "PNG";
};

const char* PictureFormat(const std::string& path) {
    const auto dot = path.rfind('.');
    const QString extension =
        QString::fromStdString(dot == std::string::npos ? std::string{} : path.substr(dot + 1))
            .toLower();
    if (extension == "png") return "PNG";
    if (extension == "bmp") return "BMP";
    Fail("output " + Quoted(path) + " must end in .png or .bmp");
}

Command CheckArguments(const Arguments& args) {
    Command command;
    const std::string* type = args.Find("--type");
    if (!type) Fail(std::string("missing --type (one of ") + kTypeList + ")");
    command.symbol.type = *type;
    if (!args.Has("--data")) Fail("missing --data");
    if (IsEANUPCType(*type))
        FillEANUPC(args, command.symbol);
    else if (*type == kTypeITF14)
        FillITF14(args, command.symbol);
    else if (*type == kTypeUCCEAN128)
        FillUCCEAN128(args, command.symbol);
    else
        Fail("unknown type " + Quoted(*type) + " (one of " + kTypeList + ")");
    if (const std::string* scale = args.Find("--scale")) command.scale = ParseScale(*scale);
    const std::string* output = args.Find("--output");
    if (args.dump && output) Fail("--dump and -o exclude each other");
    if (!args.dump && !output) Fail("give -o FILE.png|FILE.bmp or --dump");
    command.dump = args.dump;
    if (output) {
        command.output = *output;
        command.format = PictureFormat(*output);
    }
    return command;
}

void Dump(const SymbolRequest& symbol, std::ostream& out) {
    if (IsEANUPCType(symbol.type)) {
        out << "main " << EANUPCModules(symbol.type, symbol.digits) << '\n';
        if (symbol.addOnType != "None")
            out << "addon " << AddOnModules(symbol.type, symbol.addOnType, symbol.digits) << '\n';
        if (symbol.type == "ISBN-13")
            out << "isbn " << FormatISBN13(symbol.digits.substr(0, 13)) << '\n';
    } else if (symbol.type == kTypeITF14) {
        out << "elements " << ITF14Elements(symbol.digits) << '\n';
    } else if (symbol.type == kTypeUCCEAN128) {
        Code128Codes codes{};
        std::string hrText;
        EncodeUCCEAN128(symbol.fieldText, codes, hrText);
        out << "codes";
        for (std::size_t i = 0; i < codes.size() && codes[i] != kCodesEnd; ++i)
            out << ' ' << codes[i];
        out << "\ntext " << hrText << '\n';
    }
}

void WritePicture(const Command& command) {
    const TRect extent = MeasureSymbol(command.symbol, command.scale, command.scale);
    if (const std::string problem = PictureSizeProblem(extent); !problem.empty()) Fail(problem);
    const QImage image = PaintSymbolImage(command.symbol, command.scale, command.scale);
    if (image.isNull()) Fail("the picture could not be made (out of memory?)");
    const std::string error =
        SavePicture(image, QString::fromStdString(command.output), command.format, command.scale);
    if (!error.empty()) Fail(error);
}

}  // namespace

std::string RenderUsage() {
    return "Usage: quillmark-render --type TYPE --data DATA [options] (-o FILE.png|FILE.bmp | "
           "--dump)\n"
           "\n"
           "Draws one barcode symbol, black on white, into a PNG or BMP picture.\n"
           "\n"
           "Types and their data:\n"
           "  EAN-13, ISBN-13   13 digits (ISBN-13: beginning with 978)\n"
           "  EAN-8             8 digits\n"
           "  UPC-A             12 digits\n"
           "  UPC-E             8 digits, number system 0 or 1\n"
           "  ITF-14            14 digits\n"
           "  UCC/EAN-128       text; special characters by name in braces: {FNC1} to {FNC4},\n"
           "                    {NUL} to {US}\n"
           "  The last digit is the check digit and must be right.\n"
           "\n"
           "Options:\n"
           "  --addon DIGITS    EAN-13, ISBN-13, UPC-A, UPC-E: a 2-digit or 5-digit add-on\n"
           "  --size PERCENT    EAN/UPC: 80 to 200; ITF-14: 25 to 100 (default 100)\n"
           "  --no-full-border  ITF-14: bearer bars on top and bottom only\n"
           "  --gsize PERCENT   UCC/EAN-128: width, 100 to 407 (default 100)\n"
           "  --vsize PERCENT   UCC/EAN-128: height, 100 to 400 (default 100)\n"
           "  --scale PX_PER_MM pixels per millimetre (default 12)\n"
           "  -o, --output FILE the picture to write; .png or .bmp\n"
           "  --dump            print the module strings instead of writing a picture\n"
           "  --help            this text\n"
           "\n"
           "Exit status: 0 on success, 2 on bad input or a failed write.\n";
}

int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const Arguments parsed = ParseArguments(args);
        if (parsed.help) {
            out << RenderUsage();
            return 0;
        }
        const Command command = CheckArguments(parsed);
        if (!command.dump) {
            WritePicture(command);
            return 0;
        }
        Dump(command.symbol, out);
        if (!out.flush()) Fail("cannot write the dump to standard output");
        return 0;
    } catch (const InputError& error) {
        err << "quillmark-render: " << error.message << '\n';
        return kExitBadInput;
    }
}

}  // namespace quillmark
