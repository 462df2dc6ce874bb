#include "core/safe_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "core/accounts_file.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/paths.h"
#include "core/record_file.h"
#include "core/sort_state_file.h"
#include "core/wanted_file.h"
#include "failing_calls.h"
#include "sample_lists.h"
#include "temp_folder.h"

namespace {

using core::FileResult;
using core::FileSystemCalls;

// ---- Every writer of a database file, through its path ----

struct PathWriter {
    std::string name;
    std::string file_name;
    std::function<FileResult(const std::string& path, FileSystemCalls& calls)> write;
};

// A list whose main file is larger than the writer's buffer, so that it takes several writes.
const core::VideoList& LargeList() {
    static const core::VideoList list = [] {
        core::VideoList large = SampleList();
        for (int row = 0; row < 3; ++row) {
            large.InsertRow(row, std::to_string(1078617600 + row));
            large.SetCell(row, large.ColumnIndexOf("Title"), "Title " + std::to_string(row));
            large.SetCell(row, large.ColumnIndexOf("Synopsis"), std::string(120 * 1024, 'a' + row));
        }
        return large;
    }();
    return list;
}

const std::vector<PathWriter>& PathWriters() {
    static const std::vector<PathWriter> writers = {
        {"Records", "films.rdk",
         [](const std::string& path, FileSystemCalls& calls) {
             platform::NoProgress progress;
             return core::WriteRecords(LargeList(), path, progress, calls);
         }},
        {"Header", "films.rdkh",
         [](const std::string& path, FileSystemCalls& calls) {
             core::VideoList list = SampleList();
             return core::WriteHeader(list, path, calls);
         }},
        {"Wanted", "films.rdkw",
         [](const std::string& path, FileSystemCalls& calls) {
             core::WantedList wanted;
             for (const char* title : {"Heat", "Alien", "Ran"}) wanted.Add(title);
             platform::NoProgress progress;
             return core::WriteWanted(wanted, path, progress, calls);
         }},
        {"SortState", "films.rdks",
         [](const std::string& path, FileSystemCalls& calls) {
             return core::WriteSortState({4, 0}, path, calls);
         }},
        {"ImagePath", "films.rdki",
         [](const std::string& path, FileSystemCalls& calls) {
             return core::WriteImagePathFile(path, "/home/ann/films", calls);
         }},
        {"Accounts", "films.rdka",
         [](const std::string& path, FileSystemCalls& calls) {
             return core::WriteAccounts({{"admin", "secret", core::kFullAccess, "Pet?", "Rex"}},
                                        path, calls);
         }},
        {"Text", "notes.txt",
         [](const std::string& path, FileSystemCalls& calls) {
             return core::WriteFileSafely(
                 path,
                 [](std::ostream& out) {
                     for (int i = 0; i < 60000; ++i) out << "line " << i << '\n';
                     return FileResult::Success();
                 },
                 0666, calls);
         }},
    };
    return writers;
}

const PathWriter& WriterNamed(const std::string& name) {
    for (const PathWriter& writer : PathWriters()) {
        if (writer.name == name) return writer;
    }
    throw std::invalid_argument(name);
}

std::vector<std::string> WriterNames() {
    std::vector<std::string> names;
    for (const PathWriter& writer : PathWriters()) names.push_back(writer.name);
    return names;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// What a writer writes when nothing fails.
std::string CleanOutput(const PathWriter& writer) {
    TempFolder folder;
    EXPECT_TRUE(writer.write(folder / writer.file_name, FileSystemCalls::System()).ok());
    return ReadFileBytes(folder / writer.file_name);
}

const std::string kOldBytes = "the previous contents\n";

// ---- A failure at any system call ----

using FaultParam = std::tuple<std::string, SystemCall, bool>;

class SafeWriteFaultTest : public ::testing::TestWithParam<FaultParam> {};

TEST_P(SafeWriteFaultTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    const auto& [writer_name, call, unnamed_files] = GetParam();
    const PathWriter& writer = WriterNamed(writer_name);
    const std::string expected = CleanOutput(writer);
    ASSERT_FALSE(expected.empty());

    std::vector<int> failed;
    for (int nth = 1;; ++nth) {
        ASSERT_LT(nth, 100) << "the injected failure never stops firing";
        SCOPED_TRACE("call " + std::to_string(nth) + " of " + NameOf(call) + " fails");
        TempFolder folder;
        const std::string target = folder / writer.file_name;
        WriteFileBytes(target, kOldBytes);
        WriteFileBytes(folder / "neighbour.txt", "n");
        const std::vector<std::string> before = FolderEntries(folder.path());

        FailingCalls calls(call, nth);
        calls.unnamed_files = unnamed_files;
        const FileResult result = writer.write(target, calls);
        EXPECT_EQ(FolderEntries(folder.path()), before);
        if (result.ok()) {
            EXPECT_EQ(ReadFileBytes(target), expected);
        } else {
            failed.push_back(nth);
            EXPECT_EQ(result.value, -1);
            EXPECT_EQ(result.path, target);
            EXPECT_EQ(result.reason, core::SystemErrorText(EIO));
            EXPECT_EQ(ReadFileBytes(target), kOldBytes);
        }
        if (!calls.Fired()) {
            EXPECT_TRUE(result.ok()) << result.Describe();
            break;
        }
    }
    // A failure before the new file is in place fails the save. An unnamed temporary file that
    // cannot be made is replaced by a named one; only an unnamed file is linked; and once an
    // unnamed file, already flushed, has taken the target's place, closing it cannot lose it.
    const bool must_fail = call == SystemCall::kOpen           ? !unnamed_files
                           : call == SystemCall::kLinkOpenFile ? unnamed_files
                           : call == SystemCall::kClose        ? !unnamed_files
                                                               : true;
    if (must_fail) {
        ASSERT_FALSE(failed.empty());
        EXPECT_EQ(failed.front(), 1);
    } else if (call != SystemCall::kClose) {
        EXPECT_TRUE(failed.empty());
    }
    if (call == SystemCall::kWrite && (writer_name == "Records" || writer_name == "Text")) {
        EXPECT_GE(failed.size(), 2u) << "a large file takes several writes, any of which may fail";
    }
}

std::string FaultName(const ::testing::TestParamInfo<FaultParam>& info) {
    return std::get<0>(info.param) + NameOf(std::get<1>(info.param)) +
           (std::get<2>(info.param) ? "Unnamed" : "Named");
}

INSTANTIATE_TEST_SUITE_P(
    Writers, SafeWriteFaultTest,
    ::testing::Combine(::testing::ValuesIn(WriterNames()),
                       ::testing::Values(SystemCall::kOpen, SystemCall::kWrite, SystemCall::kFsync,
                                         SystemCall::kClose, SystemCall::kLinkOpenFile,
                                         SystemCall::kRename, SystemCall::kFchmod),
                       ::testing::Bool()),
    FaultName);

class SafeWriteNewFileTest : public ::testing::TestWithParam<std::tuple<SystemCall, bool>> {};

TEST_P(SafeWriteNewFileTest, AFailedFirstSaveLeavesNoFile) {
    const auto& [call, unnamed_files] = GetParam();
    const PathWriter& writer = WriterNamed("Records");
    for (int nth = 1; nth < 100; ++nth) {
        TempFolder folder;
        FailingCalls calls(call, nth);
        calls.unnamed_files = unnamed_files;
        const FileResult result = writer.write(folder / writer.file_name, calls);
        if (result.ok()) {
            EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{writer.file_name});
        } else {
            EXPECT_TRUE(FolderEntries(folder.path()).empty()) << "call " << nth;
        }
        if (!calls.Fired()) break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, SafeWriteNewFileTest,
    ::testing::Combine(::testing::Values(SystemCall::kOpen, SystemCall::kWrite, SystemCall::kFsync,
                                         SystemCall::kClose, SystemCall::kLinkOpenFile,
                                         SystemCall::kRename),
                       ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<SystemCall, bool>>& info) {
        return std::string(NameOf(std::get<0>(info.param))) +
               (std::get<1>(info.param) ? "Unnamed" : "Named");
    });

// ---- Other ways a save goes wrong, or right ----

class SafeWriteTest : public ::testing::TestWithParam<std::string> {
  protected:
    const PathWriter& writer_ = WriterNamed(GetParam());
    TempFolder folder_;
    const std::string target_ = folder_ / writer_.file_name;
};

TEST_P(SafeWriteTest, ShortWritesStillWriteEverything) {
    const std::string expected = CleanOutput(writer_);
    for (bool unnamed_files : {true, false}) {
        FailingCalls calls(SystemCall::kWrite, 0);
        calls.unnamed_files = unnamed_files;
        calls.max_write = 4093;
        WriteFileBytes(target_, kOldBytes);
        ASSERT_TRUE(writer_.write(target_, calls).ok());
        EXPECT_EQ(ReadFileBytes(target_), expected);
        EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::string>{writer_.file_name});
    }
}

TEST_P(SafeWriteTest, ATemporaryFileLeftByAnInterruptedSaveIsReplaced) {
    const std::string expected = CleanOutput(writer_);
    for (bool unnamed_files : {true, false}) {
        WriteFileBytes(target_, kOldBytes);
        WriteFileBytes(folder_ / ("." + writer_.file_name + ".tmp"), "stale");
        FailingCalls calls(SystemCall::kWrite, 0);
        calls.unnamed_files = unnamed_files;
        ASSERT_TRUE(writer_.write(target_, calls).ok());
        EXPECT_EQ(ReadFileBytes(target_), expected);
        EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::string>{writer_.file_name});
    }
}

