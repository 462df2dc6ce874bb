#include "filmdata/film_list.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "filmdata/json_reader.h"

namespace filmdata {
namespace {

// A member as text: a string's text, a number as written, "true"/"false"; empty otherwise.
std::string TextOf(const JsonValue& film, std::string_view name) {
    const JsonValue* value = film.Find(name);
    if (value == nullptr) return {};
    if (value->IsString() || value->IsNumber()) return value->Text();
    if (value->IsBool()) return value->AsBool() ? "true" : "false";
    return {};
}

// A whole number of minutes, from a number or from a text holding one.
std::optional<int> MinutesOf(const JsonValue& film, std::string_view name) {
    const JsonValue* value = film.Find(name);
    if (value == nullptr) return std::nullopt;
    if (value->IsNumber()) {
        const std::optional<double> minutes = value->AsDouble();
        if (!minutes || !(*minutes >= 0 && *minutes < 1e6)) return std::nullopt;
        return static_cast<int>(std::lround(*minutes));
    }
    if (value->IsString()) {
        const std::string& text = value->Text();
        int minutes = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), minutes);
        if (error != std::errc() || end == text.data() || minutes < 0) return std::nullopt;
        return minutes;
    }
    return std::nullopt;
}

Film FilmOf(const JsonValue& object) {
    Film film;
    film.title = TextOf(object, "Title");
    film.release_date = TextOf(object, "Release Date");
    film.mpaa_rating = TextOf(object, "MPAA Rating");
    film.running_minutes = MinutesOf(object, "Running Time min");
    film.major_genre = TextOf(object, "Major Genre");
    film.director = TextOf(object, "Director");
    film.distributor = TextOf(object, "Distributor");
    film.imdb_rating = TextOf(object, "IMDB Rating");
    film.creative_type = TextOf(object, "Creative Type");
    film.source = TextOf(object, "Source");
    return film;
}

bool ParseNumber(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

}  // namespace

std::optional<ReleaseDate> ParseReleaseDate(std::string_view text) {
    constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // "Mmm dd yyyy"
    if (text.size() != 11 || text[3] != ' ' || text[6] != ' ') return std::nullopt;
    ReleaseDate date;
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (text.substr(0, 3) == kMonths[i]) date.month = static_cast<int>(i) + 1;
    }
    if (date.month == 0 || !ParseNumber(text.substr(4, 2), date.day) ||
        !ParseNumber(text.substr(7, 4), date.year)) {
        return std::nullopt;
    }
    if (date.day < 1 || date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
    return date;
}

FilmListResult ParseFilmList(std::string_view json) {
    JsonParseResult parsed = ParseJson(json);
    if (!parsed.ok()) return {{}, parsed.error};
    if (!parsed.value->IsArray()) return {{}, "the text is not a JSON array"};
    FilmListResult result;
    result.films.reserve(parsed.value->Items().size());
    for (const JsonValue& item : parsed.value->Items()) {
        if (item.IsObject()) result.films.push_back(FilmOf(item));
    }
    return result;
}

FilmListResult ReadFilmList(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {{}, path + ": " + std::strerror(errno)};
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {{}, path + ": " + std::strerror(EIO)};
    FilmListResult result = ParseFilmList(text);
    if (!result.ok()) result.error = path + ": " + result.error;
    return result;
}

}  // namespace filmdata
