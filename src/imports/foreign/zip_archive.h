#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct zip;

namespace imports {

// A zip archive opened for reading, whose entries are read whole into memory up to a size
// limit, so that a damaged or hostile archive cannot make a read run away.
class ZipArchive {
  public:
    ZipArchive() = default;
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Opens `file` after checking the archive's directory; false with the reason otherwise.
    bool Open(const std::filesystem::path& file, std::string* reason);

    enum class Read { kOk, kMissing, kTooLarge, kDamaged };
    // Reads the entry named exactly `name` into `bytes` when it holds at most `max_bytes`.
    // `reason` says what went wrong for kTooLarge and kDamaged.
    Read ReadEntry(const std::string& name, std::uintmax_t max_bytes, std::string* bytes,
                   std::string* reason);

  private:
    struct zip* archive_ = nullptr;
};

}  // namespace imports
