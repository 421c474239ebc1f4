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

void Save(benchmark::State& state, const char* format, const char* name) {
    static const QImage picture = ITF14Picture();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        const quillmark::Result<void> saved = quillmark::SavePicture(
            quillmark::ViewOf(picture), path.toStdString(), format, kDotsPerMm);
        if (!saved) state.SkipWithError(saved.error().c_str());
    }
    state.counters["width"] = picture.width();
    state.counters["height"] = picture.height();
    state.counters["MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
}

void SaveBmp(benchmark::State& state) {
    Save(state, "BMP", "itf14.bmp");
}
void SaveJpeg(benchmark::State& state) {
    Save(state, "JPEG", "itf14.jpg");
}
void EncodePng(benchmark::State& state) {
    static const QImage picture = ITF14Picture(12);
    std::size_t bytes = 0;
    for (auto _ : state) bytes = quillmark::EncodePng(quillmark::ViewOf(picture), 12)->size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
// The everyday picture of the command line: EAN-13 at 12 dots/mm.
void EncodePngEan13(benchmark::State& state) {
    static const QImage picture =
        quillmark::RenderSymbolPicture([](quillmark::TCanvas* canvas, double ox, double oy,
                                          quillmark::TRect& bounds) {
            quillmark::DrawEANUPC("EAN-13", "None", "4006381333931", canvas, ox, oy, 100, 12, 12,
                                  bounds);
        }).image;
    std::size_t bytes = 0;
    for (auto _ : state) bytes = quillmark::EncodePng(quillmark::ViewOf(picture), 12)->size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
// The same written to a file, as the command line writes each of a batch.
void SavePngEan13(benchmark::State& state) {
    static const QImage picture =
        quillmark::RenderSymbolPicture([](quillmark::TCanvas* canvas, double ox, double oy,
                                          quillmark::TRect& bounds) {
            quillmark::DrawEANUPC("EAN-13", "None", "4006381333931", canvas, ox, oy, 100, 12, 12,
                                  bounds);
        }).image;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ean13.png"));
    for (auto _ : state) {
        const quillmark::Result<void> saved =
            quillmark::SavePicture(quillmark::ViewOf(picture), path.toStdString(), "PNG", 12);
        if (!saved) state.SkipWithError(saved.error().c_str());
    }
}
BENCHMARK(EncodePng)->Unit(benchmark::kMicrosecond);
BENCHMARK(SavePngEan13)->Unit(benchmark::kMicrosecond);
BENCHMARK(EncodePngEan13)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveJpeg)->Unit(benchmark::kMillisecond);

}  // namespace
