// Element strings to GS1 Digital Link URIs and back, judged by the GS1 AI dictionary both ways.
#include "check/GS1DigitalLink.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "ai/FieldCharacters.h"
#include "check/GS1Dictionary.h"

namespace quillmark {

namespace {

constexpr char kFNC1 = static_cast<char>(kNotationFnc1);
constexpr std::size_t kNone = std::string_view::npos;

struct Element {
    std::string ai, value;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNumber(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit);
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t next = s.find(separator, at);
        parts.push_back(s.substr(at, next == kNone ? kNone : next - at));
        if (next == kNone) return parts;
        at = next + 1;
    }
}

DigitalLinkResult Made(std::string text) {
    DigitalLinkResult made;
    made.text = std::move(text);
    return made;
}

DigitalLinkResult Found(GS1Finding finding) {
    DigitalLinkResult refused;
    refused.finding = std::move(finding);
    return refused;
}

DigitalLinkResult Refused(std::string reason, LinkProblem problem = LinkProblem::Other,
                          std::string_view ai = {}, std::string_view otherAI = {}) {
    return {std::nullopt, std::move(reason), std::nullopt,
            problem,      std::string(ai),   std::string(otherAI)};
}

std::string InParentheses(std::string_view ai) {
    return "(" + std::string(ai) + ")";
}

const GS1AIEntry* KeyEntry(std::string_view ai) {
    const GS1AIEntry* entry = IsNumber(ai) ? FindGS1AI(ai) : nullptr;
    return entry != nullptr && entry->digitalLinkKey ? entry : nullptr;
}

// The key's alternative qualifier sequences, each in path order.
std::vector<std::vector<std::string_view>> QualifierSequences(const GS1AIEntry& key) {
    std::vector<std::vector<std::string_view>> sequences;
    if (key.digitalLinkQualifiers.empty()) return sequences;
    for (const std::string_view sequence : Split(key.digitalLinkQualifiers, '|'))
        sequences.push_back(Split(sequence, ','));
    return sequences;
}

bool QualifiesKey(const GS1AIEntry& key, std::string_view ai) {
    for (const auto& sequence : QualifierSequences(key))
        if (std::find(sequence.begin(), sequence.end(), ai) != sequence.end()) return true;
    return false;
}

// The keys the AI may follow in a path, "(414) or (417)"; empty when it qualifies none.
std::string KeysQualified(std::string_view ai) {
    std::string keys;
    for (const GS1AIEntry& e : GS1DictionaryEntries())
        if (e.digitalLinkKey && QualifiesKey(e, ai))
            keys += (keys.empty() ? "" : " or ") + InParentheses(e.first);
    return keys;
}

std::string AllKeys() {
    std::string keys;
    for (const GS1AIEntry& e : GS1DictionaryEntries())
        if (e.digitalLinkKey) keys += (keys.empty() ? "" : ", ") + InParentheses(e.first);
    return keys;
}

// The first finding that makes the data unfit for a URI. A missing or trailing FNC1 means nothing
// there, and a requisite may stand in another symbol of the label.
std::optional<GS1Finding> Unfit(std::string_view fieldText) {
    for (const GS1Finding& f : CheckGS1Text(fieldText)) {
        switch (f.problem) {
            case GS1Problem::MissingFNC1:
            case GS1Problem::TrailingFNC1:
            case GS1Problem::TooManyDataCharacters:
            case GS1Problem::SymbolTooWide:
            case GS1Problem::TextTruncated:
                continue;
            case GS1Problem::RequisiteMissing:
                if (f.severity != Severity::Failure) continue;
                break;
            default:
                break;
        }
        return f;
    }
    return std::nullopt;
}

// The element strings of field text the check found sound: "(AI)data", FNC1 between some.
std::vector<Element> Elements(std::string_view text) {
    std::vector<Element> elements;
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] != '(') {
            if (!elements.empty() && text[at] != kFNC1) elements.back().value += text[at];
            ++at;
            continue;
        }
        const std::size_t close = text.find(')', at);
        Element e;
        for (std::size_t k = at + 1; k < close; ++k)
            if (text[k] != ' ') e.ai += text[k];
        elements.push_back(std::move(e));
        at = close + 1;
    }
    return elements;
}

