// The rows of a batch file: RFC 4180 CSV with a header row naming the columns.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/SymbolInput.h"

namespace quillmark {

struct BatchRow {
    int number = 0;  // the row's number as a spreadsheet shows it (the header is row 1)
    SymbolFields fields;
    std::optional<std::string> output;
    std::string error;  // a row that cannot be made as it stands; empty when it is complete
};

// Reads path (a UTF-8 BOM is skipped). Columns type, data, addon, size, gsize, vsize, border and
// output may come in any order and case; a missing column, or an empty cell, takes the value in
// defaults. Throws InputError when the file cannot be read, is not well-formed CSV, or its header
// names an unknown or repeated column; a row that cannot be made carries its error.
std::vector<BatchRow> ReadBatchFile(const std::string& path, const SymbolFields& defaults,
                                    const std::optional<std::string>& defaultOutput);

}  // namespace quillmark
