// The GS1 data of a field text in the forms the 2D symbols' encoders take.
#include "encoders/MatrixEncode.h"

#include "ai/FieldCharacters.h"

namespace quillmark {

std::string BracketedElementString(std::string_view fieldText) {
    std::string out;
    for (const char c : fieldText) {
        if (c == '(')
            out += '[';
        else if (c == ')')
            out += ']';
        else if (c > ' ' && c < 127)
            out += c;
    }
    return out;
}

std::string GS1DataOfFieldText(std::string_view fieldText) {
    std::string out;
    for (const char ch : fieldText) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ' || c == '(' || c == ')') continue;
        if (c == kNotationFnc1) {
            if (!out.empty()) out += kGroupSeparator;
        } else if (IsNotationControl(c)) {
            out += static_cast<char>(ControlOfNotation(c));
        } else if (c < 128) {
            out += ch;
        }
    }
    return out;
}

}  // namespace quillmark
