#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_result.h"

namespace imports {

// A cover larger than this is not an image anyone keeps for a record; it is skipped.
constexpr std::uintmax_t kMaxCoverBytes = 20 * 1024 * 1024;

// The lower-cased extension of an image file name when it is one covers may have (jpg, jpeg,
// png, gif, bmp); empty otherwise.
std::string CoverExtension(std::string_view file_name);

// Writes the covers of one read into a folder under names the reader chooses ("<row>.<ext>"),
// never under names taken from the source, so no source can place a file elsewhere. The files
// written are removed again when the read fails (the writer is destroyed without Keep()).
class CoverWriter {
  public:
    explicit CoverWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}
    ~CoverWriter();
    CoverWriter(const CoverWriter&) = delete;
    CoverWriter& operator=(const CoverWriter&) = delete;

    // Writes the cover of `row` with `extension` (one CoverExtension accepts) and puts its path
    // into `cover`. Bytes over kMaxCoverBytes are skipped (success, `cover` left empty).
    core::FileResult Write(std::size_t row, std::string_view extension, std::string_view bytes,
                           std::filesystem::path* cover);
    // Copies an image file as the cover of `row`. A source that is missing, not a regular file,
    // not an image by its extension, or too large is skipped (success, `cover` left empty).
    core::FileResult Copy(std::size_t row, const std::filesystem::path& source,
                          std::filesystem::path* cover);

    void Keep() { written_.clear(); }

  private:
    std::filesystem::path folder_;
    bool folder_made_ = false;
    std::vector<std::filesystem::path> written_;
};

}  // namespace imports
