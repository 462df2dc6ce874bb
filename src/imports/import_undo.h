#pragma once

#include "app/session.h"
#include "config/program_paths.h"
#include "core/file_result.h"
#include "platform/progress.h"

// Undoing the last import of each list. Before an import changes a list it takes a copy:
// My Videos into mv.tmp with the image folder's undo copy in the folder mv/, Wanted Videos into
// wv.tmp (all in the program folder). The Undo Last items are enabled exactly while their copy
// exists (app::MenuRules checks the files); closing the database deletes the copies.
namespace imports {

// Writes My Videos to mv.tmp and lists the image folder's ".gif", ".jpg" and ".bmp" files into an
// emptied mv/ (core::ImageUndoCopy: a file's old contents are kept there when something first
// deletes or replaces it). On failure no copy is left behind, so that an undo never brings back
// an older list.
core::FileResult TakeMyVideosUndo(const app::Session& session, platform::Progress& progress);
// Writes Wanted Videos to wv.tmp.
core::FileResult TakeWantedUndo(const app::Session& session);

bool CanUndoMyVideosImport(const config::ProgramPaths& paths);
bool CanUndoWantedImport(const config::ProgramPaths& paths);

// Undo Last > My Videos: the rows of mv.tmp replace My Videos; the image folder's image files
// become those listed in mv/ again (images the import copied in are gone, images this program
// deleted or replaced since are back) while its other files stay; mv.tmp and mv/ are deleted. The
// list now differs from the saved files, so the database is Modified. Returns false, changing
// nothing, when there is no copy or it cannot be read (`error` then says why). An image that
// cannot be put back stays in mv/ and `error` names it, while the undo returns true.
bool UndoMyVideosImport(app::Session& session, platform::Progress& progress,
                        core::FileResult* error = nullptr);
// Undo Last > Wanted Videos: the titles of wv.tmp replace Wanted Videos; wv.tmp is deleted.
bool UndoWantedImport(app::Session& session, core::FileResult* error = nullptr);

}  // namespace imports
