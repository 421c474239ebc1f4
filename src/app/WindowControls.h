// Small controls of the main window: colour panels and spin edits that are stepped, not typed.
#pragma once

#include <QColor>
#include <QFrame>
#include <QSpinBox>
#include <QStringList>

namespace quillmark {

// A small lowered panel filled with a colour; a click on it asks for another colour.
class ColorPanel : public QFrame {
    Q_OBJECT

public:
    explicit ColorPanel(const QColor& colour, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor colour_;
};

// A spin edit that steps by its increment and clamps at its limits (100, 105, ..., 405, 407 and
// back 402, ...). When not typeable its number cannot be typed over: the arrows, the arrow keys,
// Page Up/Down and the wheel still step it.
class StepSpinBox : public QSpinBox {
    Q_OBJECT

public:
    StepSpinBox(int minimum, int maximum, int step, int value, bool typeable,
                QWidget* parent = nullptr);

    void stepBy(int steps) override;
};

// The font families as a user knows them: each once, by its plain name, sorted. Qt tags a
// family installed by several foundries with the foundry ("C059 [UKWN]", "D050000L [URW ]").
QStringList PlainFontFamilies(const QStringList& families);

}  // namespace quillmark
