#pragma once

#include <QString>
#include <QStringList>

// The Tips and Tricks texts: cfg/tip.txt of the program folder, one tip a line (UTF-8).
namespace gui {

// The tips of the file, in file order, without blank lines. A file that is missing, unreadable or
// holds no tip gives one built-in tip, so the window always has something to show.
QStringList ReadTips(const QString& path);

}  // namespace gui
