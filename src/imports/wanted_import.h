#pragma once

#include <string>

#include "app/session.h"
#include "imports/importer.h"
#include "platform/progress.h"

// Import Records > Wanted Videos... (a database's wanted file ".rdkw") and Filmfolio 2.0 >
// Wanted List... (".wff"): both files hold one title per line.
namespace imports {

// Appends the titles of `path` to Wanted Videos, after taking the undo copy (wv.tmp) unless
// `undo_copy` is off. A title equal to one already listed (ignoring case) is skipped and
// counted; empty lines are nothing. With `place_the_in_back`, "The X" arrives as "X, The".
// Modified is set when a title was added. The message: "%d records imported successfully." or
// "%d records imported. (%d records matched existing\nrecords and were not imported)". A file
// that cannot be read changes nothing.
ImportResult ImportWanted(app::Session& session, const std::string& path, bool place_the_in_back,
                          platform::Progress& progress, bool undo_copy = true);

}  // namespace imports
