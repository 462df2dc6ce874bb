#pragma once

#include <sys/types.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "core/file_result.h"

namespace core {

// The system calls a safe write makes. Tests replace them to make any one of them fail.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;
    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    // Gives the unnamed file `fd` the name `path`.
    virtual int LinkOpenFile(int fd, const char* path);
    virtual int Rename(const char* from, const char* to);
    virtual int Unlink(const char* path);
    virtual int Fchmod(int fd, mode_t mode);

    // Puts the unnamed file `fd` in place of `target`, through the name `temp_path`; on failure
    // the temporary name is removed again. Returns 0 or an error number. This takes
    // LinkOpenFile and Rename one after the other; the real calls do both in a short-lived
    // child process, so that the program being killed between them cannot leave the temporary
    // name behind.
    virtual int PublishOpenFile(int fd, const char* temp_path, const char* target);

    // The real calls.
    static FileSystemCalls& System();
};

// Writes a file so that it is replaced whole or not at all. The text goes to a temporary file in
// the target's folder, which is flushed to disk and renamed over the target; then the folder is
// flushed. A failure at any step removes the temporary file and leaves the target as it was.
// While the data is written the temporary file has no name, so a crash leaves nothing behind.
class SafeFileWriter {
public:
    // `new_file_mode` applies when the target does not exist yet (the process's umask applies
    // too); an existing target keeps its permissions.
    explicit SafeFileWriter(std::string target, mode_t new_file_mode = 0666,
                            FileSystemCalls& calls = FileSystemCalls::System());
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Creates the temporary file. False on failure (see Error()).
    bool Open();
    // A stream that writes into the temporary file; its failures are reported by Commit().
    std::ostream& Stream();
    // Writes the rest of the text, flushes, and puts the file in place of the target.
    bool Commit();
    const FileResult& Error() const { return error_; }
    // The failure of an earlier write into Stream(), or success if there was none.
    FileResult StreamError() const;

private:
    class Buffer;

    bool Fail(int error_number);
    bool OpenUnnamed(mode_t mode);
    bool OpenNamed(mode_t mode);
    void Discard();

    std::string target_;
    std::string temp_path_;
    mode_t new_file_mode_;
    FileSystemCalls& calls_;
    int fd_ = -1;
    bool unnamed_ = false;
    bool temp_named_ = false;
    bool committed_ = false;
    std::unique_ptr<Buffer> buffer_;
    std::unique_ptr<std::ostream> stream_;
    FileResult error_;
};

// Writes `path` safely with the text that `write` puts into the stream; when `write` reports a
// failure the target is left as it was. Returns 1, or -1 with the path and the reason (an empty
// path fails as a missing file).
FileResult WriteFileSafely(const std::string& path,
                           const std::function<FileResult(std::ostream&)>& write,
                           mode_t new_file_mode = 0666,
                           FileSystemCalls& calls = FileSystemCalls::System());

// Makes the renames and removals made in a folder durable, in the order they were made. Failures
// are ignored: what was done is in place, only perhaps not yet on the disk.
void FlushFolder(const std::string& folder);

}  // namespace core
