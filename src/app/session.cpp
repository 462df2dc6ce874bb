#include "app/session.h"

#include "core/paths.h"

namespace app {

platform::Progress& Session::ProgressDisplay() const {
    static platform::NoProgress nothing;  // keeps no state: one serves every session
    return progress ? *progress : nothing;
}

std::string MainWindowTitle(const Session& session) {
    if (!session.IsOpen()) return "Reeldeck";
    return "Reeldeck - " + std::string(session.Modified ? "*" : "") +
           core::FileNameOf(session.CurrentDatabasePath) + " - " +
           std::to_string(session.Videos.RowCount()) + " Videos";
}

std::string PaneCaption(std::string_view pane_name, int count) {
    return std::string(pane_name) + " - " + std::to_string(count);
}

std::string UserStatusText(const Session& session) {
    if (!session.LoggedIn || session.CurrentUserName.empty()) return "Not logged in";
    return "User: " + session.CurrentUserName +
           (session.AccessLevel == kFullAccess ? " [administrator]" : " [guest]");
}

}  // namespace app
