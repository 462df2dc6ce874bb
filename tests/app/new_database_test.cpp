#include <filesystem>

#include "app/database_commands.h"
#include "app_test.h"
#include "core/accounts_file.h"

namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Texts = std::vector<std::string>;
using Step = ScriptedLogin;

const char kCreateDenied[] =
    "The database you are attempting to create already exists and\nis password protected. "
    "Contact or login as the administrator\nof the database you are attempting to overwrite "
    "before trying\nagain";

class NewCommandTest : public AppTest {
  protected:
    // A database that is open, with a change that is not saved.
    void OpenChangedDatabase(const DatabaseContent& content) {
        main_ = WriteDatabase("films.rdk", content);
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        session_.Wanted.Add("Ran");
        session_.Modified = true;
    }

    std::string main_;
};

TEST_F(NewCommandTest, CreatesAnEmptyDatabaseAndOpensIt) {
    prompts_.QueueSaveFile(DataPath("fresh"));
    app::NewCommand(session_, services_);

    ASSERT_EQ(prompts_.Pickers().size(), 1u);
    EXPECT_EQ(prompts_.Pickers()[0].kind, "save");
    EXPECT_EQ(prompts_.Pickers()[0].title, "New");
    EXPECT_EQ(prompts_.Pickers()[0].filter.label, "Reeldeck Database (*.rdk)");
    EXPECT_TRUE(Messages().empty());
    const std::string main = DataPath("fresh.rdk");
    EXPECT_EQ(ReadFileBytes(main), "");
    EXPECT_EQ(ReadFileBytes(main + "w"), "");
    EXPECT_EQ(ReadFileBytes(main + "s"), "11\n1");
    EXPECT_EQ(ReadFileBytes(main + "i"), DataPath("fresh"));
    EXPECT_EQ(ReadFileBytes(main + "h"), ReadFileBytes(paths_.default_header));
    EXPECT_FALSE(fs::exists(main + "a"));
    EXPECT_TRUE(fs::is_directory(DataPath("fresh")));

    EXPECT_EQ(session_.CurrentDatabasePath, main);
    EXPECT_EQ(session_.ImageFolder, DataPath("fresh"));
    EXPECT_EQ(session_.Videos.ColumnCount(), 23);
    EXPECT_EQ(session_.Videos.RowCount(), 0);
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck - fresh.rdk - 0 Videos");
    EXPECT_EQ(recent_.Entries(), (Texts{main}));
}

TEST_F(NewCommandTest, CancelledPickerCreatesNothing) {
    const auto before = Snapshot(temp_.path());
    prompts_.QueueSaveFile(std::nullopt);
    app::NewCommand(session_, services_);
    EXPECT_EQ(Snapshot(temp_.path()), before);
    EXPECT_FALSE(session_.IsOpen());
}

TEST_F(NewCommandTest, FolderThatDoesNotExistIsReportedAndTheOpenDatabaseStays) {
    main_ = WriteDatabase("films.rdk", ThreeFilms());
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    prompts_.QueueSaveFile(DataPath("nowhere/fresh"));
    app::NewCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{"Error creating database:\n" + DataPath("nowhere/fresh.rdk") +
                                 ".\nNo such file or directory."}));
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_FALSE(fs::exists(DataPath("nowhere")));
}

TEST_F(NewCommandTest, OverAProtectedDatabaseKeepsItsAccounts) {
    const std::string target = WriteDatabase("locked.rdk", ProtectedFilms());
    const std::string accounts = ReadFileBytes(target + "a");
    prompts_.QueueSaveFile(target);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    app::NewCommand(session_, services_);

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(login_.Shown(), 1);  // opening it logs in with the same credentials
    EXPECT_EQ(ReadFileBytes(target + "a"), accounts);
    EXPECT_EQ(ReadFileBytes(target), "");
    EXPECT_EQ(session_.CurrentDatabasePath, target);
    EXPECT_EQ(session_.Videos.RowCount(), 0);
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(session_.Accounts, ProtectedFilms().accounts);
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
}

