#include "app_test.h"

std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (fs::recursive_directory_iterator it(folder), end; it != end; ++it) {
        const std::string path = it->path().string();
        if (it->is_symlink()) {
            files[path] = "-> " + fs::read_symlink(it->path()).string();
        } else {
            files[it->is_directory() ? path + "/" : path] =
                it->is_directory() ? "" : ReadFileBytes(path);
        }
    }
    return files;
}

namespace {

std::string MakeProgramFolder(const TempFolder& temp) {
    fs::create_directories(temp / "program/cfg");
    fs::create_directories(temp / "data");
    fs::copy_file(std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt", temp / "program/cfg/mlh.txt");
    return temp / "program";
}

}  // namespace

AppTest::AppTest() : paths_(config::ProgramPaths::ForFolder(MakeProgramFolder(temp_))) {}

void AppTest::TearDown() {
    EXPECT_EQ(prompts_.Unused(), "") << "scripted prompt answers were never asked for";
    EXPECT_EQ(login_.Unused(), 0) << "scripted login windows were never shown";
}

std::string AppTest::WriteDatabase(const std::string& name, const DatabaseContent& content) {
    bool ok = false;
    const std::string main =
        WriteDatabaseFiles(DataPath(name), content, &ok, paths_.default_header);
    EXPECT_TRUE(ok) << main;
    return main;
}

void AppTest::Open(const std::string& main_path) {
    ASSERT_EQ(app::OpenDatabase(session_, services_, main_path), 1)
        << ::testing::PrintToString(prompts_.Texts());
}

Texts AppTest::Cells(std::string_view column) const {
    Texts cells;
    const int index = session_.Videos.ColumnIndexOf(column);
    for (int row = 0; index >= 0 && row < session_.Videos.RowCount(); ++row) {
        cells.push_back(session_.Videos.GetCell(row, index));
    }
    return cells;
}
