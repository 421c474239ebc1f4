// Masked edits: masks written as "pattern;keep-literals;blank" and their digits read back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

class QLineEdit;

namespace quillmark {

// Qt's input mask for a mask written as "pattern;keep-literals;blank", for instance
// "9 999999 999999;1;0" or "(\3\1\09);1;0": "9" takes a digit, "\" makes the next character a
// fixed literal, other characters are literals, and the blank character fills empty positions.
// Qt keeps literals in the text anyway, so the middle field is not needed.
QString QtInputMask(std::string_view mask);

// Sets edit's mask (see QtInputMask), then its text.
void SetEditMask(QLineEdit& edit, std::string_view mask, const QString& text);

// The edit's text as shown, blank positions as the blank character. With "0" as the blank, Qt's
// text() drops every "0" in a digit position, real zeros included, so masked edits are read here.
QString EditText(const QLineEdit& edit);

// The characters "0" to "9" of the edit text, in order; everything else dropped.
std::string DigitString(const QLineEdit& edit);

}  // namespace quillmark
