#include <algorithm>

#include "app/database_commands.h"
#include "app/list_sorting.h"
#include "app_test.h"
#include "core/accounts_file.h"

namespace {

const char* const kCompanions[] = {"", "a", "h", "i", "s", "w"};

class SaveTest : public AppTest {
  protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(Open(main_)); }

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

    std::string main_ = WriteDatabase("films.rdk");
};

TEST_F(SaveTest, WritesAllSixFilesAndTheDatabaseOpensAsItWasSaved) {
    ChangeEverything();
    // "Year" is dragged to the third place: the sort file names the column by its place.
    session_.Videos.SetColumnOrder(
        {0, 1, 4, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22});
    for (const char* letter : kCompanions) fs::remove(main_ + letter);
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck - *films.rdk - 3 Videos");
    app::SaveCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(ReadFileBytes(main_ + "w"), "Dune\nHeat\nRan\n");
    EXPECT_EQ(ReadFileBytes(main_ + "i"), DataPath("pictures"));
    EXPECT_EQ(ReadFileBytes(main_ + "s"), "2\n0");
    EXPECT_EQ(AccountsInFile(main_ + "a"), (Accounts{Administrator("root", "pw")}));
    EXPECT_EQ(recent_.Entries(), (Texts{main_}));

    app::CloseDatabase(session_);
    login_.ExpectWindow({Step::Ok("root", "pw")});
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(Cells("Title"), (Texts{"Brazil", "Aliens", "Casablanca"}));
    EXPECT_EQ(session_.Videos.ColumnIndexOf("Year"), 2);
    EXPECT_EQ(session_.Sort, (core::SortState{2, 0}));
    EXPECT_EQ(session_.Wanted.Titles(), (Texts{"Dune", "Heat", "Ran"}));
    EXPECT_EQ(session_.ImageFolder, DataPath("pictures"));
}

// A file that cannot be replaced (a folder stands in its place, or the folder is read-only, as
// the tests of the file writers show) stops the save at that file: the files written before it
// are new, the ones after it untouched.
struct BlockedFile {
    const char* letter;  // the companion's letter; "" for the main file
    const char* format;  // the message, filled with the file's path
    std::vector<const char*> untouched;
};

class SaveBlockedTest : public SaveTest, public ::testing::WithParamInterface<BlockedFile> {};

TEST_P(SaveBlockedTest, ReportsTheFileAndKeepsTheChanges) {
    const BlockedFile& blocked = GetParam();
    config_.keep_backup = false;  // the folder holds the database's files alone
    ChangeEverything();
    const std::string path = main_ + blocked.letter;
    fs::remove(path);
    fs::create_directory(path);
    std::map<std::string, std::string> before;
    for (const char* letter : blocked.untouched) before[letter] = ReadFileBytes(main_ + letter);

    const auto everything = Snapshot(temp_.path());
    app::SaveCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{std::string(blocked.format) + path + ".\nIs a directory."}));
    EXPECT_EQ(prompts_.Messages().at(0).title, "Error");
    EXPECT_EQ(prompts_.Messages().at(0).icon, Icon::kError);
    if (blocked.letter == std::string("h")) {
        EXPECT_EQ(Snapshot(temp_.path()), everything);  // the header is written first
    }
    EXPECT_TRUE(session_.Modified);
    for (const char* letter : blocked.untouched) {
        EXPECT_EQ(ReadFileBytes(main_ + letter), before[letter]) << "file " << main_ << letter;
    }
}

INSTANTIATE_TEST_SUITE_P(
    SaveDatabase, SaveBlockedTest,
    ::testing::Values(
        BlockedFile{"h", "Error saving video list header information:\n", {"", "w", "i", "s", "a"}},
        BlockedFile{"", "Error saving database:\n", {"w", "i", "s", "a"}},
        BlockedFile{"w", "Error saving wanted video database:\n", {"i", "s", "a"}},
        BlockedFile{"s", "Error saving database:\n", {"a"}}),
    [](const auto& info) {
        return std::string("Companion_") + (*info.param.letter ? info.param.letter : "main");
    });

