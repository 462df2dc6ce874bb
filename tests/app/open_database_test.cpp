#include <filesystem>

#include "app/database_commands.h"
#include "app_test.h"
#include "core/database_files.h"

namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using Texts = std::vector<std::string>;
using Step = ScriptedLogin;

class OpenDatabaseTest : public AppTest {};

TEST_F(OpenDatabaseTest, LoadsListsSortStateImageFolderAndTitle) {
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    ASSERT_NO_FATAL_FAILURE(Open(main));

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(login_.Shown(), 0);
    EXPECT_EQ(session_.CurrentDatabasePath, main);
    EXPECT_EQ(session_.ImageFolder, DataPath("films"));
    EXPECT_FALSE(session_.Modified);
    EXPECT_TRUE(session_.LoggedIn);
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_TRUE(session_.Accounts.empty());
    EXPECT_EQ(session_.Videos.ColumnCount(), 23);
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Alien", "Brazil", "Casablanca"}));
    EXPECT_EQ(ColumnCells("#"), (Texts{"1", "2", "3"}));
    EXPECT_EQ(WantedTitles(), (Texts{"Dune", "Heat"}));
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck - films.rdk - 3 Videos");
    EXPECT_EQ(recent_.Entries(), (Texts{main}));
}

TEST_F(OpenDatabaseTest, SortsByTheStoredColumnAndDirectionAndRenumbers) {
    DatabaseContent content = ThreeFilms();
    content.sort = {4, 0};  // Year, descending
    ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("films.rdk", content)));
    EXPECT_EQ(ColumnCells("Year"), (Texts{"1985", "1979", "1942"}));
    EXPECT_EQ(ColumnCells("#"), (Texts{"1", "2", "3"}));
    EXPECT_EQ(session_.Sort, (core::SortState{4, 0}));
}

TEST_F(OpenDatabaseTest, MissingHeaderIsRegeneratedFromTheDefaultHeader) {
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    fs::remove(main + "h");
    ASSERT_NO_FATAL_FAILURE(Open(main));

    ASSERT_EQ(prompts_.Messages().size(), 1u);
    const ScriptedPrompts::Shown& shown = prompts_.Messages()[0];
    EXPECT_EQ(shown.text, "Error opening video list header settings file:\n" + main +
                              "h.\nNo such file or directory.\n\nA new one has been generated.");
    EXPECT_EQ(shown.title, "Error");
    EXPECT_EQ(shown.buttons, Buttons::kOk);
    EXPECT_EQ(shown.icon, Icon::kError);
    EXPECT_EQ(ReadFileBytes(main + "h"), ReadFileBytes(paths_.default_header));
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Alien", "Brazil", "Casablanca"}));
}

TEST_F(OpenDatabaseTest, HeaderWithoutAColumnTableIsRegeneratedToo) {
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    WriteFileBytes(main + "h", "not\na\nheader\n");
    ASSERT_NO_FATAL_FAILURE(Open(main));
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text.rfind(
                  "Error opening video list header settings file:\n" + main + "h.\n", 0),
              0u);
    EXPECT_EQ(ReadFileBytes(main + "h"), ReadFileBytes(paths_.default_header));
    EXPECT_EQ(session_.Videos.RowCount(), 3);
}

TEST_F(OpenDatabaseTest, MissingWantedFileIsCreatedEmpty) {
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    fs::remove(main + "w");
    ASSERT_NO_FATAL_FAILURE(Open(main));

    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, "Error opening wanted video database:\n" + main +
                                               "w.\nNo such file or directory.\n\nA new one "
                                               "has been created.");
    EXPECT_EQ(prompts_.Messages()[0].title, "Error");
    EXPECT_EQ(prompts_.Messages()[0].icon, Icon::kError);
    ASSERT_TRUE(fs::is_regular_file(main + "w"));
    EXPECT_EQ(fs::file_size(main + "w"), 0u);
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(session_.Videos.RowCount(), 3);
}

