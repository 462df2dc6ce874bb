#include "sample_database.h"

#include "database_writer.h"

namespace {

std::string WriteDatabase(const std::string& main_path, const std::vector<Film>& films,
                          const SampleDatabase& sample) {
    DatabaseContent content;
    for (std::size_t i = 0; i < films.size(); ++i) {
        content.films.push_back(films[i]);
        content.films.back().try_emplace("Key", std::to_string(1200000000 + i * 977));
    }
    for (int i = 0; i < sample.wanted; ++i)
        content.wanted.push_back("Wanted " + sample.flavour + std::to_string(i));
    content.accounts = sample.accounts;
    content.crlf = sample.crlf;
    return WriteDatabaseFiles(main_path, content);
}

}  // namespace

std::string WriteSampleDatabase(const std::string& main_path, const SampleDatabase& sample) {
    const std::string filler(500, static_cast<char>('a' + sample.flavour.size() % 26));
    std::vector<Film> films;
    for (int i = 0; i < sample.records; ++i) {
        films.push_back({{"Title", "Film " + sample.flavour + " " + std::to_string(i)},
                         {"Year", std::to_string(1950 + i % 70)},
                         {"Synopsis", "Story " + sample.flavour + "~" + filler},
                         {"Flag Value", i % 5 == 0 ? "Favorite" : ""}});
    }
    return WriteDatabase(main_path, films, sample);
}

std::string WriteFilms(const std::string& main_path, const std::vector<Film>& films,
                       const std::vector<core::UserAccount>& accounts) {
    SampleDatabase sample = Sample(0, 0);
    sample.accounts = accounts;
    return WriteDatabase(main_path, films, sample);
}

std::vector<core::UserAccount> BossAndGuest() {
    return {{"Boss", "pw", core::kFullAccess, "", ""},
            {"Guest", "pw", core::kReadOnlyAccess, "", ""}};
}
