#include "config/program_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace {

TEST(ProgramPaths, EveryFileLiesInTheProgramFolder) {
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder("/opt/reeldeck/");
    EXPECT_EQ(paths.folder, "/opt/reeldeck");
    EXPECT_EQ(paths.config, "/opt/reeldeck/cfg/cfg.txt");
    EXPECT_EQ(paths.default_header, "/opt/reeldeck/cfg/mlh.txt");
    EXPECT_EQ(paths.recent_databases, "/opt/reeldeck/cfg/rfd.txt");
    EXPECT_EQ(paths.print_settings, "/opt/reeldeck/cfg/ps.txt");
    EXPECT_EQ(paths.tips, "/opt/reeldeck/cfg/tip.txt");
    EXPECT_EQ(paths.html_list_history, "/opt/reeldeck/cfg/rhl.txt");
    EXPECT_EQ(paths.theme_folder, "/opt/reeldeck/cfg/hls");
    EXPECT_EQ(paths.print_my_videos, "/opt/reeldeck/pm.html");
    EXPECT_EQ(paths.print_wanted, "/opt/reeldeck/pw.html");
    EXPECT_EQ(paths.print_no_image, "/opt/reeldeck/res/pprev.gif");
    EXPECT_EQ(paths.flagged_mark, "/opt/reeldeck/res/ivflag.gif");
    EXPECT_EQ(paths.viewed_mark, "/opt/reeldeck/res/ivview.gif");
    EXPECT_EQ(paths.rating_reply, "/opt/reeldeck/temp.dmy");
    EXPECT_EQ(paths.downloaded_lists, "/opt/reeldeck/dlrdhtml");
    EXPECT_EQ(paths.help, "/opt/reeldeck/help/index.html");
    EXPECT_EQ(paths.popup_help, "/opt/reeldeck/help/popup.html");
    EXPECT_EQ(paths.import_undo_videos, "/opt/reeldeck/mv.tmp");
    EXPECT_EQ(paths.import_undo_wanted, "/opt/reeldeck/wv.tmp");
    EXPECT_EQ(paths.replace_undo, "/opt/reeldeck/undo/temp.txt");
    EXPECT_EQ(paths.wizard_results, "/opt/reeldeck/vidwiz/results.txt");
}

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder_ / "bin");
        std::filesystem::create_directories(folder_ / "share/reeldeck/cfg");
        WriteFileBytes(folder_ / "share/reeldeck/cfg/cfg.txt", "FIRST_START=1\n");
        inputs_.exe_folder = folder_ / "bin";
        inputs_.installed_data = folder_ / "share/reeldeck";
        inputs_.home = folder_ / "home";
    }

    TempFolder folder_;
    config::ProgramFolderInputs inputs_;
};

TEST_F(ProgramFolderTest, EnvironmentVariableComesFirst) {
    inputs_.reeldeck_home = "/somewhere/else";
    WriteFileBytes(folder_ / "bin/cfg.txt", "");
    EXPECT_EQ(config::LocateProgramFolder(inputs_), "/somewhere/else");
}

TEST_F(ProgramFolderTest, ExecutableFolderHoldingTheConfigurationIsAPortableInstall) {
    std::filesystem::create_directories(folder_ / "bin/cfg");
    WriteFileBytes(folder_ / "bin/cfg/cfg.txt", "");
    EXPECT_EQ(config::LocateProgramFolder(inputs_), folder_ / "bin");
}

TEST_F(ProgramFolderTest, UserDataFolderIsCreatedFromTheInstalledDataOnce) {
    inputs_.xdg_data_home = folder_ / "data";
    const std::string expected = folder_ / "data/reeldeck";
    EXPECT_EQ(config::LocateProgramFolder(inputs_), expected);
    EXPECT_EQ(ReadFileBytes(expected + "/cfg/cfg.txt"), "FIRST_START=1\n");

    // The user's own changes are never overwritten by a later start.
    WriteFileBytes(expected + "/cfg/cfg.txt", "FIRST_START=0\n");
    EXPECT_EQ(config::LocateProgramFolder(inputs_), expected);
    EXPECT_EQ(ReadFileBytes(expected + "/cfg/cfg.txt"), "FIRST_START=0\n");
}

TEST_F(ProgramFolderTest, WithoutXdgDataHomeTheFolderIsUnderHome) {
    EXPECT_EQ(config::LocateProgramFolder(inputs_), folder_ / "home/.local/share/reeldeck");
    EXPECT_TRUE(std::filesystem::exists(folder_ / "home/.local/share/reeldeck/cfg/cfg.txt"));
}

}  // namespace
