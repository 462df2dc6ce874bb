#include <iomanip>

#include "cli/commands.h"

namespace cli {

// Lists the accounts: names and access, never passwords.
void RunUsers(CliContext& context, std::ostream& out) {
    RequireOperands(context, 1, "users DB");
    context.Open(context.arguments().operands[0]);
    const app::Session& session = context.session();
    if (session.Accounts.empty()) {
        out << "No accounts: the database is open to everyone.\n";
        return;
    }
    context.RequireFullAccess();
    for (const core::UserAccount& account : session.Accounts) {
        out << std::left << std::setw(12) << account.UserName
            << (account.Level == core::kFullAccess ? "full access (administrator)"
                                                   : "read only (guest)")
            << '\n';
    }
}

}  // namespace cli
