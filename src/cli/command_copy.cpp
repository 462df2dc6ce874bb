#include "cli/commands.h"
#include "core/accounts_file.h"
#include "core/paths.h"

namespace cli {

void RunCopy(CliContext& context, std::ostream& out) {
    if (context.arguments.operands.size() != 2) throw CliError{"usage: reeldeck-cli copy SRC DST"};
    const core::DatabaseNames source = core::DatabaseNamesOf(context.arguments.operands[0]);
    const core::DatabaseNames target = core::DatabaseNamesOf(context.arguments.operands[1]);
    if (source.main == target.main) throw CliError{target.main + ": source and target are the same"};

    core::DatabaseSet set = LoadDatabase(context, source);

    // Replacing a protected database needs full access to it.
    std::vector<core::UserAccount> target_accounts;
    core::ReadAccounts(target_accounts, target.accounts);
    if (RequireLogin(context, target.main, target_accounts) != core::kFullAccess) {
        throw CliError{target.main + ": replacing this protected database needs full access"};
    }

    SaveDatabaseAs(set, target);
    out << "Copied " << set.videos.RowCount() << " records and " << set.wanted.Count()
        << " wanted titles to " << target.main << '\n';
}

}  // namespace cli
