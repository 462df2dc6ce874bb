#include "bench/baselines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace bench {

FileBytes ReadWholeFile(const std::string& path) {
    FileBytes bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return bytes;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0) {
        const auto size = static_cast<std::size_t>(info.st_size);
        // Not value-initialised: the read is what first touches the pages.
        bytes.data = std::make_unique_for_overwrite<char[]>(size);
        while (bytes.size < size) {
            const ssize_t n = ::read(fd, bytes.data.get() + bytes.size, size - bytes.size);
            if (n <= 0) break;
            bytes.size += static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    return bytes;
}

std::int64_t CountLineFeeds(std::string_view bytes) {
    return std::count(bytes.begin(), bytes.end(), '\n');
}

bool WriteSyncRename(std::string_view bytes, const std::string& path) {
    const std::string temp = path + ".baseline-tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace bench
