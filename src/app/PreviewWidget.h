// The live preview: clears to the window colour and draws one symbol at physical size, centred.
#pragma once

#include <QWidget>

#include "canvas/SymbolImage.h"
#include "symbol/SymbolRequest.h"

namespace quillmark {

class PreviewWidget : public QWidget {
public:
    explicit PreviewWidget(QWidget* parent = nullptr);

    // The symbol shown; one without a symbology shows the window colour only.
    void setSymbol(SymbolRequest symbol);

    // Line and background colours and the font of the symbol's text. An empty font name leaves
    // the canvas's own font.
    void setSymbolStyle(const SymbolStyle& style);
    const SymbolStyle& symbolStyle() const { return style_; }

    // The symbol shown at start: an EAN-13 of thirteen zeros at 100 %, no add-on.
    static SymbolRequest StartupSymbol();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SymbolRequest symbol_;
    SymbolStyle style_;
};

}  // namespace quillmark
