// Usage, info, and the rules every command shares: exit codes, one-line errors and the login.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

using CliInfoTest = CliTest;

TEST_F(CliInfoTest, HelpNamesEveryCommandAndMistakesFailWithOneLine) {
    CliRun help = cli_.Run({"--help"});
    EXPECT_EQ(help.exit_code, 0);
    for (const char* command : {"info DB", "copy SRC DST", "sort DB COLUMN", "find DB TEXT",
                                "replace DB WHAT WITH", "list DB", "stats DB [--json]"}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
    EXPECT_EQ(cli_.Run({}).exit_code, 1);
    ExpectFailure(cli_.Run({"frobnicate"}), "frobnicate");
    ExpectFailure(cli_.Run({"find", folder_ / "films.rdk"}), "usage");
    EXPECT_EQ(cli_.Run({"find", folder_ / "films.rdk", "a", "--in"}).exit_code, 1);
    CliRun missing = cli_.Run({"info", folder_ / "films.rdk"});
    ExpectFailure(missing, folder_ / "films.rdk. No such file or directory.");
    EXPECT_TRUE(missing.out.empty());
}

TEST_F(CliInfoTest, ShowsFilesCountsSortAndColumns) {
    const std::string main = WriteSampleDatabase(folder_ / "films.rdk", Sample(4, 2));
    CliRun run = cli_.Run({"info", folder_ / "films"});  // the extension is added as on saving
    ASSERT_EQ(run.exit_code, 0) << run.err;
    for (const std::string& line :
         std::vector<std::string>{"Main file:     " + main, "Records:       4", "Wanted:        2",
                                  "Image folder:  " + (folder_ / "films"),
                                  "Sort column:   Title (3)", "Sort order:    ascending",
                                  "Columns:       23", "  Key                  0       no      0",
                                  "  Title                3      yes    260"}) {
        EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << line;
    }
}

// The repair itself is checked where a database is opened; the companion says what it repaired.
TEST_F(CliInfoTest, ARepairMadeOnOpeningIsReportedOnStandardError) {
    WriteSampleDatabase(folder_ / "films.rdk", Sample(3));
    WriteFileBytes(folder_ / "films.rdkh", "not a header");
    CliRun run = cli_.Run({"info", folder_ / "films.rdk"});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(run.out.find("Records:       3\n"), std::string::npos);
    EXPECT_NE(
        run.err.find("Error opening video list header settings file: " + (folder_ / "films.rdkh")),
        std::string::npos)
        << run.err;
}

TEST_F(CliInfoTest, AProtectedDatabaseOpensOnlyForAnAccountGivenAnywhereOnTheLine) {
    SampleDatabase sample;
    sample.accounts = BossAndGuest();
    const std::string main = WriteSampleDatabase(folder_ / "safe.rdk", sample);
    ExpectFailure(cli_.Run({"info", main}), "password protected");
    ExpectFailure(cli_.Run({"info", main, "--user", "Boss", "--password", "PW"}),
                  "incorrect user name or password");
    CliRun guest = cli_.Run({"--user", "Guest", "--password", "pw", "info", main});
    EXPECT_EQ(guest.exit_code, 0) << guest.err;
}

}  // namespace
