// The UCC/EAN-128 field's letters: what it may hold, and its text as the encoder's 8-bit codes.
#pragma once

#include <QString>
#include <QValidator>

#include <string>
#include <string_view>

namespace quillmark {

// Whether the field can carry c: printable ASCII (32 to 126) or one of the 36 letters that stand
// for special characters, "А" to "Я" (NUL to US) and "а" to "г" (FNC1 to FNC4).
bool IsFieldLetter(QChar c);

// The letter that shows special-character code (192 to 227) in the field; a null QChar for any
// other code.
QChar SpecialCharLetter(int code);

// The field's text as the 8-bit codes the encoder reads: ASCII as it is, "А".."Я" as 192..223,
// "а".."г" as 224..227. A character the field cannot carry is left out.
std::string FieldBytes(const QString& text);

// The field's letters for the encoder's 8-bit codes, the reverse of FieldBytes: ASCII 32 to 126
// as it is, 192..227 as their letters; any other code is left out.
QString FieldLettersOf(std::string_view bytes);

// text without the characters the field cannot carry. dropped (when given) receives how many
// characters were left out, a character outside the Basic Multilingual Plane counting once.
QString KeepFieldLetters(const QString& text, qsizetype* dropped = nullptr);

// Keeps typed, pasted and dropped text to the field's letters: the rest is removed from the edit
// (so it never reaches the field) and reported through refused().
class FieldLetterValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;

signals:
    // count characters were removed; text is what the field holds instead.
    void refused(qsizetype count, const QString& text) const;
};

}  // namespace quillmark
