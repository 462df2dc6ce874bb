#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

class CliCopyTest : public ::testing::Test {
  protected:
    TempFolder folder_;
    CliRunner cli_{folder_ / "program"};
};

TEST_F(CliCopyTest, CopyOfACopyIsByteIdenticalAndHasItsOwnImagesAndFolder) {
    const std::string source = WriteSampleDatabase(folder_ / "films.rdk", Sample(40, 2, "a", true));
    // Which images a copy takes is checked with Save As, which the copy goes through.
    WriteFileBytes(folder_ / "films/1200000977.GIF", "gif bytes");
    ASSERT_EQ(cli_.Run({"copy", source, folder_ / "one"}).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(folder_ / "one/1200000977.GIF"), "gif bytes");
    CliRun second = cli_.Run({"copy", folder_ / "one.rdk", folder_ / "two.rdk"});
    ASSERT_EQ(second.exit_code, 0) << second.err;
    for (const std::string name : {".rdk", ".rdka", ".rdkh", ".rdks", ".rdkw"}) {
        EXPECT_EQ(ReadFileBytes(folder_ / ("one" + name)), ReadFileBytes(folder_ / ("two" + name)))
            << name;
    }
    EXPECT_EQ(ReadFileBytes(folder_ / "two.rdki"), folder_ / "two");
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "two"));
    // The CRLF source was read whole: every record arrived.
    EXPECT_NE(second.out.find("Copied 40 records"), std::string::npos);
}

TEST_F(CliCopyTest, AccountsAreCopiedAndAnUnwritableTargetFailsWithOneLine) {
    SampleDatabase sample;
    sample.accounts = {{"Ann", "0=J", core::kFullAccess, "Pet?", "Rex"}};
    const std::string source = WriteSampleDatabase(folder_ / "films.rdk", sample);
    CliRun run =
        cli_.Run({"copy", source, folder_ / "copy.rdk", "--user", "Ann", "--password", "0=J"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(folder_ / "copy.rdka"), ReadFileBytes(folder_ / "films.rdka"));

    // An unwritable target fails with one line.
    ExpectFailure(cli_.Run({"copy", source, folder_ / "no/such/folder/x.rdk", "--user", "Ann",
                            "--password", "0=J"}),
                  "No such file or directory");
}

TEST_F(CliCopyTest, AGuestCannotCopyAndUnreadableAccountsProtectTheTarget) {
    const std::string source =
        WriteFilms(folder_ / "films.rdk", {{{"Title", "Heat"}}}, BossAndGuest());
    ExpectFailure(
        cli_.Run({"copy", source, folder_ / "copy.rdk", "--user", "Guest", "--password", "pw"}),
        "films.rdk: copying this protected database needs an account with full access");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "copy.rdk"));

    // Accounts that exist but cannot be read are no reason to let anyone replace the database.
    const std::string target = WriteSampleDatabase(folder_ / "target.rdk", Sample(2));
    std::filesystem::remove(folder_ / "target.rdka");
    std::filesystem::create_directory(folder_ / "target.rdka");
    const auto before = Files(folder_.path());
    ExpectFailure(cli_.Run({"copy", source, target, "--user", "Boss", "--password", "pw"}),
                  "Error opening database: " + target + "a. Input/output error.");
    ExpectFailure(cli_.Run({"new", target, "--yes"}), target + "a.");
    EXPECT_EQ(Files(folder_.path()), before);
}

}  // namespace
