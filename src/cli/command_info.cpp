#include <iomanip>

#include "cli/commands.h"

namespace cli {

void RunInfo(CliContext& context, std::ostream& out) {
    RequireOperands(context, 1, "info DB");
    context.Open(context.arguments().operands[0]);
    const app::Session& session = context.session();
    const core::VideoList& videos = session.Videos;

    std::string sort_name = "(none)";
    if (session.Sort.column >= 0 && session.Sort.column < videos.ColumnCount()) {
        sort_name = videos.Column(session.Sort.column).Name;
    }
    out << "Main file:     " << session.CurrentDatabasePath << '\n'
        << "Records:       " << videos.RowCount() << '\n'
        << "Wanted:        " << session.Wanted.Count() << '\n'
        << "Image folder:  " << session.ImageFolder << '\n'
        << "Sort column:   " << sort_name << " (" << session.Sort.column << ")\n"
        << "Sort order:    " << (session.Sort.direction != 0 ? "ascending" : "descending") << '\n'
        << "Accounts:      " << session.Accounts.size() << '\n'
        << "Columns:       " << videos.ColumnCount() << '\n'
        << "  " << std::left << std::setw(16) << "Name" << std::right << std::setw(6) << "Slot"
        << std::setw(9) << "Visible" << std::setw(7) << "Width" << '\n';
    for (int index : videos.ColumnOrder()) {
        const core::VideoColumn& column = videos.Column(index);
        out << "  " << std::left << std::setw(16) << column.Name << std::right << std::setw(6)
            << column.FileSlot << std::setw(9) << (column.Visible ? "yes" : "no") << std::setw(7)
            << (column.Visible ? videos.ColumnWidth(index) : 0) << '\n';
    }
}

}  // namespace cli
