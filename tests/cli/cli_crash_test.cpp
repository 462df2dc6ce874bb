// A save killed at any moment leaves, once the database is opened again, either the old or the
// new database whole, each with the backup generation and the images that go with it.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using FileSet = std::map<std::string, std::string>;

// A database folder as the next open finds it: the files and, apart, their backup, the files in
// sub-folders (the images) and the sub-folders. Anything a save leaves behind (staged files and
// images, its log) counts, so it spoils the comparison.
struct DiskState {
    FileSet files;
    FileSet backup;
    FileSet images;
    std::set<std::string> folders;
    bool operator==(const DiskState&) const = default;
};

DiskState StateOf(const std::string& folder) {
    DiskState state;
    for (auto& [path, bytes] : Files(folder)) {
        FileSet& set = path.ends_with(".bak")                   ? state.backup
                       : fs::path(path).parent_path() == folder ? state.files
                                                                : state.images;
        set[path] = std::move(bytes);
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_directory()) state.folders.insert(entry.path().string());
    return state;
}

void Restore(const std::string& folder, const DiskState& state) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const std::string& sub_folder : state.folders) fs::create_directories(sub_folder);
    for (const FileSet* set : {&state.files, &state.backup, &state.images})
        for (const auto& [path, bytes] : *set) WriteFileBytes(path, bytes);
}

// Images named by number: "<n>.jpg", every third "<n>.gif". Every fifth is large, so that a
// timed kill may land while they are copied.
void WriteImages(const std::string& folder, int first, int count, char fill) {
    for (int i = 0; i < count; ++i) {
        const int n = first + i;
        const std::string name = std::to_string(n) + (n % 3 == 2 ? ".gif" : ".jpg");
        WriteFileBytes(folder + "/" + name, std::string(i % 5 == 0 ? 1 << 20 : 4096, fill) + name);
    }
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
    int steps;  // renames after the log is written, and the log's removal
};

TEST(CliCrash, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewDatabaseWhole) {
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    TempFolder folder;
    CliRunner cli(folder / "program");
    const std::string source = WriteSampleDatabase(folder / "source.rdk", Sample(2500, 300, "new"));
    // The copy brings 24 images: 16 new to the target's image folder, 8 replacing its own.
    const std::string pictured =
        WriteSampleDatabase(folder / "pictured.rdk", Sample(2500, 300, "new"));
    WriteImages(folder / "pictured", 1000, 24, 'n');
    const std::string db = folder / "db";
    const std::string target = db + "/films.rdk";
    constexpr int kFileSteps = 13;  // six files, six backups, and the log's removal
    const KilledSave saves[] = {
        {"copy", {"copy", pictured, target}, kFileSteps + 24},
        {"replace", {"replace", target, "Story", "Plot"}, kFileSteps},
        {"import", {"import", target, source}, kFileSteps},  // adds the records whose Keys are new
    };
    for (const KilledSave& save : saves) {
        SCOPED_TRACE(save.command);
        // The database before: saved once already, so it has a backup generation to keep.
        Restore(db, {});
        WriteSampleDatabase(target, Sample(1500, 200, "old!"));
        WriteImages(db + "/films", 1016, 12, 'o');
        ASSERT_EQ(cli.Run({"sort", target, "Year"}).exit_code, 0);
        const DiskState before = StateOf(db);
        ASSERT_FALSE(before.backup.empty());

        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(cli.Run(save.arguments).exit_code, 0);
        const auto span = std::chrono::steady_clock::now() - start;
        const DiskState after = StateOf(db);
        ASSERT_TRUE(after.files != before.files);
        if (save.steps > kFileSteps) {  // the copy's images replace those of their names
            EXPECT_EQ(after.images.size(), 28u);
            EXPECT_EQ(after.images.at(db + "/films/1018.jpg")[0], 'n');
        }
        ASSERT_EQ(after.backup.size(), before.files.size());
        for (const auto& [path, bytes] : after.backup)
            EXPECT_TRUE(bytes == before.files.at(path.substr(0, path.size() - 4))) << path;

        // Killed after a growing delay, and then killed at each step of putting the staged
        // files and images in place (deterministically, at the companion's own crash point).
        constexpr int kTimedRounds = 10;
        int torn = 0;
        for (int round = 0; round < kTimedRounds + save.steps; ++round) {
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
            // Once its log is written, the save is finished by the next open.
            if (timed)
                ASSERT_TRUE(reopened == before || reopened == after);
            else
                ASSERT_TRUE(reopened == after);
        }
        // Each crash point really interrupts the save, or the test proves nothing.
        EXPECT_GE(torn, save.steps);
    }
}

}  // namespace
