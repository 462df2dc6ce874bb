#include "core/safe_file.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include <cerrno>
#include <filesystem>
#include <streambuf>
#include <vector>

#include "core/paths.h"

namespace core {

namespace {

// The folder of a file, for the system calls: "/" or "." where the path names none.
std::string FolderOfFile(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) return path.front() == '/' ? "/" : ".";
    return folder.string();
}

}  // namespace

// ---- The real system calls ----

int FileSystemCalls::Open(const char* path, int flags, mode_t mode) {
    int fd;
    do fd = ::open(path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

ssize_t FileSystemCalls::Write(int fd, const void* data, std::size_t size) {
    ssize_t n;
    do n = ::write(fd, data, size);
    while (n < 0 && errno == EINTR);
    return n;
}

int FileSystemCalls::Fsync(int fd) { return ::fsync(fd); }
int FileSystemCalls::Close(int fd) { return ::close(fd); }

int FileSystemCalls::LinkOpenFile(int fd, const char* path) {
    const std::string proc_path = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, proc_path.c_str(), AT_FDCWD, path, AT_SYMLINK_FOLLOW);
}

int FileSystemCalls::Rename(const char* from, const char* to) { return ::rename(from, to); }
int FileSystemCalls::Unlink(const char* path) { return ::unlink(path); }
int FileSystemCalls::Fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }

int FileSystemCalls::PublishOpenFile(int fd, const char* temp_path, const char* target) {
    if (LinkOpenFile(fd, temp_path) != 0) {
        const int link_error = errno != 0 ? errno : EIO;
        // A name left by an interrupted earlier write is ours to reuse.
        if (link_error != EEXIST || Unlink(temp_path) != 0 || LinkOpenFile(fd, temp_path) != 0) {
            return link_error;
        }
    }
    if (Rename(temp_path, target) != 0) {
        const int rename_error = errno != 0 ? errno : EIO;
        Unlink(temp_path);
        return rename_error;
    }
    return 0;
}

namespace {

struct PublishJob {
    const char* proc_path;
    const char* temp_path;
    const char* target;
};

// Runs in a child that shares the parent's memory while the parent waits (as posix_spawn does):
// raw system calls only, and nothing for the sanitizers to watch on this borrowed stack.
__attribute__((no_sanitize("address", "undefined"))) int PublishInChild(void* argument) {
    const auto* job = static_cast<const PublishJob*>(argument);
    long linked = ::syscall(SYS_linkat, AT_FDCWD, job->proc_path, AT_FDCWD, job->temp_path,
                            AT_SYMLINK_FOLLOW);
    if (linked != 0 && errno == EEXIST && ::syscall(SYS_unlink, job->temp_path) == 0) {
        linked = ::syscall(SYS_linkat, AT_FDCWD, job->proc_path, AT_FDCWD, job->temp_path,
                           AT_SYMLINK_FOLLOW);
    }
    if (linked != 0) return errno & 0xff;
    if (::syscall(SYS_rename, job->temp_path, job->target) != 0) {
        const int error = errno;
        ::syscall(SYS_unlink, job->temp_path);
        return error & 0xff;
    }
    return 0;
}

// The real system calls, with the final link and rename done in a child process, where the
// program being killed between the two cannot leave the temporary name behind. The child
// shares the program's memory, so starting it costs next to nothing however large the program.
class SystemFileCalls final : public FileSystemCalls {
public:
    int PublishOpenFile(int fd, const char* temp_path, const char* target) override {
        char proc_path[64];
        std::snprintf(proc_path, sizeof proc_path, "/proc/self/fd/%d", fd);
        PublishJob job{proc_path, temp_path, target};
        alignas(16) static thread_local char stack[32 * 1024];
        const pid_t child = ::clone(PublishInChild, stack + sizeof stack,
                                    CLONE_VM | CLONE_VFORK | SIGCHLD, &job);
        if (child < 0) return FileSystemCalls::PublishOpenFile(fd, temp_path, target);
        int status = 0;
        pid_t waited;
        do waited = ::waitpid(child, &status, 0);
        while (waited < 0 && errno == EINTR);
        if (waited == child && WIFEXITED(status)) return WEXITSTATUS(status);
        // Someone else reaped the child: the target tells whether it is our file now.
        struct stat ours{};
        struct stat placed{};
        if (::fstat(fd, &ours) == 0 && ::stat(target, &placed) == 0 && ours.st_ino == placed.st_ino &&
            ours.st_dev == placed.st_dev) {
            return 0;
        }
        return EIO;
    }
};

}  // namespace

FileSystemCalls& FileSystemCalls::System() {
    static SystemFileCalls calls;
    return calls;
}

// ---- The stream buffer over the temporary file ----

class SafeFileWriter::Buffer final : public std::streambuf {
public:
    Buffer(FileSystemCalls& calls, int fd) : calls_(calls), fd_(fd), data_(1 << 18) {
        setp(data_.data(), data_.data() + data_.size());
    }

    // Writes out what is buffered; false (with the error number kept) on failure.
    bool Drain() {
        char* at = pbase();
        while (at < pptr()) {
            ssize_t n = calls_.Write(fd_, at, static_cast<std::size_t>(pptr() - at));
            if (n < 0) return Failed(errno);
            if (n == 0) return Failed(ENOSPC);
            at += n;
        }
        setp(data_.data(), data_.data() + data_.size());
        return true;
    }

