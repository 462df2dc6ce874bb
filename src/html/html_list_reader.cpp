#include "html/html_list_reader.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/text.h"
#include "html/html_list_columns.h"

namespace html {
namespace {

// The cells of the row being read, kept until the row is complete.
class PendingRow {
  public:
    bool Started() const { return started_; }
    void Start(std::string key) {
        started_ = true;
        cells_[0] = std::move(key);
        for (std::size_t i = 1; i < cells_.size(); ++i) cells_[i].clear();
    }
    void Set(int list_index, std::string text) {
        cells_[static_cast<std::size_t>(list_index)] = std::move(text);
    }
    void MoveTo(core::VideoList& videos) {
        if (!started_) return;
        std::array<std::string_view, core::kMaxColumns> views;
        for (std::size_t i = 0; i < cells_.size(); ++i) views[i] = cells_[i];
        core::VideoRecord record(views);
        record.LoadOrder = videos.RowCount();
        videos.AppendRow(std::move(record));
        started_ = false;
    }

  private:
    bool started_ = false;
    std::array<std::string, core::kMaxColumns> cells_;
};

class PageReader {
  public:
    PageReader(core::VideoList& videos, const core::Clock& clock, platform::Progress& progress)
        : videos_(videos), last_key_(clock.Now()), progress_(progress) {}

    void Line(std::string_view line) {
        if (!read_.recognised) {
            if (line == kListMarker) Recognise();
            return;
        }
        if (line == kHeaderEnd) {
            in_header_ = false;
        } else if (in_header_) {
            std::string heading = core::StripTags(line);
            if (!columns_.AddHeading(heading)) read_.dropped_headings.push_back(std::move(heading));
        } else if (line == kHeaderStart) {
            in_header_ = true;
        } else if (line == kRowEnd) {
            row_.MoveTo(videos_);
            in_row_ = false;
        } else if (in_row_) {
            Cell(line);
        } else if (line == kRowStart) {
            row_.MoveTo(videos_);
            in_row_ = true;
            cell_ = 0;
            progress_.Step();
        }
    }

    HtmlListRead Finish() {
        if (!read_.recognised) return read_;
        row_.MoveTo(videos_);
        videos_.SetColumns(std::move(columns_).Completed());
        const int flag_value = videos_.ColumnIndexOf(core::column_name::kFlagValue);
        for (core::VideoRecord& record : videos_.MutableRows()) {
            record.Flagged = !record.Cell(flag_value).empty();
        }
        return read_;
    }

  private:
    void Recognise() {
        read_.recognised = true;
        videos_.DeleteAllRows();
        videos_.DeleteAllColumns();
    }

    // The first cell of a row (its number, "7.") makes the row and its new Key; every cell goes
    // to the column of the heading at its place, and a cell without one is dropped.
    void Cell(std::string_view line) {
        if (cell_ == 0) row_.Start(std::to_string(++last_key_));
        const int column = columns_.ColumnOfHeading(cell_++);
        if (column >= 0) row_.Set(column, core::StripTags(line));
    }

    core::VideoList& videos_;
    std::int64_t last_key_;
    platform::Progress& progress_;
    HtmlListColumns columns_;
    PendingRow row_;
    HtmlListRead read_;
    bool in_header_ = false;
    bool in_row_ = false;
    std::size_t cell_ = 0;
};

}  // namespace

HtmlListRead ReadHtmlList(std::istream& in, core::VideoList& videos, const core::Clock& clock,
                          platform::Progress& progress) {
    PageReader reader(videos, clock, progress);
    core::LineReader lines(in);
    std::string_view line;
    while (lines.Next(line)) reader.Line(line);
    return reader.Finish();
}

std::int64_t CountHtmlListRows(std::istream& in) {
    core::LineReader lines(in);
    std::string_view line;
    std::int64_t rows = 0;
    while (lines.Next(line)) rows += line == kRowStart ? 1 : 0;
    return rows;
}

core::FileResult ReadHtmlListFile(const std::string& path, core::VideoList& videos,
                                  const core::Clock& clock, platform::Progress& progress,
                                  HtmlListRead& read) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return core::FileResult::Failure(path, core::SystemErrorText(errno));
    const std::int64_t rows = CountHtmlListRows(in);
    in.clear();
    in.seekg(0);
    platform::ProgressScope scope(progress, rows, "Reading " + path);
    read = ReadHtmlList(in, videos, clock, progress);
    if (in.bad()) return core::FileResult::Failure(path, core::SystemErrorText(EIO));
    return core::FileResult::Success(videos.RowCount());
}

}  // namespace html
