// Checks of the GS1 element strings in the UCC/EAN-128 field text by the GS1 AI dictionary.
#include "check/GS1Check.h"

#include <algorithm>
#include <cstdio>

#include "ai/AIList.h"
#include "ai/FieldCharacters.h"
#include "check/GS1Dictionary.h"
#include "check/GS1Linters.h"
#include "encoders/UCCEAN128.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

namespace {

constexpr unsigned char kFNC1 = kNotationFnc1;
constexpr std::size_t kNone = std::string_view::npos;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), IsDigit);
}

// Never encoded: presentation only (see EncodeUCCEAN128).
bool IsPresentation(char c) {
    return c == ' ' || c == '(' || c == ')';
}

bool IsUnencodable(unsigned char c) {
    return (c >= 128 && c < kNotationNul) || c > kNotationFnc4;
}

// One AI in parentheses and the data after it, up to the next AI, FNC1 or the end.
struct Element {
    std::string ai;  // spaces removed: they are never encoded
    std::size_t open = 0;
    bool closed = true;
    std::size_t dataBegin = 0, dataEnd = 0;  // byte range of the data in the field text
    std::string data;                        // the encoded data characters
    std::vector<std::size_t> dataPositions;  // where each of them stands in the field text
    bool nextAIWithoutFNC1 = false;          // another AI follows right after the data
};

struct Parsed {
    std::vector<Element> elements;
    std::vector<std::size_t> strayData;  // first data character of each run without an AI
};

Parsed Parse(std::string_view text) {
    Parsed p;
    bool inData = false;  // inside the data of p.elements.back()
    bool inStray = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            if (inData) {
                p.elements.back().dataEnd = i;
                p.elements.back().nextAIWithoutFNC1 = true;
            }
            Element e;
            e.open = i;
            const std::size_t close = text.find(')', i + 1);
            e.closed = close != kNone;
            const std::size_t end = e.closed ? close : text.size();
            for (std::size_t k = i + 1; k < end; ++k)
                if (text[k] != ' ') e.ai += text[k];
            e.dataBegin = e.dataEnd = e.closed ? close + 1 : text.size();
            p.elements.push_back(e);
            inData = true;
            inStray = false;
            i = e.dataBegin - 1;
        } else if (static_cast<unsigned char>(c) == kFNC1) {
            if (inData) p.elements.back().dataEnd = i;
            inData = inStray = false;
        } else if (inData) {
            Element& e = p.elements.back();
            if (!IsPresentation(c) && !IsUnencodable(static_cast<unsigned char>(c))) {
                e.data += c;
                e.dataPositions.push_back(i);
            }
            e.dataEnd = i + 1;
        } else if (!IsPresentation(c) && !IsUnencodable(static_cast<unsigned char>(c)) &&
                   !inStray) {
            p.strayData.push_back(i);
            inStray = true;
        }
    }
    return p;
}

// GS1's predefined-length AIs by their first two digits: a reader knows where their data ends.
// After every other element string an FNC1 must separate the next one (the catalogue's
// variable-length AIs, and fixed-length ones such as 8005).
bool NeedsSeparator(std::string_view ai) {
    if (ai.size() < 2 || !IsDigit(ai[0]) || !IsDigit(ai[1])) return true;
    const int prefix = (ai[0] - '0') * 10 + (ai[1] - '0');
    return !(prefix <= 4 || (prefix >= 11 && prefix <= 20) || (prefix >= 31 && prefix <= 36) ||
             prefix == 41);
}

// A control character of the field's notation (NUL..US): never AI data.
bool IsControl(unsigned char c) {
    return IsNotationControl(c);
}

// The entry of a measure AI whose last digit, the decimal-point position, lies beyond the entry's
// range ("3106" with "3100".."3105"), or nullptr. Only measures come as ranges of four digits.
const GS1AIEntry* DecimalPointEntry(std::string_view ai) {
    if (ai.size() != 4 || !IsDigit(ai[3])) return nullptr;
    std::string first(ai);
    first[3] = '0';
    const GS1AIEntry* entry = FindGS1AI(first);
    return entry != nullptr && entry->first == first && entry->last != first ? entry : nullptr;
}

