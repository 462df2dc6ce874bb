#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <istream>
#include <stdexcept>
#include <streambuf>
#include <string>

#include "core/safe_file.h"
#include "platform/progress.h"

// System calls and streams that fail on purpose, for the tests of what a failure leaves behind,
// and a progress display that remembers what it was shown.

// The system calls a safe write makes, as the fault-injection tests name them.
enum class SystemCall { kOpen, kWrite, kFsync, kClose, kLinkOpenFile, kRename, kFchmod };

inline const char* NameOf(SystemCall call) {
    static const char* const kNames[] = {"Open",         "Write",  "Fsync", "Close",
                                         "LinkOpenFile", "Rename", "Fchmod"};
    return kNames[static_cast<int>(call)];
}

// The real system calls, except that the `nth` call (from 1) of one kind, or every call of that
// kind, fails with `error`. Optionally the file system offers no unnamed temporary files
// (O_TMPFILE), as some do not, and writes may be cut short to a few bytes each, as the system is
// allowed to.
class FailingCalls final : public core::FileSystemCalls {
  public:
    static constexpr int kNever = -1;
    static constexpr int kEveryCall = 0;

    FailingCalls(SystemCall failing = SystemCall::kOpen, int nth = kNever, int error = EIO)
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
        return Hit(SystemCall::kOpen) ? -1 : FileSystemCalls::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (max_write != 0) size = std::min(size, max_write);
        return Hit(SystemCall::kWrite) ? -1 : FileSystemCalls::Write(fd, data, size);
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
        if (call != failing_ || nth_ == kNever) return false;
        if (nth_ != kEveryCall && ++count_ != nth_) return false;
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

// An input stream that hands out some bytes and then fails, as a file does when the disk behind
// it reports an error.
class FailingInput : public std::istream {
  public:
    explicit FailingInput(std::string bytes) : std::istream(nullptr), buffer_(std::move(bytes)) {
        rdbuf(&buffer_);
    }

  private:
    struct Buffer final : std::streambuf {
        explicit Buffer(std::string text) : bytes(std::move(text)) {
            setg(bytes.data(), bytes.data(), bytes.data() + bytes.size());
        }
        int_type underflow() override { throw std::runtime_error("read error"); }
        std::string bytes;
    } buffer_;
};

// `calls` spells the calls in order ("B" begin, "S" each step, "E" end): "BSSSE" is one display
// with three steps.
struct RecordingProgress final : platform::Progress {
    void Begin(std::int64_t, std::string_view begun_text) override {
        calls += 'B';
        text = begun_text;
    }
    void Step(std::int64_t count) override {
        calls += 'S';
        steps += count;
    }
    void End() override { calls += 'E'; }

    std::string calls;
    std::string text;
    std::int64_t steps = 0;  // the sum of the steps' counts
};
