// The Application Identifier dialog: the data of one AI typed into fields shaped by its table row.
#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmark {

class AIDataValidator;
class DecimalDigitValidator;

// Created once with the main window as parent and reused: PrepareForAI resets every field.
class TAIForm : public QDialog {
    Q_OBJECT

public:
    explicit TAIForm(QWidget* parent = nullptr);
    ~TAIForm() override;

    // Sets the dialog up for AITable row index (0..90); false, and nothing changed, otherwise.
    bool PrepareForAI(int index);

    // Prepares for row aiIndex, shows the dialog modally centred on its parent, and gives the
    // text to append to the UCC/EAN-128 field when "Вставить" closed it; nullopt on cancel (the
    // button, Esc, closing the window) or for a row outside the table. The window's button only
    // appends: if (auto text = form->Run(list->currentIndex())) field->setText(field->text() +
    // *text);
    std::optional<QString> Run(int aiIndex);

    // What the fields ask to insert: "(AI)" as IDEdit shows it, then the data; the data of "23x"
    // padded with "0" to an odd length, so that its length digit stays right.
    QString AIInsertionText() const;

    bool Ready() const { return FReady; }
    int AIIndex() const { return FAIIndex; }

private:
    void FDataEditChange();
    void VDataEditChange();
    void SayRefused(QLineEdit* field);
    void PlaceDataField(QLineEdit* field);
    void CentreOnParent();

    QLabel* AIname;
    QLineEdit* VDataEdit;
    QLineEdit* IDEdit;
    QLabel* NoteText;
    QLineEdit* FDataEdit;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QLabel* StaticText1;
    QLabel* RefusedText;  // says why the last key or paste was refused; empty otherwise

    AIDataValidator* dataValidator_;
    DecimalDigitValidator* decimalValidator_;

    bool FReady = false;  // the change handlers ignore the set-up's own changes
    int FAIIndex = 0;
    bool checkDigitWriting_ = false;  // bounds the check digit's own change to one level
};

}  // namespace quillmark
