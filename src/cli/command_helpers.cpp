// What several commands of reeldeck-cli share.
#include "cli/commands.h"
#include "core/accounts_file.h"

namespace cli {

void RequireOperands(const CliContext& context, std::size_t count, const char* usage) {
    if (context.arguments().operands.size() != count) {
        throw CliError{std::string("usage: reeldeck-cli ") + usage};
    }
}

void RequireFullAccessTo(CliContext& context, const std::string& main_path) {
    std::vector<core::UserAccount> accounts;
    switch (app::MayReplaceDatabase(context.session(), context.services(), main_path, accounts)) {
        case app::ReplaceAccess::kAllowed:
            return;
        case app::ReplaceAccess::kUnreadable:
            throw CliError{context.prompts().LastError()};
        case app::ReplaceAccess::kDenied:
            break;
    }
    throw CliError{main_path +
                   ": replacing this protected database needs an account with full access"};
}

int ColumnNamed(CliContext& context, const std::string& name) {
    const core::VideoList& videos = context.session().Videos;
    const core::VideoColumn* column = videos.FindColumn(name);
    if (!column) column = videos.FindColumnNoCase(name);
    if (column) return column->ListIndex;
    std::string names;
    for (const core::VideoColumn& each : videos.Columns())
        names += (names.empty() ? "" : ", ") + each.Name;
    throw CliError{"no column \"" + name + "\" (columns: " + names + ")"};
}

void SaveOpenDatabase(CliContext& context) {
    app::Session& session = context.session();
    if (app::SaveDatabase(session, context.services(), session.CurrentDatabasePath) != 1) {
        context.Fail(session.CurrentDatabasePath);
    }
    session.Modified = false;
}

}  // namespace cli
