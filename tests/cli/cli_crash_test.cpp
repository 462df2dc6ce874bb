// A save killed at any moment leaves, once the database is opened again, either the old or the
// new database whole, each with the backup generation that goes with it.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using FileSet = std::map<std::string, std::string>;

// A database folder as the next open finds it: the files and, apart, their backup. Anything a
// save leaves behind (staged files, its log) counts as a file, so it spoils the comparison.
struct DiskState {
    FileSet files;
    FileSet backup;
    bool operator==(const DiskState&) const = default;
};

DiskState StateOf(const std::string& folder) {
    DiskState state;
    for (auto& [path, bytes] : Files(folder))
        (path.ends_with(".bak") ? state.backup : state.files)[path] = std::move(bytes);
    return state;
}

void Restore(const std::string& folder, const DiskState& state) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const FileSet* set : {&state.files, &state.backup})
        for (const auto& [path, bytes] : *set) WriteFileBytes(path, bytes);
}

// Waits for the killed companion and for any helper it left finishing a rename (this test is
// their subreaper).
void Reap() {
    int status = 0;
    while (waitpid(-1, &status, 0) > 0) {
    }
}

struct KilledSave {
    const char* command;
    std::vector<std::string> arguments;
};

TEST(CliCrash, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewDatabaseWhole) {
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    TempFolder folder;
    CliRunner cli(folder / "program");
    const std::string source = WriteSampleDatabase(folder / "source.rdk", Sample(2500, 300, "new"));
    const std::string db = folder / "db";
    const std::string target = db + "/films.rdk";
    const KilledSave saves[] = {
        {"copy", {"copy", source, target}},
        {"replace", {"replace", target, "Story", "Plot"}},
        {"import", {"import", target, source}},  // adds the records whose Keys are new
    };
    for (const KilledSave& save : saves) {
        SCOPED_TRACE(save.command);
        // The database before: saved once already, so it has a backup generation to keep.
        Restore(db, {});
        WriteSampleDatabase(target, Sample(1500, 200, "old!"));
        ASSERT_EQ(cli.Run({"sort", target, "Year"}).exit_code, 0);
        const DiskState before = StateOf(db);
        ASSERT_FALSE(before.backup.empty());

        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(cli.Run(save.arguments).exit_code, 0);
        const auto span = std::chrono::steady_clock::now() - start;
        const DiskState after = StateOf(db);
        ASSERT_TRUE(after.files != before.files);
        ASSERT_EQ(after.backup.size(), before.files.size());
        for (const auto& [path, bytes] : after.backup)
            EXPECT_TRUE(bytes == before.files.at(path.substr(0, path.size() - 4))) << path;

        // Killed after a growing delay, and then killed at each step of putting the staged
        // files in place (deterministically, at the companion's own crash point).
        constexpr int kTimedRounds = 10;
        constexpr int kSteps = 13;  // six files, six backups, and the log's removal
        int torn = 0;
        for (int round = 0; round < kTimedRounds + kSteps; ++round) {
            SCOPED_TRACE(round);
            Restore(db, before);
            const bool timed = round < kTimedRounds;
            if (!timed)
                setenv("REELDECK_KILL_AT_REPLACEMENT_STEP",
                       std::to_string(round - kTimedRounds).c_str(), 1);
            const pid_t pid = cli.Start(save.arguments);
            unsetenv("REELDECK_KILL_AT_REPLACEMENT_STEP");
            ASSERT_GT(pid, 0);
            if (timed) {
                std::this_thread::sleep_for(span * round / (kTimedRounds - 3));
                kill(pid, SIGKILL);
            }
            Reap();
            const DiskState killed = StateOf(db);
            torn += killed != before && killed != after;

            // The real reader opens it, finishing or undoing the interrupted save.
            const CliRun opened = cli.Run({"info", target});
            ASSERT_EQ(opened.exit_code, 0) << opened.err;
            const DiskState reopened = StateOf(db);
            ASSERT_TRUE(reopened == before || reopened == after);
        }
        // Each crash point really interrupts the save, or the test proves nothing.
        EXPECT_GE(torn, kSteps);
    }
}

}  // namespace
