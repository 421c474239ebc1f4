// The symbol checks' findings in English words, one line each, for the command line.
#include "cli/CheckWording.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "ai/FieldCharacters.h"

namespace quillmark {

namespace {

std::string Fixed(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

std::string Percent(double fraction) {
    return Fixed(std::round(fraction * 100), 0) + " %";
}

char GradeLetter(ContrastGrade grade) {
    return "ABCDF"[static_cast<int>(grade)];
}

// "AI (10)" or, for a finding of the whole symbol, "symbol".
std::string Subject(const GS1Finding& f) {
    return f.ai.empty() ? std::string("symbol") : "AI (" + f.ai + ")";
}

std::string Position(const GS1Finding& f) {
    return "at position " + std::to_string(f.position + 1);
}

// The text with the name of the linter that found it, for looking it up in the dictionary.
std::string Linted(const GS1Finding& f, const std::string& text) {
    return f.linter.empty() ? text : text + " (" + f.linter + ")";
}

// "(02) or (8026)" of "02,8026".
std::string Alternatives(const std::string& list) {
    std::string out = "(";
    for (const char c : list) out += c == ',' ? std::string(") or (") : std::string(1, c);
    return out + ")";
}

// The rule a value broke, by the linter that found it.
std::string RuleOf(const std::string& linter) {
    static const std::pair<const char*, const char*> kRules[] = {
        {"yesno", "must be 0 or 1"},
        {"zero", "must be 0"},
        {"nonzero", "must not be zero"},
        {"winding", "must be 0, 1 or 9"},
        {"pieceoftotal", "must be a piece number from 1 to the total"},
        {"nozeroprefix", "must not begin with 0"},
        {"hyphen", "must be a hyphen"},
        {"mediatype", "is not a media type code"},
        {"importeridx", "is not an importer index"},
        {"latitude", "is beyond 90 degrees of latitude"},
        {"longitude", "is beyond 180 degrees of longitude"},
        {"pcenc", "is not a percent sign with two hexadecimal digits"},
        {"iban", "is not a valid IBAN"},
        {"couponcode", "breaks the structure of a coupon code"},
        {"couponposoffer", "breaks the structure of a coupon offer"},
        {"mmoptss", "is not minutes (MM) or minutes and seconds (MMSS)"},
        {"csumalpha", "is too short or long for check characters"},
        {"iso3166list", "is not a list of three-digit country codes"},
    };
    for (const auto& [name, rule] : kRules)
        if (linter == name) return rule;
    return "is not valid here";
}

// "size table (general-distribution): ".
std::string TablePrefix(Application application) {
    return "size table (" + std::string(ApplicationName(application)) + "): ";
}

// "; --gsize 200 meets it": the option and magnification that mend a size finding.
std::string MendWords(SizeMend mend, unsigned short percent) {
    const auto meets = [percent](const char* option) {
        return std::string("; ") + option + " " + std::to_string(percent) + " meets it";
    };
    switch (mend) {
        case SizeMend::Size:
            return meets("--size");
        case SizeMend::HorizontalSize:
            return meets("--gsize");
        case SizeMend::VerticalSize:
            return meets("--vsize");
        case SizeMend::None:
            break;
    }
    return "; no magnification of this symbol meets it";
}

// The finding's words followed by what its failure or its warning means for the user.
std::string WithConsequence(std::string text, Severity severity, const char* failure,
                            const char* warning) {
    if (severity == Severity::Failure) return text + failure;
    if (severity == Severity::Warning) return text + warning;
    return text;
}

// The data as scanned, with its add-on after " + ".
std::string ScanShown(bool gs1, const std::string& text, const std::string& addOn) {
    const std::string main = ScanDataWord(text, gs1);
    return addOn.empty() ? main : main + " + " + addOn;
}

}  // namespace

std::string SeverityWord(Severity severity) {
    switch (severity) {
        case Severity::Pass:
            return "pass";
        case Severity::Warning:
            return "warning";
        case Severity::Failure:
            break;
    }
    return "failure";
}

std::string CharacterWord(unsigned char c) {
    if (c >= 32 && c < 127) return std::string(1, static_cast<char>(c));
    if (const std::optional<int> index = SpecialCharIndexOfCode(c))
        return "{" + std::string(SpecialCharNames[static_cast<std::size_t>(*index)]) + "}";
    return "<" + std::to_string(c) + ">";
}

std::string DescribeContrast(const ContrastResult& c) {
    if (c.inverted)
        return "colours: the lines are lighter than the background under a scanner's red light "
               "(inverted); many scanners refuse such symbols";
    return WithConsequence("colours: symbol contrast under red light " + Percent(c.symbolContrast) +
                               ", grade " + GradeLetter(c.grade),
                           c.severity, "; a scanner can hardly tell the lines from the background",
                           "; not every scanner reads it");
}

std::string DescribeGS1Finding(const GS1Finding& f) {
    const std::string ai = Subject(f);
    switch (f.problem) {
        case GS1Problem::DataTooShort:
            return ai + ": data of " + f.found + " characters, at least " + f.expected + " needed";
        case GS1Problem::DataTooLong:
            return ai + ": data of " + f.found + " characters, at most " + f.expected + " allowed";
        case GS1Problem::NonDigit:
            return ai + ": \"" + CharacterWord(static_cast<unsigned char>(f.found[0])) + "\" " +
                   Position(f) + " in data that takes digits only";
        case GS1Problem::WrongCheckDigit:
            return ai + ": check digit should be " + f.expected + ", not " + f.found;
        case GS1Problem::MissingFNC1:
            return ai + ": no {FNC1} before (" + f.expected + "); a reader takes (" + f.expected +
                   ") as data of " + ai;
        case GS1Problem::TextTruncated:
            return "symbol: only the first " + f.found + " of " + f.expected +
                   " characters fit into the symbol";
        case GS1Problem::ImpossibleDate:
            return Linted(f, ai + ": " + f.found + " is no date (YYMMDD)");
        case GS1Problem::DecimalPointAboveFive:
            return ai + ": decimal point position " + f.found + " is above " + f.expected;
        case GS1Problem::SpaceInData:
            return ai + ": the space " + Position(f) + " is printed but not encoded";
        case GS1Problem::TooManyDataCharacters:
            return "symbol: " + f.found + " data characters, GS1 allows at most " + f.expected;
        case GS1Problem::UnknownAI:
            return ai + " is not a GS1 Application Identifier";
        case GS1Problem::UnclosedAI:
            return "AI (" + f.ai + " has no closing parenthesis";
        case GS1Problem::DataWithoutAI:
            return "symbol: data " + Position(f) + " follows no AI";
        case GS1Problem::NoElementStrings:
            return "symbol: no GS1 data";
        case GS1Problem::UnencodableCharacter:
            return "symbol: character " +
                   CharacterWord(static_cast<unsigned char>(std::stoi(f.found))) + " " +
                   Position(f) + " cannot be encoded and is left out";
        case GS1Problem::SymbolTooWide:
            return "symbol: " + f.found + " mm wide, more than the " + f.expected + " mm allowed";
        case GS1Problem::InvalidCharacter:
            return ai + ": \"" + CharacterWord(static_cast<unsigned char>(f.found[0])) + "\" " +
                   Position(f) + " is not in CSET " + f.expected;
        case GS1Problem::ControlCharacter:
            return ai + ": control character " +
                   CharacterWord(static_cast<unsigned char>(std::stoi(f.found))) + " " +
                   Position(f) + " inside the data";
        case GS1Problem::TrailingFNC1:
            return "symbol: the {FNC1} at the end adds a symbol character and no data";
        case GS1Problem::InvalidMonth:
            return Linted(f, ai + ": invalid month " + f.found);
        case GS1Problem::InvalidHour:
            return Linted(f, ai + ": invalid hour " + f.found);
        case GS1Problem::InvalidMinute:
            return Linted(f, ai + ": invalid minute " + f.found);
        case GS1Problem::InvalidSecond:
            return Linted(f, ai + ": invalid second " + f.found);
        case GS1Problem::UnknownCountry:
            return Linted(f, ai + ": " + f.found + " is not an ISO 3166 country code");
        case GS1Problem::UnknownCurrency:
            return Linted(f, ai + ": " + f.found + " is not an ISO 4217 currency code");
        case GS1Problem::WrongCheckCharacters:
            return Linted(f,
                          ai + ": check characters should be " + f.expected + ", not " + f.found);
        case GS1Problem::NoCompanyPrefix:
            return Linted(f, ai + ": \"" + f.found +
                                 "\" does not begin a GS1 Company Prefix of at least 4 digits");
        case GS1Problem::InvalidValue:
            return Linted(f, ai + ": \"" + f.found + "\" " + RuleOf(f.linter));
        case GS1Problem::RequisiteMissing:
            if (f.severity == Severity::Failure)
                return ai + " needs AI " + Alternatives(f.expected) + ", which the label lacks";
            return ai + " needs AI " + Alternatives(f.expected) +
                   " in this symbol or another symbol of the same label";
        case GS1Problem::ExclusiveAIs:
            return ai + " must not appear with AI (" + f.expected + ")";
        case GS1Problem::RepeatedAI:
            return ai + " appears twice with different data: " + f.expected + " and " + f.found;
    }
    return ai;
}

std::string DescribeModule(const ModuleGeometry& m, double dotsPerMm) {
    return WithConsequence("module: " + Fixed(m.dots, 2) + " dots at " + Fixed(dotsPerMm, 2) +
                               " dots/mm, printed " + std::to_string(m.wholeDots) +
                               " dots = " + Fixed(m.printedMm, 3) + " mm (nominal " +
                               Fixed(m.nominalMm, 3) + " mm)",
                           m.severity, "; under half a dot the bars vanish",
                           "; modules under 2 dots print unreliably");
}

std::string DescribeSizeTable(const SizeTableFinding& table) {
    const SizeFinding& f = table.finding;
    const std::string mend = f.mendModuleMm > 0
                                 ? "; --module " + Fixed(f.mendModuleMm, 3) + " meets it"
                                 : MendWords(table.mend, f.mendPercent);
    std::string text = TablePrefix(table.application);
    // "X-dimension 0.200 mm is below the minimum 0.264 mm", the limit named by bound.
    const auto xDimension = [&](const char* bound) {
        return text + "X-dimension " + Fixed(f.found, 3) + " mm is " + bound + " " +
               Fixed(f.expected, 3) + " mm" + mend;
    };
    switch (f.problem) {
        case SizeProblem::NotListed:
            return text + "GS1's table for this application has no row for " +
                   std::string(SymbologyOf(table.symbology).name);
        case SizeProblem::XBelowMinimum:
            return xDimension("below the minimum");
        case SizeProblem::XAboveMaximum:
            return xDimension("above the maximum");
        case SizeProblem::XOffTarget:
            return xDimension("away from the target");
        case SizeProblem::BarsTooShort:
            return text + "bars " + Fixed(f.found, 2) + " mm high are below the least " +
                   Fixed(f.expected, 2) + " mm for this X-dimension" + mend;
        case SizeProblem::QuietZone:
            return text + "quiet zones of " + Fixed(f.found, 0) + " modules are below the " +
                   Fixed(f.expected, 0) + " the table asks for";
    }
    return text;
}

std::string ScanDataWord(const std::string& data, bool gs1) {
    std::string out;
    for (const char ch : data) {
        const auto c = static_cast<unsigned char>(ch);
        if (gs1 && c == kGroupSeparator) {
            out += "{FNC1}";
        } else {
            out += CharacterWord(c < 32 ? NotationOfControl(c) : c);
        }
    }
    return out;
}

std::string DescribeScan(const ScanFinding& scan) {
    switch (scan.verdict) {
        case ScanVerdict::Reads:
            return "scan-back: reads " + ScanShown(scan.gs1, scan.text, scan.addOn);
        case ScanVerdict::ReadsNotAsGS1:
            return "scan-back: reads " + ScanShown(scan.gs1, scan.text, {}) +
                   " but not as GS1 data";
        case ScanVerdict::ReadsWithoutAddOn:
            return "scan-back: reads " + ScanShown(scan.gs1, scan.text, {}) +
                   " without the add-on " + scan.expectedAddOn;
        case ScanVerdict::ReadsOther:
            return "scan-back: reads " + ScanShown(scan.gs1, scan.text, scan.addOn) +
                   " instead of " + ScanShown(scan.gs1, scan.expectedText, scan.expectedAddOn);
        case ScanVerdict::NoPicture:
            return "scan-back: no picture can be made at this resolution";
        case ScanVerdict::NoSymbol:
            return "scan-back: the data make no symbol";
        case ScanVerdict::NothingRead:
            break;
    }
    return "scan-back: nothing read";
}

std::string DescribeScanAgainstExpected(const ScanFinding& scan) {
    return DescribeScan(scan) + " (expected " +
           ScanShown(scan.gs1, scan.expectedText, scan.expectedAddOn) + ")";
}

std::string DescribeFinding(const Finding& finding) {
    return std::visit(
        Overloaded{
            [](const ScanFinding& f) { return DescribeScan(f); },
            [](const ContrastResult& f) { return DescribeContrast(f); },
            [](const GS1Finding& f) { return DescribeGS1Finding(f); },
            [](const ModuleFinding& f) { return DescribeModule(f.module, f.dotsPerMm); },
            [](const NoModuleFinding&) {
                return std::string("module: no module at this size and resolution");
            },
            [](const SizeTableFinding& f) { return DescribeSizeTable(f); },
            [](const SizeTableMet& f) { return TablePrefix(f.application) + "meets GS1's table"; },
        },
        finding.detail);
}

std::string FindingLine(Severity severity, const std::string& text) {
    return SeverityWord(severity) + ": " + text;
}

}  // namespace quillmark
