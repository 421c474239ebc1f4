// The GS1 modulo-10 check digit written into the last position of a number.
#include "symbol/CheckDigit.h"

#include "encoders/EANUPC.h"

namespace quillmark {
namespace {

std::string WithLastDigit(std::string_view digits, std::optional<int> check) {
    std::string result(digits);
    if (check && !result.empty()) result.back() = static_cast<char>('0' + *check);
    return result;
}

}  // namespace

std::string SetCheckDigit(std::string_view digits) {
    if (digits.empty()) return {};
    return WithLastDigit(digits, GS1CheckDigit(digits.substr(0, digits.size() - 1)));
}

std::optional<int> ExpectedCheckDigit(Symbology id, std::string_view digits) {
    if (digits.empty() || id == Symbology::UCCEAN128) return std::nullopt;
    if (id == Symbology::UPCE) return UPCECheckDigit(digits);
    return GS1CheckDigit(digits.substr(0, digits.size() - 1));
}

std::string SetCheckDigit(Symbology id, std::string_view digits) {
    return WithLastDigit(digits, ExpectedCheckDigit(id, digits));
}

}  // namespace quillmark
