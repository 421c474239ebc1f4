// Reads batch files with libcsv, so quoted fields, embedded commas, quotes and line breaks follow
// RFC 4180 exactly.
#include "cli/BatchFile.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

namespace quillmark {
namespace {

enum Column { Type, Data, AddOn, Size, GSize, VSize, Border, Output, kColumnCount };
constexpr std::array<const char*, kColumnCount> kColumnNames{"type",  "data",  "addon",  "size",
                                                             "gsize", "vsize", "border", "output"};

// Collects the records libcsv hands back field by field.
struct Records {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> current;
};

void OnField(void* text, std::size_t length, void* data) {
    static_cast<Records*>(data)->current.emplace_back(static_cast<const char*>(text), length);
}

void OnRecordEnd(int, void* data) {
    auto* records = static_cast<Records*>(data);
    records->rows.push_back(std::move(records->current));
    records->current.clear();
}

std::vector<std::vector<std::string>> ParseCsv(const std::string& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) Fail("cannot read " + Quoted(path) + ": " + std::strerror(errno));
    csv_parser parser{};
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) Fail("cannot start the CSV reader");
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, &csv_free);
    Records records;
    char buffer[65536];
    bool first = true;
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, file.get())) {
        std::size_t skip = 0;
        if (first && read >= 3 && std::memcmp(buffer, "\xEF\xBB\xBF", 3) == 0) skip = 3;
        first = false;
        if (csv_parse(&parser, buffer + skip, read - skip, OnField, OnRecordEnd, &records) !=
            read - skip)
            Fail(Quoted(path) + " is not valid CSV after row " +
                 std::to_string(records.rows.size()) + ": " + csv_strerror(csv_error(&parser)));
    }
    if (std::ferror(file.get())) Fail("cannot read " + Quoted(path) + ": " + std::strerror(errno));
    if (csv_fini(&parser, OnField, OnRecordEnd, &records) != 0)
        Fail(Quoted(path) + " is not valid CSV after row " + std::to_string(records.rows.size()) +
             ": " + csv_strerror(csv_error(&parser)));
    return records.rows;
}

std::string Trimmed(const std::string& text) {
    const auto space = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto begin = std::find_if_not(text.begin(), text.end(), space);
    const auto end = std::find_if_not(text.rbegin(), text.rend(), space).base();
    return begin < end ? std::string(begin, end) : std::string{};
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Each column's position in the file's rows; -1 when the file has no such column.
std::array<int, kColumnCount> HeaderColumns(const std::vector<std::string>& header) {
    std::array<int, kColumnCount> columns;
    columns.fill(-1);
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = Lower(Trimmed(header[i]));
        const auto known = std::find(kColumnNames.begin(), kColumnNames.end(), name);
        // An unknown column is refused rather than ignored: a misspelt "adon" would otherwise
        // drop every add-on without a word.
        if (known == kColumnNames.end()) {
            std::string names;
            for (const char* column : kColumnNames)
                names += (names.empty() ? "" : ", ") + std::string(column);
            Fail("the batch file's column " + Quoted(header[i]) + " is none of " + names);
        }
        int& column = columns[static_cast<std::size_t>(known - kColumnNames.begin())];
        if (column >= 0) Fail("the batch file names column " + Quoted(name) + " twice");
        column = static_cast<int>(i);
    }
    return columns;
}

std::optional<bool> ParseBorder(const std::string& text) {
    const std::string value = Lower(Trimmed(text));
    if (value == "full" || value == "yes" || value == "true" || value == "1") return true;
    if (value == "no" || value == "false" || value == "0" || value == "top-bottom") return false;
    Fail("border " + Quoted(text) + " is neither full (yes, 1) nor top-bottom (no, 0)");
}

BatchRow ReadRow(const std::vector<std::string>& cells,
                 const std::array<int, kColumnCount>& columns, const SymbolFields& defaults,
                 const std::optional<std::string>& defaultOutput) {
    BatchRow row;
    row.fields = defaults;
    row.output = defaultOutput;
    const auto cell = [&](Column column) -> std::optional<std::string> {
        const int at = columns[column];
        if (at < 0 || cells[static_cast<std::size_t>(at)].empty()) return std::nullopt;
        return cells[static_cast<std::size_t>(at)];
    };
    std::optional<std::string>* targets[] = {&row.fields.type,  &row.fields.data,
                                             &row.fields.addOn, &row.fields.size,
                                             &row.fields.gSize, &row.fields.vSize};
    for (int column = Type; column <= VSize; ++column)
        if (auto value = cell(static_cast<Column>(column))) *targets[column] = std::move(value);
    if (auto border = cell(Border)) row.fields.fullBorder = ParseBorder(*border);
    if (auto output = cell(Output)) row.output = std::move(output);
    if (!row.output) Fail("no output file (give an output column)");
    return row;
}

// The file a path names, written one way: absolute, without "." and ".." steps or doubled slashes.
std::string SameFileKey(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return (error ? std::filesystem::path(path) : absolute).lexically_normal().string();
}

}  // namespace

std::vector<BatchRow> ReadBatchFile(const std::string& path, const SymbolFields& defaults,
                                    const std::optional<std::string>& defaultOutput) {
    const std::vector<std::vector<std::string>> records = ParseCsv(path);
    if (records.empty()) Fail("the batch file " + Quoted(path) + " has no header row");
    const std::array<int, kColumnCount> columns = HeaderColumns(records.front());
    std::vector<BatchRow> rows;
    std::map<std::string, int> outputs;  // each output file and the row that makes it
    for (std::size_t i = 1; i < records.size(); ++i) {
        BatchRow row;
        row.number = static_cast<int>(i) + 1;
        try {
            if (records[i].size() != records.front().size())
                Fail("has " + std::to_string(records[i].size()) + " fields; the header has " +
                     std::to_string(records.front().size()));
            const int number = row.number;
            row = ReadRow(records[i], columns, defaults, defaultOutput);
            row.number = number;
            // Two rows writing one file would leave whichever finished last: the other is lost.
            if (const auto [it, fresh] = outputs.emplace(SameFileKey(*row.output), row.number);
                !fresh)
                Fail("output " + Quoted(*row.output) + " is already made by row " +
                     std::to_string(it->second));
        } catch (const InputError& error) {
            row.error = error.message;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace quillmark
