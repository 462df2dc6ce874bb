#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "core/dates.h"
#include "core/video_list.h"
#include "platform/progress.h"
#include "views/value_table.h"

// The figures of the Database Properties window, computed from the lists in memory and the
// database's files, on a worker that the window can stop.
namespace views {

// The General page, as it shows them.
struct GeneralFigures {
    // Database
    std::string name;      // the main file's name
    std::string created;   // "Sat Aug 21 10:04:09 2004"; empty when the file cannot be examined
    std::string modified;  // the main file's modification time, same form
    std::string size;      // the database files together, "1.50  KB"
    // Records
    std::string my_videos;   // "%d"
    std::string wanted;      // "%d"
    std::string not_viewed;  // "%d (%.2f%)" of the rows without Last Viewed
    // Duration
    std::string minimum, maximum, average, total;
    // Images
    std::string image_count;    // "%d"
    std::string image_size;     // "1.50  KB"
    std::string image_percent;  // "%.2f%" of images ÷ My Videos rows
};

// A figure as the window labels it, and the groups of the General page in order.
struct Figure {
    std::string_view label;
    const std::string& value;
};
struct FigureGroup {
    std::string_view title;
    std::vector<Figure> figures;
};
std::vector<FigureGroup> GeneralLayout(const GeneralFigures& figures);

// The pages after General and the fields whose value tables each shows.
struct ValuePage {
    std::string_view title;
    std::vector<std::string_view> fields;
};
const std::vector<ValuePage>& ValuePages();
// The fields of the value tables in the order they are computed.
const std::vector<std::string_view>& ValueFields();

// What the figures are computed from. The lists must not change while the worker runs.
struct StatisticsSource {
    const core::VideoList& videos;
    int wanted_count = 0;
    std::string main_path;
    std::string image_folder;
    const core::Clock& clock;
};
StatisticsSource StatisticsSourceOf(const app::Session& session);

struct DatabaseStatistics {
    GeneralFigures general;
    std::vector<ValueTable> tables;  // in the order of ValueFields()
};

// Told of the work as it goes: the progress texts and steps (End() when everything is done),
// and each part as soon as it is ready. Called on the worker's thread.
class StatisticsObserver : public platform::Progress {
  public:
    virtual void GeneralReady(const GeneralFigures&) {}
    virtual void TableReady(const ValueTable&) {}
};

// Nothing to show: for the companion and for tests that want only the result.
class QuietStatistics final : public StatisticsObserver {
  public:
    void Begin(std::int64_t, std::string_view) override {}
    void Step(std::int64_t) override {}
    void End() override {}
};

// Computes every figure and table: "Loading general information..." over one pass through the
// rows, then the tables in order, each with its compiling and loading texts. When `stop` is
// requested the work ends at the next row or value and nothing more is reported: the result is
// then nothing.
std::optional<DatabaseStatistics> ComputeStatistics(const StatisticsSource& source,
                                                    std::stop_token stop,
                                                    StatisticsObserver& observer);

}  // namespace views
