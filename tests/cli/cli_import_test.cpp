// The companion's import, import-wanted and export-csv, run as a user runs them.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

class CliImportTest : public CliTest {
  protected:
    void SetUp() override {
        main_ = WriteFilms(folder_ / "films.rdk", {{{"Key", "1000000000"}, {"Title", "Heat"}}},
                           BossAndGuest());
        source_ = WriteFilms(folder_ / "source.rdk",
                             {{{"Key", "1000000000"}, {"Title", "Heat again"}},
                              {{"Key", "1100000000"}, {"Title", "Birds"}, {"Cast", "Tippi"}}});
        WriteFileBytes(folder_ / "source/1100000000.jpg", "birds");
    }
    CliRun Boss(std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--user", "Boss", "--password", "pw"});
        return cli_.Run(arguments);
    }

    std::string source_;
};

TEST_F(CliImportTest, ImportsPairedColumnsAndImagesAndSaves) {
    const CliRun run = Boss({"import", main_, source_, "--images", "--map", "Cast=Writer"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out,
              "1 records imported. (1 duplicate record keys were found\nand were not imported)\n");
    const std::string saved = ReadFileBytes(main_);
    EXPECT_NE(saved.find("\nBirds\n"), std::string::npos);
    EXPECT_EQ(saved.find("Heat again"), std::string::npos);
    EXPECT_EQ(Boss({"find", main_, "Tippi", "--in", "Writer"}).out, "Birds\n");
    EXPECT_EQ(ReadFileBytes(folder_ / "films/1100000000.jpg"), "birds");
    EXPECT_FALSE(fs::exists(folder_ / "program/mv.tmp"));
}

TEST_F(CliImportTest, RefusalsAndDamageChangeNothing) {
    const std::string main_before = ReadFileBytes(main_);
    const std::map<std::string, std::string> images_before = Files(folder_ / "films");
    ExpectFailure(cli_.Run({"import", main_, source_, "--user", "Guest", "--password", "pw"}),
                  "needs an account with full access");
    // Which sources are refused, and why, is checked with the imports; here, that a refusal is
    // one line and changes nothing.
    WriteFileBytes(folder_ / "bad.csv", "Title\n\"Alien\n");
    ExpectFailure(Boss({"import", main_, folder_ / "bad.csv"}),
                  "line 2: a quoted field is never closed");
    ExpectFailure(Boss({"import", main_, folder_ / "m.mff", "--program", folder_ / "ff.exe"}),
                  "A valid program configuration file could not be found for:");
    ExpectFailure(Boss({"import", main_, source_, "--map", "Colour=Title"}), "no source field");
    EXPECT_EQ(ReadFileBytes(main_), main_before);
    EXPECT_EQ(Files(folder_ / "films"), images_before);
}

TEST_F(CliImportTest, ExportCsvImportOfItAndImportWantedSayWhatTheyDid) {
    const std::string csv = folder_ / "out.csv";
    ASSERT_EQ(Boss({"export-csv", source_, csv, "--all-columns"}).out,
              "2 records exported to " + csv + "\n");
    const std::string copy = WriteFilms(folder_ / "copy.rdk", {});
    EXPECT_EQ(cli_.Run({"import", copy, csv}).out, "2 records imported successfully.\n");
    EXPECT_EQ(cli_.Run({"find", copy, "Tippi", "--in", "Cast"}).out, "Birds\n");

    WriteFileBytes(folder_ / "w.wff", "Brazil\nBRAZIL\n");
    EXPECT_EQ(cli_.Run({"import-wanted", copy, folder_ / "w.wff"}).out,
              "1 records imported. (1 records matched existing\nrecords and were not imported)\n");
}

}  // namespace
