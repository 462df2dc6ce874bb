#pragma once

// Hints shown instead of an operation that needs an open database.
namespace app {

// Adding a record or a wanted title from a menu, the keyboard or the Wanted Videos pane.
constexpr const char* kOpenDatabaseBeforeAddingText =
    "You must first create or open a video database before adding records.\n\nTo open an existing "
    "database:\n\n   Click the open button on the toolbar or\n   Select Open in the File "
    "menu.\n\nTo create a new database:\n\n   Click the new button on the toolbar or\n   Select "
    "New in the File menu.";

// The same from the My Videos pane's add button, broken into lines differently.
constexpr const char* kOpenDatabaseBeforeAddingPaneText =
    "You must first create or open a video\ndatabase before adding records.\n\nTo open an existing "
    "database:\n\n   Click the open button on the toolbar\n   or select open in the file "
    "menu.\n\nTo create a new database:\n\n   Click the new button on the toolbar\n   or select "
    "new in the file menu.";

constexpr const char* kTipTitle = "Reeldeck Tip";

}  // namespace app
