// Checks one symbol's inputs and words every refusal in English.
#include "cli/SymbolInput.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <initializer_list>
#include <map>
#include <utility>

#include "cli/CheckWording.h"
#include "cli/FieldText.h"
#include "cli/Refusal.h"
#include "symbol/CheckDigit.h"
#include "symbol/SymbolCheck.h"
#include "symbol/SymbolPair.h"

namespace quillmark {

std::string Quoted(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    // Characters are counted as UTF-8 sequences: a byte that does not continue one begins one.
    const auto begins = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    const std::size_t characters =
        static_cast<std::size_t>(std::count_if(text.begin(), text.end(), begins));
    std::string quoted = "\"";
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (begins(text[i]) && shown++ == kQuotedCharacters) break;
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (byte < 32 || byte == 127) {
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 15];
        } else if (byte == 0xC2 && (next & 0xE0) == 0x80) {  // U+0080 to U+009F, C1 controls
            quoted += "\\u00";
            quoted += kHex[next >> 4];
            quoted += kHex[next & 15];
            ++i;
        } else {
            quoted += text[i];
        }
    }
    if (characters <= kQuotedCharacters) return quoted + "\"";
    return quoted + "\xE2\x80\xA6\" (" + std::to_string(characters) + " characters)";
}

std::string TypeList() {
    std::string list;
    for (const SymbologyInfo& info : kSymbologies)
        list += (list.empty() ? "" : ", ") + std::string(info.name);
    return list;
}