bool IsUnreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

std::string PercentEncoded(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : value) {
        if (IsUnreserved(c)) {
            out += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += {'%', kHex[byte >> 4], kHex[byte & 15]};
        }
    }
    return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}

// The length of the scheme and "//" of an http or https URI, or 0.
std::size_t SchemeLength(std::string_view uri) {
    if (StartsWithNoCase(uri, "https://")) return 8;
    if (StartsWithNoCase(uri, "http://")) return 7;
    return 0;
}

// Why the stem cannot begin a URI, or empty.
std::optional<DigitalLinkResult> StemProblem(std::string_view stem) {
    const std::size_t scheme = SchemeLength(stem);
    if (scheme == 0)
        return Refused("the stem must begin with http:// or https://", LinkProblem::StemScheme);
    if (scheme == stem.size() || stem[scheme] == '/')
        return Refused("the stem names no host", LinkProblem::StemHost);
    for (const char c : stem)
        if (c <= ' ' || c > '~' || c == '?' || c == '#')
            return Refused("the stem holds a character it cannot (a space, control, '?' or '#')",
                           LinkProblem::StemCharacter);
    return std::nullopt;
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value with its %XX decoded, or nullopt and the reason. AI data takes printable ASCII only;
// parentheses delimit the AIs of the field's notation and so cannot stand in its data.
std::optional<std::string> PercentDecoded(std::string_view value, std::string_view ai,
                                          std::string& reason) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '%') {
            const int high = i + 2 < value.size() ? HexValue(value[i + 1]) : -1;
            const int low = i + 2 < value.size() ? HexValue(value[i + 2]) : -1;
            if (high < 0 || low < 0) {
                reason = "malformed percent-encoding \"" + std::string(value.substr(i, 3)) +
                         "\" in the value of " + InParentheses(ai);
                return std::nullopt;
            }
            c = static_cast<char>(high * 16 + low);
            i += 2;
        }
        if (c <= ' ' || c > '~' || c == '(' || c == ')') {
            reason = "the value of " + InParentheses(ai) + " holds " +
                     (c == '(' || c == ')'
                          ? "\"" + std::string(1, c) + "\", which the data notation cannot carry"
                          : "a character GS1 data cannot hold");
            return std::nullopt;
        }
        out += c;
    }
    return out;
}

// A compressed URI carries all its data in one segment of the base64url alphabet.
bool LooksCompressed(std::string_view segment) {
    return segment.size() >= 10 && !IsNumber(segment) &&
           std::all_of(segment.begin(), segment.end(),
                       [](char c) { return IsUnreserved(c) && c != '.' && c != '~'; });
}

// Why the qualifiers after key are no ordered part of one of its sequences, or empty.
std::string QualifierProblem(const GS1AIEntry& key, const std::vector<Element>& qualifiers) {
    if (qualifiers.empty()) return {};
    for (const Element& q : qualifiers) {
        if (!IsNumber(q.ai) || FindGS1AI(q.ai) == nullptr)
            return InParentheses(q.ai) + " in the path is no AI the dictionary knows";
        if (!QualifiesKey(key, q.ai))
            return InParentheses(q.ai) + " does not qualify " + InParentheses(key.first) +
                   " in the path; it belongs in the query string";
    }
    for (const auto& sequence : QualifierSequences(key)) {
        auto at = sequence.begin();
        bool inOrder = true;
        for (const Element& q : qualifiers) {
            at = std::find(at, sequence.end(), q.ai);
            if (at == sequence.end()) inOrder = false;
            if (!inOrder) break;
            ++at;
        }
        if (inOrder) return {};
    }
    std::string orders;
    for (const std::string_view sequence : Split(key.digitalLinkQualifiers, '|'))
        orders += (orders.empty() ? "" : " or ") + std::string(sequence);
    return "qualifiers out of order: " + InParentheses(key.first) + " takes " + orders +
           " in this order";
}

