#include "views/database_statistics.h"

#include "core/paths.h"
#include "views/database_file_figures.h"
#include "views/duration_figures.h"
#include "views/statistics_texts.h"

namespace views {
namespace {

namespace name = core::column_name;

constexpr int kGeneralSteps = 10;

int NotViewedCount(const core::VideoList& videos) {
    const int column = videos.ColumnIndexOf(name::kLastViewed);
    if (column < 0) return videos.RowCount();
    int count = 0;
    for (int row = 0; row < videos.RowCount(); ++row) count += videos.Row(row).Cell(column).empty();
    return count;
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
    DatabaseStatistics result;
    GeneralFigures& general = result.general;

    if (stop.stop_requested()) return std::nullopt;
    observer.Begin(kGeneralSteps, "Loading general information...");
    const DatabaseFileFigures files =
        ReadDatabaseFileFigures(source.main_path, source.image_folder);
    // One step per figure shown, as the page fills.
    const auto step = [&](std::string& figure, std::string text) {
        figure = std::move(text);
        observer.Step(1);
    };
    step(general.name, core::FileNameOf(source.main_path));
    step(general.created, TimeOrNothing(files.created, source.clock));
    step(general.modified, TimeOrNothing(files.modified, source.clock));
    step(general.image_count, std::to_string(files.image_count));
    step(general.image_size, SizeText(files.image_bytes));
    step(general.my_videos, std::to_string(rows));
    if (stop.stop_requested()) return std::nullopt;
    const int not_viewed = NotViewedCount(videos);
    step(general.not_viewed,
         std::to_string(not_viewed) + " (" + PercentText(not_viewed, rows) + "%)");
    step(general.image_percent, PercentText(files.image_count, rows) + "%");
    step(general.wanted, std::to_string(source.wanted_count));
    general.size = SizeText(files.database_bytes);
    if (stop.stop_requested()) return std::nullopt;
    const DurationFigures durations = ComputeDurationFigures(videos);
    general.minimum = durations.minimum;
    general.maximum = durations.maximum;
    general.average = durations.average;
    general.total = durations.total;
    observer.Step(1);
    if (stop.stop_requested()) return std::nullopt;
    observer.GeneralReady(general);

    for (std::string_view field : ValueFields()) {
        const bool names = field == name::kCast || field == name::kDirector ||
                           field == name::kProducer || field == name::kWriter;
        std::optional<ValueTable> table = CountValues(
            videos, field, names ? ValueKind::kNames : ValueKind::kSingle, stop, observer);
        if (!table) return std::nullopt;
        observer.TableReady(*table);
        result.tables.push_back(std::move(*table));
    }
    if (stop.stop_requested()) return std::nullopt;
    observer.End();
    return result;
}

}  // namespace views
