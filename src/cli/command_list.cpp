#include <functional>

#include "app/list_videos.h"
#include "cli/commands.h"
#include "online/search_results.h"

namespace cli {

void RunList(CliContext& context, std::ostream& out) {
    const char* usage = "list DB flagged|viewed|not-viewed|duplicates [--by-year]";
    RequireOperands(context, 2, usage);
    const std::string& which = context.arguments().operands[1];
    const app::DuplicateKey duplicate_key = context.arguments().Has("--by-year")
                                                ? app::DuplicateKey::kTitleAndYear
                                                : app::DuplicateKey::kTitle;
    std::function<app::Listing(core::VideoList&)> select;
    if (which == "flagged") select = app::SelectFlagged;
    if (which == "viewed") select = app::SelectViewed;
    if (which == "not-viewed") select = app::SelectNotViewed;
    if (which == "duplicates")
        select = [&](core::VideoList& list) {
            return app::SelectDuplicateTitles(list, duplicate_key);
        };
    if (!select) throw CliError{std::string("usage: reeldeck-cli ") + usage};

    context.Open(context.arguments().operands[0]);
    // The titles in the order the Search pane lists them.
    online::SearchResults results;
    results.Assign(select(context.session().Videos).titles);
    for (const std::string& title : results.Titles()) out << title << '\n';
}

}  // namespace cli
