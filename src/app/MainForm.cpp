// Builds the main window, keeps its margins and check digits, and feeds the preview.
#include "app/MainForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

#include <utility>

#include "ai/AIList.h"
#include "ai/FieldCharacters.h"
#include "app/CheckWording.h"
#include "app/EditMask.h"
#include "app/FieldLetters.h"
#include "app/LabelSheetDialog.h"
#include "app/PreviewWidget.h"
#include "app/SymbolControls.h"
#include "app/SymbolVerdict.h"
#include "app/WindowCommands.h"
#include "app/WindowControls.h"
#include "app/translations/WindowLanguage.h"
#include "canvas/QPainterCanvas.h"
#include "check/GS1DigitalLink.h"
#include "symbol/CheckDigit.h"
#include "symbol/SymbolPair.h"

namespace quillmark {
namespace {

constexpr int kMargin = 5;
constexpr int kEditHeight = 21;
constexpr int kToolSide = 20;

QString Text(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The symbology's name, as the tabs and lists show it.
QString NameOf(Symbology id) {
    return Text(SymbologyOf(id).name);
}

// Sets a number field up for the symbology: its mask and the blank number.
void SetNumberMask(QLineEdit& field, Symbology id) {
    const SymbologyInfo& info = SymbologyOf(id);
    SetEditMask(field, info.numberMask, Text(info.numberBlank));
}

// A masked field whose digit at one position takes only some values: UPC-E has number systems
// 0 and 1 only, and an ISBN-13 begins with 978 or 979.
class DigitChoiceValidator : public QValidator {
public:
    DigitChoiceValidator(qsizetype position, QString allowed, QObject* parent)
        : QValidator(parent), position_(position), allowed_(std::move(allowed)) {}
    State validate(QString& input, int&) const override {
        if (input.size() > position_ && !allowed_.contains(input[position_])) return Invalid;
        return Acceptable;
    }

private:
    qsizetype position_;
    QString allowed_;
};

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
    auto* label = Named(new QLabel(text, parent), name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QComboBox* AddList(QWidget* parent, const char* name, const QStringList& items, int x, int y,
                   int width) {
    auto* list = Named(new QComboBox(parent), name);
    list->addItems(items);
    list->setGeometry(x, y, width, kEditHeight);
    return list;
}

// A list that shows rows at most when dropped (styles that open lists as menus show them all).
void SetVisibleRows(QComboBox& list, int rows) {
    list.setMaxVisibleItems(rows);
    list.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

QLineEdit* AddEdit(QWidget* parent, const char* name, int x, int y, int width,
                   int height = kEditHeight) {
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setGeometry(x, y, width, height);
    return edit;
}

StepSpinBox* AddSpin(QWidget* parent, const char* name, int x, int y, int minimum, int maximum,
                     int step, int value, bool typeable) {
    auto* spin = Named(new StepSpinBox(minimum, maximum, step, value, typeable, parent), name);
    spin->setGeometry(x, y, 45, kEditHeight);
    return spin;
}

QToolButton* AddToolButton(QWidget* parent, const char* name, int x, int y, const QString& hint) {
    auto* button = Named(new QToolButton(parent), name);
    button->setGeometry(x, y, kToolSide, kToolSide);
    button->setIconSize(QSize(16, 16));
    button->setFocusPolicy(Qt::NoFocus);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

// A theme's picture where the desktop has one for the subject, else the program's own.
QIcon Picture(const char* themeName, const char* file) {
    const QString path = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(file));
    const QIcon own = QFile::exists(path) ? QIcon(path) : QIcon();
    if (themeName == nullptr) return own;
    return QIcon::fromTheme(QLatin1String(themeName), own);
}

// Why a Digital Link URI was refused: a GS1 finding in the window's words, another reason as the
// conversion gives it.
QString LinkRefusalText(const DigitalLinkResult& result) {
    if (result.finding) return GS1FindingText(*result.finding);
    const QString ai = QString::fromStdString(result.ai);
    const QString other = QString::fromStdString(result.otherAI);
    switch (result.problem) {
        case LinkProblem::StemScheme:
            return TMainForm::tr("начало ссылки должно быть http:// или https://");
        case LinkProblem::StemHost:
            return TMainForm::tr("в начале ссылки нет сервера");
        case LinkProblem::StemCharacter:
            return TMainForm::tr(
                "в начале ссылки недопустимый знак (пробел, управляющий, «?» "
                "или «#»)");
        case LinkProblem::TwoKeys:
            return TMainForm::tr("два первичных ключа, (%1) и (%2); в ссылке он один")
                .arg(ai, other);
        case LinkProblem::NoKey:
            return TMainForm::tr("нет первичного ключа (например, GTIN в AI 01)");
        case LinkProblem::StrayQualifier:
            return TMainForm::tr("(%1) без своего первичного ключа: %2").arg(ai, other);
        case LinkProblem::None:
        case LinkProblem::Other:
            break;
    }
    return QString::fromStdString(result.reason);
}

// Inserts letter in front of the field's selection, which stays in the text; the caret ends after
// it so that repeated insertions come out in order.
void InsertAtCaret(QLineEdit& field, QChar letter) {
    const int caret = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
    field.deselect();
    field.setCursorPosition(caret);
    field.insert(QString(letter));
    field.setFocus(Qt::OtherFocusReason);
}

// Fills an AI list with the catalogue's rows.
void FillAIList(QComboBox& list) {
    list.clear();
    for (int row = 0; row < kAICount; ++row) list.addItem(AIItemText(row));
    // The closed list is narrower than most names: its tooltip has the chosen one whole.
    QObject::connect(&list, &QComboBox::currentTextChanged, &list, &QWidget::setToolTip);
    list.setCurrentIndex(0);
    list.setToolTip(list.currentText());
    // The AI names are longer than the list is wide: the dropped list shows them whole.
    QAbstractItemView* rows = list.view();
    rows->setMinimumWidth(rows->sizeHintForColumn(0) +
                          rows->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
}

QString EditTextWithLast(const QLineEdit& field, char last) {
    QString text = EditText(field);
    if (!text.isEmpty()) text.back() = QChar::fromLatin1(last);
    return text;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Quillmark"));
    // The positions below are in pixels for this font; it does not follow the desktop's size.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    // Cyrillic captions in this sans run a little wider than the layout allows for: the longest
    // label would touch its list, fourteen digits would fill their field edge to edge.
    font.setStretch(96);
    setFont(font);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    client->installEventFilter(this);

    ColorDialog = Named(new QColorDialog(this), "ColorDialog");
    CreateMenus();
    CreateToolButtons(client);

    PageControl = Named(new QTabWidget(client), "PageControl");
    PageControl->setGeometry(5, 31, 415, 145);
    auto* tab1 = Named(new QWidget, "TabSheet1");
    auto* tab2 = Named(new QWidget, "TabSheet2");
    auto* tab3 = Named(new QWidget, "TabSheet3");
    auto* tab4 = Named(new QWidget, "TabSheet4");
    // In the order of SymbolTab.
    PageControl->addTab(tab1, QStringLiteral("EAN/UPC"));
    PageControl->addTab(tab2, NameOf(Symbology::ITF14));
    PageControl->addTab(tab3, NameOf(Symbology::UCCEAN128));
    PageControl->addTab(tab4, QStringLiteral("GS1 2D"));
    CreateEANUPCTab(tab1);
    CreateITF14Tab(tab2);
    CreateUCCEAN128Tab(tab3);
    CreateMatrix2DTab(tab4);
    CreateSettings(client);
    CreatePreview(client);

    FormCreate();
    // Created once, after the window itself: the About box, then the AI dialog.
    commands_ = new WindowCommands(*this);
    ConnectControls();
    SetTabOrder();
    UCCEAN128_CodeValueChange();
    Matrix2D_TypeChange();
    EANUPC_CodeValueChange();

    setMinimumSize(650, 480);
    resize(650, 480);
    if (const QScreen* desktop = screen())
        move(desktop->availableGeometry().center() - rect().center());
    // The user types the number at once.
    EANUPC_CodeValue->setFocus(Qt::OtherFocusReason);
    EANUPC_CodeValue->setCursorPosition(0);
}

void TMainForm::CreateMenus() {
    auto* bar = menuBar();
    auto* file = Named(bar->addMenu(tr("Файл")), "A1");
    SaveAsMI =
        Named(file->addAction(Picture("document-save", "save"), tr("Сохранить как")), "SaveAsMI");
    PrintMI = Named(file->addAction(Picture("document-print", "print"), tr("Печать")), "PrintMI");
    LabelSheetsMI = Named(file->addAction(tr("Печать на листах этикеток…")), "LabelSheetsMI");
    ExitMI = Named(file->addAction(Picture("application-exit", "exit"), tr("Выход")), "ExitMI");

    auto* view = Named(bar->addMenu(tr("Вид")), "A2");
    LineColorMI = Named(view->addAction(tr("Цвет линий")), "LineColorMI");
    BackgroundColorMI = Named(view->addAction(tr("Цвет фона")), "BackgroundColorMI");

    auto* exportMenu = Named(bar->addMenu(tr("Экспорт")), "A3");
    CopyMI = Named(exportMenu->addAction(Picture("edit-copy", "copy"), tr("Копировать")), "CopyMI");
    auto* office =
        Named(exportMenu->addMenu(Picture(nullptr, "office"), tr("Передать в Microsoft Office")),
              "MSOfficeMI");
    office->menuAction()->setObjectName(QStringLiteral("MSOfficeMI"));
    ExportWordMI =
        Named(office->addAction(Picture(nullptr, "word"), tr("Передать в Word")), "ExportWordMI");
    ExportExcelMI = Named(office->addAction(Picture(nullptr, "excel"), tr("Передать в Excel")),
                          "ExportExcelMI");

    auto* help = Named(bar->addMenu(tr("Справка")), "A4");
    HelpMI = Named(help->addAction(Picture("help-contents", "help"), tr("Справка")), "HelpMI");
    AboutMI = Named(help->addAction(Picture("help-about", "about"), tr("О программе")), "AboutMI");

    // The keys desktop programs use for these commands. Copy keeps Ctrl+C for the text fields.
    SaveAsMI->setShortcut(QKeySequence::Save);
    PrintMI->setShortcut(QKeySequence::Print);
    ExitMI->setShortcut(QKeySequence::Quit);
    HelpMI->setShortcut(QKeySequence::HelpContents);
}

void TMainForm::CreateToolButtons(QWidget* client) {
    struct Button {
        const char* name;
        int x;
        QString hint;
        QAction* action;
    };
    const Button buttons[] = {
        {"SpeedButton1", 5, tr("Сохранить"), SaveAsMI},
        {"SpeedButton2", 27, tr("Печать"), PrintMI},
        {"SpeedButton3", 101, tr("Копировать"), CopyMI},
        {"SpeedButton4", 123, tr("Передать в Microsoft Word"), ExportWordMI},
        {"SpeedButton7", 145, tr("Передать в Microsoft Excel"), ExportExcelMI},
        {"SpeedButton5", 172, QString(), HelpMI},
        {"SpeedButton6", 194, QString(), AboutMI},
    };
    for (const Button& b : buttons) {
        // The button shares its menu item's picture, command and enabled state.
        QToolButton* button = AddToolButton(client, b.name, b.x, 5, b.hint);
        button->setIcon(b.action->icon());
        button->setEnabled(b.action->isEnabled());
        connect(button, &QToolButton::clicked, b.action, &QAction::trigger);
        connect(b.action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    }
    LineColorBtn = Named(new ColorPanel(Qt::black, client), "LineColorBtn");
    LineColorBtn->setGeometry(53, 5, kToolSide, kToolSide);
    LineColorBtn->setToolTip(tr("Цвет линий"));
    BackgroundColorBtn = Named(new ColorPanel(Qt::white, client), "BackgroundColorBtn");
    BackgroundColorBtn->setGeometry(74, 5, kToolSide, kToolSide);
    BackgroundColorBtn->setToolTip(tr("Цвет фона"));
}

void TMainForm::CreateEANUPCTab(QWidget* page) {
    QStringList codeTypes;
    for (const Symbology id : CodeTypeList()) codeTypes << NameOf(id);
    EANUPC_CodeType = AddList(page, "EANUPC_CodeType", codeTypes, 5, 5, 93);
    EANUPC_CodeType->installEventFilter(this);
    EANUPC_CodeValue = AddEdit(page, "EANUPC_CodeValue", 101, 5, 95);
    SetNumberMask(*EANUPC_CodeValue, Symbology::EAN13);
    numberSystem_ = new DigitChoiceValidator(0, QStringLiteral("01"), this);
    isbnPrefix_ = new DigitChoiceValidator(3, QStringLiteral("89"), this);
    CheckDigitButton =
        AddToolButton(page, "CheckDigitButton", 199, 5, tr("Рассчитать контрольное значение"));
    CheckDigitButton->hide();
    ISBN13Box = Named(new QCheckBox(NameOf(Symbology::ISBN13), page), "ISBN13Box");
    QFont bold = ISBN13Box->font();
    bold.setBold(true);
    ISBN13Box->setFont(bold);
    ISBN13Box->setGeometry(225, 7, 82, 17);

    Label2 = AddLabel(page, "Label2", tr("Дополнение:"), 5, 35);
    QStringList addOnTypes;
    for (const std::string_view type : kAddOnTypes) addOnTypes << Text(type);
    EANUPC_AddOnType = AddList(page, "EANUPC_AddOnType", addOnTypes, 75, 31, 59);
    EANUPC_AddOnType->installEventFilter(this);
    EANUPC_AddOnValue = AddEdit(page, "EANUPC_AddOnValue", 137, 31, 59);
    SetEditMask(*EANUPC_AddOnValue, "99999;1;0", QStringLiteral("00000"));
    EANUPC_AddOnValue->hide();

    AddLabel(page, "Label5", tr("Размер:"), 5, 61);
    EANUPC_Size = AddSpin(page, "EANUPC_Size", 50, 57, 80, 200, 5, 100, false);
    AddLabel(page, "Label6", QStringLiteral("%"), 98, 62);
}

void TMainForm::CreateITF14Tab(QWidget* page) {
    ITF14_CodeValue = AddEdit(page, "ITF14_CodeValue", 5, 5, 93, 20);
    SetNumberMask(*ITF14_CodeValue, Symbology::ITF14);
    ITF14CheckDigitButton =
        AddToolButton(page, "ITF14CheckDigitButton", 102, 5, tr("Рассчитать контрольное значение"));
    ITF14CheckDigitButton->hide();
    AddLabel(page, "Label8", tr("Размер:"), 5, 34);
    ITF14_Size = AddSpin(page, "ITF14_Size", 50, 30, 25, 100, 5, 100, false);
    AddLabel(page, "Label9", QStringLiteral("%"), 98, 34);
    ITF14_FullBorder = Named(new QCheckBox(tr("Полное обрамление"), page), "ITF14_FullBorder");
    ITF14_FullBorder->setGeometry(5, 58, 127, 17);
    ITF14_FullBorder->setChecked(true);
}

void TMainForm::CreateGS1Entry(QWidget* page, const GS1EntryNames& names, int aiRowY,
                               QLineEdit*& field, QComboBox*& aiList, QPushButton*& insertAI) {
    field = AddEdit(page, names.field, 5, 5, 375);
    // Long pastes are kept whole: the notice then says how much of them the symbol holds.
    field->setMaxLength(1'000'000);
    auto* letters = new FieldLetterValidator(field);
    field->setValidator(letters);
    connect(letters, &FieldLetterValidator::refused, this,
            [this, edit = field](qsizetype count, const QString& text) {
                FieldRefused(edit, count, text);
            });
    AddLabel(page, names.aiLabel, tr("Прикладной идентификатор (AI):"), 5, aiRowY + 3);
    aiList = AddList(page, names.aiList, {}, 173, aiRowY, 173);
    SetVisibleRows(*aiList, 16);
    insertAI = Named(new QPushButton(tr("Вставить"), page), names.insertAI);
    insertAI->setGeometry(349, aiRowY, 56, 20);
}

void TMainForm::CreateUCCEAN128Tab(QWidget* page) {
    CreateGS1Entry(page, {"UCCEAN128_CodeValue", "Label14", "UCCEAN128_AI", "UCCEAN128_InsAIBtn"},
                   60, UCCEAN128_CodeValue, UCCEAN128_AI, UCCEAN128_InsAIBtn);

    AddLabel(page, "Label11", tr("Спецсимвол:"), 5, 35);
    QStringList names;
    for (const std::string_view name : SpecialCharNames)
        names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    UCCEAN128_SpecChr = AddList(page, "UCCEAN128_SpecChr", names, 74, 32, 272);
    SetVisibleRows(*UCCEAN128_SpecChr, 16);
    UCCEAN128_InsSpecChrBtn =
        Named(new QPushButton(tr("Вставить"), page), "UCCEAN128_InsSpecChrBtn");
    UCCEAN128_InsSpecChrBtn->setGeometry(349, 32, 56, 20);

    AddLabel(page, "Label7", tr("Горизонтальный размер:"), 5, 94);
    UCCEAN128_GSize = AddSpin(page, "UCCEAN128_GSize", 138, 90, 100, 407, 5, 100, false);
    AddLabel(page, "Label10", QStringLiteral("%"), 186, 94);
    AddLabel(page, "Label12", tr("Вертикальный размер:"), 210, 94);
    UCCEAN128_VSize = AddSpin(page, "UCCEAN128_VSize", 332, 90, 100, 400, 5, 100, false);
    AddLabel(page, "Label13", QStringLiteral("%"), 380, 94);
}

void TMainForm::CreateMatrix2DTab(QWidget* page) {
    CreateGS1Entry(page, {"Matrix2D_CodeValue", "Label15", "Matrix2D_AI", "Matrix2D_InsAIBtn"}, 32,
                   Matrix2D_CodeValue, Matrix2D_AI, Matrix2D_InsAIBtn);
    // FNC1 is the one special character element strings take: after variable-length data.
    Matrix2D_CodeValue->resize(341, kEditHeight);
    Matrix2D_FNC1Btn = Named(new QPushButton(QStringLiteral("FNC1"), page), "Matrix2D_FNC1Btn");
    Matrix2D_FNC1Btn->setGeometry(349, 5, 56, 20);
    Matrix2D_FNC1Btn->setToolTip(
        tr("Вставить FNC1: он завершает данные переменной длины, "
           "за которыми следует другой AI"));

    // The symbol, its module and the option of the chosen symbol: the rectangular tick or the
    // error correction level in one place.
    QStringList types;
    for (const Symbology id : MatrixTypeList()) types << NameOf(id);
    Matrix2D_Type = AddList(page, "Matrix2D_Type", types, 5, 60, 128);
    AddLabel(page, "Label16", tr("Модуль:"), 139, 63);
    Matrix2D_Module = Named(new QDoubleSpinBox(page), "Matrix2D_Module");
    Matrix2D_Module->setGeometry(184, 60, 58, kEditHeight);
    // Decimals as the window's language writes them.
    Matrix2D_Module->setLocale(QLocale(ShownLanguage()));
    Matrix2D_Module->setDecimals(3);
    Matrix2D_Module->setRange(kMinMatrixModuleMm, kMaxMatrixModuleMm);
    Matrix2D_Module->setSingleStep(0.05);
    Matrix2D_Module->setValue(kDefaultMatrixModuleMm);
    AddLabel(page, "Label17", tr("мм"), 245, 63);
    Matrix2D_Rectangular = Named(new QCheckBox(tr("Прямоугольный"), page), "Matrix2D_Rectangular");
    Matrix2D_Rectangular->setGeometry(272, 62, 133, 17);
    Label18 = AddLabel(page, "Label18", tr("Коррекция:"), 272, 63);
    Matrix2D_ECLevel = AddList(page, "Matrix2D_ECLevel",
                               {QStringLiteral("L – 7 %"), QStringLiteral("M – 15 %"),
                                QStringLiteral("Q – 25 %"), QStringLiteral("H – 30 %")},
                               333, 60, 72);
    Matrix2D_ECLevel->setCurrentIndex(static_cast<int>(QRLevel::M));
    Matrix2D_ECLevel->setToolTip(
        tr("Уровень коррекции ошибок QR Code: какую долю символа можно восстановить"));

    // The element string line, then the Digital Link's stem (for its QR Code) and the URI.
    Matrix2D_HRI = Named(new QCheckBox(tr("Строка данных"), page), "Matrix2D_HRI");
    Matrix2D_HRI->setGeometry(5, 92, 96, 17);
    Matrix2D_HRI->setToolTip(tr("Данные с AI в скобках под символом"));
    Matrix2D_Pair = Named(new QCheckBox(tr("С линейным"), page), "Matrix2D_Pair");
    Matrix2D_Pair->setGeometry(105, 92, 88, 17);
    Matrix2D_Pair->setToolTip(
        tr("Рядом — линейный символ GTIN из (01): EAN-13, UPC-A, EAN-8 или ITF-14, "
           "на общей базовой линии, как на макетах упаковки"));
    Matrix2D_Stem = AddEdit(page, "Matrix2D_Stem", 197, 90, 100);
    Matrix2D_Stem->setText(Text(kDefaultDigitalLinkStem));
    Matrix2D_Stem->setToolTip(
        tr("Начало ссылки GS1 Digital Link: http:// или https://, сервер "
           "и, если нужно, путь"));
    Matrix2D_URI = AddEdit(page, "Matrix2D_URI", 197, 90, 184);
    Matrix2D_URI->setReadOnly(true);
    Matrix2D_URI->setPlaceholderText(tr("Ссылка GS1 Digital Link"));
    Matrix2D_CopyURIBtn =
        AddToolButton(page, "Matrix2D_CopyURIBtn", 385, 90, tr("Копировать ссылку"));
    Matrix2D_CopyURIBtn->setIcon(Picture("edit-copy", "copy"));
}

void TMainForm::CreateSettings(QWidget* client) {
    SettingsPanel = Named(new QWidget(client), "SettingsPanel");
    SettingsPanel->setGeometry(432, 51, 203, 63);
    AddLabel(SettingsPanel, "Label3", tr("Четкость:"), 4, 10);
    Resolution_ = AddSpin(SettingsPanel, "Resolution", 59, 6, 1, 100, 1, 12, true);
    AddLabel(SettingsPanel, "Label1", tr("точек/мм"), 106, 9);
    AddLabel(SettingsPanel, "Label4", tr("Шрифт:"), 16, 40);
    FontsBox = AddList(SettingsPanel, "FontsBox", {}, 59, 36, 140);
    SetVisibleRows(*FontsBox, 20);

    // Beside the preview, under the settings: what the symbol leaves out of the text.
    NoticeLabel = Named(new QLabel(client), "NoticeLabel");
    NoticeLabel->setGeometry(432, 116, 203, 62);
    NoticeLabel->setWordWrap(true);
    NoticeLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette warning = NoticeLabel->palette();
    warning.setColor(QPalette::WindowText, QColor(0x99, 0x00, 0x00));
    NoticeLabel->setPalette(warning);
}

void TMainForm::CreatePreview(QWidget* client) {
    PreviewBox = Named(new QGroupBox(tr("Предварительный просмотр"), client), "PreviewBox");
    PreviewBox->setGeometry(5, 181, 630, 240);
    QFont bold = PreviewBox->font();
    bold.setBold(true);
    PreviewBox->setFont(bold);
    PaintBox = Named(new PreviewWidget(PreviewBox), "PaintBox");
    auto* fill = new QVBoxLayout(PreviewBox);
    fill->setContentsMargins(2, 2, 2, 2);
    fill->addWidget(PaintBox);
    // The verdict on the symbol as output, in the status line under the preview.
    Verdict = new SymbolVerdict(this);
    Verdict->setMendField(UCCEAN128_CodeValue);
    statusBar()->addWidget(Verdict, 1);
    // What the label is for: the GS1 table the verdict holds the symbol's size to.
    ApplicationBox = Named(new QComboBox(this), "ApplicationBox");
    for (const Application application : {Application::GeneralDistribution, Application::RetailPOS,
                                          Application::HealthcareNonRetail})
        ApplicationBox->addItem(ApplicationText(application), static_cast<int>(application));
    ApplicationBox->setToolTip(
        tr("Для чего символ: его размеры проверяются по таблице GS1 для этого применения "
           "(дистрибуция и логистика, розничная торговля на кассе, здравоохранение вне розницы)"));
    statusBar()->addPermanentWidget(ApplicationBox);
    connect(ApplicationBox, &QComboBox::currentIndexChanged, this, &TMainForm::PaintBoxPaint);
    connect(Resolution_, &QSpinBox::valueChanged, this, &TMainForm::PaintBoxPaint);
}

void TMainForm::FormCreate() {
    FontsBox->addItems(PlainFontFamilies(QFontDatabase::families()));
    // "Arial" where installed; elsewhere the family the system puts in its place, so the text
    // is in a proportional sans as intended.
    int arial =
        FontsBox->findText(QStringLiteral("Arial"), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (arial < 0)
        arial = FontsBox->findText(QFontInfo(QFont(QStringLiteral("Arial"))).family(),
                                   Qt::MatchExactly | Qt::MatchCaseSensitive);
    FontsBox->setCurrentIndex(arial);

    for (QComboBox* list : {UCCEAN128_AI, Matrix2D_AI}) FillAIList(*list);
}

void TMainForm::ConnectControls() {
    connect(LineColorBtn, &ColorPanel::clicked, this, &TMainForm::LineColorBtnClick);
    connect(LineColorMI, &QAction::triggered, this, &TMainForm::LineColorBtnClick);
    connect(BackgroundColorBtn, &ColorPanel::clicked, this, &TMainForm::BackgroundColorBtnClick);
    connect(BackgroundColorMI, &QAction::triggered, this, &TMainForm::BackgroundColorBtnClick);

    connect(FontsBox, &QComboBox::currentIndexChanged, this, &TMainForm::PaintBoxPaint);
    connect(PageControl, &QTabWidget::currentChanged, this, &TMainForm::ShowNotice);
    connect(PageControl, &QTabWidget::currentChanged, this, &TMainForm::PaintBoxPaint);
    connect(EANUPC_AddOnValue, &QLineEdit::textChanged, this, &TMainForm::PaintBoxPaint);
    for (StepSpinBox* size : {EANUPC_Size, ITF14_Size, UCCEAN128_GSize, UCCEAN128_VSize})
        connect(size, &QSpinBox::valueChanged, this, &TMainForm::PaintBoxPaint);
    connect(ITF14_FullBorder, &QCheckBox::toggled, this, &TMainForm::PaintBoxPaint);
    for (QCheckBox* tick : {Matrix2D_Rectangular, Matrix2D_HRI, Matrix2D_Pair})
        connect(tick, &QCheckBox::toggled, this, &TMainForm::PaintBoxPaint);
    connect(Matrix2D_Pair, &QCheckBox::toggled, this, &TMainForm::ShowNotice);
    connect(Matrix2D_ECLevel, &QComboBox::currentIndexChanged, this, &TMainForm::PaintBoxPaint);
    connect(Matrix2D_Module, &QDoubleSpinBox::valueChanged, this, &TMainForm::PaintBoxPaint);

    connect(EANUPC_CodeType, &QComboBox::currentIndexChanged, this,
            &TMainForm::EANUPC_CodeTypeChange);
    connect(ISBN13Box, &QCheckBox::toggled, this, &TMainForm::EANUPC_CodeTypeChange);
    connect(EANUPC_AddOnType, &QComboBox::currentIndexChanged, this,
            &TMainForm::EANUPC_AddOnTypeChange);
    connect(EANUPC_CodeValue, &QLineEdit::textChanged, this, &TMainForm::EANUPC_CodeValueChange);
    connect(ITF14_CodeValue, &QLineEdit::textChanged, this, &TMainForm::ITF14_CodeValueChange);
    connect(UCCEAN128_CodeValue, &QLineEdit::textChanged, this,
            &TMainForm::UCCEAN128_CodeValueChange);
    connect(CheckDigitButton, &QToolButton::clicked, this, &TMainForm::CheckDigitButtonClick);
    connect(ITF14CheckDigitButton, &QToolButton::clicked, this,
            &TMainForm::ITF14CheckDigitButtonClick);
    connect(UCCEAN128_InsSpecChrBtn, &QPushButton::clicked, this,
            &TMainForm::UCCEAN128_InsSpecChrBtnClick);
    connect(UCCEAN128_InsAIBtn, &QPushButton::clicked, this, &TMainForm::UCCEAN128_InsAIBtnClick);
    connect(Matrix2D_CodeValue, &QLineEdit::textChanged, this,
            &TMainForm::Matrix2D_CodeValueChange);
    connect(Matrix2D_Stem, &QLineEdit::textChanged, this, &TMainForm::Matrix2D_CodeValueChange);
    connect(Matrix2D_Type, &QComboBox::currentIndexChanged, this, &TMainForm::Matrix2D_TypeChange);
    connect(Matrix2D_FNC1Btn, &QPushButton::clicked, this, &TMainForm::Matrix2D_FNC1BtnClick);
    connect(Matrix2D_InsAIBtn, &QPushButton::clicked, this, &TMainForm::Matrix2D_InsAIBtnClick);
    connect(Matrix2D_CopyURIBtn, &QToolButton::clicked, this, &TMainForm::Matrix2D_CopyURIBtnClick);

    // Each menu item and its handler.
    const std::pair<QAction*, void (TMainForm::*)()> menu[] = {
        {SaveAsMI, &TMainForm::SaveAsMIClick},
        {PrintMI, &TMainForm::PrintMIClick},
        {LabelSheetsMI, &TMainForm::LabelSheetsMIClick},
        {CopyMI, &TMainForm::CopyMIClick},
        {ExportWordMI, &TMainForm::ExportWordMIClick},
        {ExportExcelMI, &TMainForm::ExportExcelMIClick},
        {HelpMI, &TMainForm::HelpMIClick},
        {AboutMI, &TMainForm::AboutMIClick},
        {ExitMI, &TMainForm::ExitMIClick},
    };
    for (const auto& [item, handler] : menu) connect(item, &QAction::triggered, this, handler);
}

void TMainForm::SetTabOrder() {
    const QWidget* chain[] = {PageControl,
                              EANUPC_CodeType,
                              EANUPC_CodeValue,
                              ISBN13Box,
                              EANUPC_AddOnType,
                              EANUPC_AddOnValue,
                              EANUPC_Size,
                              ITF14_CodeValue,
                              ITF14_Size,
                              ITF14_FullBorder,
                              UCCEAN128_CodeValue,
                              UCCEAN128_SpecChr,
                              UCCEAN128_InsSpecChrBtn,
                              UCCEAN128_AI,
                              UCCEAN128_InsAIBtn,
                              UCCEAN128_GSize,
                              UCCEAN128_VSize,
                              Matrix2D_CodeValue,
                              Matrix2D_FNC1Btn,
                              Matrix2D_AI,
                              Matrix2D_InsAIBtn,
                              Matrix2D_Type,
                              Matrix2D_Module,
                              Matrix2D_Rectangular,
                              Matrix2D_ECLevel,
                              Matrix2D_HRI,
                              Matrix2D_Pair,
                              Matrix2D_Stem,
                              Matrix2D_URI,
                              Resolution_,
                              FontsBox};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(const_cast<QWidget*>(chain[i - 1]), const_cast<QWidget*>(chain[i]));
}

SymbolTab TMainForm::CurrentTab() const {
    return static_cast<SymbolTab>(PageControl->currentIndex());
}

SymbolControls TMainForm::Controls() const {
    const auto percent = [](const StepSpinBox* spin) {
        return static_cast<unsigned short>(spin->value());
    };
    SymbolControls c;
    c.tab = CurrentTab();
    c.codeType = EANUPC_CodeType->currentText().toStdString();
    c.isbn = ISBN13Box->isChecked();
    c.codeDigits = DigitString(*EANUPC_CodeValue);
    c.addOnType = EANUPC_AddOnType->currentText().toStdString();
    c.addOnDigits = DigitString(*EANUPC_AddOnValue);
    c.codeSize = percent(EANUPC_Size);
    c.itfDigits = DigitString(*ITF14_CodeValue);
    c.itfSize = percent(ITF14_Size);
    c.fullBorder = ITF14_FullBorder->isChecked();
    c.gSize = percent(UCCEAN128_GSize);
    c.vSize = percent(UCCEAN128_VSize);
    c.matrixType = Matrix2D_Type->currentText().toStdString();
    c.matrixText = FieldBytes(Matrix2D_CodeValue->text());
    c.rectangular = Matrix2D_Rectangular->isChecked();
    c.qrLevel = static_cast<QRLevel>(Matrix2D_ECLevel->currentIndex());
    c.stem = Matrix2D_Stem->text().toStdString();
    c.moduleMm = Matrix2D_Module->value();
    c.elementText = Matrix2D_HRI->isChecked();
    c.pairLinear = Matrix2D_Pair->isChecked();
    return c;
}

SymbolRequest TMainForm::CurrentRequest() const {
    return SymbolFromControls(Controls(), ucc_);
}

SymbolStyle TMainForm::CurrentStyle() const {
    SymbolStyle style;
    style.line = FromQColor(LineColorBtn->colour());
    style.background = FromQColor(BackgroundColorBtn->colour());
    // Without a chosen font the canvas keeps its own.
    if (!FontsBox->currentText().isEmpty()) style.fontName = FontsBox->currentText().toStdString();
    return style;
}

int TMainForm::Resolution() const {
    return Resolution_->value();
}

Application TMainForm::CurrentApplication() const {
    return static_cast<Application>(ApplicationBox->currentData().toInt());
}

void TMainForm::PaintBoxPaint() {
    SymbolRequest request = CurrentRequest();
    // A mend writes into the text it was found in.
    Verdict->setMendField(CurrentTab() == SymbolTab::Matrix2D ? Matrix2D_CodeValue
                                                              : UCCEAN128_CodeValue);
    PaintBox->setSymbolStyle(CurrentStyle());
    Verdict->recheck(request, CurrentStyle(), Resolution(), CurrentApplication());
    PaintBox->setSymbol(std::move(request));
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) FormResize();
    // The code-type and add-on lists drop down when typed into.
    if ((watched == EANUPC_CodeType || watched == EANUPC_AddOnType) &&
        event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint() &&
            (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier)
            if (auto* list = qobject_cast<QComboBox*>(watched))
                // After the list has picked the item the key stands for.
                QMetaObject::invokeMethod(
                    list, [list] { list->showPopup(); }, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::FormResize() {
    const QWidget* client = centralWidget();
    if (client == nullptr || PreviewBox == nullptr) return;
    const int width = client->width();
    const int height = client->height();
    PreviewBox->resize(width - PreviewBox->x() - kMargin, height - PreviewBox->y() - kMargin);
    SettingsPanel->move(width - SettingsPanel->width() - kMargin, SettingsPanel->y());
    NoticeLabel->move(SettingsPanel->x(), NoticeLabel->y());
}

void TMainForm::ChooseColour(ColorPanel& panel) {
    // One dialog for both colours, opening on the colour last confirmed in it.
    ColorDialog->setCurrentColor(confirmedColour_);
    if (ColorDialog->exec() == QDialog::Accepted) {
        confirmedColour_ = ColorDialog->selectedColor();
        panel.setColour(confirmedColour_);
    }
    PaintBoxPaint();
}

void TMainForm::LineColorBtnClick() {
    ChooseColour(*LineColorBtn);
}

void TMainForm::BackgroundColorBtnClick() {
    ChooseColour(*BackgroundColorBtn);
}

Symbology TMainForm::CodeSymbology() const {
    return quillmark::CodeSymbology(EANUPC_CodeType->currentText().toStdString(),
                                    ISBN13Box->isChecked());
}

void TMainForm::EANUPC_CodeTypeChange() {
    const Symbology id = CodeSymbology();
    const bool takesAddOn = SymbologyOf(id).takesAddOn;
    Label2->setVisible(takesAddOn);
    EANUPC_AddOnType->setVisible(takesAddOn);
    EANUPC_AddOnValue->setVisible(
        takesAddOn && AddOnDigitCount(EANUPC_AddOnType->currentText().toStdString()) > 0);
    ISBN13Box->setVisible(id == Symbology::EAN13 || id == Symbology::ISBN13);
    // The number system check applies to UPC-E only; it is set again once the new text is in.
    EANUPC_CodeValue->setValidator(nullptr);
    SetNumberMask(*EANUPC_CodeValue, id);
    if (id == Symbology::ISBN13) EANUPC_CodeValue->setValidator(isbnPrefix_);
    if (id == Symbology::UPCE) EANUPC_CodeValue->setValidator(numberSystem_);
    PaintBoxPaint();
}

void TMainForm::EANUPC_AddOnTypeChange() {
    const std::size_t digits = AddOnDigitCount(EANUPC_AddOnType->currentText().toStdString());
    EANUPC_AddOnValue->setVisible(digits > 0);
    if (digits > 0)
        SetEditMask(*EANUPC_AddOnValue, std::string(digits, '9') + ";1;0",
                    QString(static_cast<qsizetype>(digits), u'0'));
    PaintBoxPaint();
}

void TMainForm::ApplyCheckDigit(QLineEdit& field, Symbology id) {
    const std::string digits = SetCheckDigit(id, DigitString(field));
    if (digits.empty()) return;
    const QString text = EditTextWithLast(field, digits.back());
    // Writing fires the change event once more, which finds the text right; a second write in
    // that nested run could only come from a field refusing the digit, so none is made.
    if (text == EditText(field) || checkDepth_ > 0) return;
    const int caret = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
    ++checkDepth_;
    field.setText(text);
    --checkDepth_;
    field.setCursorPosition(caret);
}

void TMainForm::CheckDigitButtonClick() {
    ApplyCheckDigit(*EANUPC_CodeValue, CodeSymbology());
}

void TMainForm::ITF14CheckDigitButtonClick() {
    ApplyCheckDigit(*ITF14_CodeValue, Symbology::ITF14);
}

void TMainForm::EANUPC_CodeValueChange() {
    CheckDigitButtonClick();
    PaintBoxPaint();
}

void TMainForm::ITF14_CodeValueChange() {
    ITF14CheckDigitButtonClick();
    PaintBoxPaint();
}

void TMainForm::UCCEAN128_CodeValueChange() {
    const QString text = UCCEAN128_CodeValue->text();
    ucc_ = SymbolRequest{};
    ucc_.symbology = &SymbologyOf(Symbology::UCCEAN128);
    ucc_.fieldText = FieldBytes(text);
    EncodeRequest(ucc_);
    if (refusedField_ == UCCEAN128_CodeValue && text != refusedText_) refusedCount_ = 0;
    ShowNotice();
    PaintBoxPaint();
}

void TMainForm::Matrix2D_CodeValueChange() {
    if (refusedField_ == Matrix2D_CodeValue && Matrix2D_CodeValue->text() != refusedText_)
        refusedCount_ = 0;
    ShowDigitalLink();
    ShowNotice();
    PaintBoxPaint();
}

void TMainForm::Matrix2D_TypeChange() {
    const SymbologyInfo* info = FindSymbology(Matrix2D_Type->currentText().toStdString());
    const Symbology id = info != nullptr ? info->id : Symbology::GS1DataMatrix;
    Matrix2D_Rectangular->setVisible(id == Symbology::GS1DataMatrix);
    Label18->setVisible(id != Symbology::GS1DataMatrix);
    Matrix2D_ECLevel->setVisible(id != Symbology::GS1DataMatrix);
    // The stem goes before the URI it starts.
    const bool link = id == Symbology::DigitalLinkQR;
    Matrix2D_Stem->setVisible(link);
    const int uriX = link ? Matrix2D_Stem->geometry().right() + 5 : Matrix2D_Stem->x();
    Matrix2D_URI->setGeometry(uriX, Matrix2D_URI->y(), Matrix2D_CopyURIBtn->x() - 4 - uriX,
                              Matrix2D_URI->height());
    ShowDigitalLink();
    ShowNotice();
    PaintBoxPaint();
}

void TMainForm::FieldRefused(const QLineEdit* field, qsizetype count, const QString& text) {
    refusedField_ = field;
    refusedCount_ = count;
    refusedText_ = text;
    ShowNotice();
}

QLineEdit* TMainForm::GS1Field() const {
    switch (CurrentTab()) {
        case SymbolTab::UCCEAN128:
            return UCCEAN128_CodeValue;
        case SymbolTab::Matrix2D:
            return Matrix2D_CodeValue;
        default:
            return nullptr;
    }
}

void TMainForm::ShowNotice() {
    QStringList lines;
    if (refusedCount_ > 0 && refusedField_ != nullptr && refusedField_ == GS1Field())
        lines << tr("Не вставлено знаков: %1. Поле принимает ASCII 32–126 и спецсимволы "
                    "А–Я, а–г.")
                     .arg(refusedCount_);
    if (CurrentTab() == SymbolTab::Matrix2D) lines << MatrixNotice();
    if (CurrentTab() == SymbolTab::UCCEAN128) {
        if (ucc_.encoded && ucc_.encoded->result.truncated)
            lines << tr("В символе только первые %1 из %2 знаков: больше не помещается.")
                         .arg(ucc_.encoded->result.encodedChars)
                         .arg(ucc_.fieldText.size());
    }
    NoticeLabel->setText(lines.join(u'\n'));
}

QStringList TMainForm::MatrixNotice() const {
    if (Matrix2D_CodeValue->text().isEmpty()) return {};
    const SymbolRequest request = CurrentRequest();
    if (request.matrix) {
        const QString pair = PairNotice(request);
        return pair.isEmpty() ? QStringList{} : QStringList{pair};
    }
    if (request.Is(Symbology::DigitalLinkQR))
        return {tr("Нет ссылки GS1 Digital Link: %1").arg(LinkRefusalText(CurrentLink()))};
    // Without its parentheses an AI's end is not known, and QR Code's GS1 mode needs it.
    if (request.Is(Symbology::GS1QR) && !BracketedElementString(request.fieldText).starts_with('['))
        return {tr("В GS1 QR Code каждый AI пишется в скобках.")};
    return {tr("Данные не помещаются в один символ %1.").arg(NameOf(request.symbology->id))};
}

// Why the ticked linear symbol is not drawn beside the 2D one; empty when it is.
QString TMainForm::PairNotice(const SymbolRequest& request) const {
    if (!Matrix2D_Pair->isChecked() || request.pairedLinear != nullptr) return {};
    const PairedLinear linear = LinearOfGTIN(request.fieldText);
    switch (linear.problem) {
        case PairProblem::NoGTIN:
            return tr("Линейного символа нет: в данных нет GTIN (01).");
        case PairProblem::GTINNotDigits:
            return tr("Линейного символа нет: GTIN (01) — не 14 цифр.");
        case PairProblem::VariableMeasure:
            return tr(
                "Линейного символа нет: GTIN товара переменной меры (индикатор 9) "
                "в EAN/UPC и ITF-14 не кодируют.");
        case PairProblem::WrongCheckDigit:
            return tr("Линейного символа нет: неверная контрольная цифра GTIN %1.")
                .arg(QString::fromStdString(linear.gtin));
        case PairProblem::None:
            break;
    }
    return {};
}

DigitalLinkResult TMainForm::CurrentLink() const {
    return DigitalLinkFromElementString(FieldBytes(Matrix2D_CodeValue->text()),
                                        Matrix2D_Stem->text().toStdString());
}

void TMainForm::ShowDigitalLink() {
    const DigitalLinkResult link = CurrentLink();
    Matrix2D_URI->setText(link.text ? QString::fromStdString(*link.text) : QString());
    Matrix2D_URI->setCursorPosition(0);
    // The whole URI, or why the text makes none.
    QString tip = Matrix2D_URI->text();
    if (!link.text && !Matrix2D_CodeValue->text().isEmpty()) tip = LinkRefusalText(link);
    Matrix2D_URI->setToolTip(tip);
    Matrix2D_CopyURIBtn->setEnabled(link.text.has_value());
}

void TMainForm::UCCEAN128_InsSpecChrBtnClick() {
    if (const auto code = SpecialCharCode(UCCEAN128_SpecChr->currentIndex()))
        InsertAtCaret(*UCCEAN128_CodeValue, SpecialCharLetter(*code));
}

void TMainForm::Matrix2D_FNC1BtnClick() {
    InsertAtCaret(*Matrix2D_CodeValue, SpecialCharLetter(kNotationFnc1));
}

void TMainForm::AppendAIText(const QComboBox& list, QLineEdit& field) {
    const std::optional<QString> text = commands_->AskAIText(list.currentIndex());
    if (text) field.setText(field.text() + *text);
}

void TMainForm::UCCEAN128_InsAIBtnClick() {
    AppendAIText(*UCCEAN128_AI, *UCCEAN128_CodeValue);
}

void TMainForm::Matrix2D_InsAIBtnClick() {
    AppendAIText(*Matrix2D_AI, *Matrix2D_CodeValue);
}

void TMainForm::Matrix2D_CopyURIBtnClick() {
    if (!Matrix2D_URI->text().isEmpty())
        QGuiApplication::clipboard()->setText(Matrix2D_URI->text());
}

void TMainForm::SaveAsMIClick() {
    commands_->SaveAs();
}

void TMainForm::LabelSheetsMIClick() {
    LabelSheetDialog dialog(CurrentRequest(), CurrentStyle(), CurrentApplication(), this);
    dialog.exec();
}

void TMainForm::PrintMIClick() {
    commands_->Print();
}

void TMainForm::CopyMIClick() {
    commands_->Copy();
}

void TMainForm::ExportWordMIClick() {
    commands_->ExportWord();
}

void TMainForm::ExportExcelMIClick() {
    commands_->ExportExcel();
}

void TMainForm::HelpMIClick() {
    commands_->Help();
}

void TMainForm::AboutMIClick() {
    commands_->About();
}

void TMainForm::ExitMIClick() {
    close();
}

}  // namespace quillmark
