// Saving the largest everyday picture, ITF-14 at 100 dots/mm, as BMP and JPEG.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "canvas/SymbolImage.h"
#include "encoders/ITF14.h"
#include "output/PictureWriter.h"

namespace {

constexpr double kDotsPerMm = 100;

QImage ITF14Picture() {
    return quillmark::RenderSymbolPicture(
        [](quillmark::TCanvas* canvas, double ox, double oy, quillmark::TRect& bounds) {
            quillmark::DrawITF14("15400141288763", canvas, 100, ox, oy, kDotsPerMm, kDotsPerMm,
                                 true, bounds);
        })
        .image;
}

void Save(benchmark::State& state, const char* format, const char* name) {
    static const QImage picture = ITF14Picture();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        const std::string error = quillmark::SavePicture(picture, path, format, kDotsPerMm);
        if (!error.empty()) state.SkipWithError(error.c_str());
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
BENCHMARK(SaveBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveJpeg)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