class NewDeniedTest : public NewCommandTest,
                      public ::testing::WithParamInterface<ScriptedLogin::Step> {};

TEST_P(NewDeniedTest, OverAProtectedDatabaseWithoutAnAdministratorLogin) {
    ASSERT_NO_FATAL_FAILURE(OpenChangedDatabase(ThreeFilms()));
    const std::string target = WriteDatabase("locked.rdk", ProtectedFilms());
    const auto before = Snapshot(temp_.path());
    prompts_.QueueSaveFile(target);
    login_.ExpectWindow({GetParam()});
    app::NewCommand(session_, services_);

    ASSERT_FALSE(prompts_.Messages().empty());
    EXPECT_EQ(prompts_.Messages().back().text, kCreateDenied);
    EXPECT_EQ(prompts_.Messages().back().title, "Access Denied");
    EXPECT_EQ(prompts_.Messages().back().icon, Icon::kError);
    EXPECT_EQ(Snapshot(temp_.path()), before);
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_TRUE(session_.Accounts.empty());
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_TRUE(session_.Modified);
}

INSTANTIATE_TEST_SUITE_P(NewCommand, NewDeniedTest,
                         ::testing::Values(ScriptedLogin::Cancel(),
                                           ScriptedLogin::Ok("guest", "look")));

TEST_F(NewCommandTest, UnchangedDatabaseIsClosedWithoutAsking) {
    main_ = WriteDatabase("films.rdk", ThreeFilms());
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    prompts_.QueueSaveFile(DataPath("fresh.rdk"));
    app::NewCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(session_.CurrentDatabasePath, DataPath("fresh.rdk"));
    EXPECT_EQ(recent_.NewestFirst(), (Texts{DataPath("fresh.rdk"), main_}));
}

TEST_F(NewCommandTest, CancelInTheSavePromptKeepsTheOpenDatabaseButTheNewFilesExist) {
    DatabaseContent own = ThreeFilms();
    own.accounts = {Administrator("boss", "b"), Guest("me", "mine")};
    login_.ExpectWindow({Step::Ok("me", "mine")});
    ASSERT_NO_FATAL_FAILURE(OpenChangedDatabase(own));
    const std::string target = WriteDatabase("locked.rdk", ProtectedFilms());
    prompts_.QueueSaveFile(target);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    prompts_.QueueAnswer(Answer::kCancel);
    app::NewCommand(session_, services_);

    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, "Save changes to films.rdk?");
    EXPECT_EQ(prompts_.Messages()[0].buttons, Buttons::kYesNoCancel);
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_TRUE(session_.Modified);
    EXPECT_EQ(WantedTitles(), (Texts{"Dune", "Heat", "Ran"}));
    EXPECT_EQ(session_.Accounts, own.accounts);
    EXPECT_EQ(session_.AccessLevel, app::kReadOnlyAccess);
    EXPECT_EQ(ReadFileBytes(target), "");  // the new database was already created
    EXPECT_EQ(ReadFileBytes(target + "s"), "11\n1");
}

TEST_F(NewCommandTest, YesSavesTheProtectedDatabaseWithItsOwnAccountsFirst) {
    DatabaseContent own = ThreeFilms();
    own.accounts = {Administrator("me", "mine")};
    login_.ExpectWindow({Step::Ok("me", "mine")});
    ASSERT_NO_FATAL_FAILURE(OpenChangedDatabase(own));
    prompts_.QueueSaveFile(DataPath("fresh"));
    prompts_.QueueAnswer(Answer::kYes);
    app::NewCommand(session_, services_);

    EXPECT_EQ(Messages(), (Texts{"Save changes to films.rdk?"}));
    EXPECT_EQ(ReadFileBytes(main_ + "w"), "Dune\nHeat\nRan\n");
    std::vector<core::UserAccount> saved;
    core::ReadAccounts(saved, main_ + "a");
    EXPECT_EQ(saved, own.accounts);
    EXPECT_EQ(session_.CurrentDatabasePath, DataPath("fresh.rdk"));
    EXPECT_TRUE(session_.Accounts.empty());
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_FALSE(session_.Modified);
}

}  // namespace
