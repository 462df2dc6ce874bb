#include "app/flag_window.h"

#include "app/marking.h"
#include "app/menu_rules.h"
#include "core/text.h"

namespace app {

FlagWindow::FlagWindow(Session& session)
    : session_(session),
      choices_(DistinctValues(session.Videos,
                              session.Videos.ColumnIndexOf(core::column_name::kFlagValue))) {
    if (session.Videos.SelectedCount() != 1) return;
    const int row = session.Videos.SelectedRows().front();
    const std::string current = core::ToLowerAscii(
        session.Videos.GetCell(row, session.Videos.ColumnIndexOf(core::column_name::kFlagValue)));
    for (const std::string& choice : choices_) {
        if (core::StartsWith(core::ToLowerAscii(choice), current)) {
            reason_ = choice;
            break;
        }
    }
}

bool FlagWindow::Ok() {
    const std::string reason = core::RemoveLineBreaks(reason_);
    if (reason.empty()) return false;
    FlagSelected(session_, reason);
    return true;
}

}  // namespace app
