// Checks one symbol's inputs and words every refusal in English.
#include "cli/SymbolInput.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

#include "cli/CheckWording.h"
#include "cli/FieldText.h"
#include "symbol/CheckDigit.h"
#include "symbol/SymbolCheck.h"
#include "symbol/SymbolPair.h"

namespace quillmark {

void Fail(std::string message) {
    throw InputError{std::move(message)};
}

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

unsigned short Percent(const std::optional<std::string>& text, const std::string& option, int low,
                       int high) {
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
                 " digits; expected " + std::to_string(check.expected) + " (or " +
                 std::to_string(check.expected - 1) + " without the check digit)");
        case SymbolProblem::CheckDigit:
            // A wrong check digit gives a symbol that scanners reject, so it is refused with the
            // right one rather than mended: the number may have been mistyped anywhere.
            Fail("check digit of " + text + " should be " + std::to_string(check.expected) +
                 ", not " + std::to_string(check.given));
        case SymbolProblem::ISBNPrefix:
            Fail("ISBN-13 data " + Quoted(text) + " must begin with 978 or 979");
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

void Reject(const std::optional<std::string>& value, const char* option,
            const SymbologyInfo& info) {
    if (value)
        Fail(std::string("option ") + option + " does not apply to " + std::string(info.name));
}

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Main digits one short of their length are completed with the check digit the window would
// write; anything else is checked as given.
std::string MainDigits(const SymbologyInfo& info, const std::string& data) {
    std::string digits = data;
    if (digits.size() + 1 == info.digitCount && AllDigits(digits))
        digits = SetCheckDigit(info.id, digits + "0");
    Require(CheckMainDigits(info, digits), "--data", data, info);
    return digits;
}

void FillEANUPC(const SymbolFields& fields, const SymbologyInfo& info, SymbolRequest& symbol) {
    Reject(fields.gSize, "--gsize", info);
    Reject(fields.vSize, "--vsize", info);
    symbol.digits = MainDigits(info, *fields.data);
    if (fields.addOn) {
        Require(CheckAddOn(info, *fields.addOn), "--addon", *fields.addOn, info);
        symbol.addOnType = fields.addOn->size() == 2 ? "2-Digit" : "5-Digit";
        symbol.digits += *fields.addOn;
    }
    symbol.sizePercent = Percent(fields.size, "--size", info.minPercent, info.maxPercent);
}

void FillITF14(const SymbolFields& fields, const SymbologyInfo& info, SymbolRequest& symbol) {
    Reject(fields.addOn, "--addon", info);
    Reject(fields.gSize, "--gsize", info);
    Reject(fields.vSize, "--vsize", info);
    symbol.digits = MainDigits(info, *fields.data);
    symbol.sizePercent = Percent(fields.size, "--size", info.minPercent, info.maxPercent);
    symbol.fullBorder = fields.fullBorder.value_or(true);
}

// The --data element string in the field's notation, checked as the UCC/EAN-128 field checks it.
std::string ElementString(const SymbolFields& fields, const SymbologyInfo& info) {
    const FieldTextResult field = ParseFieldText(NormalizeGS1Notation(*fields.data));
    if (!field.ok) Fail("--data: " + field.error);
    Require(CheckFieldText(field.text), "--data", field.text, info);
    return field.text;
}

void FillUCCEAN128(const SymbolFields& fields, const SymbologyInfo& info, SymbolRequest& symbol) {
    Reject(fields.addOn, "--addon", info);
    Reject(fields.size, "--size", info);
    symbol.fieldText = ElementString(fields, info);
    EncodeRequest(symbol);
    symbol.gSizePercent = Percent(fields.gSize, "--gsize", info.minPercent, info.maxPercent);
    symbol.vSizePercent = Percent(fields.vSize, "--vsize", info.minPercent, info.maxVPercent);
}

double ModuleMm(const std::optional<std::string>& text) {
    if (!text) return kDefaultMatrixModuleMm;
    double mm = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, mm);
    if (text->empty() || error != std::errc{} || stop != end || !(mm >= kMinMatrixModuleMm) ||
        mm > kMaxMatrixModuleMm)
        Fail("--module " + Quoted(*text) + " is not a module size of 0.254 to 1.5 mm");
    return mm;
}

QRLevel ParseQRLevel(const std::string& text) {
    static constexpr std::pair<std::string_view, QRLevel> kLevels[] = {
        {"L", QRLevel::L}, {"M", QRLevel::M}, {"Q", QRLevel::Q}, {"H", QRLevel::H}};
    for (const auto& [name, level] : kLevels)
        if (text.size() == 1 && std::toupper(static_cast<unsigned char>(text[0])) == name[0])
            return level;
    Fail("--ec-level " + Quoted(text) + " is none of L, M, Q, H");
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
        case PairProblem::None:
            break;
    }
    return {};
}

// --pair: the linear symbol of the GTIN, sized and bordered by the linear symbols' options.
void FillPairedLinear(const SymbolFields& fields, SymbolRequest& symbol) {
    const PairedLinear paired = LinearOfGTIN(symbol.fieldText);
    if (paired.problem != PairProblem::None) Fail(PairRefusal(paired));
    const SymbologyInfo& linear = *paired.symbology;
    Require(CheckMainDigits(linear, paired.digits), "--data: the GTIN (01)", paired.gtin, linear);
    if (linear.id != Symbology::ITF14 && !fields.fullBorder.value_or(true))
        Fail("option --no-full-border does not apply to " + std::string(linear.name));
    symbol.pairedLinear = &linear;
    symbol.digits = paired.digits;
    symbol.sizePercent = Percent(fields.size, "--size", linear.minPercent, linear.maxPercent);
    symbol.fullBorder = fields.fullBorder.value_or(true);
    symbol.barReductionDots = fields.barReductionDots;
    symbol.quietZoneMarks = fields.quietZoneMarks;
}

