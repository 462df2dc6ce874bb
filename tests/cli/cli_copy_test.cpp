#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

const char* const kCompanions[] = {"", "a", "h", "s", "w"};

class CliCopyTest : public ::testing::Test {
protected:
    TempFolder folder_;
    CliRunner cli_{folder_ / "program"};
};

TEST_F(CliCopyTest, CopyOfACopyIsByteIdentical) {
    const std::string source = WriteSampleDatabase(folder_ / "films.rdk", Sample(40, 2, "a", true));
    ASSERT_EQ(cli_.Run({"copy", source, folder_ / "one"}).exit_code, 0);
    CliRun second = cli_.Run({"copy", folder_ / "one.rdk", folder_ / "two.rdk"});
    ASSERT_EQ(second.exit_code, 0) << second.err;
    for (const char* companion : kCompanions) {
        const std::string name = std::string(".rdk") + companion;
        EXPECT_EQ(ReadFileBytes(folder_ / ("one" + name)), ReadFileBytes(folder_ / ("two" + name)))
            << name;
    }
    // Each copy has its own image folder.
    EXPECT_EQ(ReadFileBytes(folder_ / "two.rdki"), folder_ / "two");
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "two"));
    // The CRLF source was read whole: every record arrived.
    EXPECT_NE(second.out.find("Copied 40 records"), std::string::npos);
}

TEST_F(CliCopyTest, ImagesComeAlongAndTheSourceIsUntouched) {
    const std::string source = WriteSampleDatabase(folder_ / "films.rdk", {});
    WriteFileBytes(folder_ / "films/1200000000.jpg", "jpeg bytes");
    WriteFileBytes(folder_ / "films/1200000977.GIF", "gif bytes");
    WriteFileBytes(folder_ / "films/notes.txt", "not an image");
    const std::string before = ReadFileBytes(source);

    ASSERT_EQ(cli_.Run({"copy", source, folder_ / "backup.rdk"}).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(folder_ / "backup/1200000000.jpg"), "jpeg bytes");
    EXPECT_EQ(ReadFileBytes(folder_ / "backup/1200000977.GIF"), "gif bytes");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "backup/notes.txt"));
    EXPECT_EQ(ReadFileBytes(source), before);
    EXPECT_TRUE(std::filesystem::exists(folder_ / "films/1200000000.jpg"));
}

TEST_F(CliCopyTest, ProtectedTargetNeedsFullAccess) {
    const std::string source = WriteSampleDatabase(folder_ / "films.rdk", {});
    SampleDatabase protected_target;
    protected_target.accounts = {{"Boss", "pw", core::kFullAccess, "", ""},
                                 {"Guest", "pw", core::kReadOnlyAccess, "", ""}};
    protected_target.flavour = "old";
    const std::string target = WriteSampleDatabase(folder_ / "vault.rdk", protected_target);
    const std::string old_main = ReadFileBytes(target);

    CliRun refused = cli_.Run({"copy", source, target});
    EXPECT_EQ(refused.exit_code, 1);
    CliRun guest = cli_.Run({"copy", source, target, "--user", "Guest", "--password", "pw"});
    EXPECT_EQ(guest.exit_code, 1);
    EXPECT_NE(guest.err.find("full access"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(target), old_main);

    CliRun boss = cli_.Run({"copy", source, target, "--user", "Boss", "--password", "pw"});
    EXPECT_EQ(boss.exit_code, 0) << boss.err;
    ASSERT_EQ(cli_.Run({"copy", source, folder_ / "reference.rdk"}).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(target), ReadFileBytes(folder_ / "reference.rdk"));
}

TEST_F(CliCopyTest, AccountsAreCopiedWithTheOwnerOnlyPermission) {
    SampleDatabase sample;
    sample.accounts = {{"Ann", "0=J:", core::kFullAccess, "Pet?", "Rex"}};
    sample.accounts[0].Password = "0=J";  // bytes that only a raw-byte file keeps
    const std::string source = WriteSampleDatabase(folder_ / "films.rdk", sample);
    CliRun run = cli_.Run({"copy", source, folder_ / "copy.rdk", "--user", "Ann", "--password", "0=J"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(folder_ / "copy.rdka"), ReadFileBytes(folder_ / "films.rdka"));
    EXPECT_EQ(std::filesystem::status(folder_ / "copy.rdka").permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    CliRun reopened = cli_.Run({"info", folder_ / "copy.rdk", "--user", "Ann", "--password", "0=J"});
    EXPECT_EQ(reopened.exit_code, 0) << reopened.err;
}

TEST_F(CliCopyTest, UnwritableTargetFailsWithOneLine) {
    const std::string source = WriteSampleDatabase(folder_ / "films.rdk", {});
    CliRun run = cli_.Run({"copy", source, folder_ / "no/such/folder/x.rdk"});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(LineCount(run.err), 1);
    EXPECT_NE(run.err.find("No such file or directory"), std::string::npos);
}

}  // namespace
