#include <filesystem>

#include "app/database_commands.h"
#include "app/list_sorting.h"
#include "app_test.h"
#include "core/accounts_file.h"
#include "core/header_file.h"
#include "core/record_file.h"
#include "read_only_folder.h"

namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Icon;
using Texts = std::vector<std::string>;
using Step = ScriptedLogin;

const char* const kCompanions[] = {"", "a", "h", "i", "s", "w"};

// The titles of a main file, in file order.
Texts TitlesInFile(const std::string& main_path, const std::string& default_header) {
    core::VideoList list;
    core::ReadHeader(list, default_header);
    platform::NoProgress quiet;
    core::ReadRecords(list, main_path, core::FixedClock(0), {}, quiet);
    Texts titles;
    for (int row = 0; row < list.RowCount(); ++row) {
        titles.push_back(list.GetCell(row, list.ColumnIndexOf("Title")));
    }
    return titles;
}

std::vector<core::UserAccount> AccountsInFile(const std::string& path) {
    std::vector<core::UserAccount> accounts;
    core::ReadAccounts(accounts, path);
    return accounts;
}

// Names of the entries of a folder, sorted.
Texts Listing(const std::string& folder) {
    Texts names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class SaveTest : public AppTest {
  protected:
    void SetUp() override {
        main_ = WriteDatabase("films.rdk", ThreeFilms());
        ASSERT_NO_FATAL_FAILURE(Open(main_));
    }

    // Changes every part of the open database that a save writes.
    void ChangeEverything() {
        session_.Videos.SetCell(0, session_.Videos.ColumnIndexOf("Title"), "Aliens");
        app::SortVideos(session_.Videos, session_.Sort, 4, 0);  // Year, descending
        session_.Wanted.Add("Ran");
        session_.Accounts.push_back(Administrator("root", "pw"));
        fs::create_directory(DataPath("pictures"));
        session_.ImageFolder = DataPath("pictures");
        session_.Modified = true;
    }

    std::string main_;
};

TEST_F(SaveTest, WritesAllSixFiles) {
    ChangeEverything();
    for (const char* letter : kCompanions) fs::remove(main_ + letter);
    app::SaveCommand(session_, services_);

    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(TitlesInFile(main_, paths_.default_header),
              (Texts{"Brazil", "Aliens", "Casablanca"}));
    EXPECT_EQ(ReadFileBytes(main_ + "h"), ReadFileBytes(paths_.default_header));
    EXPECT_EQ(ReadFileBytes(main_ + "w"), "Dune\nHeat\nRan\n");
    EXPECT_EQ(ReadFileBytes(main_ + "i"), DataPath("pictures"));
    EXPECT_EQ(ReadFileBytes(main_ + "s"), "4\n0");
    EXPECT_EQ(AccountsInFile(main_ + "a"), (std::vector{Administrator("root", "pw")}));
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_EQ(recent_.Entries(), (Texts{main_}));
}

TEST_F(SaveTest, SavedDatabaseOpensAsItWasSaved) {
    ChangeEverything();
    session_.Accounts.clear();
    app::SaveCommand(session_, services_);
    app::CloseDatabase(session_);
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Brazil", "Aliens", "Casablanca"}));
    EXPECT_EQ(WantedTitles(), (Texts{"Dune", "Heat", "Ran"}));
    EXPECT_EQ(session_.ImageFolder, DataPath("pictures"));
}

TEST_F(SaveTest, ReadOnlyFolderFailsWithoutChangingAnyFile) {
    ChangeEverything();
    fs::remove(DataPath("pictures"));
    session_.ImageFolder = DataPath("films");
    const auto before = Snapshot(temp_.path());
    const bool ran = RunWithReadOnlyFolder(temp_ / "data", [&](const std::string& reason) {
        EXPECT_EQ(app::SaveDatabase(session_, services_, main_), -1);
        app::SaveCommand(session_, services_);
        const std::string message =
            "Error saving video list header information:\n" + main_ + "h.\n" + reason + ".";
        EXPECT_EQ(Messages(), (Texts{message, message}));
        EXPECT_EQ(prompts_.Messages()[0].title, "Error");
        EXPECT_EQ(prompts_.Messages()[0].icon, Icon::kError);
        EXPECT_TRUE(session_.Modified);
        EXPECT_EQ(session_.CurrentDatabasePath, main_);
        EXPECT_EQ(Snapshot(temp_.path()), before);
    });
    if (!ran) GTEST_SKIP() << "the folder cannot be made read-only here";
    EXPECT_EQ(Snapshot(temp_.path()), before);
}

// A file that cannot be replaced (a folder stands in its place) stops the save at that file:
// the files written before it are new, the ones after it untouched.
struct BlockedFile {
    const char* letter;  // the companion's letter; "" for the main file
    const char* format;  // the message, filled with the file's path
    std::vector<const char*> untouched;
};

class SaveBlockedTest : public SaveTest, public ::testing::WithParamInterface<BlockedFile> {};

TEST_P(SaveBlockedTest, ReportsTheFileAndKeepsTheChanges) {
    const BlockedFile& blocked = GetParam();
    ChangeEverything();
    const std::string path = main_ + blocked.letter;
    fs::remove(path);
    fs::create_directory(path);
    std::map<std::string, std::string> before;
    for (const char* letter : blocked.untouched) {
        before[letter] = ReadFileBytes(main_ + letter);
    }

    EXPECT_EQ(app::SaveDatabase(session_, services_, main_), -1);
    app::SaveCommand(session_, services_);
    const std::string message = std::string(blocked.format) + path + ".\nIs a directory.";
    EXPECT_EQ(Messages(), (Texts{message, message}));
    EXPECT_EQ(prompts_.Messages()[0].title, "Error");
    EXPECT_TRUE(session_.Modified);
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    for (const char* letter : blocked.untouched) {
        EXPECT_EQ(ReadFileBytes(main_ + letter), before[letter]) << "file " << main_ << letter;
    }
    EXPECT_TRUE(fs::is_directory(path));
}

INSTANTIATE_TEST_SUITE_P(
    SaveDatabase, SaveBlockedTest,
    ::testing::Values(
        BlockedFile{"h", "Error saving video list header information:\n", {"", "w", "i", "s", "a"}},
        BlockedFile{"", "Error saving database:\n", {"w", "i", "s", "a"}},
        BlockedFile{"w", "Error saving wanted video database:\n", {"i", "s", "a"}}));

TEST_F(SaveTest, WithoutAnOpenDatabaseSaveAndSaveAsRunNew) {
    app::CloseDatabase(session_);
    prompts_.QueueSaveFile(std::nullopt);
    prompts_.QueueSaveFile(std::nullopt);
    app::SaveCommand(session_, services_);
    app::SaveAsCommand(session_, services_);
    ASSERT_EQ(prompts_.Pickers().size(), 2u);
    EXPECT_EQ(prompts_.Pickers()[0].title, "New");
    EXPECT_EQ(prompts_.Pickers()[1].title, "New");
}

TEST_F(SaveTest, DatabaseReadFromAnotherKindOfFileIsSavedUnderANewName) {
    session_.CurrentDatabasePath = DataPath("list.html");  // as a list read from an HTML page
    session_.Modified = true;
    prompts_.QueueSaveFile(DataPath("from-html"));
    app::SaveCommand(session_, services_);
    ASSERT_EQ(prompts_.Pickers().size(), 1u);
    EXPECT_EQ(prompts_.Pickers()[0].title, "Save As");
    EXPECT_EQ(session_.CurrentDatabasePath, DataPath("from-html.rdk"));
    EXPECT_FALSE(session_.Modified);
    for (const char* letter : kCompanions) {
        EXPECT_TRUE(fs::is_regular_file(DataPath("from-html.rdk") + letter)) << letter;
    }
    EXPECT_FALSE(fs::exists(DataPath("list.html")));
}

// ---- Save As ----

class SaveAsTest : public SaveTest {
  protected:
    void SetUp() override {
        SaveTest::SetUp();
        WriteFileBytes(DataPath("films/1100000000.jpg"), "jpeg bytes");
        WriteFileBytes(DataPath("films/1100000100.gif"), "gif bytes");
        WriteFileBytes(DataPath("films/1100000200.BMP"), "bmp bytes");
        WriteFileBytes(DataPath("films/notes.txt"), "notes");
        fs::create_directory(DataPath("films/extra"));
        WriteFileBytes(DataPath("films/extra/1100000000.jpg"), "inner");
        session_.Modified = true;
    }
};

TEST_F(SaveAsTest, NewNameCopiesTheImagesAndLeavesTheOldDatabaseAlone) {
    const auto old_files = Snapshot(temp_.path());
    prompts_.QueueSaveFile(DataPath("copy"));
    app::SaveAsCommand(session_, services_);

    EXPECT_TRUE(Messages().empty());
    const std::string copy = DataPath("copy.rdk");
    EXPECT_EQ(session_.CurrentDatabasePath, copy);
    EXPECT_EQ(session_.ImageFolder, DataPath("copy"));
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck - copy.rdk - 3 Videos");
    EXPECT_EQ(recent_.NewestFirst(), (Texts{copy, main_}));
    for (const char* letter : kCompanions) {
        EXPECT_TRUE(fs::is_regular_file(copy + letter)) << letter;
    }
    EXPECT_EQ(ReadFileBytes(copy + "i"), DataPath("copy"));
    EXPECT_EQ(Listing(DataPath("copy")),
              (Texts{"1100000000.jpg", "1100000100.gif", "1100000200.BMP"}));
    EXPECT_EQ(ReadFileBytes(DataPath("copy/1100000200.BMP")), "bmp bytes");
    EXPECT_EQ(progress_.WithText("Saving images...").size(), 3u);
    std::map<std::string, std::string> now = Snapshot(temp_.path());
    for (const auto& [path, bytes] : old_files) EXPECT_EQ(now[path], bytes) << path;
}

TEST_F(SaveAsTest, EmptyImageFolderGivesAnEmptyNewFolder) {
    fs::remove_all(DataPath("films"));
    fs::create_directory(DataPath("films"));
    prompts_.QueueSaveFile(DataPath("copy.rdk"));
    app::SaveAsCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(fs::is_directory(DataPath("copy")));
    EXPECT_TRUE(fs::is_empty(DataPath("copy")));
}

TEST_F(SaveAsTest, SameNameSavesWithoutCopyingImages) {
    const auto images = Snapshot(DataPath("films"));
    prompts_.QueueSaveFile(main_);
    app::SaveAsCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_EQ(session_.ImageFolder, DataPath("films"));
    EXPECT_TRUE(progress_.WithText("Saving images...").empty());
    EXPECT_EQ(Snapshot(DataPath("films")), images);
}

TEST_F(SaveAsTest, CancelledPickerSavesNothing) {
    const auto before = Snapshot(temp_.path());
    prompts_.QueueSaveFile(std::nullopt);
    app::SaveAsCommand(session_, services_);
    EXPECT_EQ(Snapshot(temp_.path()), before);
    EXPECT_TRUE(session_.Modified);
}

// ---- Save As over a protected database ----

const char kOverwriteDenied[] =
    "The database you are attempting to overwrite\nis password protected. Contact or login as "
    "the\nadministrator of the database you are attempting\nto overwrite before trying again";

class SaveAsProtectedTest : public AppTest {
  protected:
    void SetUp() override {
        DatabaseContent own = ThreeFilms();
        own.accounts = own_accounts_;
        main_ = WriteDatabase("own.rdk", own);
        target_ = WriteDatabase("locked.rdk", OneFilm(ProtectedFilms().accounts));
        login_.ExpectWindow({Step::Ok("me", "mine")});
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        ASSERT_EQ(session_.AccessLevel, app::kReadOnlyAccess);
        session_.Modified = true;
    }

    const std::vector<core::UserAccount> own_accounts_{Administrator("boss", "b"),
                                                       Guest("me", "mine")};
    std::string main_;
    std::string target_;
};

class SaveAsDeniedTest : public SaveAsProtectedTest,
                         public ::testing::WithParamInterface<ScriptedLogin::Step> {};

TEST_P(SaveAsDeniedTest, WritesNothingAndKeepsTheOpenDatabasesAccounts) {
    const auto before = Snapshot(temp_.path());
    prompts_.QueueSaveFile(target_);
    login_.ExpectWindow({GetParam()});
    app::SaveAsCommand(session_, services_);

    ASSERT_FALSE(prompts_.Messages().empty());
    const ScriptedPrompts::Shown& denied = prompts_.Messages().back();
    EXPECT_EQ(denied.text, kOverwriteDenied);
    EXPECT_EQ(denied.title, "Access Denied");
    EXPECT_EQ(denied.icon, Icon::kError);
    EXPECT_EQ(Snapshot(temp_.path()), before);
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_EQ(session_.Accounts, own_accounts_);
    EXPECT_EQ(session_.AccessLevel, app::kReadOnlyAccess);
    EXPECT_TRUE(session_.Modified);

    // A later save of the open database still writes its own accounts.
    app::SaveCommand(session_, services_);
    EXPECT_EQ(AccountsInFile(main_ + "a"), own_accounts_);
}

INSTANTIATE_TEST_SUITE_P(SaveAs, SaveAsDeniedTest,
                         ::testing::Values(ScriptedLogin::Cancel(),
                                           ScriptedLogin::Ok("guest", "look")));

TEST_F(SaveAsProtectedTest, AdministratorOfTheTargetOverwritesItWithItsAccounts) {
    prompts_.QueueSaveFile(target_);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    app::SaveAsCommand(session_, services_);

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(session_.CurrentDatabasePath, target_);
    EXPECT_EQ(session_.Accounts, ProtectedFilms().accounts);
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_EQ(session_.CurrentUserName, "Ann");
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(TitlesInFile(target_, paths_.default_header),
              (Texts{"Alien", "Brazil", "Casablanca"}));
    EXPECT_EQ(AccountsInFile(target_ + "a"), ProtectedFilms().accounts);
    EXPECT_EQ(AccountsInFile(main_ + "a"), own_accounts_);
}

TEST_F(SaveAsProtectedTest, CurrentCredentialsThatAdministerTheTargetNeedNoLogin) {
    DatabaseContent shared = ThreeFilms();
    shared.accounts = {Guest("x", "y"), Administrator("me", "mine")};
    const std::string target = WriteDatabase("shared.rdk", shared);
    prompts_.QueueSaveFile(target);
    app::SaveAsCommand(session_, services_);
    EXPECT_EQ(login_.Shown(), 1);  // the login of the open database only
    EXPECT_EQ(session_.CurrentDatabasePath, target);
    EXPECT_EQ(session_.Accounts, shared.accounts);
}

TEST_F(SaveAsProtectedTest, FailedWriteAfterTheCheckRestoresTheOpenDatabasesAccounts) {
    fs::remove(target_ + "h");
    fs::create_directory(target_ + "h");
    prompts_.QueueSaveFile(target_);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    app::SaveAsCommand(session_, services_);

    EXPECT_EQ(Messages(), (Texts{"Error saving video list header information:\n" + target_ +
                                 "h.\nIs a directory."}));
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_EQ(session_.Accounts, own_accounts_);
    EXPECT_EQ(session_.AccessLevel, app::kReadOnlyAccess);
    EXPECT_TRUE(session_.Modified);
    EXPECT_EQ(AccountsInFile(target_ + "a"), ProtectedFilms().accounts);

    app::SaveCommand(session_, services_);
    EXPECT_EQ(AccountsInFile(main_ + "a"), own_accounts_);
}

}  // namespace
