#include "app_test.h"

#include <filesystem>

#include "core/database_files.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/record_file.h"
#include "core/wanted_file.h"

namespace fs = std::filesystem;

DatabaseContent ThreeFilms() {
    DatabaseContent content;
    content.films = {{"1100000000", "Casablanca", "1942"},
                     {"1100000100", "Alien", "1979"},
                     {"1100000200", "Brazil", "1985"}};
    content.wanted = {"Heat", "Dune"};
    return content;
}

DatabaseContent OneFilm(std::vector<core::UserAccount> accounts) {
    DatabaseContent content;
    content.films = {{"1100000900", "Zulu", "1964"}};
    content.accounts = std::move(accounts);
    return content;
}

core::UserAccount Administrator(std::string name, std::string password) {
    return {std::move(name), std::move(password), core::kFullAccess, "", ""};
}

core::UserAccount Guest(std::string name, std::string password) {
    return {std::move(name), std::move(password), core::kReadOnlyAccess, "", ""};
}

DatabaseContent ProtectedFilms() {
    DatabaseContent content = ThreeFilms();
    content.accounts = {Administrator("Ann", "secret"), Guest("guest", "look")};
    return content;
}

std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (fs::recursive_directory_iterator it(folder), end; it != end; ++it) {
        const std::string path = it->path().string();
        if (it->is_symlink()) {
            files[path] = "-> " + fs::read_symlink(it->path()).string();
        } else if (it->is_directory()) {
            files[path + "/"] = "";
        } else {
            files[path] = ReadFileBytes(path);
        }
    }
    return files;
}

namespace {

std::string MakeProgramFolder(const TempFolder& temp) {
    const std::string folder = temp / "program";
    fs::create_directories(folder + "/cfg");
    fs::create_directories(temp / "data");
    fs::copy_file(std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt", folder + "/cfg/mlh.txt");
    return folder;
}

}  // namespace

AppTest::AppTest() : paths_(config::ProgramPaths::ForFolder(MakeProgramFolder(temp_))) {}

void AppTest::TearDown() {
    EXPECT_EQ(prompts_.Unused(), "") << "scripted prompt answers were never asked for";
    EXPECT_EQ(login_.Unused(), 0) << "scripted login windows were never shown";
}

std::string AppTest::WriteDatabase(const std::string& name, const DatabaseContent& content) {
    const core::DatabaseNames names = core::DatabaseNamesOf(DataPath(name));
    core::VideoList list;
    EXPECT_TRUE(core::ReadHeader(list, paths_.default_header).ok());
    const int key = list.ColumnIndexOf("Key");
    const int title = list.ColumnIndexOf("Title");
    const int year = list.ColumnIndexOf("Year");
    for (const Film& film : content.films) {
        const int row = list.InsertRow(list.RowCount(), film.key);
        list.SetCell(row, key, film.key);
        list.SetCell(row, title, film.title);
        list.SetCell(row, year, film.year);
    }
    core::WantedList wanted;
    for (const std::string& entry : content.wanted) wanted.Add(entry);

    platform::NoProgress quiet;
    EXPECT_TRUE(core::WriteHeader(list, names.header).ok());
    EXPECT_TRUE(core::WriteRecords(list, names.main, quiet).ok());
    EXPECT_TRUE(core::WriteWanted(wanted, names.wanted, quiet).ok());
    EXPECT_TRUE(core::WriteSortState(content.sort, names.sort).ok());
    const std::string folder = content.image_folder.empty() ? names.base : content.image_folder;
    fs::create_directories(folder);
    EXPECT_TRUE(core::WriteImagePathFile(names.images, folder).ok());
    EXPECT_TRUE(core::WriteAccounts(content.accounts, names.accounts).ok());
    return names.main;
}

void AppTest::Open(const std::string& main_path) {
    ASSERT_EQ(app::OpenDatabase(session_, services_, main_path), 1)
        << ::testing::PrintToString(prompts_.Texts());
}

std::vector<std::string> AppTest::ColumnCells(std::string_view column) const {
    std::vector<std::string> cells;
    const int index = session_.Videos.ColumnIndexOf(column);
    if (index < 0) return cells;
    for (int row = 0; row < session_.Videos.RowCount(); ++row) {
        cells.push_back(session_.Videos.GetCell(row, index));
    }
    return cells;
}
