#include "app/database_commands.h"
#include "app_test.h"

namespace {

class OpenDatabaseTest : public AppTest {
  protected:
    std::string main_ = WriteDatabase("films.rdk");
};

TEST_F(OpenDatabaseTest, LoadsListsSortStateImageFolderAndTitle) {
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(session_.CurrentDatabasePath, main_);
    EXPECT_EQ(session_.ImageFolder, DataPath("films"));
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);  // no accounts: no login
    EXPECT_EQ(Cells("Title"), (Texts{"Alien", "Brazil", "Casablanca"}));
    EXPECT_EQ(session_.Wanted.Titles(), (Texts{"Dune", "Heat"}));
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck - films.rdk - 3 Videos");
    EXPECT_EQ(recent_.Entries(), (Texts{main_}));

    app::CloseDatabase(session_);
    DatabaseContent content = ThreeFilms();
    content.sort = {4, 0};  // Year, descending
    content.films.push_back({{"Title", "The Matrix"}, {"Year", "1999"}});
    content.wanted.push_back("The Thing");
    config_.place_the_in_back = true;
    ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("sorted.rdk", content)));
    EXPECT_EQ(Cells("Title"), (Texts{"Matrix, The", "Brazil", "Alien", "Casablanca"}));
    EXPECT_EQ(Cells("#"), (Texts{"1", "2", "3", "4"}));
    EXPECT_EQ(session_.Sort, (core::SortState{4, 0}));
    EXPECT_EQ(session_.Wanted.Titles(), (Texts{"Dune", "Heat", "Thing, The"}));
}

TEST_F(OpenDatabaseTest, AHeaderThatCannotBeReadIsReplacedByTheDefaultOne) {
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "No such file or directory"},
        {"not\na\nheader\n", "The file holds no column table"}};
    for (const auto& [bytes, reason] : cases) {
        fs::remove(main_ + "h");
        if (bytes) WriteFileBytes(main_ + "h", bytes);
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        EXPECT_EQ(Cells("Title").size(), 3u);
        app::CloseDatabase(session_);
        const ScriptedPrompts::Shown& shown = LastMessage();
        // A damaged header is kept beside, for the column layout it may still hold.
        const std::string kept = bytes ? "\nThe old file has been kept as " + main_ + "h.bad." : "";
        EXPECT_EQ(shown.text, "Error opening video list header settings file:\n" + main_ + "h.\n" +
                                  reason + ".\n\nA new one has been generated." + kept);
        EXPECT_EQ(shown.buttons, Buttons::kOk);
        EXPECT_EQ(shown.icon, Icon::kError);
        EXPECT_EQ(ReadFileBytes(main_ + "h"), ReadFileBytes(paths_.default_header));
        EXPECT_EQ(fs::exists(main_ + "h.bad"), bytes != nullptr);
        if (bytes) {
            EXPECT_EQ(ReadFileBytes(main_ + "h.bad"), bytes);
        }
    }
}

TEST_F(OpenDatabaseTest, AMissingWantedFileIsCreatedAndAnUnreadableOneLeftAlone) {
    fs::remove(main_ + "w");
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    app::CloseDatabase(session_);
    EXPECT_EQ(Messages(), (Texts{"Error opening wanted video database:\n" + main_ +
                                 "w.\nNo such file or directory.\n\nA new one has been created."}));
    EXPECT_EQ(ReadFileBytes(main_ + "w"), "");

    fs::remove(main_ + "w");
    fs::create_directory(main_ + "w");
    WriteFileBytes(main_ + "w/inside", "kept");
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(LastMessage().text,
              "Error opening wanted video database:\n" + main_ + "w.\nInput/output error.");
    EXPECT_EQ(ReadFileBytes(main_ + "w/inside"), "kept");
    EXPECT_EQ(session_.Wanted.Count(), 0);

    // One that cannot be created is not said to be: here its name leaves no room for the
    // temporary name it is written through.
    app::CloseDatabase(session_);
    fs::remove_all(main_ + "w");
    const std::string longest = DataPath(std::string(250, 'x') + ".rdk");
    for (const char* letter : {"", "a", "h", "i", "s"}) {
        if (fs::exists(main_ + letter)) fs::rename(main_ + letter, longest + letter);
    }
    ASSERT_NO_FATAL_FAILURE(Open(longest));
    EXPECT_EQ(LastMessage().text, "Error opening wanted video database:\n" + longest +
                                      "w.\nNo such file or directory.\n\nA new one could not be "
                                      "created:\n" +
                                      longest + "w.\nFile name too long.");
}

