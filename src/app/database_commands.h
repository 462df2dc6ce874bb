#pragma once

#include <string>
#include <vector>

#include "app/login_window.h"
#include "app/session.h"
#include "platform/progress.h"
#include "platform/prompts.h"

// The File operations on a whole database: open, new, save, save as, the save-changes prompt,
// close and delete. Each runs to its end, asking the user through `Prompts` where it must.
namespace app {

// What the database operations talk to.
struct DatabaseServices {
    platform::Prompts& prompts;
    platform::Progress& progress;
    LoginPresenter& login;
};

// "Reeldeck Database (*.rdk)".
const platform::FileFilter& DatabaseFileFilter();

// Opens the database of main file `main_path` into the session (which has no database open):
// login, column table, records, image folder, sort order and Wanted Videos. Repairs a missing
// header or wanted file. Returns 1, or -1 with no database open; either way the session is
// not Modified.
int OpenDatabase(Session& session, DatabaseServices& services, const std::string& main_path);

// File > Open: asks for a file, closes the open database after the save-changes prompt and
// opens the chosen one.
void OpenCommand(Session& session, DatabaseServices& services);
// Opening from the recent databases: the save-changes prompt, then the database.
void OpenRecentCommand(Session& session, DatabaseServices& services, const std::string& main_path);

// Writes every file of the open database under `path` (".rdk" is added unless the name has it).
// Under a new name the database takes that name and its images are copied into the new image
// folder. Returns 1 or -1 (after telling the user what failed). Files about to be replaced are
// first kept as the database's backup (when the configuration asks for it). When the open
// database's files changed on disk since they were read or written here, the user chooses to
// save over them, to save under another name, or not to save (-1).
int SaveDatabase(Session& session, DatabaseServices& services, const std::string& path);
// Save As without the New fallback: asks for a name and saves there. Returns 1, or -1 when the
// user cancelled, was refused, or the save failed.
int SaveUnderAnotherName(Session& session, DatabaseServices& services);

// Reads the accounts of a database into `accounts`: none when its accounts file is missing.
// An accounts file that exists but cannot be read is reported, naming it, and gives false.
bool ReadDatabaseAccounts(DatabaseServices& services, const std::string& accounts_path,
                          std::vector<core::UserAccount>& accounts);

enum class ReplaceAccess { kAllowed, kDenied, kUnreadable };
// Whether the user may replace the database that `chosen_path` names (New, Save As, copies): it
// has no accounts, or the current credentials or a login give full access to it. Accounts that
// cannot be read refuse (after being reported). `target_accounts` gets its accounts.
ReplaceAccess MayReplaceDatabase(Session& session, DatabaseServices& services,
                                 const std::string& chosen_path,
                                 std::vector<core::UserAccount>& target_accounts);

void NewCommand(Session& session, DatabaseServices& services);
void SaveCommand(Session& session, DatabaseServices& services);
void SaveAsCommand(Session& session, DatabaseServices& services);

// The save-changes prompt before the open database is closed. Returns 1 when the database was
// closed (saved, or its changes discarded by No), 0 when it stays open: the user cancelled, or
// answered Yes and the save failed or Save As was cancelled.
int ConfirmCloseDatabase(Session& session, DatabaseServices& services);
// The save-changes prompt at exit: true when the program may end; false after Cancel or a save
// that did not happen.
bool ConfirmExit(Session& session, DatabaseServices& services);

// Empties every list, forgets the open database and removes the undo work files.
void CloseDatabase(Session& session);

// Deletes every file of the open database and its images (after asking, when deletions are
// confirmed), then closes it.
void DeleteDatabaseCommand(Session& session, DatabaseServices& services);

// File > Restore Backup...: after asking, exchanges the open database's files with their backup
// and opens the database again, so a second restore brings back what the first replaced.
void RestoreBackupCommand(Session& session, DatabaseServices& services);

// File > Logout.
void LogoutCommand(Session& session, DatabaseServices& services);

}  // namespace app
