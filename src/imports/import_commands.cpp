#include "imports/import_commands.h"

#include "core/paths.h"
#include "core/text.h"
#include "imports/import_undo.h"
#include "imports/wanted_import.h"

namespace imports {
namespace {

void ShowFailure(platform::Prompts& prompts, std::string_view format,
                 const core::FileResult& failure) {
    prompts.Message(core::FormatText(format, {failure.path, failure.reason}), "Error",
                    platform::Buttons::kOk, platform::Icon::kError);
}

}  // namespace

void ImportWantedCommand(app::Session& session, WantedSource source, platform::Prompts& prompts,
                         platform::Progress& progress) {
    if (!session.CanChange()) return;
    const platform::FileFilter filter =
        source == WantedSource::kReeldeck
            ? platform::FileFilter{"Reeldeck Database (Wanted Videos) (*.rdkw)", "*.rdkw"}
            : platform::FileFilter{"Filmfolio 2.0 Wanted database (*.wff)", "*.wff"};
    const std::optional<std::string> chosen = prompts.OpenFile("Import", filter);
    if (!chosen || !core::FileExists(*chosen)) return;
    const ImportResult result =
        ImportWanted(session, *chosen, session.config.place_the_in_back, progress);
    prompts.Message(result.message, result.title, platform::Buttons::kOk, result.icon);
}

void UndoMyVideosCommand(app::Session& session, platform::Prompts& prompts,
                         platform::Progress& progress) {
    if (!CanUndoMyVideosImport(session.paths)) return;
    core::FileResult error = core::FileResult::Success();
    if (!UndoMyVideosImport(session, progress, &error)) {
        ShowFailure(prompts, "Error reading the copy of My Videos:\n%s.\n%s.", error);
    } else if (!error) {
        ShowFailure(prompts, "Error restoring image:\n%s.\n%s.", error);
    }
}

void UndoWantedCommand(app::Session& session, platform::Prompts& prompts) {
    if (!CanUndoWantedImport(session.paths)) return;
    core::FileResult error;
    if (!UndoWantedImport(session, &error)) {
        ShowFailure(prompts, "Error reading the copy of Wanted Videos:\n%s.\n%s.", error);
    }
}

void ExportCsvCommand(const app::Session& session, const CsvExportOptions& options,
                      platform::Prompts& prompts) {
    const std::optional<std::string> chosen =
        prompts.SaveFile("Export", {"CSV File (*.csv)", "*.csv"});
    if (!chosen) return;
    const core::FileResult written = ExportCsv(session.Videos, options, *chosen);
    if (!written) {
        ShowFailure(prompts, "Error writing file:\n%s.\n%s.", written);
        return;
    }
    prompts.Message(core::FormatText("%d %s\n%s", {std::to_string(written.value),
                                                   "records exported to", *chosen}),
                    "Export", platform::Buttons::kOk, platform::Icon::kInformation);
}

}  // namespace imports
