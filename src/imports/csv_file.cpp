#include "imports/csv_file.h"

#include <fstream>
#include <algorithm>

#include "core/paths.h"
#include "core/safe_file.h"
#include "core/text.h"

namespace imports {
namespace {

class CsvParser {
  public:
    explicit CsvParser(std::string_view text) : text_(text) {}

    // Reads one record into `fields`; false at the end of the text. `error` is set on damage.
    bool Next(std::vector<std::string>& fields, std::string& error) {
        fields.clear();
        if (pos_ >= text_.size()) return false;
        ++line_;
        while (true) {
            fields.emplace_back();
            std::string& field = fields.back();
            if (pos_ < text_.size() && text_[pos_] == '"') {
                if (!Quoted(field, error)) return false;
            } else {
                const std::size_t end = FieldEnd(pos_);
                field.assign(text_.substr(pos_, end - pos_));
                pos_ = end;
            }
            if (pos_ >= text_.size()) return true;
            const char c = text_[pos_++];
            if (c == ',') continue;
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
            return true;
        }
    }
    int line() const { return line_; }

  private:
    // Where an unquoted field ends: at a comma, a line end or the end of the text. The three
    // bytes sort at or below ',', so one comparison passes nearly every other byte.
    std::size_t FieldEnd(std::size_t pos) const {
        const std::size_t size = text_.size();
        for (; pos < size; ++pos) {
            const char c = text_[pos];
            if (c <= ',' && (c == ',' || c == '\n' || c == '\r')) break;
        }
        return pos;
    }

    bool Quoted(std::string& field, std::string& error) {
        const int start_line = line_;
        ++pos_;
        while (true) {
            const std::size_t quote = text_.find('"', pos_);
            if (quote == std::string_view::npos) {
                error = "line " + std::to_string(start_line) +
                        ": a quoted field is never closed (a \" is missing)";
                return false;
            }
            const std::string_view part = text_.substr(pos_, quote - pos_);
            for (char c : part) {
                if (c == '\n') ++line_;
            }
            field.append(part);
            pos_ = quote + 1;
            if (pos_ < text_.size() && text_[pos_] == '"') {
                field += '"';
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
            return true;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 0;
};

bool IsEmptyRecord(const std::vector<std::string>& fields) {
    return fields.size() == 1 && fields[0].empty();
}

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

core::FileResult ParseCsv(std::string_view text, ForeignTable* table) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    *table = {};
    CsvParser parser(text);
    std::vector<std::string> fields;
    std::string error;
    bool have_names = false;
    while (parser.Next(fields, error)) {
        if (IsEmptyRecord(fields)) continue;
        if (!have_names) {
            for (std::size_t i = 0; i < fields.size(); ++i)
                table->fields.push_back({static_cast<int>(i), fields[i]});
            have_names = true;
        } else {
            const std::size_t width = fields.size();
            table->rows.push_back(std::move(fields));
            fields = {};
            fields.reserve(width);
        }
    }
    if (!error.empty()) return core::FileResult::Failure({}, error);
    if (!have_names) return core::FileResult::Failure({}, "the file is empty (no column names)");
    return core::FileResult::Success(static_cast<std::int64_t>(table->rows.size()));
}

core::FileResult ReadCsv(const std::string& path, ForeignTable* table) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return core::FileResult::Failure(path, core::SystemErrorText(errno));
    std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(core::FileSize(path), 0)),
                      '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad() || in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        return core::FileResult::Failure(path, core::SystemErrorText(EIO));
    }
    core::FileResult parsed = ParseCsv(bytes, table);
    if (!parsed) parsed.path = path;
    return parsed;
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
