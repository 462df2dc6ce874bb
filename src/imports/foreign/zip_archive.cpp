#include "imports/foreign/zip_archive.h"

#include <zip.h>

#include <memory>

namespace imports {
namespace {

std::string ErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

struct EntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};

}  // namespace

ZipArchive::~ZipArchive() {
    if (archive_ != nullptr) zip_discard(archive_);
}

bool ZipArchive::Open(const std::filesystem::path& file, std::string* reason) {
    int code = 0;
    archive_ = zip_open(file.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (archive_ != nullptr) return true;
    if (code == ZIP_ER_NOZIP || code == ZIP_ER_INCONS) {
        *reason = "not a zip archive, or a damaged one (" + ErrorText(code) + ")";
    } else {
        *reason = ErrorText(code);
    }
    return false;
}

ZipArchive::Read ZipArchive::ReadEntry(const std::string& name, std::uintmax_t max_bytes,
                                       std::string* bytes, std::string* reason) {
    const zip_int64_t index = zip_name_locate(archive_, name.c_str(), 0);
    if (index < 0) return Read::kMissing;
    const auto at = static_cast<zip_uint64_t>(index);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, at, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0 &&
        stat.size > max_bytes) {
        *reason = name + " holds more than " + std::to_string(max_bytes) + " bytes";
        return Read::kTooLarge;
    }
    std::unique_ptr<zip_file_t, EntryCloser> entry(zip_fopen_index(archive_, at, 0));
    if (!entry) {
        *reason = name + ": " + zip_strerror(archive_);
        return Read::kDamaged;
    }
    bytes->clear();
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t count = zip_fread(entry.get(), buffer, sizeof buffer);
        if (count < 0) {
            *reason = name + ": " + zip_file_strerror(entry.get());
            return Read::kDamaged;
        }
        if (count == 0) return Read::kOk;
        // The size in the directory may lie; what is actually inflated counts.
        if (bytes->size() + static_cast<std::uintmax_t>(count) > max_bytes) {
            *reason = name + " holds more than " + std::to_string(max_bytes) + " bytes";
            return Read::kTooLarge;
        }
        bytes->append(buffer, static_cast<std::size_t>(count));
    }
}

}  // namespace imports
