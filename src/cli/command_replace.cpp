#include "cli/commands.h"
#include "online/search_panes.h"
#include "online/text_replace.h"

namespace cli {

void RunReplace(CliContext& context, std::ostream& out) {
    RequireOperands(context, 3, "replace DB WHAT WITH [--in COLUMN] [--match-case] [--whole]");
    if (context.arguments().operands[1].empty())
        throw CliError{"WHAT is empty: nothing to replace"};
    context.Open(context.arguments().operands[0]);
    context.RequireFullAccess();
    app::Session& session = context.session();

    // The pane's closing message is the count printed below, not a warning.
    CliPrompts quiet;
    online::SearchPanes panes(session.config);
    online::TextReplace replace(session, panes, quiet);
    if (std::optional<std::string> in = context.arguments().Value("--in")) {
        replace.SetInside(session.Videos.Column(ColumnNamed(context, *in)).Name);
    }
    replace.SetMatchCase(context.arguments().Has("--match-case"));
    replace.SetColumnValue(context.arguments().Has("--whole"));
    replace.SetWhat(context.arguments().operands[1]);
    replace.SetWith(context.arguments().operands[2]);
    replace.substitute_all();

    const int updated = session.Modified ? session.Videos.SelectedCount() : 0;
    if (session.Modified) SaveOpenDatabase(context);
    // Closing removes the undo copy the replace left in the program folder.
    app::CloseDatabase(session);
    out << updated << " records updated\n";
}

}  // namespace cli
