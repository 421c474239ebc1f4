// The label sheet print dialog and its page preview.
#include "app/LabelSheetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

#include "app/CheckWording.h"
#include "app/PrinterProfiles.h"
#include "app/translations/WindowLanguage.h"
#include "check/Findings.h"
#include "check/ModuleCheck.h"
#include "check/WholeDots.h"
#include "output/AtomicFile.h"
#include "verify/ExpectedScan.h"
#include "verify/ScanBack.h"

namespace quillmark {
namespace {

// The printer resolution offered where no printer is installed, and its range.
constexpr int kDefaultPrinterDpi = 300;
constexpr int kMaxCopies = 1000;

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A box of decimals written as the window's language writes them, as the rest of the window does.
QDoubleSpinBox* DecimalBox(const char* name) {
    auto* box = Named(new QDoubleSpinBox, name);
    box->setLocale(QLocale(ShownLanguage()));
    return box;
}

QDoubleSpinBox* MmBox(const char* name, double limit, double step, const QString& suffix) {
    QDoubleSpinBox* box = DecimalBox(name);
    box->setRange(-limit, limit);
    box->setDecimals(2);
    box->setSingleStep(step);
    box->setSuffix(suffix);
    return box;
}

QString SerialProblemText(SerialProblem problem) {
    switch (problem) {
        case SerialProblem::None:
            return {};
        case SerialProblem::Malformed:
            return LabelSheetDialog::tr("Начало нумерации — только цифры");
        case SerialProblem::NoCountedField:
            return LabelSheetDialog::tr("Нумеровать нечего: нет SSCC (00) и серийного номера (21)");
        case SerialProblem::LinkNotCounted:
            return LabelSheetDialog::tr("QR-код с цифровой ссылкой GS1 не нумеруется");
        case SerialProblem::StartTooWide:
            return LabelSheetDialog::tr("В начале нумерации больше цифр, чем в нумеруемом поле");
        case SerialProblem::ZeroCount:
            return LabelSheetDialog::tr("Количество и шаг — не меньше 1");
        case SerialProblem::TooMany:
            return LabelSheetDialog::tr("Слишком много этикеток");
        case SerialProblem::Overflow:
            return LabelSheetDialog::tr("Последний номер не помещается в поле");
    }
    return {};
}

}  // namespace

QStringList LabelRunStoppers(const SymbolRequest& label, const SymbolStyle& style, double dotsPerMm,
                             Application application, bool wholeDots) {
    const SymbolCheckReport report =
        CheckSymbol(label, style.line, style.background, dotsPerMm, application, wholeDots);
    std::optional<ScanFinding> scan;
    if (const std::optional<ScanExpectation> expected = ExpectedScanText(label)) {
        // Read as printed: in whole dots, when the run has them.
        const double scanScale = wholeDots ? WholeDotScale(label, dotsPerMm) : dotsPerMm;
        scan = JudgeScan(ScanBackSymbol(label, scanScale, style), *expected);
    }
    QStringList stoppers;
    for (const Finding& finding : ListFindings(report, dotsPerMm, scan)) {
        if (StopsLabelRun(finding)) stoppers << FindingText(finding);
    }
    return stoppers;
}

QStringList SizeTableFailures(const SymbolRequest& symbol, const SymbolStyle& style,
                              double dotsPerMm, Application application, bool wholeDots) {
    const SymbolCheckReport report =
        CheckSymbol(symbol, style.line, style.background, dotsPerMm, application, wholeDots);
    QStringList failures;
    for (const Finding& finding : ListFindings(report, dotsPerMm, std::nullopt)) {
        if (finding.severity == Severity::Failure &&
            std::holds_alternative<SizeTableFinding>(finding.detail)) {
            failures << FindingText(finding);
        }
    }
    return failures;
}

SheetPreview::SheetPreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 320);
    setCursor(Qt::PointingHandCursor);
}

void SheetPreview::SetJob(const LabelSheetJob* job) {
    job_ = job;
    update();
}

QSize SheetPreview::sizeHint() const {
    return {300, 420};
}

QTransform SheetPreview::PageToWidget() const {
    if (!job_ || !job_->sheet || job_->sheet->paperWidth <= 0 || job_->sheet->paperHeight <= 0) {
        return {};
    }
    const double margin = 6;
    const double scale = std::min((width() - 2 * margin) / job_->sheet->paperWidth,
                                  (height() - 2 * margin) / job_->sheet->paperHeight);
    QTransform t;
    t.translate((width() - scale * job_->sheet->paperWidth) / 2,
                (height() - scale * job_->sheet->paperHeight) / 2);
    t.scale(scale, scale);
    return t;
}

