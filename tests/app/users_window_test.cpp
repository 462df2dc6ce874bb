#include "app/users_window.h"

#include <gtest/gtest.h>

#include "app/database_commands.h"
#include "app_test.h"

namespace {

using Field = app::UsersWindow::Field;

const char kFull[] = "Full Access";
const char kReadOnly[] = "Read Only Access";

const Accounts kTwoAccounts = {{"ann", "a1", core::kFullAccess, "Pet?", "Rex"},
                               {"Bob", "b2", core::kReadOnlyAccess, "Town?", "Oslo"}};

class UsersWindowTest : public ::testing::Test {
  protected:
    // Types the fields of an account.
    void Type(const std::string& name, const std::string& password, const char* privilege) {
        window_.Edit(Field::kUserName, name);
        window_.Edit(Field::kPassword, password);
        window_.SetPrivilege(privilege);
    }

    ScriptedPrompts prompts_;
    app::UsersWindow window_{kTwoAccounts, "Bob", "b2", prompts_};
};

TEST_F(UsersWindowTest, OpensWithTheCurrentLoginSelected) {
    EXPECT_EQ(window_.Selected(), 1);
    EXPECT_EQ(window_.Text(Field::kUserName), "Bob");
    EXPECT_EQ(window_.Text(Field::kPassword), "b2");
    EXPECT_EQ(window_.Privilege(), kReadOnly);
    EXPECT_EQ(window_.Text(Field::kHintQuestion), "");  // hints are hidden
    EXPECT_EQ(window_.AccountsCaption(), "Accounts - 2");
    EXPECT_TRUE(window_.UpdateEnabled() && window_.RemoveEnabled());
    for (const auto& [name, password] :
         std::vector<std::pair<std::string, std::string>>{{"bob", "b2"}, {"Bob", "B2"}, {"", ""}}) {
        app::UsersWindow window(kTwoAccounts, name, password, prompts_);
        EXPECT_EQ(window.Selected(), -1) << name << "/" << password;
        EXPECT_EQ(window.Text(Field::kUserName), "");
        EXPECT_FALSE(window.UpdateEnabled() || window.RemoveEnabled());
    }
}

TEST_F(UsersWindowTest, AddNeedsANamePasswordAndPrivilegeAndANewName) {
    const std::tuple<const char*, const char*, const char*> refused[] = {
        {"", "c", kFull}, {"cy", "", kFull}, {"cy", "c", ""}, {"ANN", "c", kFull}};
    for (const auto& [name, password, privilege] : refused) {
        Type(name, password, privilege);
        EXPECT_FALSE(window_.AddEnabled()) << name << "/" << password << "/" << privilege;
    }
    window_.Add();  // "ANN" differs from "ann" only in case
    EXPECT_EQ(prompts_.Texts(), (Texts{"A user with that name already exists."}));
    EXPECT_EQ(prompts_.Messages().at(0).title, "Duplicate User");
    EXPECT_EQ(window_.Accounts(), kTwoAccounts);

    Type("cy", "c3", kReadOnly);
    window_.Edit(Field::kHintQuestion, "Colour?");
    window_.Edit(Field::kHintAnswer, "Red");
    EXPECT_TRUE(window_.AddEnabled());
    window_.Add();
    EXPECT_EQ(window_.Accounts().back(),
              (core::UserAccount{"cy", "c3", core::kReadOnlyAccess, "Colour?", "Red"}));
    EXPECT_EQ(window_.Selected(), 2);
    EXPECT_EQ(window_.AccountsCaption(), "Accounts - 3");
    EXPECT_EQ(window_.Text(Field::kHintQuestion), "");  // hidden hints are emptied
    window_.SetShowHints(true);
    Type("dee", "d4", kFull);
    window_.Edit(Field::kHintQuestion, "Sea?");
    window_.Edit(Field::kHintAnswer, "Blue");
    window_.Add();
    EXPECT_EQ(window_.Accounts().back(),
              (core::UserAccount{"dee", "d4", core::kFullAccess, "Sea?", "Blue"}));
    EXPECT_EQ(window_.Text(Field::kHintQuestion), "Sea?");
}

TEST_F(UsersWindowTest, FiftyAccountsAreTheLimit) {
    Accounts many;
    for (int i = 0; i < 50; ++i) many.push_back(Guest("u" + std::to_string(i), "p"));
    app::UsersWindow window(many, "", "", prompts_);
    window.Edit(Field::kUserName, "one-more");
    window.Edit(Field::kPassword, "p");
    window.SetPrivilege(kFull);
    window.Add();
    EXPECT_EQ(prompts_.Texts(),
              (Texts{"The maximum number of Accounts allowed is 50.\nPlease remove "
                     "one or more existing users before adding more."}));
    EXPECT_EQ(prompts_.Messages().at(0).title, "Maximum Capacity");
    EXPECT_EQ(window.Accounts(), many);
}

TEST_F(UsersWindowTest, UpdateChangesTheSelectedAccountButTakesNoOtherName) {
    window_.SetShowHints(true);
    EXPECT_EQ(window_.Text(Field::kHintAnswer), "Oslo");
    Type("BOB", "new", kFull);  // its own name in another case
    window_.Update();
    EXPECT_EQ(window_.Accounts()[1],
              (core::UserAccount{"BOB", "new", core::kFullAccess, "Town?", "Oslo"}));
    window_.Edit(Field::kUserName, "Ann");
    window_.Update();
    EXPECT_EQ(window_.Accounts()[1].UserName, "BOB");
    EXPECT_EQ(prompts_.Texts(), (Texts{"A user with that name already exists."}));
    window_.SetShowHints(false);
    EXPECT_EQ(window_.Text(Field::kHintAnswer), "");
}

TEST(UsersWindowHintsTest, HiddenHintsAreKeptUnlessBothAreTyped) {
    struct Case {
        bool shown;
        const char *question, *answer, *stored_question, *stored_answer;
    };
    const Case cases[] = {{false, "New?", "", "Town?", "Oslo"},
                          {false, "", "Yes", "Town?", "Oslo"},
                          {false, "New?", "Yes", "New?", "Yes"},
                          {true, "", "", "", ""}};
    ScriptedPrompts prompts;
    for (const Case& c : cases) {
        app::UsersWindow window(kTwoAccounts, "Bob", "b2", prompts);
        window.SetShowHints(c.shown);
        window.Edit(Field::kHintQuestion, c.question);
        window.Edit(Field::kHintAnswer, c.answer);
        window.Update();
        EXPECT_EQ(window.Accounts()[1].HintQuestion, c.stored_question) << c.question << c.answer;
        EXPECT_EQ(window.Accounts()[1].HintAnswer, c.stored_answer) << c.question << c.answer;
    }
}

TEST_F(UsersWindowTest, OkNeedsAnAdministratorUnlessTheListIsEmpty) {
    EXPECT_TRUE(window_.Ok());
    window_.Select(0);
    window_.Remove();  // the only administrator
    EXPECT_EQ(window_.Selected(), -1);
    EXPECT_FALSE(window_.Ok());
    EXPECT_EQ(prompts_.Texts(), (Texts{"At least one user must be an administrator."}));
    EXPECT_EQ(prompts_.Messages().at(0).title, "Reeldeck Tip");
    EXPECT_EQ(prompts_.Messages().at(0).icon, Icon::kInformation);
    window_.Select(0);
    window_.Remove();
    EXPECT_TRUE(window_.Ok());
    EXPECT_EQ(window_.AccountsCaption(), "Accounts - 0");
}

const char kPipe[] = "Pipe characters \"|\" are not allowed.";
const char kColon[] = "Colon characters \":\" are not allowed.";
const char kEuro[] = "Characters \"\u20AC\" are not allowed.";

TEST(UsersWindowCharactersTest, AnInvalidCharacterIsExplainedAndRemovedAlone) {
    // The euro sign holds a byte stored as "|", as a lone 0xAC byte is.
    const std::tuple<Field, const char*, const char*, Texts> cases[] = {
        // field, typed, kept, messages
        {Field::kHintQuestion, "Who | what?", "Who  what?", {kPipe}},
        {Field::kHintAnswer, "12:30", "1230", {kColon}},
        {Field::kPassword, "a:b|c", "abc", {kPipe, kColon}},
        {Field::kPassword, "0=J", "0=J", {}},
        {Field::kPassword, "\u20AC5", "5", {kEuro}},
        {Field::kHintQuestion, "a\xAC\x62", "ab", {"Characters \"\xAC\" are not allowed."}},
        {Field::kUserName, "|\u20AC", "", {kPipe, kEuro}},
        {Field::kHintQuestion, "\u00E9t\u00E9?", "\u00E9t\u00E9?", {}}};  // accents are kept
    for (const auto& [field, typed, kept, messages] : cases) {
        ScriptedPrompts prompts;
        app::UsersWindow window(kTwoAccounts, "Bob", "b2", prompts);
        window.Edit(field, typed);
        EXPECT_EQ(window.Text(field), kept) << typed;
        EXPECT_EQ(prompts.Texts(), messages) << typed;
        for (const ScriptedPrompts::Shown& shown : prompts.Messages()) {
            EXPECT_EQ(shown.title, "Invalid Character");
            EXPECT_EQ(shown.icon, Icon::kError);
            EXPECT_EQ(window.FocusedField(), field);
        }
    }
}

// Accounts edited in the window survive a save and a reopen, whatever characters they hold;
// characters the accounts file cannot hold never reach the accounts, so the save succeeds.
TEST_F(AppTest, EditedAccountsAreSavedAndProtectTheDatabase) {
    const std::string main = WriteDatabase("films.rdk");
    ASSERT_NO_FATAL_FAILURE(Open(main));
    app::UsersWindow window(session_.Accounts, session_.CurrentUserName, session_.CurrentPassword,
                            prompts_);
    window.Edit(Field::kUserName, "J0=");
    window.Edit(Field::kPassword, "pass=0J\u20AC");
    window.SetPrivilege(kFull);
    window.SetShowHints(true);
    window.Edit(Field::kHintQuestion, "1+1=?");
    window.Edit(Field::kHintAnswer, "2 (two)");
    window.Add();
    ASSERT_TRUE(window.Ok());
    session_.Accounts = window.Accounts();
    app::SaveCommand(session_, services_);
    EXPECT_EQ(Messages(), (Texts{kEuro}));
    EXPECT_FALSE(session_.Modified);
    app::CloseDatabase(session_);

    login_.ExpectWindow({Step::Hint("J0=", "2 (TWO)"), Step::Confirm()});
    ASSERT_NO_FATAL_FAILURE(Open(main));
    EXPECT_EQ(session_.Accounts,
              (Accounts{{"J0=", "pass=0J", core::kFullAccess, "1+1=?", "2 (two)"}}));
    EXPECT_EQ(session_.CurrentPassword, "pass=0J");
    EXPECT_EQ(session_.AccessLevel, app::kFullAccess);
}

}  // namespace
