#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/accounts_file.h"

// Writes small databases for the companion's tests through the program's own writers.
struct SampleDatabase {
    int records = 3;
    int wanted = 2;
    std::vector<core::UserAccount> accounts;
    // Distinguishes the text of two databases of the same size.
    std::string flavour = "a";
    bool crlf = false;  // write the main file with CRLF line ends, as another system might
};

inline SampleDatabase Sample(int records, int wanted = 2, std::string flavour = "a",
                             bool crlf = false) {
    return {records, wanted, {}, std::move(flavour), crlf};
}

// Creates the database at `main_path` (with the shipped default header) and returns its main path.
std::string WriteSampleDatabase(const std::string& main_path, const SampleDatabase& sample);

// Creates a database of these films (column name -> cell) without wanted titles.
using Film = std::map<std::string, std::string>;
std::string WriteFilms(const std::string& main_path, const std::vector<Film>& films,
                       const std::vector<core::UserAccount>& accounts = {});

// Accounts named Boss (full access) and Guest (read only), both with the password "pw".
std::vector<core::UserAccount> BossAndGuest();