TEST_F(OpenDatabaseTest, AMissingMainFileOpensNothingAndRepairsNothing) {
    fs::remove(main_);
    fs::remove(main_ + "h");
    fs::remove(main_ + "w");
    const auto before = Snapshot(temp_.path());
    EXPECT_EQ(app::OpenDatabase(session_, services_, main_), -1);
    EXPECT_EQ(Messages(),
              (Texts{"Error opening database:\n" + main_ + ".\nNo such file or directory."}));
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck");
    EXPECT_TRUE(recent_.Entries().empty());
    EXPECT_EQ(Snapshot(temp_.path()), before);
}

TEST_F(OpenDatabaseTest, AStoredImageFolderIsUsedWhileItExists) {
    WriteFileBytes(main_ + "i", DataPath("pictures"));
    fs::create_directory(DataPath("pictures"));
    fs::remove(DataPath("films"));
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(session_.ImageFolder, DataPath("pictures"));
    EXPECT_FALSE(fs::exists(DataPath("films")));
    // A folder that is gone, or no image-path file, falls back to the default folder, created.
    for (bool file_missing : {false, true}) {
        app::CloseDatabase(session_);
        fs::remove(DataPath("pictures"));
        fs::remove(DataPath("films"));
        if (file_missing) fs::remove(main_ + "i");
        ASSERT_NO_FATAL_FAILURE(Open(main_));
        EXPECT_EQ(session_.ImageFolder, DataPath("films"));
        EXPECT_TRUE(fs::is_directory(DataPath("films")));
    }
    EXPECT_TRUE(Messages().empty());
}

// ---- Protected databases ----

class OpenProtectedTest : public AppTest {
  protected:
    std::string main_ = WriteDatabase("films.rdk", Protected());
};

TEST_F(OpenProtectedTest, TheAccountsLevelGivesFullOrReadOnlyAccess) {
    login_.ExpectWindow({Step::Ok("Ann", "secret")});
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
    EXPECT_EQ(session_.Accounts, kAnnAndGuest);
    EXPECT_EQ(app::UserStatusText(session_), "User: Ann [administrator]");
    EXPECT_TRUE(Messages().empty());

    // The last login opens the next database without asking where it matches an account there.
    app::CloseDatabase(session_);
    ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("same.rdk", Protected({Guest("Ann", "secret")}))));
    EXPECT_EQ(session_.AccessLevel, app::kReadOnlyAccess);
    EXPECT_FALSE(session_.CanChange());
    EXPECT_EQ(app::UserStatusText(session_), "User: Ann [guest]");
    app::CloseDatabase(session_);
    login_.ExpectWindow({Step::Ok("guest", "look")});
    ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("other.rdk", Protected({Guest("guest", "look")}))));
    EXPECT_EQ(login_.Shown(), 2);
    EXPECT_EQ(session_.CurrentUserName, "guest");
}

TEST_F(OpenProtectedTest, NamesAndPasswordsMustMatchExactly) {
    login_.ExpectWindow({Step::Ok("ann", "secret"), Step::Ok("Ann", "Secret"), Step::Cancel()});
    EXPECT_EQ(app::OpenDatabase(session_, services_, main_), -1);
    EXPECT_EQ(Messages(), Texts(2, "Incorrect username or password. (Both are case-sensative)"));
    EXPECT_EQ(prompts_.Messages().at(0).title, "Access Denied");
    EXPECT_FALSE(session_.IsOpen());
    EXPECT_EQ(session_.AccessLevel, app::kNoAccess);
    EXPECT_TRUE(session_.Accounts.empty());
    EXPECT_EQ(session_.Videos.ColumnCount(), 0);
    EXPECT_TRUE(recent_.Entries().empty());
    EXPECT_EQ(app::UserStatusText(session_), "Not logged in");
}

TEST_F(OpenProtectedTest, AHintRecoversThePassword) {
    Accounts accounts = kAnnAndGuest;
    accounts[0].HintQuestion = "Pet?";
    accounts[0].HintAnswer = "Rex";
    login_.ExpectWindow({Step::Hint("Ann", "Rexy"), Step::Hint("guest", "x"),
                         Step::Hint("Ann", "rEX"), Step::Confirm()});
    ASSERT_NO_FATAL_FAILURE(Open(WriteDatabase("hinted.rdk", Protected(accounts))));
    EXPECT_EQ(login_.RecoveredPasswords(), (Texts{"secret"}));
    EXPECT_EQ(Messages(),
              (Texts{"The answer given is incorrect. Please try again.",
                     "Unable to locate password hint information for the username entered.\n"
                     "Either there wasn't any information given when the user was added\n"
                     "or the username entered does not exist.\n\n"
                     "Please enter a different username and try again or try contacting\n"
                     "the administrator of the database you are attempting to open.",
                     "After logging in, your password can be updated by selecting\n"
                     "the settings option in the file menu and clicking the users\n"
                     "button on the database tab."}));
    std::string titles;
    for (const ScriptedPrompts::Shown& shown : prompts_.Messages()) titles += shown.title + ";";
    EXPECT_EQ(titles, "Access Denied;Reeldeck Help;Access Granted;");
}

