#include <filesystem>

#include "app/database_commands.h"
#include "app_test.h"

namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Texts = std::vector<std::string>;
using Step = ScriptedLogin;

// A database that is open, with one change (the wanted title "Ran") that is not saved.
class CloseDatabaseTest : public AppTest {
  protected:
    void SetUp() override {
        main_ = WriteDatabase("films.rdk", ThreeFilms());
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        session_.Wanted.Add("Ran");
        session_.Modified = true;
    }

    bool Saved() const { return ReadFileBytes(main_ + "w") == "Dune\nHeat\nRan\n"; }

    void ExpectSavePrompt() const {
        ASSERT_EQ(prompts_.Messages().size(), 1u);
        const ScriptedPrompts::Shown& shown = prompts_.Messages()[0];
        EXPECT_EQ(shown.text, "Save changes to films.rdk?");
        EXPECT_EQ(shown.title, "Reeldeck");
        EXPECT_EQ(shown.buttons, Buttons::kYesNoCancel);
        EXPECT_EQ(shown.icon, Icon::kWarning);
    }

    std::string main_;
};

struct PromptCase {
    Answer answer;
    bool proceeds;  // the database is closed, or the program may end
    bool saved;
};

class ConfirmCloseTest : public CloseDatabaseTest,
                         public ::testing::WithParamInterface<PromptCase> {};

TEST_P(ConfirmCloseTest, AnswersToSaveChanges) {
    prompts_.QueueAnswer(GetParam().answer);
    EXPECT_EQ(app::ConfirmCloseDatabase(session_, services_), GetParam().proceeds ? 1 : 0);
    ExpectSavePrompt();
    EXPECT_EQ(Saved(), GetParam().saved);
    EXPECT_EQ(session_.IsOpen(), !GetParam().proceeds);
    EXPECT_EQ(session_.Modified, !GetParam().proceeds);
}

TEST_P(ConfirmCloseTest, AnswersToSaveChangesAtExit) {
    prompts_.QueueAnswer(GetParam().answer);
    EXPECT_EQ(app::ConfirmExit(session_, services_), GetParam().proceeds);
    ExpectSavePrompt();
    EXPECT_EQ(Saved(), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(ConfirmClose, ConfirmCloseTest,
                         ::testing::Values(PromptCase{Answer::kYes, true, true},
                                           PromptCase{Answer::kNo, true, false},
                                           PromptCase{Answer::kCancel, false, false}));

TEST_F(CloseDatabaseTest, NothingIsAskedWithoutChanges) {
    session_.Modified = false;
    EXPECT_TRUE(app::ConfirmExit(session_, services_));
    EXPECT_EQ(app::ConfirmCloseDatabase(session_, services_), 1);
    EXPECT_FALSE(session_.IsOpen());
    EXPECT_EQ(app::ConfirmCloseDatabase(session_, services_), 1);  // nothing open
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CloseDatabaseTest, YesForADatabaseReadFromAnotherKindOfFileAsksForANameThenCloses) {
    session_.CurrentDatabasePath = DataPath("list.html");  // as a list read from an HTML page
    prompts_.QueueAnswer(Answer::kYes);
    prompts_.QueueSaveFile(DataPath("kept"));
    EXPECT_EQ(app::ConfirmCloseDatabase(session_, services_), 1);
    EXPECT_EQ(Messages(), (Texts{"Save changes to list.html?"}));
    ASSERT_EQ(prompts_.Pickers().size(), 1u);
    EXPECT_EQ(prompts_.Pickers()[0].title, "Save As");
    EXPECT_EQ(ReadFileBytes(DataPath("kept.rdkw")), "Dune\nHeat\nRan\n");
    EXPECT_FALSE(session_.IsOpen());
}

TEST_F(CloseDatabaseTest, CloseForgetsTheDatabaseAndRemovesTheUndoFiles) {
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    app::CloseDatabase(session_);
    ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("locked.rdk", ProtectedFilms())));
    session_.Modified = true;
    fs::create_directories(paths_.folder + "/undo");
    fs::create_directories(paths_.import_undo_images);
    for (const std::string* file :
         {&paths_.import_undo_videos, &paths_.import_undo_wanted, &paths_.replace_undo}) {
        WriteFileBytes(*file, "undo");
    }
    WriteFileBytes(paths_.import_undo_images + "/1.jpg", "image");

    app::CloseDatabase(session_);

    EXPECT_FALSE(fs::exists(paths_.import_undo_videos));
    EXPECT_FALSE(fs::exists(paths_.import_undo_wanted));
    EXPECT_FALSE(fs::exists(paths_.replace_undo));
    EXPECT_TRUE(fs::exists(paths_.import_undo_images + "/1.jpg"));
    EXPECT_FALSE(session_.IsOpen());
    EXPECT_EQ(session_.CurrentDatabasePath, "");
    EXPECT_EQ(session_.ImageFolder, "");
    EXPECT_FALSE(session_.Modified);
    EXPECT_FALSE(session_.LoggedIn);
    EXPECT_EQ(session_.AccessLevel, app::kNoAccess);
    EXPECT_TRUE(session_.Accounts.empty());
    EXPECT_EQ(session_.Videos.ColumnCount(), 0);
    EXPECT_EQ(session_.Videos.RowCount(), 0);
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck");
    // The credentials stay for the next database.
    EXPECT_EQ(session_.CurrentUserName, "Ann");
    EXPECT_EQ(session_.CurrentPassword, "secret");
}

