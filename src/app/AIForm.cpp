// The Application Identifier dialog: fields shaped by the AI's table row, live check and length
// digits, and the text the main window appends to the UCC/EAN-128 field.
#include "app/AIForm.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QValidator>
#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "ai/AIList.h"
#include "app/EditMask.h"
#include "app/translations/WindowLanguage.h"
#include "symbol/CheckDigit.h"

namespace quillmark {

namespace {

constexpr int kDataFieldWidth = 350;
constexpr int kMaxDecimalDigit = 5;  // 3100..3105: GS1 defines no element string beyond

// The characters an AI's data may carry as typed: GS1's set for AI data without "(" and ")",
// which the encoder takes for presentation and drops.
bool IsAIDataCharacter(QChar c) {
    static const QString punctuation = QStringLiteral("!\"%&'*+,-./:;<=>?_");
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
           punctuation.contains(c);
}

// The window's font, with a metric twin of Arial where "MS Sans Serif" is not installed.
QFont DialogFont(int pixelSize, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

std::string LiteralMask(std::string_view literals, bool editableDigit) {
    std::string mask = "(";
    for (const char c : literals) {
        mask += '\\';
        mask += c;
    }
    return mask + (editableDigit ? "9);1;0" : ");1;0");
}

QString Latin1(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// A character as a message names it: in quotes, the space by name, an invisible one by its code.
QString CharacterName(QChar c) {
    if (c == u' ') return QCoreApplication::translate("quillmark::TAIForm", "«пробел»");
    if (!c.isPrint()) return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    return u'«' + QString(c) + u'»';
}

QLabel* WrappedLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* DataEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    edit->setFont(DialogFont(13));
    return edit;
}

}  // namespace

// Admits the characters of IsAIDataCharacter and remembers the first one it refused.
class AIDataValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        refused_ = QChar();
        const auto bad = std::find_if_not(input.cbegin(), input.cend(), IsAIDataCharacter);
        if (bad == input.cend()) return Acceptable;
        refused_ = *bad;
        return Invalid;
    }

    // The refused character since the last call, or a null QChar when the field refused a length.
    QChar TakeRefused() { return std::exchange(refused_, QChar()); }

private:
    mutable QChar refused_;
};

// The decimal-point digit of the "y" AIs, the last position before ")": 0 to 5 or blank.
class DecimalDigitValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        if (input.size() < 2) return Acceptable;
        const QChar digit = input.at(input.size() - 2);
        return digit.isDigit() && digit.digitValue() > kMaxDecimalDigit ? Invalid : Acceptable;
    }
};

