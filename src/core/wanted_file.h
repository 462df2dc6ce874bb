#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "core/file_result.h"
#include "core/safe_file.h"
#include "core/wanted_list.h"
#include "platform/progress.h"

// The wanted file of a database: one wanted title per line.
namespace core {

// Adds every title of the stream to `wanted` at its sorted place; empty lines are skipped.
// With `move_leading_article`, "The X" is added as "X, The". Returns the number of titles read.
FileResult ReadWanted(std::istream& in, WantedList& wanted, bool move_leading_article,
                      platform::Progress& progress, std::string_view progress_text = "Reading");
// The same from a file: -1 when it is missing or unreadable, 0 for an empty file.
FileResult ReadWanted(WantedList& wanted, const std::string& path, bool move_leading_article,
                      platform::Progress& progress);

FileResult WriteWanted(const WantedList& wanted, std::ostream& out, platform::Progress& progress,
                       std::string_view progress_text = "Saving");
FileResult WriteWanted(const WantedList& wanted, const std::string& path,
                       platform::Progress& progress,
                       FileSystemCalls& calls = FileSystemCalls::System());

}  // namespace core