int SheetPreview::CellAt(QPointF point) const {
    if (!job_ || !job_->sheet) return 0;
    const QPointF mm = PageToWidget().inverted().map(point);
    const std::vector<CellRect> cells = SheetCells(*job_->sheet);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const CellRect& c = cells[i];
        if (QRectF(c.x, c.y, c.width, c.height).contains(mm)) return static_cast<int>(i) + 1;
    }
    return 0;
}

void SheetPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!job_ || !job_->sheet) return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(PageToWidget());
    const LabelSheet& sheet = *job_->sheet;
    painter.fillRect(QRectF(0, 0, sheet.paperWidth, sheet.paperHeight), Qt::white);
    const std::vector<CellRect> cells = SheetCells(sheet);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const CellRect& c = cells[i];
        const QRectF r(c.x, c.y, c.width, c.height);
        // The labels used already, before the start, are shaded.
        if (static_cast<int>(i) + 1 < job_->startCell)
            painter.fillRect(r, QColor(0xD8, 0xD8, 0xD8));
        painter.setPen(QPen(Qt::gray, 0));
        painter.drawRect(r);
    }
    LabelSheetJob drawn = *job_;
    drawn.outlines = false;
    PaintSheetPage(painter, drawn, 0);
}

void SheetPreview::mousePressEvent(QMouseEvent* event) {
    if (const int cell = CellAt(event->position())) emit CellClicked(cell);
}

LabelSheetDialog::LabelSheetDialog(const SymbolRequest& request, const SymbolStyle& style,
                                   LabelCheck check, QWidget* parent)
    : QDialog(parent), library_(LoadSheetLibrary()), request_(request), check_(std::move(check)) {
    setObjectName(QStringLiteral("LabelSheetDialog"));
    setWindowTitle(tr("Печать на листах этикеток"));
    EncodeRequest(request_);
    job_.style = style;
    BuildControls();
    ConnectControls();
    FillSheetList();
    PrinterChanged();
}

LabelSheetDialog::LabelSheetDialog(const SymbolRequest& request, const SymbolStyle& style,
                                   Application application, QWidget* parent)
    : LabelSheetDialog(request, style, nullptr, parent) {
    application_ = application;
    check_ = [this](const SymbolRequest& label) {
        return LabelRunStoppers(label, job_.style, job_.dotsPerMm, application_, job_.wholeDots);
    };
    Update();
}

