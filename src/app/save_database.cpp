#include <algorithm>
#include <functional>
#include <tuple>

#include "app/database_commands.h"
#include "app/image_undo.h"
#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/database_replacement.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/images.h"
#include "core/paths.h"
#include "core/record_file.h"
#include "core/safe_file.h"
#include "core/text.h"
#include "core/wanted_file.h"

namespace app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

bool Failed(DatabaseServices& services, const core::FileResult& result, std::string_view format) {
    if (result) return false;
    services.prompts.Message(core::FormatText(format, {result.path, result.reason}), "Error",
                             Buttons::kOk, Icon::kError);
    return true;
}

// Stages copies of the images of every kind for the new image folder, so that they arrive with
// the database's files or not at all. Images that cannot be copied do not stop the save: the old
// folder still has them. Returns the report of what was left out, shown once the save is made;
// empty when nothing was.
std::string StageImageCopy(const Session& session, core::DatabaseReplacement& save,
                           platform::Progress& progress) {
    if (const core::FileResult folder = save.CreateImageFolder(); !folder) {
        return core::FormatText(
            "Error creating image folder:\n%s.\n%s.\n\nThe images were not copied.",
            {folder.path, folder.reason});
    }
    int found = 0;
    int failed = 0;
    core::FileResult first_failure = core::FileResult::Success();
    for (std::string_view extension : core::kImageExtensions) {
        core::ImageCopy copy =
            save.StageImages(session.ImageFolder, extension, app::ImageUndoOf(session), progress);
        found += std::max(copy.found, 0);
        if (copy.failed > 0 && failed == 0) first_failure = std::move(copy.first_failure);
        failed += copy.failed;
    }
    if (failed == 0) return {};
    return core::FormatText(
        "Error copying image:\n%s.\n%s.\n\n%d of %d images were not copied.",
        {first_failure.path, first_failure.reason, std::to_string(failed), std::to_string(found)});
}

// Makes the database's identity the new name: path, recent list, caption and image folder.
void TakeNewName(Session& session, const core::DatabaseNames& names) {
    session.CurrentDatabasePath = names.main;
    session.recent.Add(names.main);
    session.ImageFolder = names.base;
    session.NotifyRenamed();
}

void DenyAccess(DatabaseServices& services, std::string_view message) {
    services.prompts.Message(message, "Access Denied", Buttons::kOk, Icon::kError);
}

// The header is written in display order, so after a reopen a column's index is its display
// position: the sort file stores the sort column under that index.
core::SortState SortStateAsStored(const Session& session) {
    core::SortState stored = session.Sort;
    const std::vector<int>& order = session.Videos.ColumnOrder();
    auto position = std::find(order.begin(), order.end(), session.Sort.column);
    if (position != order.end()) stored.column = static_cast<int>(position - order.begin());
    return stored;
}

// What to do when the open database's files changed on disk since they were read or written
// here (another copy of the program, a sync tool): Yes saves over them, No saves under another
// name, Cancel saves nothing.
Answer AskAboutChangeOnDisk(DatabaseServices& services, const std::string& main) {
    return services.prompts.Message(
        core::FormatText("%s has been changed on disk since it was opened, by another program or "
                         "another copy of Reeldeck.\n\nYes: save over those changes.\nNo: save "
                         "under another name.\nCancel: do not save.",
                         {main}),
        "Save", Buttons::kYesNoCancel, Icon::kWarning);
}

// Keeps the files about to be replaced as the database's backup. A backup that cannot be kept
// is reported, and the user decides whether to save without it.
bool KeepBackupBeforeSaving(Session& session, DatabaseServices& services,
                            const core::DatabaseNames& names, core::DatabaseReplacement& save) {
    if (!session.config.keep_backup || !core::FileExists(names.main)) return true;
    const core::FileResult kept = save.KeepBackup();
    if (kept) return true;
    return services.prompts.Message(
               core::FormatText("The backup of the database could not be kept:\n%s.\n%s.\n\n"
                                "Save without a backup?",
                                {kept.path, kept.reason}),
               "Save", Buttons::kYesNo, Icon::kWarning) == Answer::kYes;
}

