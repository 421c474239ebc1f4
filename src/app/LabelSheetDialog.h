// The label sheet print dialog: a sheet from the templates, where on it to start, copies, the
// symbol's place in its label, a serial run and the printer's profile, previewed at page scale.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

#include "check/SizeTableCheck.h"
#include "output/LabelSheetPages.h"
#include "sheets/SheetTemplates.h"
#include "symbol/SerialNumbers.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace quillmark {

// The first page of a job drawn to fit the widget; a click on a label chooses it as the start.
class SheetPreview : public QWidget {
    Q_OBJECT

public:
    explicit SheetPreview(QWidget* parent = nullptr);
    void SetJob(const LabelSheetJob* job);
    // The label (1-based) under a point of the widget, or 0.
    int CellAt(QPointF point) const;

signals:
    void CellClicked(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    QSize sizeHint() const override;

private:
    QTransform PageToWidget() const;
    const LabelSheetJob* job_ = nullptr;
};

// The symbol check of one label of a run, as the window words it: the findings that stop the run.
// With wholeDots the symbol is judged as printed, its bars in whole dots.
QStringList LabelRunStoppers(const SymbolRequest& label, const SymbolStyle& style, double dotsPerMm,
                             Application application, bool wholeDots = false);

// The findings of the symbol's size against the application's table, shown once for a run.
QStringList SizeTableFailures(const SymbolRequest& symbol, const SymbolStyle& style,
                              double dotsPerMm, Application application, bool wholeDots = false);

class LabelSheetDialog : public QDialog {
    Q_OBJECT

public:
    // The findings of one label's symbol check, worded; empty when it passes.
    using LabelCheck = std::function<QStringList(const SymbolRequest& label)>;

    LabelSheetDialog(const SymbolRequest& request, const SymbolStyle& style, LabelCheck check,
                     QWidget* parent = nullptr);
    // With the window's own check: every label drawn, read back and checked as the verdict line
    // checks the symbol, against application's size table.
    LabelSheetDialog(const SymbolRequest& request, const SymbolStyle& style,
                     Application application, QWidget* parent = nullptr);

    const LabelSheetJob& Job() const { return job_; }
    QStringList Findings() const;
    // Chooses the sheet named "brand part" (any case); false when there is none.
    bool ChooseSheet(const QString& name);
    // Every label checked, then the sheets written as one PDF; false with the reason otherwise.
    bool SavePdfTo(const QString& path, QString& error);

private:
    void BuildControls();
    void ConnectControls();
    void FillSheetList();
    void Update();
    void UpdateModuleText();
    // The symbol as this run prints it: the printer's bar width reduction and the marks chosen.
    SymbolRequest PrintedRequest() const;
    void PrinterChanged();
    void StoreProfile();
    void PrintClick();
    void SavePdfClick();
    void CalibrationClick();
    // Every label of the run, each checked; empty with the findings listed when any fails.
    bool MakeAllLabels(QString& error);

    SheetLibrary library_;
    SymbolRequest request_;
    LabelCheck check_;
    Application application_ = Application::GeneralDistribution;
    LabelSheetJob job_;
    PrinterProfile profile_;
    SerialSequence serials_;
    QStringList findings_;
    bool printable_ = false;

    QLineEdit* SheetSearch = nullptr;
    QListWidget* SheetList = nullptr;
    SheetPreview* Preview = nullptr;
    QSpinBox* StartCell = nullptr;
    QSpinBox* Copies = nullptr;
    QComboBox* PlacementBox = nullptr;
    QDoubleSpinBox* OffsetX = nullptr;
    QDoubleSpinBox* OffsetY = nullptr;
    QGroupBox* SerialBox = nullptr;
    QLineEdit* SerialStart = nullptr;
    QSpinBox* SerialCount = nullptr;
    QSpinBox* SerialStep = nullptr;
    QComboBox* PrinterName = nullptr;
    QSpinBox* PrinterDpi = nullptr;
    QCheckBox* WholeDots = nullptr;
    QCheckBox* Outlines = nullptr;
    QLabel* ModuleText = nullptr;
    QSpinBox* BarReduction = nullptr;
    QLabel* BarReductionText = nullptr;
    QCheckBox* QuietZoneMarks = nullptr;
    QDoubleSpinBox* ProfileOffsetX = nullptr;
    QDoubleSpinBox* ProfileOffsetY = nullptr;
    QDoubleSpinBox* ProfileScaleX = nullptr;
    QDoubleSpinBox* ProfileScaleY = nullptr;
    QListWidget* SheetFindings = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* SavePdfButton = nullptr;
    QPushButton* CalibrationButton = nullptr;
};

}  // namespace quillmark
