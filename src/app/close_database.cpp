#include <filesystem>

#include "app/database_commands.h"
#include "app/image_undo.h"
#include "config/recent_databases.h"
#include "core/database_files.h"
#include "core/images.h"
#include "core/paths.h"
#include "core/text.h"

namespace app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// "Save changes to films.rdk?": Yes, No or Cancel; nothing is asked without changes.
Answer AskToSaveChanges(Session& session, DatabaseServices& services) {
    if (!session.IsOpen() || !session.Modified) return Answer::kNo;
    return services.prompts.Message(
        core::FormatText("Save changes to %s?", {core::FileNameOf(session.CurrentDatabasePath)}),
        "Reeldeck", Buttons::kYesNoCancel, Icon::kWarning);
}

// True when the changes are on disk. A failed save has already told the user why; a cancelled
// Save As has nothing to tell.
bool SaveBeforeClosing(Session& session, DatabaseServices& services) {
    if (core::HasDatabaseExtension(session.CurrentDatabasePath)) {
        return SaveDatabase(session, services, session.CurrentDatabasePath) != -1;
    }
    SaveAsCommand(session, services);
    return !session.Modified;
}

}  // namespace

int ConfirmCloseDatabase(Session& session, DatabaseServices& services) {
    const Answer answer = AskToSaveChanges(session, services);
    if (answer == Answer::kCancel) return 0;
    // Changes the user asked to keep are never thrown away: a save that did not happen leaves
    // the database open.
    if (answer == Answer::kYes && !SaveBeforeClosing(session, services)) return 0;
    CloseDatabase(session);
    return 1;
}

bool ConfirmExit(Session& session, DatabaseServices& services) {
    const Answer answer = AskToSaveChanges(session, services);
    if (answer == Answer::kCancel) return false;
    return answer != Answer::kYes || SaveBeforeClosing(session, services);
}

void CloseDatabase(Session& session) {
    session.Videos.DeleteAllRows();
    session.Videos.DeleteAllColumns();
    session.Wanted.Clear();
    session.CurrentDatabasePath.clear();
    session.ImageFolder.clear();
    // The undo copies belong to the database that was open.
    std::error_code error;
    for (const std::string* work_file :
         {&session.paths.import_undo_videos, &session.paths.import_undo_wanted,
          &session.paths.replace_undo}) {
        std::filesystem::remove(*work_file, error);
    }
    app::ImageUndoOf(session).Discard();
    session.Modified = false;
    session.Accounts.clear();
    session.LoggedIn = false;
    session.AccessLevel = kNoAccess;
    session.NotifyClosed();
    session.NotifyLoginChanged();
}

void DeleteDatabaseCommand(Session& session, DatabaseServices& services) {
    if (!session.IsOpen()) return;
    if (session.config.prompt_before_delete) {
        const Answer answer = services.prompts.Message(
            core::FormatText("Warning: This will delete the database \"%s\"\nand all associated "
                             "images and files.\n\nClick the OK button to confirm.",
                             {core::FileNameOf(session.CurrentDatabasePath)}),
            "Confirm", Buttons::kOkCancel, Icon::kWarning);
        if (answer != Answer::kOk) return;
    }
    const core::DatabaseNames names = core::DatabaseNamesOf(session.CurrentDatabasePath);
    std::error_code error;
    for (const std::string* file :
         {&names.main, &names.header, &names.images, &names.sort, &names.wanted, &names.accounts}) {
        std::filesystem::remove(*file, error);
    }
    // A linked image folder belongs to someone else: its files are not this database's to delete.
    if (!session.ImageFolder.empty() && !std::filesystem::is_symlink(session.ImageFolder, error)) {
        core::DeleteFolderFiles(session.ImageFolder);
        if (std::filesystem::is_empty(session.ImageFolder, error) && !error) {
            std::filesystem::remove(session.ImageFolder, error);
        }
    }
    // The recent list forgets the deleted database (and any other that is gone), keeping the
    // databases opened in this run.
    session.recent.RemoveMissing();
    CloseDatabase(session);
}

void LogoutCommand(Session& session, DatabaseServices& services) {
    // With accounts, the database closes (its login ends with it); the credentials are forgotten
    // either way.
    if (!session.Accounts.empty() && ConfirmCloseDatabase(session, services) == 0) return;
    session.CurrentUserName.clear();
    session.CurrentPassword.clear();
    session.NotifyLoginChanged();
}

}  // namespace app
