#include "read_only_folder.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

constexpr int kNotPermitted = 77;

// True when a new file cannot be made in the folder.
bool WritesFail(const std::string& folder) {
    const std::string probe = folder + "/.probe";
    const int fd = ::open(probe.c_str(), O_CREAT | O_WRONLY | O_EXCL, 0600);
    if (fd < 0) return true;
    ::close(fd);
    ::unlink(probe.c_str());
    return false;
}

bool MountReadOnly(const std::string& folder) {
    if (::unshare(CLONE_NEWNS) != 0) return false;
    // Keep the mounts below inside this process's mount table.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
    return ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
           0;
}

bool RunInReadOnlyMount(const std::string& folder,
                        const std::function<void(const std::string&)>& body) {
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        if (!MountReadOnly(folder) || !WritesFail(folder)) ::_exit(kNotPermitted);
        body(std::strerror(EROFS));
        std::fflush(stdout);
        std::fflush(stderr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNotPermitted) return false;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the run in the read-only folder failed (status " << status << ")";
    return true;
}

bool RunWithoutWritePermission(const std::string& folder,
                               const std::function<void(const std::string&)>& body) {
    namespace fs = std::filesystem;
    const fs::perms before = fs::status(folder).permissions();
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const bool read_only = WritesFail(folder);
    if (read_only) body(std::strerror(EACCES));
    fs::permissions(folder, before);
    return read_only;
}

}  // namespace

bool RunWithReadOnlyFolder(const std::string& folder,
                           const std::function<void(const std::string& reason)>& body) {
    if (::geteuid() == 0) return RunInReadOnlyMount(folder, body);
    return RunWithoutWritePermission(folder, body);
}
