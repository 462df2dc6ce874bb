#pragma once

#include <string>
#include <vector>

#include "app/login_window.h"
#include "core/accounts_file.h"
#include "platform/prompts.h"

namespace app {

// The "Users" window: edits a working copy of the accounts of the open database. Nothing
// reaches the database until the settings are applied.
class UsersWindow {
public:
    enum class Field { kUserName, kPassword, kHintQuestion, kHintAnswer };

    static constexpr const char* kFullAccessChoice = "Full Access";
    static constexpr const char* kReadOnlyChoice = "Read Only Access";

    // Lists the accounts and selects the one of the current login.
    UsersWindow(std::vector<core::UserAccount> accounts, const std::string& current_user_name,
                const std::string& current_password, platform::Prompts& prompts);

    // Typing into a field. "|" and ":" cannot be stored in an account, nor can a character
    // holding a byte whose stored form is "|" (as the euro sign does): they are explained and
    // removed, and the field is focused.
    void Edit(Field field, std::string text);
    const std::string& Text(Field field) const;
    static std::size_t MaxLength(Field field);

    // "Full Access", "Read Only Access" or empty for no choice.
    void SetPrivilege(std::string choice) { privilege_ = std::move(choice); }
    const std::string& Privilege() const { return privilege_; }

    void SetShowHints(bool show);
    bool ShowHints() const { return show_hints_; }

    // Selects an account (-1 for none) and fills the fields from it.
    void Select(int index);
    int Selected() const { return selected_; }

    bool AddEnabled() const;
    bool UpdateEnabled() const { return selected_ >= 0; }
    bool RemoveEnabled() const { return selected_ >= 0; }

    void Add();
    void Update();
    void Remove();

    // OK: accepted when there are no accounts or at least one administrator.
    bool Ok();

    const std::vector<core::UserAccount>& Accounts() const { return accounts_; }
    // "Accounts - 3".
    std::string AccountsCaption() const;
    Field FocusedField() const { return focus_; }

private:
    std::string& FieldText(Field field);
    bool NameTaken(const std::string& name, int except) const;
    int LevelOfChoice() const;

    std::vector<core::UserAccount> accounts_;
    platform::Prompts& prompts_;
    std::string user_name_;
    std::string password_;
    std::string hint_question_;
    std::string hint_answer_;
    std::string privilege_;
    bool show_hints_ = false;
    int selected_ = -1;
    Field focus_ = Field::kUserName;
};

}  // namespace app
