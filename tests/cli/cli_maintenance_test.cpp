// The companion's commands that create, maintain and delete databases, and the full-access rule
// of every command that changes one.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

using CliMaintenanceTest = CliTest;

TEST_F(CliMaintenanceTest, ChangingAProtectedDatabaseNeedsFullAccess) {
    const std::string source = WriteSampleDatabase(folder_ / "source.rdk", Sample(2, 1, "new"));
    const std::vector<std::vector<std::string>> commands = {
        {"copy", source, "DB"},        {"new", "DB", "--yes"}, {"sync", "DB"},
        {"delete", "DB", "--yes"},     {"users", "DB"},        {"sort", "DB", "Title"},
        {"replace", "DB", "Film", "x"}};
    std::string accounts;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        SCOPED_TRACE(commands[i][0]);
        const std::string folder = folder_ / std::to_string(i);
        fs::create_directory(folder);
        SampleDatabase sample = Sample(3, 2);
        sample.accounts = BossAndGuest();
        const std::string main = WriteSampleDatabase(folder + "/vault.rdk", sample);
        WriteFileBytes(folder + "/vault/999.jpg", "stray");
        const auto before = Files(folder);
        accounts = before.at(main + "a");
        const auto run = [&](const char* user) {
            std::vector<std::string> arguments = commands[i];
            for (std::string& argument : arguments) {
                if (argument == "DB") argument = main;
            }
            arguments.insert(arguments.end(), {"--user", user, "--password", "pw"});
            return cli_.Run(arguments);
        };
        ExpectFailure(run("Guest"), "needs an account with full access");
        EXPECT_EQ(Files(folder), before);
        CliRun boss = run("Boss");
        EXPECT_EQ(boss.exit_code, 0) << boss.err;
    }
    EXPECT_NE(ReadFileBytes(folder_ / "0/vault.rdk").find("Film new 1"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder_ / "1/vault.rdk"), "");  // new keeps the accounts
    EXPECT_EQ(ReadFileBytes(folder_ / "1/vault.rdka"), accounts);
    EXPECT_FALSE(fs::exists(folder_ / "3/vault.rdk"));  // deleted
}

// What the files of a new, synchronised or deleted database hold is checked with the commands of
// the desktop program; here, the companion's confirmations and options.
TEST_F(CliMaintenanceTest, NewAndDeleteReplaceOrRemoveADatabaseOnlyWithYes) {
    ASSERT_EQ(cli_.Run({"new", folder_ / "films"}).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdks"), "11\n1");

    WriteSampleDatabase(folder_ / "full.rdk", Sample(4));
    const auto before = Files(folder_.path());
    ExpectFailure(cli_.Run({"new", folder_ / "full.rdk"}), "--yes");
    EXPECT_EQ(cli_.Run({"delete", folder_ / "full.rdk"}).exit_code, 1);
    EXPECT_EQ(Files(folder_.path()), before);
    EXPECT_EQ(cli_.Run({"new", folder_ / "full.rdk", "--yes"}).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(folder_ / "full.rdk"), "");

    // Which files a deletion removes is checked with the desktop program's Delete, which it runs.
    CliRun deleted = cli_.Run({"delete", folder_ / "full.rdk", "--yes"});
    ASSERT_EQ(deleted.exit_code, 0) << deleted.err;
    EXPECT_FALSE(fs::exists(folder_ / "full.rdk"));
}

TEST_F(CliMaintenanceTest, SyncRemovesOwnedWantedTitlesAndStrayImagesOrOnlyOneOfThem) {
    const std::string main = WriteSampleDatabase(folder_ / "films.rdk", Sample(3, 0));
    WriteFileBytes(main + "w", "film a 1\nSomething else\n");
    WriteFileBytes(folder_ / "films/1200000000.jpg", "mine");
    WriteFileBytes(folder_ / "films/999.jpg", "nobody's");

    ASSERT_EQ(cli_.Run({"sync", main, "--images"}).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(main + "w"), "film a 1\nSomething else\n");
    EXPECT_FALSE(fs::exists(folder_ / "films/999.jpg"));
    EXPECT_TRUE(fs::exists(folder_ / "films/1200000000.jpg"));

    CliRun run = cli_.Run({"sync", main});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Removed 1 wanted titles"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(main + "w"), "Something else\n");
}

TEST_F(CliMaintenanceTest, UsersListsNamesAndAccessNeverPasswords) {
    SampleDatabase sample = Sample(1);
    sample.accounts = BossAndGuest();
    const std::string main = WriteSampleDatabase(folder_ / "vault.rdk", sample);
    CliRun boss = cli_.Run({"users", main, "--user", "Boss", "--password", "pw"});
    ASSERT_EQ(boss.exit_code, 0) << boss.err;
    EXPECT_EQ(boss.out, "Boss        full access (administrator)\nGuest       read only (guest)\n");

    const std::string open = WriteSampleDatabase(folder_ / "open.rdk", Sample(1));
    EXPECT_EQ(cli_.Run({"users", open}).out, "No accounts: the database is open to everyone.\n");
}

}  // namespace
