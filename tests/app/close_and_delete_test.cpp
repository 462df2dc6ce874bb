#include "app/database_commands.h"
#include "app_test.h"

namespace {

// A database that is open, with one change (the wanted title "Ran") that is not saved.
class CloseDatabaseTest : public AppTest {
  protected:
    void SetUp() override {
        login_.ExpectWindow({Step::Ok("Ann", "secret")});
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        Change();
    }

    std::string main_ = WriteDatabase("films.rdk", Protected());
};

enum class Leaving { kClose, kExit, kLogout };
// The answer to "Save changes to %s?", and for Yes whether the save can be written.
enum class Reply { kYes, kNo, kCancel, kYesButTheSaveFails };

class SaveChangesPromptTest : public CloseDatabaseTest,
                              public ::testing::WithParamInterface<std::tuple<Leaving, Reply>> {};

// Yes saves and No discards before the database is closed, the user logged out or the program
// ended; Cancel, and a Yes whose save fails, keep everything as it was.
TEST_P(SaveChangesPromptTest, IsAskedBeforeLeavingTheDatabase) {
    const auto [leaving, reply] = GetParam();
    const bool proceeds = reply == Reply::kYes || reply == Reply::kNo;
    if (reply == Reply::kYesButTheSaveFails) {
        fs::remove(main_ + "w");
        fs::create_directory(main_ + "w");  // the wanted file cannot be replaced
    }
    prompts_.QueueAnswer(reply == Reply::kNo       ? Answer::kNo
                         : reply == Reply::kCancel ? Answer::kCancel
                                                   : Answer::kYes);
    if (leaving == Leaving::kClose) {
        EXPECT_EQ(app::ConfirmCloseDatabase(session_, services_), proceeds ? 1 : 0);
    } else if (leaving == Leaving::kExit) {
        EXPECT_EQ(app::ConfirmExit(session_, services_), proceeds);
    } else {
        app::LogoutCommand(session_, services_);
    }
    const bool failed = reply == Reply::kYesButTheSaveFails;
    ASSERT_EQ(prompts_.Messages().size(), failed ? 2u : 1u);
    if (failed) {
        EXPECT_EQ(LastMessage().title, "Error");
    }
    const ScriptedPrompts::Shown& shown = prompts_.Messages().at(0);
    EXPECT_EQ(shown.text, "Save changes to films.rdk?");
    EXPECT_EQ(shown.title, "Reeldeck");
    EXPECT_EQ(shown.buttons, Buttons::kYesNoCancel);
    EXPECT_EQ(shown.icon, Icon::kWarning);
    const bool saved =
        fs::is_regular_file(main_ + "w") && ReadFileBytes(main_ + "w") == "Dune\nHeat\nRan\n";
    EXPECT_EQ(saved, reply == Reply::kYes);
    if (leaving == Leaving::kExit) return;
    EXPECT_EQ(session_.IsOpen(), !proceeds);
    EXPECT_EQ(session_.Modified, !proceeds);
    EXPECT_EQ(session_.Accounts, proceeds ? Accounts{} : kAnnAndGuest);
    EXPECT_EQ(app::UserStatusText(session_),
              proceeds ? "Not logged in" : "User: Ann [administrator]");
}

std::string LeavingAndReply(const ::testing::TestParamInfo<std::tuple<Leaving, Reply>>& info) {
    static const char* const kLeaving[] = {"Close", "Exit", "Logout"};
    static const char* const kReply[] = {"Yes", "No", "Cancel", "YesButTheSaveFails"};
    return std::string(kLeaving[static_cast<int>(std::get<0>(info.param))]) + "_" +
           kReply[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SaveChangesPromptTest,
    ::testing::Combine(::testing::Values(Leaving::kClose, Leaving::kExit, Leaving::kLogout),
                       ::testing::Values(Reply::kYes, Reply::kNo, Reply::kCancel,
                                         Reply::kYesButTheSaveFails)),
    LeavingAndReply);

TEST_F(AppTest, NothingIsAskedWithoutChangesAndLogoutWithoutAccountsKeepsTheDatabase) {
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("locked.rdk", Protected())));
    EXPECT_TRUE(app::ConfirmExit(session_, services_));
    EXPECT_EQ(app::ConfirmCloseDatabase(session_, services_), 1);
    EXPECT_EQ(app::ConfirmCloseDatabase(session_, services_), 1);  // nothing open
    EXPECT_FALSE(session_.IsOpen());

