// Checks of a symbol's data against the table of symbologies and the encoders' limits.
#include "symbol/SymbolCheck.h"

#include "symbol/CheckDigit.h"

namespace quillmark {
namespace {

SymbolCheck Problem(SymbolProblem problem) {
    return SymbolCheck{problem};
}

SymbolCheck CheckDigitsOnly(std::string_view digits, std::size_t count) {
    for (std::size_t i = 0; i < digits.size(); ++i)
        if (digits[i] < '0' || digits[i] > '9') {
            SymbolCheck check = Problem(SymbolProblem::NotADigit);
            check.position = i + 1;
            return check;
        }
    if (digits.size() != count) {
        SymbolCheck check = Problem(SymbolProblem::DigitCount);
        check.count = digits.size();
        check.expected = count;
        return check;
    }
    return {};
}

}  // namespace

SymbolCheck CheckMainDigits(const SymbologyInfo& info, std::string_view digits) {
    if (info.digitCount == 0) return Problem(SymbolProblem::UnknownType);
    if (SymbolCheck check = CheckDigitsOnly(digits, info.digitCount); !check.ok()) return check;
    if (info.id == Symbology::ISBN13 && !digits.starts_with("978") && !digits.starts_with("979"))
        return Problem(SymbolProblem::ISBNPrefix);
    // UPC-E exists for number systems 0 and 1 only; another digit would be printed but not
    // encoded, so the symbol would scan as different data.
    if (info.id == Symbology::UPCE && digits[0] != '0' && digits[0] != '1')
        return Problem(SymbolProblem::UPCENumberSystem);
    const std::optional<int> expected = ExpectedCheckDigit(info.id, digits);
    const int given = digits.back() - '0';
    if (expected && *expected != given) {
        SymbolCheck check = Problem(SymbolProblem::CheckDigit);
        check.position = digits.size();
        check.expected = static_cast<std::size_t>(*expected);
        check.given = given;
        return check;
    }
    return {};
}

SymbolCheck CheckAddOn(const SymbologyInfo& info, std::string_view addOn) {
    if (!info.takesAddOn) return Problem(SymbolProblem::AddOnNotAllowed);
    if (addOn.size() != 2 && addOn.size() != 5) {
        SymbolCheck check = Problem(SymbolProblem::AddOnLength);
        check.count = addOn.size();
        return check;
    }
    return CheckDigitsOnly(addOn, addOn.size());
}

SymbolCheck CheckFieldText(std::string_view fieldText) {
    // Spaces and parentheses only shape the human-readable line; a symbol that carries no data
    // at all is almost certainly a mistake.
    if (fieldText.find_first_not_of(" ()") == std::string_view::npos)
        return Problem(SymbolProblem::NothingToEncode);
    const UCCEncoding encoding = EncodeFieldText(fieldText);
    if (encoding.result.truncated) {
        SymbolCheck check = Problem(SymbolProblem::TooLong);
        check.count = encoding.result.encodedChars;
        check.expected = fieldText.size();
        return check;
    }
    return {};
}

}  // namespace quillmark
