#include "demo/demo_database.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/dates.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/record_file.h"
#include "core/sort_state_file.h"
#include "core/text.h"
#include "core/wanted_file.h"
#include "filmdata/seeded_random.h"
#include "platform/progress.h"

namespace demo {
namespace {

using filmdata::SeededRandom;

constexpr std::int64_t kSecondsPerDay = 86400;

// The film list writes a few releases of 1915-1946 with the wrong century ("Dec 15 2039" for a
// 1939 film); it holds nothing newer than 2011, so a later year is one of those.
constexpr int kNewestReleaseYear = 2012;

// How the collection is made up, in percent.
constexpr int kViewedPercent = 35;
constexpr int kFlaggedPercent = 8;

// A cell holds one line of the main file, and the program keeps angle brackets out of cells.
std::string CleanCell(std::string text) {
    return core::RemoveAngleBrackets(
        core::RemoveCarriageReturns(core::RemoveNewlines(std::move(text))));
}

std::optional<filmdata::ReleaseDate> ReleaseDateOf(const filmdata::Film& film) {
    std::optional<filmdata::ReleaseDate> date = filmdata::ParseReleaseDate(film.release_date);
    if (date && date->year > kNewestReleaseYear) date->year -= 100;
    return date;
}

std::int64_t StartOfDay(const filmdata::ReleaseDate& date) {
    using namespace std::chrono;
    const sys_days day = year{date.year} / month{static_cast<unsigned>(date.month)} /
                         std::chrono::day{static_cast<unsigned>(date.day)};
    return duration_cast<seconds>(day.time_since_epoch()).count();
}

std::string DurationText(std::optional<int> minutes) {
    // A zero duration is stored empty.
    if (!minutes || *minutes <= 0) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", *minutes / 60, *minutes % 60, 0);
    return text;
}

// The IMDB rating with one decimal ("7" and "7.0" alike read "7.0"), so the column sorts well.
std::string RankText(const std::string& rating) {
    double value = 0;
    const auto [end, error] = std::from_chars(rating.data(), rating.data() + rating.size(), value);
    if (error != std::errc() || end != rating.data() + rating.size()) return CleanCell(rating);
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

struct Copy {
    std::string format;
    std::string location;
};

// What kind of copy the collector owns and where it is kept.
Copy CopyOf(std::optional<int> release_year, SeededRandom& random) {
    const int draw = static_cast<int>(random.Below(100));
    if (release_year && *release_year < 2003 && draw < 12) {
        return {"VHS", "Attic box " + std::to_string(random.Between(1, 4))};
    }
    if (draw < 78) {
        const char shelf = static_cast<char>('A' + random.Below(6));
        std::string location = "Shelf ";
        location += shelf;
        location += std::to_string(random.Between(1, 6));
        return {draw < 52 ? "DVD" : "Blu-ray", std::move(location)};
    }
    return {"Digital", "Media server"};
}

std::string FlagOf(const Copy& copy, SeededRandom& random) {
    const int draw = static_cast<int>(random.Below(100));
    if (draw < 30) return "Watch again";
    // Only a disc or a tape can be lent out.
    if (draw < 45 && copy.format != "Digital") return "Lent out";
    return "Favorite";
}

// The films that go to Wanted Videos: chosen at random among the titled films whose title no
// other film shares, so that no wanted title is also owned.
std::vector<bool> ChooseWanted(const std::vector<filmdata::Film>& films, int count,
                               SeededRandom& random) {
    std::unordered_map<std::string, int> title_counts;
    for (const filmdata::Film& film : films)
        ++title_counts[core::ToLowerAscii(CleanCell(film.title))];
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < films.size(); ++i) {
        const std::string title = core::ToLowerAscii(CleanCell(films[i].title));
        if (!title.empty() && title_counts[title] == 1) candidates.push_back(i);
    }
    std::vector<bool> wanted(films.size(), false);
    // A partial Fisher-Yates shuffle: the first `count` places get a random choice each.
    const std::size_t chosen =
        std::min(candidates.size(), static_cast<std::size_t>(std::max(0, count)));
    for (std::size_t i = 0; i < chosen; ++i) {
        const std::size_t pick = i + random.Below(candidates.size() - i);
        std::swap(candidates[i], candidates[pick]);
        wanted[candidates[i]] = true;
    }
    return wanted;
}

struct Addition {
    std::int64_t key;
    std::size_t film;
};

// When each owned film was added: a random moment between its release (or the start of the
// span) and the end of the span, made unique and put in order.
std::vector<Addition> ChooseAdditions(const std::vector<filmdata::Film>& films,
                                      const std::vector<bool>& wanted, const DemoOptions& options,
                                      SeededRandom& random) {
    std::vector<Addition> additions;
    for (std::size_t i = 0; i < films.size(); ++i) {
        if (wanted[i]) continue;
        std::int64_t earliest = options.first_key;
        if (std::optional<filmdata::ReleaseDate> date = ReleaseDateOf(films[i])) {
            earliest = std::clamp(StartOfDay(*date), options.first_key, options.last_key);
        }
        additions.push_back({random.Between(earliest, options.last_key), i});
    }
    std::sort(additions.begin(), additions.end(), [](const Addition& a, const Addition& b) {
        return a.key != b.key ? a.key < b.key : a.film < b.film;
    });
    for (std::size_t i = 1; i < additions.size(); ++i) {
        additions[i].key = std::max(additions[i].key, additions[i - 1].key + 1);
    }
    return additions;
}

}  // namespace

void BuildDemoLists(const std::vector<filmdata::Film>& films, const DemoOptions& options,
                    core::VideoList& videos, core::WantedList& wanted) {
    SeededRandom random(options.seed);
    const std::vector<bool> is_wanted = ChooseWanted(films, options.wanted_count, random);
    for (std::size_t i = 0; i < films.size(); ++i) {
        if (is_wanted[i]) wanted.Add(CleanCell(films[i].title));
    }

    const core::FixedClock utc(0, 0);
    const auto at = [&](int file_slot) { return videos.ColumnIndexOfSlot(file_slot); };
    const int key_column = at(core::slot::kKey);
    const int number_column = at(core::slot::kNumber);
    const int year_column = at(core::slot::kYear);
    const int title_column = at(core::slot::kTitle);
    const int mpaa_column = at(core::slot::kMpaa);
    const int duration_column = at(core::slot::kDuration);
    const int added_column = at(core::slot::kDateAdded);
    const int viewed_column = at(core::slot::kLastViewed);
    const int category_column = at(core::slot::kCategory);
    const int director_column = at(core::slot::kDirector);
    const int flag_column = at(core::slot::kFlagValue);
    const int location_column = videos.ColumnIndexOf("Location");
    const int format_column = videos.ColumnIndexOf("Format");
    const int rank_column = videos.ColumnIndexOf("Rank");

    const std::vector<Addition> additions = ChooseAdditions(films, is_wanted, options, random);
    videos.ReserveRows(additions.size());
    std::array<std::string, core::kMaxColumns> cells;
    const auto put = [&](int column, std::string text) {
        if (column >= 0) cells[static_cast<std::size_t>(column)] = std::move(text);
    };
    for (const Addition& addition : additions) {
        const filmdata::Film& film = films[addition.film];
        const std::optional<filmdata::ReleaseDate> released = ReleaseDateOf(film);
        const std::optional<int> year =
            released ? std::optional<int>(released->year) : std::nullopt;
        for (std::string& cell : cells) cell.clear();

        const int row = videos.RowCount();
        put(key_column, std::to_string(addition.key));
        put(number_column, std::to_string(row + 1));
        put(year_column, year ? std::to_string(*year) : std::string());
        put(title_column, CleanCell(film.title));
        put(mpaa_column, CleanCell(film.mpaa_rating));
        put(duration_column, DurationText(film.running_minutes));
        put(added_column, core::FormatDate(core::LocalDateOf(addition.key, utc)));
        put(category_column, CleanCell(film.major_genre));
        put(director_column, CleanCell(film.director));
        put(rank_column, RankText(film.imdb_rating));

        const Copy copy = CopyOf(year, random);
        put(format_column, copy.format);
        put(location_column, copy.location);

        const std::int64_t first_viewing = addition.key + kSecondsPerDay;
        if (first_viewing <= options.last_key && random.Chance(kViewedPercent)) {
            const std::int64_t viewed = random.Between(first_viewing, options.last_key);
            put(viewed_column, core::FormatDate(core::LocalDateOf(viewed, utc)));
        }
        std::string flag = random.Chance(kFlaggedPercent) ? FlagOf(copy, random) : std::string();
        const bool flagged = !flag.empty();
        put(flag_column, std::move(flag));

        std::array<std::string_view, core::kMaxColumns> views;
        std::copy(cells.begin(), cells.end(), views.begin());
        core::VideoRecord record(std::span<const std::string_view>(
            views.data(), static_cast<std::size_t>(videos.ColumnCount())));
        record.LoadOrder = row;
        record.Flagged = flagged;
        videos.AppendRow(std::move(record));
    }
}

core::FileResult WriteDemoDatabase(core::VideoList& videos, const core::WantedList& wanted,
                                   const std::string& main_path) {
    const core::DatabaseNames names = core::DatabaseNamesOf(main_path);
    platform::NoProgress quiet;

    // The sort file names the sort column by its display position.
    core::SortState sort;
    const std::vector<int>& order = videos.ColumnOrder();
    const auto date_added =
        std::find(order.begin(), order.end(), videos.ColumnIndexOfSlot(core::slot::kDateAdded));
    if (date_added != order.end()) sort.column = static_cast<int>(date_added - order.begin());
    sort.direction = 1;

    if (core::FileResult r = core::WriteHeader(videos, names.header); !r) return r;
    if (core::FileResult r = core::WriteRecords(videos, names.main, quiet); !r) return r;
    if (core::FileResult r = core::WriteWanted(wanted, names.wanted, quiet); !r) return r;
    if (core::FileResult r = core::WriteSortState(sort, names.sort); !r) return r;
    if (core::FileResult r = core::WriteImagePathFile(names.images, ""); !r) return r;
    return core::WriteAccounts({}, names.accounts);
}

}  // namespace demo