TEST_P(SafeWriteTest, WritingThroughASymbolicLinkReplacesTheFileItPointsTo) {
    const std::string expected = CleanOutput(writer_);
    TempFolder elsewhere;
    const std::string real = elsewhere / "real";
    WriteFileBytes(real, kOldBytes);
    std::filesystem::create_symlink(real, target_);
    std::filesystem::create_directory(folder_ / "sub");
    WriteFileBytes(folder_ / "sub/relative", kOldBytes);
    std::filesystem::create_symlink("sub/relative", folder_ / "relative-link");
    std::filesystem::create_symlink("relative-link", folder_ / "chained-link");

    ASSERT_TRUE(writer_.write(target_, FileSystemCalls::System()).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(target_));
    EXPECT_EQ(std::filesystem::read_symlink(target_), real);
    EXPECT_EQ(ReadFileBytes(real), expected);
    EXPECT_EQ(FolderEntries(elsewhere.path()), std::vector<std::string>{"real"});

    ASSERT_TRUE(writer_.write(folder_ / "chained-link", FileSystemCalls::System()).ok());
    EXPECT_EQ(std::filesystem::read_symlink(folder_ / "chained-link"), "relative-link");
    EXPECT_EQ(std::filesystem::read_symlink(folder_ / "relative-link"), "sub/relative");
    EXPECT_EQ(ReadFileBytes(folder_ / "sub/relative"), expected);
    EXPECT_EQ(FolderEntries(folder_ / "sub"), std::vector<std::string>{"relative"});
    EXPECT_EQ(
        FolderEntries(folder_.path()),
        (std::vector<std::string>{"chained-link", writer_.file_name, "relative-link", "sub"}));
}

