#include <gtest/gtest.h>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

class CliInfoTest : public ::testing::Test {
protected:
    TempFolder folder_;
    CliRunner cli_{folder_ / "program"};
};

TEST_F(CliInfoTest, HelpAndUsage) {
    CliRun help = cli_.Run({"--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_NE(help.out.find("info DB"), std::string::npos);
    EXPECT_NE(help.out.find("copy SRC DST"), std::string::npos);

    CliRun nothing = cli_.Run({});
    EXPECT_EQ(nothing.exit_code, 1);

    CliRun unknown = cli_.Run({"frobnicate"});
    EXPECT_EQ(unknown.exit_code, 1);
    EXPECT_EQ(LineCount(unknown.err), 1);
    EXPECT_NE(unknown.err.find("frobnicate"), std::string::npos);
}

TEST_F(CliInfoTest, ShowsFilesCountsSortAndColumns) {
    const std::string main = WriteSampleDatabase(folder_ / "films.rdk", Sample(4, 2));
    CliRun run = cli_.Run({"info", folder_ / "films"});  // the extension is added as on saving
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Main file:     " + main + "\n"), std::string::npos);
    EXPECT_NE(run.out.find("Records:       4\n"), std::string::npos);
    EXPECT_NE(run.out.find("Wanted:        2\n"), std::string::npos);
    EXPECT_NE(run.out.find("Image folder:  " + (folder_ / "films") + "\n"), std::string::npos);
    EXPECT_NE(run.out.find("Sort column:   Title (3)\n"), std::string::npos);
    EXPECT_NE(run.out.find("Sort order:    ascending\n"), std::string::npos);
    EXPECT_NE(run.out.find("Columns:       23\n"), std::string::npos);
    EXPECT_NE(run.out.find("  Key                  0       no      0\n"), std::string::npos);
    EXPECT_NE(run.out.find("  Title                3      yes    260\n"), std::string::npos);
}

TEST_F(CliInfoTest, ReadsCrlfFilesLikeLfFiles) {
    WriteSampleDatabase(folder_ / "unix.rdk", Sample(5));
    WriteSampleDatabase(folder_ / "dos.rdk", Sample(5, 2, "a", true));
    CliRun run = cli_.Run({"info", folder_ / "dos.rdk"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Records:       5\n"), std::string::npos);
}

TEST_F(CliInfoTest, MissingDatabaseIsOneLineNamingTheFileAndReason) {
    WriteSampleDatabase(folder_ / "films.rdk", {});
    std::filesystem::remove(folder_ / "films.rdk");
    CliRun run = cli_.Run({"info", folder_ / "films.rdk"});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(LineCount(run.err), 1);
    EXPECT_NE(run.err.find(folder_ / "films.rdk"), std::string::npos);
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos);
    EXPECT_TRUE(run.out.empty());
}

TEST_F(CliInfoTest, UnreadableHeaderIsReplacedByTheDefaultWithAWarning) {
    WriteSampleDatabase(folder_ / "films.rdk", Sample(3));
    WriteFileBytes(folder_ / "films.rdkh", std::string("\x7f" "ELF\0\0binary", 12));
    CliRun run = cli_.Run({"info", folder_ / "films.rdk"});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Records:       3\n"), std::string::npos);
    EXPECT_NE(run.err.find("Error opening video list header settings file: " +
                           (folder_ / "films.rdkh")),
              std::string::npos);
    EXPECT_EQ(ReadFileBytes(folder_ / "films.rdkh"),
              ReadFileBytes(std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt"));
}

class CliLoginTest : public CliInfoTest {
protected:
    void SetUp() override {
        SampleDatabase sample;
        sample.accounts = {{"Admin", "Secret1", core::kFullAccess, "", ""},
                           {"guest", "look", core::kReadOnlyAccess, "", ""}};
        main_ = WriteSampleDatabase(folder_ / "safe.rdk", sample);
    }
    std::string main_;
};

TEST_F(CliLoginTest, ProtectedDatabaseNeedsAMatchingAccount) {
    CliRun anonymous = cli_.Run({"info", main_});
    EXPECT_EQ(anonymous.exit_code, 1);
    EXPECT_NE(anonymous.err.find("password protected"), std::string::npos);

    CliRun wrong_case = cli_.Run({"info", main_, "--user", "admin", "--password", "Secret1"});
    EXPECT_EQ(wrong_case.exit_code, 1);
    EXPECT_NE(wrong_case.err.find("incorrect user name or password"), std::string::npos);

    CliRun admin = cli_.Run({"info", main_, "--user", "Admin", "--password", "Secret1"});
    EXPECT_EQ(admin.exit_code, 0) << admin.err;
    CliRun guest = cli_.Run({"--user", "guest", "--password", "look", "info", main_});
    EXPECT_EQ(guest.exit_code, 0) << guest.err;
}

}  // namespace
