// The rows of a batch file: RFC 4180 CSV with a header row naming the columns.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/PictureOutput.h"
#include "cli/SymbolInput.h"
#include "output/Result.h"

namespace quillmark {

// A row of the file (with the line breaks inside its quoted fields) longer than this refuses the
// whole file: nothing in a batch needs more, and the file is never read further into memory.
inline constexpr std::size_t kMaxBatchRowBytes = 64 * 1024;

struct BatchRow {
    int number = 0;  // the row's number as a spreadsheet shows it (the header is row 1)
    SymbolFields fields;
    // The file to write: an output cell taken relative to the batch file's folder, or the
    // command line's -o as given.
    std::optional<std::string> output;
    std::string error;  // a row that cannot be made as it stands; empty when it is complete
};

// What a batch file may do to the files around it.
struct BatchPolicy {
    bool allowOutside = false;  // output cells may be absolute or climb out with ".."
    bool force = false;         // existing files that are not pictures of the format may go
    std::optional<PictureFormat> format;  // --format, for outputs without a picture extension
    bool noOutputs = false;  // the rows fill label sheets: output cells are neither needed nor read
};

// Reads path in pieces (a UTF-8 BOM is skipped). Columns type, data, addon, size, gsize, vsize,
// border and output may come in any order and case; a missing column, or an empty cell, takes the
// value in defaults. Fails when the file cannot be read, is not well-formed CSV, has
// a row longer than kMaxBatchRowBytes, or its header names an unknown or repeated column. A row
// that cannot be made carries its error: a cell holding a control character; an output cell that
// is absolute or climbs out of the file's folder (unless policy.allowOutside); an output that
// an earlier row already writes (the same folder after its links, or the same existing file); an
// existing file that is not a picture of the format written (unless policy.force).
Result<std::vector<BatchRow>> ReadBatchFile(const std::string& path, const SymbolFields& defaults,
                                            const std::optional<std::string>& defaultOutput,
                                            const BatchPolicy& policy = {});

}  // namespace quillmark