TEST_P(SafeWriteTest, AMissingFolderOrAFolderInTheWayIsReported) {
    const FileResult missing =
        writer_.write(folder_ / ("missing/" + writer_.file_name), FileSystemCalls::System());
    EXPECT_EQ(missing.value, -1);
    EXPECT_EQ(missing.reason, core::SystemErrorText(ENOENT));
    std::filesystem::create_directory(target_);
    const FileResult folder = writer_.write(target_, FileSystemCalls::System());
    EXPECT_EQ(folder.value, -1);
    EXPECT_EQ(folder.reason, core::SystemErrorText(EISDIR));
    EXPECT_TRUE(std::filesystem::is_directory(target_));
    EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::string>{writer_.file_name});
    EXPECT_EQ(writer_.write("", FileSystemCalls::System()).value, -1);
}

INSTANTIATE_TEST_SUITE_P(Writers, SafeWriteTest, ::testing::ValuesIn(WriterNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

// ---- The writer itself ----

TEST(SafeFileWriterTest, AWriterDroppedBeforeCommitLeavesTheTargetAsItWas) {
    for (bool unnamed_files : {true, false}) {
        TempFolder folder;
        const std::string target = folder / "films.rdk";
        WriteFileBytes(target, kOldBytes);
        FailingCalls calls(SystemCall::kWrite, 0);
        calls.unnamed_files = unnamed_files;
        {
            core::SafeFileWriter writer(target, 0666, calls);
            ASSERT_TRUE(writer.Open());
            writer.Stream() << std::string(400 * 1024, 'x');  // more than one buffer: written out
        }
        EXPECT_EQ(ReadFileBytes(target), kOldBytes);
        EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"films.rdk"});
    }
}

