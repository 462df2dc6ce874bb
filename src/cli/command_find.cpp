#include "cli/commands.h"
#include "online/search_panes.h"
#include "online/text_search.h"

namespace cli {

void RunFind(CliContext& context, std::ostream& out) {
    RequireOperands(context, 2, "find DB TEXT [--in COLUMN] [--match-case] [--whole]");
    context.Open(context.arguments().operands[0]);
    app::Session& session = context.session();

    online::SearchPanes panes(session.config);
    online::TextSearch search(session, panes);
    if (std::optional<std::string> in = context.arguments().Value("--in")) {
        search.SetInside(session.Videos.Column(ColumnNamed(context, *in)).Name);
    }
    search.SetMatchCase(context.arguments().Has("--match-case"));
    search.SetColumnValue(context.arguments().Has("--whole"));
    search.SetFindText(context.arguments().operands[1]);
    search.find_all();
    for (const std::string& title : search.Results()) out << title << '\n';
}

}  // namespace cli
