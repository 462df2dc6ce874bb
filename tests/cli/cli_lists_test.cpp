// The companion's sort, find, replace and list, on a database of four films.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"
#include "sample_database.h"
#include "temp_folder.h"

namespace {

class CliListsTest : public CliTest {
  protected:
    void SetUp() override {
        main_ = WriteFilms(folder_ / "films.rdk",
                           {{{"Title", "Heat"},
                             {"Year", "1995"},
                             {"Category", "Crime"},
                             {"Last Viewed", "01/02/2003"}},
                            {{"Title", "Alien"},
                             {"Year", "1979"},
                             {"Category", "Horror"},
                             {"Flag Value", "Lent"},
                             {"Cast", "Sigourney Weaver"}},
                            {{"Title", "heat"}, {"Year", "1986"}, {"Category", "Crime Drama"}},
                            {{"Title", "Brazil"},
                             {"Year", "1985"},
                             {"Category", "Comedy"},
                             {"Flag Value", "Favorite"}}});
    }
    std::string Out(const std::vector<std::string>& arguments) { return cli_.Run(arguments).out; }
};

// How rows compare, match and are listed is checked with the lists; here, that each option of
// the commands reaches them and that the changes are saved.
TEST_F(CliListsTest, SortSavesTheNewOrderAndRefusesColumnsNotOffered) {
    CliRun run = cli_.Run({"sort", main_, "Year", "--descending"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, "Sorted 4 records by Year, descending\n");
    EXPECT_EQ(ReadFileBytes(main_ + "s"), "4\n0");  // Year is the fifth column
    const std::string file = ReadFileBytes(main_);
    EXPECT_LT(file.find("\nBrazil\n"), file.find("\nAlien\n"));

    ExpectFailure(cli_.Run({"sort", main_, "Colour"}), "no column \"Colour\"");
    ExpectFailure(cli_.Run({"sort", main_, "cast"}), "\"Cast\" is not offered for sorting");
    EXPECT_EQ(ReadFileBytes(main_), file);
}

TEST_F(CliListsTest, FindAndListPrintTheMatchingTitlesOnce) {
    EXPECT_EQ(Out({"find", main_, "HEAT"}), "Heat\n");
    EXPECT_EQ(Out({"find", main_, "alien", "--in", "category"}), "");
    EXPECT_EQ(Out({"find", main_, "1979", "--in", "Year", "--whole"}), "Alien\n");
    EXPECT_EQ(Out({"find", main_, "197", "--whole"}), "");
    EXPECT_EQ(Out({"find", main_, "heat", "--match-case"}), "heat\n");
    EXPECT_EQ(cli_.Run({"find", main_, "x", "--in", "Colour"}).exit_code, 1);

    EXPECT_EQ(Out({"list", main_, "flagged"}), "Alien\nBrazil\n");
    EXPECT_EQ(Out({"list", main_, "viewed"}), "Heat\n");
    EXPECT_EQ(Out({"list", main_, "not-viewed"}), "Alien\nBrazil\nheat\n");
    EXPECT_EQ(Out({"list", main_, "duplicates"}), "heat\n");
    ExpectFailure(cli_.Run({"list", main_, "everything"}), "flagged|viewed|not-viewed|duplicates");
    EXPECT_EQ(Out({"list", main_, "duplicates", "--by-year"}), "");  // "heat" is from 1986
}

TEST_F(CliListsTest, ReplaceSavesAndCountsTheRecordsUpdated) {
    CliRun run = cli_.Run({"replace", main_, "Crime", "Thriller", "--in", "Category"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, "2 records updated\n");
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_EQ(Out({"find", main_, "Thriller Drama", "--whole"}), "heat\n");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "program/undo/temp.txt"));
    EXPECT_EQ(Out({"replace", main_, "heat", "Heat (1986)", "--whole", "--match-case"}),
              "1 records updated\n");
    EXPECT_EQ(cli_.Run({"replace", main_, "", "y"}).exit_code, 1);
}

}  // namespace
