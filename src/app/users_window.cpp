#include "app/users_window.h"

#include <algorithm>

#include "app/session.h"
#include "core/accounts_file.h"
#include "core/text.h"

namespace app {

using platform::Buttons;
using platform::Icon;

UsersWindow::UsersWindow(std::vector<core::UserAccount> accounts,
                         const std::string& current_user_name, const std::string& current_password,
                         platform::Prompts& prompts)
    : accounts_(std::move(accounts)), prompts_(prompts) {
    if (const core::UserAccount* account =
            core::FindLogin(accounts_, current_user_name, current_password)) {
        Select(static_cast<int>(account - accounts_.data()));
    }
}

std::string& UsersWindow::FieldText(Field field) {
    switch (field) {
        case Field::kUserName:
            return user_name_;
        case Field::kPassword:
            return password_;
        case Field::kHintQuestion:
            return hint_question_;
        default:
            return hint_answer_;
    }
}

const std::string& UsersWindow::Text(Field field) const {
    return const_cast<UsersWindow*>(this)->FieldText(field);
}

std::size_t UsersWindow::MaxLength(Field field) {
    return field == Field::kUserName || field == Field::kPassword ? 10 : 64;
}

namespace {

// Removes every character (a whole UTF-8 sequence, or a byte that begins none) holding a byte
// that the accounts file cannot store; returns the first character removed.
std::string RemoveUnstorableCharacters(std::string& text) {
    std::string kept;
    std::string first_removed;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end) {
        end = start + 1;
        if (static_cast<unsigned char>(text[start]) >= 0xC0) {
            while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
                ++end;
            }
        }
        const std::string_view character(text.data() + start, end - start);
        if (core::IsStorableAccountText(character)) {
            kept += character;
        } else if (first_removed.empty()) {
            first_removed = character;
        }
    }
    text = std::move(kept);
    return first_removed;
}

}  // namespace

void UsersWindow::Edit(Field field, std::string text) {
    struct Refused {
        char character;
        const char* message;
    };
    static constexpr Refused kRefused[] = {
        {'|', "Pipe characters \"|\" are not allowed."},
        {':', "Colon characters \":\" are not allowed."},
    };
    for (const Refused& refused : kRefused) {
        if (text.find(refused.character) == std::string::npos) continue;
        prompts_.Message(refused.message, "Invalid Character", Buttons::kOk, Icon::kError);
        text = core::RemoveChar(std::move(text), refused.character);
        focus_ = field;
    }
    // So is any character holding a byte whose stored form is the field separator (the euro
    // sign, E2 82 AC, holds AC), which the accounts file could not be written with.
    if (!core::IsStorableAccountText(text)) {
        const std::string removed = RemoveUnstorableCharacters(text);
        prompts_.Message(core::FormatText("Characters \"%s\" are not allowed.", {removed}),
                         "Invalid Character", Buttons::kOk, Icon::kError);
        focus_ = field;
    }
    FieldText(field) = std::move(text);
}

void UsersWindow::SetShowHints(bool show) {
    show_hints_ = show;
    if (show && selected_ >= 0) {
        hint_question_ = accounts_[static_cast<std::size_t>(selected_)].HintQuestion;
        hint_answer_ = accounts_[static_cast<std::size_t>(selected_)].HintAnswer;
    } else {
        hint_question_.clear();
        hint_answer_.clear();
    }
}

void UsersWindow::Select(int index) {
    if (index < 0 || index >= static_cast<int>(accounts_.size())) {
        selected_ = -1;
        return;
    }
    selected_ = index;
    const core::UserAccount& account = accounts_[static_cast<std::size_t>(index)];
    user_name_ = account.UserName;
    password_ = account.Password;
    privilege_ = account.Level == core::kFullAccess ? kFullAccessChoice : kReadOnlyChoice;
    if (show_hints_) {
        hint_question_ = account.HintQuestion;
        hint_answer_ = account.HintAnswer;
    }
}

bool UsersWindow::NameTaken(const std::string& name, int except) const {
    for (std::size_t i = 0; i < accounts_.size(); ++i) {
        if (static_cast<int>(i) != except && core::EqualsNoCase(accounts_[i].UserName, name)) {
            return true;
        }
    }
    return false;
}

int UsersWindow::LevelOfChoice() const {
    return privilege_ == kFullAccessChoice ? core::kFullAccess : core::kReadOnlyAccess;
}

bool UsersWindow::AddEnabled() const {
    return !user_name_.empty() && !password_.empty() && !privilege_.empty() &&
           !NameTaken(user_name_, -1);
}

void UsersWindow::Add() {
    if (accounts_.size() >= static_cast<std::size_t>(core::kMaxAccounts)) {
        prompts_.Message(core::FormatText("%s%d%s", {"The maximum number of Accounts allowed is ",
                                                     std::to_string(core::kMaxAccounts),
                                                     ".\nPlease remove one or more existing users "
                                                     "before adding more."}),
                         "Maximum Capacity", Buttons::kOk, Icon::kWarning);
        return;
    }
    if (NameTaken(user_name_, -1)) {
        prompts_.Message("A user with that name already exists.", "Duplicate User", Buttons::kOk,
                         Icon::kWarning);
        return;
    }
    accounts_.push_back({user_name_, password_, LevelOfChoice(), hint_question_, hint_answer_});
    Select(static_cast<int>(accounts_.size()) - 1);
    if (!show_hints_) {
        hint_question_.clear();
        hint_answer_.clear();
    }
}

void UsersWindow::Update() {
    if (selected_ < 0) return;
    if (NameTaken(user_name_, selected_)) {
        prompts_.Message("A user with that name already exists.", "Duplicate User", Buttons::kOk,
                         Icon::kWarning);
        return;
    }
    core::UserAccount& account = accounts_[static_cast<std::size_t>(selected_)];
    account.UserName = user_name_;
    account.Password = password_;
    account.Level = LevelOfChoice();
    // Hidden hints are kept unless both are typed anew.
    if (show_hints_ || (!hint_question_.empty() && !hint_answer_.empty())) {
        account.HintQuestion = hint_question_;
        account.HintAnswer = hint_answer_;
    }
}

void UsersWindow::Remove() {
    if (selected_ < 0) return;
    accounts_.erase(accounts_.begin() + selected_);
    selected_ = -1;
}

bool UsersWindow::Ok() {
    const bool has_administrator =
        std::any_of(accounts_.begin(), accounts_.end(),
                    [](const core::UserAccount& a) { return a.Level == core::kFullAccess; });
    if (accounts_.empty() || has_administrator) return true;
    prompts_.Message("At least one user must be an administrator.", "Reeldeck Tip", Buttons::kOk,
                     Icon::kInformation);
    return false;
}

std::string UsersWindow::AccountsCaption() const {
    return PaneCaption("Accounts", static_cast<int>(accounts_.size()));
}

}  // namespace app
