#include "bench/peak_memory.h"

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

namespace bench {
namespace {

// A "Vm...:  1234 kB" line of /proc/self/status, in bytes; -1 if missing.
std::int64_t StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field + ":")) return std::stoll(line.substr(field.size() + 1)) * 1024;
    }
    return -1;
}

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, at, size);
        if (n <= 0) return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

[[noreturn]] void RunChild(int fd, const std::function<bool()>& work) {
    // Memory this process freed earlier would be reused without new page faults and hide the
    // growth; hand it back first. Then start the peak afresh (older kernels pass it on to a
    // forked child).
    ::malloc_trim(0);
    { std::ofstream("/proc/self/clear_refs") << "5"; }
    MemoryGrowth result;
    result.resident_before = StatusBytes("VmRSS");
    const bool worked = work();
    result.peak_resident = StatusBytes("VmHWM");
    const bool sent = worked && result.resident_before >= 0 && result.peak_resident >= 0 &&
                      WriteAll(fd, &result, sizeof result);
    ::_exit(sent ? 0 : 1);
}

}  // namespace

std::optional<MemoryGrowth> MeasureInChild(const std::function<bool()>& work) {
    int fds[2];
    if (::pipe(fds) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return std::nullopt;
    }
    if (child == 0) {
        ::close(fds[0]);
        RunChild(fds[1], work);
    }
    ::close(fds[1]);
    MemoryGrowth result;
    std::size_t got = 0;
    while (got < sizeof result) {
        const ssize_t n =
            ::read(fds[0], reinterpret_cast<char*>(&result) + got, sizeof result - got);
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (got != sizeof result || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return result;
}

}  // namespace bench
