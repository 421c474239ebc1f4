// Making a batch's pictures on every core, with progress and a summary on the error stream.
#pragma once

#include <iosfwd>
#include <optional>
#include <vector>

#include "check/SizeTableCheck.h"
#include "cli/BatchFile.h"
#include "cli/PictureOutput.h"

namespace quillmark {

struct BatchOptions {
    PictureSettings settings;
    std::optional<PictureFormat> format;  // for outputs without a known extension
    bool verify = false;
    bool check = false;                                          // every row's checks, on out
    Application application = Application::GeneralDistribution;  // the table --check holds to
    bool showProgress = false;  // a bar redrawn on err (a terminal)
};

// Makes every row's picture, rows in parallel. Each failed row is reported on err with its number
// and reason, in row order, with its GS1 and colour warnings, then one summary line; with check,
// every row's findings go to out, each line after its row number. Returns kExitUnverified when
// any picture did not scan as its data, else kExitRowsFailed when rows failed, else
// kExitCheckFailed when a check failed, else kExitMade. Rows of PDF pictures have the PDF
// module loaded on the calling thread first.
int RunBatch(const std::vector<BatchRow>& rows, const BatchOptions& options, std::ostream& out,
             std::ostream& err);

}  // namespace quillmark
