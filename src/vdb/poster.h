#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

// Covers for titles without a picture: the title and year on a ground whose colour comes from
// the title, as a JPEG picture.
namespace vdb {

// The JPEG bytes; empty if the picture could not be made.
std::string DrawPoster(std::string_view title, std::string_view year);

// Posters are drawn once per title and kept (up to a bound), as a list page asks for many.
class PosterCache {
  public:
    std::string PosterFor(std::int64_t id, std::string_view title, std::string_view year);

  private:
    static constexpr std::size_t kMaxKept = 2048;
    std::mutex mutex_;
    std::map<std::int64_t, std::string> kept_;
};

}  // namespace vdb
