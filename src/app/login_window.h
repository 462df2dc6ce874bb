#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/accounts_file.h"
#include "platform/prompts.h"

namespace app {

class HintWindow;

// Which field a window gives the focus to, with its text selected, after an action.
enum class FocusField { kNone, kUserName, kPassword, kAnswer };

// The "Authorization Required" window: a user name and a password checked against the accounts
// of the database being opened. The widget shows it; this decides.
class LoginWindow {
public:
    LoginWindow(const std::vector<core::UserAccount>& accounts, platform::Prompts& prompts);

    static constexpr std::size_t kMaxFieldLength = 10;

    void SetUserName(std::string text) { user_name_ = std::move(text); }
    void SetPassword(std::string text) { password_ = std::move(text); }
    const std::string& UserName() const { return user_name_; }
    const std::string& Password() const { return password_; }

    bool HelpEnabled() const { return !user_name_.empty(); }

    // OK: true when an account has exactly this name and password (the window then closes);
    // otherwise the refusal is shown and the password field is focused.
    bool Ok();
    // The account that logged in, after Ok() returned true.
    const core::UserAccount* Account() const { return account_; }

    // Help: the hint window of the first account with this name that has a hint question and
    // answer, or nothing (after explaining why, with the user name focused).
    std::unique_ptr<HintWindow> Help();

    FocusField Focus() const { return focus_; }
    void SetFocus(FocusField field) { focus_ = field; }

private:
    const std::vector<core::UserAccount>& accounts_;
    platform::Prompts& prompts_;
    std::string user_name_;
    std::string password_;
    const core::UserAccount* account_ = nullptr;
    FocusField focus_ = FocusField::kUserName;
};

// The second "Authorization Required" window: the hint question of one account, answered to
// recover its password.
class HintWindow {
public:
    HintWindow(const core::UserAccount& account, LoginWindow& login, platform::Prompts& prompts);

    static constexpr std::size_t kMaxAnswerLength = 64;

    const std::string& Question() const { return account_.HintQuestion; }
    void SetAnswer(std::string text) { answer_ = std::move(text); }
    const std::string& Answer() const { return answer_; }
    bool OkEnabled() const { return !answer_.empty(); }

    // OK: true (the window closes) when the answer matches, ignoring case; the login window's
    // password field then holds the account's password. Otherwise the answer is selected.
    bool Ok();
    // Cancel: the login window's user name gets the focus.
    void Cancel();

    FocusField Focus() const { return focus_; }

private:
    const core::UserAccount& account_;
    LoginWindow& login_;
    platform::Prompts& prompts_;
    std::string answer_;
    FocusField focus_ = FocusField::kAnswer;
};

// Shows the login window until the user closes it; true when someone logged in.
class LoginPresenter {
public:
    virtual ~LoginPresenter() = default;
    virtual bool RunLogin(LoginWindow& window) = 0;
};

}  // namespace app
