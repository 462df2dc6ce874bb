#pragma once

#include "app/session.h"
#include "imports/csv_file.h"
#include "platform/progress.h"
#include "platform/prompts.h"

// The import commands that need no window of their own: Wanted Videos... and Wanted List...,
// Undo Last > My Videos and Wanted Videos, and the save step of Export > CSV....
namespace imports {

// Which wanted file "Wanted Videos..." (".rdkw") or "Wanted List..." (".wff") asks for.
enum class WantedSource { kReeldeck, kFilmfolio };

// Asks for the file ("Import"), imports its titles and shows the result. Does nothing when the
// user cancels or the file is gone.
void ImportWantedCommand(app::Session& session, WantedSource source, platform::Prompts& prompts,
                         platform::Progress& progress);

// Undo Last > My Videos / Wanted Videos: puts the list back; a copy that cannot be read is
// reported and changes nothing.
void UndoMyVideosCommand(app::Session& session, platform::Prompts& prompts,
                         platform::Progress& progress);
void UndoWantedCommand(app::Session& session, platform::Prompts& prompts);

// Export > CSV...: asks where to save ("Export", "CSV File (*.csv)") and writes My Videos with
// the options chosen; reports how many records were written, or why nothing was.
void ExportCsvCommand(const app::Session& session, const CsvExportOptions& options,
                      platform::Prompts& prompts);

}  // namespace imports