// What staging a save's files came to: the first file that failed, with the message format for
// it, and the report of the images left out.
struct StagedSave {
    core::FileResult failure = core::FileResult::Success();
    std::string_view failure_format;
    std::string images_left_out;
};

constexpr std::string_view kSaveError = "Error saving database:\n%s.\n%s.";

// Stages the new versions of the database's files but the header under `names` (and, for a new
// name, its images): the long part of a save, which only reads the session. The progress names
// each file, not its staged copy.
StagedSave StageDatabaseFiles(const Session& session, const core::DatabaseNames& names,
                              const std::string& image_folder, core::DatabaseReplacement& save,
                              platform::Progress& progress) {
    using Writer = std::function<core::FileResult(const std::string& path)>;
    const std::tuple<const std::string&, Writer, std::string_view> files[] = {
        {names.main,
         [&](auto& to) {
             return core::WriteFileSafely(to, [&](std::ostream& out) {
                 return core::WriteRecords(session.Videos, out, progress, "Saving " + names.main);
             });
         },
         kSaveError},
        {names.wanted,
         [&](auto& to) {
             return core::WriteFileSafely(to, [&](std::ostream& out) {
                 return core::WriteWanted(session.Wanted, out, progress, "Saving " + names.wanted);
             });
         },
         "Error saving wanted video database:\n%s.\n%s."},
        {names.images, [&](auto& to) { return core::WriteImagePathFile(to, image_folder); },
         kSaveError},
        {names.sort, [&](auto& to) { return core::WriteSortState(SortStateAsStored(session), to); },
         kSaveError},
        {names.accounts, [&](auto& to) { return core::WriteAccounts(session.Accounts, to); },
         kSaveError},
    };
    StagedSave staged;
    for (const auto& [file, write, error] : files) {
        staged.failure = save.Write(file, write);
        if (!staged.failure) {
            staged.failure_format = error;
            return staged;
        }
    }
    if (names.main != session.CurrentDatabasePath) {
        staged.images_left_out = StageImageCopy(session, save, progress);
    }
    return staged;
}

// Writes the database's files under `names` as one change: all of them or, when one fails (the
// user is told), none. Returns 1 or -1.
int WriteDatabaseFiles(Session& session, DatabaseServices& services,
                       const core::DatabaseNames& names, core::DatabaseReplacement& save) {
    const bool new_name = names.main != session.CurrentDatabasePath;
    const std::string image_folder =
        new_name || session.ImageFolder.empty() ? names.base : session.ImageFolder;
    // The header takes the shown column widths into the column table, so it is written here.
    const core::FileResult header =
        save.Write(names.header, [&](auto& to) { return core::WriteHeader(session.Videos, to); });
    if (Failed(services, header, "Error saving video list header information:\n%s.\n%s.")) {
        return -1;
    }
    StagedSave staged;
    platform::RunReadingWork(
        session.reading_work, services.progress, [&](platform::Progress& progress) {
            staged = StageDatabaseFiles(session, names, image_folder, save, progress);
        });
    if (Failed(services, staged.failure, staged.failure_format)) return -1;
    if (Failed(services, save.Commit(), kSaveError)) return -1;
    // Only a database that exists whole on disk (with its images) takes the new name.
    if (new_name) TakeNewName(session, names);
    session.ImageFolder = image_folder;
    if (!staged.images_left_out.empty()) {
        services.prompts.Message(staged.images_left_out, "Error", Buttons::kOk, Icon::kError);
    }
    return 1;
}

}  // namespace

