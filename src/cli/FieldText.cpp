// Parses the braces notation of special characters into the UCC/EAN-128 field's 8-bit text.
#include "cli/FieldText.h"

#include <cstdio>
#include <optional>

#include "ai/FieldCharacters.h"
#include "cli/SymbolInput.h"

namespace quillmark {
namespace {

constexpr const char* kNames = "write {FNC1} to {FNC4} or {NUL} to {US}";

FieldTextResult Refused(std::string message) {
    return {false, {}, std::move(message)};
}

std::string Position(std::size_t index) {
    return "at position " + std::to_string(index + 1);
}

// The length of the UTF-8 sequence starting at arg[i], or 0 when it is not well formed.
std::size_t Utf8SequenceLength(std::string_view arg, std::size_t i) {
    const auto lead = static_cast<unsigned char>(arg[i]);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else
        return 0;
    if (i + length > arg.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(arg[i + k]) & 0xC0) != 0x80) return 0;
    return length;
}

std::string Hex(unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

// Names a byte the field cannot carry so the user can find it: the character itself when it is
// valid UTF-8, otherwise the byte's value.
std::string Unencodable(std::string_view arg, std::size_t i) {
    const auto byte = static_cast<unsigned char>(arg[i]);
    if (byte < 32 || byte == 127)
        return "control character 0x" + Hex(byte, 2) + " " + Position(i) +
               " cannot be encoded; write control characters by name, e.g. {HT}";
    const std::size_t length = Utf8SequenceLength(arg, i);
    if (length == 0)
        return "byte 0x" + Hex(byte, 2) + " " + Position(i) + " is not a printable ASCII character";
    unsigned codePoint = byte & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k)
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(arg[i + k]) & 0x3Fu);
    return "character \"" + std::string(arg.substr(i, length)) + "\" (U+" + Hex(codePoint, 4) +
           ") " + Position(i) + " is not a printable ASCII character and cannot be encoded";
}

}  // namespace

FieldTextResult ParseFieldText(std::string_view arg) {
    FieldTextResult result;
    for (std::size_t i = 0; i < arg.size(); ++i) {
        const auto byte = static_cast<unsigned char>(arg[i]);
        if (byte == '{') {
            const std::size_t close = arg.find('}', i + 1);
            if (close == std::string_view::npos)
                return Refused("\"{\" " + Position(i) + " is not closed by \"}\"; " + kNames);
            const std::string_view name = arg.substr(i + 1, close - i - 1);
            const std::optional<int> index = SpecialCharIndex(name);
            const std::optional<unsigned char> code =
                index ? SpecialCharCode(*index) : std::nullopt;
            if (!code)
                return Refused(Quoted("{" + std::string(name) + "}") + " " + Position(i) +
                               " is not a special character; " + kNames);
            result.text.push_back(static_cast<char>(*code));
            i = close;
        } else if (byte >= 32 && byte <= 126) {
            result.text.push_back(static_cast<char>(byte));
        } else {
            return Refused(Unencodable(arg, i));
        }
    }
    result.ok = true;
    return result;
}

}  // namespace quillmark