TEST(SafeFileWriterTest, AFailingWriteFunctionLeavesTheTargetAsItWas) {
    TempFolder folder;
    const std::string target = folder / "films.rdk";
    WriteFileBytes(target, kOldBytes);
    const FileResult result = core::WriteFileSafely(target, [](std::ostream& out) {
        out << std::string(300 * 1024, 'x');
        return FileResult::Failure({}, "the list changed");
    });
    EXPECT_EQ(result.value, -1);
    EXPECT_EQ(result.path, target);
    EXPECT_EQ(result.reason, "the list changed");
    EXPECT_EQ(ReadFileBytes(target), kOldBytes);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"films.rdk"});
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

TEST(SafeFileWriterTest, NewFilesFollowTheUmaskAndExistingFilesKeepTheirMode) {
    TempFolder folder;
    const mode_t previous = ::umask(022);
    EXPECT_TRUE(core::WriteSortState({}, folder / "a.rdks").ok());
    ::umask(077);
    EXPECT_TRUE(core::WriteSortState({}, folder / "b.rdks").ok());
    WriteFileBytes(folder / "c.rdks", "old");
    std::filesystem::permissions(folder / "c.rdks", static_cast<std::filesystem::perms>(0604));
    EXPECT_TRUE(core::WriteSortState({}, folder / "c.rdks").ok());
    ::umask(previous);
    EXPECT_EQ(ModeOf(folder / "a.rdks"), 0644);
    EXPECT_EQ(ModeOf(folder / "b.rdks"), 0600);
    EXPECT_EQ(ModeOf(folder / "c.rdks"), 0604);
}

// ---- A folder that cannot take the file ----