// Why an element, not in the path, cannot stand with key: it qualifies only other keys. Empty
// when none.
std::optional<DigitalLinkResult> StrayQualifier(const GS1AIEntry& key, std::string_view ai) {
    const std::string keys = KeysQualified(ai);
    if (keys.empty() || QualifiesKey(key, ai)) return std::nullopt;
    std::string listed = keys;  // "(01) or (8006)" as "(01), (8006)" for a front end's words
    for (std::size_t at; (at = listed.find(" or ")) != std::string::npos;)
        listed.replace(at, 4, ", ");
    return Refused(InParentheses(ai) + " qualifies " + keys + ", which the data lacks",
                   LinkProblem::StrayQualifier, ai, listed);
}

// The field text of the elements: an FNC1 after variable-length data that another AI follows.
std::string FieldText(const std::vector<Element>& elements) {
    std::string text;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        text += InParentheses(elements[i].ai) + elements[i].value;
        const GS1AIEntry* entry = FindGS1AI(elements[i].ai);
        if (i + 1 < elements.size() && (entry == nullptr || !entry->predefinedLength))
            text += kFNC1;
    }
    return text;
}

// The path's elements from the key on; the segments before it are the stem's path.
std::optional<std::vector<Element>> PathElements(std::string_view path, std::string& reason) {
    const std::vector<std::string_view> segments = Split(path, '/');
    std::size_t key = kNone;
    for (std::size_t i = segments.size(); i >= 3 && IsNumber(segments[i - 2]); i -= 2) {
        if (KeyEntry(segments[i - 2]) != nullptr) {
            key = i - 2;
            break;
        }
    }
    if (key == kNone) {
        reason = !segments.empty() && LooksCompressed(segments.back())
                     ? "a compressed URI; only uncompressed ones (/01/...) are read"
                     : "no primary key in the path, such as /01/ and a GTIN; keys are " + AllKeys();
        return std::nullopt;
    }
    std::vector<Element> elements;
    for (std::size_t i = key; i < segments.size(); i += 2) {
        std::optional<std::string> value = PercentDecoded(segments[i + 1], segments[i], reason);
        if (!value) return std::nullopt;
        elements.push_back({std::string(segments[i]), std::move(*value)});
    }
    const std::vector<Element> qualifiers(elements.begin() + 1, elements.end());
    reason = QualifierProblem(*KeyEntry(segments[key]), qualifiers);
    if (!reason.empty()) return std::nullopt;
    return elements;
}

// Appends the query's AIs; other parameters are passed over.
bool AddQueryElements(std::string_view query, std::vector<Element>& elements, std::string& reason) {
    for (const std::string_view parameter : Split(query, '&')) {
        const std::size_t equals = parameter.find('=');
        const std::string_view key = parameter.substr(0, equals);
        if (!IsNumber(key)) continue;
        if (FindGS1AI(key) == nullptr) {
            reason = InParentheses(key) + " in the query string is no AI the dictionary knows";
            return false;
        }
        std::optional<std::string> value = PercentDecoded(
            equals == kNone ? std::string_view() : parameter.substr(equals + 1), key, reason);
        if (!value) return false;
        elements.push_back({std::string(key), std::move(*value)});
    }
    return true;
}

}  // namespace

