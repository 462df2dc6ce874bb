#include "app/users_window.h"

#include <gtest/gtest.h>

#include "app/database_commands.h"
#include "app_test.h"
#include "scripted_prompts.h"

namespace {

using Field = app::UsersWindow::Field;
using platform::Icon;
using Texts = std::vector<std::string>;
using Step = ScriptedLogin;

const char kFull[] = "Full Access";
const char kReadOnly[] = "Read Only Access";

std::vector<core::UserAccount> TwoAccounts() {
    return {{"ann", "a1", core::kFullAccess, "Pet?", "Rex"},
            {"Bob", "b2", core::kReadOnlyAccess, "Town?", "Oslo"}};
}

Texts Names(const std::vector<core::UserAccount>& accounts) {
    Texts names;
    for (const core::UserAccount& account : accounts) names.push_back(account.UserName);
    return names;
}

class UsersWindowTest : public ::testing::Test {
  protected:
    // Types a new account's fields.
    void Type(const std::string& name, const std::string& password, const char* privilege) {
        window_.Edit(Field::kUserName, name);
        window_.Edit(Field::kPassword, password);
        window_.SetPrivilege(privilege);
    }

    ScriptedPrompts prompts_;
    app::UsersWindow window_{TwoAccounts(), "Bob", "b2", prompts_};
};

TEST_F(UsersWindowTest, OpensWithTheCurrentLoginSelected) {
    EXPECT_EQ(window_.Selected(), 1);
    EXPECT_EQ(window_.Text(Field::kUserName), "Bob");
    EXPECT_EQ(window_.Text(Field::kPassword), "b2");
    EXPECT_EQ(window_.Privilege(), kReadOnly);
    EXPECT_EQ(window_.Text(Field::kHintQuestion), "");  // hints are hidden
    EXPECT_EQ(window_.AccountsCaption(), "Accounts - 2");
    EXPECT_TRUE(window_.UpdateEnabled());
    EXPECT_TRUE(window_.RemoveEnabled());
}

TEST_F(UsersWindowTest, NothingIsSelectedWithoutAMatchingLogin) {
    for (const auto& [name, password] :
         std::vector<std::pair<std::string, std::string>>{{"bob", "b2"}, {"Bob", "B2"}, {"", ""}}) {
        app::UsersWindow window(TwoAccounts(), name, password, prompts_);
        EXPECT_EQ(window.Selected(), -1) << name << "/" << password;
        EXPECT_EQ(window.Text(Field::kUserName), "");
        EXPECT_FALSE(window.UpdateEnabled());
        EXPECT_FALSE(window.RemoveEnabled());
    }
}

struct AddCase {
    const char* name;
    const char* password;
    const char* privilege;
    bool enabled;
};

class AddEnabledTest : public UsersWindowTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddEnabledTest, NeedsNamePasswordPrivilegeAndANewName) {
    Type(GetParam().name, GetParam().password, GetParam().privilege);
    EXPECT_EQ(window_.AddEnabled(), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    UsersWindow, AddEnabledTest,
    ::testing::Values(AddCase{"cy", "c", kFull, true}, AddCase{"cy", "c", kReadOnly, true},
                      AddCase{"", "c", kFull, false}, AddCase{"cy", "", kFull, false},
                      AddCase{"cy", "c", "", false}, AddCase{"bob", "c", kFull, false},
                      AddCase{"ANN", "c", kFull, false}));

TEST_F(UsersWindowTest, AddAppendsSelectsAndCounts) {
    window_.SetShowHints(true);
    Type("cy", "c3", kFull);
    window_.Edit(Field::kHintQuestion, "Colour?");
    window_.Edit(Field::kHintAnswer, "Red");
    window_.Add();
    ASSERT_EQ(window_.Accounts().size(), 3u);
    EXPECT_EQ(window_.Accounts()[2],
              (core::UserAccount{"cy", "c3", core::kFullAccess, "Colour?", "Red"}));
    EXPECT_EQ(window_.Selected(), 2);
    EXPECT_EQ(window_.AccountsCaption(), "Accounts - 3");
    EXPECT_EQ(window_.Text(Field::kHintQuestion), "Colour?");
    EXPECT_TRUE(prompts_.Messages().empty());
}

TEST_F(UsersWindowTest, AddWithHintsHiddenStoresTheTypedHintsAndEmptiesTheFields) {
    Type("cy", "c3", kReadOnly);
    window_.Edit(Field::kHintQuestion, "Colour?");
    window_.Edit(Field::kHintAnswer, "Red");
    window_.Add();
    EXPECT_EQ(window_.Accounts()[2],
              (core::UserAccount{"cy", "c3", core::kReadOnlyAccess, "Colour?", "Red"}));
    EXPECT_EQ(window_.Text(Field::kHintQuestion), "");
    EXPECT_EQ(window_.Text(Field::kHintAnswer), "");
}

TEST_F(UsersWindowTest, NameThatDiffersOnlyInCaseIsADuplicate) {
    Type("bob", "x", kFull);
    EXPECT_FALSE(window_.AddEnabled());
    window_.Add();
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, "A user with that name already exists.");
    EXPECT_EQ(prompts_.Messages()[0].title, "Duplicate User");
    EXPECT_EQ(window_.Accounts(), TwoAccounts());
}

