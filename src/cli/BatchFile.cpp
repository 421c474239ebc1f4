// Reads batch files with libcsv, so quoted fields, embedded commas, quotes and line breaks follow
// RFC 4180 exactly. Each record becomes its row as soon as libcsv hands it over, so that only the
// rows are kept, and a row too long is refused before the rest of it is read.
#include "cli/BatchFile.h"

#include <csv.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <utility>

#include "cli/Refusal.h"
#include "raster/OnDemandLibrary.h"

namespace quillmark {
namespace {

namespace fs = std::filesystem;

enum Column { Type, Data, AddOn, Size, GSize, VSize, Border, Output, kColumnCount };
constexpr std::array<const char*, kColumnCount> kColumnNames{"type",  "data",  "addon",  "size",
                                                             "gsize", "vsize", "border", "output"};

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
Result<std::array<int, kColumnCount>> HeaderColumns(const std::vector<std::string>& header) {
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
            return Failure{"the batch file's column " + Quoted(header[i]) + " is none of " + names};
        }
        int& column = columns[static_cast<std::size_t>(known - kColumnNames.begin())];
        if (column >= 0) return Failure{"the batch file names column " + Quoted(name) + " twice"};
        column = static_cast<int>(i);
    }
    return columns;
}

Result<bool> ParseBorder(const std::string& text) {
    const std::string value = Lower(Trimmed(text));
    if (value == "full" || value == "yes" || value == "true" || value == "1") return true;
    if (value == "no" || value == "false" || value == "0" || value == "top-bottom") return false;
    return Failure{"border " + Quoted(text) + " is neither full (yes, 1) nor top-bottom (no, 0)"};
}

// The position (counted in characters from 1) of the first control character in text, C0, DEL
// or C1 (U+0080 to U+009F, "\xC2\x80" to "\xC2\x9F"); 0 when there is none. A file name with one
// can hide its real name on a terminal or cut it short (NUL) when it is opened.
std::size_t ControlCharacterAt(const std::string& text) {
    std::size_t position = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) ++position;
        if (byte < 32 || byte == 127) return position;
        if (byte == 0xC2 && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80)
            return position;
    }
    return 0;
}

std::string ExtensionList() {
    return ".png, .bmp, .jpg, .jpeg, .svg or .pdf";
}

// Turns libcsv's records into rows, one at a time, and decides where each row may write.
class BatchReader {
public:
    BatchReader(const std::string& path, const SymbolFields& defaults,
                const std::optional<std::string>& defaultOutput, const BatchPolicy& policy)
        : path_(path),
          folder_(fs::path(path).parent_path()),
          defaults_(defaults),
          defaultOutput_(defaultOutput),
          policy_(policy) {}

    static void OnField(void* text, std::size_t length, void* reader) {
        auto* self = static_cast<BatchReader*>(reader);
        if (!self->failure_) self->current_.emplace_back(static_cast<const char*>(text), length);
    }

    // libcsv cannot stop at a refused header, so its refusal is kept for after the parse.
    static void OnRecordEnd(int, void* reader) {
        auto* self = static_cast<BatchReader*>(reader);
        std::vector<std::string> cells = std::move(self->current_);
        self->current_.clear();
        if (self->failure_) return;
        if (Result<void> recorded = self->Record(cells); !recorded)
            self->failure_ = FailureOf(recorded);
    }

    // The header's refusal, if any.
    Result<void> failure() const {
        if (failure_) return *failure_;
        return {};
    }

    std::size_t records() const { return records_; }
    std::vector<BatchRow>& rows() { return rows_; }

private:
    Result<void> Record(const std::vector<std::string>& cells) {
        ++records_;
        if (records_ == 1) {
            const Result<std::array<int, kColumnCount>> columns = HeaderColumns(cells);
            if (!columns) return FailureOf(columns);
            columns_ = *columns;
            headerSize_ = cells.size();
            return {};
        }
        BatchRow row;
        row.number = static_cast<int>(records_);
        row.error = ReadRow(cells, row).error();
        rows_.push_back(std::move(row));
        return {};
    }