// ---- Delete ----

class DeleteTest : public AppTest {
  protected:
    void SetUp() override {
        other_ = WriteDatabase("other.rdk", OneFilm());
        main_ = WriteDatabase("films.rdk", ThreeFilms());
        WriteFileBytes(DataPath("films/1100000000.jpg"), "image");
        WriteFileBytes(DataPath("films/orphan.gif"), "image");
        WriteFileBytes(DataPath("films/notes.txt"), "text");
        WriteFileBytes(DataPath("films.rdkz"), "not a companion");
        WriteFileBytes(DataPath("films.txt"), "not a companion");
        ASSERT_NO_FATAL_FAILURE(Open(other_));
        app::CloseDatabase(session_);
        ASSERT_NO_FATAL_FAILURE(Open(main_));
    }

    // Everything on disk except what the deletion of films.rdk should remove.
    std::map<std::string, std::string> Survivors() const {
        std::map<std::string, std::string> files = Snapshot(temp_.path());
        std::erase_if(files, [&](const auto& entry) {
            const std::string& path = entry.first;
            return path.rfind(DataPath("films/"), 0) == 0 ||
                   (path.rfind(main_, 0) == 0 && path.size() <= main_.size() + 1 &&
                    path != DataPath("films.rdkz"));
        });
        return files;
    }

    std::string other_;
    std::string main_;
};

TEST_F(DeleteTest, ConfirmedDeletionRemovesTheFilesAndImagesAndClosesTheDatabase) {
    const auto survivors = Survivors();
    prompts_.QueueAnswer(Answer::kOk);
    app::DeleteDatabaseCommand(session_, services_);

    ASSERT_EQ(prompts_.Messages().size(), 1u);
    const ScriptedPrompts::Shown& shown = prompts_.Messages()[0];
    EXPECT_EQ(shown.text,
              "Warning: This will delete the database \"films.rdk\"\nand all associated images "
              "and files.\n\nClick the OK button to confirm.");
    EXPECT_EQ(shown.title, "Confirm");
    EXPECT_EQ(shown.buttons, Buttons::kOkCancel);
    EXPECT_EQ(shown.icon, Icon::kWarning);
    EXPECT_FALSE(fs::exists(DataPath("films")));
    EXPECT_EQ(Snapshot(temp_.path()), survivors);
    EXPECT_FALSE(session_.IsOpen());
    EXPECT_EQ(recent_.Entries(), (Texts{other_}));
}

TEST_F(DeleteTest, CancelDeletesNothing) {
    const auto before = Snapshot(temp_.path());
    prompts_.QueueAnswer(Answer::kCancel);
    app::DeleteDatabaseCommand(session_, services_);
    EXPECT_EQ(Snapshot(temp_.path()), before);
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_EQ(recent_.Entries(), (Texts{other_, main_}));
}

TEST_F(DeleteTest, WithoutConfirmationDeletesAtOnce) {
    config_.prompt_before_delete = false;
    const auto survivors = Survivors();
    app::DeleteDatabaseCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Snapshot(temp_.path()), survivors);
    EXPECT_FALSE(session_.IsOpen());
}

TEST_F(DeleteTest, SubFoldersOfTheImageFolderStay) {
    config_.prompt_before_delete = false;
    fs::create_directory(DataPath("films/extra"));
    WriteFileBytes(DataPath("films/extra/1100000000.jpg"), "kept");
    app::DeleteDatabaseCommand(session_, services_);
    EXPECT_EQ(Snapshot(DataPath("films")), (std::map<std::string, std::string>{
                                               {DataPath("films/extra/"), ""},
                                               {DataPath("films/extra/1100000000.jpg"), "kept"}}));
}

