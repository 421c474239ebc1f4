// Builds the main window, keeps its margins and check digits, and feeds the preview.
#include "app/MainForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
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

#include "ai/AIList.h"
#include "ai/FieldCharacters.h"
#include "app/CheckWording.h"
#include "app/EditMask.h"
#include "app/LabelSheetDialog.h"
#include "app/FieldLetters.h"
#include "app/PreviewWidget.h"
#include "app/SymbolControls.h"
#include "app/SymbolVerdict.h"
#include "app/WindowCommands.h"
#include "app/WindowControls.h"
#include "app/translations/WindowLanguage.h"
#include "canvas/QPainterCanvas.h"
#include "symbol/CheckDigit.h"

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
    // In the order of SymbolTab.
    PageControl->addTab(tab1, QStringLiteral("EAN/UPC"));
    PageControl->addTab(tab2, NameOf(Symbology::ITF14));
    PageControl->addTab(tab3, NameOf(Symbology::UCCEAN128));
    CreateEANUPCTab(tab1);
    CreateITF14Tab(tab2);
    CreateUCCEAN128Tab(tab3);
    CreateSettings(client);
    CreatePreview(client);

    FormCreate();
    // Created once, after the window itself: the About box, then the AI dialog.
    commands_ = new WindowCommands(*this);
    ConnectControls();
    SetTabOrder();
    UCCEAN128_CodeValueChange();
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

void TMainForm::CreateUCCEAN128Tab(QWidget* page) {
    UCCEAN128_CodeValue = AddEdit(page, "UCCEAN128_CodeValue", 5, 5, 375);
    // Long pastes are kept whole: the notice then says how much of them the symbol holds.
    UCCEAN128_CodeValue->setMaxLength(1'000'000);
    auto* letters = new FieldLetterValidator(UCCEAN128_CodeValue);
    UCCEAN128_CodeValue->setValidator(letters);
    connect(letters, &FieldLetterValidator::refused, this, &TMainForm::FieldRefused);

    AddLabel(page, "Label11", tr("Спецсимвол:"), 5, 35);
    QStringList names;
    for (const std::string_view name : SpecialCharNames)
        names << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    UCCEAN128_SpecChr = AddList(page, "UCCEAN128_SpecChr", names, 74, 32, 272);
    SetVisibleRows(*UCCEAN128_SpecChr, 16);
    UCCEAN128_InsSpecChrBtn =
        Named(new QPushButton(tr("Вставить"), page), "UCCEAN128_InsSpecChrBtn");
    UCCEAN128_InsSpecChrBtn->setGeometry(349, 32, 56, 20);

    AddLabel(page, "Label14", tr("Прикладной идентификатор (AI):"), 5, 63);
    UCCEAN128_AI = AddList(page, "UCCEAN128_AI", {}, 173, 60, 173);
    SetVisibleRows(*UCCEAN128_AI, 16);
    UCCEAN128_InsAIBtn = Named(new QPushButton(tr("Вставить"), page), "UCCEAN128_InsAIBtn");
    UCCEAN128_InsAIBtn->setGeometry(349, 60, 56, 20);

    AddLabel(page, "Label7", tr("Горизонтальный размер:"), 5, 94);
    UCCEAN128_GSize = AddSpin(page, "UCCEAN128_GSize", 138, 90, 100, 407, 5, 100, false);
    AddLabel(page, "Label10", QStringLiteral("%"), 186, 94);
    AddLabel(page, "Label12", tr("Вертикальный размер:"), 210, 94);
    UCCEAN128_VSize = AddSpin(page, "UCCEAN128_VSize", 332, 90, 100, 400, 5, 100, false);
    AddLabel(page, "Label13", QStringLiteral("%"), 380, 94);
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

    UCCEAN128_AI->clear();
    for (int row = 0; row < kAICount; ++row) UCCEAN128_AI->addItem(AIItemText(row));
    // The closed list is narrower than most names: its tooltip has the chosen one whole.
    connect(UCCEAN128_AI, &QComboBox::currentTextChanged, UCCEAN128_AI, &QWidget::setToolTip);
    UCCEAN128_AI->setCurrentIndex(0);
    UCCEAN128_AI->setToolTip(UCCEAN128_AI->currentText());
    // The AI names are longer than the list is wide: the dropped list shows them whole.
    QAbstractItemView* rows = UCCEAN128_AI->view();
    rows->setMinimumWidth(rows->sizeHintForColumn(0) +
                          rows->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
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

    connect(SaveAsMI, &QAction::triggered, this, &TMainForm::SaveAsMIClick);
    connect(PrintMI, &QAction::triggered, this, &TMainForm::PrintMIClick);
    connect(LabelSheetsMI, &QAction::triggered, this, &TMainForm::LabelSheetsMIClick);
    connect(CopyMI, &QAction::triggered, this, &TMainForm::CopyMIClick);
    connect(ExportWordMI, &QAction::triggered, this, &TMainForm::ExportWordMIClick);
    connect(ExportExcelMI, &QAction::triggered, this, &TMainForm::ExportExcelMIClick);
    connect(HelpMI, &QAction::triggered, this, &TMainForm::HelpMIClick);
    connect(AboutMI, &QAction::triggered, this, &TMainForm::AboutMIClick);
    connect(ExitMI, &QAction::triggered, this, &TMainForm::ExitMIClick);
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
    if (refusedCount_ > 0 && text != refusedText_) refusedCount_ = 0;
    ShowNotice();
    PaintBoxPaint();
}

void TMainForm::FieldRefused(qsizetype count, const QString& text) {
    refusedCount_ = count;
    refusedText_ = text;
    ShowNotice();
}

void TMainForm::ShowNotice() {
    QStringList lines;
    if (CurrentTab() == SymbolTab::UCCEAN128) {
        if (refusedCount_ > 0)
            lines << tr("Не вставлено знаков: %1. Поле принимает ASCII 32–126 и спецсимволы "
                        "А–Я, а–г.")
                         .arg(refusedCount_);
        if (ucc_.encoded && ucc_.encoded->result.truncated)
            lines << tr("В символе только первые %1 из %2 знаков: больше не помещается.")
                         .arg(ucc_.encoded->result.encodedChars)
                         .arg(ucc_.fieldText.size());
    }
    NoticeLabel->setText(lines.join(u'\n'));
}

void TMainForm::UCCEAN128_InsSpecChrBtnClick() {
    const auto code = SpecialCharCode(UCCEAN128_SpecChr->currentIndex());
    if (!code) return;
    QLineEdit& field = *UCCEAN128_CodeValue;
    // In front of a selection, which stays in the text; the caret ends after the new character
    // so that repeated insertions come out in order.
    const int caret = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
    field.deselect();
    field.setCursorPosition(caret);
    field.insert(QString(SpecialCharLetter(*code)));
    field.setFocus(Qt::OtherFocusReason);
}

void TMainForm::UCCEAN128_InsAIBtnClick() {
    const std::optional<QString> text = commands_->AskAIText(UCCEAN128_AI->currentIndex());
    if (text) UCCEAN128_CodeValue->setText(UCCEAN128_CodeValue->text() + *text);
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