namespace {

// Upper case without hyphens, spaces, underscores and slashes: "ean13", "Ean-13" and "EAN 13"
// all become "EAN13".
std::string TypeKey(const std::string& name) {
    std::string key;
    for (const char c : name) {
        if (c == '-' || c == ' ' || c == '_' || c == '/') continue;
        key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return key;
}

// The names other tools and people use, by their key.
const std::map<std::string, Symbology>& OtherNames() {
    static const std::map<std::string, Symbology> names{
        {"ISBN", Symbology::ISBN13},
        {"UPC", Symbology::UPCA},
        {"GS1128", Symbology::UCCEAN128},
        {"EAN128", Symbology::UCCEAN128},
        {"UCC128", Symbology::UCCEAN128},
        {"ITF", Symbology::ITF14},
        {"GS1QR", Symbology::GS1QR},
        {"QR", Symbology::GS1QR},
        {"DATAMATRIX", Symbology::GS1DataMatrix},
        {"DLQR", Symbology::DigitalLinkQR},
    };
    return names;
}

// Sets percent from option's text, 100 when it is absent; a text that is not a whole number from
// low to high is refused.
Result<void> ReadPercent(const std::optional<std::string>& text, const std::string& option, int low,
                         int high, unsigned short& percent) {
    if (!text) {
        percent = 100;
        return {};
    }
    int value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (text->empty() || error == std::errc::invalid_argument || stop != end)
        return Failure{option + " " + Quoted(*text) + " is not a whole number of percent"};
    if (error != std::errc{} || value < low || value > high)
        return Failure{option + " " + Quoted(*text) + " is outside " + std::to_string(low) +
                       " to " + std::to_string(high)};
    percent = static_cast<unsigned short>(value);
    return {};
}

// Words a failed check of option what, whose value was text, in English.
std::string CheckRefusal(const SymbolCheck& check, const std::string& what, const std::string& text,
                         const SymbologyInfo& info) {
    switch (check.problem) {
        case SymbolProblem::NotADigit:
            return what + " " + Quoted(text) + " holds " +
                   Quoted(std::string(1, text[check.position - 1])) + " at position " +
                   std::to_string(check.position) + "; only digits 0-9 are allowed";
        case SymbolProblem::DigitCount:
            return what + " " + Quoted(text) + " has " + std::to_string(check.count) +
                   " digits; expected " + std::to_string(check.expected) + " (or " +
                   std::to_string(check.expected - 1) + " without the check digit)";
        case SymbolProblem::CheckDigit:
            // A wrong check digit gives a symbol that scanners reject, so it is refused with the
            // right one rather than mended: the number may have been mistyped anywhere.
            return "check digit of " + text + " should be " + std::to_string(check.expected) +
                   ", not " + std::to_string(check.given);
        case SymbolProblem::ISBNPrefix:
            return "ISBN-13 data " + Quoted(text) + " must begin with 978 or 979";
        case SymbolProblem::UPCENumberSystem:
            return "UPC-E data " + Quoted(text) + " must begin with number system 0 or 1";
        case SymbolProblem::AddOnNotAllowed:
            return std::string(info.name) + " never carries an add-on";
        case SymbolProblem::AddOnLength:
            return what + " " + Quoted(text) + " must have 2 or 5 digits";
        case SymbolProblem::NothingToEncode:
            return what + " holds nothing to encode (spaces and parentheses are not encoded)";
        case SymbolProblem::TooLong:
            return what + " is too long for one symbol: only its first " +
                   std::to_string(check.count) + " of " + std::to_string(check.expected) +
                   " characters fit";
        case SymbolProblem::UnknownType:
        case SymbolProblem::None:
            break;
    }
    return what + " " + Quoted(text) + " cannot be drawn as " + std::string(info.name);
}

Result<void> Require(const SymbolCheck& check, const std::string& what, const std::string& text,
                     const SymbologyInfo& info) {
    if (check.ok()) return {};
    return Failure{CheckRefusal(check, what, text, info)};
}

// An option the symbology takes no value for, and whether it was given.
struct Inapplicable {
    bool given;
    const char* option;
};

// Refuses the first of options that was given.
Result<void> Reject(std::initializer_list<Inapplicable> options, const SymbologyInfo& info) {
    for (const Inapplicable& o : options)
        if (o.given)
            return Failure{std::string("option ") + o.option + " does not apply to " +
                           std::string(info.name)};
    return {};
}

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Main digits one short of their length are completed with the check digit the window would
// write; anything else is checked as given.
Result<void> ReadMainDigits(const SymbologyInfo& info, const std::string& data,
                            SymbolRequest& symbol) {
    symbol.digits = data;
    if (data.size() + 1 == info.digitCount && AllDigits(data))
        symbol.digits = SetCheckDigit(info.id, data + "0");
    return Require(CheckMainDigits(info, symbol.digits), "--data", data, info);
}

Result<void> FillEANUPC(const SymbolFields& fields, const SymbologyInfo& info,
                        SymbolRequest& symbol) {
    const Result<void> rejected = Reject(
        {{fields.gSize.has_value(), "--gsize"}, {fields.vSize.has_value(), "--vsize"}}, info);
    if (!rejected) return rejected;
    if (Result<void> r = ReadMainDigits(info, *fields.data, symbol); !r) return r;
    if (fields.addOn) {
        const Result<void> checked =
            Require(CheckAddOn(info, *fields.addOn), "--addon", *fields.addOn, info);
        if (!checked) return checked;
        symbol.addOnType = fields.addOn->size() == 2 ? "2-Digit" : "5-Digit";
        symbol.digits += *fields.addOn;
    }
    return ReadPercent(fields.size, "--size", info.minPercent, info.maxPercent, symbol.sizePercent);
}

Result<void> FillITF14(const SymbolFields& fields, const SymbologyInfo& info,
                       SymbolRequest& symbol) {
    const Result<void> rejected = Reject({{fields.addOn.has_value(), "--addon"},
                                          {fields.gSize.has_value(), "--gsize"},
                                          {fields.vSize.has_value(), "--vsize"}},
                                         info);
    if (!rejected) return rejected;
    if (Result<void> r = ReadMainDigits(info, *fields.data, symbol); !r) return r;
    symbol.fullBorder = fields.fullBorder.value_or(true);
    return ReadPercent(fields.size, "--size", info.minPercent, info.maxPercent, symbol.sizePercent);
}

// The --data element string in the field's notation, checked as the UCC/EAN-128 field checks it.
Result<void> ReadElementString(const SymbolFields& fields, const SymbologyInfo& info,
                               SymbolRequest& symbol) {
    const Result<std::string> notation = NormalizeGS1Notation(*fields.data);
    if (!notation) return FailureOf(notation);
    const FieldTextResult field = ParseFieldText(*notation);
    if (!field.ok) return Failure{"--data: " + field.error};
    symbol.fieldText = field.text;
    return Require(CheckFieldText(field.text), "--data", field.text, info);
}

Result<void> FillUCCEAN128(const SymbolFields& fields, const SymbologyInfo& info,
                           SymbolRequest& symbol) {
    const Result<void> rejected =
        Reject({{fields.addOn.has_value(), "--addon"}, {fields.size.has_value(), "--size"}}, info);
    if (!rejected) return rejected;
    if (Result<void> r = ReadElementString(fields, info, symbol); !r) return r;
    EncodeRequest(symbol);
    const Result<void> read =
        ReadPercent(fields.gSize, "--gsize", info.minPercent, info.maxPercent, symbol.gSizePercent);
    if (!read) return read;
    return ReadPercent(fields.vSize, "--vsize", info.minPercent, info.maxVPercent,
                       symbol.vSizePercent);
}

Result<double> ModuleMm(const std::optional<std::string>& text) {
    if (!text) return kDefaultMatrixModuleMm;
    double mm = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, mm);
    if (text->empty() || error != std::errc{} || stop != end || !(mm >= kMinMatrixModuleMm) ||
        mm > kMaxMatrixModuleMm)
        return Failure{"--module " + Quoted(*text) + " is not a module size of 0.254 to 1.5 mm"};
    return mm;
}

Result<QRLevel> ParseQRLevel(const std::string& text) {
    static constexpr std::pair<std::string_view, QRLevel> kLevels[] = {
        {"L", QRLevel::L}, {"M", QRLevel::M}, {"Q", QRLevel::Q}, {"H", QRLevel::H}};
    for (const auto& [name, level] : kLevels)
        if (text.size() == 1 && std::toupper(static_cast<unsigned char>(text[0])) == name[0])
            return level;
    return Failure{"--ec-level " + Quoted(text) + " is none of L, M, Q, H"};
}

// What --pair words for each problem of the (01) it pairs.
std::string PairRefusal(const PairedLinear& paired) {
    switch (paired.problem) {
        case PairProblem::NoGTIN:
            return "--pair needs a GTIN, (01), in --data: the linear symbol carries it";
        case PairProblem::GTINNotDigits:
            return "--pair: the GTIN (01) " + Quoted(paired.gtin) + " is not 14 digits";
        case PairProblem::VariableMeasure:
            return "--pair: the GTIN (01) " + Quoted(paired.gtin) +
                   " has indicator digit 9 (a variable measure item); EAN-13, UPC-A, EAN-8 and " +
                   "ITF-14 carry GTINs with indicator 0 to 8";
        case PairProblem::WrongCheckDigit:
            return CheckRefusal(paired.check, "--data: the GTIN (01)", paired.gtin,
                                *paired.symbology);
        case PairProblem::None:
            break;
    }
    return {};
}

// --pair: the linear symbol of the GTIN, sized and bordered by the linear symbols' options.
Result<void> FillPairedLinear(const SymbolFields& fields, SymbolRequest& symbol) {
    const PairedLinear paired = LinearOfGTIN(symbol.fieldText);
    if (paired.problem != PairProblem::None) return Failure{PairRefusal(paired)};
    const SymbologyInfo& linear = *paired.symbology;
    const bool topBottom = !fields.fullBorder.value_or(true);
    const Result<void> rejected =
        Reject({{linear.id != Symbology::ITF14 && topBottom, "--no-full-border"}}, linear);
    if (!rejected) return rejected;
    symbol.pairedLinear = &linear;
    symbol.digits = paired.digits;
    symbol.fullBorder = !topBottom;
    symbol.barReductionDots = fields.barReductionDots;
    symbol.quietZoneMarks = fields.quietZoneMarks;
    return ReadPercent(fields.size, "--size", linear.minPercent, linear.maxPercent,
                       symbol.sizePercent);
}

// The 2D symbol's own options: module, form, error correction, element string and Digital Link.
Result<void> ReadMatrixOptions(const SymbolFields& fields, const SymbologyInfo& info,
                               SymbolRequest& symbol) {
    const Result<double> moduleMm = ModuleMm(fields.module);
    if (!moduleMm) return FailureOf(moduleMm);
    symbol.moduleMm = *moduleMm;
    symbol.rectangular = fields.rectangular.value_or(false);
    if (fields.qrLevel) {
        const Result<QRLevel> level = ParseQRLevel(*fields.qrLevel);
        if (!level) return FailureOf(level);
        symbol.qrLevel = *level;
    }
    symbol.elementText = fields.elementText.value_or(false);
    if (info.id == Symbology::DigitalLinkQR) {
        const DigitalLinkResult link = DigitalLinkFromElementString(
            symbol.fieldText, fields.stem.value_or(std::string(kDefaultDigitalLinkStem)));
        if (!link.text) return Failure{"--data: " + DigitalLinkRefusal(link)};
        symbol.linkUri = *link.text;
    }
    return {};
}

Result<void> FillMatrix2D(const SymbolFields& fields, const SymbologyInfo& info,
                          SymbolRequest& symbol) {
    const bool dataMatrix = info.id == Symbology::GS1DataMatrix;
    const Result<void> rejected =
        Reject({{fields.addOn.has_value(), "--addon"},
                {!fields.pair && fields.size.has_value(), "--size"},
                {fields.gSize.has_value(), "--gsize"},
                {fields.vSize.has_value(), "--vsize"},
                {dataMatrix && fields.qrLevel.has_value(), "--ec-level"},
                {!dataMatrix && fields.rectangular.value_or(false), "--rectangular"},
                {info.id != Symbology::DigitalLinkQR && fields.stem.has_value(), "--stem"}},
               info);
    if (!rejected) return rejected;
    if (Result<void> r = ReadElementString(fields, info, symbol); !r) return r;
    if (info.id == Symbology::GS1QR && !BracketedElementString(symbol.fieldText).starts_with('['))
        return Failure{"--data: a GS1 QR Code needs every AI in parentheses or square brackets"};
    if (Result<void> r = ReadMatrixOptions(fields, info, symbol); !r) return r;
    if (fields.pair) {
        const Result<void> paired = FillPairedLinear(fields, symbol);
        if (!paired) return paired;
    }
    if (std::string problem = MatrixEncodersProblem(); !problem.empty())
        return Failure{std::move(problem)};
    EncodeRequest(symbol);
    if (!symbol.matrix)
        return Failure{"--data is too long for one " + std::string(info.name) + " symbol"};
    return {};
}

// The options of the 2D symbols, refused for a linear one.
Result<void> RejectMatrixOptions(const SymbolFields& fields, const SymbologyInfo& info) {
    return Reject({{fields.module.has_value(), "--module"},
                   {fields.qrLevel.has_value(), "--ec-level"},
                   {fields.rectangular.value_or(false), "--rectangular"},
                   {fields.elementText.value_or(false), "--hri"}},
                  info);
}

// The linear symbol's own fields, its bar reduction and quiet-zone marks.
Result<void> FillLinear(const SymbolFields& fields, const SymbologyInfo& info,
                        SymbolRequest& symbol) {
    if (Result<void> r = RejectMatrixOptions(fields, info); !r) return r;
    symbol.barReductionDots = fields.barReductionDots;
    symbol.quietZoneMarks = fields.quietZoneMarks;
    if (IsEANUPC(info.id)) return FillEANUPC(fields, info, symbol);
    if (info.id == Symbology::ITF14) return FillITF14(fields, info, symbol);
    return FillUCCEAN128(fields, info, symbol);
}

bool StartsWithNoCase(const std::string& text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[at + i])) != prefix[i]) return false;
    return true;
}

}  // namespace