TEST_F(DeleteTest, LinksInTheImageFolderAreRemovedButNotFollowed) {
    config_.prompt_before_delete = false;
    fs::create_directories(temp_ / "outside/folder");
    WriteFileBytes(temp_ / "outside/precious.jpg", "precious");
    WriteFileBytes(temp_ / "outside/folder/inner.jpg", "inner");
    fs::create_symlink(temp_ / "outside/precious.jpg", DataPath("films/1100000100.jpg"));
    fs::create_symlink(temp_ / "outside/folder", DataPath("films/linked"));
    const auto outside = Snapshot(temp_ / "outside");

    app::DeleteDatabaseCommand(session_, services_);
    EXPECT_FALSE(fs::exists(DataPath("films")));
    EXPECT_EQ(Snapshot(temp_ / "outside"), outside);
}

TEST_F(DeleteTest, ImageFolderThatIsALinkKeepsItsTargetsFiles) {
    config_.prompt_before_delete = false;
    fs::create_directories(temp_ / "shared");
    WriteFileBytes(temp_ / "shared/1100000000.jpg", "shared");
    fs::create_directory_symlink(temp_ / "shared", DataPath("linked"));
    DatabaseContent content = ThreeFilms();
    content.image_folder = DataPath("linked");
    const std::string main = WriteDatabase("linked.rdk", content);
    app::CloseDatabase(session_);
    ASSERT_NO_FATAL_FAILURE(Open(main));
    ASSERT_EQ(session_.ImageFolder, DataPath("linked"));

    app::DeleteDatabaseCommand(session_, services_);
    EXPECT_FALSE(fs::exists(main));
    EXPECT_EQ(ReadFileBytes(temp_ / "shared/1100000000.jpg"), "shared");
}

// ---- Logout ----

TEST_F(AppTest, LogoutWithoutAccountsForgetsTheCredentialsOnly) {
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("locked.rdk", ProtectedFilms())));
    app::CloseDatabase(session_);
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    ASSERT_NO_FATAL_FAILURE(Open(main));
    session_.Modified = true;
    EXPECT_EQ(app::UserStatusText(session_), "User: Ann [administrator]");

    app::LogoutCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(session_.CurrentUserName, "");
    EXPECT_EQ(session_.CurrentPassword, "");
    EXPECT_EQ(app::UserStatusText(session_), "Not logged in");
    EXPECT_EQ(session_.CurrentDatabasePath, main);
    EXPECT_TRUE(session_.Modified);
}

class LogoutTest : public AppTest, public ::testing::WithParamInterface<PromptCase> {
  protected:
    void SetUp() override {
        main_ = WriteDatabase("locked.rdk", ProtectedFilms());
        login_.ExpectWindow({Step::Ok("Ann", "secret")});
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        session_.Wanted.Add("Ran");
        session_.Modified = true;
    }
    std::string main_;
};

TEST_P(LogoutTest, WithAccountsOffersToSaveThenLogsOut) {
    prompts_.QueueAnswer(GetParam().answer);
    app::LogoutCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{"Save changes to locked.rdk?"}));
    EXPECT_EQ(ReadFileBytes(main_ + "w") == "Dune\nHeat\nRan\n", GetParam().saved);
    if (GetParam().proceeds) {
        EXPECT_FALSE(session_.IsOpen());
        EXPECT_FALSE(session_.LoggedIn);
        EXPECT_EQ(session_.AccessLevel, app::kNoAccess);
        EXPECT_TRUE(session_.Accounts.empty());
        EXPECT_EQ(session_.CurrentUserName, "");
        EXPECT_EQ(session_.CurrentPassword, "");
        EXPECT_EQ(app::UserStatusText(session_), "Not logged in");
    } else {
        EXPECT_EQ(session_.CurrentDatabasePath, main_);
        EXPECT_TRUE(session_.LoggedIn);
        EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
        EXPECT_EQ(session_.Accounts, ProtectedFilms().accounts);
        EXPECT_EQ(session_.CurrentUserName, "Ann");
    }
}

INSTANTIATE_TEST_SUITE_P(Logout, LogoutTest,
                         ::testing::Values(PromptCase{Answer::kYes, true, true},
                                           PromptCase{Answer::kNo, true, false},
                                           PromptCase{Answer::kCancel, false, false}));

}  // namespace
