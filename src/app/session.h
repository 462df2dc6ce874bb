#pragma once

#include <string>
#include <vector>

#include "config/program_config.h"
#include "config/program_paths.h"
#include "config/recent_databases.h"
#include "core/accounts_file.h"
#include "core/database_backup.h"
#include "core/dates.h"
#include "core/sort_state_file.h"
#include "core/video_list.h"
#include "core/wanted_list.h"
#include "platform/progress.h"
#include "platform/reading_work.h"

namespace app {

// Access to the open database.
constexpr int kNoAccess = 0;
constexpr int kReadOnlyAccess = core::kReadOnlyAccess;
constexpr int kFullAccess = core::kFullAccess;

// Told when the open database changes, so that windows can show it. Every method has an empty
// default: a listener takes what it needs.
class SessionListener {
public:
    virtual ~SessionListener() = default;
    // A database was opened: new column table, both lists, captions.
    virtual void DatabaseOpened() {}
    // The open database was closed: every list and pane is empty.
    virtual void DatabaseClosed() {}
    // The open database now lives under another name (saved under a new name).
    virtual void DatabaseRenamed() {}
    // The rows, their order or the Wanted Videos changed.
    virtual void ListsChanged() {}
    // The open database was written: it is no longer Modified.
    virtual void DatabaseSaved() {}
    // The login or the access level changed.
    virtual void LoginChanged() {}
};

// The program state of the open database. At most one database is open; with none open the
// path is empty and both lists and the column table are empty.
struct Session {
    Session(const config::ProgramPaths& paths, config::ProgramConfig& config,
            config::RecentDatabases& recent, const core::Clock& clock)
        : paths(paths), config(config), recent(recent), clock(clock) {}

    const config::ProgramPaths& paths;
    config::ProgramConfig& config;
    config::RecentDatabases& recent;
    const core::Clock& clock;

    core::VideoList Videos;
    core::WantedList Wanted;
    std::vector<core::UserAccount> Accounts;
    core::SortState Sort;

    std::string CurrentDatabasePath;  // the open main file; empty when none is open
    std::string ImageFolder;          // the folder of the record images in use
    bool Modified = false;            // the lists changed since they were opened or saved
    // The database's files as last read or written here: a difference at the next save means
    // another program changed them.
    core::DatabaseStamp DiskStamp;
    bool LoggedIn = false;
    int AccessLevel = kNoAccess;
    // Credentials of the last successful login, kept from one database to the next.
    std::string CurrentUserName;
    std::string CurrentPassword;

    SessionListener* listener = nullptr;
    // Where long work on the lists (sorting, searching, replacing) shows its progress; nothing is
    // shown while it is not set.
    platform::Progress* progress = nullptr;
    platform::Progress& ProgressDisplay() const;
    // Where long work that reads the session without changing it runs (writing its files,
    // reading a database into a list of its own, finding what a sort, search or replace will
    // change); in place while it is not set.
    platform::ReadingWork* reading_work = nullptr;

    bool IsOpen() const { return !CurrentDatabasePath.empty(); }
    bool ReadOnly() const { return AccessLevel == kReadOnlyAccess; }
    bool CanChange() const { return IsOpen() && AccessLevel == kFullAccess; }

    // Notifications, safe without a listener.
    void NotifyOpened() const { if (listener) listener->DatabaseOpened(); }
    void NotifyClosed() const { if (listener) listener->DatabaseClosed(); }
    void NotifyRenamed() const { if (listener) listener->DatabaseRenamed(); }
    void NotifyListsChanged() const { if (listener) listener->ListsChanged(); }
    void NotifySaved() const { if (listener) listener->DatabaseSaved(); }
    void NotifyLoginChanged() const { if (listener) listener->LoginChanged(); }
};

// "Reeldeck", or "Reeldeck - films.rdk - 12 Videos" while a database is open; the name is
// marked "*films.rdk" while there are unsaved changes.
std::string MainWindowTitle(const Session& session);
// "%s - %s" of a pane's name and its count, e.g. "Wanted Videos - 3".
std::string PaneCaption(std::string_view pane_name, int count);

// The text of the user indicator: "Not logged in", "User: ann [administrator]" or
// "User: bob [guest]".
std::string UserStatusText(const Session& session);

}  // namespace app