    Result<void> ReadRow(const std::vector<std::string>& cells, BatchRow& row) {
        if (cells.size() != headerSize_)
            return Failure{"has " + std::to_string(cells.size()) + " fields; the header has " +
                           std::to_string(headerSize_)};
        for (int column = 0; column < kColumnCount; ++column) {
            const int at = columns_[static_cast<std::size_t>(column)];
            if (at < 0) continue;
            const std::string& text = cells[static_cast<std::size_t>(at)];
            if (const std::size_t position = ControlCharacterAt(text))
                return Failure{std::string(kColumnNames[static_cast<std::size_t>(column)]) + " " +
                               Quoted(text) + " holds a control character at position " +
                               std::to_string(position)};
        }
        row.fields = defaults_;
        const auto cell = [&](Column column) -> std::optional<std::string> {
            const int at = columns_[column];
            if (at < 0 || cells[static_cast<std::size_t>(at)].empty()) return std::nullopt;
            return cells[static_cast<std::size_t>(at)];
        };
        std::optional<std::string>* targets[] = {&row.fields.type,  &row.fields.data,
                                                 &row.fields.addOn, &row.fields.size,
                                                 &row.fields.gSize, &row.fields.vSize};
        for (int column = Type; column <= VSize; ++column)
            if (auto value = cell(static_cast<Column>(column))) *targets[column] = std::move(value);
        if (auto border = cell(Border)) {
            const Result<bool> full = ParseBorder(*border);
            if (!full) return FailureOf(full);
            row.fields.fullBorder = *full;
        }
        if (policy_.noOutputs) return {};  // label sheets: the rows are symbols, not files
        std::string shown;                 // the output as the user wrote it, for messages
        if (auto output = cell(Output)) {
            shown = *output;
            Result<std::string> path = InFolder(*output);
            if (!path) return FailureOf(path);
            row.output = std::move(*path);
        } else if (defaultOutput_) {
            // The command line's own argument, taken as every path on it: from the current folder.
            shown = *defaultOutput_;
            row.output = defaultOutput_;
        } else {
            return Failure{"no output file (give an output column)"};
        }
        return Claim(*row.output, shown, row.number);
    }

    // An output cell as a path from the batch file's folder; ".." steps are taken by name.
    Result<std::string> InFolder(const std::string& cell) const {
        const fs::path normal = fs::path(cell).lexically_normal();
        if (normal.has_root_path()) {
            if (!policy_.allowOutside && !WithinFolder(normal))
                return Failure{"output " + Quoted(cell) +
                               " is an absolute path outside the batch file's " +
                               "folder (--allow-outside writes anywhere)"};
            return normal.string();
        }
        if (!policy_.allowOutside && !normal.empty() && *normal.begin() == "..")
            return Failure{"output " + Quoted(cell) + " climbs out of the batch file's folder " +
                           "(--allow-outside writes anywhere)"};
        return (folder_ / normal).string();
    }

    // Whether an absolute path lies in the batch file's folder, by name or after the links of
    // both (a folder reached through a link to it).
    bool WithinFolder(const fs::path& file) const {
        const auto inside = [](const fs::path& folder, const fs::path& path) {
            const fs::path relative = path.lexically_relative(folder);
            return !relative.empty() && *relative.begin() != "..";
        };
        std::error_code error;
        const fs::path folder =
            fs::absolute(fs::path(path_), error).lexically_normal().parent_path();
        if (error) return false;
        if (inside(folder, file)) return true;
        const fs::path realFolder = fs::weakly_canonical(folder, error);
        if (error) return false;
        const fs::path realFile = fs::weakly_canonical(file.parent_path(), error) / file.filename();
        return !error && inside(realFolder, realFile);
    }

    // Makes path this row's output, or refuses it: a name that cannot be a file, a file that
    // another row writes already, an existing file that is not a picture of the format written.
    Result<void> Claim(const std::string& path, const std::string& shown, int number) {
        const fs::path target(path);
        const std::string name = target.filename().string();
        if (name.empty() || name == "." || name == "..")
            return Failure{"output " + Quoted(shown) + " names a folder, not a file"};
        if (path.size() >= PATH_MAX || name.size() > NAME_MAX)
            return Failure{"output " + Quoted(shown) + " is longer than a file name may be"};
        const std::string key = (RealFolder(target.parent_path()) / name).string();
        if (const auto it = outputs_.find(key); it != outputs_.end())
            return AlsoWritten(shown, it->second);
        struct stat existing {};
        const bool exists = stat(path.c_str(), &existing) == 0;  // after links, as it is written
        std::pair<dev_t, ino_t> file{existing.st_dev, existing.st_ino};
        if (exists) {
            // Another name for a file a row writes: a hard link, or a link to it.
            if (const auto it = files_.find(file); it != files_.end())
                return AlsoWritten(shown, it->second);
            if (S_ISDIR(existing.st_mode))
                return Failure{"output " + Quoted(shown) + " is a folder"};
            if (Result<void> replaced = RefuseReplacing(path, shown); !replaced) return replaced;
        }
        outputs_.emplace(key, number);
        if (exists) files_.emplace(file, number);
        return {};
    }

    static Failure AlsoWritten(const std::string& shown, int row) {
        return Failure{"output " + Quoted(shown) + " is also the output of row " +
                       std::to_string(row)};
    }

    // The folder after its links, so that two names through a linked folder are one file; the
    // part of it not made yet is taken by name. Rows mostly share a few folders, so each is
    // looked up once.
    const fs::path& RealFolder(const fs::path& folder) {
        const auto [it, fresh] = realFolders_.try_emplace(folder.string());
        if (!fresh) return it->second;
        std::error_code error;
        fs::path absolute = fs::absolute(folder.empty() ? fs::path(".") : folder, error);
        if (error) absolute = folder;
        const fs::path real = fs::weakly_canonical(absolute, error);
        it->second = error ? absolute.lexically_normal() : real;
        return it->second;
    }

