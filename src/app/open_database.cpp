#include <filesystem>
#include <optional>

#include "app/database_commands.h"
#include "app/list_sorting.h"
#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/database_replacement.h"
#include "core/header_file.h"
#include "core/images.h"
#include "core/main_file_check.h"
#include "core/paths.h"
#include "core/record_file.h"
#include "core/safe_file.h"
#include "core/text.h"
#include "core/wanted_file.h"

namespace app {
namespace {

using platform::Buttons;
using platform::Icon;

void ShowFileError(DatabaseServices& services, std::string_view format, const core::FileResult& r) {
    services.prompts.Message(core::FormatText(format, {r.path, r.reason}), "Error", Buttons::kOk,
                             Icon::kError);
}

// The accounts and the login. False when the user may not open the database.
bool LogIn(Session& session, DatabaseServices& services, const core::DatabaseNames& names) {
    session.LoggedIn = false;
    if (!ReadDatabaseAccounts(services, names.accounts, session.Accounts)) return false;
    if (session.Accounts.empty()) {
        session.LoggedIn = true;
        session.AccessLevel = kFullAccess;
        return true;
    }
    const core::UserAccount* account = nullptr;
    if (!session.CurrentUserName.empty() && !session.CurrentPassword.empty()) {
        account =
            core::FindLogin(session.Accounts, session.CurrentUserName, session.CurrentPassword);
    }
    if (!account) {
        LoginWindow window(session.Accounts, services.prompts);
        if (services.login.RunLogin(window) && window.Account()) {
            account = window.Account();
            session.CurrentUserName = window.UserName();
            session.CurrentPassword = window.Password();
        }
    }
    if (!account) return false;
    session.LoggedIn = true;
    session.AccessLevel = account->Level == kFullAccess ? kFullAccess : kReadOnlyAccess;
    return true;
}

// Moves a header that cannot be read out of the way, to "<header>.bad", so that the user's column
// layout can still be recovered from it. True when there is such a copy.
bool KeepDamagedHeader(const std::string& header) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(header, error))) return false;
    std::filesystem::rename(header, header + ".bad", error);
    return !error;
}

// The column table; a missing or unreadable header is replaced by the default one.
bool ReadColumnTable(Session& session, DatabaseServices& services,
                     const core::DatabaseNames& names) {
    core::FileResult read = core::ReadHeader(session.Videos, names.header);
    if (read) return true;
    const bool kept = KeepDamagedHeader(names.header);
    core::FileResult repaired = core::CopyFileSafely(session.paths.default_header, names.header);
    if (repaired) repaired = core::ReadHeader(session.Videos, names.header);
    const std::string message = core::FormatText(
        "Error opening video list header settings file:\n%s.\n%s.\n\n"
        "A new one has been generated.",
        {read.path, read.reason});
    services.prompts.Message(kept
                                 ? message + core::FormatText("\nThe old file has been kept as %s.",
                                                              {names.header + ".bad"})
                                 : message,
                             "Error", Buttons::kOk, Icon::kError);
    if (!repaired) {
        ShowFileError(services, "Error opening database:\n%s.\n%s.", repaired);
        return false;
    }
    return true;
}

// Wanted Videos; a missing wanted file is created empty.
void ReadWantedList(Session& session, DatabaseServices& services,
                    const core::DatabaseNames& names) {
    session.Wanted.Clear();
    const bool move_article = session.config.place_the_in_back;
    core::FileResult read =
        core::ReadWanted(session.Wanted, names.wanted, move_article, services.progress);
    if (read) return;
    if (core::FileExists(names.wanted)) {
        // Unreadable but present: report it, and never replace the titles it holds.
        ShowFileError(services, "Error opening wanted video database:\n%s.\n%s.", read);
        return;
    }
    const core::FileResult created = core::WriteFileSafely(
        names.wanted, [](std::ostream&) { return core::FileResult::Success(); });
    if (!created) {
        services.prompts.Message(
            core::FormatText("Error opening wanted video database:\n%s.\n%s.\n\n"
                             "A new one could not be created:\n%s.\n%s.",
                             {read.path, read.reason, created.path, created.reason}),
            "Error", Buttons::kOk, Icon::kError);
        return;
    }
    core::ReadWanted(session.Wanted, names.wanted, move_article, services.progress);
    ShowFileError(services,
                  "Error opening wanted video database:\n%s.\n%s.\n\nA new one has been created.",
                  read);
}

