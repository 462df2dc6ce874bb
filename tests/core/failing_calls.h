#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ostream>

#include "core/safe_file.h"

// The system calls a safe write makes, as the fault-injection tests name them.
enum class SystemCall { kOpen, kWrite, kFsync, kClose, kLinkOpenFile, kRename, kFchmod };

inline const char* NameOf(SystemCall call) {
    switch (call) {
        case SystemCall::kOpen:
            return "Open";
        case SystemCall::kWrite:
            return "Write";
        case SystemCall::kFsync:
            return "Fsync";
        case SystemCall::kClose:
            return "Close";
        case SystemCall::kLinkOpenFile:
            return "LinkOpenFile";
        case SystemCall::kRename:
            return "Rename";
        case SystemCall::kFchmod:
            return "Fchmod";
    }
    return "?";
}

inline std::ostream& operator<<(std::ostream& out, SystemCall call) {
    return out << NameOf(call);
}

// The real system calls, except that the `nth` call (from 1) of one kind fails with `error`.
// Optionally the file system offers no unnamed temporary files (O_TMPFILE), as some do not, and
// writes may be cut short to a few bytes each, as the system is allowed to.
class FailingCalls final : public core::FileSystemCalls {
  public:
    FailingCalls(SystemCall failing, int nth, int error = EIO)
        : failing_(failing), nth_(nth), error_(error) {}

    bool unnamed_files = true;
    std::size_t max_write = 0;  // 0: no limit

    // True once the failure has been injected.
    bool Fired() const { return fired_; }

    int Open(const char* path, int flags, mode_t mode) override {
        if (!unnamed_files && (flags & O_TMPFILE) == O_TMPFILE) {
            errno = EOPNOTSUPP;
            return -1;
        }
        if (Hit(SystemCall::kOpen)) return -1;
        return FileSystemCalls::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (Hit(SystemCall::kWrite)) return -1;
        if (max_write != 0) size = std::min(size, max_write);
        return FileSystemCalls::Write(fd, data, size);
    }
    int Fsync(int fd) override { return Hit(SystemCall::kFsync) ? -1 : FileSystemCalls::Fsync(fd); }
    int Close(int fd) override {
        // A close that reports an error has still released the descriptor.
        const int result = FileSystemCalls::Close(fd);
        return Hit(SystemCall::kClose) ? -1 : result;
    }
    int LinkOpenFile(int fd, const char* path) override {
        return Hit(SystemCall::kLinkOpenFile) ? -1 : FileSystemCalls::LinkOpenFile(fd, path);
    }
    int Rename(const char* from, const char* to) override {
        return Hit(SystemCall::kRename) ? -1 : FileSystemCalls::Rename(from, to);
    }
    int Fchmod(int fd, mode_t mode) override {
        return Hit(SystemCall::kFchmod) ? -1 : FileSystemCalls::Fchmod(fd, mode);
    }

  private:
    bool Hit(SystemCall call) {
        if (call != failing_ || ++count_ != nth_) return false;
        fired_ = true;
        errno = error_;
        return true;
    }

    SystemCall failing_;
    int nth_;
    int error_;
    int count_ = 0;
    bool fired_ = false;
};