TEST_F(UsersWindowTest, FiftyAccountsAreTheLimit) {
    std::vector<core::UserAccount> many;
    for (int i = 0; i < 50; ++i) many.push_back(Guest("u" + std::to_string(i), "p"));
    app::UsersWindow window(many, "", "", prompts_);
    window.Edit(Field::kUserName, "one-more");
    window.Edit(Field::kPassword, "p");
    window.SetPrivilege(kFull);
    window.Add();
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text,
              "The maximum number of Accounts allowed is 50.\nPlease remove one or more existing "
              "users before adding more.");
    EXPECT_EQ(prompts_.Messages()[0].title, "Maximum Capacity");
    EXPECT_EQ(window.Accounts().size(), 50u);

    window.Select(0);
    window.Remove();
    window.Edit(Field::kUserName, "one-more");
    window.Edit(Field::kPassword, "p");
    window.Add();
    EXPECT_EQ(window.Accounts().size(), 50u);
    EXPECT_EQ(window.Accounts().back().UserName, "one-more");
    EXPECT_EQ(prompts_.Messages().size(), 1u);
}

TEST_F(UsersWindowTest, UpdateRenamesAndChangesThePrivilege) {
    Type("Robert", "new", kFull);
    window_.Update();
    EXPECT_EQ(window_.Accounts()[1],
              (core::UserAccount{"Robert", "new", core::kFullAccess, "Town?", "Oslo"}));
    EXPECT_TRUE(prompts_.Messages().empty());
}

TEST_F(UsersWindowTest, UpdateMayChangeTheCaseOfItsOwnNameButNotTakeAnother) {
    window_.Edit(Field::kUserName, "BOB");
    window_.Update();
    EXPECT_EQ(window_.Accounts()[1].UserName, "BOB");
    window_.Edit(Field::kUserName, "Ann");
    window_.Update();
    EXPECT_EQ(window_.Accounts()[1].UserName, "BOB");
    EXPECT_EQ(prompts_.Texts(), (Texts{"A user with that name already exists."}));
}

struct HintUpdate {
    bool shown;
    const char* question;
    const char* answer;
    const char* stored_question;
    const char* stored_answer;
};

class HintUpdateTest : public UsersWindowTest, public ::testing::WithParamInterface<HintUpdate> {};

TEST_P(HintUpdateTest, HiddenHintsAreKeptUnlessBothAreTyped) {
    window_.SetShowHints(GetParam().shown);
    window_.Edit(Field::kHintQuestion, GetParam().question);
    window_.Edit(Field::kHintAnswer, GetParam().answer);
    window_.Update();
    EXPECT_EQ(window_.Accounts()[1].HintQuestion, GetParam().stored_question);
    EXPECT_EQ(window_.Accounts()[1].HintAnswer, GetParam().stored_answer);
}