TEST_F(OpenDatabaseTest, EmptyWantedFileGivesAnEmptyListWithoutAMessage) {
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    WriteFileBytes(main + "w", "");
    ASSERT_NO_FATAL_FAILURE(Open(main));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(session_.Wanted.Count(), 0);
}

TEST_F(OpenDatabaseTest, MissingMainFileOpensNothingAndCreatesNothing) {
    const std::string main = DataPath("gone.rdk");
    const auto before = Snapshot(temp_.path());
    EXPECT_EQ(app::OpenDatabase(session_, services_, main), -1);

    EXPECT_EQ(Messages(),
              (Texts{"Error opening database:\n" + main + ".\nNo such file or directory."}));
    EXPECT_EQ(prompts_.Messages()[0].title, "Error");
    EXPECT_FALSE(session_.IsOpen());
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck");
    EXPECT_EQ(session_.Videos.ColumnCount(), 0);
    EXPECT_TRUE(recent_.Entries().empty());
    EXPECT_EQ(Snapshot(temp_.path()), before);
}

TEST_F(OpenDatabaseTest, MissingMainFileLeavesItsCompanionsAlone) {
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    fs::remove(main);
    fs::remove(main + "h");
    const auto before = Snapshot(temp_.path());
    EXPECT_EQ(app::OpenDatabase(session_, services_, main), -1);
    EXPECT_EQ(Messages(),
              (Texts{"Error opening database:\n" + main + ".\nNo such file or directory."}));
    EXPECT_EQ(Snapshot(temp_.path()), before);
}

// A stored image folder that cannot be used falls back to the default folder, which is created.
class ImageFolderFallbackTest : public AppTest,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(ImageFolderFallbackTest, UsesAndCreatesTheDefaultFolder) {
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    fs::remove(DataPath("films"));
    const std::string how = GetParam();
    if (how == "image path file missing") fs::remove(main + "i");
    if (how == "stored folder missing") WriteFileBytes(main + "i", "/elsewhere/moved/films");
    ASSERT_NO_FATAL_FAILURE(Open(main));
    EXPECT_EQ(session_.ImageFolder, DataPath("films"));
    EXPECT_TRUE(fs::is_directory(DataPath("films")));
    EXPECT_TRUE(fs::is_empty(DataPath("films")));
    EXPECT_TRUE(Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(OpenDatabase, ImageFolderFallbackTest,
                         ::testing::Values("image path file missing", "stored folder missing"));

TEST_F(OpenDatabaseTest, UsesAStoredImageFolderThatExists) {
    DatabaseContent content = ThreeFilms();
    content.image_folder = DataPath("pictures");
    const std::string main = WriteDatabase("films.rdk", content);
    ASSERT_NO_FATAL_FAILURE(Open(main));
    EXPECT_EQ(session_.ImageFolder, DataPath("pictures"));
    EXPECT_FALSE(fs::exists(DataPath("films")));
}

TEST_F(OpenDatabaseTest, LeadingArticlesMoveBackWhenConfigured) {
    DatabaseContent content = ThreeFilms();
    content.films.push_back({"1100000300", "The Matrix", "1999"});
    content.wanted.push_back("The Thing");
    config_.place_the_in_back = true;
    ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("films.rdk", content)));
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Alien", "Brazil", "Casablanca", "Matrix, The"}));
    EXPECT_EQ(WantedTitles(), (Texts{"Dune", "Heat", "Thing, The"}));
}

// ---- Protected databases ----

class OpenProtectedTest : public AppTest {
  protected:
    std::string main_ = WriteDatabase("films.rdk", ProtectedFilms());
};