void LabelSheetDialog::BuildControls() {
    SheetSearch = Named(new QLineEdit, "SheetSearch");
    SheetSearch->setPlaceholderText(tr("Поиск: производитель, артикул, описание"));
    SheetSearch->setClearButtonEnabled(true);
    SheetList = Named(new QListWidget, "SheetList");
    Preview = Named(new SheetPreview, "SheetPreview");
    auto* left = new QVBoxLayout;
    left->addWidget(SheetSearch);
    left->addWidget(SheetList, 1);
    left->addWidget(Preview, 2);

    StartCell = Named(new QSpinBox, "StartCell");
    StartCell->setRange(1, 1);
    Copies = Named(new QSpinBox, "Copies");
    Copies->setRange(1, kMaxCopies);
    PlacementBox = Named(new QComboBox, "PlacementBox");
    PlacementBox->addItems({tr("По центру"), tr("Со смещением")});
    OffsetX = MmBox("OffsetX", 500, 0.5, tr(" мм"));
    OffsetY = MmBox("OffsetY", 500, 0.5, tr(" мм"));
    auto* labels = new QFormLayout;
    labels->addRow(tr("Первая этикетка:"), StartCell);
    labels->addRow(tr("Копий каждой:"), Copies);
    labels->addRow(tr("Символ в этикетке:"), PlacementBox);
    labels->addRow(tr("Смещение вправо:"), OffsetX);
    labels->addRow(tr("Смещение вниз:"), OffsetY);

    SerialBox = Named(new QGroupBox(tr("Нумерация")), "SerialBox");
    SerialBox->setCheckable(true);
    SerialBox->setChecked(false);
    SerialStart = Named(new QLineEdit, "SerialStart");
    SerialStart->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{1,19}")), SerialStart));
    SerialStart->setText(QStringLiteral("0001"));
    SerialCount = Named(new QSpinBox, "SerialCount");
    SerialCount->setRange(1, static_cast<int>(kMaxSerialCount));
    SerialCount->setValue(10);
    SerialStep = Named(new QSpinBox, "SerialStep");
    SerialStep->setRange(1, 1'000'000);
    auto* serial = new QFormLayout(SerialBox);
    serial->addRow(tr("Начать с:"), SerialStart);
    serial->addRow(tr("Количество:"), SerialCount);
    serial->addRow(tr("Шаг:"), SerialStep);

    auto* printerBox = new QGroupBox(tr("Принтер"));
    PrinterName = Named(new QComboBox, "PrinterName");
    PrinterName->addItems(QPrinterInfo::availablePrinterNames());
    PrinterName->setEnabled(PrinterName->count() > 0);
    PrinterDpi = Named(new QSpinBox, "PrinterDpi");
    PrinterDpi->setRange(25, 2400);
    PrinterDpi->setSuffix(tr(" dpi"));
    PrinterDpi->setValue(kDefaultPrinterDpi);
    WholeDots = Named(new QCheckBox(tr("Штрихи в целых точках принтера")), "WholeDots");
    WholeDots->setChecked(true);
    ModuleText = Named(new QLabel, "ModuleText");
    BarReduction = Named(new QSpinBox, "BarReduction");
    BarReduction->setRange(0, static_cast<int>(kMaxBarReductionMicrons));
    BarReduction->setSingleStep(5);
    BarReduction->setSuffix(tr(" мкм"));
    BarReductionText = Named(new QLabel, "BarReductionText");
    ProfileOffsetX = MmBox("ProfileOffsetX", kMaxProfileOffsetMm, 0.1, tr(" мм"));
    ProfileOffsetY = MmBox("ProfileOffsetY", kMaxProfileOffsetMm, 0.1, tr(" мм"));
    ProfileScaleX = DecimalBox("ProfileScaleX");
    ProfileScaleY = DecimalBox("ProfileScaleY");
    for (QDoubleSpinBox* box : {ProfileScaleX, ProfileScaleY}) {
        box->setRange(kMinProfileScalePercent, kMaxProfileScalePercent);
        box->setDecimals(2);
        box->setSingleStep(0.1);
        box->setSuffix(QStringLiteral(" %"));
        box->setValue(100);
    }
    CalibrationButton = Named(new QPushButton(tr("Калибровочная страница…")), "CalibrationButton");
    auto* printer = new QFormLayout(printerBox);
    printer->addRow(tr("Принтер:"), PrinterName);
    printer->addRow(tr("Разрешение:"), PrinterDpi);
    printer->addRow(WholeDots);
    printer->addRow(tr("Модуль:"), ModuleText);
    printer->addRow(tr("Уменьшение штрихов:"), BarReduction);
    printer->addRow(QString(), BarReductionText);
    printer->addRow(tr("Поправка вправо:"), ProfileOffsetX);
    printer->addRow(tr("Поправка вниз:"), ProfileOffsetY);
    printer->addRow(tr("Масштаб по ширине:"), ProfileScaleX);
    printer->addRow(tr("Масштаб по высоте:"), ProfileScaleY);
    printer->addRow(CalibrationButton);

    Outlines =
        Named(new QCheckBox(tr("Контуры этикеток (для пробы на простой бумаге)")), "Outlines");
    // GS1's quiet-zone marks belong to EAN-13 (and the book symbol) and EAN-8 only.
    QuietZoneMarks = Named(new QCheckBox(tr("Знаки свободных зон «<» и «>»")), "QuietZoneMarks");
    QuietZoneMarks->setEnabled(request_.Is(Symbology::EAN13) || request_.Is(Symbology::ISBN13) ||
                               request_.Is(Symbology::EAN8));
    SheetFindings = Named(new QListWidget, "SheetFindings");
    SheetFindings->setMaximumHeight(90);
    auto* buttons = new QDialogButtonBox;
    PrintButton =
        Named(buttons->addButton(tr("Печать"), QDialogButtonBox::AcceptRole), "PrintButton");
    SavePdfButton = Named(buttons->addButton(tr("Сохранить PDF…"), QDialogButtonBox::ActionRole),
                          "SavePdfButton");
    Named(buttons->addButton(tr("Закрыть"), QDialogButtonBox::RejectRole), "CloseButton");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* right = new QVBoxLayout;
    right->addLayout(labels);
    right->addWidget(SerialBox);
    right->addWidget(printerBox);
    right->addWidget(Outlines);
    right->addWidget(QuietZoneMarks);
    right->addWidget(SheetFindings);
    right->addStretch();
    right->addWidget(buttons);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right);
}

