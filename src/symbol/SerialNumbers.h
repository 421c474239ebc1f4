// Runs of numbered symbols: the digits before a check digit, an SSCC's serial reference or a
// serial number (21) counted up from a start, with their check digits recomputed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "symbol/SymbolRequest.h"

namespace quillmark {

// START:COUNT[:STEP] as the command line takes it. The start's width, leading zeros included, is
// how many of the field's last digits are counted.
struct SerialRun {
    std::string start;
    std::uint64_t count = 0;
    std::uint64_t step = 1;
};

// The most symbols one run makes.
inline constexpr std::uint64_t kMaxSerialCount = 1'000'000;

enum class SerialProblem {
    None,
    Malformed,       // not START:COUNT[:STEP] with digits
    NoCountedField,  // an element string without an SSCC (00) or a serial number (21)
    LinkNotCounted,  // a Digital Link QR Code, whose URI is made from its data once
    StartTooWide,    // the start has more digits than the field can count
    ZeroCount,       // a count or step of 0
    TooMany,         // a count above kMaxSerialCount
    Overflow,        // the last number needs more digits than the start has
};

struct SerialSequence {
    SerialProblem problem = SerialProblem::None;
    SymbolRequest base;
    std::size_t fieldBegin = 0;  // where the counted digits stand in base.digits or base.fieldText
    std::size_t width = 0;       // how many they are
    std::size_t checkBegin = 0;  // the digits its check digit covers begin here
    std::size_t checkDigitAt = std::string::npos;  // the check digit to recompute, if any
    std::uint64_t first = 0;
    std::uint64_t step = 1;
    std::uint64_t count = 0;
    std::uint64_t last = 0;  // the last number, for messages
};

std::optional<SerialRun> ParseSerialRun(std::string_view text);

// Plans the run over request: EAN/UPC and ITF-14 count the main digits before the check digit
// (UPC-E the six after its number system); UCC/EAN-128 counts the value of (00) before its check
// digit, or else the value of (21). The start's digits replace the field's last ones (a (21)
// value shorter than the start is replaced whole).
SerialSequence PlanSerials(const SymbolRequest& request, const SerialRun& run);

// The index-th symbol of a planned run (0-based, below sequence.count).
SymbolRequest SerialRequest(const SerialSequence& sequence, std::uint64_t index);

}  // namespace quillmark
