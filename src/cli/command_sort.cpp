#include "app/sort_commands.h"
#include "cli/commands.h"

namespace cli {

void RunSort(CliContext& context, std::ostream& out) {
    RequireOperands(context, 2, "sort DB COLUMN [--descending]");
    context.Open(context.arguments().operands[0]);
    context.RequireFullAccess();
    app::Session& session = context.session();
    const int column = ColumnNamed(context, context.arguments().operands[1]);
    if (!session.Videos.Column(column).Sortable) {
        std::string sortable;
        for (const core::VideoColumn& each : session.Videos.Columns()) {
            if (each.Sortable) sortable += (sortable.empty() ? "" : ", ") + each.Name;
        }
        throw CliError{"\"" + session.Videos.Column(column).Name +
                       "\" is not offered for sorting (sortable: " + sortable + ")"};
    }
    const bool descending = context.arguments().Has("--descending");
    app::SortVideos(session, column, descending ? 0 : 1);
    SaveOpenDatabase(context);
    out << "Sorted " << session.Videos.RowCount() << " records by "
        << session.Videos.Column(column).Name << ", " << (descending ? "descending" : "ascending")
        << '\n';
}

}  // namespace cli
