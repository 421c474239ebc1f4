// Serial runs of symbols with their check digits recomputed.
#include "symbol/SerialNumbers.h"

#include <charconv>

#include "ai/FieldCharacters.h"
#include "symbol/CheckDigit.h"
#include "symbol/Symbology.h"

namespace quillmark {
namespace {

// The widest count held in 64 bits with every value of its width.
constexpr std::size_t kMaxWidth = 19;

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<std::uint64_t> Number(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Where the value of "(ai)" begins and ends in the field text, or nothing.
std::optional<std::pair<std::size_t, std::size_t>> AIValue(const std::string& text,
                                                           std::string_view ai) {
    const std::string marker = "(" + std::string(ai) + ")";
    const std::size_t at = text.find(marker);
    if (at == std::string::npos) return std::nullopt;
    const std::size_t begin = at + marker.size();
    std::size_t end = begin;
    while (end < text.size() && text[end] != '(' &&
           static_cast<unsigned char>(text[end]) != kNotationFnc1) {
        ++end;
    }
    return std::pair{begin, end};
}

// The counted field of request: its place, its longest width and its check digit.
struct CountedField {
    std::size_t begin = 0;
    std::size_t end = 0;         // the field's digits before the check digit end here
    std::size_t checkBegin = 0;  // the digits the check digit covers begin here
    std::size_t checkDigitAt = std::string::npos;
    bool replaceWhole = false;  // (21): a start wider than the value replaces it
};

// UCC/EAN-128, GS1 DataMatrix and GS1 QR Code count an AI of their element string; the others
// their digits.
bool CountsElementString(const SymbolRequest& request) {
    return request.Is(Symbology::UCCEAN128) || request.Is(Symbology::GS1DataMatrix) ||
           request.Is(Symbology::GS1QR);
}

std::optional<CountedField> FindCountedField(const SymbolRequest& request) {
    const SymbologyInfo* info = request.symbology;
    if (!info) return std::nullopt;
    if (!CountsElementString(request)) {
        if (info->digitCount == 0 || request.digits.size() < info->digitCount) return std::nullopt;
        const std::size_t checkAt = info->digitCount - 1;
        return CountedField{info->id == Symbology::UPCE ? 1u : 0u, checkAt, 0, checkAt};
    }
    if (const auto sscc = AIValue(request.fieldText, "00");
        sscc && sscc->second - sscc->first == 18) {
        return CountedField{sscc->first, sscc->second - 1, sscc->first, sscc->second - 1};
    }
    if (const auto serial = AIValue(request.fieldText, "21")) {
        return CountedField{serial->first, serial->second, 0, std::string::npos, true};
    }
    return std::nullopt;
}

std::string& TextOf(SymbolRequest& request) {
    return CountsElementString(request) ? request.fieldText : request.digits;
}

}  // namespace

std::optional<SerialRun> ParseSerialRun(std::string_view text) {
    SerialRun run;
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    run.start = std::string(text.substr(0, colon));
    std::string_view rest = text.substr(colon + 1);
    const std::size_t second = rest.find(':');
    const std::string_view count = rest.substr(0, second);
    if (!AllDigits(run.start) || !AllDigits(count)) return std::nullopt;
    const std::optional<std::uint64_t> n = Number(count);
    if (!n) return std::nullopt;
    run.count = *n;
    if (second != std::string_view::npos) {
        const std::string_view step = rest.substr(second + 1);
        const std::optional<std::uint64_t> s = AllDigits(step) ? Number(step) : std::nullopt;
        if (!s) return std::nullopt;
        run.step = *s;
    }
    return run;
}

SerialSequence PlanSerials(const SymbolRequest& request, const SerialRun& run) {
    SerialSequence plan;
    plan.base = request;
    plan.base.encoded.reset();
    const auto problem = [&plan](SerialProblem p) {
        plan.problem = p;
        return plan;
    };
    const std::optional<std::uint64_t> first =
        AllDigits(run.start) ? Number(run.start) : std::nullopt;
    if (!first) return problem(SerialProblem::Malformed);
    if (run.count == 0 || run.step == 0) return problem(SerialProblem::ZeroCount);
    if (run.count > kMaxSerialCount) return problem(SerialProblem::TooMany);
    // A Digital Link QR Code draws the URI made from its element string once; a count of the
    // element string would not reach it.
    if (request.Is(Symbology::DigitalLinkQR)) return problem(SerialProblem::LinkNotCounted);
    const std::optional<CountedField> field = FindCountedField(request);
    if (!field) return problem(SerialProblem::NoCountedField);
    const std::size_t available = field->end - field->begin;
    const std::size_t width = run.start.size();
    if (width > kMaxWidth || (width > available && !field->replaceWhole) || width > 20) {
        return problem(SerialProblem::StartTooWide);
    }
    plan.width = width;
    plan.fieldBegin = width > available ? field->begin : field->end - width;
    if (width > available) {
        // A (21) value shorter than the start: the start's digits take its place.
        std::string& text = TextOf(plan.base);
        text.replace(field->begin, available, std::string(width, '0'));
    }
    plan.checkBegin = field->checkBegin;
    plan.checkDigitAt = field->checkDigitAt;
    plan.first = *first;
    plan.step = run.step;
    plan.count = run.count;
    // first + (count - 1) * step, refused before it wraps or outgrows the width.
    std::uint64_t limit = 1;
    for (std::size_t i = 0; i < width; ++i) limit *= 10;
    const std::uint64_t room = limit - 1 - std::min(*first, limit - 1);
    if (*first >= limit || (run.count - 1) > room / run.step)
        return problem(SerialProblem::Overflow);
    plan.last = *first + (run.count - 1) * run.step;
    return plan;
}

SymbolRequest SerialRequest(const SerialSequence& sequence, std::uint64_t index) {
    SymbolRequest request = sequence.base;
    std::string& text = TextOf(request);
    std::string digits = std::to_string(sequence.first + index * sequence.step);
    digits.insert(0, sequence.width - digits.size(), '0');
    text.replace(sequence.fieldBegin, sequence.width, digits);
    if (sequence.checkDigitAt != std::string::npos) {
        const std::size_t length = sequence.checkDigitAt + 1 - sequence.checkBegin;
        const std::string covered = text.substr(sequence.checkBegin, length);
        // UPC-E's check digit is that of the UPC-A number it expands to; an SSCC's the plain rule.
        text.replace(sequence.checkBegin, length,
                     CountsElementString(request) ? SetCheckDigit(covered)
                                                  : SetCheckDigit(request.symbology->id, covered));
    }
    return request;
}

}  // namespace quillmark
