#include "cli/commands.h"
#include "core/database_files.h"
#include "core/paths.h"

namespace cli {

void RunNew(CliContext& context, std::ostream& out) {
    RequireOperands(context, 1, "new DB");
    const std::string chosen = context.arguments().operands[0];
    const std::string main = core::DatabaseNamesOf(chosen).main;
    if (core::FileExists(main) && !context.arguments().Has("--yes")) {
        throw CliError{main + ": a database of that name exists; add --yes to replace its records"};
    }
    RequireFullAccessTo(context, main);
    std::string created;
    core::FileResult result = core::CreateDatabaseFiles(chosen, context.paths().default_header, &created);
    if (!result) throw CliError{"cannot create " + result.path + ": " + result.reason};
    out << "Created " << created << '\n';
}

}  // namespace cli
