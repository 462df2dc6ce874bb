#include "app/login_window.h"

#include <gtest/gtest.h>

#include "scripted_prompts.h"

// The messages of the login and hint windows are checked where a database is opened; here, the
// fields they enable and focus.
namespace {

using app::FocusField;
using platform::Icon;

class LoginWindowTest : public ::testing::Test {
  protected:
    std::vector<core::UserAccount> accounts_{
        {"Ann", "Secret", core::kFullAccess, "First pet?", "Rex"},
        {"bob", "pw", core::kReadOnlyAccess, "Question only", ""},
    };
    ScriptedPrompts prompts_;
    app::LoginWindow window_{accounts_, prompts_};
};

TEST_F(LoginWindowTest, ARefusedLoginFocusesThePassword) {
    window_.SetUserName("bob");
    window_.SetPassword("PW");
    EXPECT_FALSE(window_.Ok());
    EXPECT_EQ(window_.Focus(), FocusField::kPassword);
    EXPECT_EQ(prompts_.Messages().at(0).icon, Icon::kError);
    window_.SetPassword("pw");
    EXPECT_TRUE(window_.Ok());
    EXPECT_EQ(window_.Account(), &accounts_[1]);
}

TEST_F(LoginWindowTest, HelpNeedsAUserNameWithAHintQuestionAndAnswer) {
    EXPECT_FALSE(window_.HelpEnabled());
    for (const char* name : {"zed", "ann", "bob"}) {  // no such user, another case, no answer
        window_.SetUserName(name);
        EXPECT_TRUE(window_.HelpEnabled());
        window_.SetFocus(FocusField::kPassword);
        EXPECT_EQ(window_.Help(), nullptr) << name;
        EXPECT_EQ(window_.Focus(), FocusField::kUserName);
    }
    EXPECT_EQ(prompts_.Messages().at(2).icon, Icon::kInformation);
}

TEST_F(LoginWindowTest, TheHintWindowNeedsAnAnswerAndSelectsAWrongOne) {
    window_.SetUserName("Ann");
    window_.SetPassword("typed");
    const std::unique_ptr<app::HintWindow> hint = window_.Help();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->Question(), "First pet?");
    EXPECT_FALSE(hint->OkEnabled());
    hint->SetAnswer("Rexy");
    EXPECT_TRUE(hint->OkEnabled());
    EXPECT_FALSE(hint->Ok());
    EXPECT_EQ(hint->Focus(), FocusField::kAnswer);
    window_.SetFocus(FocusField::kPassword);
    hint->Cancel();
    EXPECT_EQ(window_.Focus(), FocusField::kUserName);
    EXPECT_EQ(window_.Password(), "typed");
    hint->SetAnswer("rEX");
    EXPECT_TRUE(hint->Ok());
    EXPECT_EQ(window_.Password(), "Secret");
}

}  // namespace