int SaveDatabase(Session& session, DatabaseServices& services, const std::string& path) {
    const core::DatabaseNames names = core::DatabaseNamesOf(path);
    // A save of these files that a crash interrupted is finished first.
    if (Failed(services, core::FinishReplacement(names), kSaveError)) {
        return -1;
    }
    if (names.main == session.CurrentDatabasePath &&
        core::ChangedOnDisk(core::StampDatabase(names), session.DiskStamp)) {
        switch (AskAboutChangeOnDisk(services, names.main)) {
            case Answer::kYes:
                break;
            case Answer::kNo:
                return SaveUnderAnotherName(session, services);
            default:
                return -1;
        }
    }
    core::DatabaseReplacement save(names);
    if (!KeepBackupBeforeSaving(session, services, names, save)) return -1;
    const int written = WriteDatabaseFiles(session, services, names, save);
    if (written == 1) session.DiskStamp = core::StampDatabase(names);
    return written;
}

void SaveCommand(Session& session, DatabaseServices& services) {
    if (!session.IsOpen()) return NewCommand(session, services);
    if (!core::HasDatabaseExtension(session.CurrentDatabasePath)) {
        return SaveAsCommand(session, services);
    }
    if (SaveDatabase(session, services, session.CurrentDatabasePath) == -1) return;
    session.Modified = false;
    session.NotifySaved();
}

void SaveAsCommand(Session& session, DatabaseServices& services) {
    if (!session.IsOpen()) return NewCommand(session, services);
    SaveUnderAnotherName(session, services);
}

int SaveUnderAnotherName(Session& session, DatabaseServices& services) {
    std::optional<std::string> path = services.prompts.SaveFile("Save As", DatabaseFileFilter());
    if (!path) return -1;

    std::vector<core::UserAccount> target_accounts;
    const ReplaceAccess access = MayReplaceDatabase(session, services, *path, target_accounts);
    if (access == ReplaceAccess::kUnreadable) return -1;
    if (access == ReplaceAccess::kDenied) {
        DenyAccess(services,
                   "The database you are attempting to overwrite\nis password protected. Contact "
                   "or login as the\nadministrator of the database you are attempting\nto "
                   "overwrite before trying again");
        return -1;
    }
    const std::vector<core::UserAccount> own_accounts = session.Accounts;
    const int own_level = session.AccessLevel;
    // The saved database carries the target's accounts (none for a new file).
    session.Accounts = std::move(target_accounts);
    session.AccessLevel = kFullAccess;
    const std::string previous_path = session.CurrentDatabasePath;
    if (SaveDatabase(session, services, *path) == -1) {
        // The open database is still the old one unless it already took the new name: it keeps
        // its own accounts and access.
        if (session.CurrentDatabasePath == previous_path) {
            session.Accounts = own_accounts;
            session.AccessLevel = own_level;
        }
        session.NotifyLoginChanged();
        return -1;
    }
    session.Modified = false;
    session.NotifyLoginChanged();
    session.NotifySaved();
    return 1;
}

void NewCommand(Session& session, DatabaseServices& services) {
    std::optional<std::string> path = services.prompts.SaveFile("New", DatabaseFileFilter());
    if (!path) return;
    std::vector<core::UserAccount> target_accounts;
    const ReplaceAccess access = MayReplaceDatabase(session, services, *path, target_accounts);
    if (access == ReplaceAccess::kUnreadable) return;
    if (access == ReplaceAccess::kDenied) {
        DenyAccess(services,
                   "The database you are attempting to create already exists and\nis password "
                   "protected. Contact or login as the administrator\nof the database you are "
                   "attempting to overwrite before trying\nagain");
        return;
    }
    std::string main_path;
    core::FileResult created =
        core::CreateDatabaseFiles(*path, session.paths.default_header, &main_path);
    if (Failed(services, created, "Error creating database:\n%s.\n%s.")) return;
    if (!core::FileExists(main_path)) return;
    if (ConfirmCloseDatabase(session, services) != 1) return;
    OpenDatabase(session, services, main_path);
}

}  // namespace app
