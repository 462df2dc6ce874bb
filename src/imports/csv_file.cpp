#include "imports/csv_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <fstream>

#include "core/paths.h"
#include "core/safe_file.h"
#include "core/text.h"

namespace imports {
namespace {

class CsvParser {
  public:
    explicit CsvParser(std::string_view text) : text_(text) {}

    // Reads one record; false at the end of the text. The fields are views into the text, or
    // into the parser for quoted fields with doubled quotes; they live until the next call.
    // `error` is set on damage.
    bool Next(std::string& error) {
        fields_.clear();
        unescaped_.clear();
        if (pos_ >= text_.size()) return false;
        ++line_;
        while (true) {
            if (pos_ < text_.size() && text_[pos_] == '"') {
                if (!Quoted(error)) return false;
            } else {
                const std::size_t end = FieldEnd(pos_);
                fields_.push_back(text_.substr(pos_, end - pos_));
                pos_ = end;
            }
            if (pos_ >= text_.size()) return true;
            const char c = text_[pos_++];
            if (c == ',') continue;
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
            return true;
        }
    }
    std::span<const std::string_view> fields() const { return fields_; }

  private:
    // Where an unquoted field ends: at a comma, a line end or the end of the text. The three
    // bytes sort at or below ',', so one comparison passes nearly every other byte.
    std::size_t FieldEnd(std::size_t pos) const {
        const std::size_t size = text_.size();
        // Eight bytes at a time while none of them is a comma or a control byte.
        constexpr std::uint64_t kOnes = 0x0101010101010101ull;
        constexpr std::uint64_t kHighs = 0x8080808080808080ull;
        for (; pos + 8 <= size; pos += 8) {
            std::uint64_t word;
            std::memcpy(&word, text_.data() + pos, 8);
            const std::uint64_t commas = word ^ (kOnes * ',');
            if ((((commas - kOnes) & ~commas) | ((word - kOnes * 0x0E) & ~word)) & kHighs) break;
        }
        for (; pos < size; ++pos) {
            const char c = text_[pos];
            if (c <= ',' && (c == ',' || c == '\n' || c == '\r')) break;
        }
        return pos;
    }

