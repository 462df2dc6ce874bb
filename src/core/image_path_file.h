#pragma once

#include <optional>
#include <string>

#include "core/file_result.h"
#include "core/safe_file.h"

// The image-path file of a database: the image folder's full path as one line.
namespace core {

// The stored folder: the file's last line, without a final line end. Nothing if the file
// cannot be read.
std::optional<std::string> ReadImagePathFile(const std::string& path);
// Writes the folder as the only line, without a line feed.
FileResult WriteImagePathFile(const std::string& path, const std::string& folder,
                              FileSystemCalls& calls = FileSystemCalls::System());

}  // namespace core