TEST_F(SaveTest, WithoutADatabaseFileSaveAsksForOne) {
    // A list read from another kind of file is saved under a name the user gives.
    session_.CurrentDatabasePath = DataPath("list.html");
    session_.Modified = true;
    prompts_.QueueSaveFile(DataPath("from-html"));
    app::SaveCommand(session_, services_);
    EXPECT_EQ(prompts_.Pickers().at(0).title, "Save As");
    EXPECT_EQ(session_.CurrentDatabasePath, DataPath("from-html.rdk"));
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(ReadFileBytes(DataPath("from-html.rdkw")), "Dune\nHeat\n");
    // With no database open, Save and Save As create a new one.
    app::CloseDatabase(session_);
    prompts_.QueueSaveFile(std::nullopt);
    prompts_.QueueSaveFile(std::nullopt);
    app::SaveCommand(session_, services_);
    app::SaveAsCommand(session_, services_);
    EXPECT_EQ(prompts_.Pickers().at(1).title, "New");
    EXPECT_EQ(prompts_.Pickers().at(2).title, "New");
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

TEST_F(SaveAsTest, ANewNameCopiesTheImagesAndLeavesTheOldDatabaseAlone) {
    const auto old_files = Snapshot(temp_.path());
    prompts_.QueueSaveFile(DataPath("copy"));
    app::SaveAsCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    const std::string copy = DataPath("copy.rdk");
    EXPECT_EQ(session_.CurrentDatabasePath, copy);
    EXPECT_EQ(session_.ImageFolder, DataPath("copy"));
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(recent_.NewestFirst(), (Texts{copy, main_}));
    EXPECT_EQ(ReadFileBytes(copy + "i"), DataPath("copy"));
    std::map<std::string, std::string> now = Snapshot(temp_.path());
    for (const auto& [path, bytes] : old_files) EXPECT_EQ(now[path], bytes) << path;
    EXPECT_EQ(Snapshot(DataPath("copy")),
              (std::map<std::string, std::string>{{DataPath("copy/1100000000.jpg"), "jpeg bytes"},
                                                  {DataPath("copy/1100000100.gif"), "gif bytes"},
                                                  {DataPath("copy/1100000200.BMP"), "bmp bytes"}}));
    EXPECT_EQ(std::count_if(progress_.displays.begin(), progress_.displays.end(),
                            [](auto& shown) { return shown.text == "Saving images..."; }),
              3);  // one for each kind of image, and none for the same name
    // The progress names the files saved, not their staged copies.
    EXPECT_EQ(std::count_if(progress_.displays.begin(), progress_.displays.end(),
                            [&](auto& shown) { return shown.text == "Saving " + copy; }),
              1);
}

TEST_F(SaveAsTest, TheSameNameSavesWithoutCopyingImagesAndACancelledPickerSavesNothing) {
    const auto before = Snapshot(temp_.path());
    prompts_.QueueSaveFile(std::nullopt);
    app::SaveAsCommand(session_, services_);
    EXPECT_EQ(Snapshot(temp_.path()), before);
    EXPECT_TRUE(session_.Modified);

    prompts_.QueueSaveFile(main_);
    app::SaveAsCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(session_.ImageFolder, DataPath("films"));
}

TEST_F(SaveAsTest, ImagesThatCannotBeCopiedAreReportedAndTheDatabaseIsSaved) {
    WriteFileBytes(DataPath("copy"), "a file where the image folder goes");
    prompts_.QueueSaveFile(DataPath("copy"));
    app::SaveAsCommand(session_, services_);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].rfind("Error creating image folder:\n" + DataPath("copy") + ".\n", 0),
              0u);
    EXPECT_NE(Messages()[0].find(".\n\nThe images were not copied."), std::string::npos);
    EXPECT_FALSE(session_.Modified);  // the database itself is saved
    EXPECT_EQ(ReadFileBytes(DataPath("copy.rdkw")), "Dune\nHeat\n");

    fs::create_directories(DataPath("other/1100000000.jpg"));  // a folder where an image goes
    session_.ImageFolder = DataPath("films");
    prompts_.QueueSaveFile(DataPath("other"));
    app::SaveAsCommand(session_, services_);
    EXPECT_EQ(LastMessage().text, "Error copying image:\n" + DataPath("other/1100000000.jpg") +
                                      ".\nIs a directory.\n\n1 of 3 images were not copied.");
    EXPECT_EQ(ReadFileBytes(DataPath("other/1100000100.gif")), "gif bytes");
}

// ---- Save As over a protected database ----

