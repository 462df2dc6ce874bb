#include "filmdata/film_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "temp_folder.h"

namespace filmdata {
namespace {

TEST(FilmList, ReadsEveryKindOfMemberValue) {
    TempFolder folder;
    const std::string path = folder / "films.json";
    WriteFileBytes(path, R"([
  {"Title": 1776, "Release Date": "Nov 09 1972", "MPAA Rating": "G", "Running Time min": 141,
   "Major Genre": "Musical", "Director": null, "IMDB Rating": 7},
  {"Title": null, "Release Date": null, "Running Time min": null, "IMDB Rating": 6.6},
  {"Title": "Bill & Ted's \"Excellent\" Adventure", "Director": "Stephen Herek",
   "Running Time min": "90", "Extra": {"nested": [1, 2]}},
  "not a film",
  {}
])");
    FilmListResult result = ReadFilmList(path);
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.films.size(), 4u);

    const Film& numbered = result.films[0];
    EXPECT_EQ(numbered.title, "1776");
    EXPECT_EQ(numbered.release_date, "Nov 09 1972");
    EXPECT_EQ(numbered.mpaa_rating, "G");
    EXPECT_EQ(numbered.running_minutes, 141);
    EXPECT_EQ(numbered.major_genre, "Musical");
    EXPECT_EQ(numbered.director, "");
    EXPECT_EQ(numbered.imdb_rating, "7");

    const Film& untitled = result.films[1];
    EXPECT_EQ(untitled.title, "");
    EXPECT_EQ(untitled.release_date, "");
    EXPECT_EQ(untitled.running_minutes, std::nullopt);
    EXPECT_EQ(untitled.imdb_rating, "6.6");

    EXPECT_EQ(result.films[2].title, "Bill & Ted's \"Excellent\" Adventure");
    EXPECT_EQ(result.films[2].running_minutes, 90);
    EXPECT_EQ(result.films[3].title, "");
}

TEST(FilmList, ReportsAMissingFileAndBrokenJsonWithThePath) {
    TempFolder folder;
    FilmListResult missing = ReadFilmList(folder / "none.json");
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.error.find("none.json"), std::string::npos);

    WriteFileBytes(folder / "broken.json", "[{\"Title\": \"x\"");
    FilmListResult broken = ReadFilmList(folder / "broken.json");
    EXPECT_FALSE(broken.ok());
    EXPECT_NE(broken.error.find("broken.json: line 1"), std::string::npos) << broken.error;

    WriteFileBytes(folder / "object.json", "{\"Title\": \"x\"}");
    EXPECT_FALSE(ReadFilmList(folder / "object.json").ok());
}

TEST(ReleaseDates, ReadMonthDayYearAndRefuseAnythingElse) {
    const std::optional<ReleaseDate> date = ParseReleaseDate("Jun 12 1998");
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(date->year, 1998);
    EXPECT_EQ(date->month, 6);
    EXPECT_EQ(date->day, 12);
    EXPECT_TRUE(ParseReleaseDate("Feb 29 2000").has_value());
    for (const char* text : {"Feb 29 2001", "Apr 31 1999", "Jun 00 1998", "June 12 1998",
                             "Jun 1 1998", "jun 12 1998", "Jun 12 98", ""}) {
        EXPECT_FALSE(ParseReleaseDate(text).has_value()) << text;
    }
}

// The list the demo database is made from reads whole, numbers as titles included.
TEST(FilmList, ReadsTheShippedFilmList) {
    FilmListResult result = ReadFilmList(REELDECK_FILM_LIST);
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.films.size(), 3201u);
    const auto has_title = [&](const std::string& title) {
        return std::any_of(result.films.begin(), result.films.end(),
                           [&](const Film& film) { return film.title == title; });
    };
    EXPECT_TRUE(has_title("1776"));
    EXPECT_TRUE(has_title("Alien\xC2\xB3"));
    EXPECT_TRUE(std::all_of(result.films.begin(), result.films.end(), [](const Film& film) {
        return ParseReleaseDate(film.release_date).has_value();
    }));
}

}  // namespace
}  // namespace filmdata
