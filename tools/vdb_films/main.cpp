// reeldeck-make-vdb-films: makes data/vdb/films.csv, the film list that a new catalogue of
// reeldeck-vdb starts with, from the same JSON film list as the demo database.
//
//   reeldeck-make-vdb-films FILMS.json OUTPUT.csv

#include <fstream>
#include <iostream>
#include <string>

#include "filmdata/film_list.h"

namespace {

// The film list writes a few releases of 1915-1946 with the wrong century; it holds nothing
// newer than 2011 (as the demo database generator also assumes).
constexpr int kNewestReleaseYear = 2012;

std::string Quoted(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The list has no plot texts; the synopsis tells what it does know about the film.
std::string SynopsisOf(const filmdata::Film& film) {
    std::string synopsis;
    const auto add = [&](const std::string& label, const std::string& value) {
        if (value.empty()) return;
        if (!synopsis.empty()) synopsis += ' ';
        synopsis += label + value + ".";
    };
    add("Distributed by ", film.distributor);
    add("Creative type: ", film.creative_type);
    add("Source: ", film.source);
    add("IMDB rating: ", film.imdb_rating);
    return synopsis;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: reeldeck-make-vdb-films FILMS.json OUTPUT.csv\n";
        return 2;
    }
    const filmdata::FilmListResult films = filmdata::ReadFilmList(argv[1]);
    if (!films.ok()) {
        std::cerr << "reeldeck-make-vdb-films: " << films.error << '\n';
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << "Title,Year,Duration,MPAA,Director,Category,Synopsis\n";
    int written = 0;
    for (const filmdata::Film& film : films.films) {
        if (film.title.empty()) continue;
        std::optional<filmdata::ReleaseDate> date = filmdata::ParseReleaseDate(film.release_date);
        if (date && date->year > kNewestReleaseYear) date->year -= 100;
        const std::string minutes = film.running_minutes && *film.running_minutes > 0
                                        ? std::to_string(*film.running_minutes)
                                        : "";
        out << Quoted(film.title) << ',' << (date ? std::to_string(date->year) : "") << ','
            << minutes << ',' << Quoted(film.mpaa_rating) << ',' << Quoted(film.director) << ','
            << Quoted(film.major_genre) << ',' << Quoted(SynopsisOf(film)) << '\n';
        ++written;
    }
    if (!out.flush()) {
        std::cerr << "reeldeck-make-vdb-films: cannot write " << argv[2] << '\n';
        return 1;
    }
    std::cout << argv[2] << ": " << written << " films\n";
    return 0;
}