INSTANTIATE_TEST_SUITE_P(UsersWindow, HintUpdateTest,
                         ::testing::Values(HintUpdate{false, "", "", "Town?", "Oslo"},
                                           HintUpdate{false, "New?", "", "Town?", "Oslo"},
                                           HintUpdate{false, "", "Yes", "Town?", "Oslo"},
                                           HintUpdate{false, "New?", "Yes", "New?", "Yes"},
                                           HintUpdate{true, "", "", "", ""},
                                           HintUpdate{true, "New?", "", "New?", ""}));

TEST_F(UsersWindowTest, RemoveDeletesTheSelectedAccount) {
    window_.Remove();
    EXPECT_EQ(Names(window_.Accounts()), (Texts{"ann"}));
    EXPECT_EQ(window_.Selected(), -1);
    EXPECT_FALSE(window_.UpdateEnabled());
    EXPECT_FALSE(window_.RemoveEnabled());
    EXPECT_EQ(window_.AccountsCaption(), "Accounts - 1");
}

TEST_F(UsersWindowTest, SelectingFillsTheFieldsAndTheHintsWhenShown) {
    window_.Select(0);
    EXPECT_EQ(window_.Text(Field::kUserName), "ann");
    EXPECT_EQ(window_.Privilege(), kFull);
    EXPECT_EQ(window_.Text(Field::kHintQuestion), "");
    window_.SetShowHints(true);
    EXPECT_EQ(window_.Text(Field::kHintQuestion), "Pet?");
    EXPECT_EQ(window_.Text(Field::kHintAnswer), "Rex");
    window_.Select(1);
    EXPECT_EQ(window_.Text(Field::kHintAnswer), "Oslo");
    window_.SetShowHints(false);
    EXPECT_EQ(window_.Text(Field::kHintQuestion), "");
    EXPECT_EQ(window_.Text(Field::kHintAnswer), "");
}

struct Refusal {
    Field field;
    const char* typed;
    const char* kept;
    Texts messages;
};

class InvalidCharacterTest : public UsersWindowTest,
                             public ::testing::WithParamInterface<Refusal> {};

TEST_P(InvalidCharacterTest, IsExplainedAndRemovedAlone) {
    window_.Edit(GetParam().field, GetParam().typed);
    EXPECT_EQ(window_.Text(GetParam().field), GetParam().kept);
    EXPECT_EQ(prompts_.Texts(), GetParam().messages);
    for (const ScriptedPrompts::Shown& shown : prompts_.Messages()) {
        EXPECT_EQ(shown.title, "Invalid Character");
        EXPECT_EQ(shown.icon, Icon::kError);
    }
    if (!GetParam().messages.empty()) {
        EXPECT_EQ(window_.FocusedField(), GetParam().field);
    }
}

const char kPipe[] = "Pipe characters \"|\" are not allowed.";
const char kColon[] = "Colon characters \":\" are not allowed.";
const char kEuro[] = "Characters \"\xE2\x82\xAC\" are not allowed.";

