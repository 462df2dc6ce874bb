#pragma once

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

inline SampleDatabase Sample(int records, int wanted = 2, std::string flavour = "a", bool crlf = false) {
    SampleDatabase sample;
    sample.records = records;
    sample.wanted = wanted;
    sample.flavour = std::move(flavour);
    sample.crlf = crlf;
    return sample;
}

// Creates the database at `main_path` (with the shipped default header) and returns its main path.
std::string WriteSampleDatabase(const std::string& main_path, const SampleDatabase& sample);
