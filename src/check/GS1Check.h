// Checks of the GS1 element strings in the UCC/EAN-128 field text against the AI catalogue.
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
    NonDigit,               // failure; found: the character, in fixed-length (numeric) data
    WrongCheckDigit,        // failure, mended; expected, found: the digits
    MissingFNC1,            // failure, mended; expected: the AI that follows without FNC1
    TextTruncated,          // failure; expected: characters, found: characters encoded
    ImpossibleDate,         // warning; found: the YYMMDD
    DecimalPointAboveFive,  // warning; found: the decimal-point digit
    SpaceInData,            // warning; printed in the line but never encoded
    TooManyDataCharacters,  // warning; expected: 48, found: the count
    UnknownAI,              // warning; not in the catalogue (GS1 defines more)
    UnclosedAI,             // warning; a "(" without ")"
    DataWithoutAI,          // warning; data that no AI introduces
    NoElementStrings,       // warning; the symbol carries no data
    UnencodableCharacter,   // warning; found: the character code, left out of symbol and line
    SymbolTooWide,          // warning; expected: 165, found: the width, in millimetres
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
};

Severity SeverityOf(GS1Problem problem);

// GS1's limit of data characters (AIs included, FNC1 separators not) in one GS1-128 symbol.
inline constexpr std::size_t kMaxGS1DataCharacters = 48;
// The widest GS1-128 symbol, quiet zones included.
inline constexpr double kMaxGS1SymbolWidthMm = 165.0;

// Checks the field text (8-bit notation: FNC1 = 224, NUL..US = 192..223; AIs in parentheses)
// element string by element string. Findings come in the order of the text, the symbol-wide ones
// last. No findings means the text is sound GS1 data.
std::vector<GS1Finding> CheckGS1Text(std::string_view fieldText);

// The symbol's width in millimetres, quiet zones included, at gSizePercent.
double UCCEAN128WidthMm(std::string_view fieldText, unsigned short gSizePercent);

// SymbolTooWide when widthMm is above kMaxGS1SymbolWidthMm.
std::optional<GS1Finding> CheckSymbolWidth(double widthMm);

// The catalogue row of an AI as written ("3103" finds "310y", "233" finds "23x"), or nullopt.
std::optional<int> FindAIRow(std::string_view ai);

}  // namespace quillmark
