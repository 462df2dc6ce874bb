#include "sample_database.h"

#include <filesystem>

#include "core/database_files.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/record_file.h"
#include "core/sort_state_file.h"
#include "core/wanted_file.h"
#include "temp_folder.h"

namespace {

std::string WriteDatabase(const std::string& main_path, const std::vector<Film>& films,
                          const SampleDatabase& sample) {
    const core::DatabaseNames names = core::DatabaseNamesOf(main_path);
    core::VideoList list;
    core::ReadHeader(list, std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt");
    for (std::size_t i = 0; i < films.size(); ++i) {
        core::VideoRecord record;
        record.SetCell(list.ColumnIndexOf("Key"), std::to_string(1200000000 + i * 977));
        for (const auto& [column, text] : films[i])
            record.SetCell(list.ColumnIndexOf(column), text);
        record.LoadOrder = static_cast<int>(i);
        list.AppendRow(std::move(record));
    }
    platform::NoProgress quiet;
    core::WriteHeader(list, names.header);
    core::WriteRecords(list, names.main, quiet);
    if (sample.crlf) {
        std::string converted;
        for (char c : ReadFileBytes(names.main)) {
            if (c == '\n') converted += '\r';
            converted += c;
        }
        WriteFileBytes(names.main, converted);
    }
    core::WantedList wanted;
    for (int i = 0; i < sample.wanted; ++i)
        wanted.Add("Wanted " + sample.flavour + std::to_string(i));
    core::WriteWanted(wanted, names.wanted, quiet);
    core::WriteSortState(core::SortState{3, 1}, names.sort);
    std::filesystem::create_directories(names.base);
    core::WriteImagePathFile(names.images, names.base);
    core::WriteAccounts(sample.accounts, names.accounts);
    return names.main;
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