class Checker {
public:
    Checker(std::string_view text, GS1Context context) : text_(text), context_(context) {}

    std::vector<GS1Finding> Run() {
        const Parsed parsed = Parse(text_);
        for (const std::size_t at : parsed.strayData) Add(GS1Problem::DataWithoutAI, "", at);
        for (const Element& e : parsed.elements) CheckElement(e);
        CheckPairs(parsed.elements);
        CheckCharacters(parsed.elements.empty());
        if (!parsed.elements.empty() && !text_.empty() &&
            static_cast<unsigned char>(text_.back()) == kFNC1)
            Add(GS1Problem::TrailingFNC1, "", text_.size() - 1);
        std::stable_sort(
            findings_.begin(), findings_.end(),
            [](const GS1Finding& a, const GS1Finding& b) { return a.position < b.position; });
        CheckWholeSymbol();
        return std::move(findings_);
    }

private:
    GS1Finding& Add(GS1Problem problem, std::string ai, std::size_t position,
                    std::string expected = {}, std::string found = {}) {
        findings_.push_back({problem,
                             SeverityOf(problem, context_),
                             std::move(ai),
                             position,
                             std::move(expected),
                             std::move(found),
                             std::nullopt,
                             {}});
        return findings_.back();
    }

    void CheckElement(const Element& e) {
        if (!e.closed) {
            Add(GS1Problem::UnclosedAI, e.ai, e.open);
            return;
        }
        const bool sound = CheckControlCharacters(e);
        const GS1AIEntry* entry = FindGS1AI(e.ai);
        if (entry != nullptr) {
            CheckAgainstEntry(e, *entry, sound);
        } else if (const GS1AIEntry* measure = DecimalPointEntry(e.ai)) {
            Add(GS1Problem::DecimalPointAboveFive, e.ai, e.open,
                std::string(measure->last.View().substr(3)), e.ai.substr(3, 1));
            CheckAgainstEntry(e, *measure, sound);
        } else {
            Add(GS1Problem::UnknownAI, e.ai, e.open);
        }
        CheckSpaces(e);
        const bool needsFNC1 = entry != nullptr ? !entry->predefinedLength : NeedsSeparator(e.ai);
        if (e.nextAIWithoutFNC1 && needsFNC1) {
            const std::size_t next = e.dataEnd;  // the "(" of the next AI
            const std::size_t close = text_.find(')', next);
            std::string nextAI(text_.substr(next + 1, close == kNone ? kNone : close - next - 1));
            std::erase(nextAI, ' ');
            GS1Finding& f = Add(GS1Problem::MissingFNC1, e.ai, next, nextAI);
            std::string mended(text_);
            mended.insert(next, 1, static_cast<char>(kFNC1));
            f.mendedText = std::move(mended);
        }
    }

    // The first control character in the data, if any: false then.
    bool CheckControlCharacters(const Element& e) {
        for (std::size_t k = 0; k < e.data.size(); ++k) {
            const auto c = static_cast<unsigned char>(e.data[k]);
            if (!IsControl(c)) continue;
            Add(GS1Problem::ControlCharacter, e.ai, e.dataPositions[k], {}, std::to_string(c));
            return false;
        }
        return true;
    }

    // The length, then component by component the character set and the linters; content only
    // when the data holds no control character.
    void CheckAgainstEntry(const Element& e, const GS1AIEntry& entry, bool sound) {
        const std::size_t length = e.data.size();
        const std::size_t at = e.dataPositions.empty() ? e.dataBegin : e.dataPositions.front();
        std::size_t least = 0, most = 0;
        for (const GS1Component& c : entry.Components()) {
            least += c.optional ? 0 : c.minLength;
            most += c.maxLength;
        }
        if (length < least) {
            Add(GS1Problem::DataTooShort, e.ai, at, std::to_string(least), std::to_string(length));
            return;
        }
        if (length > most) {
            Add(GS1Problem::DataTooLong, e.ai, e.dataPositions[most], std::to_string(most),
                std::to_string(length));
            return;
        }
        std::size_t offset = 0;
        for (const GS1Component& c : entry.Components()) {
            if (offset >= length && c.optional) break;
            const std::size_t size = std::min<std::size_t>(c.maxLength, length - offset);
            if (size < c.minLength) {
                Add(GS1Problem::DataTooShort, e.ai, at, std::to_string(offset + c.minLength),
                    std::to_string(length));
                return;
            }
            if (sound) CheckComponent(e, c, offset, size);
            offset += size;
        }
    }

