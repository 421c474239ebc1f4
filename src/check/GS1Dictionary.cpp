// The GS1 Application Identifier dictionary, generated from data/gs1-syntax-dictionary.txt.
#include "check/GS1Dictionary.h"

#include <algorithm>
#include <charconv>

#include "ai/FieldCharacters.h"

namespace quillmark {

namespace {

using E = GS1AIEntry;
using C = GS1Component;
using L = GS1Linter;

#include "GS1DictionaryTable.inc"

// In the order of GS1Linter.
// clang-format off
constexpr std::array<std::string_view, 29> kLinterNames = {
    "", "couponcode", "couponposoffer", "csum", "csumalpha", "hhmm", "hyphen", "iban",
    "importeridx", "iso3166", "iso3166999", "iso3166alpha2", "iso3166list", "iso4217", "key",
    "latitude", "longitude", "mediatype", "mmoptss", "nonzero", "nozeroprefix", "pcenc",
    "pieceoftotal", "winding", "yesno", "yymmd0", "yymmdd", "yymmddhh", "zero"};
// clang-format on
static_assert(kLinterNames.size() == static_cast<std::size_t>(GS1Linter::zero) + 1);

}  // namespace

std::span<const GS1AIEntry> GS1DictionaryEntries() {
    return kEntries;
}

const GS1AIEntry* FindGS1AI(std::string_view ai) {
    // Entries cover AIs of one length; within that length, digit strings compare as numbers.
    for (const GS1AIEntry& e : kEntries)
        if (ai.size() == e.first.size() && e.first <= ai && ai <= e.last &&
            ai.find_first_not_of("0123456789") == std::string_view::npos)
            return &e;
    return nullptr;
}

bool MatchesAIPattern(std::string_view pattern, std::string_view ai) {
    if (pattern.size() != ai.size()) return false;
    for (std::size_t i = 0; i < ai.size(); ++i)
        if (pattern[i] != ai[i] && !(pattern[i] == 'n' && ai[i] >= '0' && ai[i] <= '9'))
            return false;
    return true;
}

bool MatchesAnyAIPattern(std::string_view list, std::string_view ai) {
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        if (MatchesAIPattern(list.substr(0, comma), ai)) return true;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return false;
}

std::string_view LinterName(GS1Linter linter) {
    return kLinterNames[static_cast<std::size_t>(linter)];
}

std::optional<std::string> ElementStringsInParentheses(std::string_view transmitted) {
    std::string out;
    std::size_t at = 0;
    while (at < transmitted.size()) {
        const GS1AIEntry* entry = nullptr;
        std::size_t aiLength = 2;
        for (; aiLength <= 4 && entry == nullptr; ++aiLength)
            if (at + aiLength <= transmitted.size())
                entry = FindGS1AI(transmitted.substr(at, aiLength));
        if (entry == nullptr) return std::nullopt;
        --aiLength;
        const std::string_view ai = transmitted.substr(at, aiLength);
        at += aiLength;
        std::size_t length = 0;
        for (const GS1Component& c : entry->Components()) length += c.maxLength;
        if (!entry->predefinedLength)
            length = std::min(transmitted.find(kGroupSeparator, at), transmitted.size()) - at;
        if (length == 0 || at + length > transmitted.size()) return std::nullopt;
        out += '(';
        out.append(ai);
        out += ')';
        out.append(transmitted.substr(at, length));
        at += length;
        if (at < transmitted.size() && transmitted[at] == kGroupSeparator) ++at;
    }
    return out;
}

std::size_t GS1DictionaryAICount() {
    std::size_t count = 0;
    for (const GS1AIEntry& e : kEntries) {
        int first = 0, last = 0;
        const std::string_view from = e.first, to = e.last;
        std::from_chars(from.data(), from.data() + from.size(), first);
        std::from_chars(to.data(), to.data() + to.size(), last);
        count += static_cast<std::size_t>(last - first + 1);
    }
    return count;
}

std::string_view GS1DictionaryEdition() {
    return kEdition;
}

}  // namespace quillmark