void FillMatrix2D(const SymbolFields& fields, const SymbologyInfo& info, SymbolRequest& symbol) {
    Reject(fields.addOn, "--addon", info);
    if (!fields.pair) Reject(fields.size, "--size", info);
    Reject(fields.gSize, "--gsize", info);
    Reject(fields.vSize, "--vsize", info);
    const bool dataMatrix = info.id == Symbology::GS1DataMatrix;
    if (dataMatrix) Reject(fields.qrLevel, "--ec-level", info);
    if (!dataMatrix && fields.rectangular.value_or(false))
        Fail("option --rectangular does not apply to " + std::string(info.name));
    if (info.id != Symbology::DigitalLinkQR) Reject(fields.stem, "--stem", info);
    symbol.fieldText = ElementString(fields, info);
    if (info.id == Symbology::GS1QR && !BracketedElementString(symbol.fieldText).starts_with('['))
        Fail("--data: a GS1 QR Code needs every AI in parentheses or square brackets");
    symbol.moduleMm = ModuleMm(fields.module);
    symbol.rectangular = fields.rectangular.value_or(false);
    if (fields.qrLevel) symbol.qrLevel = ParseQRLevel(*fields.qrLevel);
    symbol.elementText = fields.elementText.value_or(false);
    if (info.id == Symbology::DigitalLinkQR) {
        const DigitalLinkResult link = DigitalLinkFromElementString(
            symbol.fieldText, fields.stem.value_or(std::string(kDefaultDigitalLinkStem)));
        if (!link.text) Fail("--data: " + DigitalLinkRefusal(link));
        symbol.linkUri = *link.text;
    }
    if (fields.pair) FillPairedLinear(fields, symbol);
    if (const std::string problem = MatrixEncodersProblem(); !problem.empty()) Fail(problem);
    EncodeRequest(symbol);
    if (!symbol.matrix) Fail("--data is too long for one " + std::string(info.name) + " symbol");
}

void RejectMatrixOptions(const SymbolFields& fields, const SymbologyInfo& info) {
    Reject(fields.module, "--module", info);
    Reject(fields.qrLevel, "--ec-level", info);
    if (fields.rectangular.value_or(false))
        Fail("option --rectangular does not apply to " + std::string(info.name));
    if (fields.elementText.value_or(false))
        Fail("option --hri does not apply to " + std::string(info.name));
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

std::string NormalizeGS1Notation(const std::string& data) {
    // Other tools' ways of writing FNC1 would otherwise be encoded as their literal characters,
    // giving a symbol that scans as different data.
    static constexpr std::string_view kEscapes[] = {"]C1", "^FNC1", "<FNC1>", "\\F"};
    for (std::size_t i = 0; i < data.size(); ++i)
        for (const std::string_view escape : kEscapes)
            if (StartsWithNoCase(data, i, escape))
                Fail("--data holds " + Quoted(data.substr(i, escape.size())) + " at position " +
                     std::to_string(i + 1) + ", another program's way of writing FNC1; write " +
                     "{FNC1} (or put each AI in parentheses)");
    // [01]... is the square-bracket notation of other GS1 tools: the same AIs in parentheses.
    std::string text = data;
    for (std::size_t open = text.find('['); open != std::string::npos;
         open = text.find('[', open + 1)) {
        const std::size_t close = text.find(']', open + 1);
        if (close == std::string::npos)
            Fail("--data: \"[\" at position " + std::to_string(open + 1) +
                 " is not closed by \"]\"");
        const std::string ai = text.substr(open + 1, close - open - 1);
        if (ai.size() < 2 || ai.size() > 4 || !AllDigits(ai))
            Fail("--data: " + Quoted("[" + ai + "]") + " at position " + std::to_string(open + 1) +
                 " is not an AI of 2 to 4 digits");
        text[open] = '(';
        text[close] = ')';
    }
    if (const std::size_t close = text.find(']'); close != std::string::npos)
        Fail("--data: \"]\" at position " + std::to_string(close + 1) + " closes no \"[\"");
    return text;
}

SymbolRequest BuildSymbolRequest(const SymbolFields& fields) {
    if (!fields.type) Fail("missing --type (one of " + TypeList() + ")");
    if (!fields.data) Fail("missing --data");
    const SymbologyInfo* info = FindSymbologyByAnyName(*fields.type);
    if (info == nullptr)
        Fail("unknown type " + Quoted(*fields.type) + " (one of " + TypeList() + ")");
    if (fields.pair && !IsMatrix2D(info->id))
        Fail(
            "--pair puts a linear symbol beside a 2D symbol; give --type GS1-DATAMATRIX, GS1-QR "
            "or DL-QR");
    if (info->id != Symbology::ITF14 && !fields.pair && fields.fullBorder.has_value() &&
        !*fields.fullBorder)
        Fail("option --no-full-border does not apply to " + std::string(info->name));
    SymbolRequest symbol;
    symbol.symbology = info;
    if (IsMatrix2D(info->id)) {
        FillMatrix2D(fields, *info, symbol);
        return symbol;
    }
    RejectMatrixOptions(fields, *info);
    if (IsEANUPC(info->id))
        FillEANUPC(fields, *info, symbol);
    else if (info->id == Symbology::ITF14)
        FillITF14(fields, *info, symbol);
    else
        FillUCCEAN128(fields, *info, symbol);
    symbol.barReductionDots = fields.barReductionDots;
    symbol.quietZoneMarks = fields.quietZoneMarks;
    return symbol;
}

}  // namespace quillmark
