#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/database_commands.h"
#include "app/session.h"
#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "core/accounts_file.h"
#include "core/dates.h"
#include "core/sort_state_file.h"
#include "recording_progress.h"
#include "scripted_login.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

// One record of a database written for a test.
struct Film {
    std::string key;
    std::string title;
    std::string year;
};

// What a database written for a test holds.
struct DatabaseContent {
    std::vector<Film> films;
    std::vector<std::string> wanted;
    std::vector<core::UserAccount> accounts;
    core::SortState sort{3, 1};  // by Title, ascending
    std::string image_folder;    // empty: the default folder beside the main file
};

// Alien (1979), Brazil (1985) and Casablanca (1942); Dune and Heat are wanted.
DatabaseContent ThreeFilms();
// One film, "Zulu" (1964), with the given accounts and nothing wanted.
DatabaseContent OneFilm(std::vector<core::UserAccount> accounts = {});
// ThreeFilms protected by an administrator and a guest.
DatabaseContent ProtectedFilms();
core::UserAccount Administrator(std::string name, std::string password);
core::UserAccount Guest(std::string name, std::string password);

// Every file and link under a folder with its bytes (a link as "-> target"), to tell whether
// anything on disk changed.
std::map<std::string, std::string> Snapshot(const std::string& folder);

// A program folder (with the shipped default header), its configuration and recent list, a
// clock, the session and the services the database operations talk to. Databases live in
// DataPath(); prompts and logins are scripted, and a test fails when a scripted answer is left.
class AppTest : public ::testing::Test {
  protected:
    AppTest();
    void TearDown() override;

    std::string DataPath(const std::string& name) const { return temp_ / ("data/" + name); }
    // Writes a database through the program's own file writers; returns its main path.
    std::string WriteDatabase(const std::string& name, const DatabaseContent& content);
    // Opens a database; the test fails unless it opens.
    void Open(const std::string& main_path);
    // The cells of a My Videos column, in row order.
    std::vector<std::string> ColumnCells(std::string_view column) const;
    std::vector<std::string> WantedTitles() const { return session_.Wanted.Titles(); }
    // The texts of the messages shown so far.
    std::vector<std::string> Messages() const { return prompts_.Texts(); }

    TempFolder temp_;
    config::ProgramPaths paths_;
    config::ProgramConfig config_;
    config::RecentDatabases recent_;
    core::FixedClock clock_{1'000'000'000};
    app::Session session_{paths_, config_, recent_, clock_};
    ScriptedPrompts prompts_;
    RecordingProgress progress_;
    ScriptedLogin login_;
    app::DatabaseServices services_{prompts_, progress_, login_};
};
