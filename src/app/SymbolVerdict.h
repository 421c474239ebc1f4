// The main window's verdict line: whether the symbol as it would be output scans and is sound.
#pragma once

#include <QString>
#include <QThreadPool>
#include <QWidget>

#include <atomic>
#include <optional>
#include <string>

#include "canvas/SymbolImage.h"
#include "check/SymbolChecks.h"
#include "symbol/SymbolRequest.h"
#include "verify/ScanBack.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmark {

// What the verdict line shows: a mark, one sentence, the details and the one mend on offer.
struct VerdictText {
    bool pending = false;              // the scan-back is still at work
    std::optional<Severity> severity;  // what the mark shows; nullopt for "still at work"
    QString mark;                      // "✓", "⚠", "✗" or "…"
    QString sentence;
    QString details;                        // every check, one line each
    std::optional<std::string> mendedText;  // the UCC/EAN-128 field text with the mend made
    QString mendDescription;
};

// Words the checks; scan is nullopt while the scan-back runs, expected nullopt when the symbol
// cannot be read back at all.
VerdictText WordVerdict(const SymbolCheckReport& report, const std::optional<ScanResult>& scan,
                        const std::optional<ScanExpectation>& expected, double dotsPerMm);

// A row of the status bar: the mark, the sentence (details in its tooltip) and an "Исправить"
// button while a finding has one sure mend. The picture-free checks run at once; the scan-back
// runs on a thread of its own, and a result that a newer change has overtaken is dropped.
class SymbolVerdict : public QWidget {
    Q_OBJECT

public:
    explicit SymbolVerdict(QWidget* parent = nullptr);
    ~SymbolVerdict() override;

    // The UCC/EAN-128 field a mend writes to.
    void setMendField(QLineEdit* field) { mendField_ = field; }

    // Checks the symbol as it would be output at dotsPerMm in style, its size against the GS1
    // symbol size table of application.
    void recheck(const SymbolRequest& request, const SymbolStyle& style, double dotsPerMm,
                 Application application = Application::GeneralDistribution);

    bool isPending() const { return shown_.pending; }
    const VerdictText& shown() const { return shown_; }

signals:
    // The whole verdict, scan-back included, is shown.
    void verdictReady();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The sentence cut short with "…" where the line is too narrow for it.
    void fitSentence();
    void finishScan(unsigned generation, const ScanResult& scan);
    void show(const VerdictText& text);
    void mend();

    QLabel* mark_ = nullptr;
    QLabel* sentence_ = nullptr;
    QPushButton* mendButton_ = nullptr;
    QLineEdit* mendField_ = nullptr;

    // The change the scan-back in flight belongs to; results of older ones are dropped.
    std::atomic<unsigned> generation_{0};
    SymbolCheckReport report_;
    std::optional<ScanExpectation> expected_;
    double dotsPerMm_ = 0;
    VerdictText shown_;
    // One thread: a scan overtaken before it starts is skipped, and none outlives the widget.
    QThreadPool pool_;
};

}  // namespace quillmark
