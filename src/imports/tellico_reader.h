#pragma once

#include <filesystem>

#include "core/file_result.h"
#include "imports/foreign_table.h"

namespace imports {

using core::FileResult;

// Reads a Tellico video collection (".tc": a zip archive holding tellico.xml) into `table`; the
// covers are extracted into `cover_folder`.
FileResult ReadTellico(const std::filesystem::path& file, const std::filesystem::path& cover_folder,
                       ForeignTable* table);

}  // namespace imports
