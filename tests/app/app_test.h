#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/database_commands.h"
#include "app/session.h"
#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "core/accounts_file.h"
#include "core/dates.h"
#include "core/sort_state_file.h"
#include "database_writer.h"
#include "recording_progress.h"
#include "scripted_login.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Texts = std::vector<std::string>;
using Accounts = std::vector<core::UserAccount>;
using Step = ScriptedLogin;

inline core::UserAccount Administrator(std::string name, std::string password) {
    return {std::move(name), std::move(password), core::kFullAccess, "", ""};
}
inline core::UserAccount Guest(std::string name, std::string password) {
    return {std::move(name), std::move(password), core::kReadOnlyAccess, "", ""};
}
// The accounts of a protected database: the administrator Ann and a guest.
inline const Accounts kAnnAndGuest = {Administrator("Ann", "secret"), Guest("guest", "look")};

// The database most tests open: Casablanca (1942), Alien (1979) and Brazil (1985) in that order,
// sorted by Title; Heat and Dune are wanted.
inline DatabaseContent ThreeFilms() {
    DatabaseContent content;
    content.films = {{{"Title", "Casablanca"}, {"Year", "1942"}},
                     {{"Title", "Alien"}, {"Year", "1979"}},
                     {{"Title", "Brazil"}, {"Year", "1985"}}};
    content.wanted = {"Heat", "Dune"};
    return content;
}
// One film, "Zulu" (1964), with the given accounts and nothing wanted.
inline DatabaseContent OneFilm(Accounts accounts = {}) {
    DatabaseContent content;
    content.films = {{{"Title", "Zulu"}, {"Year", "1964"}}};
    content.accounts = std::move(accounts);
    return content;
}
inline DatabaseContent Protected(Accounts accounts = kAnnAndGuest) {
    DatabaseContent content = ThreeFilms();
    content.accounts = std::move(accounts);
    return content;
}
inline Accounts AccountsInFile(const std::string& path) {
    Accounts accounts;
    core::ReadAccounts(accounts, path);
    return accounts;
}

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
    std::string WriteDatabase(const std::string& name,
                              const DatabaseContent& content = ThreeFilms());
    // Opens a database; the test fails unless it opens.
    void Open(const std::string& main_path);
    // Adds the wanted title "Ran" without saving.
    void Change() {
        session_.Wanted.Add("Ran");
        session_.Modified = true;
    }
    // The cells of a My Videos column, in row order.
    Texts Cells(std::string_view column) const;
    Texts Messages() const { return prompts_.Texts(); }
    // The last message shown; the test fails (by an exception) when there was none.
    const ScriptedPrompts::Shown& LastMessage() const {
        return prompts_.Messages().at(prompts_.Messages().size() - 1);
    }

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
