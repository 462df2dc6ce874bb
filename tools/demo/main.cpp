// reeldeck-make-demo: makes the demo database from a film list.
//
//   reeldeck-make-demo FILMS.json HEADER.txt OUTPUT.rdk
//
// FILMS.json is a JSON array of films, HEADER.txt the default column header the database starts
// with, OUTPUT.rdk the main file to write; its five companions are written beside it.

#include <filesystem>
#include <iostream>

#include "core/database_files.h"
#include "core/header_file.h"
#include "demo/demo_database.h"
#include "filmdata/film_list.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: reeldeck-make-demo FILMS.json HEADER.txt OUTPUT.rdk\n";
        return 2;
    }
    const std::string films_path = argv[1];
    const std::string header_path = argv[2];
    const std::string main_path = core::DatabaseNamesOf(argv[3]).main;

    const filmdata::FilmListResult films = filmdata::ReadFilmList(films_path);
    if (!films.ok()) {
        std::cerr << "reeldeck-make-demo: cannot read the films: " << films.error << '\n';
        return 1;
    }
    core::VideoList videos;
    if (core::FileResult r = core::ReadHeader(videos, header_path); !r) {
        std::cerr << "reeldeck-make-demo: cannot read the header: " << r.Describe() << '\n';
        return 1;
    }
    core::WantedList wanted;
    demo::BuildDemoLists(films.films, demo::DemoOptions{}, videos, wanted);

    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(main_path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (core::FileResult r = demo::WriteDemoDatabase(videos, wanted, main_path); !r) {
        std::cerr << "reeldeck-make-demo: cannot write the database: " << r.Describe() << '\n';
        return 1;
    }
    std::cout << main_path << ": " << videos.RowCount() << " videos, " << wanted.Count()
              << " wanted, from " << films.films.size() << " films\n";
    return 0;
}
