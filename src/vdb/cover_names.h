#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "vdb/catalogue.h"

// Where a title's cover is found under the image base address: "<folder>/<id>.<extension>",
// the folder being a number above 0 (a thousand titles to a folder), so that the wizard always
// sees a picture to download.
namespace vdb {

std::int64_t CoverFolder(std::int64_t id);
std::string CoverFileName(const Title& title);  // a drawn poster is a ".jpg"

struct CoverPath {
    std::int64_t id = 0;
    std::string extension;
};
// The title and extension that a folder and file name ask for; nothing when they are not a
// cover's names (wrong folder, not a number, an unknown extension).
std::optional<CoverPath> ParseCoverPath(std::string_view folder, std::string_view file);

// "image/jpeg", "image/gif" or "image/bmp".
std::string_view CoverMediaType(std::string_view extension);

}  // namespace vdb
