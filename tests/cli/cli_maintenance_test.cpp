// The companion's commands that create, maintain and delete databases.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

class CliMaintenanceTest : public ::testing::Test {
protected:
    std::string Protected(const std::string& name) {
        SampleDatabase sample = Sample(3, 2);
        sample.accounts = {{"Boss", "pw", core::kFullAccess, "", ""},
                           {"Guest", "pw", core::kReadOnlyAccess, "", ""}};
        return WriteSampleDatabase(folder_ / name, sample);
    }

    TempFolder folder_;
    CliRunner cli_{folder_ / "program"};
};

TEST_F(CliMaintenanceTest, NewCreatesAnEmptyDatabaseAndRefusesToReplaceWithoutYes) {
    CliRun created = cli_.Run({"new", folder_ / "films"});
    ASSERT_EQ(created.exit_code, 0) << created.err;
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdk"), "");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdks"), "11\n1");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdki"), folder_ / "films");
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdkh"), ReadFileBytes(std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt"));
    EXPECT_TRUE(fs::is_directory(folder_ / "films"));
    EXPECT_FALSE(fs::exists(folder_ / "films.rdka"));

    WriteSampleDatabase(folder_ / "full.rdk", Sample(4));
    const std::string before = ReadFileBytes(folder_ / "full.rdk");
    CliRun refused = cli_.Run({"new", folder_ / "full.rdk"});
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_NE(refused.err.find("--yes"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder_ / "full.rdk"), before);
    EXPECT_EQ(cli_.Run({"new", folder_ / "full.rdk", "--yes"}).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(folder_ / "full.rdk"), "");
}

TEST_F(CliMaintenanceTest, NewOverAProtectedDatabaseNeedsFullAccessAndKeepsItsAccounts) {
    const std::string main = Protected("vault.rdk");
    const std::string accounts = ReadFileBytes(main + "a");
    EXPECT_EQ(cli_.Run({"new", main, "--yes", "--user", "Guest", "--password", "pw"}).exit_code, 1);
    ASSERT_EQ(cli_.Run({"new", main, "--yes", "--user", "Boss", "--password", "pw"}).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(main), "");
    EXPECT_EQ(ReadFileBytes(main + "a"), accounts);
}

TEST_F(CliMaintenanceTest, SyncRemovesOwnedWantedTitlesAndStrayImages) {
    const std::string main = WriteSampleDatabase(folder_ / "films.rdk", Sample(3, 0));
    WriteFileBytes(main + "w", "film a 1\nSomething else\n");
    WriteFileBytes(folder_ / "films/1200000000.jpg", "mine");
    WriteFileBytes(folder_ / "films/999.jpg", "nobody's");
    WriteFileBytes(folder_ / "films/notes.txt", "kept");

    CliRun run = cli_.Run({"sync", main});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Removed 1 wanted titles"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(main + "w"), "Something else\n");
    EXPECT_TRUE(fs::exists(folder_ / "films/1200000000.jpg"));
    EXPECT_FALSE(fs::exists(folder_ / "films/999.jpg"));
    EXPECT_TRUE(fs::exists(folder_ / "films/notes.txt"));
}

TEST_F(CliMaintenanceTest, SyncCanBeLimitedToOnePart) {
    const std::string main = WriteSampleDatabase(folder_ / "films.rdk", Sample(3, 0));
    WriteFileBytes(main + "w", "Film a 0\n");
    WriteFileBytes(folder_ / "films/999.jpg", "stray");
    ASSERT_EQ(cli_.Run({"sync", main, "--images"}).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(main + "w"), "Film a 0\n");
    EXPECT_FALSE(fs::exists(folder_ / "films/999.jpg"));
}

TEST_F(CliMaintenanceTest, ChangingAProtectedDatabaseNeedsFullAccess) {
    const std::string main = Protected("vault.rdk");
    const std::string wanted = ReadFileBytes(main + "w");
    CliRun guest_sync = cli_.Run({"sync", main, "--user", "Guest", "--password", "pw"});
    EXPECT_EQ(guest_sync.exit_code, 1);
    EXPECT_NE(guest_sync.err.find("full access"), std::string::npos);
    EXPECT_EQ(cli_.Run({"delete", main, "--yes", "--user", "Guest", "--password", "pw"}).exit_code, 1);
    EXPECT_TRUE(fs::exists(main));
    EXPECT_EQ(ReadFileBytes(main + "w"), wanted);
}

TEST_F(CliMaintenanceTest, UsersListsNamesAndAccessNeverPasswords) {
    const std::string main = Protected("vault.rdk");
    CliRun guest = cli_.Run({"users", main, "--user", "Guest", "--password", "pw"});
    EXPECT_EQ(guest.exit_code, 1);
    CliRun boss = cli_.Run({"users", main, "--user", "Boss", "--password", "pw"});
    ASSERT_EQ(boss.exit_code, 0) << boss.err;
    EXPECT_EQ(boss.out, "Boss        full access (administrator)\nGuest       read only (guest)\n");
    EXPECT_EQ(boss.out.find("pw"), std::string::npos);

    const std::string open = WriteSampleDatabase(folder_ / "open.rdk", Sample(1));
    EXPECT_EQ(cli_.Run({"users", open}).out, "No accounts: the database is open to everyone.\n");
}

TEST_F(CliMaintenanceTest, DeleteRemovesTheFilesAndImagesOnlyWhenConfirmed) {
    const std::string main = WriteSampleDatabase(folder_ / "films.rdk", Sample(2));
    WriteFileBytes(folder_ / "films/1200000000.jpg", "picture");
    WriteFileBytes(folder_ / "elsewhere.jpg", "not this database's");
    fs::create_symlink(folder_ / "elsewhere.jpg", folder_ / "films/link.jpg");

    CliRun unconfirmed = cli_.Run({"delete", main});
    EXPECT_EQ(unconfirmed.exit_code, 1);
    EXPECT_TRUE(fs::exists(main));

    CliRun confirmed = cli_.Run({"delete", main, "--yes"});
    ASSERT_EQ(confirmed.exit_code, 0) << confirmed.err;
    for (const char* file : {"films.rdk", "films.rdka", "films.rdkh", "films.rdki", "films.rdks", "films.rdkw", "films"}) {
        EXPECT_FALSE(fs::exists(folder_ / file)) << file;
    }
    EXPECT_EQ(ReadFileBytes(folder_ / "elsewhere.jpg"), "not this database's");
}

}  // namespace
