#include "core/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/text.h"

namespace core {
namespace {

std::size_t LastSeparator(std::string_view path) { return path.find_last_of("/\\"); }

// Position of the "." that starts the file name's extension, or npos.
std::size_t ExtensionDot(std::string_view path) {
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return dot;
    std::size_t separator = LastSeparator(path);
    if (separator != std::string_view::npos && separator > dot) return std::string_view::npos;
    return dot;
}

}  // namespace

std::string ModuleFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return exe.parent_path().string();
}

std::string FileNameOf(std::string_view path) {
    std::size_t separator = LastSeparator(path);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string ParentFolderOf(std::string_view path) {
    std::size_t separator = LastSeparator(path);
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator));
}

std::string ExtensionOf(std::string_view path) {
    std::size_t dot = ExtensionDot(path);
    return std::string(dot == std::string_view::npos ? path : path.substr(dot + 1));
}

std::string StripExtension(std::string_view path) {
    std::size_t dot = ExtensionDot(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(0, dot));
}

bool HasExtensionNoCase(std::string_view path, std::string_view extension) {
    const std::size_t dot = ExtensionDot(path);
    return dot != std::string_view::npos && EqualsNoCase(path.substr(dot + 1), extension);
}

std::string UrlLastSegment(std::string_view url) {
    std::size_t slash = url.rfind('/');
    return std::string(slash == std::string_view::npos ? url : url.substr(slash + 1));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string out(folder);
    if (!out.empty() && out.back() != '/') out += '/';
    out += name;
    return out;
}

bool FileExists(const std::string& path) {
    struct stat info{};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

bool FolderExists(const std::string& path) {
    struct stat info{};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::int64_t CountLines(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    std::array<char, 1 << 16> buffer;
    std::int64_t lines = 0;
    char last = '\n';
    for (;;) {
        ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return -1;
        }
        if (n == 0) break;
        for (ssize_t i = 0; i < n; ++i) lines += buffer[static_cast<std::size_t>(i)] == '\n';
        last = buffer[static_cast<std::size_t>(n - 1)];
    }
    ::close(fd);
    return lines + (last != '\n' ? 1 : 0);
}

std::vector<std::string> FilesWithExtension(const std::string& folder, std::string_view extension) {
    std::vector<std::string> files;
    if (folder.empty()) return files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code type_error;
        if (it->is_directory(type_error)) continue;
        if (HasExtensionNoCase(it->path().filename().string(), extension)) {
            files.push_back(it->path().string());
        }
    }
    return files;
}

int CountFilesWithExtension(const std::string& folder, std::string_view extension) {
    return static_cast<int>(FilesWithExtension(folder, extension).size());
}

std::string FindImageExtension(const std::string& base_path) {
    // Pictures copied from other systems often carry upper-case extensions.
    for (const char* extension : {".jpg", ".JPG", ".gif", ".GIF", ".bmp", ".BMP"}) {
        if (FileExists(base_path + extension)) return extension;
    }
    return {};
}

std::int64_t FileSize(const std::string& path) {
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0) return -1;
    return info.st_size;
}

std::string SystemErrorText(int error_number) {
    return std::generic_category().message(error_number);
}

}  // namespace core