    void CheckComponent(const Element& e, const GS1Component& c, std::size_t offset,
                        std::size_t size) {
        const std::string_view part = std::string_view(e.data).substr(offset, size);
        if (const std::optional<GS1LintFault> f = CheckCharacterSet(c.type, part)) {
            AddFault(e, *f, offset, GS1Linter::none);
            return;
        }
        for (const GS1Linter linter : c.linters) {
            if (const std::optional<GS1LintFault> f = Lint(linter, part)) {
                AddFault(e, *f, offset, linter);
                return;
            }
        }
    }

    void AddFault(const Element& e, const GS1LintFault& fault, std::size_t offset,
                  GS1Linter linter) {
        // A rule broken by what is missing shows after the last character.
        const std::size_t position =
            e.dataPositions[std::min(offset + fault.offset, e.dataPositions.size() - 1)];
        GS1Finding& f = Add(fault.problem, e.ai, position, fault.expected, fault.found);
        f.linter = std::string(LinterName(linter));
        if (fault.problem == GS1Problem::WrongCheckDigit) {
            std::string mended(text_);
            mended[position] = fault.expected[0];
            f.mendedText = std::move(mended);
        }
    }

    // The pairings over the whole text: the same AI twice, AIs that exclude each other, and the
    // AIs each one needs beside it.
    void CheckPairs(const std::vector<Element>& elements) {
        std::vector<std::pair<const Element*, const GS1AIEntry*>> known;
        for (const Element& e : elements)
            if (const GS1AIEntry* entry = e.closed ? FindGS1AI(e.ai) : nullptr)
                known.emplace_back(&e, entry);
        std::vector<std::string> seen;
        for (const auto& [e, entry] : known) {
            if (std::find(seen.begin(), seen.end(), e->ai) != seen.end()) {
                CheckRepeat(*e, known);
                continue;
            }
            for (const std::string& other : seen) {
                const GS1AIEntry* otherEntry = FindGS1AI(other);
                if (MatchesAnyAIPattern(entry->excluded, other) ||
                    MatchesAnyAIPattern(otherEntry->excluded, e->ai))
                    Add(GS1Problem::ExclusiveAIs, e->ai, e->open, other);
            }
            seen.push_back(e->ai);
        }
        std::vector<std::string> required;  // AIs whose requisites are checked, once each
        for (const auto& [e, entry] : known) {
            if (std::find(required.begin(), required.end(), e->ai) != required.end()) continue;
            required.push_back(e->ai);
            for (const std::string_view requisite : entry->requisites) {
                if (requisite.empty() || PresentAmong(requisite, elements)) continue;
                Add(GS1Problem::RequisiteMissing, e->ai, e->open, std::string(requisite));
            }
        }
    }

    // The same AI again: a failure when its value differs from the first one's.
    void CheckRepeat(const Element& e,
                     const std::vector<std::pair<const Element*, const GS1AIEntry*>>& known) {
        for (const auto& [first, entry] : known) {
            if (first->ai != e.ai) continue;
            if (first->data != e.data)
                Add(GS1Problem::RepeatedAI, e.ai, e.open, first->data, e.data);
            return;
        }
    }

    static bool PresentAmong(std::string_view patterns, const std::vector<Element>& elements) {
        return std::any_of(elements.begin(), elements.end(), [&](const Element& e) {
            return e.closed && MatchesAnyAIPattern(patterns, e.ai);
        });
    }