TAIForm::TAIForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AIForm"));
    setWindowTitle(tr("Прикладной идентификатор"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(550, 170);
    setFont(DialogFont(11));

    AIname = new QLabel(this);
    AIname->setObjectName(QStringLiteral("AIname"));
    AIname->setFont(DialogFont(12, true));
    AIname->setGeometry(5, 6, 540, 20);
    AIname->setWordWrap(true);

    VDataEdit = DataEdit(this, "VDataEdit", QRect(292, 30, 244, 24));
    IDEdit = DataEdit(this, "IDEdit", QRect(10, 30, 43, 24));
    // Wide enough for "(" + four digits + ")" in the font at hand, never narrower than laid out.
    const int frame = IDEdit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, IDEdit);
    const int idWidth = QFontMetrics(IDEdit->font()).horizontalAdvance(QStringLiteral("(8888)"));
    IDEdit->resize(std::max(43, idWidth + 2 * frame + 8), IDEdit->height());
    NoteText = WrappedLabel(this, "NoteText", QRect(5, 60, 530, 35));
    FDataEdit = DataEdit(this, "FDataEdit", QRect(56, 30, 232, 24));

    BitBtn1 =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("Вставить"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(10, 100, 84, 30);
    BitBtn1->setDefault(true);  // Enter in a data field inserts; a focused button answers itself
    BitBtn2 =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Отменить"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(99, 100, 85, 30);

    StaticText1 = WrappedLabel(this, "StaticText1", QRect(192, 100, 345, 30));
    StaticText1->setText(
        tr("Более подробную информацию о прикладных идентификаторах можно "
           "получить в справке к программе"));
    RefusedText = WrappedLabel(this, "RefusedText", QRect(5, 136, 540, 30));
    QPalette warning = RefusedText->palette();
    warning.setColor(QPalette::WindowText, QColor(0xa0, 0x10, 0x10));
    RefusedText->setPalette(warning);

    setTabOrder(VDataEdit, IDEdit);
    setTabOrder(IDEdit, FDataEdit);
    setTabOrder(FDataEdit, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);

    dataValidator_ = new AIDataValidator(this);
    VDataEdit->setValidator(dataValidator_);
    decimalValidator_ = new DecimalDigitValidator(this);

    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(FDataEdit, &QLineEdit::textChanged, this, &TAIForm::FDataEditChange);
    connect(VDataEdit, &QLineEdit::textChanged, this, &TAIForm::VDataEditChange);
    for (QLineEdit* field : {VDataEdit, IDEdit, FDataEdit}) {
        connect(field, &QLineEdit::inputRejected, this, [this, field] { SayRefused(field); });
        // Qt reports an edit even when a masked field refused the key; only a change clears.
        auto shown = std::make_shared<QString>();
        connect(field, &QLineEdit::textEdited, this, [this, field, shown] {
            if (field->displayText() != *shown) RefusedText->clear();
        });
        connect(field, &QLineEdit::textChanged, this,
                [field, shown] { *shown = field->displayText(); });
    }
}

TAIForm::~TAIForm() = default;

bool TAIForm::PrepareForAI(int index) {
    if (index < 0 || index >= kAICount) return false;
    const TAIEntry& r = AITable[static_cast<std::size_t>(index)];
    FReady = false;
    FAIIndex = index;
    AIname->setText(AIItemText(index));
    RefusedText->clear();

    const char last = r.AI.back();
    NoteText->clear();
    if (!r.FixedLength && r.AI != "23x")
        NoteText->setText(
            tr("Данный AI имеет пременную длину и если за ним следуют другие AI, "
               "то к концу этого кода после всатвки нужно добавить спецсимвол "
               "FNC1."));
    if (last == 'y') NoteText->setText(tr("Цифра \"y\" указывает положение десятичной точки."));

    IDEdit->setValidator(last == 'y' ? decimalValidator_ : nullptr);
    IDEdit->setReadOnly(last != 'y');  // only the decimal-point digit is the user's to type
    if (last == 'y' || last == 'x') {
        const std::string_view stem = r.AI.substr(0, r.AI.size() - 1);
        SetEditMask(*IDEdit, LiteralMask(stem, true), u'(' + Latin1(stem) + QStringLiteral("0)"));
    } else {
        SetEditMask(*IDEdit, LiteralMask(r.AI, false), u'(' + Latin1(r.AI) + u')');
    }

    QLineEdit* const shown = r.FixedLength ? FDataEdit : VDataEdit;
    QLineEdit* const hidden = r.FixedLength ? VDataEdit : FDataEdit;
    hidden->hide();
    shown->show();
    PlaceDataField(shown);
    if (r.FixedLength) {
        FDataEdit->setInputMask(QString());
        SetEditMask(*FDataEdit, std::string(r.DataLength, '9') + ";1;0",
                    QString(r.DataLength, u'0'));
    } else {
        VDataEdit->clear();
        VDataEdit->setMaxLength(r.DataLength > 0 ? r.DataLength : 32767);  // Qt's own "none"
    }
    dataValidator_->TakeRefused();
    FReady = true;
    // The length digit follows the data from the start, so it is never left for the user to set.
    VDataEditChange();
    return true;
}

void TAIForm::PlaceDataField(QLineEdit* field) {
    field->setGeometry(IDEdit->x() + IDEdit->width() + 3, field->y(), kDataFieldWidth,
                       field->height());
}

void TAIForm::FDataEditChange() {
    if (!FReady || checkDigitWriting_) return;
    const TAIEntry& r = AITable[static_cast<std::size_t>(FAIIndex)];
    if (r.AI != "00" && r.AI != "01") return;
    const QString s = EditText(*FDataEdit);
    const int n = r.DataLength;
    if (s.size() != n) return;
    // The main window's number fields keep their check digits with the same function.
    const QString written = QString::fromStdString(SetCheckDigit(s.toStdString()));
    const int caret = FDataEdit->cursorPosition();
    if (written != s) {
        // The write raises this handler once more; it would find the digit right, so skip it.
        const QScopedValueRollback writing(checkDigitWriting_, true);
        FDataEdit->setText(written);
    }
    // The next key typed replaces the next digit.
    if (caret < n)
        FDataEdit->setSelection(caret, 1);
    else
        FDataEdit->setCursorPosition(caret);
}

void TAIForm::VDataEditChange() {
    if (!FReady || AITable[static_cast<std::size_t>(FAIIndex)].AI != "23x") return;
    const auto k = static_cast<char>('0' + std::min<qsizetype>(VDataEdit->text().size() / 2, 9));
    SetEditMask(*IDEdit, LiteralMask(std::string{'2', '3', k}, false),
                QStringLiteral("(23%1)").arg(QChar::fromLatin1(k)));
}

QString TAIForm::AIInsertionText() const {
    if (!FReady) return {};
    const TAIEntry& r = AITable[static_cast<std::size_t>(FAIIndex)];
    if (r.FixedLength) return EditText(*IDEdit) + EditText(*FDataEdit);
    QString typed = VDataEdit->text();
    if (r.AI == "23x" && typed.size() % 2 == 0) typed += u'0';
    return EditText(*IDEdit) + typed;
}

void TAIForm::SayRefused(QLineEdit* field) {
    QString message;
    if (field == VDataEdit) {
        const QChar c = dataValidator_->TakeRefused();
        message = c.isNull()
                      ? tr("Данные этого AI не длиннее %1 символов.").arg(VDataEdit->maxLength())
                      : tr("Символ %1 не может входить в данные AI. Допустимы цифры, "
                           "латинские буквы и ! \" % & ' * + , - . / : ; < = > ? _")
                            .arg(CharacterName(c));
    } else if (field == FDataEdit) {
        message = tr("Данные этого AI — только цифры, их число постоянно: %1.")
                      .arg(AITable[static_cast<std::size_t>(FAIIndex)].DataLength);
    } else {  // the only editable place of IDEdit is the decimal-point digit
        message =
            tr("Цифра \"y\" (положение десятичной точки) — от 0 до %1.").arg(kMaxDecimalDigit);
    }
    RefusedText->setText(message);
}

void TAIForm::CentreOnParent() {
    const QWidget* const owner = parentWidget();
    if (owner == nullptr) return;
    const QRect area = owner->frameGeometry();
    move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

std::optional<QString> TAIForm::Run(int aiIndex) {
    if (!PrepareForAI(aiIndex)) return std::nullopt;
    CentreOnParent();
    QLineEdit* const field =
        AITable[static_cast<std::size_t>(aiIndex)].FixedLength ? FDataEdit : VDataEdit;
    field->setFocus();
    field->setCursorPosition(0);
    if (exec() != QDialog::Accepted) return std::nullopt;
    return AIInsertionText();
}

}  // namespace quillmark
