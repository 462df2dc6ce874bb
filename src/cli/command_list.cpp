#include "app/list_videos.h"
#include "cli/commands.h"
#include "online/search_results.h"

namespace cli {

void RunList(CliContext& context, std::ostream& out) {
    const char* usage = "list DB flagged|viewed|not-viewed|duplicates";
    RequireOperands(context, 2, usage);
    const std::string& which = context.arguments().operands[1];
    app::Listing (*select)(core::VideoList&) = nullptr;
    if (which == "flagged") select = app::SelectFlagged;
    if (which == "viewed") select = app::SelectViewed;
    if (which == "not-viewed") select = app::SelectNotViewed;
    if (which == "duplicates") select = app::SelectDuplicateTitles;
    if (!select) throw CliError{std::string("usage: reeldeck-cli ") + usage};

    context.Open(context.arguments().operands[0]);
    // The titles in the order the Search pane lists them.
    online::SearchResults results;
    results.Assign(select(context.session().Videos).titles);
    for (const std::string& title : results.Titles()) out << title << '\n';
}

}  // namespace cli
