#include "demo/demo_database.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/accounts_file.h"
#include "core/database_files.h"
#include "core/dates.h"
#include "core/header_file.h"
#include "core/image_path_file.h"
#include "core/record_file.h"
#include "core/sort_state_file.h"
#include "core/text.h"
#include "core/wanted_file.h"
#include "temp_folder.h"

namespace demo {
namespace {

// The demo database made from the shipped film list and header, and read back the way the
// program opens a database.
class DemoDatabase : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        const filmdata::FilmListResult films = filmdata::ReadFilmList(REELDECK_FILM_LIST);
        ASSERT_TRUE(films.ok()) << films.error;
        film_count_ = films.films.size();
        folder_ = new TempFolder;
        names_ = core::DatabaseNamesOf(*folder_ / "demo.rdk");

        core::VideoList videos;
        ASSERT_TRUE(core::ReadHeader(videos, REELDECK_DEFAULT_HEADER));
        core::WantedList wanted;
        BuildDemoLists(films.films, DemoOptions{}, videos, wanted);
        ASSERT_TRUE(WriteDemoDatabase(videos, wanted, names_.main));

        // A second run writes the same bytes.
        core::VideoList again;
        ASSERT_TRUE(core::ReadHeader(again, REELDECK_DEFAULT_HEADER));
        core::WantedList wanted_again;
        BuildDemoLists(films.films, DemoOptions{}, again, wanted_again);
        ASSERT_TRUE(WriteDemoDatabase(again, wanted_again, *folder_ / "again.rdk"));
    }
    static void TearDownTestSuite() { delete folder_; }

    void SetUp() override {
        const core::FixedClock utc(0, 0);
        platform::NoProgress quiet;
        ASSERT_TRUE(core::ReadHeader(videos_, names_.header));
        ASSERT_TRUE(core::ReadRecords(videos_, names_.main, utc, {}, quiet));
        ASSERT_TRUE(core::ReadWanted(wanted_, names_.wanted, false, quiet));
    }

    std::string CellOf(int row, int file_slot) const {
        return videos_.GetCell(row, videos_.ColumnIndexOfSlot(file_slot));
    }
    int CountRows(int file_slot) const {
        int count = 0;
        for (int row = 0; row < videos_.RowCount(); ++row) count += !CellOf(row, file_slot).empty();
        return count;
    }

    static inline TempFolder* folder_ = nullptr;
    static inline core::DatabaseNames names_;
    static inline std::size_t film_count_ = 0;
    core::VideoList videos_;
    core::WantedList wanted_;
};

TEST_F(DemoDatabase, HoldsEveryFilmInOneOfTheTwoLists) {
    EXPECT_EQ(wanted_.Count(), 50);
    EXPECT_EQ(static_cast<std::size_t>(videos_.RowCount() + wanted_.Count()), film_count_);
    for (const std::string& title : wanted_.Titles()) {
        EXPECT_EQ(videos_.FindRow(videos_.ColumnIndexOfSlot(core::slot::kTitle), title), -1)
            << title << " is both wanted and owned";
    }
}

TEST_F(DemoDatabase, KeysAreUniqueCreationTimesInDateAddedOrder) {
    const core::FixedClock utc(0, 0);
    long long previous = 0;
    for (int row = 0; row < videos_.RowCount(); ++row) {
        const std::string key = CellOf(row, core::slot::kKey);
        const long long time = core::ParseLeadingLong(key);
        EXPECT_EQ(std::to_string(time), key);
        EXPECT_GT(time, previous) << "row " << row;
        previous = time;
        EXPECT_EQ(CellOf(row, core::slot::kDateAdded), core::KeyToDate(key, utc));
    }
    EXPECT_EQ(core::LocalDateOf(core::ParseLeadingLong(CellOf(0, core::slot::kKey)), utc).year,
              2008);
    EXPECT_EQ(core::LocalDateOf(previous, utc).year, 2025);
}