void LabelSheetDialog::ConnectControls() {
    connect(SheetSearch, &QLineEdit::textChanged, this, &LabelSheetDialog::FillSheetList);
    connect(SheetList, &QListWidget::currentRowChanged, this, &LabelSheetDialog::Update);
    connect(Preview, &SheetPreview::CellClicked, StartCell, &QSpinBox::setValue);
    for (QSpinBox* box : {StartCell, Copies, SerialCount, SerialStep, PrinterDpi, BarReduction}) {
        connect(box, &QSpinBox::valueChanged, this, &LabelSheetDialog::Update);
    }
    connect(BarReduction, &QSpinBox::valueChanged, this, &LabelSheetDialog::StoreProfile);
    for (QDoubleSpinBox* box : {OffsetX, OffsetY}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &LabelSheetDialog::Update);
    }
    for (QDoubleSpinBox* box : {ProfileOffsetX, ProfileOffsetY, ProfileScaleX, ProfileScaleY}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &LabelSheetDialog::StoreProfile);
    }
    connect(PlacementBox, &QComboBox::currentIndexChanged, this, &LabelSheetDialog::Update);
    connect(SerialBox, &QGroupBox::toggled, this, &LabelSheetDialog::Update);
    connect(SerialStart, &QLineEdit::textChanged, this, &LabelSheetDialog::Update);
    connect(WholeDots, &QCheckBox::toggled, this, &LabelSheetDialog::Update);
    connect(Outlines, &QCheckBox::toggled, this, &LabelSheetDialog::Update);
    connect(QuietZoneMarks, &QCheckBox::toggled, this, &LabelSheetDialog::Update);
    connect(PrinterName, &QComboBox::currentTextChanged, this, &LabelSheetDialog::PrinterChanged);
    connect(PrintButton, &QPushButton::clicked, this, &LabelSheetDialog::PrintClick);
    connect(SavePdfButton, &QPushButton::clicked, this, &LabelSheetDialog::SavePdfClick);
    connect(CalibrationButton, &QPushButton::clicked, this, &LabelSheetDialog::CalibrationClick);
}

void LabelSheetDialog::FillSheetList() {
    const QString chosen = SheetList->currentItem() ? SheetList->currentItem()->text() : QString();
    const QSignalBlocker blocker(SheetList);
    SheetList->clear();
    for (const LabelSheet* sheet :
         SearchSheets(library_.sheets, SheetSearch->text().toStdString())) {
        const int index = static_cast<int>(sheet - library_.sheets.data());
        const std::size_t cells = SheetCells(*sheet).size();
        auto* item = new QListWidgetItem(tr("%1 — %2 (%3 шт., %4 × %5 мм)")
                                             .arg(QString::fromStdString(SheetName(*sheet)),
                                                  QString::fromStdString(sheet->description))
                                             .arg(cells)
                                             .arg(locale().toString(sheet->labelWidth, 'f', 1),
                                                  locale().toString(sheet->labelHeight, 'f', 1)));
        item->setData(Qt::UserRole, index);
        SheetList->addItem(item);
        if (item->text() == chosen) SheetList->setCurrentItem(item);
    }
    if (!SheetList->currentItem() && SheetList->count() > 0) SheetList->setCurrentRow(0);
    Update();
}