INSTANTIATE_TEST_SUITE_P(
    UsersWindow, InvalidCharacterTest,
    ::testing::Values(Refusal{Field::kUserName, "a|b", "ab", {kPipe}},
                      Refusal{Field::kPassword, "|x|", "x", {kPipe}},
                      Refusal{Field::kHintQuestion, "Who | what?", "Who  what?", {kPipe}},
                      Refusal{Field::kHintAnswer, "12:30", "1230", {kColon}},
                      Refusal{Field::kPassword, "a:b|c", "abc", {kPipe, kColon}},
                      Refusal{Field::kPassword, "0=J", "0=J", {}},
                      // The euro sign holds a byte stored as "|"; so do "\xC3\xAC" and a lone AC.
                      Refusal{Field::kPassword,
                              "\xE2\x82\xAC"
                              "5",
                              "5",
                              {kEuro}},
                      Refusal{Field::kHintAnswer,
                              "cos\xC3\xAC \xE2\x82\xAC",
                              "cos ",
                              {"Characters \"\xC3\xAC\" are not allowed."}},
                      Refusal{Field::kHintQuestion,
                              "a\xAC"
                              "b",
                              "ab",
                              {"Characters \"\xAC\" are not allowed."}},
                      Refusal{Field::kUserName, "|\xE2\x82\xAC", "", {kPipe, kEuro}},
                      Refusal{
                          Field::kHintQuestion, "\xC3\xA9t\xC3\xA9?", "\xC3\xA9t\xC3\xA9?", {}}));

TEST_F(UsersWindowTest, OkNeedsAnAdministratorUnlessTheListIsEmpty) {
    window_.Select(0);
    window_.Remove();  // the only administrator
    EXPECT_FALSE(window_.Ok());
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, "At least one user must be an administrator.");
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck Tip");
    EXPECT_EQ(prompts_.Messages()[0].icon, Icon::kInformation);

    window_.Select(0);
    window_.Remove();
    EXPECT_TRUE(window_.Ok());
    EXPECT_TRUE(window_.Accounts().empty());
    EXPECT_EQ(window_.AccountsCaption(), "Accounts - 0");
    EXPECT_EQ(prompts_.Messages().size(), 1u);
}

TEST_F(UsersWindowTest, OkWithAnAdministratorIsAccepted) {
    EXPECT_TRUE(window_.Ok());
    EXPECT_TRUE(prompts_.Messages().empty());
}

// Characters the accounts file cannot hold never reach the accounts, so a save writes them.
TEST_F(AppTest, AccountWithAnUnstorableCharacterCannotBeTypedSoTheSaveSucceeds) {
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    ASSERT_NO_FATAL_FAILURE(Open(main));
    app::UsersWindow window(session_.Accounts, "", "", prompts_);
    window.Edit(Field::kUserName, "ann");
    window.Edit(Field::kPassword, "5\xE2\x82\xAC");
    window.SetPrivilege(kFull);
    window.Add();
    ASSERT_TRUE(window.Ok());
    session_.Accounts = window.Accounts();
    app::SaveCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{"Characters \"\xE2\x82\xAC\" are not allowed."}));
    EXPECT_FALSE(session_.Modified);
    std::vector<core::UserAccount> saved;
    core::ReadAccounts(saved, main + "a");
    EXPECT_EQ(saved, (std::vector{Administrator("ann", "5")}));
}

// Accounts edited in the window survive a save and a reopen, whatever characters they hold.
TEST_F(AppTest, EditedAccountsAreSavedAndProtectTheDatabase) {
    const std::string main = WriteDatabase("films.rdk", ThreeFilms());
    ASSERT_NO_FATAL_FAILURE(Open(main));
    app::UsersWindow window(session_.Accounts, session_.CurrentUserName, session_.CurrentPassword,
                            prompts_);
    window.Edit(Field::kUserName, "J0=");
    window.Edit(Field::kPassword, "pass=0J");
    window.SetPrivilege(kFull);
    window.SetShowHints(true);
    window.Edit(Field::kHintQuestion, "1+1=?");
    window.Edit(Field::kHintAnswer, "2 (two)");
    window.Add();
    ASSERT_TRUE(window.Ok());
    session_.Accounts = window.Accounts();
    app::SaveCommand(session_, services_);
    app::CloseDatabase(session_);

    login_.ExpectWindow({Step::Hint("J0=", "2 (TWO)"), Step::Confirm()});
    ASSERT_NO_FATAL_FAILURE(Open(main));
    EXPECT_EQ(session_.Accounts, window.Accounts());
    EXPECT_EQ(session_.CurrentPassword, "pass=0J");
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
}

}  // namespace
