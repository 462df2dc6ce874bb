#include "cli/commands.h"
#include "core/database_files.h"

namespace cli {

// A copy keeps the source's accounts, so a protected database stays protected in its copy.
void RunCopy(CliContext& context, std::ostream& out) {
    RequireOperands(context, 2, "copy SRC DST");
    const std::string target = core::DatabaseNamesOf(context.arguments().operands[1]).main;
    if (core::DatabaseNamesOf(context.arguments().operands[0]).main == target) {
        throw CliError{target + ": source and target are the same database"};
    }
    context.Open(context.arguments().operands[0]);
    // As Save As is, a copy is closed to a read-only login.
    if (context.session().ReadOnly()) {
        throw CliError{context.session().CurrentDatabasePath +
                       ": copying this protected database needs an account with full access"};
    }
    RequireFullAccessTo(context, target);
    app::Session& session = context.session();
    if (app::SaveDatabase(session, context.services(), target) != 1) context.Fail(target);
    out << "Copied " << session.Videos.RowCount() << " records and " << session.Wanted.Count()
        << " wanted titles to " << target << '\n';
}

}  // namespace cli