    // A space between data characters: the line shows it, the symbol leaves it out.
    void CheckSpaces(const Element& e) {
        if (e.dataPositions.size() < 2) return;
        const std::size_t first = e.dataPositions.front(), last = e.dataPositions.back();
        const std::size_t space = text_.substr(first, last - first).find(' ');
        if (space != kNone) Add(GS1Problem::SpaceInData, e.ai, first + space);
    }

    void CheckCharacters(bool noElements) {
        std::size_t count = 0;
        for (std::size_t i = 0; i < text_.size(); ++i) {
            const auto c = static_cast<unsigned char>(text_[i]);
            if (IsUnencodable(c)) {
                Add(GS1Problem::UnencodableCharacter, "", i, {}, std::to_string(c));
            } else if (c < kFNC1 && !IsPresentation(text_[i])) {  // FNC1 to FNC4 carry no data
                ++count;
            }
        }
        dataCharacters_ = count;
        if (noElements && count == 0) Add(GS1Problem::NoElementStrings, "", 0);
    }

    void CheckWholeSymbol() {
        if (dataCharacters_ > kMaxGS1DataCharacters)
            Add(GS1Problem::TooManyDataCharacters, "", text_.size(),
                std::to_string(kMaxGS1DataCharacters), std::to_string(dataCharacters_));
        const EncodeResult encoded = EncodeFieldText(text_).result;
        if (encoded.truncated)
            Add(GS1Problem::TextTruncated, "", encoded.encodedChars, std::to_string(text_.size()),
                std::to_string(encoded.encodedChars));
    }

    std::string_view text_;
    GS1Context context_;
    std::vector<GS1Finding> findings_;
    std::size_t dataCharacters_ = 0;
};

}  // namespace

Severity SeverityOf(GS1Problem problem, GS1Context context) {
    switch (problem) {
        case GS1Problem::SpaceInData:
        case GS1Problem::TooManyDataCharacters:
        case GS1Problem::UnclosedAI:
        case GS1Problem::DataWithoutAI:
        case GS1Problem::NoElementStrings:
        case GS1Problem::UnencodableCharacter:
        case GS1Problem::SymbolTooWide:
        case GS1Problem::TrailingFNC1:
            return Severity::Warning;
        case GS1Problem::RequisiteMissing:
            // GS1 lets the needed AI stand in another symbol of the same label.
            return context.wholeLabel ? Severity::Failure : Severity::Warning;
        default:
            return Severity::Failure;
    }
}

std::optional<int> FindAIRow(std::string_view ai) {
    if (ai.size() < 2 || ai.size() > 4 || !AllDigits(ai)) return std::nullopt;
    for (int r = 0; r < kAICount; ++r) {
        const std::string_view row = AITable[static_cast<std::size_t>(r)].AI;
        if (row.size() != ai.size()) continue;
        const bool chosenLast = row.back() == 'y' || row.back() == 'x';
        if (chosenLast ? row.substr(0, row.size() - 1) == ai.substr(0, ai.size() - 1) : row == ai)
            return r;
    }
    return std::nullopt;
}

std::vector<GS1Finding> CheckGS1Text(std::string_view fieldText, GS1Context context) {
    return Checker(fieldText, context).Run();
}

double UCCEAN128WidthMm(std::string_view fieldText, unsigned short gSizePercent) {
    const std::size_t n = Code128CodewordCount(EncodeFieldText(fieldText).codes);
    return static_cast<double>(11 * n + 33) * kUCCEAN128ModuleMm * gSizePercent / 100.0;
}

std::optional<GS1Finding> CheckSymbolWidth(double widthMm) {
    if (!(widthMm > kMaxGS1SymbolWidthMm)) return std::nullopt;
    char found[32];
    std::snprintf(found, sizeof found, "%.1f", widthMm);
    return GS1Finding{GS1Problem::SymbolTooWide,
                      SeverityOf(GS1Problem::SymbolTooWide),
                      "",
                      0,
                      "165",
                      found,
                      std::nullopt,
                      {}};
}

}  // namespace quillmark
