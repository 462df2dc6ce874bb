#include "core/safe_file.h"

#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
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
#include "file_size_limit.h"
#include "sample_lists.h"
#include "temp_folder.h"
#include "test_doubles.h"

namespace {

namespace fs = std::filesystem;
using core::FileResult;
using core::FileSystemCalls;
using Names = std::vector<std::string>;

// ---- Every writer of a database file, through its path ----

struct PathWriter {
    std::string name;
    std::string file_name;
    std::function<FileResult(const std::string& path, FileSystemCalls& calls)> write;
};

const std::vector<PathWriter>& PathWriters() {
    static platform::NoProgress progress;
    // A main file larger than the writer's buffer, so that it takes several writes.
    static const core::VideoList large = [] {
        core::VideoList list = SampleList();
        for (int row = 0; row < 3; ++row) {
            list.InsertRow(row, std::to_string(1078617600 + row));
            list.SetCell(row, list.ColumnIndexOf("Synopsis"), std::string(120 * 1024, 'a' + row));
        }
        return list;
    }();
    static const std::vector<PathWriter> writers = {
        {"Records", "films.rdk",
         [](auto& path, auto& calls) { return core::WriteRecords(large, path, progress, calls); }},
        {"Header", "films.rdkh",
         [](auto& path, auto& calls) {
             core::VideoList list = SampleList();
             return core::WriteHeader(list, path, calls);
         }},
        {"Wanted", "films.rdkw",
         [](auto& path, auto& calls) {
             core::WantedList wanted;
             for (const char* title : {"Heat", "Alien", "Ran"}) wanted.Add(title);
             return core::WriteWanted(wanted, path, progress, calls);
         }},
        {"SortState", "films.rdks",
         [](auto& path, auto& calls) {
             return core::WriteSortState({4, 0}, path, calls);
         }},
        {"ImagePath", "films.rdki",
         [](auto& path, auto& calls) { return core::WriteImagePathFile(path, "/v/films", calls); }},
        {"Accounts", "films.rdka",
         [](auto& path, auto& calls) {
             return core::WriteAccounts({{"admin", "secret", 2, "Pet?", "Rex"}}, path, calls);
         }},
    };
    return writers;
}

auto EveryWriter() {
    return ::testing::Range(0, static_cast<int>(PathWriters().size()));
}
const PathWriter& WriterAt(int index) {
    return PathWriters()[static_cast<std::size_t>(index)];
}

Names FolderEntries(const std::string& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder)) {
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

using FaultParam = std::tuple<int, SystemCall, bool>;

class SafeWriteFaultTest : public ::testing::TestWithParam<FaultParam> {};

TEST_P(SafeWriteFaultTest, AFailedSaveLeavesTheFolderAsItWas) {
    const auto& [writer_index, call, unnamed_files] = GetParam();
    const PathWriter& writer = WriterAt(writer_index);
    const std::string expected = CleanOutput(writer);
    ASSERT_FALSE(expected.empty());

    for (bool existing : {true, false}) {
        std::vector<int> failed;
        for (int nth = 1;; ++nth) {
            ASSERT_LT(nth, 100) << "the injected failure never stops firing";
            SCOPED_TRACE(std::string(existing ? "replacing" : "creating") + " the file, call " +
                         std::to_string(nth) + " of " + NameOf(call) + " fails");
            TempFolder folder;
            const std::string target = folder / writer.file_name;
            if (existing) WriteFileBytes(target, kOldBytes);
            WriteFileBytes(folder / "neighbour.txt", "n");
            const Names before = FolderEntries(folder.path());
            Names after = before;
            if (!existing) after.push_back(writer.file_name);
            std::sort(after.begin(), after.end());

            FailingCalls calls(call, nth);
            calls.unnamed_files = unnamed_files;
            const FileResult result = writer.write(target, calls);
            if (result.ok()) {
                EXPECT_EQ(FolderEntries(folder.path()), after);
                EXPECT_EQ(ReadFileBytes(target), expected);
            } else {
                failed.push_back(nth);
                EXPECT_EQ(FolderEntries(folder.path()), before);
                EXPECT_EQ(result.path, target);
                EXPECT_EQ(result.reason, core::SystemErrorText(EIO));
                EXPECT_EQ(ReadFileBytes(target), existing ? kOldBytes : "");
            }
            if (!calls.Fired()) {
                EXPECT_TRUE(result.ok()) << result.Describe();
                break;
            }
        }
        // A failure before the new file is in place fails the save. An unnamed temporary file
        // that cannot be made is replaced by a named one; only an unnamed file is linked; only an
        // existing file's mode is copied; and once an unnamed file, already flushed, has taken
        // the target's place, closing it cannot lose it.
        const bool must_fail = call == SystemCall::kOpen           ? !unnamed_files
                               : call == SystemCall::kLinkOpenFile ? unnamed_files
                               : call == SystemCall::kClose        ? !unnamed_files
                               : call == SystemCall::kFchmod       ? existing
                                                                   : true;
        if (must_fail) {
            ASSERT_FALSE(failed.empty());
            EXPECT_EQ(failed.front(), 1);
        } else if (call != SystemCall::kClose) {
            EXPECT_TRUE(failed.empty());
        }
        if (call == SystemCall::kWrite && writer.name == "Records") {
            EXPECT_GE(failed.size(), 2u) << "a large file takes several writes, any may fail";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Writers, SafeWriteFaultTest,
    ::testing::Combine(EveryWriter(),
                       ::testing::Values(SystemCall::kOpen, SystemCall::kWrite, SystemCall::kFsync,
                                         SystemCall::kClose, SystemCall::kLinkOpenFile,
                                         SystemCall::kRename, SystemCall::kFchmod),
                       ::testing::Bool()),
    [](const ::testing::TestParamInfo<FaultParam>& info) {
        return WriterAt(std::get<0>(info.param)).name + NameOf(std::get<1>(info.param)) +
               (std::get<2>(info.param) ? "Unnamed" : "Named");
    });

// ---- Writes that need care ----

TEST(SafeWriteTest, ShortWritesStaleTemporariesFailedContentsAndSymbolicLinks) {
    const PathWriter& writer = WriterAt(0);
    const std::string expected = CleanOutput(writer);
    TempFolder folder;
    const std::string target = folder / writer.file_name;
    for (bool unnamed_files : {true, false}) {
        WriteFileBytes(target, kOldBytes);
        WriteFileBytes(folder / ("." + writer.file_name + ".tmp"), "stale");
        FailingCalls calls;
        calls.unnamed_files = unnamed_files;
        calls.max_write = 4093;
        ASSERT_TRUE(writer.write(target, calls).ok());
        EXPECT_EQ(ReadFileBytes(target), expected);
        EXPECT_EQ(FolderEntries(folder.path()), Names{writer.file_name});

        // A write function that fails after more than a buffer leaves the file as it was.
        auto write = [](std::ostream& out) {
            out << std::string(300 * 1024, 'x');
            return FileResult::Failure({}, "the list changed");
        };
        EXPECT_EQ(core::WriteFileSafely(target, write, 0666, calls).Describe(),
                  target + ": the list changed");
        EXPECT_EQ(ReadFileBytes(target), expected);
        EXPECT_EQ(FolderEntries(folder.path()), Names{writer.file_name});
    }

    // Writing through symbolic links replaces the files they point to.
    TempFolder elsewhere;
    WriteFileBytes(elsewhere / "real", kOldBytes);
    WriteFileBytes(folder / "relative", kOldBytes);
    fs::remove(target);
    fs::create_symlink(elsewhere / "real", target);
    fs::create_symlink("relative", folder / "relative-link");
    fs::create_symlink("relative-link", folder / "chained-link");
    ASSERT_TRUE(writer.write(target, FileSystemCalls::System()).ok());
    ASSERT_TRUE(writer.write(folder / "chained-link", FileSystemCalls::System()).ok());
    EXPECT_EQ(ReadFileBytes(elsewhere / "real"), expected);
    EXPECT_EQ(ReadFileBytes(folder / "relative"), expected);
    EXPECT_EQ(fs::read_symlink(target), elsewhere / "real");
    EXPECT_EQ(fs::read_symlink(folder / "chained-link"), "relative-link");
    EXPECT_EQ(fs::read_symlink(folder / "relative-link"), "relative");
    EXPECT_EQ(FolderEntries(elsewhere.path()), Names{"real"});
    EXPECT_EQ(FolderEntries(folder.path()),
              (Names{"chained-link", writer.file_name, "relative", "relative-link"}));
}

// ---- The writer itself ----

TEST(SafeFileWriterTest, NewFilesFollowTheUmaskAndExistingFilesKeepTheirMode) {
    // File, umask, mode of the existing file (-1: none), expected mode. A new accounts file is
    // readable by its owner only.
    const std::tuple<const char*, mode_t, int, mode_t> cases[] = {
        {"new.rdks", 027, -1, 0640}, {"new.rdka", 022, -1, 0600}, {"old.rdka", 022, 0644, 0644}};
    TempFolder folder;
    for (const auto& [name, umask, existing_mode, expected] : cases) {
        const std::string path = folder / name;
        if (existing_mode >= 0) {
            WriteFileBytes(path, "old");
            fs::permissions(path, static_cast<fs::perms>(existing_mode));
        }
        const mode_t previous = ::umask(umask);
        const FileResult result = path.back() == 'a'
                                      ? core::WriteAccounts({{"admin", "pw", 2, "", ""}}, path)
                                      : core::WriteSortState({}, path);
        ::umask(previous);
        EXPECT_TRUE(result.ok()) << name;
        EXPECT_EQ(static_cast<mode_t>(fs::status(path).permissions()), expected) << name;
        EXPECT_NE(ReadFileBytes(path), "old");
    }
}

// ---- A folder or disk that refuses the file ----

TEST(SafeWriteRefusalTest, EveryWriterKeepsTheOldFileAndReportsTheSystemsReason) {
    struct Refusal {
        const char* what;
        SystemCall call;  // fails every time
        int error;
    };
    const Refusal refusals[] = {{"a read-only file system", SystemCall::kOpen, EROFS},
                                {"a folder without write permission", SystemCall::kOpen, EACCES},
                                {"a full disk", SystemCall::kWrite, ENOSPC},
                                {"a quota reached at the flush", SystemCall::kFsync, EDQUOT}};
    for (const PathWriter& writer : PathWriters()) {
        for (const Refusal& refusal : refusals) {
            SCOPED_TRACE(writer.name + " on " + refusal.what);
            TempFolder folder;
            const std::string target = folder / writer.file_name;
            WriteFileBytes(target, kOldBytes);
            FailingCalls calls(refusal.call, FailingCalls::kEveryCall, refusal.error);
            const FileResult result = writer.write(target, calls);
            EXPECT_TRUE(calls.Fired());
            EXPECT_EQ(result.Describe(), target + ": " + core::SystemErrorText(refusal.error));
            EXPECT_EQ(ReadFileBytes(target), kOldBytes);
            EXPECT_EQ(FolderEntries(folder.path()), Names{writer.file_name});
        }
    }
    // The kernel itself refusing a write midway through a file of several writes.
    const PathWriter& records = WriterAt(0);
    TempFolder folder;
    const std::string target = folder / records.file_name;
    WriteFileBytes(target, kOldBytes);
    const FileResult result = [&] {
        FileSizeLimit limit(64 * 1024);
        return records.write(target, FileSystemCalls::System());
    }();
    EXPECT_EQ(result.Describe(), target + ": " + core::SystemErrorText(EFBIG));
    EXPECT_EQ(ReadFileBytes(target), kOldBytes);
    EXPECT_EQ(FolderEntries(folder.path()), Names{records.file_name});
}

// ---- Failures of the real system ----

constexpr int kNoFilter = 77;

// Runs `save` in a child process in which the system calls `numbers` fail with `error`, and
// returns the child's exit status. The kernel's filter also holds in the short-lived process that
// links and renames a new file into place, which the FileSystemCalls seam does not reach.
int RunWithFailingSystemCalls(std::initializer_list<long> numbers, int error,
                              const std::function<int()>& save) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<sock_filter> code = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
        for (long number : numbers) {
            code.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(number), 0, 1));
            code.push_back(
                BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | static_cast<__u32>(error)));
        }
        code.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
        const sock_fprog program{static_cast<unsigned short>(code.size()), code.data()};
        if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
            ::syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, 0, &program) != 0) {
            ::_exit(kNoFilter);
        }
        ::_exit(save());
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeWriteSystemTest, AFailedLinkOrRenameOfTheNewFileKeepsTheOldFileAndLeavesNoTemporary) {
    struct Failure {
        const char* step;
        std::initializer_list<long> calls;
        int error;
    };
    const Failure failures[] = {{"link", {SYS_link, SYS_linkat}, EMLINK},
                                {"rename", {SYS_rename, SYS_renameat, SYS_renameat2}, EBUSY}};
    const PathWriter& records = WriterAt(0);
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.step);
        TempFolder folder;
        const std::string target = folder / records.file_name;
        WriteFileBytes(target, kOldBytes);
        const std::string expected = target + ": " + core::SystemErrorText(failure.error);
        const int status = RunWithFailingSystemCalls(failure.calls, failure.error, [&] {
            const std::string got = records.write(target, FileSystemCalls::System()).Describe();
            if (got == expected) return 0;
            std::fprintf(stderr, "the save gave \"%s\"\n", got.c_str());
            return 1;
        });
        ASSERT_NE(status, kNoFilter) << "the kernel took no system call filter";
        EXPECT_EQ(status, 0);
        EXPECT_EQ(ReadFileBytes(target), kOldBytes);
        EXPECT_EQ(FolderEntries(folder.path()), Names{records.file_name});
    }
}

}  // namespace
