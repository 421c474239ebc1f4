// The everyday picture, EAN-13 at 12 dots/mm, drawn by the raster canvas and by QPainter.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "canvas/SymbolImage.h"
#include "symbol/SymbolRequest.h"

namespace {

constexpr double kDotsPerMm = 12;

quillmark::SymbolRequest Ean13() {
    quillmark::SymbolRequest request;
    request.symbology = &quillmark::SymbologyOf(quillmark::Symbology::EAN13);
    request.digits = "4006381333931";
    return request;
}

void RasterPicture(benchmark::State& state) {
    const quillmark::SymbolRequest request = Ean13();
    for (auto _ : state) {
        const quillmark::RasterPicture picture =
            quillmark::RenderSymbolRaster(request, kDotsPerMm, kDotsPerMm);
        benchmark::DoNotOptimize(picture.raster.View().pixels);
    }
}

void QPainterPicture(benchmark::State& state) {
    const quillmark::SymbolRequest request = Ean13();
    const quillmark::SymbolRenderer render = quillmark::BindSymbol(request, kDotsPerMm, kDotsPerMm);
    for (auto _ : state) {
        const quillmark::TRect bounds = quillmark::MeasureSymbolBounds(render);
        QImage image(bounds.Right - bounds.Left, bounds.Bottom - bounds.Top, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.translate(-bounds.Left, -bounds.Top);
        quillmark::PaintSymbol(painter, render, {}, bounds);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

BENCHMARK(RasterPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(QPainterPicture)->Unit(benchmark::kMicrosecond);

}  // namespace
