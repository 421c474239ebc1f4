// Making a batch's pictures on every core, with progress and a summary on the error stream.
#pragma once

#include <iosfwd>
#include <optional>
#include <vector>

#include "cli/BatchFile.h"
#include "cli/PictureOutput.h"

namespace quillmark {

struct BatchOptions {
    PictureSettings settings;
    std::optional<PictureFormat> format;  // for outputs without a known extension
    bool verify = false;
    bool showProgress = false;  // a bar redrawn on err (a terminal)
};

// Makes every row's picture, rows in parallel. Each failed row is reported on err with its number
// and reason, in row order, then one summary line. Returns kExitMade, kExitRowsFailed, or
// kExitUnverified when any picture did not scan as its data. Needs a QGuiApplication.
int RunBatch(const std::vector<BatchRow>& rows, const BatchOptions& options, std::ostream& err);

}  // namespace quillmark