// Runs `body` in a child process and returns what it reported: empty when everything held,
// "skip: <reason>" when the check cannot run here, otherwise what went wrong.
std::string RunInChild(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) return "pipe failed";
    const pid_t pid = ::fork();
    if (pid < 0) return "fork failed";
    if (pid == 0) {
        ::close(fds[0]);
        std::string report;
        try {
            report = body();
        } catch (const std::exception& error) {
            report = error.what();
        }
        for (std::size_t at = 0; at < report.size();) {
            const ssize_t n = ::write(fds[1], report.data() + at, report.size() - at);
            if (n <= 0) break;
            at += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child process ended abnormally";
    return report;
}

// Writes the old version of every database file into `folder`.
void WriteOldFiles(const std::string& folder) {
    for (const PathWriter& writer : PathWriters())
        WriteFileBytes(folder + "/" + writer.file_name, kOldBytes);
}

// Saves every file again and describes each save that did not fail cleanly with `error_number`.
std::string SaveEveryFileExpectingFailure(const std::string& folder, int error_number) {
    std::string problems;
    const std::vector<std::string> before = FolderEntries(folder);
    for (const PathWriter& writer : PathWriters()) {
        const std::string target = folder + "/" + writer.file_name;
        const FileResult result = writer.write(target, FileSystemCalls::System());
        if (result.value != -1) problems += writer.name + ": the save did not fail\n";
        if (result.path != target)
            problems += writer.name + ": the failure names " + result.path + "\n";
        if (result.reason != core::SystemErrorText(error_number)) {
            problems += writer.name + ": the reason is \"" + result.reason + "\"\n";
        }
        if (ReadFileBytes(target) != kOldBytes)
            problems += writer.name + ": the old file changed\n";
        if (FolderEntries(folder) != before) problems += writer.name + ": the folder changed\n";
    }
    return problems;
}

std::string Errno(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Gives the child process a tmpfs of its own at `folder`.
std::string MountPrivateTmpfs(const std::string& folder, const char* options) {
    if (::unshare(CLONE_NEWNS) != 0) return "skip: " + Errno("unshare(CLONE_NEWNS)");
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return "skip: " + Errno("making the mounts private");
    }
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, options) != 0)
        return "skip: " + Errno("mounting a tmpfs");
    return {};
}

void ExpectReport(const std::string& report) {
    if (report.rfind("skip: ", 0) == 0) GTEST_SKIP() << report.substr(6);
    EXPECT_EQ(report, "");
}

TEST(SafeWriteRefusalTest, AReadOnlyFolderKeepsTheOldFiles) {
    TempFolder folder;
    if (::geteuid() != 0) {
        WriteOldFiles(folder.path());
        std::filesystem::permissions(folder.path(), static_cast<std::filesystem::perms>(0555));
        EXPECT_EQ(SaveEveryFileExpectingFailure(folder.path(), EACCES), "");
        return;
    }
    // The owner of every file can write anywhere; only a read-only file system stops it.
    ExpectReport(RunInChild([&] {
        if (std::string skip = MountPrivateTmpfs(folder.path(), "size=1m"); !skip.empty())
            return skip;
        WriteOldFiles(folder.path());
        if (::mount("tmpfs", folder.path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) !=
            0) {
            return "skip: " + Errno("remounting the tmpfs read-only");
        }
        return SaveEveryFileExpectingFailure(folder.path(), EROFS);
    }));
}

TEST(SafeWriteRefusalTest, AFullFileSystemKeepsTheOldFiles) {
    TempFolder folder;
    ExpectReport(RunInChild([&] {
        if (std::string skip = MountPrivateTmpfs(folder.path(), "size=64k"); !skip.empty())
            return skip;
        WriteOldFiles(folder.path());
        const std::string filler = folder / "filler";
        const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0600);
        const std::string chunk(4096, 'f');
        while (::write(fd, chunk.data(), chunk.size()) > 0) {
        }
        const int fill_error = errno;
        ::close(fd);
        if (fill_error != ENOSPC) return Errno("filling the file system");
        return SaveEveryFileExpectingFailure(folder.path(), ENOSPC);
    }));
}

TEST(SafeWriteRefusalTest, AFileSizeLimitKeepsTheOldFiles) {
    TempFolder folder;
    WriteOldFiles(folder.path());
    ExpectReport(RunInChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{0, 0};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return "skip: " + Errno("setrlimit");
        return SaveEveryFileExpectingFailure(folder.path(), EFBIG);
    }));
    for (const PathWriter& writer : PathWriters())
        EXPECT_EQ(ReadFileBytes(folder / writer.file_name), kOldBytes);
}

}  // namespace
