// One paint of the preview per tab at the start-up sizes, and with a 100,000-character text.
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include "app/MainForm.h"
#include "app/PreviewWidget.h"

namespace {

void PaintTab(benchmark::State& state, int tab, const QString& text,
              const char* field = "UCCEAN128_CodeValue") {
    quillmark::TMainForm form;
    form.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentIndex(tab);
    if (!text.isEmpty()) form.findChild<QLineEdit*>(QLatin1String(field))->setText(text);
    form.show();
    QApplication::processEvents();
    auto* paintBox = form.findChild<quillmark::PreviewWidget*>(QStringLiteral("PaintBox"));
    QImage image(paintBox->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        paintBox->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

QString LongText() {
    QString text;
    for (int i = 0; i < 100'000; ++i) text += QChar(u'0' + i % 10);
    return text;
}

void BM_PaintEANUPC(benchmark::State& state) {
    PaintTab(state, 0, {});
}
void BM_PaintITF14(benchmark::State& state) {
    PaintTab(state, 1, {});
}
void BM_PaintUCCEAN128(benchmark::State& state) {
    PaintTab(state, 2, QStringLiteral("(01)09501101530003(17)250101(10)ABC123"));
}
void BM_PaintUCCEAN128Empty(benchmark::State& state) {
    PaintTab(state, 2, {});
}
void BM_PaintUCCEAN128Long(benchmark::State& state) {
    PaintTab(state, 2, LongText());
}
void BM_PaintGS1DataMatrix(benchmark::State& state) {
    PaintTab(state, 3, QStringLiteral("(01)09501101530003(17)250101(10)ABC123"),
             "Matrix2D_CodeValue");
}

BENCHMARK(BM_PaintEANUPC)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintITF14)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintUCCEAN128)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintUCCEAN128Empty)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintUCCEAN128Long)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintGS1DataMatrix)->Unit(benchmark::kMicrosecond);

}  // namespace