    const std::string main = WriteDatabase("films.rdk");
    ASSERT_NO_FATAL_FAILURE(Open(main));
    session_.Modified = true;
    EXPECT_EQ(app::UserStatusText(session_), "User: Ann [administrator]");
    app::LogoutCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(session_.CurrentPassword, "");
    EXPECT_EQ(app::UserStatusText(session_), "Not logged in");
    EXPECT_EQ(session_.CurrentDatabasePath, main);
    EXPECT_TRUE(session_.Modified);
}

TEST_F(CloseDatabaseTest, YesForAListReadFromAnotherKindOfFileClosesOnlyOnceItIsSavedAs) {
    session_.CurrentDatabasePath = DataPath("list.html");
    prompts_.QueueAnswer(Answer::kYes);
    prompts_.QueueSaveFile(std::nullopt);
    EXPECT_EQ(app::ConfirmCloseDatabase(session_, services_), 0);
    EXPECT_TRUE(session_.IsOpen() && session_.Modified);
    prompts_.QueueAnswer(Answer::kYes);
    prompts_.QueueSaveFile(DataPath("kept"));
    EXPECT_EQ(app::ConfirmCloseDatabase(session_, services_), 1);
    EXPECT_EQ(Messages(), (Texts{"Save changes to list.html?", "Save changes to list.html?"}));
    EXPECT_EQ(prompts_.Pickers().at(1).title, "Save As");
    EXPECT_EQ(ReadFileBytes(DataPath("kept.rdkw")), "Dune\nHeat\nRan\n");
    EXPECT_FALSE(session_.IsOpen());
}

TEST_F(CloseDatabaseTest, CloseForgetsTheDatabaseAndRemovesTheUndoFiles) {
    const std::string* undo_files[] = {&paths_.import_undo_videos, &paths_.import_undo_wanted,
                                       &paths_.replace_undo};
    for (const std::string* file : undo_files) WriteFileBytes(*file, "undo");
    fs::create_directories(paths_.import_undo_images);
    WriteFileBytes(paths_.import_undo_images + "/1.jpg", "image");
    app::CloseDatabase(session_);
    for (const std::string* file : undo_files) EXPECT_FALSE(fs::exists(*file)) << *file;
    // The image folder's undo copy goes with the list's: nothing can be undone any more.
    EXPECT_FALSE(fs::exists(paths_.import_undo_images));
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck");
    EXPECT_EQ(session_.ImageFolder, "");
    EXPECT_FALSE(session_.Modified || session_.LoggedIn);
    EXPECT_EQ(session_.AccessLevel, app::kNoAccess);
    EXPECT_TRUE(session_.Accounts.empty());
    EXPECT_EQ(session_.Videos.ColumnCount(), 0);
    EXPECT_EQ(session_.Wanted.Count(), 0);
    // The credentials stay for the next database.
    EXPECT_EQ(session_.CurrentUserName + "/" + session_.CurrentPassword, "Ann/secret");
}

// ---- Delete ----

class DeleteTest : public AppTest {
  protected:
    void SetUp() override {
        WriteFileBytes(DataPath("films/1100000000.jpg"), "image");
        WriteFileBytes(DataPath("films/orphan.gif"), "image");
        WriteFileBytes(DataPath("films/notes.txt"), "text");
        WriteFileBytes(DataPath("films.rdkz"), "not a companion");
        WriteFileBytes(DataPath("films.txt"), "not a companion");
        ASSERT_NO_FATAL_FAILURE(Open(other_));
        app::CloseDatabase(session_);
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        config_.prompt_before_delete = false;
    }

