// Rows are independent, so worker threads take them one at a time from a shared counter; the
// calling thread only redraws the progress bar.
#include "cli/BatchRun.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ostream>
#include <thread>

#include "cli/PdfLoader.h"
#include "cli/RenderCommand.h"
#include "cli/Verification.h"

namespace quillmark {
namespace {

enum class RowOutcome { Made, Failed, Unverified };

struct RowResult {
    RowOutcome outcome = RowOutcome::Made;
    std::string message;
    std::vector<std::string> warnings;
    CheckLines checks;
};

RowResult MakeRow(const BatchRow& row, const BatchOptions& options) {
    RowResult made;
    const auto failed = [&made](RowOutcome outcome, std::string message) {
        made.outcome = outcome;
        made.message = std::move(message);
        return made;
    };
    if (!row.error.empty()) return failed(RowOutcome::Failed, row.error);
    const Result<SymbolRequest> symbol = BuildSymbolRequest(row.fields);
    if (!symbol) return failed(RowOutcome::Failed, symbol.error());
    made.warnings = FailureWarnings(*symbol, options.settings.style);
    if (options.check) {
        Result<CheckLines> checks =
            CheckSymbolLines(*symbol, options.settings, options.application);
        if (!checks) return failed(RowOutcome::Failed, checks.error());
        made.checks = std::move(*checks);
    }
    const std::string& output = *row.output;
    std::optional<PictureFormat> format = FormatForPath(output);
    if (!format) format = options.format;
    if (!format)
        return failed(RowOutcome::Failed,
                      "output " + Quoted(output) +
                          " must end in .png, .bmp, .jpg, .jpeg, .svg or .pdf (or give --format)");
    const PictureResult result = WriteSymbolPicture(*symbol, options.settings, *format, output);
    if (!result.error.empty()) return failed(RowOutcome::Failed, result.error);
    if (options.verify) {
        const Result<std::string> problem =
            VerifyWrittenPicture(output, *format, result.raster, *symbol);
        if (!problem) return failed(RowOutcome::Failed, problem.error());
        if (!problem->empty())
            return failed(RowOutcome::Unverified,
                          Quoted(output) + " does not scan as its data: " + *problem);
    }
    return made;
}

bool AnyPdf(const std::vector<BatchRow>& rows, const BatchOptions& options) {
    return std::any_of(rows.begin(), rows.end(), [&options](const BatchRow& row) {
        if (!row.error.empty() || !row.output) return false;
        const std::optional<PictureFormat> format = FormatForPath(*row.output);
        return (format ? format : options.format) == PictureFormat::PDF;
    });
}

void DrawProgress(std::ostream& err, std::size_t done, std::size_t total) {
    constexpr std::size_t kWidth = 40;
    const std::size_t filled = total == 0 ? kWidth : done * kWidth / total;
    err << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] " << done
        << '/' << total << std::flush;
}

}  // namespace

int RunBatch(const std::vector<BatchRow>& rows, const BatchOptions& options, std::ostream& out,
             std::ostream& err) {
    // Every row allocates pictures of the same few hundred kilobytes. Kept on the heap instead of
    // being mapped and unmapped each time, their pages are not faulted in and cleared again for
    // every row (a fifth of a batch's time otherwise). Larger pictures are still mapped.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    // For the same reason each picture is drawn whole, once, rather than a band at a time.
    BatchOptions whole = options;
    whole.settings.inBands = false;
    const auto start = std::chrono::steady_clock::now();
    // The module starts Qt, which belongs on this thread; a module that cannot be loaded fails
    // its rows with the loader's message.
    if (AnyPdf(rows, options)) {
        std::string ignored;
        LoadPdfModule(ignored);
    }
    std::vector<RowResult> results(rows.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < rows.size(); i = next++) {
            results[i] = MakeRow(rows[i], whole);
            ++done;
        }
    };
    const std::size_t threads = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1,
                                                        std::max<std::size_t>(rows.size(), 1));
    std::vector<std::thread> workers;
    for (std::size_t i = 0; i < threads; ++i) workers.emplace_back(work);
    if (options.showProgress) {
        while (done < rows.size()) {
            DrawProgress(err, done, rows.size());
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        DrawProgress(err, rows.size(), rows.size());
        err << '\n';
    }
    for (std::thread& worker : workers) worker.join();

    std::size_t failed = 0;
    bool unverified = false;
    bool checkFailed = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string row = "row " + std::to_string(rows[i].number) + ": ";
        for (const std::string& warning : results[i].warnings)
            err << "quillmark-render: " << row << "warning: " << warning << '\n';
        for (const std::string& line : results[i].checks.lines) out << row << line << '\n';
        checkFailed |= results[i].checks.failed;
        if (results[i].outcome == RowOutcome::Made) continue;
        ++failed;
        unverified |= results[i].outcome == RowOutcome::Unverified;
        err << "quillmark-render: row " << rows[i].number << ": " << results[i].message << '\n';
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    char summary[128];
    std::snprintf(summary, sizeof summary, "%zu made, %zu failed, %.2f seconds",
                  rows.size() - failed, failed, seconds);
    err << "quillmark-render: " << summary << '\n';
    out.flush();
    if (unverified) return kExitUnverified;
    if (failed > 0) return kExitRowsFailed;
    return checkFailed ? kExitCheckFailed : kExitMade;
}

}  // namespace quillmark