    bool Quoted(std::string& error) {
        const int start_line = line_;
        const std::size_t start = ++pos_;
        std::string* escaped = nullptr;  // made at the first doubled quote
        while (true) {
            const std::size_t quote = text_.find('"', pos_);
            if (quote == std::string_view::npos) {
                error = "line " + std::to_string(start_line) +
                        ": a quoted field is never closed (a \" is missing)";
                return false;
            }
            const std::string_view part = text_.substr(pos_, quote - pos_);
            line_ += static_cast<int>(std::count(part.begin(), part.end(), '\n'));
            if (escaped) escaped->append(part);
            pos_ = quote + 1;
            if (pos_ < text_.size() && text_[pos_] == '"') {
                if (!escaped)
                    escaped = &unescaped_.emplace_back(text_.substr(start, quote - start));
                escaped->push_back('"');
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\r' &&
                text_[pos_] != '\n') {
                error = "line " + std::to_string(line_) +
                        ": text after the closing quote of a field (a quote inside a quoted "
                        "field must be doubled)";
                return false;
            }
            fields_.push_back(escaped ? std::string_view(*escaped)
                                      : text_.substr(start, quote - start));
            return true;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 0;
    std::vector<std::string_view> fields_;
    std::deque<std::string> unescaped_;  // a deque: adding one moves none of the others
};

void WriteField(std::ostream& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos &&
        (text.empty() || (text.front() != ' ' && text.back() != ' '))) {
        out << text;
        return;
    }
    out << '"';
    for (char c : text) {
        if (c == '"') out << '"';
        out << c;
    }
    out << '"';
}

std::vector<int> ExportedColumns(const core::VideoList& videos, bool all_columns) {
    std::vector<int> columns;
    const auto wanted = [&](int index) {
        const std::string& name = videos.Column(index).Name;
        if (name == core::column_name::kNumber || name == core::column_name::kFlag) return false;
        return all_columns || videos.ColumnWidth(index) > 0;
    };
    if (all_columns) {
        for (int index = 0; index < videos.ColumnCount(); ++index)
            if (wanted(index)) columns.push_back(index);
    } else {
        for (int index : videos.ColumnOrder())
            if (wanted(index)) columns.push_back(index);
    }
    return columns;
}

}  // namespace

core::FileResult ForEachCsvRecord(
    std::string_view text, const std::function<bool(std::span<const std::string_view>)>& record) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    CsvParser parser(text);
    std::string error;
    std::int64_t records = 0;
    while (parser.Next(error)) {
        const std::span<const std::string_view> fields = parser.fields();
        if (fields.size() == 1 && fields[0].empty()) continue;  // an empty line
        ++records;
        if (!record(fields)) break;
    }
    if (!error.empty()) return core::FileResult::Failure({}, error);
    if (records == 0) return core::FileResult::Failure({}, "the file is empty (no column names)");
    return core::FileResult::Success(records);
}

core::FileResult ParseCsv(std::string_view text, ForeignTable* table) {
    *table = {};
    core::FileResult parsed = ForEachCsvRecord(text, [&](std::span<const std::string_view> fields) {
        if (table->fields.empty()) {
            for (std::size_t i = 0; i < fields.size(); ++i)
                table->fields.push_back({static_cast<int>(i), std::string(fields[i])});
        } else {
            table->rows.emplace_back(fields.begin(), fields.end());
        }
        return true;
    });
    return parsed ? core::FileResult::Success(static_cast<std::int64_t>(table->rows.size()))
                  : parsed;
}

core::FileResult ReadWholeFile(const std::string& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return core::FileResult::Failure(path, core::SystemErrorText(errno));
    bytes->assign(static_cast<std::size_t>(std::max<std::int64_t>(core::FileSize(path), 0)), '\0');
    in.read(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    if (in.bad() || in.gcount() != static_cast<std::streamsize>(bytes->size())) {
        return core::FileResult::Failure(path, core::SystemErrorText(EIO));
    }
    return core::FileResult::Success();
}

core::FileResult ReadCsv(const std::string& path, ForeignTable* table) {
    std::string bytes;
    if (core::FileResult read = ReadWholeFile(path, &bytes); !read) return read;
    core::FileResult parsed = ParseCsv(bytes, table);
    if (!parsed) parsed.path = path;
    return parsed;
}

core::FileResult ReadCsvSource(const std::string& path, SourceSummary* summary) {
    std::string bytes;
    if (core::FileResult read = ReadWholeFile(path, &bytes); !read) return read;
    *summary = {};
    core::FileResult parsed =
        ForEachCsvRecord(bytes, [&](std::span<const std::string_view> fields) {
            if (summary->fields.empty()) {
                for (std::size_t i = 0; i < fields.size(); ++i)
                    summary->fields.push_back({static_cast<int>(i), std::string(fields[i])});
            }
            return true;
        });
    if (!parsed) {
        parsed.path = path;
        return parsed;
    }
    summary->record_count = parsed.value - 1;
    return core::FileResult::Success(summary->record_count);
}

core::FileResult WriteCsv(const core::VideoList& videos, const CsvExportOptions& options,
                          std::ostream& out) {
    const std::vector<int> columns = ExportedColumns(videos, options.all_columns);
    const int synopsis = videos.ColumnIndexOf(core::column_name::kSynopsis);
    const auto write_row = [&](auto&& cell_of) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0) out << ',';
            WriteField(out, cell_of(columns[i]));
        }
        out << "\r\n";
    };
    write_row([&](int index) -> std::string { return videos.Column(index).Name; });
    std::int64_t written = 0;
    for (int row = 0; row < videos.RowCount(); ++row) {
        if (options.selected_only && !videos.IsSelected(row)) continue;
        write_row([&](int index) -> std::string {
            std::string cell(videos.Cell(row, index));
            return index == synopsis ? core::DecodeLineBreaks(std::move(cell)) : cell;
        });
        ++written;
    }
    if (!out) return core::FileResult::Failure({}, core::SystemErrorText(EIO));
    return core::FileResult::Success(written);
}

core::FileResult ExportCsv(const core::VideoList& videos, const CsvExportOptions& options,
                           const std::string& path) {
    std::int64_t written = 0;
    core::FileResult result = core::WriteFileSafely(path, [&](std::ostream& out) {
        core::FileResult rows = WriteCsv(videos, options, out);
        written = rows.value;
        return rows;
    });
    return result ? core::FileResult::Success(written) : result;
}

}  // namespace imports