// The main file that opening `chosen_path` reads, once it is known to be one. Otherwise the
// user is told, naming the file as chosen, and nothing is returned.
std::optional<std::string> MainFileToOpen(DatabaseServices& services,
                                          const std::string& chosen_path) {
    const core::DatabaseNames names = core::DatabaseNamesOf(chosen_path);
    // A save that a crash interrupted is finished, or undone, before anything is read.
    core::FileResult check = core::FinishReplacement(names);
    if (!check) {
        ShowFileError(services, "Error opening database:\n%s.\n%s.", check);
        return std::nullopt;
    }
    const std::string& main = names.main;
    if (main != chosen_path && !core::FileExists(main) && core::FileExists(chosen_path)) {
        // A file named otherwise is no database's main file: its companions would not be found.
        check = core::CheckMainFile(chosen_path);
        if (check) {
            check = core::FileResult::Failure(chosen_path,
                                              "The name of a database file ends in \".rdk\"");
        }
    } else {
        check = core::CheckMainFile(main);
    }
    if (check) return main;
    ShowFileError(services, "Error opening database:\n%s.\n%s.", check);
    return std::nullopt;
}

}  // namespace

const platform::FileFilter& DatabaseFileFilter() {
    static const platform::FileFilter filter{"Reeldeck Database (*.rdk)", "*.rdk"};
    return filter;
}

int OpenDatabase(Session& session, DatabaseServices& services, const std::string& main_path) {
    auto give_up = [&] {
        CloseDatabase(session);
        return -1;
    };
    // Nothing is repaired or created beside a file that is not a database.
    const std::optional<std::string> main = MainFileToOpen(services, main_path);
    if (!main) return give_up();
    const core::DatabaseNames names = core::DatabaseNamesOf(*main);
    if (!LogIn(session, services, names)) return give_up();
    session.NotifyLoginChanged();
    if (!ReadColumnTable(session, services, names)) return give_up();

    // The records are read and sorted into a list of their own, which the session takes whole:
    // long work beside the window's thread, which sees no half-read list meanwhile.
    const core::RecordReadOptions options{session.config.place_the_in_back};
    core::VideoList videos = session.Videos;  // the column table, without rows
    core::SortState sort = session.Sort;
    core::ReadSortState(sort, names.sort);
    core::FileResult records;
    platform::RunReadingWork(
        session.reading_work, services.progress, [&](platform::Progress& progress) {
            records = core::ReadRecords(videos, names.main, session.clock, options, progress);
            if (!records) return;
            SortVideos(videos, sort, sort.column, sort.direction, &progress);
        });
    if (!records) {
        ShowFileError(services, "Error opening database:\n%s.\n%s.", records);
        return give_up();
    }

    session.Videos = std::move(videos);
    session.Sort = sort;
    session.CurrentDatabasePath = names.main;
    session.recent.Add(names.main);
    session.ImageFolder = core::ResolveImageFolder(names.images, names.base);
    ReadWantedList(session, services, names);
    session.Modified = false;
    session.DiskStamp = core::StampDatabase(names);
    session.NotifyOpened();
    return 1;
}

void OpenCommand(Session& session, DatabaseServices& services) {
    std::optional<std::string> path = services.prompts.OpenFile("Open", DatabaseFileFilter());
    if (!path || !core::FileExists(*path)) return;
    // A wrong file is refused while the open database is still open.
    if (!MainFileToOpen(services, *path)) return;
    if (ConfirmCloseDatabase(session, services) != 1) return;
    OpenDatabase(session, services, *path);
}

void OpenRecentCommand(Session& session, DatabaseServices& services, const std::string& main_path) {
    if (!MainFileToOpen(services, main_path)) return;
    if (ConfirmCloseDatabase(session, services) != 1) return;
    OpenDatabase(session, services, main_path);
}

}  // namespace app
