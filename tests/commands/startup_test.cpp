#include "app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scripted_prompts.h"
#include "temp_folder.h"

namespace {

using Geometry = config::WindowGeometry;

TEST(CommandLine, OnlyTheTwoExactSpellingsNameADatabase) {
    EXPECT_TRUE(app::NamesDatabase("/home/ann/films.RDK"));
    EXPECT_TRUE(app::NamesDatabase("films.rdk.bak"));
    EXPECT_FALSE(app::NamesDatabase("films.Rdk"));
    EXPECT_FALSE(app::NamesDatabase(""));
}

TEST(WindowPlacement, StartsClampedToTheScreenOrAtTheDefaultWhenTooSmallAndIsStoredAsShown) {
    const app::ScreenSize screen{1024, 768};
    EXPECT_EQ(app::ClampToScreen({-30, 10, 400, 300}, screen).x, 0);
    EXPECT_EQ(app::ClampToScreen({900, 10, 400, 300}, screen).x, 624);
    EXPECT_EQ(app::ClampToScreen({10, 600, 400, 300}, screen).y, 468);
    EXPECT_EQ(app::ClampToScreen({10, -5, 400, 300}, screen).y, 0);

    config::ProgramConfig config;
    config.start_program_maximized = false;
    config.main_window = {0, 0, 100, 40};
    EXPECT_EQ(app::InitialPlacement(config), app::WindowPlacement::kDefault);
    config.main_window = {0, 0, 100, 400};
    EXPECT_EQ(app::InitialPlacement(config), app::WindowPlacement::kStored);
    config.start_program_maximized = true;
    EXPECT_EQ(app::InitialPlacement(config), app::WindowPlacement::kMaximized);

    // Shutdown stores what the window shows.
    config.start_program_maximized = false;
    config.main_window = {1, 2, 300, 400};
    app::StorePlacement(config, false, true, {0, 0, 50, 50});  // minimized: nothing changes
    EXPECT_FALSE(config.start_program_maximized);
    app::StorePlacement(config, true, false, {0, 0, 50, 50});
    EXPECT_TRUE(config.start_program_maximized);
    EXPECT_EQ(config.main_window, (Geometry{1, 2, 300, 400}));
    app::StorePlacement(config, false, false, {5, 6, 700, 500});
    EXPECT_FALSE(config.start_program_maximized);
    EXPECT_EQ(config.main_window, (Geometry{5, 6, 700, 500}));
}

TEST(Shutdown, RemovesTheRunsWorkFilesOnlyAndSaysWhenTheSettingsCannotBeWritten) {
    TempFolder folder;
    for (const char* file : {"mv/1.jpg", "mv.tmp", "wv.tmp", "undo/temp.txt", "dlrdhtml/list.html",
                             "vidwiz/results.txt", "pm.html", "res/iprev.gif", "temp.dmy",
                             "res/splash.svg", "cfg/cfg.txt"}) {
        std::filesystem::create_directories(std::filesystem::path(folder / file).parent_path());
        WriteFileBytes(folder / file, "x");
    }
    const config::ProgramPaths paths = config::ProgramPaths::ForFolder(folder.path());
    app::RemoveRunWorkFiles(paths);
    for (const char* gone : {"mv", "mv.tmp", "wv.tmp", "undo", "dlrdhtml", "vidwiz/results.txt",
                             "pm.html", "res/iprev.gif", "temp.dmy"}) {
        EXPECT_FALSE(std::filesystem::exists(folder / gone)) << gone;
    }
    EXPECT_TRUE(std::filesystem::exists(folder / "res/splash.svg"));
    EXPECT_TRUE(std::filesystem::exists(folder / "cfg/cfg.txt"));

    // A configuration that cannot be written is reported, and the recent list is still written.
    std::filesystem::remove(paths.config);
    std::filesystem::create_directories(paths.config);  // a folder where the file should go
    WriteFileBytes(folder / "films.rdk", "");
    config::ProgramConfig config;
    config::RecentDatabases recent;
    recent.Add(folder / "films.rdk");
    ScriptedPrompts prompts;
    app::SaveSettingsAtExit(paths, config, recent, prompts);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text,
              "Error saving configuration settings to:\n" + paths.config + ".\nIs a directory.");
    EXPECT_EQ(prompts.Messages()[0].title, "Error");
    EXPECT_NE(ReadFileBytes(paths.recent_databases).find(folder / "films.rdk"), std::string::npos);
}

TEST(SplashTimer, AnimatesThenWaitsForTheLoginBeforeFinishing) {
    app::SplashTimer splash;
    std::vector<int> animated;
    for (int tick = 0; tick < 32; ++tick) {
        if (splash.Tick(false) == app::SplashTimer::Step::kAnimate) animated.push_back(tick);
    }
    EXPECT_EQ(animated, (std::vector<int>{20, 22, 24, 26, 28, 30}));
    EXPECT_EQ(splash.Tick(true), app::SplashTimer::Step::kWaitForLogin);
    EXPECT_EQ(splash.Tick(true), app::SplashTimer::Step::kWaitForLogin);
    EXPECT_EQ(splash.Tick(false), app::SplashTimer::Step::kFinish);
    EXPECT_TRUE(splash.Finished());
    EXPECT_EQ(splash.Tick(false), app::SplashTimer::Step::kContinue);
}

}  // namespace