    // An existing file goes only for a picture of the format written, unless --force: a batch
    // must not turn a document, a script or a settings file into a picture.
    Result<void> RefuseReplacing(const std::string& path, const std::string& shown) const {
        if (policy_.force) return {};
        std::optional<PictureFormat> written = FormatForPath(path);
        if (!written) written = policy_.format;
        if (!written) return {};  // the row fails for want of a format; nothing is written
        std::error_code error;
        const fs::path real = fs::canonical(path, error);  // the file a link leads to
        const std::string replaced = error ? path : real.string();
        if (FormatForPath(replaced) != written)
            return Failure{"output " + Quoted(shown) +
                           " exists and is not a picture of its format (" + ExtensionList() +
                           "); --force replaces it"};
        return {};
    }

    std::string path_;  // the batch file's
    fs::path folder_;
    SymbolFields defaults_;
    std::optional<std::string> defaultOutput_;
    BatchPolicy policy_;
    std::array<int, kColumnCount> columns_{};
    std::size_t headerSize_ = 0;
    std::size_t records_ = 0;
    std::vector<std::string> current_;
    std::vector<BatchRow> rows_;
    std::map<std::string, int> outputs_;            // each output file and the row that makes it
    std::map<std::pair<dev_t, ino_t>, int> files_;  // each existing file a row replaces
    std::map<std::string, fs::path> realFolders_;   // each output folder after its links
    std::optional<Failure> failure_;
};

// Follows the rows through a piece of the file as libcsv does, only to count the bytes of the
// current row: returns how many bytes of text the row limit lets through (all of them when the
// row stays within the limit).
class RowLength {
public:
    std::size_t Allowed(const char* text, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            const char c = text[i];
            if (c == '"') quoted_ = !quoted_;  // a doubled quote toggles twice
            if (!quoted_ && (c == '\n' || c == '\r')) {
                bytes_ = 0;
            } else if (++bytes_ > kMaxBatchRowBytes) {
                return i;
            }
        }
        return size;
    }

private:
    bool quoted_ = false;
    std::size_t bytes_ = 0;
};

}  // namespace

// libcsv's calls, opened on the first batch: a single picture does not load libcsv.
// clang-format off
#define QUILLMARK_CSV_CALLS(X) \
    X(csv_init) X(csv_parse) X(csv_fini) X(csv_free) X(csv_error) X(csv_strerror)
// clang-format on

namespace {

QUILLMARK_ON_DEMAND_CALLS(CsvCalls, Csv, QUILLMARK_CSV_CALLS, QUILLMARK_CSV_SONAME)

}  // namespace

Result<std::vector<BatchRow>> ReadBatchFile(const std::string& path, const SymbolFields& defaults,
                                            const std::optional<std::string>& defaultOutput,
                                            const BatchPolicy& policy) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) return Failure{"cannot read " + Quoted(path) + ": " + std::strerror(errno)};
    const CsvCalls& csv = Csv();
    if (!csv.error.empty()) return Failure{"cannot start the CSV reader: " + csv.error};
    csv_parser parser{};
    if (csv.csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
        return Failure{"cannot start the CSV reader"};
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, csv.csv_free);
    BatchReader reader(path, defaults, defaultOutput, policy);
    const auto invalid = [&]() -> Result<void> {
        return Failure{Quoted(path) + " is not valid CSV after row " +
                       std::to_string(reader.records()) + ": " +
                       csv.csv_strerror(csv.csv_error(&parser))};
    };
    const auto parse = [&](const char* text, std::size_t size) -> Result<void> {
        const bool whole = csv.csv_parse(&parser, text, size, BatchReader::OnField,
                                         BatchReader::OnRecordEnd, &reader) == size;
        if (Result<void> header = reader.failure(); !header) return header;
        return whole ? Result<void>() : invalid();
    };
    RowLength length;
    std::array<char, 65536> buffer;
    bool first = true;
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file.get())) {
        const char* text = buffer.data();
        std::size_t size = read;
        if (first && size >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0) {
            text += 3;
            size -= 3;
        }
        first = false;
        const std::size_t allowed = length.Allowed(text, size);
        if (Result<void> parsed = parse(text, allowed); !parsed) return FailureOf(parsed);
        if (allowed < size)
            return Failure{"the batch file " + Quoted(path) + " is refused: row " +
                           std::to_string(reader.records() + 1) + " is longer than " +
                           std::to_string(kMaxBatchRowBytes / 1024) + " KiB"};
    }
    if (std::ferror(file.get()))
        return Failure{"cannot read " + Quoted(path) + ": " + std::strerror(errno)};
    const bool finished =
        csv.csv_fini(&parser, BatchReader::OnField, BatchReader::OnRecordEnd, &reader) == 0;
    if (Result<void> header = reader.failure(); !header) return FailureOf(header);
    if (!finished) return FailureOf(invalid());
    if (reader.records() == 0)
        return Failure{"the batch file " + Quoted(path) + " has no header row"};
    return std::move(reader.rows());
}

}  // namespace quillmark
