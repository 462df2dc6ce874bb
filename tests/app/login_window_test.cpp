#include "app/login_window.h"

#include <gtest/gtest.h>

#include "scripted_prompts.h"

namespace {

using app::FocusField;
using platform::Buttons;
using platform::Icon;

const char kRefused[] = "Incorrect username or password. (Both are case-sensative)";
const char kNoHint[] =
    "Unable to locate password hint information for the username entered.\n"
    "Either there wasn't any information given when the user was added\n"
    "or the username entered does not exist.\n\n"
    "Please enter a different username and try again or try contacting\n"
    "the administrator of the database you are attempting to open.";
const char kGranted[] =
    "After logging in, your password can be updated by selecting\n"
    "the settings option in the file menu and clicking the users\n"
    "button on the database tab.";

class LoginWindowTest : public ::testing::Test {
  protected:
    std::vector<core::UserAccount> accounts_{
        {"Ann", "Secret", core::kFullAccess, "First pet?", "Rex"},
        {"bob", "pw", core::kReadOnlyAccess, "Question only", ""},
        {"cy", "c", core::kReadOnlyAccess, "", ""},
    };
    ScriptedPrompts prompts_;
    app::LoginWindow window_{accounts_, prompts_};
};

TEST_F(LoginWindowTest, ExactNameAndPasswordLogIn) {
    window_.SetUserName("bob");
    window_.SetPassword("pw");
    EXPECT_TRUE(window_.Ok());
    ASSERT_NE(window_.Account(), nullptr);
    EXPECT_EQ(window_.Account(), &accounts_[1]);
    EXPECT_TRUE(prompts_.Messages().empty());
}

struct Attempt {
    const char* user_name;
    const char* password;
};

class LoginRefusedTest : public LoginWindowTest, public ::testing::WithParamInterface<Attempt> {};

TEST_P(LoginRefusedTest, IsExplainedWithThePasswordFocused) {
    window_.SetUserName(GetParam().user_name);
    window_.SetPassword(GetParam().password);
    EXPECT_FALSE(window_.Ok());
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, kRefused);
    EXPECT_EQ(prompts_.Messages()[0].title, "Access Denied");
    EXPECT_EQ(prompts_.Messages()[0].buttons, Buttons::kOk);
    EXPECT_EQ(prompts_.Messages()[0].icon, Icon::kError);
    EXPECT_EQ(window_.Focus(), FocusField::kPassword);
}

INSTANTIATE_TEST_SUITE_P(LoginWindow, LoginRefusedTest,
                         ::testing::Values(Attempt{"ann", "Secret"}, Attempt{"Ann", "secret"},
                                           Attempt{"Ann", ""}, Attempt{"", ""},
                                           Attempt{"nobody", "Secret"}, Attempt{"Ann ", "Secret"}));

TEST_F(LoginWindowTest, HelpIsEnabledOnlyWithAUserName) {
    EXPECT_FALSE(window_.HelpEnabled());
    window_.SetUserName("x");
    EXPECT_TRUE(window_.HelpEnabled());
    window_.SetUserName("");
    EXPECT_FALSE(window_.HelpEnabled());
}

class NoHintTest : public LoginWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NoHintTest, HelpExplainsAndFocusesTheUserName) {
    window_.SetUserName(GetParam());
    window_.SetFocus(FocusField::kPassword);
    EXPECT_EQ(window_.Help(), nullptr);
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, kNoHint);
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck Help");
    EXPECT_EQ(prompts_.Messages()[0].icon, Icon::kInformation);
    EXPECT_EQ(window_.Focus(), FocusField::kUserName);
}

// No such user, a user name in another case, a question without an answer, no hint at all.
INSTANTIATE_TEST_SUITE_P(LoginWindow, NoHintTest, ::testing::Values("zed", "ann", "bob", "cy"));

class LoginHintTest : public LoginWindowTest {
  protected:
    void SetUp() override {
        window_.SetUserName("Ann");
        window_.SetPassword("typed");
        hint_ = window_.Help();
        ASSERT_NE(hint_, nullptr);
        ASSERT_TRUE(prompts_.Messages().empty());
    }
    std::unique_ptr<app::HintWindow> hint_;
};

TEST_F(LoginHintTest, ShowsTheQuestionAndNeedsAnAnswer) {
    EXPECT_EQ(hint_->Question(), "First pet?");
    EXPECT_FALSE(hint_->OkEnabled());
    hint_->SetAnswer("r");
    EXPECT_TRUE(hint_->OkEnabled());
}

TEST_F(LoginHintTest, AnswerInAnyCaseFillsInThePassword) {
    hint_->SetAnswer("rEX");
    EXPECT_TRUE(hint_->Ok());
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, kGranted);
    EXPECT_EQ(prompts_.Messages()[0].title, "Access Granted");
    EXPECT_EQ(prompts_.Messages()[0].icon, Icon::kInformation);
    EXPECT_EQ(window_.Password(), "Secret");
    EXPECT_TRUE(window_.Ok());
}

TEST_F(LoginHintTest, WrongAnswerIsRefusedAndSelected) {
    hint_->SetAnswer("Rexy");
    EXPECT_FALSE(hint_->Ok());
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].text, "The answer given is incorrect. Please try again.");
    EXPECT_EQ(prompts_.Messages()[0].title, "Access Denied");
    EXPECT_EQ(prompts_.Messages()[0].icon, Icon::kError);
    EXPECT_EQ(hint_->Focus(), FocusField::kAnswer);
    EXPECT_EQ(window_.Password(), "typed");
}

TEST_F(LoginHintTest, CancelFocusesTheUserName) {
    window_.SetFocus(FocusField::kPassword);
    hint_->Cancel();
    EXPECT_EQ(window_.Focus(), FocusField::kUserName);
    EXPECT_EQ(window_.Password(), "typed");
}

}  // namespace
