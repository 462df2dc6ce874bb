#include "bench/bench_database.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <string_view>

#include "core/database_files.h"
#include "core/dates.h"
#include "core/header_file.h"
#include "core/record_file.h"
#include "core/wanted_file.h"
#include "filmdata/seeded_random.h"
#include "platform/progress.h"

namespace bench {
namespace {

using filmdata::SeededRandom;

constexpr std::size_t kSynopsisBytes = 400;
constexpr std::size_t kCastBytes = 100;
constexpr std::int64_t kFirstKey = 1199145600;  // 2008-01-01 00:00 UTC

constexpr std::array<std::string_view, 48> kFirstNames = {
    "Anna",    "Ben",   "Clara",   "David", "Elena",  "Frank",  "Grace",   "Henry",
    "Irene",   "Jack",  "Karen",   "Leo",   "Maria",  "Nick",   "Olivia",  "Paul",
    "Queenie", "Ray",   "Sofia",   "Tom",   "Ursula", "Victor", "Wendy",   "Xavier",
    "Yvonne",  "Zach",  "Amelie",  "Bruno", "Chloe",  "Dmitri", "Esther",  "Felix",
    "Greta",   "Hugo",  "Ines",    "Jonas", "Kenji",  "Lucia",  "Marcus",  "Nadia",
    "Oscar",   "Priya", "Quentin", "Rosa",  "Samuel", "Tessa",  "Umberto", "Vera"};

constexpr std::array<std::string_view, 48> kLastNames = {
    "Abbott", "Baker",   "Castillo", "Dalton",   "Eriksen",   "Fischer",  "Garcia",  "Hughes",
    "Ito",    "Jensen",  "Kowalski", "Laurent",  "Moreau",    "Nakamura", "O'Brien", "Petrov",
    "Quinn",  "Rossi",   "Schmidt",  "Tanaka",   "Ulrich",    "Varga",    "Walsh",   "Yilmaz",
    "Zimmer", "Andrade", "Bergman",  "Chen",     "Dubois",    "Evans",    "Ferrari", "Gallo",
    "Hansen", "Ivanova", "Jones",    "Kim",      "Lindqvist", "Murphy",   "Novak",   "Okafor",
    "Park",   "Reyes",   "Silva",    "Thompson", "Usman",     "Vargas",   "Weber",   "Young"};

constexpr std::array<std::string_view, 96> kWords = {
    "a",         "the",     "young",   "old",     "city",     "family",  "secret",     "journey",
    "finds",     "loses",   "returns", "home",    "after",    "years",   "away",       "when",
    "stranger",  "arrives", "with",    "letter",  "that",     "changes", "everything", "two",
    "friends",   "set",     "out",     "across",  "country",  "to",      "find",       "missing",
    "brother",   "but",     "road",    "is",      "longer",   "than",    "they",       "thought",
    "detective", "must",    "solve",   "crime",   "before",   "killer",  "strikes",    "again",
    "small",     "town",    "hides",   "dark",    "past",     "in",      "summer",     "of",
    "war",       "love",    "story",   "between", "rivals",   "on",      "island",     "far",
    "from",      "shore",   "ship",    "crew",    "faces",    "storm",   "while",      "their",
    "captain",   "keeps",   "promise", "nobody",  "believes", "music",   "teacher",    "gives",
    "class",     "last",    "chance",  "at",      "glory",    "and",     "learns",     "what",
    "matters",   "most",    "by",      "night",   "falls",    "over",    "valley",     "quietly"};

constexpr std::array<std::string_view, 4> kFormats = {"DVD", "Blu-ray", "Digital", "VHS"};

template <std::size_t N>
std::string_view PickFrom(const std::array<std::string_view, N>& pool, SeededRandom& random) {
    return pool[static_cast<std::size_t>(random.Below(N))];
}

std::string PersonName(SeededRandom& random) {
    std::string name(PickFrom(kFirstNames, random));
    name += ' ';
    name += PickFrom(kLastNames, random);
    return name;
}

std::string CastOf(SeededRandom& random) {
    std::string cast;
    while (cast.size() < kCastBytes - 10) {
        if (!cast.empty()) cast += ", ";
        cast += PersonName(random);
    }
    return cast;
}

// Sentences of plain words; the synopsis stores its line break as "~".
std::string SynopsisOf(SeededRandom& random) {
    std::string text;
    int words_left = 0;
    bool paragraph_broken = false;
    while (text.size() < kSynopsisBytes) {
        if (words_left == 0) {
            if (!text.empty()) {
                text += '.';
                if (!paragraph_broken && text.size() > kSynopsisBytes / 2) {
                    text += '~';
                    paragraph_broken = true;
                } else {
                    text += ' ';
                }
            }
            words_left = static_cast<int>(random.Between(6, 14));
            std::string word(PickFrom(kWords, random));
            word[0] = static_cast<char>(word[0] - 'a' + 'A');
            text += word;
        } else {
            text += ' ';
            text += PickFrom(kWords, random);
        }
        --words_left;
    }
    text += '.';
    return text;
}

std::string DurationText(std::optional<int> minutes, SeededRandom& random) {
    const int total =
        minutes && *minutes > 0 ? *minutes : static_cast<int>(random.Between(80, 150));
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", total / 60, total % 60, 0);
    return text;
}

}  // namespace

std::vector<filmdata::Film> ReadBenchFilms() {
    filmdata::FilmListResult list = filmdata::ReadFilmList(REELDECK_FILM_LIST);
    if (!list.ok()) std::cerr << "cannot read the film list: " << list.error << '\n';
    return std::move(list.films);
}

void AddBenchRecords(const std::vector<filmdata::Film>& films, int count, std::uint32_t seed,
                     core::VideoList& videos) {
    if (films.empty() || count <= 0) return;
    SeededRandom random(seed);
    const core::FixedClock utc(0, 0);
    const auto at = [&](int file_slot) { return videos.ColumnIndexOfSlot(file_slot); };
    const int location_column = videos.ColumnIndexOf("Location");
    const int format_column = videos.ColumnIndexOf("Format");
    const int rank_column = videos.ColumnIndexOf("Rank");

    std::array<std::string, core::kMaxColumns> cells;
    std::array<std::string_view, core::kMaxColumns> views;
    const auto put = [&](int column, std::string text) {
        if (column >= 0) cells[static_cast<std::size_t>(column)] = std::move(text);
    };
    videos.ReserveRows(static_cast<std::size_t>(videos.RowCount() + count));
    std::int64_t key = kFirstKey;
    for (int i = 0; i < count; ++i) {
        const filmdata::Film& film = films[static_cast<std::size_t>(i) % films.size()];
        const auto round = static_cast<std::size_t>(i) / films.size();
        for (std::string& cell : cells) cell.clear();
        key += random.Between(60, 4 * 3600);

        std::string title = film.title.empty() ? "Untitled" : film.title;
        if (round > 0) {
            title += ' ';
            title += std::to_string(round + 1);
        }
        const std::optional<filmdata::ReleaseDate> released =
            filmdata::ParseReleaseDate(film.release_date);

        put(at(core::slot::kKey), std::to_string(key));
        put(at(core::slot::kNumber), std::to_string(videos.RowCount() + 1));
        put(at(core::slot::kYear), released ? std::to_string(released->year) : std::string());
        put(at(core::slot::kTitle), std::move(title));
        put(at(core::slot::kMpaa), film.mpaa_rating);
        put(at(core::slot::kDuration), DurationText(film.running_minutes, random));
        std::string location = "Shelf ";
        location += std::to_string(random.Between(1, 40));
        put(location_column, std::move(location));
        put(format_column, std::string(PickFrom(kFormats, random)));
        put(rank_column, film.imdb_rating);
        put(at(core::slot::kDateAdded), core::KeyToDate(std::to_string(key), utc));
        if (random.Chance(30)) {
            put(at(core::slot::kLastViewed),
                core::FormatDate(core::LocalDateOf(key + random.Between(86400, 86400 * 900), utc)));
        }
        put(at(core::slot::kCategory), film.major_genre);
        put(at(core::slot::kCast), CastOf(random));
        put(at(core::slot::kDirector), film.director.empty() ? PersonName(random) : film.director);
        put(at(core::slot::kProducer), PersonName(random));
        put(at(core::slot::kWriter), PersonName(random));
        put(at(core::slot::kSynopsis), SynopsisOf(random));
        const bool flagged = random.Chance(5);
        if (flagged) put(at(core::slot::kFlagValue), "Favorite");

        std::copy(cells.begin(), cells.end(), views.begin());
        core::VideoRecord record(std::span<const std::string_view>(
            views.data(), static_cast<std::size_t>(videos.ColumnCount())));
        record.LoadOrder = videos.RowCount();
        record.Flagged = flagged;
        videos.AppendRow(std::move(record));
    }
}

core::FileResult WriteBenchDatabase(const std::vector<filmdata::Film>& films,
                                    const std::string& header_path, int count,
                                    const std::string& main_path, std::uint32_t seed) {
    const core::DatabaseNames names = core::DatabaseNamesOf(main_path);
    core::VideoList videos;
    if (core::FileResult r = core::ReadHeader(videos, header_path); !r) return r;
    AddBenchRecords(films, count, seed, videos);
    platform::NoProgress quiet;
    if (core::FileResult r = core::WriteHeader(videos, names.header); !r) return r;
    if (core::FileResult r = core::WriteRecords(videos, names.main, quiet); !r) return r;
    return core::WriteWanted(core::WantedList(), names.wanted, quiet);
}

}  // namespace bench
