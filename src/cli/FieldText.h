// The command line's notation for the UCC/EAN-128 field text: special characters by name in braces.
#pragma once

#include <string>
#include <string_view>

namespace quillmark {

struct FieldTextResult {
    bool ok = false;
    std::string text;   // the field's 8-bit text, ready for EncodeUCCEAN128
    std::string error;  // when !ok: what is wrong and where
};

// Turns command-line text into the field's 8-bit notation. "{FNC1}" to "{FNC4}" and "{NUL}" to
// "{US}" become their special-character codes; printable ASCII (32 to 126) passes unchanged.
// Any other byte, and a "{" that does not open a known name closed by "}", is an error: the field
// has no way to carry such a character, and dropping it would lose data.
FieldTextResult ParseFieldText(std::string_view arg);

}  // namespace quillmark