TEST_F(OpenProtectedTest, AnAccountsFileThatCannotBeReadOpensNothing) {
    fs::remove(main_ + "a");
    fs::create_directory(main_ + "a");
    EXPECT_EQ(app::OpenDatabase(session_, services_, main_), -1);
    EXPECT_FALSE(session_.LoggedIn);
    EXPECT_EQ(prompts_.Messages().at(0).text.rfind("Error opening database:\n" + main_ + "a.\n", 0),
              0u);
    // An empty one means no accounts: no login.
    fs::remove(main_ + "a");
    WriteFileBytes(main_ + "a", "");
    ASSERT_NO_FATAL_FAILURE(Open(main_));
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
}

// ---- File > Open and the recent databases ----

TEST_F(AppTest, AFileThatIsNoDatabaseIsRefusedBeforeTheOpenOneIsClosed) {
    const std::string films = WriteDatabase("films.rdk");
    ASSERT_NO_FATAL_FAILURE(Open(films));
    Change();
    WriteFileBytes(DataPath("notes.txt"), "Shopping list\nmilk\n");
    WriteFileBytes(DataPath("picture.rdk"), std::string("\xFF\xD8\xFF\xE0\0\x10JFIF", 10));
    fs::copy_file(films, DataPath("renamed.txt"));
    const auto before = Snapshot(DataPath(""));
    // No answer is scripted: the save-changes prompt must not come.
    prompts_.QueueOpenFile(DataPath("notes.txt"));
    app::OpenCommand(session_, services_);
    app::OpenRecentCommand(session_, services_, DataPath("picture.rdk"));
    app::OpenRecentCommand(session_, services_, DataPath("renamed.txt"));
    const std::string not_a_database = ".\nThe file is not a Reeldeck database.";
    EXPECT_EQ(Messages(),
              (Texts{"Error opening database:\n" + DataPath("notes.txt") + not_a_database,
                     "Error opening database:\n" + DataPath("picture.rdk") + not_a_database,
                     "Error opening database:\n" + DataPath("renamed.txt") +
                         ".\nThe name of a database file ends in \".rdk\"."}));
    EXPECT_EQ(session_.CurrentDatabasePath, films);
    EXPECT_TRUE(session_.Modified);

    // Nor is anything created beside it when it is opened with no database open.
    app::CloseDatabase(session_);
    EXPECT_EQ(app::OpenDatabase(session_, services_, DataPath("picture.rdk")), -1);
    EXPECT_EQ(Snapshot(DataPath("")), before);
}

TEST_F(AppTest, OpenAsksForADatabaseFileAndOffersToSaveChangesFirst) {
    const std::string first = WriteDatabase("first.rdk"), second = WriteDatabase("second.rdk");
    ASSERT_NO_FATAL_FAILURE(Open(first));
    app::OpenRecentCommand(session_, services_, second);  // unchanged: nothing is asked
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(session_.CurrentDatabasePath, second);
    EXPECT_EQ(recent_.NewestFirst(), (Texts{second, first}));

    const std::string zulu = WriteDatabase("zulu.rdk", OneFilm());
    Change();
    prompts_.QueueOpenFile(std::nullopt);
    prompts_.QueueOpenFile(DataPath("missing.rdk"));
    prompts_.QueueOpenFile(zulu);
    prompts_.QueueAnswer(Answer::kCancel);
    prompts_.QueueOpenFile(zulu);
    prompts_.QueueAnswer(Answer::kYes);
    for (int i = 0; i < 3; ++i) {
        app::OpenCommand(session_, services_);
        EXPECT_EQ(session_.CurrentDatabasePath, second);  // a cancelled picker or prompt
        EXPECT_TRUE(session_.Modified);
    }
    app::OpenCommand(session_, services_);
    const ScriptedPrompts::Picker& picker = prompts_.Pickers().at(3);
    EXPECT_EQ(picker.kind + " " + picker.title, "open Open");
    EXPECT_EQ(picker.filter.label, "Reeldeck Database (*.rdk)");
    EXPECT_EQ(picker.filter.pattern, "*.rdk");
    EXPECT_EQ(Messages(), Texts(2, "Save changes to second.rdk?"));
    EXPECT_EQ(ReadFileBytes(second + "w"), "Dune\nHeat\nRan\n");
    EXPECT_EQ(session_.CurrentDatabasePath, zulu);
    EXPECT_EQ(Cells("Title"), (Texts{"Zulu"}));
    EXPECT_FALSE(session_.Modified);
}

}  // namespace
