#include "views/database_statistics.h"

#include <array>

#include "core/paths.h"
#include "views/database_file_figures.h"
#include "views/duration_figures.h"
#include "views/statistics_texts.h"

namespace views {
namespace {

namespace name = core::column_name;

// Progress is reported in batches: a step per row would cost more than the row.
constexpr int kRowsPerStep = 1024;
// Rows whose cells are fetched from memory while a row is counted, rather than waited for.
constexpr int kRowsAhead = 32;

// What the figures take from the rows, gathered in one pass: each record's block of cells is
// read from memory once, not once per field.
struct RowFigures {
    struct Field {
        int column = -1;
        ValueKind kind = ValueKind::kSingle;
        ValueTally tally;
    };
    std::vector<Field> fields;  // in the order of ValueFields()
    DurationTally durations;
    int not_viewed = 0;
};

ValueKind KindOf(std::string_view field) {
    const bool names = field == name::kCast || field == name::kDirector ||
                       field == name::kProducer || field == name::kWriter;
    return names ? ValueKind::kNames : ValueKind::kSingle;
}

std::optional<RowFigures> GatherRowFigures(const core::VideoList& videos, std::stop_token stop,
                                           platform::Progress& progress) {
    // The cells read of each row: the value fields in order, then Duration and Last Viewed.
    constexpr std::size_t kDuration = 7, kLastViewed = 8, kCells = 9;
    std::array<int, kCells> columns{};  // -1 where the list has no such column
    RowFigures figures;
    for (std::string_view field : ValueFields()) {
        const int column = videos.ColumnIndexOf(field);
        columns[figures.fields.size()] = column;
        figures.fields.push_back({column, KindOf(field), {}});
    }
    columns[kDuration] = videos.ColumnIndexOf(name::kDuration);
    columns[kLastViewed] = videos.ColumnIndexOf(name::kLastViewed);

    // The cells of the rows ahead, asked for from memory while the rows before are counted.
    using RowCells = std::array<std::string_view, kCells>;
    std::array<RowCells, kRowsAhead> ahead;
    const int rows = videos.RowCount();
    const auto read_ahead = [&](int row) {
        if (row >= rows) return;
        const core::VideoRecord& record = videos.Row(row);
        RowCells& cells = ahead[static_cast<std::size_t>(row % kRowsAhead)];
        for (std::size_t i = 0; i < kCells; ++i) {
            cells[i] = columns[i] >= 0 ? record.Cell(columns[i]) : std::string_view();
            __builtin_prefetch(cells[i].data());
            __builtin_prefetch(cells[i].data() + cells[i].size());
        }
    };
    for (int row = 0; row < kRowsAhead; ++row) read_ahead(row);

    // Each value is hashed as its row is read and counted while the next row is read, so that
    // the slot it is counted in has come from memory by then.
    struct PendingValue {
        ValueTally* tally;
        FoldedKey key;
    };
    std::vector<PendingValue> pending, counting;
    const auto count = [&counting](int row) {
        for (const PendingValue& value : counting) value.tally->Add(value.key, row);
        counting.clear();
    };

    for (int row = 0; row < rows; ++row) {
        if (stop.stop_requested()) return std::nullopt;
        const RowCells& cells = ahead[static_cast<std::size_t>(row % kRowsAhead)];
        for (std::size_t i = 0; i < figures.fields.size(); ++i) {
            ValueTally& tally = figures.fields[i].tally;
            ValueTally::ForEachValue(cells[i], figures.fields[i].kind, [&](std::string_view value) {
                PendingValue& pended = pending.emplace_back();
                pended.tally = &tally;
                FoldKey(value, pended.key);
                __builtin_prefetch(tally.PlaceOf(pended.key));
            });
        }
        count(row - 1);
        std::swap(pending, counting);
        figures.durations.Add(cells[kDuration]);
        if (cells[kLastViewed].empty()) ++figures.not_viewed;
        read_ahead(row + kRowsAhead);
        if ((row + 1) % kRowsPerStep == 0) progress.Step(kRowsPerStep);
    }
    count(rows - 1);
    progress.Step(rows % kRowsPerStep);
    return figures;
}

std::string TimeOrNothing(const std::optional<std::int64_t>& time, const core::Clock& clock) {
    return time ? FileTimeText(*time, clock) : std::string();
}

}  // namespace

std::vector<FigureGroup> GeneralLayout(const GeneralFigures& f) {
    return {
        {"Database",
         {{"Name", f.name}, {"Created", f.created}, {"Modified", f.modified}, {"Size", f.size}}},
        {"Records",
         {{"My Videos", f.my_videos}, {"Wanted", f.wanted}, {"Not Viewed", f.not_viewed}}},
        {"Duration",
         {{"Minimum", f.minimum},
          {"Maximum", f.maximum},
          {"Average", f.average},
          {"Total", f.total}}},
        {"Images",
         {{"Count", f.image_count}, {"Size", f.image_size}, {"% Total", f.image_percent}}},
    };
}

const std::vector<ValuePage>& ValuePages() {
    static const std::vector<ValuePage> pages = {
        {"Category", {name::kCategory}},
        {"Year / MPAA", {name::kYear, name::kMpaa}},
        {"Cast / Director", {name::kCast, name::kDirector}},
        {"Producer / Writer", {name::kProducer, name::kWriter}},
    };
    return pages;
}

const std::vector<std::string_view>& ValueFields() {
    static const std::vector<std::string_view> fields = {
        name::kCategory, name::kYear,     name::kMpaa,  name::kCast,
        name::kDirector, name::kProducer, name::kWriter};
    return fields;
}

StatisticsSource StatisticsSourceOf(const app::Session& session) {
    return {session.Videos, session.Wanted.Count(), session.CurrentDatabasePath,
            session.ImageFolder, session.clock};
}

std::optional<DatabaseStatistics> ComputeStatistics(const StatisticsSource& source,
                                                    std::stop_token stop,
                                                    StatisticsObserver& observer) {
    const core::VideoList& videos = source.videos;
    const int rows = videos.RowCount();
    if (stop.stop_requested()) return std::nullopt;
    observer.Begin(rows, "Loading general information...");
    const DatabaseFileFigures files =
        ReadDatabaseFileFigures(source.main_path, source.image_folder);
    std::optional<RowFigures> from_rows = GatherRowFigures(videos, stop, observer);
    if (!from_rows) return std::nullopt;

    DatabaseStatistics result;
    GeneralFigures& general = result.general;
    general.name = core::FileNameOf(source.main_path);
    general.created = TimeOrNothing(files.created, source.clock);
    general.modified = TimeOrNothing(files.modified, source.clock);
    general.size = SizeText(files.database_bytes);
    general.my_videos = std::to_string(rows);
    general.wanted = std::to_string(source.wanted_count);
    general.not_viewed = std::to_string(from_rows->not_viewed) + " (" +
                         PercentText(from_rows->not_viewed, rows) + "%)";
    const DurationFigures durations = from_rows->durations.Figures();
    general.minimum = durations.minimum;
    general.maximum = durations.maximum;
    general.average = durations.average;
    general.total = durations.total;
    general.image_count = std::to_string(files.image_count);
    general.image_size = SizeText(files.image_bytes);
    general.image_percent = PercentText(files.image_count, rows) + "%";
    observer.GeneralReady(general);

    for (std::size_t i = 0; i < ValueFields().size(); ++i) {
        std::optional<ValueTable> table = BuildValueTable(
            ValueFields()[i], std::move(from_rows->fields[i].tally), rows, stop, observer);
        if (!table) return std::nullopt;
        observer.TableReady(*table);
        result.tables.push_back(std::move(*table));
    }
    if (stop.stop_requested()) return std::nullopt;
    observer.End();
    return result;
}

}  // namespace views
