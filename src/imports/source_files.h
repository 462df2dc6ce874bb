#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_result.h"
#include "imports/foreign_table.h"

// What the import wizards show about a chosen source before anything is imported: its fields,
// its record count and its image folder.
namespace imports {

struct SourceSummary {
    std::vector<SourceField> fields;  // in source order
    std::int64_t record_count = 0;    // "%d Records"
    std::string image_folder;         // an existing folder, or empty ("0 Files")
};

// A folder path as another system may have stored it: every "\" and "/" becomes "/", and one
// trailing separator is cut.
std::string NativeFolder(std::string_view stored);

// The number of ".gif", ".jpg" and ".bmp" files (any letter case) in a folder: "%d Files".
int CountFolderImages(const std::string& folder);

// A database of this program chosen as the source (its main file): the columns of its header
// file (main path + "h"; slot = FileSlot), the record count (lines / 24) and the image folder
// its image-path file (main path + "i") names, when that folder exists. A missing or empty
// header gives no fields.
SourceSummary ReadDatabaseSource(const std::string& main_path);

// The Filmfolio configuration file of a program file: db/cfg.ini in the program's folder (the
// names matched without regard to case when the exact ones are missing, as copies from Windows
// often change their case).
std::string FilmfolioConfigPath(const std::string& program_file);

// Reads a Filmfolio configuration: the field-list line (its 1st, 2nd, 7th, 10th and 16th
// characters "M", "O", "D", "F", "O"; the field names, separated by "|", after its first 21
// characters; slot = field index) and the image-folder line (1st, 2nd, 7th, 13th and 21st
// characters "M", "O", "I", "D", "Y"; the folder after its first 22 characters). The last
// qualifying line of each kind counts. The record count is left 0. Fails, naming the file,
// when it cannot be read or has no field-list line.
core::FileResult ReadFilmfolioConfig(const std::string& program_file, SourceSummary* summary);

// The "Import Error" text for a program file without a usable configuration.
std::string FilmfolioConfigErrorText(const std::string& program_file);

// The record count of a Filmfolio movie database: its number of lines.
std::int64_t CountFilmfolioRecords(const std::string& mff_path);

}  // namespace imports
