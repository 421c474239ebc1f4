// Parses and checks the command line, then dumps the symbol or writes its picture.
#include "cli/RenderCommand.h"

#include <QString>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <system_error>

#include "output/PictureWriter.h"
#include "canvas/SymbolImage.h"
#include "cli/FieldText.h"
#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "encoders/UCCEAN128.h"
#include "isbn/ISBN13.h"
#include "symbol/SymbolCheck.h"
#include "symbol/SymbolRequest.h"
#include "symbol/Symbology.h"

namespace quillmark {
namespace {

constexpr int kExitBadInput = 2;

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

// Words a failed check of option what, whose value was text, in English.
[[noreturn]] void FailCheck(const SymbolCheck& check, const std::string& what,
                            const std::string& text, const SymbologyInfo& info) {
    switch (check.problem) {
        case SymbolProblem::NotADigit:
            Fail(what + " " + Quoted(text) + " holds " +
                 Quoted(std::string(1, text[check.position - 1])) + " at position " +
                 std::to_string(check.position) + "; only digits 0-9 are allowed");
        case SymbolProblem::DigitCount:
            Fail(what + " " + Quoted(text) + " has " + std::to_string(check.count) +
                 " digits; expected " + std::to_string(check.expected));
        case SymbolProblem::CheckDigit:
            // A wrong check digit gives a symbol that scanners reject, so it is refused with the
            // right one.
            Fail("check digit of " + text + " should be " + std::to_string(check.expected) +
                 ", not " + std::to_string(check.given));
        case SymbolProblem::ISBNPrefix:
            Fail("ISBN-13 data " + Quoted(text) + " must begin with 978");
        case SymbolProblem::UPCENumberSystem:
            Fail("UPC-E data " + Quoted(text) + " must begin with number system 0 or 1");
        case SymbolProblem::AddOnNotAllowed:
            Fail(std::string(info.name) + " never carries an add-on");
        case SymbolProblem::AddOnLength:
            Fail(what + " " + Quoted(text) + " must have 2 or 5 digits");
        case SymbolProblem::NothingToEncode:
            Fail(what + " holds nothing to encode (spaces and parentheses are not encoded)");
        case SymbolProblem::TooLong:
            Fail(what + " is too long for one symbol: only its first " +
                 std::to_string(check.count) + " of " + std::to_string(check.expected) +
                 " characters fit");
        case SymbolProblem::UnknownType:
        case SymbolProblem::None:
            break;
    }
    Fail(what + " " + Quoted(text) + " cannot be drawn as " + std::string(info.name));
}

void Require(const SymbolCheck& check, const std::string& what, const std::string& text,
             const SymbologyInfo& info) {
    if (!check.ok()) FailCheck(check, what, text, info);
}

void RejectOptions(const Arguments& args, const SymbologyInfo& info,
                   std::initializer_list<const char*> options) {
    const std::string type(info.name);
    for (const char* option : options)
        if (args.Has(option)) Fail(std::string("option ") + option + " does not apply to " + type);
    if (info.id != Symbology::ITF14 && args.noFullBorder)
        Fail("option --no-full-border does not apply to " + type);
}

unsigned short SizeOption(const Arguments& args, const std::string& option,
                          const SymbologyInfo& info) {
    return PercentOption(args, option, info.minPercent, info.maxPercent);
}

void FillEANUPC(const Arguments& args, const SymbologyInfo& info, SymbolRequest& symbol) {
    RejectOptions(args, info, {"--gsize", "--vsize"});
    const std::string& data = args.values.at("--data");
    Require(CheckMainDigits(info, data), "--data", data, info);
    symbol.digits = data;
    if (const std::string* addOn = args.Find("--addon")) {
        Require(CheckAddOn(info, *addOn), "--addon", *addOn, info);
        symbol.addOnType = addOn->size() == 2 ? "2-Digit" : "5-Digit";
        symbol.digits += *addOn;
    }
    symbol.sizePercent = SizeOption(args, "--size", info);
}

void FillITF14(const Arguments& args, const SymbologyInfo& info, SymbolRequest& symbol) {
    RejectOptions(args, info, {"--addon", "--gsize", "--vsize"});
    const std::string& data = args.values.at("--data");
    Require(CheckMainDigits(info, data), "--data", data, info);
    symbol.digits = data;
    symbol.sizePercent = SizeOption(args, "--size", info);
    symbol.fullBorder = !args.noFullBorder;
}

void FillUCCEAN128(const Arguments& args, const SymbologyInfo& info, SymbolRequest& symbol) {
    RejectOptions(args, info, {"--addon", "--size"});
    const FieldTextResult field = ParseFieldText(args.values.at("--data"));
    if (!field.ok) Fail("--data: " + field.error);
    Require(CheckFieldText(field.text), "--data", field.text, info);
    symbol.fieldText = field.text;
    EncodeRequest(symbol);
    symbol.gSizePercent = SizeOption(args, "--gsize", info);
    symbol.vSizePercent = PercentOption(args, "--vsize", info.minPercent, info.maxVPercent);
}

std::string TypeList() {
    std::string list;
    for (const SymbologyInfo& info : kSymbologies)
        list += (list.empty() ? "" : ", ") + std::string(info.name);
    return list;
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
    if (!type) Fail("missing --type (one of " + TypeList() + ")");
    command.symbol.type = *type;
    if (!args.Has("--data")) Fail("missing --data");
    const SymbologyInfo* info = FindSymbology(*type);
    if (info == nullptr) Fail("unknown type " + Quoted(*type) + " (one of " + TypeList() + ")");
    if (IsEANUPC(info->id))
        FillEANUPC(args, *info, command.symbol);
    else if (info->id == Symbology::ITF14)
        FillITF14(args, *info, command.symbol);
    else
        FillUCCEAN128(args, *info, command.symbol);
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
    const SymbologyInfo& info = *FindSymbology(symbol.type);
    if (IsEANUPC(info.id)) {
        out << "main " << EANUPCModules(symbol.type, symbol.digits) << '\n';
        if (symbol.addOnType != "None")
            out << "addon " << AddOnModules(symbol.type, symbol.addOnType, symbol.digits) << '\n';
        if (info.id == Symbology::ISBN13)
            out << "isbn " << FormatISBN13(symbol.digits.substr(0, 13)) << '\n';
    } else if (info.id == Symbology::ITF14) {
        out << "elements " << ITF14Elements(symbol.digits) << '\n';
    } else {
        const UCCEncoding& encoding = *symbol.encoded;
        out << "codes";
        for (std::size_t i = 0; i < encoding.codes.size() && encoding.codes[i] != kCodesEnd; ++i)
            out << ' ' << encoding.codes[i];
        out << "\ntext " << encoding.hrText << '\n';
    }
}

std::string PictureProblemText(const SymbolPicture& picture) {
    const TRect& extent = picture.extent;
    const std::string size =
        std::to_string(static_cast<long long>(extent.Right) - extent.Left) + " x " +
        std::to_string(static_cast<long long>(extent.Bottom) - extent.Top) + " pixels";
    switch (picture.problem) {
        case PictureProblem::NoArea:
            return "the symbol cannot be laid out at this scale (" + size + ")";
        case PictureProblem::SideTooLong:
            return "the picture would be " + size + "; at most " +
                   std::to_string(kMaxSymbolImageSide) + " pixels a side are supported";
        case PictureProblem::TooManyPixels:
            return "the picture would be " + size + "; at most " +
                   std::to_string(kMaxSymbolImagePixels) + " pixels in all are supported";
        case PictureProblem::OutOfMemory:
            return "the picture of " + size + " could not be made (out of memory)";
        case PictureProblem::None:
            break;
    }
    return {};
}

void WritePicture(const Command& command) {
    const SymbolPicture picture = RenderSymbolPicture(command.symbol, command.scale, command.scale);
    if (picture.problem != PictureProblem::None) Fail(PictureProblemText(picture));
    const std::string error =
        SavePicture(picture.image, QString::fromStdString(command.output), command.format,
                    command.scale);
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
