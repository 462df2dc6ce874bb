#include "config/program_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace {

TEST(ProgramPaths, TheShippedFilesAreFoundInTheProgramFolder) {
    const std::string data = REELDECK_SOURCE_DATA;
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder(data + "/");
    EXPECT_EQ(paths.folder, data);
    for (const std::string& file :
         {paths.config, paths.default_header, paths.tips, paths.service, paths.print_no_image,
          paths.flagged_mark, paths.viewed_mark, paths.help, paths.popup_help}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(file)) << file;
    }
    // The user's own files keep their names from one version to the next.
    EXPECT_EQ(paths.recent_databases, data + "/cfg/rfd.txt");
    EXPECT_EQ(paths.print_settings, data + "/cfg/ps.txt");
    EXPECT_EQ(paths.html_list_history, data + "/cfg/rhl.txt");
}

class ProgramFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_ / "bin/cfg");
        std::filesystem::create_directories(folder_ / "share/reeldeck/cfg");
        WriteFileBytes(folder_ / "share/reeldeck/cfg/cfg.txt", "FIRST_START=1\n");
        inputs_.exe_folder = folder_ / "bin";
        inputs_.installed_data = folder_ / "share/reeldeck";
        inputs_.home = folder_ / "home";
    }

    TempFolder folder_;
    config::ProgramFolderInputs inputs_;
};

TEST_F(ProgramFolderTest, TheEnvironmentVariableThenAPortableInstallComeFirst) {
    WriteFileBytes(folder_ / "bin/cfg/cfg.txt", "");
    EXPECT_EQ(config::LocateProgramFolder(inputs_), folder_ / "bin");
    inputs_.reeldeck_home = "/somewhere/else";
    EXPECT_EQ(config::LocateProgramFolder(inputs_), "/somewhere/else");
}

TEST_F(ProgramFolderTest, TheUserDataFolderIsCreatedFromTheInstalledDataOnce) {
    EXPECT_EQ(config::LocateProgramFolder(inputs_), folder_ / "home/.local/share/reeldeck");
    EXPECT_TRUE(std::filesystem::exists(folder_ / "home/.local/share/reeldeck/cfg/cfg.txt"));

    inputs_.xdg_data_home = folder_ / "data";
    const std::string expected = folder_ / "data/reeldeck";
    EXPECT_EQ(config::LocateProgramFolder(inputs_), expected);
    EXPECT_EQ(ReadFileBytes(expected + "/cfg/cfg.txt"), "FIRST_START=1\n");
    // The user's own changes are never overwritten by a later start.
    WriteFileBytes(expected + "/cfg/cfg.txt", "FIRST_START=0\n");
    EXPECT_EQ(config::LocateProgramFolder(inputs_), expected);
    EXPECT_EQ(ReadFileBytes(expected + "/cfg/cfg.txt"), "FIRST_START=0\n");
}

}  // namespace