DigitalLinkResult DigitalLinkFromElementString(std::string_view fieldText, std::string_view stem) {
    if (std::optional<DigitalLinkResult> problem = StemProblem(stem)) return std::move(*problem);
    if (stem.ends_with('/')) stem.remove_suffix(1);
    if (std::optional<GS1Finding> finding = Unfit(fieldText))
        return Found(std::move(*finding));
    const std::vector<Element> elements = Elements(fieldText);
    const GS1AIEntry* key = nullptr;
    std::size_t keyIndex = 0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const GS1AIEntry* entry = KeyEntry(elements[i].ai);
        if (entry == nullptr) continue;
        if (key != nullptr)
            return Refused("two primary keys, " + InParentheses(elements[keyIndex].ai) + " and " +
                               InParentheses(elements[i].ai) + "; a URI takes one",
                           LinkProblem::TwoKeys, elements[keyIndex].ai, elements[i].ai);
        key = entry;
        keyIndex = i;
    }
    if (key == nullptr)
        return Refused("no primary key; the URI needs one of " + AllKeys(), LinkProblem::NoKey);
    // Of alternative sequences, the one holding most of the qualifiers present goes into the path.
    std::vector<std::string_view> path;
    std::size_t most = 0;
    for (const auto& sequence : QualifierSequences(*key)) {
        std::vector<std::string_view> present;
        for (const std::string_view ai : sequence)
            if (std::any_of(elements.begin(), elements.end(),
                            [&](const Element& e) { return e.ai == ai; }))
                present.push_back(ai);
        if (present.size() > most) {
            most = present.size();
            path = present;
        }
    }
    std::string uri = std::string(stem) + "/" + elements[keyIndex].ai + "/" +
                      PercentEncoded(elements[keyIndex].value);
    for (const std::string_view ai : path)
        for (const Element& e : elements)
            if (e.ai == ai) {
                uri += "/" + e.ai + "/" + PercentEncoded(e.value);
                break;
            }
    char separator = '?';
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Element& e = elements[i];
        if (i == keyIndex || std::find(path.begin(), path.end(), e.ai) != path.end()) continue;
        if (std::optional<DigitalLinkResult> stray = StrayQualifier(*key, e.ai))
            return std::move(*stray);
        uri += separator + e.ai + "=" + PercentEncoded(e.value);
        separator = '&';
    }
    return Made(std::move(uri));
}

DigitalLinkResult ElementStringFromDigitalLink(std::string_view uri) {
    const std::size_t scheme = SchemeLength(uri);
    if (scheme == 0) return Refused("not an http:// or https:// URI");
    for (std::size_t i = 0; i < uri.size(); ++i)
        if (uri[i] <= ' ' || uri[i] > '~')
            return Refused("a space or a character no URI holds at position " +
                           std::to_string(i + 1));
    uri = uri.substr(0, uri.find('#'));
    const std::size_t question = uri.find('?');
    const std::string_view query =
        question == kNone ? std::string_view() : uri.substr(question + 1);
    const std::string_view rest = uri.substr(scheme, question == kNone ? kNone : question - scheme);
    const std::size_t slash = rest.find('/');
    if (slash == 0 || rest.empty()) return Refused("the URI names no host");
    std::string reason;
    std::optional<std::vector<Element>> elements =
        PathElements(slash == kNone ? std::string_view() : rest.substr(slash), reason);
    const std::size_t pathCount = elements ? elements->size() : 0;
    if (!elements || !AddQueryElements(query, *elements, reason)) return Refused(reason);
    const GS1AIEntry& key = *KeyEntry(elements->front().ai);
    for (std::size_t i = pathCount; i < elements->size(); ++i) {
        const std::string& ai = (*elements)[i].ai;
        if (KeyEntry(ai) != nullptr)
            return Refused("two primary keys, " + InParentheses(key.first) + " and " +
                           InParentheses(ai) + "; a URI takes one");
        if (std::optional<DigitalLinkResult> stray = StrayQualifier(key, ai))
            return std::move(*stray);
    }
    std::string text = FieldText(*elements);
    if (std::optional<GS1Finding> finding = Unfit(text))
        return Found(std::move(*finding));
    return Made(std::move(text));
}

}  // namespace quillmark
