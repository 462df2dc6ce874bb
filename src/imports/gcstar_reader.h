#pragma once

#include <filesystem>

#include "core/file_result.h"
#include "imports/foreign_table.h"

namespace imports {

// Reads a GCstar film collection (.gcs XML) into `table`, copying each item's cover image (a
// path relative to the file's folder, or absolute) into `cover_folder` as "<row>.<ext>". On
// success the value is the number of rows; on failure `table` is left as it was and the reason
// names the file.
core::FileResult ReadGcstar(const std::filesystem::path& file,
                            const std::filesystem::path& cover_folder, ForeignTable* table);

}  // namespace imports
