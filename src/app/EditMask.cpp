// Translation of the window's mask notation to Qt's, and reading masked edits by what they show.
#include "app/EditMask.h"

#include <QLineEdit>

namespace quillmark {

QString QtInputMask(std::string_view mask) {
    const auto first = mask.find(';');
    const std::string_view pattern = mask.substr(0, first);
    char blank = ' ';
    if (first != std::string_view::npos) {
        const auto second = mask.find(';', first + 1);
        if (second != std::string_view::npos && second + 1 < mask.size()) blank = mask[second + 1];
    }
    return QString::fromLatin1(pattern.data(), static_cast<qsizetype>(pattern.size())) + u';' +
           QChar::fromLatin1(blank);
}

void SetEditMask(QLineEdit& edit, std::string_view mask, const QString& text) {
    edit.setInputMask(QtInputMask(mask));
    edit.setText(text);
}

QString EditText(const QLineEdit& edit) {
    return edit.displayText();
}

std::string DigitString(const QLineEdit& edit) {
    std::string digits;
    for (const QChar c : edit.displayText())
        if (c >= u'0' && c <= u'9') digits += static_cast<char>(c.unicode());
    return digits;
}

}  // namespace quillmark
