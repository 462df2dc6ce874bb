#pragma once

#include <deque>
#include <string>
#include <vector>

#include "app/login_window.h"

// A user at the login window. Each window shown follows its own script of steps; a window shown
// without a script, or left open when its script ends, fails the test.
class ScriptedLogin final : public app::LoginPresenter {
  public:
    struct Step {
        enum class Kind { kOk, kConfirm, kHint, kCancel };
        Kind kind;
        std::string user_name;
        std::string text;  // the password, or the hint answer
    };
    // Types the user name and password and presses OK.
    static Step Ok(std::string user_name, std::string password) {
        return {Step::Kind::kOk, std::move(user_name), std::move(password)};
    }
    // Presses OK with the fields as they are (after a hint filled in the password).
    static Step Confirm() { return {Step::Kind::kConfirm, {}, {}}; }
    // Types the user name, presses Help and, if the hint window opens, answers and presses its
    // OK; a refused answer is followed by the hint window's Cancel.
    static Step Hint(std::string user_name, std::string answer) {
        return {Step::Kind::kHint, std::move(user_name), std::move(answer)};
    }
    static Step Cancel() { return {Step::Kind::kCancel, {}, {}}; }

    // The script of the next login window shown.
    void ExpectWindow(std::vector<Step> steps) { windows_.push_back(std::move(steps)); }

    bool RunLogin(app::LoginWindow& window) override;

    int Shown() const { return shown_; }
    // Scripts of windows that were never shown.
    int Unused() const { return static_cast<int>(windows_.size()); }
    // The password field after each accepted hint answer.
    const std::vector<std::string>& RecoveredPasswords() const { return recovered_; }

  private:
    std::deque<std::vector<Step>> windows_;
    std::vector<std::string> recovered_;
    int shown_ = 0;
};
