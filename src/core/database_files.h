#pragma once

#include <string>
#include <string_view>

#include "core/file_result.h"

// The files of one database: a main file ".rdk", five companions named by appending a letter to
// the main file's name, and an image folder.
namespace core {

struct DatabaseNames {
    std::string main;      // M: the records
    std::string base;      // B: M without its extension; the default image folder
    std::string accounts;  // M + "a"
    std::string header;    // M + "h"
    std::string images;    // M + "i": the image folder's path
    std::string sort;      // M + "s"
    std::string wanted;    // M + "w"
};

// The names for a path the user chose. A path whose extension is "rdk" in any case keeps it
// ("Movies.RDK" stays); any other path gets ".rdk" appended.
DatabaseNames DatabaseNamesOf(std::string_view chosen_path);

// True if the path's extension is "rdk", ignoring case.
bool HasDatabaseExtension(std::string_view path);

// Creates an empty database at the chosen path: an empty main file, the image folder, an empty
// wanted file, the sort file "11\n1", the image-path file and a copy of the default header. An
// accounts file already there is left alone. Returns the main path, or -1 with the file that
// could not be made.
FileResult CreateDatabaseFiles(std::string_view chosen_path, const std::string& default_header,
                               std::string* main_path);

// Copies a file safely (the target is replaced whole or not at all).
FileResult CopyFileSafely(const std::string& from, const std::string& to);

}  // namespace core
