#pragma once

#include <filesystem>

#include "core/file_result.h"
#include "imports/foreign_table.h"

namespace imports {

// Reads the video collection of a Tellico data file (a zip archive holding tellico.xml) into
// `table`, writing each entry's cover into `cover_folder` as "<row>.<ext>". On success the value
// is the number of rows; on failure `table` is left as it was and the reason names the file.
core::FileResult ReadTellico(const std::filesystem::path& file,
                             const std::filesystem::path& cover_folder, ForeignTable* table);

}  // namespace imports
