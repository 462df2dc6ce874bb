#include "app/database_commands.h"
#include "app_test.h"
#include "core/accounts_file.h"

namespace {

class NewCommandTest : public AppTest {
  protected:
    // Opens films.rdk and changes it without saving.
    void OpenChangedDatabase(const DatabaseContent& content) {
        ASSERT_NO_FATAL_FAILURE(Open(main_ = WriteDatabase("films.rdk", content)));
        Change();
    }

    std::string main_;
};

TEST_F(NewCommandTest, CreatesAnEmptyDatabaseAndOpensIt) {
    const std::string old = WriteDatabase("old.rdk");
    ASSERT_NO_FATAL_FAILURE(Open(old));
    const auto before = Snapshot(temp_.path());
    prompts_.QueueSaveFile(std::nullopt);
    app::NewCommand(session_, services_);
    EXPECT_EQ(Snapshot(temp_.path()), before);

    prompts_.QueueSaveFile(DataPath("fresh"));
    app::NewCommand(session_, services_);  // the open database is unchanged: nothing is asked
    const ScriptedPrompts::Picker& picker = prompts_.Pickers().at(1);
    EXPECT_EQ(picker.kind + " " + picker.title + " " + picker.filter.label,
              "save New Reeldeck Database (*.rdk)");
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
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck - fresh.rdk - 0 Videos");
    EXPECT_EQ(recent_.NewestFirst(), (Texts{main, old}));
}

TEST_F(NewCommandTest, AFolderThatDoesNotExistIsReportedAndTheOpenDatabaseStays) {
    ASSERT_NO_FATAL_FAILURE(OpenChangedDatabase(ThreeFilms()));
    prompts_.QueueSaveFile(DataPath("nowhere/fresh"));
    app::NewCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{"Error creating database:\n" + DataPath("nowhere/fresh.rdk") +
                                 ".\nNo such file or directory."}));
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_FALSE(fs::exists(DataPath("nowhere")));
}

TEST_F(NewCommandTest, OverAProtectedDatabaseItsAdministratorKeepsItsAccounts) {
    const std::string target = WriteDatabase("locked.rdk", Protected());
    const std::string accounts = ReadFileBytes(target + "a");
    prompts_.QueueSaveFile(target);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    app::NewCommand(session_, services_);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(login_.Shown(), 1);  // opening it logs in with the same credentials
    EXPECT_EQ(ReadFileBytes(target + "a"), accounts);
    EXPECT_EQ(ReadFileBytes(target), "");
    EXPECT_EQ(session_.CurrentDatabasePath, target);
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(session_.Accounts, kAnnAndGuest);
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
}

TEST_F(NewCommandTest, OverAProtectedDatabaseWithoutAnAdministratorLoginNothingIsWritten) {
    ASSERT_NO_FATAL_FAILURE(OpenChangedDatabase(ThreeFilms()));
    const std::string target = WriteDatabase("locked.rdk", Protected());
    const auto before = Snapshot(temp_.path());
    for (const ScriptedLogin::Step& login : {ScriptedLogin::Cancel(), Step::Ok("guest", "look")}) {
        prompts_.QueueSaveFile(target);
        login_.ExpectWindow({login});
        app::NewCommand(session_, services_);
        const ScriptedPrompts::Shown& denied = LastMessage();
        EXPECT_EQ(denied.text,
                  "The database you are attempting to create already exists and\nis password "
                  "protected. Contact or login as the administrator\nof the database you are "
                  "attempting to overwrite before trying\nagain");
        EXPECT_EQ(denied.title, "Access Denied");
        EXPECT_EQ(denied.icon, Icon::kError);
        EXPECT_EQ(Snapshot(temp_.path()), before);
        EXPECT_EQ(session_.CurrentDatabasePath, main_);
        EXPECT_TRUE(session_.Accounts.empty());
        EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
        EXPECT_TRUE(session_.Modified);
    }
}

TEST_F(NewCommandTest, CancelInTheSavePromptKeepsTheOpenDatabaseButTheNewFilesExist) {
    const Accounts own = {Administrator("boss", "b"), Guest("me", "mine")};
    login_.ExpectWindow({Step::Ok("me", "mine")});
    ASSERT_NO_FATAL_FAILURE(OpenChangedDatabase(Protected(own)));
    const std::string target = WriteDatabase("locked.rdk", Protected());
    prompts_.QueueSaveFile(target);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    prompts_.QueueAnswer(Answer::kCancel);
    app::NewCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{"Save changes to films.rdk?"}));
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_TRUE(session_.Modified);
    EXPECT_EQ(session_.Wanted.Titles(), (Texts{"Dune", "Heat", "Ran"}));
    EXPECT_EQ(session_.Accounts, own);
    EXPECT_EQ(session_.AccessLevel, app::kReadOnlyAccess);
    EXPECT_EQ(ReadFileBytes(target), "");  // the new database was already created
}

TEST_F(NewCommandTest, YesSavesTheProtectedDatabaseWithItsOwnAccountsFirst) {
    login_.ExpectWindow({Step::Ok("me", "mine")});
    ASSERT_NO_FATAL_FAILURE(OpenChangedDatabase(Protected({Administrator("me", "mine")})));
    prompts_.QueueSaveFile(DataPath("fresh"));
    prompts_.QueueAnswer(Answer::kYes);
    app::NewCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{"Save changes to films.rdk?"}));
    EXPECT_EQ(ReadFileBytes(main_ + "w"), "Dune\nHeat\nRan\n");
    EXPECT_EQ(AccountsInFile(main_ + "a"), (Accounts{Administrator("me", "mine")}));
    EXPECT_EQ(session_.CurrentDatabasePath, DataPath("fresh.rdk"));
    EXPECT_TRUE(session_.Accounts.empty());
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_FALSE(session_.Modified);
}

}  // namespace