TEST_F(OpenProtectedTest, AdministratorLogsInWithFullAccess) {
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(login_.Shown(), 1);
    EXPECT_TRUE(session_.LoggedIn);
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_EQ(session_.CurrentUserName, "Ann");
    EXPECT_EQ(session_.CurrentPassword, "secret");
    EXPECT_EQ(session_.Accounts, ProtectedFilms().accounts);
    EXPECT_EQ(app::UserStatusText(session_), "User: Ann [administrator]");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(OpenProtectedTest, GuestGetsReadOnlyAccess) {
    login_.ExpectWindow({Step::Ok("guest", "look")});
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(session_.AccessLevel, app::kReadOnlyAccess);
    EXPECT_TRUE(session_.ReadOnly());
    EXPECT_FALSE(session_.CanChange());
    EXPECT_EQ(app::UserStatusText(session_), "User: guest [guest]");
}

TEST_F(OpenProtectedTest, WrongPasswordIsRefusedUntilTheRightOneIsTyped) {
    login_.ExpectWindow({Step::Ok("Ann", "Secret"), Step::Ok("Ann", "secret")});
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(login_.Shown(), 1);
    EXPECT_EQ(Messages(), (Texts{"Incorrect username or password. (Both are case-sensative)"}));
    EXPECT_EQ(prompts_.Messages()[0].title, "Access Denied");
    EXPECT_EQ(session_.CurrentPassword, "secret");
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
}

TEST_F(OpenProtectedTest, UserNamesAreCaseSensitive) {
    login_.ExpectWindow({Step::Ok("ann", "secret"), Step::Ok("ANN", "secret"), Step::Cancel()});
    EXPECT_EQ(app::OpenDatabase(session_, services_, main_), -1);
    EXPECT_EQ(prompts_.Messages().size(), 2u);
    EXPECT_FALSE(session_.LoggedIn);
}

TEST_F(OpenProtectedTest, CancelledLoginOpensNothing) {
    login_.ExpectWindow({Step::Cancel()});
    EXPECT_EQ(app::OpenDatabase(session_, services_, main_), -1);
    EXPECT_FALSE(session_.IsOpen());
    EXPECT_FALSE(session_.LoggedIn);
    EXPECT_EQ(session_.AccessLevel, app::kNoAccess);
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck");
    EXPECT_EQ(session_.Videos.ColumnCount(), 0);
    EXPECT_EQ(session_.Videos.RowCount(), 0);
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_TRUE(session_.Accounts.empty());
    EXPECT_TRUE(recent_.Entries().empty());
    EXPECT_EQ(app::UserStatusText(session_), "Not logged in");
}

TEST_F(OpenProtectedTest, SameCredentialsOpenAnotherDatabaseWithoutAsking) {
    DatabaseContent other = ThreeFilms();
    other.accounts = {Guest("zoe", "z"), Guest("Ann", "secret")};
    const std::string second = WriteDatabase("other.rdk", other);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    app::CloseDatabase(session_);

    ASSERT_NO_FATAL_FAILURE(Open(second));
    EXPECT_EQ(login_.Shown(), 1);
    EXPECT_EQ(session_.AccessLevel, app::kReadOnlyAccess);  // the level of this database's account
    EXPECT_EQ(session_.Accounts, other.accounts);
}

TEST_F(OpenProtectedTest, CredentialsWithoutAMatchingAccountAskAgain) {
    DatabaseContent other = ThreeFilms();
    other.accounts = {Administrator("Ann", "different")};
    const std::string second = WriteDatabase("other.rdk", other);
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    login_.ExpectWindow({Step::Ok("Ann", "different")});
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    app::CloseDatabase(session_);
    ASSERT_NO_FATAL_FAILURE(Open(second));
    EXPECT_EQ(login_.Shown(), 2);
    EXPECT_EQ(session_.CurrentPassword, "different");
}

TEST_F(OpenProtectedTest, HintRecoversThePasswordForTheLogin) {
    DatabaseContent content = ProtectedFilms();
    content.accounts[0].HintQuestion = "Pet?";
    content.accounts[0].HintAnswer = "Rex";
    const std::string main = WriteDatabase("hinted.rdk", content);
    login_.ExpectWindow({Step::Hint("Ann", "rEX"), Step::Confirm()});
    ASSERT_NO_FATAL_FAILURE(Open(main));
    EXPECT_EQ(login_.RecoveredPasswords(), (Texts{"secret"}));
    EXPECT_EQ(session_.CurrentPassword, "secret");
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].title, "Access Granted");
}

