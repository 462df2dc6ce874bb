#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

using CliCopyTest = CliTest;

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

}  // namespace
