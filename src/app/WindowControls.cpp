// Colour panels, stepped spin edits and the font families as the font list shows them.
#include "app/WindowControls.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace quillmark {

ColorPanel::ColorPanel(const QColor& colour, QWidget* parent) : QFrame(parent), colour_(colour) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
}

void ColorPanel::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void ColorPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), colour_);
    painter.end();
    QFrame::paintEvent(event);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

StepSpinBox::StepSpinBox(int minimum, int maximum, int step, int value, bool typeable,
                         QWidget* parent)
    : QSpinBox(parent) {
    setRange(minimum, maximum);
    setSingleStep(step);
    setValue(value);
    lineEdit()->setReadOnly(!typeable);
}

void StepSpinBox::stepBy(int steps) {
    // In long long, so that no step count overflows; the limit is the last step, whatever the
    // increment (405 + 5 gives 407).
    const long long wanted = static_cast<long long>(value()) + 1LL * steps * singleStep();
    setValue(static_cast<int>(std::clamp<long long>(wanted, minimum(), maximum())));
    selectAll();
}

QStringList PlainFontFamilies(const QStringList& families) {
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
    QStringList plain;
    QSet<QString> seen;
    for (QString family : families) {
        family.remove(foundry);
        family = family.trimmed();
        if (family.isEmpty() || seen.contains(family.toCaseFolded())) continue;
        seen.insert(family.toCaseFolded());
        plain << family;
    }
    std::stable_sort(plain.begin(), plain.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return plain;
}

}  // namespace quillmark