TEST_F(OpenProtectedTest, AccountsFileThatCannotBeReadDoesNotOpenTheDatabaseToAll) {
    fs::remove(main_ + "a");
    fs::create_directory(main_ + "a");
    EXPECT_EQ(app::OpenDatabase(session_, services_, main_), -1);
    EXPECT_EQ(login_.Shown(), 0);
    EXPECT_FALSE(session_.IsOpen());
    EXPECT_FALSE(session_.LoggedIn);
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text.rfind("Error opening database:\n" + main_ + "a.\n", 0),
              0u);
}

TEST_F(OpenProtectedTest, EmptyAccountsFileMeansNoLogin) {
    WriteFileBytes(main_ + "a", "");
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(login_.Shown(), 0);
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
}

// ---- File > Open and the recent databases ----

class OpenCommandTest : public AppTest {
  protected:
    std::string first_ = WriteDatabase("first.rdk", ThreeFilms());
    std::string second_ = WriteDatabase("second.rdk", OneFilm());
};

TEST_F(OpenCommandTest, AsksForADatabaseFileAndOpensIt) {
    prompts_.QueueOpenFile(second_);
    app::OpenCommand(session_, services_);
    ASSERT_EQ(prompts_.Pickers().size(), 1u);
    EXPECT_EQ(prompts_.Pickers()[0].kind, "open");
    EXPECT_EQ(prompts_.Pickers()[0].title, "Open");
    EXPECT_EQ(prompts_.Pickers()[0].filter.label, "Reeldeck Database (*.rdk)");
    EXPECT_EQ(prompts_.Pickers()[0].filter.pattern, "*.rdk");
    EXPECT_EQ(session_.CurrentDatabasePath, second_);
    EXPECT_EQ(ColumnCells("Title"), (Texts{"Zulu"}));
}

TEST_F(OpenCommandTest, CancelledPickerOrMissingFileKeepsTheOpenDatabase) {
    ASSERT_NO_FATAL_FAILURE(Open(first_));
    session_.Modified = true;
    prompts_.QueueOpenFile(std::nullopt);
    app::OpenCommand(session_, services_);
    prompts_.QueueOpenFile(DataPath("missing.rdk"));
    app::OpenCommand(session_, services_);
    EXPECT_EQ(session_.CurrentDatabasePath, first_);
    EXPECT_TRUE(session_.Modified);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(OpenCommandTest, ChangesAreOfferedForSavingFirst) {
    ASSERT_NO_FATAL_FAILURE(Open(first_));
    session_.Wanted.Add("Ran");
    session_.Modified = true;
    prompts_.QueueOpenFile(second_);
    prompts_.QueueAnswer(Answer::kYes);
    app::OpenCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{"Save changes to first.rdk?"}));
    EXPECT_EQ(session_.CurrentDatabasePath, second_);
    EXPECT_FALSE(session_.Modified);
    EXPECT_EQ(ReadFileBytes(first_ + "w"), "Dune\nHeat\nRan\n");
}

TEST_F(OpenCommandTest, CancelInTheSavePromptKeepsTheOpenDatabase) {
    ASSERT_NO_FATAL_FAILURE(Open(first_));
    session_.Modified = true;
    prompts_.QueueOpenFile(second_);
    prompts_.QueueAnswer(Answer::kCancel);
    app::OpenCommand(session_, services_);
    EXPECT_EQ(session_.CurrentDatabasePath, first_);
    EXPECT_TRUE(session_.Modified);
    EXPECT_EQ(session_.Videos.RowCount(), 3);
}

TEST_F(OpenCommandTest, RecentDatabaseOpensAfterThePromptAndBecomesNewest) {
    ASSERT_NO_FATAL_FAILURE(Open(first_));
    app::OpenRecentCommand(session_, services_, second_);  // unchanged: nothing is asked
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(session_.CurrentDatabasePath, second_);
    EXPECT_EQ(recent_.NewestFirst(), (Texts{second_, first_}));
}

}  // namespace