    std::string other_ = WriteDatabase("other.rdk", OneFilm());
    std::string main_ = WriteDatabase("films.rdk");
};

TEST_F(DeleteTest, ConfirmedDeletionRemovesTheFilesAndImagesAndClosesTheDatabase) {
    config_.prompt_before_delete = true;
    const auto before = Snapshot(temp_.path());
    prompts_.QueueAnswer(Answer::kCancel);
    app::DeleteDatabaseCommand(session_, services_);
    EXPECT_EQ(Snapshot(temp_.path()), before);
    EXPECT_EQ(session_.CurrentDatabasePath, main_);

    // Everything survives but the image folder and films.rdk with its one-letter companions.
    auto survivors = before;
    std::erase_if(survivors, [&](const auto& entry) {
        const std::string& path = entry.first;
        return path.starts_with(DataPath("films/")) ||
               (path.starts_with(main_) && path.size() <= main_.size() + 1 &&
                path != DataPath("films.rdkz"));
    });
    prompts_.QueueAnswer(Answer::kOk);
    app::DeleteDatabaseCommand(session_, services_);
    const ScriptedPrompts::Shown& shown = prompts_.Messages().at(1);
    EXPECT_EQ(shown.text,
              "Warning: This will delete the database \"films.rdk\"\nand all associated images "
              "and files.\n\nClick the OK button to confirm.");
    EXPECT_EQ(shown.title, "Confirm");
    EXPECT_EQ(shown.buttons, Buttons::kOkCancel);
    EXPECT_EQ(shown.icon, Icon::kWarning);
    EXPECT_EQ(Snapshot(temp_.path()), survivors);
    EXPECT_FALSE(fs::exists(DataPath("films")));
    EXPECT_FALSE(session_.IsOpen());
    EXPECT_EQ(recent_.Entries(), (Texts{other_}));
}

TEST_F(DeleteTest, LinksAreRemovedButNeverFollowedAndSubFoldersStay) {
    fs::create_directories(temp_ / "outside/folder");
    WriteFileBytes(temp_ / "outside/precious.jpg", "precious");
    WriteFileBytes(temp_ / "outside/folder/inner.jpg", "inner");
    WriteFileBytes(temp_ / "outside/1100000000.jpg", "a record's image, not this database's");
    fs::create_symlink(temp_ / "outside/precious.jpg", DataPath("films/1100000100.jpg"));
    fs::create_symlink(temp_ / "outside/folder", DataPath("films/linked"));
    fs::create_directory(DataPath("films/extra"));
    WriteFileBytes(DataPath("films/extra/1100000000.jpg"), "kept");
    const auto outside = Snapshot(temp_ / "outside");
    app::DeleteDatabaseCommand(session_, services_);
    EXPECT_EQ(Snapshot(temp_ / "outside"), outside);
    EXPECT_EQ(Snapshot(DataPath("films")), (std::map<std::string, std::string>{
                                               {DataPath("films/extra/"), ""},
                                               {DataPath("films/extra/1100000000.jpg"), "kept"}}));

    // An image folder that is itself a link keeps its target's files.
    fs::create_directory_symlink(temp_ / "outside", DataPath("linked"));
    DatabaseContent content = ThreeFilms();
    content.image_folder = DataPath("linked");
    const std::string main = WriteDatabase("linked.rdk", content);
    ASSERT_NO_FATAL_FAILURE(Open(main));
    app::DeleteDatabaseCommand(session_, services_);
    EXPECT_FALSE(fs::exists(main));
    EXPECT_EQ(Snapshot(temp_ / "outside"), outside);
}

}  // namespace
