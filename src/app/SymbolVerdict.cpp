// Words the symbol checks into the verdict line and keeps it current as the inputs change.
#include "app/SymbolVerdict.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

#include "app/CheckWording.h"
#include "app/FieldLetters.h"

namespace quillmark {
namespace {

// The verdict's own translation context, in a form lupdate reads.
struct Wording {
    Q_DECLARE_TR_FUNCTIONS(SymbolVerdict)
};

// The verdict's mark and its colour; a severity not known yet (the scan-back still running) has
// its own.
struct Mark {
    QString sign;
    QColor colour;
};

Mark MarkOf(std::optional<Severity> severity) {
    if (!severity) return {QStringLiteral("…"), QColor(0x70, 0x70, 0x70)};
    switch (*severity) {
        case Severity::Pass:
            return {QStringLiteral("✓"), QColor(0x1A, 0x7F, 0x1A)};
        case Severity::Warning:
            return {QStringLiteral("⚠"), QColor(0xB3, 0x6B, 0x00)};
        case Severity::Failure:
            break;
    }
    return {QStringLiteral("✗"), QColor(0xC0, 0x00, 0x00)};
}

QString MendText(const GS1Finding& f) {
    if (f.problem == GS1Problem::MissingFNC1)
        return Wording::tr("Вставить FNC1 перед (%1)").arg(QString::fromStdString(f.expected));
    return Wording::tr("Поставить в AI (%1) контрольную цифру %2")
        .arg(QString::fromStdString(f.ai), QString::fromStdString(f.expected));
}

}  // namespace

VerdictText WordVerdict(const SymbolCheckReport& report, const std::optional<ScanResult>& scan,
                        const std::optional<ScanExpectation>& expected, double dotsPerMm) {
    const std::optional<ScanFinding> read =
        scan && expected ? std::optional(JudgeScan(*scan, *expected)) : std::nullopt;
    const Verdict verdict = JudgeVerdict(report, dotsPerMm, read, expected && !scan);
    VerdictText v;
    QStringList details;
    if (verdict.scanPending)
        details << MarkOf(std::nullopt).sign + u' ' + Wording::tr("Считывание проверяется");
    for (const Finding& f : verdict.findings)
        details << MarkOf(f.severity).sign + u' ' + FindingText(f);
    v.details = details.join(u'\n');
    if (verdict.mend) {
        v.mendedText = verdict.mend->mendedText;
        v.mendDescription = MendText(*verdict.mend);
    }
    v.pending = verdict.scanPending;
    v.severity = verdict.severity;
    v.mark = MarkOf(verdict.severity).sign;
    if (!verdict.severity)
        v.sentence = Wording::tr("Проверяется, читается ли символ…");
    else if (!verdict.headline)
        v.sentence = Wording::tr("Замечаний нет");
    else
        v.sentence = FindingText(verdict.findings[*verdict.headline]);
    if (verdict.moreFindings > 0)
        v.sentence += Wording::tr(" (и ещё %1)").arg(verdict.moreFindings);
    return v;
}

SymbolVerdict::SymbolVerdict(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SymbolVerdict"));
    mark_ = new QLabel(this);
    mark_->setObjectName(QStringLiteral("VerdictMark"));
    QFont bold = mark_->font();
    bold.setBold(true);
    bold.setPixelSize(14);
    mark_->setFont(bold);
    sentence_ = new QLabel(this);
    sentence_->setObjectName(QStringLiteral("VerdictText"));
    // A long sentence is cut short rather than widening the window; the tooltip has it whole.
    sentence_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    sentence_->installEventFilter(this);
    mendButton_ = new QPushButton(tr("Исправить"), this);
    mendButton_->setObjectName(QStringLiteral("VerdictMendBtn"));
    mendButton_->setFocusPolicy(Qt::NoFocus);
    mendButton_->hide();
    // The line keeps one height whether the button shows or not, so the preview never jumps.
    constexpr int kRowHeight = 20;
    mendButton_->setFixedHeight(kRowHeight - 2);
    mendButton_->setStyleSheet(QStringLiteral("QPushButton { padding: 0px 10px; }"));
    setFixedHeight(kRowHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(5, 0, 5, 0);
    row->setSpacing(4);
    row->addWidget(mark_);
    row->addWidget(sentence_, 1);
    row->addWidget(mendButton_);
    connect(mendButton_, &QPushButton::clicked, this, &SymbolVerdict::mend);
    pool_.setMaxThreadCount(1);
}

SymbolVerdict::~SymbolVerdict() {
    ++generation_;
    pool_.clear();
    pool_.waitForDone();
}

void SymbolVerdict::recheck(const SymbolRequest& request, const SymbolStyle& style,
                            double dotsPerMm, Application application) {
    const unsigned generation = ++generation_;
    report_ = CheckSymbol(request, style.line, style.background, dotsPerMm, application);
    expected_ = ExpectedScanText(request);
    dotsPerMm_ = dotsPerMm;
    show(WordVerdict(report_, std::nullopt, expected_, dotsPerMm));
    if (!expected_) {
        emit verdictReady();
        return;
    }
    // Scans queued behind a newer change are skipped before they start.
    pool_.clear();
    pool_.start([this, generation, request, style, dotsPerMm] {
        if (generation != generation_) return;
        const ScanResult scan = ScanBackSymbol(request, dotsPerMm, style);
        QMetaObject::invokeMethod(
            this, [this, generation, scan] { finishScan(generation, scan); }, Qt::QueuedConnection);
    });
}

void SymbolVerdict::finishScan(unsigned generation, const ScanResult& scan) {
    if (generation != generation_) return;
    show(WordVerdict(report_, scan, expected_, dotsPerMm_));
    emit verdictReady();
}

void SymbolVerdict::show(const VerdictText& text) {
    shown_ = text;
    mark_->setText(text.mark);
    QPalette palette = mark_->palette();
    palette.setColor(QPalette::WindowText, MarkOf(text.severity).colour);
    mark_->setPalette(palette);
    fitSentence();
    for (QWidget* part : {static_cast<QWidget*>(this), static_cast<QWidget*>(mark_),
                          static_cast<QWidget*>(sentence_)})
        part->setToolTip(text.details);
    mendButton_->setVisible(text.mendedText.has_value() && mendField_ != nullptr);
    mendButton_->setToolTip(text.mendDescription);
}

bool SymbolVerdict::eventFilter(QObject* watched, QEvent* event) {
    // The sentence's room changes with the window and with the mend button coming and going.
    if (watched == sentence_ && event->type() == QEvent::Resize) fitSentence();
    return QWidget::eventFilter(watched, event);
}

void SymbolVerdict::fitSentence() {
    sentence_->setText(
        sentence_->fontMetrics().elidedText(shown_.sentence, Qt::ElideRight, sentence_->width()));
}

// The mend is typed over the whole text rather than set, so that Ctrl+Z takes it back like any
// edit; the caret stays where it was, after the mend when the mend was made before it.
void SymbolVerdict::mend() {
    if (!shown_.mendedText || mendField_ == nullptr) return;
    const QString before = mendField_->text();
    const QString after = FieldLettersOf(*shown_.mendedText);
    qsizetype caret = mendField_->cursorPosition();
    qsizetype common = 0;
    while (common < before.size() && common < after.size() && before[common] == after[common])
        ++common;
    if (caret > common) caret = std::max(common, caret + after.size() - before.size());
    mendField_->selectAll();
    mendField_->insert(after);
    mendField_->setCursorPosition(static_cast<int>(std::min(caret, after.size())));
    mendField_->setFocus(Qt::OtherFocusReason);
}

}  // namespace quillmark
