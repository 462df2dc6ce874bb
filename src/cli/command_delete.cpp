#include "cli/commands.h"
#include "core/paths.h"

namespace cli {

void RunDelete(CliContext& context, std::ostream& out) {
    RequireOperands(context, 1, "delete DB [--yes]");
    context.Open(context.arguments().operands[0]);
    context.RequireFullAccess();
    app::Session& session = context.session();
    const std::string main = session.CurrentDatabasePath;
    app::DeleteDatabaseCommand(session, context.services());
    if (core::FileExists(main)) {
        throw CliError{main + ": not deleted; add --yes to confirm the deletion"};
    }
    out << "Deleted " << main << " and its images\n";
}

}  // namespace cli
