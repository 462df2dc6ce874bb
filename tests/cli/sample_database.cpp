#include "sample_database.h"

#include <filesystem>

#include "core/database_files.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/record_file.h"
#include "core/sort_state_file.h"
#include "core/wanted_file.h"
#include "temp_folder.h"

std::string WriteSampleDatabase(const std::string& main_path, const SampleDatabase& sample) {
    const core::DatabaseNames names = core::DatabaseNamesOf(main_path);
    core::VideoList list;
    core::ReadHeader(list, std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt");
    const int key = list.ColumnIndexOf("Key");
    const int title = list.ColumnIndexOf("Title");
    const int year = list.ColumnIndexOf("Year");
    const int synopsis = list.ColumnIndexOf("Synopsis");
    const int flag_value = list.ColumnIndexOf("Flag Value");
    const std::string filler(500, static_cast<char>('a' + sample.flavour.size() % 26));
    for (int i = 0; i < sample.records; ++i) {
        core::VideoRecord record;
        record.SetCell(key, std::to_string(1200000000 + i * 977));
        record.SetCell(title, "Film " + sample.flavour + " " + std::to_string(i));
        record.SetCell(year, std::to_string(1950 + i % 70));
        record.SetCell(synopsis, "Story " + sample.flavour + "~" + filler);
        if (i % 5 == 0) record.SetCell(flag_value, "Favorite");
        record.LoadOrder = i;
        list.AppendRow(std::move(record));
    }
    platform::NoProgress quiet;
    core::WriteHeader(list, names.header);
    core::WriteRecords(list, names.main, quiet);
    if (sample.crlf) {
        std::string text = ReadFileBytes(names.main);
        std::string converted;
        for (char c : text) {
            if (c == '\n') converted += '\r';
            converted += c;
        }
        WriteFileBytes(names.main, converted);
    }
    core::WantedList wanted;
    for (int i = 0; i < sample.wanted; ++i) wanted.Add("Wanted " + sample.flavour + std::to_string(i));
    core::WriteWanted(wanted, names.wanted, quiet);
    core::WriteSortState(core::SortState{3, 1}, names.sort);
    std::filesystem::create_directories(names.base);
    core::WriteImagePathFile(names.images, names.base);
    core::WriteAccounts(sample.accounts, names.accounts);
    return names.main;
}
