// The command line's own costs per symbol: a dump, one EAN-13 PNG, and a batch of EAN-13 rows.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sstream>
#include <string>

#include "cli/RenderCommand.h"

namespace {

using quillmark::RunRenderCommand;

// Pictures go to shared memory where there is one, so that the disk does not time the run.
QString FastFolder() {
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                     : QDir::tempPath();
}

// The n-th of a run of different 12-digit EAN-13 numbers (the check digit is computed).
std::string Number(long long n) {
    std::string digits = std::to_string(400000000000LL + n * 7919);
    return digits.substr(0, 12);
}

void Run(benchmark::State& state, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    if (RunRenderCommand(args, out, err) != 0) state.SkipWithError(err.str().c_str());
}

void Dump(benchmark::State& state) {
    for (auto _ : state) Run(state, {"--type", "EAN-13", "--data", "400638133393", "--dump"});
}

void OnePng(benchmark::State& state) {
    QTemporaryDir dir(FastFolder() + "/quillmark-bench-XXXXXX");
    const std::string path = dir.filePath("one.png").toStdString();
    for (auto _ : state) Run(state, {"--type", "EAN-13", "--data", "400638133393", "-o", path});
}

// A batch of state.range(0) rows at the default 12 dots/mm on every core.
void BatchPng(benchmark::State& state) {
    QTemporaryDir dir(FastFolder() + "/quillmark-bench-XXXXXX");
    QFile csv(dir.filePath("rows.csv"));
    csv.open(QIODevice::WriteOnly);
    csv.write("type,data,output\n");
    for (long long i = 0; i < state.range(0); ++i)
        csv.write(
            QString("EAN-13,%1,%2\n")
                .arg(QString::fromStdString(Number(i)), dir.filePath(QString("%1.png").arg(i)))
                .toUtf8());
    csv.close();
    for (auto _ : state) Run(state, {"--batch", csv.fileName().toStdString()});
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(Dump)->Unit(benchmark::kMicrosecond);
BENCHMARK(OnePng)->Unit(benchmark::kMicrosecond);
BENCHMARK(BatchPng)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
