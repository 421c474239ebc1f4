// Checks of the GS1 element strings in the UCC/EAN-128 field text by the GS1 AI dictionary.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/Severity.h"

namespace quillmark {

// What is wrong; expected and found of a GS1Finding as given for each.
enum class GS1Problem {
    DataTooShort,           // failure; expected: least length, found: length
    DataTooLong,            // failure; expected: greatest length, found: length
    NonDigit,               // failure; found: the character, in numeric data
    WrongCheckDigit,        // failure, mended; expected, found: the digits
    MissingFNC1,            // failure, mended; expected: the AI that follows without FNC1
    TextTruncated,          // failure; expected: characters, found: characters encoded
    ImpossibleDate,         // failure; found: the YYMMDD (a day the month has not)
    DecimalPointAboveFive,  // failure; expected: the highest decimal-point digit, found: the digit
    SpaceInData,            // warning; printed in the line but never encoded
    TooManyDataCharacters,  // warning; expected: 48, found: the count
    UnknownAI,              // failure; an AI GS1 does not define
    UnclosedAI,             // warning; a "(" without ")"
    DataWithoutAI,          // warning; data that no AI introduces
    NoElementStrings,       // warning; the symbol carries no data
    UnencodableCharacter,   // warning; found: the character code, left out of symbol and line
    SymbolTooWide,          // warning; expected: 165, found: the width, in millimetres
    // The findings below carry the dictionary's name of the linter that made them, if any.
    InvalidCharacter,      // failure; expected: the set ("82", "39", "64"), found: the character
    ControlCharacter,      // failure; found: the character code, a control character in AI data
    TrailingFNC1,          // warning; an FNC1 at the very end adds a symbol character, no data
    InvalidMonth,          // failure; found: the month digits
    InvalidHour,           // failure; found: the hour digits
    InvalidMinute,         // failure; found: the minute digits
    InvalidSecond,         // failure; found: the second digits
    UnknownCountry,        // failure; found: the code, not an ISO 3166 country
    UnknownCurrency,       // failure; found: the code, not an ISO 4217 currency
    WrongCheckCharacters,  // failure; expected, found: the check character pair
    NoCompanyPrefix,       // failure; found: the start of the key, which must be digits
    InvalidValue,          // failure; found: the component; the linter tells which rule
    RequisiteMissing,      // warning in one symbol, failure for a whole label; expected: the
                           // AIs of which one is needed, comma-separated
    ExclusiveAIs,          // failure; expected: the AI it must not appear with
    RepeatedAI,            // failure; expected: the first value, found: this one
};

// The last problem, for going through all of them.
inline constexpr GS1Problem kLastGS1Problem = GS1Problem::RepeatedAI;

// Where the checked data stands: in one symbol of a label, or as all the data of the label.
struct GS1Context {
    // A requisite AI may stand in another symbol of the same label unless this one holds it all.
    bool wholeLabel = false;
};

struct GS1Finding {
    GS1Problem problem = GS1Problem::UnknownAI;
    Severity severity = Severity::Warning;
    std::string ai;            // without parentheses; empty when no AI is concerned
    std::size_t position = 0;  // byte offset in the field text where the problem shows
    std::string expected;
    std::string found;
    // The field text with this finding's one sure mend made (MissingFNC1, WrongCheckDigit).
    std::optional<std::string> mendedText;
    std::string linter;  // the dictionary's name of the linter that found it ("yymmd0"), if any
};

Severity SeverityOf(GS1Problem problem, GS1Context context = {});

// GS1's limit of data characters (AIs included, FNC1 separators not) in one GS1-128 symbol.
inline constexpr std::size_t kMaxGS1DataCharacters = 48;
// The widest GS1-128 symbol, quiet zones included.
inline constexpr double kMaxGS1SymbolWidthMm = 165.0;

// Checks the field text (8-bit notation: FNC1 = 224, NUL..US = 192..223; AIs in parentheses)
// element string by element string by the GS1 AI dictionary, then the pairings of its AIs over the
// whole text. Findings come in the order of the text, the symbol-wide ones last. No findings means
// the text is sound GS1 data.
std::vector<GS1Finding> CheckGS1Text(std::string_view fieldText, GS1Context context = {});

// The symbol's width in millimetres, quiet zones included, at gSizePercent.
double UCCEAN128WidthMm(std::string_view fieldText, unsigned short gSizePercent);

// SymbolTooWide when widthMm is above kMaxGS1SymbolWidthMm.
std::optional<GS1Finding> CheckSymbolWidth(double widthMm);

// The catalogue row of an AI as written ("3103" finds "310y", "233" finds "23x"), or nullopt.
std::optional<int> FindAIRow(std::string_view ai);

}  // namespace quillmark
