// The GS1 Application Identifier dictionary: each AI's data components, linters and pairings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "check/RowText.h"

namespace quillmark {

// The content checks the dictionary names for a component, spelled as it spells them.
enum class GS1Linter : std::uint8_t {
    none,
    couponcode,
    couponposoffer,
    csum,
    csumalpha,
    hhmm,
    hyphen,
    iban,
    importeridx,
    iso3166,
    iso3166999,
    iso3166alpha2,
    iso3166list,
    iso4217,
    key,
    latitude,
    longitude,
    mediatype,
    mmoptss,
    nonzero,
    nozeroprefix,
    pcenc,
    pieceoftotal,
    winding,
    yesno,
    yymmd0,
    yymmdd,
    yymmddhh,
    zero,
};

struct GS1Component {
    char type;  // 'N' digits, 'X' character set 82, 'Y' set 39, 'Z' set 64
    std::uint8_t minLength, maxLength;
    bool optional;  // may be left out, with every component after it
    std::array<GS1Linter, 2> linters;
};

struct GS1AIEntry {
    RowText<4> first, last;  // the AIs it covers, all of one length ("3100".."3105")
    bool predefinedLength;   // a reader knows where the data ends: no FNC1 after it
    std::array<GS1Component, 5> components;
    std::uint8_t componentCount;
    // Each non-empty one is a requirement: one of its comma-separated AIs or patterns must be
    // present ("31nn" stands for any four-digit AI starting 31).
    std::array<RowText<47>, 2> requisites;
    RowText<31> excluded;  // AIs or patterns that must not appear with it
    RowText<31> title;
    bool digitalLinkKey;  // a primary key of a Digital Link URI, the first AI of its path
    // The qualifier AIs that may follow the key in the path, in order, comma-separated; "|"
    // between alternative sequences ("22,10,21|235").
    RowText<15> digitalLinkQualifiers;

    std::span<const GS1Component> Components() const { return {components.data(), componentCount}; }
};

std::span<const GS1AIEntry> GS1DictionaryEntries();

// The entry covering the AI, or nullptr when the dictionary does not define it.
const GS1AIEntry* FindGS1AI(std::string_view ai);

// Whether the AI matches the pattern, where "n" stands for any digit.
bool MatchesAIPattern(std::string_view pattern, std::string_view ai);
// Whether the AI matches one of the comma-separated patterns of list.
bool MatchesAnyAIPattern(std::string_view list, std::string_view ai);

// The linter's name as the dictionary writes it; empty for none.
std::string_view LinterName(GS1Linter linter);

// Data as a reader transmits it (AIs and their data, a GS after data of variable length) written
// as it is printed under the bars, each AI in parentheses: "0109501101530003\x1d..." gives
// "(01)09501101530003...". nullopt where an AI is not the dictionary's or data stops short.
std::optional<std::string> ElementStringsInParentheses(std::string_view transmitted);

// How many AIs the dictionary defines, its ranges counted AI by AI.
std::size_t GS1DictionaryAICount();

// Which copy of the dictionary the table was made from.
std::string_view GS1DictionaryEdition();

}  // namespace quillmark
