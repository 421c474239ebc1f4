// Saving the largest everyday picture, ITF-14 at 100 dots/mm, as BMP and JPEG; encoding the
// everyday one, at 12 dots/mm, as PNG.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "canvas/SymbolImage.h"
#include "encoders/EANUPC.h"
#include "encoders/ITF14.h"
#include "output/PictureWriter.h"

namespace {

constexpr double kDotsPerMm = 100;

QImage ITF14Picture(double dotsPerMm = kDotsPerMm) {
    return quillmark::RenderSymbolPicture([dotsPerMm](quillmark::TCanvas* canvas, double ox,
                                                      double oy, quillmark::TRect& bounds) {
               quillmark::DrawITF14("15400141288763", canvas, 100, ox, oy, dotsPerMm, dotsPerMm,
                                    true, bounds);
           })
        .image;
}

// The everyday picture of the command line: EAN-13 at 12 dots/mm.
QImage EAN13Picture() {
    return quillmark::RenderSymbolPicture(
               [](quillmark::TCanvas* canvas, double ox, double oy, quillmark::TRect& bounds) {
                   quillmark::DrawEANUPC("EAN-13", "None", "4006381333931", canvas, ox, oy, 100, 12,
                                         12, bounds);
               })
        .image;
}

void Save(benchmark::State& state, const QImage& picture, double dotsPerMm, const char* format,
          const char* name) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        const quillmark::Result<void> saved = quillmark::SavePicture(
            quillmark::ViewOf(picture), path.toStdString(), format, dotsPerMm);
        if (!saved) state.SkipWithError(saved.error().c_str());
    }
    state.counters["width"] = picture.width();
    state.counters["height"] = picture.height();
    state.counters["MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
}

void Encode(benchmark::State& state, const QImage& picture) {
    std::size_t bytes = 0;
    for (auto _ : state) bytes = quillmark::EncodePng(quillmark::ViewOf(picture), 12)->size();
    state.counters["bytes"] = static_cast<double>(bytes);
}

void SaveBmp(benchmark::State& state) {
    static const QImage picture = ITF14Picture();
    Save(state, picture, kDotsPerMm, "BMP", "itf14.bmp");
}
void SaveJpeg(benchmark::State& state) {
    static const QImage picture = ITF14Picture();
    Save(state, picture, kDotsPerMm, "JPEG", "itf14.jpg");
}
void EncodePng(benchmark::State& state) {
    static const QImage picture = ITF14Picture(12);
    Encode(state, picture);
}
void EncodePngEan13(benchmark::State& state) {
    static const QImage picture = EAN13Picture();
    Encode(state, picture);
}
// The same written to a file, as the command line writes each of a batch.
void SavePngEan13(benchmark::State& state) {
    static const QImage picture = EAN13Picture();
    Save(state, picture, 12, "PNG", "ean13.png");
}
BENCHMARK(EncodePng)->Unit(benchmark::kMicrosecond);
BENCHMARK(SavePngEan13)->Unit(benchmark::kMicrosecond);
BENCHMARK(EncodePngEan13)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