class SaveAsProtectedTest : public AppTest {
  protected:
    void SetUp() override {
        login_.ExpectWindow({Step::Ok("me", "mine")});
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        session_.Modified = true;
    }
    void ExpectOwnDatabaseUnchanged() {
        EXPECT_EQ(session_.CurrentDatabasePath, main_);
        EXPECT_EQ(session_.Accounts, own_accounts_);
        EXPECT_EQ(session_.AccessLevel, app::kReadOnlyAccess);
        EXPECT_TRUE(session_.Modified);
        // A later save of the open database still writes its own accounts.
        app::SaveCommand(session_, services_);
        EXPECT_EQ(AccountsInFile(main_ + "a"), own_accounts_);
    }

    const Accounts own_accounts_{Administrator("boss", "b"), Guest("me", "mine")};
    std::string main_ = WriteDatabase("own.rdk", Protected(own_accounts_));
    std::string target_ = WriteDatabase("locked.rdk", OneFilm(kAnnAndGuest));
};

TEST_F(SaveAsProtectedTest, WithoutTheTargetsAdministratorNothingIsWritten) {
    for (const ScriptedLogin::Step& login : {ScriptedLogin::Cancel(), Step::Ok("guest", "look")}) {
        session_.Modified = true;
        const auto before = Snapshot(temp_.path());
        prompts_.QueueSaveFile(target_);
        login_.ExpectWindow({login});
        app::SaveAsCommand(session_, services_);
        const ScriptedPrompts::Shown& denied = LastMessage();
        EXPECT_EQ(denied.text,
                  "The database you are attempting to overwrite\nis password protected. Contact "
                  "or login as the\nadministrator of the database you are attempting\nto "
                  "overwrite before trying again");
        EXPECT_EQ(denied.title, "Access Denied");
        EXPECT_EQ(denied.icon, Icon::kError);
        EXPECT_EQ(Snapshot(temp_.path()), before);
        ExpectOwnDatabaseUnchanged();
    }
}

TEST_F(SaveAsProtectedTest, TheTargetsAdministratorOverwritesItAndItKeepsItsAccounts) {
    prompts_.QueueSaveFile(target_);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    app::SaveAsCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(session_.CurrentDatabasePath, target_);
    EXPECT_EQ(session_.Accounts, kAnnAndGuest);
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_EQ(session_.CurrentUserName, "Ann");
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(AccountsInFile(target_ + "a"), kAnnAndGuest);
    EXPECT_EQ(AccountsInFile(main_ + "a"), own_accounts_);

    // Credentials that already administer a target need no login.
    const std::string shared =
        WriteDatabase("shared.rdk", Protected({Guest("x", "y"), Administrator("Ann", "secret")}));
    prompts_.QueueSaveFile(shared);
    app::SaveAsCommand(session_, services_);
    EXPECT_EQ(login_.Shown(), 2);
    EXPECT_EQ(session_.CurrentDatabasePath, shared);
    EXPECT_EQ(session_.Accounts, (Accounts{Guest("x", "y"), Administrator("Ann", "secret")}));
}

TEST_F(SaveAsProtectedTest, ATargetWhoseAccountsCannotBeReadIsNeverReplaced) {
    fs::remove(target_ + "a");
    fs::create_directory(target_ + "a");
    const auto before = Snapshot(temp_.path());
    prompts_.QueueSaveFile(target_);
    app::SaveAsCommand(session_, services_);
    prompts_.QueueSaveFile(target_);
    app::NewCommand(session_, services_);
    EXPECT_EQ(Messages(),
              Texts(2, "Error opening database:\n" + target_ + "a.\nInput/output error."));
    EXPECT_EQ(login_.Shown(), 1);  // the open database's own login only
    EXPECT_EQ(Snapshot(temp_.path()), before);
    ExpectOwnDatabaseUnchanged();
}

TEST_F(SaveAsProtectedTest, AFailedWriteAfterTheCheckRestoresTheOpenDatabasesAccounts) {
    fs::remove(target_ + "h");
    fs::create_directory(target_ + "h");
    prompts_.QueueSaveFile(target_);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    app::SaveAsCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{"Error saving video list header information:\n" + target_ +
                                 "h.\nIs a directory."}));
    EXPECT_EQ(AccountsInFile(target_ + "a"), kAnnAndGuest);
    ExpectOwnDatabaseUnchanged();
}

}  // namespace
