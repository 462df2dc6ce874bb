#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A list of films read from a JSON array of flat objects, one per film, with members such as
// "Title", "Release Date" ("Jun 12 1998"), "MPAA Rating", "Running Time min", "Major Genre" and
// "Director". Any member may be null or missing; the text fields are then empty.
namespace filmdata {

struct Film {
    std::string title;  // a title written as a number ("1776") is its text
    std::string release_date;
    std::string mpaa_rating;
    std::optional<int> running_minutes;
    std::string major_genre;
    std::string director;
    std::string distributor;
    std::string imdb_rating;  // the number as written ("6.1")
    std::string creative_type;
    std::string source;
};

struct ReleaseDate {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;    // 1-31
};

// "Jun 12 1998" (English month abbreviation, day, four-digit year); nothing for other texts.
std::optional<ReleaseDate> ParseReleaseDate(std::string_view text);

struct FilmListResult {
    std::vector<Film> films;
    // Why the list could not be read: the file's reason or where the JSON went wrong.
    std::string error;
    bool ok() const { return error.empty(); }
};

// Reads the films of a JSON text. Elements of the array that are not objects are skipped.
FilmListResult ParseFilmList(std::string_view json);
FilmListResult ReadFilmList(const std::string& path);

}  // namespace filmdata
