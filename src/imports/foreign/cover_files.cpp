#include "imports/foreign/cover_files.h"

#include <array>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/safe_file.h"
#include "core/text.h"

namespace imports {

namespace fs = std::filesystem;

std::string CoverExtension(std::string_view file_name) {
    const std::size_t dot = file_name.rfind('.');
    if (dot == std::string_view::npos) return {};
    const std::string extension = core::ToLowerAscii(std::string(file_name.substr(dot + 1)));
    static constexpr std::array<std::string_view, 5> kAccepted = {"jpg", "jpeg", "png", "gif",
                                                                  "bmp"};
    for (const std::string_view accepted : kAccepted) {
        if (extension == accepted) return extension;
    }
    return {};
}

CoverWriter::~CoverWriter() {
    std::error_code ignored;
    for (const fs::path& file : written_) fs::remove(file, ignored);
}

core::FileResult CoverWriter::Write(std::size_t row, std::string_view extension,
                                    std::string_view bytes, fs::path* cover) {
    if (bytes.size() > kMaxCoverBytes || CoverExtension("." + std::string(extension)).empty()) {
        return core::FileResult::Success(0);
    }
    if (!folder_made_) {
        std::error_code error;
        fs::create_directories(folder_, error);
        if (error) return core::FileResult::Failure(folder_.string(), error.message());
        folder_made_ = true;
    }
    const fs::path target = folder_ / (std::to_string(row) + "." + std::string(extension));
    core::FileResult result = core::WriteFileSafely(target.string(), [&](std::ostream& out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return core::FileResult::Success();
    });
    if (!result) return result;
    written_.push_back(target);
    *cover = target;
    return result;
}

core::FileResult CoverWriter::Copy(std::size_t row, const fs::path& source, fs::path* cover) {
    const std::string extension = CoverExtension(source.filename().string());
    std::error_code error;
    if (extension.empty() || !fs::is_regular_file(source, error)) {
        return core::FileResult::Success(0);
    }
    const std::uintmax_t size = fs::file_size(source, error);
    if (error || size > kMaxCoverBytes) return core::FileResult::Success(0);
    std::ifstream in(source, std::ios::binary);
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(size));
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) {
        return core::FileResult::Success(0);  // unreadable or changed under us: no cover
    }
    return Write(row, extension, bytes, cover);
}

}  // namespace imports
