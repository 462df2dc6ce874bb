#include "app/login_window.h"

#include "core/accounts_file.h"
#include "core/text.h"

namespace app {

using platform::Buttons;
using platform::Icon;

LoginWindow::LoginWindow(const std::vector<core::UserAccount>& accounts, platform::Prompts& prompts)
    : accounts_(accounts), prompts_(prompts) {}

bool LoginWindow::Ok() {
    account_ = core::FindLogin(accounts_, user_name_, password_);
    if (account_) return true;
    prompts_.Message("Incorrect username or password. (Both are case-sensative)", "Access Denied",
                     Buttons::kOk, Icon::kError);
    focus_ = FocusField::kPassword;
    return false;
}

std::unique_ptr<HintWindow> LoginWindow::Help() {
    for (const core::UserAccount& account : accounts_) {
        if (account.UserName == user_name_ && !account.HintQuestion.empty() &&
            !account.HintAnswer.empty()) {
            return std::make_unique<HintWindow>(account, *this, prompts_);
        }
    }
    prompts_.Message(
        "Unable to locate password hint information for the username entered.\n"
        "Either there wasn't any information given when the user was added\n"
        "or the username entered does not exist.\n\n"
        "Please enter a different username and try again or try contacting\n"
        "the administrator of the database you are attempting to open.",
        "Reeldeck Help", Buttons::kOk, Icon::kInformation);
    focus_ = FocusField::kUserName;
    return nullptr;
}

HintWindow::HintWindow(const core::UserAccount& account, LoginWindow& login,
                       platform::Prompts& prompts)
    : account_(account), login_(login), prompts_(prompts) {}

bool HintWindow::Ok() {
    if (core::EqualsNoCase(account_.HintAnswer, answer_)) {
        prompts_.Message(
            "After logging in, your password can be updated by selecting\n"
            "the settings option in the file menu and clicking the users\n"
            "button on the database tab.",
            "Access Granted", Buttons::kOk, Icon::kInformation);
        login_.SetPassword(account_.Password);
        return true;
    }
    prompts_.Message("The answer given is incorrect. Please try again.", "Access Denied",
                     Buttons::kOk, Icon::kError);
    focus_ = FocusField::kAnswer;
    return false;
}

void HintWindow::Cancel() { login_.SetFocus(FocusField::kUserName); }

}  // namespace app
