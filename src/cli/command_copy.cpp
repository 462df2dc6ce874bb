#include "cli/commands.h"
#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/database_set.h"

namespace cli {

void RequireFullAccessTo(const CliContext& context, const std::string& main_path) {
    std::vector<core::UserAccount> accounts;
    core::ReadAccounts(accounts, core::DatabaseNamesOf(main_path).accounts);
    if (accounts.empty()) return;
    const CliArguments& arguments = context.arguments();
    const core::UserAccount* account =
        arguments.user && arguments.password
            ? core::FindLogin(accounts, *arguments.user, *arguments.password)
            : nullptr;
    if (!account || account->Level != core::kFullAccess) {
        throw CliError{main_path +
                       ": replacing this protected database needs an account with full access"};
    }
}

// A copy keeps the source's accounts, so a protected database stays protected in its copy.
void RunCopy(CliContext& context, std::ostream& out) {
    RequireOperands(context, 2, "copy SRC DST");
    const std::string target = core::DatabaseNamesOf(context.arguments().operands[1]).main;
    if (core::DatabaseNamesOf(context.arguments().operands[0]).main == target) {
        throw CliError{target + ": source and target are the same database"};
    }
    context.Open(context.arguments().operands[0]);
    RequireFullAccessTo(context, target);
    app::Session& session = context.session();
    if (app::SaveDatabase(session, context.services(), target) != 1) context.Fail(target);
    out << "Copied " << session.Videos.RowCount() << " records and " << session.Wanted.Count()
        << " wanted titles to " << target << '\n';
}

}  // namespace cli
