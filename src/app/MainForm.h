// The main window: tool buttons, the four symbology tabs, settings and the live preview.
#pragma once

#include <QColor>
#include <QMainWindow>
#include <QString>

#include "app/SymbolControls.h"
#include "canvas/SymbolImage.h"
#include "check/GS1DigitalLink.h"
#include "check/SizeTableCheck.h"
#include "symbol/SymbolRequest.h"
#include "symbol/Symbology.h"

class QAction;
class QCheckBox;
class QDoubleSpinBox;
class QColorDialog;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QValidator;

namespace quillmark {

class ColorPanel;
class PreviewWidget;
class StepSpinBox;
class SymbolVerdict;
class WindowCommands;

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    // The active tab's symbol, its UCC/EAN-128 text already encoded: what every output draws.
    SymbolRequest CurrentRequest() const;
    // Line and background colours and the font of the human-readable text.
    SymbolStyle CurrentStyle() const;
    // The application chosen beside the verdict, whose GS1 table the symbol's size is held to.
    Application CurrentApplication() const;
    // Dots per millimetre chosen for pictures and printouts.
    int Resolution() const;
    // The About box, the AI dialog and the output commands, with their replaceable dialogs.
    WindowCommands& Commands() const { return *commands_; }

public slots:
    void FormResize();
    // Asks the preview to repaint with the current inputs; every change of an input ends here.
    void PaintBoxPaint();

    void LineColorBtnClick();
    void BackgroundColorBtnClick();
    void EANUPC_CodeTypeChange();
    void EANUPC_AddOnTypeChange();
    void EANUPC_CodeValueChange();
    void ITF14_CodeValueChange();
    void CheckDigitButtonClick();
    void ITF14CheckDigitButtonClick();
    void UCCEAN128_CodeValueChange();
    void UCCEAN128_InsSpecChrBtnClick();
    void Matrix2D_CodeValueChange();
    void Matrix2D_TypeChange();
    void Matrix2D_FNC1BtnClick();
    void Matrix2D_InsAIBtnClick();
    void Matrix2D_CopyURIBtnClick();

    // The commands of WindowCommands.
    void UCCEAN128_InsAIBtnClick();
    void SaveAsMIClick();
    void PrintMIClick();
    void LabelSheetsMIClick();
    void CopyMIClick();
    void ExportWordMIClick();
    void ExportExcelMIClick();
    void HelpMIClick();
    void AboutMIClick();
    void ExitMIClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateToolButtons(QWidget* client);
    void CreateEANUPCTab(QWidget* page);
    void CreateITF14Tab(QWidget* page);
    void CreateUCCEAN128Tab(QWidget* page);
    void CreateMatrix2DTab(QWidget* page);
    // The GS1 text field and, in the row at aiRowY, the AI list with its button: the UCC/EAN-128
    // and the 2D tab take their element strings alike.
    struct GS1EntryNames {
        const char* field;
        const char* aiLabel;
        const char* aiList;
        const char* insertAI;
    };
    void CreateGS1Entry(QWidget* page, const GS1EntryNames& names, int aiRowY, QLineEdit*& field,
                        QComboBox*& aiList, QPushButton*& insertAI);
    void CreateSettings(QWidget* client);
    void CreatePreview(QWidget* client);
    void ConnectControls();
    void SetTabOrder();
    void FormCreate();

    SymbolTab CurrentTab() const;
    // What the controls hold, as plain data.
    SymbolControls Controls() const;
    // The code type list's symbology: ISBN-13 for a ticked EAN-13.
    Symbology CodeSymbology() const;
    // Writes the check digit into field's last position, keeping its caret.
    void ApplyCheckDigit(QLineEdit& field, Symbology id);
    void ChooseColour(ColorPanel& panel);
    void ShowNotice();
    // The notice's lines about the 2D tab's text: why no symbol or no URI is drawn.
    QStringList MatrixNotice() const;
    // The URI of the 2D tab's text under its stem, shown in the URI field (or why there is none
    // in its tooltip).
    DigitalLinkResult CurrentLink() const;
    void ShowDigitalLink();
    // Appends the text the AI dialog gives for the list's row to field.
    void AppendAIText(const QComboBox& list, QLineEdit& field);
    void FieldRefused(const QLineEdit* field, qsizetype count, const QString& text);
    // The GS1 text field of the tab shown; null on the others.
    QLineEdit* GS1Field() const;

