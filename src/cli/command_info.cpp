#include <iomanip>

#include "cli/commands.h"

namespace cli {

void RunInfo(CliContext& context, std::ostream& out) {
    if (context.arguments.operands.size() != 1) throw CliError{"usage: reeldeck-cli info DB"};
    const core::DatabaseNames names = core::DatabaseNamesOf(context.arguments.operands[0]);
    core::DatabaseSet set = LoadDatabase(context, names);
    const core::VideoList& videos = set.videos;

    std::string sort_name = "(none)";
    if (set.sort.column >= 0 && set.sort.column < videos.ColumnCount()) {
        sort_name = videos.Column(set.sort.column).Name;
    }
    out << "Main file:     " << names.main << '\n'
        << "Records:       " << videos.RowCount() << '\n'
        << "Wanted:        " << set.wanted.Count() << '\n'
        << "Image folder:  " << set.image_folder << '\n'
        << "Sort column:   " << sort_name << " (" << set.sort.column << ")\n"
        << "Sort order:    " << (set.sort.direction == 1 ? "ascending" : "descending") << '\n'
        << "Accounts:      " << set.accounts.size() << '\n'
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
