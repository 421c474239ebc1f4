// Checks of the GS1 element strings in the UCC/EAN-128 field text against the AI catalogue.
#include "check/GS1Check.h"

#include <algorithm>
#include <cstdio>

#include "ai/AIList.h"
#include "encoders/EANUPC.h"
#include "encoders/UCCEAN128.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

namespace {

constexpr unsigned char kFNC1 = 224;
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
    return (c >= 128 && c < 192) || c > 227;
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

bool IsLeapYear(int yy) {
    // GS1 reads YY within 49 years back and 50 ahead, which holds no century year but 2000.
    return yy % 4 == 0;
}

bool IsPossibleDate(std::string_view yymmdd) {
    auto two = [&](std::size_t at) { return (yymmdd[at] - '0') * 10 + (yymmdd[at + 1] - '0'); };
    const int yy = two(0), mm = two(2), dd = two(4);
    if (mm < 1 || mm > 12) return false;
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int days = mm == 2 && !IsLeapYear(yy) ? 28 : kDays[mm - 1];
    return dd <= days;  // day 00: the end of the month
}

bool IsDateAI(std::string_view ai) {
    return ai.size() == 2 && ai[0] == '1' && ai[1] >= '1' && ai[1] <= '7';
}

class Checker {
public:
    explicit Checker(std::string_view text) : text_(text) {}

    std::vector<GS1Finding> Run() {
        const Parsed parsed = Parse(text_);
        for (const std::size_t at : parsed.strayData) Add(GS1Problem::DataWithoutAI, "", at);
        for (const Element& e : parsed.elements) CheckElement(e);
        CheckCharacters(parsed.elements.empty());
        std::stable_sort(
            findings_.begin(), findings_.end(),
            [](const GS1Finding& a, const GS1Finding& b) { return a.position < b.position; });
        CheckWholeSymbol();
        return std::move(findings_);
    }

private:
    GS1Finding& Add(GS1Problem problem, std::string ai, std::size_t position,
                    std::string expected = {}, std::string found = {}) {
        findings_.push_back({problem, SeverityOf(problem), std::move(ai), position,
                             std::move(expected), std::move(found), std::nullopt});
        return findings_.back();
    }

    void CheckElement(const Element& e) {
        if (!e.closed) {
            Add(GS1Problem::UnclosedAI, e.ai, e.open);
            return;
        }
        const std::optional<int> row = FindAIRow(e.ai);
        if (row) {
            CheckAgainstRow(e, AITable[static_cast<std::size_t>(*row)]);
        } else {
            Add(GS1Problem::UnknownAI, e.ai, e.open);
        }
        if (IsDateAI(e.ai) && e.data.size() == 6 && AllDigits(e.data) && !IsPossibleDate(e.data))
            Add(GS1Problem::ImpossibleDate, e.ai, e.dataPositions.front(), {}, e.data);
        CheckSpaces(e);
        if (e.nextAIWithoutFNC1 && NeedsSeparator(e.ai)) {
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

    void CheckAgainstRow(const Element& e, const TAIEntry& row) {
        const std::size_t length = e.data.size();
        const std::size_t at = e.dataPositions.empty() ? e.dataBegin : e.dataPositions.front();
        std::size_t least = row.FixedLength ? row.DataLength : 1;
        std::size_t most = row.FixedLength || row.DataLength > 0 ? row.DataLength : kNone;
        if (row.AI == "23x") {
            // The third digit is half the data length; the dialog pads the data to odd length.
            const std::size_t half = static_cast<std::size_t>(e.ai[2] - '0');
            least = std::max<std::size_t>(1, 2 * half);
            most = std::min<std::size_t>(most, 2 * half + 1);
        }
        if (length < least) {
            Add(GS1Problem::DataTooShort, e.ai, at, std::to_string(least), std::to_string(length));
        } else if (length > most) {
            Add(GS1Problem::DataTooLong, e.ai, e.dataPositions[most], std::to_string(most),
                std::to_string(length));
        }
        if (row.FixedLength) {
            for (std::size_t k = 0; k < length; ++k)
                if (!IsDigit(e.data[k])) {
                    Add(GS1Problem::NonDigit, e.ai, e.dataPositions[k], {}, e.data.substr(k, 1));
                    break;
                }
        }
        const bool hasCheckDigit = row.AI == "00" || row.AI == "01" || row.AI == "02";
        if (hasCheckDigit && length == row.DataLength && AllDigits(e.data)) {
            const char want = static_cast<char>('0' + *GS1CheckDigit(e.data.substr(0, length - 1)));
            if (e.data.back() != want) {
                GS1Finding& f = Add(GS1Problem::WrongCheckDigit, e.ai, e.dataPositions.back(),
                                    std::string(1, want), std::string(1, e.data.back()));
                std::string mended(text_);
                mended[e.dataPositions.back()] = want;
                f.mendedText = std::move(mended);
            }
        }
        if (row.AI.back() == 'y' && e.ai[3] > '5')
            Add(GS1Problem::DecimalPointAboveFive, e.ai, e.open, "5", e.ai.substr(3, 1));
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
            } else if (c != kFNC1 && !IsPresentation(text_[i])) {
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
    std::vector<GS1Finding> findings_;
    std::size_t dataCharacters_ = 0;
};

}  // namespace

Severity SeverityOf(GS1Problem problem) {
    switch (problem) {
        case GS1Problem::DataTooShort:
        case GS1Problem::DataTooLong:
        case GS1Problem::NonDigit:
        case GS1Problem::WrongCheckDigit:
        case GS1Problem::MissingFNC1:
        case GS1Problem::TextTruncated:
            return Severity::Failure;
        default:
            return Severity::Warning;
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

std::vector<GS1Finding> CheckGS1Text(std::string_view fieldText) {
    return Checker(fieldText).Run();
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
                      std::nullopt};
}

}  // namespace quillmark
