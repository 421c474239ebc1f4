// Conversion between the UCC/EAN-128 field's letters and the encoder's 8-bit codes.
#include "app/FieldLetters.h"

#include "ai/FieldCharacters.h"

namespace quillmark {
namespace {

constexpr char16_t kFirstControlLetter = u'А';   // NUL, kNotationNul
constexpr char16_t kFirstFunctionLetter = u'а';  // FNC1, kNotationFnc1
constexpr int kControlBase = kNotationNul;
constexpr int kFunctionBase = kNotationFnc1;
constexpr int kControlCount = kNotationUs - kNotationNul + 1;
constexpr int kFunctionCount = kNotationFnc4 - kNotationFnc1 + 1;

bool IsPrintableAscii(char16_t u) {
    return u >= 32 && u <= 126;
}

}  // namespace

bool IsFieldLetter(QChar c) {
    const char16_t u = c.unicode();
    return IsPrintableAscii(u) ||
           (u >= kFirstControlLetter && u < kFirstControlLetter + kControlCount) ||
           (u >= kFirstFunctionLetter && u < kFirstFunctionLetter + kFunctionCount);
}

QChar SpecialCharLetter(int code) {
    if (code < kControlBase || code >= kFunctionBase + kFunctionCount) return {};
    // Both runs follow one another in the code page as in Unicode: 192 + i is U+0410 + i.
    return QChar(static_cast<char16_t>(kFirstControlLetter + (code - kControlBase)));
}

std::string FieldBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (!IsFieldLetter(c)) continue;
        const char16_t u = c.unicode();
        const int code = IsPrintableAscii(u) ? u : kControlBase + (u - kFirstControlLetter);
        bytes += static_cast<char>(static_cast<unsigned char>(code));
    }
    return bytes;
}

QString FieldLettersOf(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char ch : bytes) {
        const auto code = static_cast<unsigned char>(ch);
        if (IsPrintableAscii(code))
            text += QLatin1Char(static_cast<char>(code));
        else if (const QChar letter = SpecialCharLetter(code); !letter.isNull())
            text += letter;
    }
    return text;
}

QString KeepFieldLetters(const QString& text, qsizetype* dropped) {
    QString kept;
    kept.reserve(text.size());
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (IsFieldLetter(c)) {
            kept += c;
            continue;
        }
        ++count;
        // A surrogate pair is one character to the user.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    }
    if (dropped != nullptr) *dropped = count;
    return kept;
}

QValidator::State FieldLetterValidator::validate(QString& input, int& pos) const {
    qsizetype dropped = 0;
    QString kept = KeepFieldLetters(input, &dropped);
    if (dropped == 0) return Acceptable;
    // The caret stays after what was kept of the text before it.
    const QString before = KeepFieldLetters(input.left(pos));
    pos = static_cast<int>(before.size());
    input = std::move(kept);
    emit refused(dropped, input);
    return Acceptable;
}

}  // namespace quillmark
