// Killing the companion while it overwrites a database never leaves a half-written file.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

// The database's files in a folder: its backup (".bak") is kept apart from them and may be at
// any stage when the companion is killed.
std::map<std::string, std::string> DatabaseFilesIn(const std::string& folder) {
    std::map<std::string, std::string> files = Files(folder);
    std::erase_if(files, [](const auto& file) { return file.first.ends_with(".bak"); });
    return files;
}

TEST(CliCrash, KilledCopyLeavesEveryFileOldOrNewAndNoTemporaryFile) {
    // A copy that is killed may leave a short-lived helper process finishing a rename; as their
    // subreaper this test can wait for them before it looks at the files.
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    TempFolder folder;
    CliRunner cli(folder / "program");
    std::filesystem::create_directories(folder / "target");
    const std::string source =
        WriteSampleDatabase(folder / "source.rdk", Sample(10000, 300, "new"));
    const std::string target =
        WriteSampleDatabase(folder / "target/films.rdk", Sample(10000, 200, "old!"));
    const auto old_files = DatabaseFilesIn(folder / "target");

    // One whole copy gives the new version of every file and the time a copy takes.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(cli.Run({"copy", source, target}).exit_code, 0);
    const auto full = std::chrono::steady_clock::now() - start;
    const auto new_files = DatabaseFilesIn(folder / "target");
    ASSERT_EQ(new_files.size(), old_files.size());
    ASSERT_NE(new_files.at(target), old_files.at(target));
    ASSERT_NE(new_files.at(target + "w"), old_files.at(target + "w"));

    std::mt19937 random(20261206);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(full).count() * 12 / 10;
    int killed_midway = 0;
    for (int round = 0; round < 40; ++round) {
        for (const auto& [path, bytes] : old_files) WriteFileBytes(path, bytes);
        pid_t pid = cli.Start({"copy", source, target});
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (span + 1)));
        kill(pid, SIGKILL);
        int status = 0;
        while (waitpid(-1, &status, 0) > 0) {
        }

        const auto after = DatabaseFilesIn(folder / "target");
        ASSERT_EQ(after.size(), old_files.size());
        int changed = 0;
        for (const auto& [name, bytes] : after) {
            ASSERT_TRUE(old_files.count(name)) << name << " was left behind in round " << round;
            const bool is_old = bytes == old_files.at(name);
            const bool is_new = bytes == new_files.at(name);
            EXPECT_TRUE(is_old || is_new) << name << " is half written in round " << round;
            changed += is_new;
        }
        if (changed > 0 && changed < static_cast<int>(after.size())) ++killed_midway;
    }
    // The random moments must really interrupt some copies, or the test proves nothing.
    EXPECT_GT(killed_midway, 0);
}

}  // namespace