std::string DigitalLinkRefusal(const DigitalLinkResult& result) {
    return result.finding ? DescribeGS1Finding(*result.finding) : result.reason;
}

const SymbologyInfo* FindSymbologyByAnyName(const std::string& name) {
    const std::string key = TypeKey(name);
    if (key.empty()) return nullptr;
    for (const SymbologyInfo& info : kSymbologies)
        if (TypeKey(std::string(info.name)) == key) return &info;
    const auto other = OtherNames().find(key);
    return other == OtherNames().end() ? nullptr : &SymbologyOf(other->second);
}

Result<std::string> NormalizeGS1Notation(const std::string& data) {
    // Other tools' ways of writing FNC1 would otherwise be encoded as their literal characters,
    // giving a symbol that scans as different data.
    static constexpr std::string_view kEscapes[] = {"]C1", "^FNC1", "<FNC1>", "\\F"};
    for (std::size_t i = 0; i < data.size(); ++i)
        for (const std::string_view escape : kEscapes)
            if (StartsWithNoCase(data, i, escape))
                return Failure{"--data holds " + Quoted(data.substr(i, escape.size())) +
                               " at position " + std::to_string(i + 1) +
                               ", another program's way of writing FNC1; write " +
                               "{FNC1} (or put each AI in parentheses)"};
    // [01]... is the square-bracket notation of other GS1 tools: the same AIs in parentheses.
    std::string text = data;
    for (std::size_t open = text.find('['); open != std::string::npos;
         open = text.find('[', open + 1)) {
        const std::size_t close = text.find(']', open + 1);
        if (close == std::string::npos)
            return Failure{"--data: \"[\" at position " + std::to_string(open + 1) +
                           " is not closed by \"]\""};
        const std::string ai = text.substr(open + 1, close - open - 1);
        if (ai.size() < 2 || ai.size() > 4 || !AllDigits(ai))
            return Failure{"--data: " + Quoted("[" + ai + "]") + " at position " +
                           std::to_string(open + 1) + " is not an AI of 2 to 4 digits"};
        text[open] = '(';
        text[close] = ')';
    }
    if (const std::size_t close = text.find(']'); close != std::string::npos)
        return Failure{"--data: \"]\" at position " + std::to_string(close + 1) +
                       " closes no \"[\""};
    return text;
}

Result<SymbolRequest> BuildSymbolRequest(const SymbolFields& fields) {
    if (!fields.type) return Failure{"missing --type (one of " + TypeList() + ")"};
    if (!fields.data) return Failure{"missing --data"};
    const SymbologyInfo* info = FindSymbologyByAnyName(*fields.type);
    if (info == nullptr)
        return Failure{"unknown type " + Quoted(*fields.type) + " (one of " + TypeList() + ")"};
    if (fields.pair && !IsMatrix2D(info->id))
        return Failure{
            "--pair puts a linear symbol beside a 2D symbol; give --type GS1-DATAMATRIX, GS1-QR "
            "or DL-QR"};
    const bool topBottom = !fields.fullBorder.value_or(true);
    const Result<void> rejected = Reject(
        {{info->id != Symbology::ITF14 && !fields.pair && topBottom, "--no-full-border"}}, *info);
    if (!rejected) return FailureOf(rejected);
    SymbolRequest symbol;
    symbol.symbology = info;
    const Result<void> filled = IsMatrix2D(info->id) ? FillMatrix2D(fields, *info, symbol)
                                                     : FillLinear(fields, *info, symbol);
    if (!filled) return FailureOf(filled);
    return symbol;
}

}  // namespace quillmark