TEST_F(DemoDatabase, SomeVideosAreViewedAfterTheyWereAddedAndSomeAreFlagged) {
    const core::FixedClock utc(0, 0);
    const auto sortable = [](const std::string& date) {  // "mm/dd/yyyy" as "yyyymmdd"
        return date.substr(6, 4) + date.substr(0, 2) + date.substr(3, 2);
    };
    for (int row = 0; row < videos_.RowCount(); ++row) {
        const std::string viewed = CellOf(row, core::slot::kLastViewed);
        if (viewed.empty()) continue;
        EXPECT_GT(sortable(viewed), sortable(CellOf(row, core::slot::kDateAdded))) << "row " << row;
    }
    const int viewed = CountRows(core::slot::kLastViewed);
    const int flagged = CountRows(core::slot::kFlagValue);
    EXPECT_GT(viewed, videos_.RowCount() / 5);
    EXPECT_LT(viewed, videos_.RowCount() / 2);
    EXPECT_GT(flagged, videos_.RowCount() / 20);
    EXPECT_LT(flagged, videos_.RowCount() / 5);
    for (int row = 0; row < videos_.RowCount(); ++row) {
        EXPECT_EQ(videos_.FlagMark(row), !CellOf(row, core::slot::kFlagValue).empty());
    }
}

TEST_F(DemoDatabase, KeepsTheFilmsTextAndFillsTheCustomColumns) {
    std::set<std::string> titles;
    for (int row = 0; row < videos_.RowCount(); ++row)
        titles.insert(CellOf(row, core::slot::kTitle));
    // Numbers as titles, ampersands, quotes and non-ASCII text survive.
    for (const char* title : {"1776", "Bill & Ted's Excellent Adventure", "Alien\xC2\xB3"}) {
        EXPECT_TRUE(titles.count(title) == 1 ||
                    std::count(wanted_.Titles().begin(), wanted_.Titles().end(), title) == 1)
            << title;
    }
    const int format = videos_.ColumnIndexOf("Format");
    const int location = videos_.ColumnIndexOf("Location");
    const int rank = videos_.ColumnIndexOf("Rank");
    std::set<std::string> formats;
    for (int row = 0; row < videos_.RowCount(); ++row) {
        formats.insert(videos_.GetCell(row, format));
        EXPECT_FALSE(videos_.GetCell(row, location).empty());
        const std::string duration = CellOf(row, core::slot::kDuration);
        if (!duration.empty()) {
            EXPECT_EQ(duration.size(), 8u) << duration;
        }
    }
    EXPECT_EQ(formats, (std::set<std::string>{"Blu-ray", "DVD", "Digital", "VHS"}));
    EXPECT_GT(CountRows(core::slot::kYear), videos_.RowCount() - 5);
    EXPECT_GT(CountRows(core::slot::kDirector), videos_.RowCount() / 2);
    int ranked = 0;
    for (int row = 0; row < videos_.RowCount(); ++row)
        ranked += !videos_.GetCell(row, rank).empty();
    EXPECT_GT(ranked, videos_.RowCount() / 2);
}

TEST_F(DemoDatabase, FilesHoldNoLineBreaksInCellsNorAngleBracketsNorThisMachinesPaths) {
    const std::string records = ReadFileBytes(names_.main);
    EXPECT_EQ(records.find_first_of("<>\r"), std::string::npos);
    EXPECT_EQ(std::count(records.begin(), records.end(), '\n'), 24 * videos_.RowCount());
    EXPECT_EQ(ReadFileBytes(names_.images), "");
    EXPECT_EQ(ReadFileBytes(names_.sort), "11\n1");
    EXPECT_EQ(ReadFileBytes(names_.accounts), "");
    EXPECT_EQ(ReadFileBytes(names_.header), ReadFileBytes(REELDECK_DEFAULT_HEADER));
    core::SortState sort{0, 0};
    ASSERT_TRUE(core::ReadSortState(sort, names_.sort));
    EXPECT_EQ(videos_.Column(sort.column).Name, "Date Added");
}

TEST_F(DemoDatabase, IsTheSameOnEveryRun) {
    const core::DatabaseNames again = core::DatabaseNamesOf(*folder_ / "again.rdk");
    EXPECT_EQ(ReadFileBytes(again.main), ReadFileBytes(names_.main));
    EXPECT_EQ(ReadFileBytes(again.wanted), ReadFileBytes(names_.wanted));
}

}  // namespace
}  // namespace demo
