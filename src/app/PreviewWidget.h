// The live preview: clears to the window colour and draws one symbol at physical size, centred.
#pragma once

#include <QWidget>
#include <functional>

#include "canvas/SymbolImage.h"
#include "encoders/Canvas.h"

namespace quillmark {

class PreviewWidget : public QWidget {
public:
    // One renderer call with all of its own data bound: a null canvas measures only.
    using Renderer = std::function<void(TCanvas* canvas, double offsetX, double offsetY,
                                        double scaleX, double scaleY, TRect& bounds)>;

    explicit PreviewWidget(QWidget* parent = nullptr);

    void setRenderer(Renderer renderer);

    // Line and background colours and the font of the symbol's text. An empty font name leaves
    // the canvas's own font.
    void setSymbolStyle(const SymbolStyle& style);
    const SymbolStyle& symbolStyle() const { return style_; }

    // The symbol shown at start: an EAN-13 of thirteen zeros at 100 %, no add-on.
    static Renderer StartupSymbol();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Renderer renderer_;
    SymbolStyle style_;
};

}  // namespace quillmark
