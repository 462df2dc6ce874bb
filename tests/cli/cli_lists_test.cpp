#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "cli_runner.h"
#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/record_file.h"
#include "core/sort_state_file.h"
#include "core/wanted_file.h"
#include "platform/progress.h"
#include "temp_folder.h"

namespace {

using Film = std::map<std::string, std::string>;

// Writes a database of these films (column name -> cell) through the program's own writers.
std::string WriteFilms(const std::string& main_path, const std::vector<Film>& films,
                       const std::vector<core::UserAccount>& accounts = {}) {
    const core::DatabaseNames names = core::DatabaseNamesOf(main_path);
    core::VideoList list;
    core::ReadHeader(list, std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt");
    int key = 1100000000;
    for (const Film& film : films) {
        core::VideoRecord record;
        record.SetCell(list.ColumnIndexOf("Key"), std::to_string(key += 100000));
        for (const auto& [column, text] : film) record.SetCell(list.ColumnIndexOf(column), text);
        list.AppendRow(std::move(record));
    }
    platform::NoProgress quiet;
    core::WriteHeader(list, names.header);
    core::WriteRecords(list, names.main, quiet);
    core::WriteWanted(core::WantedList{}, names.wanted, quiet);
    core::WriteSortState(core::SortState{3, 1}, names.sort);
    std::filesystem::create_directories(names.base);
    core::WriteImagePathFile(names.images, names.base);
    core::WriteAccounts(accounts, names.accounts);
    return names.main;
}

class CliListsTest : public ::testing::Test {
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
    CliRun Run(const std::vector<std::string>& arguments) { return cli_.Run(arguments); }

    TempFolder folder_;
    CliRunner cli_{folder_ / "program"};
    std::string main_;
};

TEST_F(CliListsTest, SortSavesTheNewOrder) {
    CliRun run = Run({"sort", main_, "Year", "--descending"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, "Sorted 4 records by Year, descending\n");
    CliRun info = Run({"info", main_});
    EXPECT_NE(info.out.find("Sort column:   Year"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Sort order:    descending"), std::string::npos);
    const std::string file = ReadFileBytes(main_);
    EXPECT_LT(file.find("\nHeat\n"), file.find("\nheat\n"));
    EXPECT_LT(file.find("\nheat\n"), file.find("\nBrazil\n"));
    EXPECT_LT(file.find("\nBrazil\n"), file.find("\nAlien\n"));
}

TEST_F(CliListsTest, SortRefusesColumnsThatAreNotOffered) {
    CliRun unknown = Run({"sort", main_, "Colour"});
    EXPECT_EQ(unknown.exit_code, 1);
    EXPECT_NE(unknown.err.find("no column \"Colour\""), std::string::npos);
    CliRun cast = Run({"sort", main_, "cast"});
    EXPECT_EQ(cast.exit_code, 1);
    EXPECT_NE(cast.err.find("\"Cast\" is not offered for sorting"), std::string::npos) << cast.err;
}

TEST_F(CliListsTest, FindPrintsTheMatchingTitlesOnce) {
    CliRun run = Run({"find", main_, "HEAT"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, "Heat\n");
    EXPECT_EQ(Run({"find", main_, "crime", "--in", "category"}).out, "Heat\n");
    EXPECT_EQ(Run({"find", main_, "Crime", "--in", "Category", "--whole"}).out, "Heat\n");
    EXPECT_EQ(Run({"find", main_, "heat", "--match-case"}).out, "heat\n");
    EXPECT_EQ(Run({"find", main_, "weaver"}).out, "Alien\n");
    EXPECT_EQ(Run({"find", main_, "nothing like it"}).out, "");
    EXPECT_EQ(Run({"find", main_, "x", "--in", "Colour"}).exit_code, 1);
}

TEST_F(CliListsTest, ReplaceSavesAndCountsTheRecordsUpdated) {
    CliRun run = Run({"replace", main_, "Crime", "Thriller", "--in", "Category"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, "2 records updated\n");
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_EQ(Run({"find", main_, "thriller", "--in", "Category"}).out, "Heat\n");
    EXPECT_EQ(Run({"find", main_, "Thriller Drama", "--whole"}).out, "heat\n");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "program/undo/temp.txt"));

    CliRun none = Run({"replace", main_, "zzz", "y"});
    EXPECT_EQ(none.out, "0 records updated\n");
    EXPECT_EQ(Run({"replace", main_, "", "y"}).exit_code, 1);
}

TEST_F(CliListsTest, ReplaceOfWholeValuesAndWithCase) {
    EXPECT_EQ(
        Run({"replace", main_, "heat", "Heat (1986)", "--in", "Title", "--whole", "--match-case"})
            .out,
        "1 records updated\n");
    EXPECT_EQ(Run({"find", main_, "(1986)"}).out, "Heat (1986)\n");
}

TEST_F(CliListsTest, ListPrintsTheTitlesOfEachListing) {
    EXPECT_EQ(Run({"list", main_, "flagged"}).out, "Alien\nBrazil\n");
    EXPECT_EQ(Run({"list", main_, "viewed"}).out, "Heat\n");
    EXPECT_EQ(Run({"list", main_, "not-viewed"}).out, "Alien\nBrazil\nheat\n");
    EXPECT_EQ(Run({"list", main_, "duplicates"}).out, "heat\n");
    CliRun bad = Run({"list", main_, "everything"});
    EXPECT_EQ(bad.exit_code, 1);
    EXPECT_NE(bad.err.find("flagged|viewed|not-viewed|duplicates"), std::string::npos);
}

TEST_F(CliListsTest, ChangingAProtectedDatabaseNeedsFullAccess) {
    core::UserAccount guest;
    guest.UserName = "guest";
    guest.Password = "pw";
    guest.Level = core::kReadOnlyAccess;
    core::UserAccount admin = guest;
    admin.UserName = "admin";
    admin.Level = core::kFullAccess;
    WriteFilms(main_, {{{"Title", "Alien"}}}, {admin, guest});
    const std::string before = ReadFileBytes(main_);
    EXPECT_EQ(Run({"find", main_, "alien", "--user", "guest", "--password", "pw"}).out, "Alien\n");
    EXPECT_EQ(
        Run({"replace", main_, "Alien", "Aliens", "--user", "guest", "--password", "pw"}).exit_code,
        1);
    EXPECT_EQ(Run({"sort", main_, "Title", "--user", "guest", "--password", "pw"}).exit_code, 1);
    EXPECT_EQ(ReadFileBytes(main_), before);
    EXPECT_EQ(Run({"replace", main_, "Alien", "Aliens", "--user", "admin", "--password", "pw"}).out,
              "1 records updated\n");
}

TEST_F(CliListsTest, UsageNamesTheNewCommands) {
    const std::string help = Run({"--help"}).out;
    for (const char* command :
         {"sort DB COLUMN", "find DB TEXT", "replace DB WHAT WITH", "list DB"}) {
        EXPECT_NE(help.find(command), std::string::npos) << command;
    }
    EXPECT_EQ(Run({"find", main_}).exit_code, 1);
    EXPECT_EQ(Run({"find", main_, "a", "--in"}).exit_code, 1);
}

}  // namespace
