#pragma once

#include <filesystem>

#include "core/file_result.h"
#include "imports/foreign_table.h"

namespace imports {

using core::FileResult;

// Reads a GCstar film collection (".gcs" XML) into `table`; the covers it names are copied into
// `cover_folder`.
FileResult ReadGcstar(const std::filesystem::path& file, const std::filesystem::path& cover_folder,
                      ForeignTable* table);

}  // namespace imports