    // Menu items and tool buttons.
    QAction* SaveAsMI = nullptr;
    QAction* PrintMI = nullptr;
    QAction* LabelSheetsMI = nullptr;
    QAction* ExitMI = nullptr;
    QAction* LineColorMI = nullptr;
    QAction* BackgroundColorMI = nullptr;
    QAction* CopyMI = nullptr;
    QAction* ExportWordMI = nullptr;
    QAction* ExportExcelMI = nullptr;
    QAction* HelpMI = nullptr;
    QAction* AboutMI = nullptr;
    ColorPanel* LineColorBtn = nullptr;
    ColorPanel* BackgroundColorBtn = nullptr;
    QColorDialog* ColorDialog = nullptr;
    QColor confirmedColour_ = Qt::black;

    QTabWidget* PageControl = nullptr;
    // EAN/UPC
    QComboBox* EANUPC_CodeType = nullptr;
    QLineEdit* EANUPC_CodeValue = nullptr;
    QToolButton* CheckDigitButton = nullptr;
    QCheckBox* ISBN13Box = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* EANUPC_AddOnType = nullptr;
    QLineEdit* EANUPC_AddOnValue = nullptr;
    StepSpinBox* EANUPC_Size = nullptr;
    QValidator* numberSystem_ = nullptr;
    QValidator* isbnPrefix_ = nullptr;  // 978 or 979
    // ITF-14
    QLineEdit* ITF14_CodeValue = nullptr;
    QToolButton* ITF14CheckDigitButton = nullptr;
    StepSpinBox* ITF14_Size = nullptr;
    QCheckBox* ITF14_FullBorder = nullptr;
    // UCC/EAN-128
    QLineEdit* UCCEAN128_CodeValue = nullptr;
    QComboBox* UCCEAN128_SpecChr = nullptr;
    QPushButton* UCCEAN128_InsSpecChrBtn = nullptr;
    QComboBox* UCCEAN128_AI = nullptr;
    QPushButton* UCCEAN128_InsAIBtn = nullptr;
    StepSpinBox* UCCEAN128_GSize = nullptr;
    StepSpinBox* UCCEAN128_VSize = nullptr;
    // GS1 2D
    QLineEdit* Matrix2D_CodeValue = nullptr;
    QPushButton* Matrix2D_FNC1Btn = nullptr;
    QComboBox* Matrix2D_AI = nullptr;
    QPushButton* Matrix2D_InsAIBtn = nullptr;
    QComboBox* Matrix2D_Type = nullptr;
    QDoubleSpinBox* Matrix2D_Module = nullptr;
    QCheckBox* Matrix2D_Rectangular = nullptr;
    QLabel* Label18 = nullptr;
    QComboBox* Matrix2D_ECLevel = nullptr;
    QLineEdit* Matrix2D_Stem = nullptr;
    QCheckBox* Matrix2D_HRI = nullptr;
    QLineEdit* Matrix2D_URI = nullptr;
    QToolButton* Matrix2D_CopyURIBtn = nullptr;
    // Settings and preview
    QWidget* SettingsPanel = nullptr;
    StepSpinBox* Resolution_ = nullptr;
    QComboBox* FontsBox = nullptr;
    QGroupBox* PreviewBox = nullptr;
    PreviewWidget* PaintBox = nullptr;
    QLabel* NoticeLabel = nullptr;
    SymbolVerdict* Verdict = nullptr;
    QComboBox* ApplicationBox = nullptr;

    // The UCC/EAN-128 text as the encoder reads it, encoded once per change of the field.
    SymbolRequest ucc_;
    // The field that refused input last and what it held after; the notice stays until it
    // changes.
    const QLineEdit* refusedField_ = nullptr;
    QString refusedText_;
    qsizetype refusedCount_ = 0;
    int checkDepth_ = 0;
    WindowCommands* commands_ = nullptr;
};

}  // namespace quillmark