bool LabelSheetDialog::ChooseSheet(const QString& name) {
    const LabelSheet* sheet = FindSheet(library_.sheets, name.toStdString());
    if (!sheet) return false;
    SheetSearch->setText(QString::fromStdString(SheetName(*sheet)));
    for (int row = 0; row < SheetList->count(); ++row) {
        if (SheetList->item(row)->data(Qt::UserRole).toInt() == sheet - library_.sheets.data()) {
            SheetList->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

void LabelSheetDialog::Update() {
    const QListWidgetItem* item = SheetList->currentItem();
    job_.sheet = item ? &library_.sheets[item->data(Qt::UserRole).toInt()] : nullptr;
    const int cells = job_.sheet ? static_cast<int>(SheetCells(*job_.sheet).size()) : 1;
    {
        const QSignalBlocker blocker(StartCell);
        StartCell->setRange(1, std::max(cells, 1));
    }
    job_.startCell = StartCell->value();
    job_.copies = Copies->value();
    job_.placement = {PlacementBox->currentIndex() == 0, OffsetX->value(), OffsetY->value()};
    OffsetX->setEnabled(!job_.placement.centred);
    OffsetY->setEnabled(!job_.placement.centred);
    job_.dotsPerMm = PrinterDpi->value() / 25.4;
    job_.wholeDots = WholeDots->isChecked();
    job_.outlines = Outlines->isChecked();

    findings_.clear();
    printable_ = job_.sheet != nullptr;
    const SymbolRequest printed = PrintedRequest();
    BarReductionText->setText(
        tr("%1 точ. принтера, %2 мкм")
            .arg(printed.barReductionDots)
            .arg(locale().toString(printed.barReductionDots * 1000 / job_.dotsPerMm, 'f', 0)));
    job_.symbols = {printed};
    if (SerialBox->isChecked()) {
        serials_ = PlanSerials(printed, {SerialStart->text().toStdString(),
                                         static_cast<std::uint64_t>(SerialCount->value()),
                                         static_cast<std::uint64_t>(SerialStep->value())});
        if (serials_.problem != SerialProblem::None) {
            findings_ << SerialProblemText(serials_.problem);
            printable_ = false;
        } else {
            // The preview needs no more labels than one sheet holds.
            job_.symbols.clear();
            const std::uint64_t shown = std::min<std::uint64_t>(serials_.count, cells);
            for (std::uint64_t i = 0; i < shown; ++i) {
                job_.symbols.push_back(SerialRequest(serials_, i));
                EncodeRequest(job_.symbols.back());
            }
        }
    }
    if (check_) {
        findings_ << SizeTableFailures(request_, job_.style, job_.dotsPerMm, application_,
                                       job_.wholeDots);
    }
    if (job_.sheet && !SymbolsNotFitting(job_).empty()) {
        findings_ << tr("Символ с полями не помещается в этикетку %1 × %2 мм")
                         .arg(locale().toString(job_.sheet->labelWidth, 'f', 1),
                              locale().toString(job_.sheet->labelHeight, 'f', 1));
    }
    UpdateModuleText();
    SheetFindings->clear();
    SheetFindings->addItems(findings_);
    PrintButton->setEnabled(printable_ && PrinterName->count() > 0);
    SavePdfButton->setEnabled(printable_);
    Preview->SetJob(&job_);
}

SymbolRequest LabelSheetDialog::PrintedRequest() const {
    SymbolRequest printed = request_;
    printed.barReductionDots = WholeDotReduction(BarReduction->value(), job_.dotsPerMm);
    printed.quietZoneMarks = QuietZoneMarks->isEnabled() && QuietZoneMarks->isChecked();
    return printed;
}

void LabelSheetDialog::UpdateModuleText() {
    if (!request_.symbology) return;
    const unsigned short percent = request_.Magnification();
    if (job_.wholeDots) {
        const std::optional<WholeDotModule> whole = WholeDotModuleOf(request_, job_.dotsPerMm);
        if (!whole) {
            ModuleText->setText(QString());
            findings_ << tr("При %1 dpi ни одно целое число точек не даёт допустимого модуля")
                             .arg(PrinterDpi->value());
            printable_ = false;
            return;
        }
        ModuleText->setText(tr("%1 мм, %2 %")
                                .arg(locale().toString(whole->moduleMm, 'f', 3),
                                     locale().toString(whole->percent, 'f', 1)));
        return;
    }
    const std::optional<double> nominal = NominalModuleMm(request_.symbology->id, percent);
    ModuleText->setText(nominal ? tr("%1 мм, %2 %")
                                      .arg(locale().toString(*nominal, 'f', 3),
                                           locale().toString(double(percent), 'f', 1))
                                : QString());
}

void LabelSheetDialog::PrinterChanged() {
    const QString name = PrinterName->currentText();
    if (!name.isEmpty()) {
        const QPrinter printer(QPrinterInfo::printerInfo(name), QPrinter::HighResolution);
        const QSignalBlocker blocker(PrinterDpi);
        PrinterDpi->setValue(printer.resolution());
    }
    profile_ = name.isEmpty() ? PrinterProfile{} : LoadPrinterProfile(WindowSettings(), name);
    for (auto [box, value] : {std::pair{ProfileOffsetX, profile_.offsetXMm},
                              {ProfileOffsetY, profile_.offsetYMm},
                              {ProfileScaleX, profile_.scaleXPercent},
                              {ProfileScaleY, profile_.scaleYPercent}}) {
        const QSignalBlocker blocker(box);
        box->setValue(value);
    }
    {
        const QSignalBlocker blocker(BarReduction);
        BarReduction->setValue(static_cast<int>(std::lround(profile_.barReductionMicrons)));
    }
    Update();
}

void LabelSheetDialog::StoreProfile() {
    profile_.offsetXMm = ProfileOffsetX->value();
    profile_.offsetYMm = ProfileOffsetY->value();
    profile_.scaleXPercent = ProfileScaleX->value();
    profile_.scaleYPercent = ProfileScaleY->value();
    profile_.barReductionMicrons = BarReduction->value();
    if (!PrinterName->currentText().isEmpty()) {
        SavePrinterProfile(WindowSettings(), PrinterName->currentText(), profile_);
    }
}

QStringList LabelSheetDialog::Findings() const {
    return findings_;
}

bool LabelSheetDialog::MakeAllLabels(QString& error) {
    if (!printable_) {
        error = findings_.join(QLatin1Char('\n'));
        return false;
    }
    if (SerialBox->isChecked()) {
        job_.symbols.clear();
        job_.symbols.reserve(serials_.count);
        for (std::uint64_t i = 0; i < serials_.count; ++i) {
            job_.symbols.push_back(SerialRequest(serials_, i));
            EncodeRequest(job_.symbols.back());
        }
    }
    // Every label passes its check before the first is printed.
    QStringList failed;
    QProgressDialog progress(tr("Проверка этикеток…"), tr("Отмена"), 0,
                             static_cast<int>(job_.symbols.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    for (std::size_t i = 0; check_ && i < job_.symbols.size(); ++i) {
        progress.setValue(static_cast<int>(i));
        if (progress.wasCanceled()) {
            error = tr("Проверка прервана");
            Update();
            return false;
        }
        for (const QString& finding : check_(job_.symbols[i])) {
            failed << tr("Этикетка %1: %2").arg(i + 1).arg(finding);
        }
    }
    if (!failed.isEmpty()) {
        SheetFindings->clear();
        SheetFindings->addItems(failed);
        error = failed.join(QLatin1Char('\n'));
        Update();
        return false;
    }
    return true;
}

bool LabelSheetDialog::SavePdfTo(const QString& path, QString& error) {
    if (!MakeAllLabels(error)) return false;
    const QByteArray pdf = LabelSheetsPdf(job_, profile_);
    Update();
    if (pdf.isEmpty()) {
        error = tr("PDF не создан");
        return false;
    }
    const Result<void> written = WriteFileAtomically(
        path.toStdString(),
        std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    error = QString::fromStdString(written.error());
    return written.ok();
}

void LabelSheetDialog::SavePdfClick() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Сохранить листы в PDF"), QString(),
                                                      tr("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    QString error;
    if (!SavePdfTo(path, error)) QMessageBox::warning(this, windowTitle(), error);
}

void LabelSheetDialog::PrintClick() {
    QString error;
    if (!MakeAllLabels(error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return;
    }
    QPrinter printer(QPrinterInfo::printerInfo(PrinterName->currentText()),
                     QPrinter::HighResolution);
    printer.setResolution(PrinterDpi->value());
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(job_.sheet->paperWidth, job_.sheet->paperHeight), QPageSize::Millimeter,
                  QString::fromStdString(SheetName(*job_.sheet)), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    std::string problem = painter.begin(&printer)
                              ? PaintLabelSheets(painter, printer, job_, profile_)
                              : "the printer could not be started";
    if (painter.isActive() && !painter.end() && problem.empty()) {
        problem = "the printout could not be finished";
    }
    Update();
    if (!problem.empty()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Не напечатано: %1").arg(QString::fromStdString(problem)));
    }
}

void LabelSheetDialog::CalibrationClick() {
    QPrinter printer(QPrinterInfo::printerInfo(PrinterName->currentText()),
                     QPrinter::HighResolution);
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::warning(this, windowTitle(), tr("Принтер не запускается"));
        return;
    }
    PaintCalibrationPage(painter, printer, profile_);
    painter.end();
    QMessageBox::information(
        this, windowTitle(),
        tr("Измерьте на отпечатке расстояние от левого и верхнего края листа до перекрестия и "
           "длину линеек. Поправку увеличьте на 10 мм минус измеренное расстояние, масштаб "
           "умножьте на 100 мм, делённые на измеренную длину."));
}

}  // namespace quillmark
