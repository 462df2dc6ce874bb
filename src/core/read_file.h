#pragma once

#include <functional>
#include <istream>
#include <string>

#include "core/file_result.h"

namespace core {

// Opens `path` for reading and hands the stream to `read`, a reader of the file's format.
// Returns what `read` returns, with `path` named on failure; -1 with the path and the system's
// reason when the file cannot be opened.
FileResult ReadFileWith(const std::string& path,
                        const std::function<FileResult(std::istream&)>& read);

}  // namespace core
