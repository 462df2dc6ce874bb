#include "app/database_commands.h"
#include "core/database_files.h"
#include "core/paths.h"
#include "core/text.h"

namespace app {

bool ReadDatabaseAccounts(DatabaseServices& services, const std::string& accounts_path,
                          std::vector<core::UserAccount>& accounts) {
    const core::FileResult read = core::ReadAccounts(accounts, accounts_path);
    if (read || !core::FileExists(accounts_path)) return true;
    // Accounts that exist but cannot be read must never leave a database open to everyone.
    accounts.clear();
    services.prompts.Message(
        core::FormatText("Error opening database:\n%s.\n%s.", {read.path, read.reason}), "Error",
        platform::Buttons::kOk, platform::Icon::kError);
    return false;
}

ReplaceAccess MayReplaceDatabase(Session& session, DatabaseServices& services,
                                 const std::string& chosen_path,
                                 std::vector<core::UserAccount>& target_accounts) {
    const core::DatabaseNames target = core::DatabaseNamesOf(chosen_path);
    if (!ReadDatabaseAccounts(services, target.accounts, target_accounts)) {
        return ReplaceAccess::kUnreadable;
    }
    if (target_accounts.empty()) return ReplaceAccess::kAllowed;
    const core::UserAccount* account =
        core::FindLogin(target_accounts, session.CurrentUserName, session.CurrentPassword);
    if (account && account->Level == kFullAccess) return ReplaceAccess::kAllowed;
    LoginWindow window(target_accounts, services.prompts);
    if (!services.login.RunLogin(window) || !window.Account()) return ReplaceAccess::kDenied;
    session.CurrentUserName = window.UserName();
    session.CurrentPassword = window.Password();
    return window.Account()->Level == kFullAccess ? ReplaceAccess::kAllowed
                                                  : ReplaceAccess::kDenied;
}

}  // namespace app
