#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/record_file.h"
#include "core/sort_state_file.h"
#include "core/wanted_file.h"
#include "temp_folder.h"

// What a database written for a test holds. A film is its cells by column name; one without a
// "Key" gets 1100000000, 1100000100, ... by its place.
struct DatabaseContent {
    using Film = std::map<std::string, std::string>;
    std::vector<Film> films;
    std::vector<std::string> wanted;
    std::vector<core::UserAccount> accounts;
    core::SortState sort{3, 1};
    std::string image_folder;  // empty: the default folder beside the main file
    bool crlf = false;         // the main file with CRLF line ends, as another system writes it
};

// Writes all six files of a database through the program's own writers, with the shipped
// default header unless another is named; returns the main path. False in `ok` on a failure.
inline std::string WriteDatabaseFiles(const std::string& main_path, const DatabaseContent& content,
                                      bool* ok = nullptr,
                                      const std::string& header = REELDECK_SOURCE_DATA
                                      "/cfg/mlh.txt") {
    const core::DatabaseNames names = core::DatabaseNamesOf(main_path);
    core::VideoList list;
    bool written = core::ReadHeader(list, header).ok();
    for (const DatabaseContent::Film& film : content.films) {
        const auto key = film.find("Key");
        const int row = list.InsertRow(
            list.RowCount(),
            key != film.end() ? key->second : std::to_string(1100000000 + list.RowCount() * 100));
        for (const auto& [column, text] : film) list.SetCell(row, list.ColumnIndexOf(column), text);
    }
    core::WantedList wanted;
    for (const std::string& title : content.wanted) wanted.Add(title);
    const std::string folder = content.image_folder.empty() ? names.base : content.image_folder;
    std::filesystem::create_directories(folder);
    platform::NoProgress quiet;
    written = written && core::WriteHeader(list, names.header).ok() &&
              core::WriteRecords(list, names.main, quiet).ok() &&
              core::WriteWanted(wanted, names.wanted, quiet).ok() &&
              core::WriteSortState(content.sort, names.sort).ok() &&
              core::WriteImagePathFile(names.images, folder).ok() &&
              core::WriteAccounts(content.accounts, names.accounts).ok();
    if (content.crlf) {
        std::string converted;
        for (char c : ReadFileBytes(names.main))
            converted += c == '\n' ? std::string("\r\n") : std::string(1, c);
        WriteFileBytes(names.main, converted);
    }
    if (ok) *ok = written;
    return names.main;
}
