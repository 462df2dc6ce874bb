#include <chrono>
#include <ctime>
#include <filesystem>

#include "app/database_commands.h"
#include "core/database_backup.h"
#include "core/text.h"

namespace app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// The backup's time as the desktop shows file times: "2026-12-06 23:41".
std::string BackupTimeOf(const std::string& main) {
    std::error_code error;
    const auto written = std::filesystem::last_write_time(core::BackupNameOf(main), error);
    if (error) return "an earlier save";
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

}  // namespace

void RestoreBackupCommand(Session& session, DatabaseServices& services) {
    if (!session.CanChange()) return;
    const std::string main = session.CurrentDatabasePath;
    const core::DatabaseNames names = core::DatabaseNamesOf(main);
    if (!core::HasBackup(names)) {
        services.prompts.Message(core::FormatText("%s has no backup.", {main}), "Restore Backup",
                                 Buttons::kOk, Icon::kInformation);
        return;
    }
    const std::string lost = session.Modified ? "\n\nThe changes not yet saved are lost." : "";
    const std::string question = core::FormatText(
        "Replace %s with its backup of %s?\n\nThe database as it is on disk now becomes the "
        "backup, so restoring again brings it back.%s",
        {main, BackupTimeOf(main), lost});
    if (services.prompts.Message(question, "Restore Backup", Buttons::kYesNo, Icon::kQuestion) !=
        Answer::kYes) {
        return;
    }
    if (const core::FileResult swapped = core::SwapWithBackup(names); !swapped) {
        services.prompts.Message(
            core::FormatText("Error restoring the backup:\n%s.\n%s.\n\nThe database is unchanged.",
                             {swapped.path, swapped.reason}),
            "Error", Buttons::kOk, Icon::kError);
        return;
    }
    CloseDatabase(session);
    OpenDatabase(session, services, main);
}

}  // namespace app
