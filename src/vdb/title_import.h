#pragma once

#include <istream>
#include <string>
#include <vector>

#include "vdb/catalogue.h"

// Titles from a CSV file whose first line names its columns, in any order and ignoring case:
// Title (required), Year, Duration, MPAA (or MPAA Rating), Cast, Director, Producer, Writer,
// Category, Synopsis and Cover. A Duration is whole minutes or h:mm:ss; a Year up to four
// digits; a Cover names a JPEG, GIF or BMP picture, relative to the CSV file's folder.
namespace vdb {

struct TitlesRead {
    std::vector<NewTitle> titles;
    std::string error;  // "FILE, line N: reason"; the whole file is refused then
    bool ok() const { return error.empty(); }
};

TitlesRead ReadTitles(std::istream& in, const std::string& file_name,
                      const std::string& cover_folder);
TitlesRead ReadTitlesFile(const std::string& path);

// "95" or "1:35:00" as "01:35:00"; empty stays empty; nothing for other texts.
std::optional<std::string> NormalDuration(std::string_view text);

}  // namespace vdb