    int ErrorNumber() const { return error_number_; }

protected:
    int_type overflow(int_type c) override {
        if (error_number_ != 0 || !Drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override {
        if (error_number_ != 0) return 0;
        std::streamsize done = 0;
        while (done < count) {
            std::streamsize room = epptr() - pptr();
            if (room == 0) {
                if (!Drain()) return done;
                room = epptr() - pptr();
            }
            const std::streamsize part = std::min(room, count - done);
            std::copy(text + done, text + done + part, pptr());
            pbump(static_cast<int>(part));
            done += part;
        }
        return done;
    }

private:
    bool Failed(int error_number) {
        error_number_ = error_number == 0 ? EIO : error_number;
        return false;
    }

    FileSystemCalls& calls_;
    int fd_;
    std::vector<char> data_;
    int error_number_ = 0;
};

// ---- SafeFileWriter ----

SafeFileWriter::SafeFileWriter(std::string target, mode_t new_file_mode, FileSystemCalls& calls)
    : target_(std::move(target)), new_file_mode_(new_file_mode), calls_(calls) {
    // Writing through a symbolic link replaces the file it points to, not the link.
    std::error_code error;
    if (!target_.empty() && std::filesystem::is_symlink(target_, error)) {
        std::filesystem::path resolved = std::filesystem::weakly_canonical(target_, error);
        if (!error) target_ = resolved.string();
    }
}

SafeFileWriter::~SafeFileWriter() {
    if (!committed_) Discard();
}

bool SafeFileWriter::Fail(int error_number) {
    error_ = FileResult::Failure(target_, SystemErrorText(error_number == 0 ? EIO : error_number));
    Discard();
    return false;
}

void SafeFileWriter::Discard() {
    stream_.reset();
    buffer_.reset();
    if (fd_ >= 0) {
        calls_.Close(fd_);
        fd_ = -1;
    }
    if (temp_named_) {
        calls_.Unlink(temp_path_.c_str());
        temp_named_ = false;
    }
}

bool SafeFileWriter::OpenUnnamed(mode_t mode) {
    fd_ = calls_.Open(FolderOfFile(target_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    unnamed_ = fd_ >= 0;
    return unnamed_;
}

bool SafeFileWriter::OpenNamed(mode_t mode) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        fd_ = calls_.Open(temp_path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd_ >= 0) {
            temp_named_ = true;
            return true;
        }
        // A temporary file left by an interrupted earlier write is ours to remove.
        if (errno != EEXIST || calls_.Unlink(temp_path_.c_str()) != 0) break;
    }
    return false;
}

bool SafeFileWriter::Open() {
    if (target_.empty()) {
        error_ = FileResult::Failure(target_, SystemErrorText(ENOENT));
        return false;
    }
    const std::string name = std::filesystem::path(target_).filename().string();
    temp_path_ = JoinPath(FolderOfFile(target_), "." + name + ".tmp");

    struct stat existing{};
    const bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return Fail(EISDIR);

    if (!OpenUnnamed(new_file_mode_) && !OpenNamed(new_file_mode_)) return Fail(errno);
    // An existing file keeps its permissions; a new one gets the requested mode and the umask.
    if (exists && calls_.Fchmod(fd_, existing.st_mode & 07777) != 0) return Fail(errno);

    buffer_ = std::make_unique<Buffer>(calls_, fd_);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
    return true;
}

std::ostream& SafeFileWriter::Stream() { return *stream_; }

FileResult SafeFileWriter::StreamError() const {
    if (buffer_ && buffer_->ErrorNumber() != 0) {
        return FileResult::Failure(target_, SystemErrorText(buffer_->ErrorNumber()));
    }
    return FileResult::Success();
}

bool SafeFileWriter::Commit() {
    if (fd_ < 0 || !buffer_) return false;
    if (buffer_->ErrorNumber() != 0 || !buffer_->Drain()) return Fail(buffer_->ErrorNumber());
    if (stream_->bad()) return Fail(EIO);
    if (calls_.Fsync(fd_) != 0) return Fail(errno);
    const int fd = fd_;
    fd_ = -1;
    if (unnamed_) {
        const int error = calls_.PublishOpenFile(fd, temp_path_.c_str(), target_.c_str());
        // The data reached the disk before it took the target's place: closing cannot lose it.
        calls_.Close(fd);
        if (error != 0) return Fail(error);
    } else {
        if (calls_.Close(fd) != 0) return Fail(errno);
        if (calls_.Rename(temp_path_.c_str(), target_.c_str()) != 0) return Fail(errno);
    }
    temp_named_ = false;
    committed_ = true;
    stream_.reset();
    buffer_.reset();

    // Make the rename itself durable. The file is already in place, so a folder that cannot be
    // flushed does not turn the save into a failure.
    int folder_fd = calls_.Open(FolderOfFile(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (folder_fd >= 0) {
        calls_.Fsync(folder_fd);
        calls_.Close(folder_fd);
    }
    return true;
}

FileResult WriteFileSafely(const std::string& path,
                           const std::function<FileResult(std::ostream&)>& write,
                           mode_t new_file_mode, FileSystemCalls& calls) {
    SafeFileWriter writer(path, new_file_mode, calls);
    if (!writer.Open()) return writer.Error();
    FileResult written = write(writer.Stream());
    if (!written.ok()) {
        // The writer's destructor removes the temporary file.
        FileResult stream_error = writer.StreamError();
        if (!stream_error.ok()) return stream_error;
        if (written.path.empty()) written.path = path;
        return written;
    }
    if (!writer.Commit()) return writer.Error();
    return FileResult::Success();
}

void FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace core
