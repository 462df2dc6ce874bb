#include "core/video_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "sample_lists.h"

namespace {

using core::VideoColumn;
using core::VideoList;
using core::VideoRecord;

// ---- VideoRecord: 23 cells in one string ----

TEST(VideoRecordTest, CellsChangeIndependentlyOfTheirNeighbours) {
    std::array<std::string, core::kMaxColumns> model;
    VideoRecord record;
    std::mt19937 random(23);
    for (int step = 0; step < 3000; ++step) {
        const int index = static_cast<int>(random() % core::kMaxColumns);
        const std::size_t length = random() % 4 == 0 ? 0 : random() % 300;
        std::string text(length, static_cast<char>('a' + step % 26));
        if (length > 0) text[0] = static_cast<char>(index);  // NUL bytes are ordinary bytes
        record.SetCell(index, text);
        model[static_cast<std::size_t>(index)] = text;
        for (int i = 0; i < core::kMaxColumns; ++i) {
            ASSERT_EQ(record.Cell(i), model[static_cast<std::size_t>(i)])
                << "cell " << i << " after setting cell " << index << " at step " << step;
        }
    }
}

TEST(VideoRecordTest, BuildsFromCellsAndIgnoresIndexesOutOfRange) {
    const std::vector<std::string_view> cells = {"key", "", "title", "x"};
    VideoRecord record(cells);
    EXPECT_EQ(record.Cell(0), "key");
    EXPECT_EQ(record.Cell(1), "");
    EXPECT_EQ(record.Cell(2), "title");
    EXPECT_EQ(record.Cell(3), "x");
    EXPECT_EQ(record.Cell(22), "");
    record.SetCell(-1, "no");
    record.SetCell(core::kMaxColumns, "no");
    EXPECT_EQ(record.Cell(-1), "");
    EXPECT_EQ(record.Cell(core::kMaxColumns), "");
    EXPECT_EQ(record.Cell(0), "key");

    std::vector<std::string> many(30);
    for (std::size_t i = 0; i < many.size(); ++i) many[i] = "c" + std::to_string(i);
    const std::vector<std::string_view> views(many.begin(), many.end());
    VideoRecord full(views);
    EXPECT_EQ(full.Cell(22), "c22");
}

TEST(VideoRecordTest, InsertAndEraseCellsShiftTheLaterCells) {
    VideoRecord record;
    for (int i = 0; i < core::kMaxColumns; ++i) record.SetCell(i, "c" + std::to_string(i));
    record.InsertEmptyCell(5);
    EXPECT_EQ(record.Cell(4), "c4");
    EXPECT_EQ(record.Cell(5), "");
    EXPECT_EQ(record.Cell(6), "c5");
    EXPECT_EQ(record.Cell(22), "c21");  // the last cell falls off
    record.EraseCell(5);
    for (int i = 0; i < core::kMaxColumns - 1; ++i)
        EXPECT_EQ(record.Cell(i), "c" + std::to_string(i));
    EXPECT_EQ(record.Cell(22), "");
    record.EraseCell(0);
    EXPECT_EQ(record.Cell(0), "c1");
    record.InsertEmptyCell(0);
    EXPECT_EQ(record.Cell(0), "");
    EXPECT_EQ(record.Cell(1), "c1");
}

// ---- VideoList rows ----

class VideoListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list_.SetColumns(SampleColumns());
        title_ = list_.ColumnIndexOf("Title");
        for (const char* key : {"100", "200", "300", "400", "500"}) {
            const int row = list_.InsertRow(list_.RowCount(), key);
            list_.SetCell(row, title_, std::string("Title ") + key);
        }
    }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (int row = 0; row < list_.RowCount(); ++row) keys.push_back(list_.GetCell(row, 0));
        return keys;
    }

    VideoList list_;
    int title_ = -1;
};

TEST_F(VideoListTest, InsertRowPutsTheTextInCellZeroAndTheIndexInLoadOrder) {
    EXPECT_EQ(list_.InsertRow(2, "250"), 2);
    EXPECT_EQ(list_.InsertRow(0, "050"), 0);
    EXPECT_EQ(list_.InsertRow(99, "999"), 7);  // past the end: appended
    EXPECT_EQ(list_.InsertRow(-4, "000"), 0);  // before the start: first
    EXPECT_EQ(Keys(), (std::vector<std::string>{"000", "050", "100", "200", "250", "300", "400",
                                                "500", "999"}));
    EXPECT_EQ(list_.LoadOrder(4), 2);
    EXPECT_EQ(list_.LoadOrder(8), 7);
    EXPECT_EQ(list_.GetCell(4, title_), "");
    EXPECT_EQ(list_.GetCell(5, title_), "Title 300");
    EXPECT_EQ(list_.LoadOrder(99), -1);
}

TEST_F(VideoListTest, DeleteRowMovesLaterRowsUp) {
    list_.DeleteRow(1);
    EXPECT_EQ(Keys(), (std::vector<std::string>{"100", "300", "400", "500"}));
    EXPECT_EQ(list_.GetCell(1, title_), "Title 300");
    list_.DeleteRow(-1);
    list_.DeleteRow(4);
    EXPECT_EQ(list_.RowCount(), 4);
    list_.DeleteAllRows();
    EXPECT_EQ(list_.RowCount(), 0);
    EXPECT_EQ(list_.ColumnCount(), core::kMaxColumns);
}

TEST_F(VideoListTest, CellsOutsideTheListReadEmptyAndIgnoreWrites) {
    EXPECT_EQ(list_.GetCell(5, 0), "");
    EXPECT_EQ(list_.GetCell(-1, 0), "");
    EXPECT_EQ(list_.GetCell(0, 23), "");
    list_.SetCell(5, 0, "x");
    list_.SetCell(0, -1, "x");
    list_.SetFlagMark(7, true);
    EXPECT_FALSE(list_.FlagMark(7));
    EXPECT_EQ(Keys(), (std::vector<std::string>{"100", "200", "300", "400", "500"}));
}

TEST_F(VideoListTest, FlagMarkBelongsToItsRow) {
    list_.SetFlagMark(2, true);
    EXPECT_TRUE(list_.FlagMark(2));
    list_.DeleteRow(0);
    EXPECT_TRUE(list_.FlagMark(1));
    EXPECT_FALSE(list_.FlagMark(2));
    list_.SetFlagMark(1, false);
    EXPECT_FALSE(list_.FlagMark(1));
}

TEST_F(VideoListTest, SelectionIsCountedAndListedInAscendingOrder) {
    for (int row : {3, 0, 4}) list_.Select(row, true);
    list_.Select(3, true);  // selecting twice counts once
    EXPECT_EQ(list_.SelectedCount(), 3);
    EXPECT_EQ(list_.SelectedRows(), (std::vector<int>{0, 3, 4}));
    EXPECT_TRUE(list_.IsSelected(3));
    EXPECT_FALSE(list_.IsSelected(1));

    list_.Select(0, false);
    list_.Select(0, false);
    EXPECT_EQ(list_.SelectedRows(), (std::vector<int>{3, 4}));

    // Selection moves with the rows when rows are inserted or deleted before them.
    list_.InsertRow(0, "050");
    EXPECT_EQ(list_.SelectedRows(), (std::vector<int>{4, 5}));
    list_.DeleteRow(4);
    EXPECT_EQ(list_.SelectedCount(), 1);
    EXPECT_EQ(list_.SelectedRows(), (std::vector<int>{4}));
    EXPECT_EQ(list_.GetCell(4, 0), "500");

    list_.Select(1, true);
    list_.DeselectAll();
    EXPECT_EQ(list_.SelectedCount(), 0);
    EXPECT_TRUE(list_.SelectedRows().empty());

    list_.Select(2, true);
    list_.DeleteAllRows();
    EXPECT_EQ(list_.SelectedCount(), 0);
    list_.Select(0, true);  // no such row
    EXPECT_EQ(list_.SelectedCount(), 0);
}

TEST_F(VideoListTest, AppendRowCountsASelectedRecord) {
    VideoRecord record;
    record.SetCell(0, "600");
    record.Selected = true;
    list_.AppendRow(record);
    EXPECT_EQ(list_.SelectedCount(), 1);
    EXPECT_EQ(list_.SelectedRows(), (std::vector<int>{5}));
}

TEST_F(VideoListTest, FindRowIgnoresAsciiCaseAndReturnsTheFirstMatch) {
    list_.SetCell(3, title_, "title 200");
    EXPECT_EQ(list_.FindRow(title_, "TITLE 200"), 1);
    EXPECT_EQ(list_.FindRow(title_, "Title 500"), 4);
    EXPECT_EQ(list_.FindRow(title_, "Title"), -1);
    EXPECT_EQ(list_.FindRow(title_, "Title 200 "), -1);
    EXPECT_EQ(list_.FindRow(0, "300"), 2);
    list_.SetCell(2, title_, "\xC9T\xC9");
    EXPECT_EQ(list_.FindRow(title_, "\xC9t\xC9"), 2);
    EXPECT_EQ(list_.FindRow(title_, "\xE9t\xE9"), -1);  // only ASCII letters fold
}

// ---- Columns ----

TEST_F(VideoListTest, FindsColumnsByName) {
    ASSERT_NE(list_.FindColumn("Title"), nullptr);
    EXPECT_EQ(list_.FindColumn("Title")->FileSlot, core::slot::kTitle);
    EXPECT_EQ(list_.FindColumn("title"), nullptr);
    ASSERT_NE(list_.FindColumnNoCase("flag VALUE"), nullptr);
    EXPECT_EQ(list_.FindColumnNoCase("flag VALUE")->FileSlot, core::slot::kFlagValue);
    EXPECT_EQ(list_.ColumnIndexOf("Title"), 3);
    EXPECT_EQ(list_.ColumnIndexOf("Nope"), -1);
    EXPECT_EQ(list_.ColumnIndexOfSlot(core::slot::kFlag), 2);
    EXPECT_EQ(list_.ColumnIndexOfSlot(23), -1);
}

TEST_F(VideoListTest, SetColumnsNumbersColumnsAndTakesStoredWidths) {
    std::vector<VideoColumn> columns = SampleColumns();
    for (VideoColumn& column : columns) column.ListIndex = 7;
    columns[3].Width = 250;
    columns[4].Visible = false;
    columns[4].Width = 90;
    columns[5].Width = -3;
    list_.SetColumns(columns);
    for (int i = 0; i < list_.ColumnCount(); ++i) EXPECT_EQ(list_.Column(i).ListIndex, i);
    EXPECT_EQ(list_.ColumnWidth(3), 250);
    EXPECT_EQ(list_.ColumnWidth(4), 0);
    EXPECT_EQ(list_.ColumnWidth(5), 0);
    EXPECT_EQ(list_.ColumnWidth(23), 0);
    list_.SetColumnWidth(3, -5);
    EXPECT_EQ(list_.ColumnWidth(3), 0);
    list_.SetColumnWidth(3, 120);
    EXPECT_EQ(list_.ColumnWidth(3), 120);
    EXPECT_EQ(list_.ColumnOrder().size(), 23u);

    columns.resize(30, columns.back());
    list_.SetColumns(columns);
    EXPECT_EQ(list_.ColumnCount(), core::kMaxColumns);
}

TEST_F(VideoListTest, ColumnOrderTakesOnlyPermutations) {
    std::vector<int> identity(23);
    for (int i = 0; i < 23; ++i) identity[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(list_.ColumnOrder(), identity);

    std::vector<int> moved = identity;
    std::swap(moved[3], moved[10]);
    std::rotate(moved.begin() + 1, moved.begin() + 2, moved.end());
    list_.SetColumnOrder(moved);
    EXPECT_EQ(list_.ColumnOrder(), moved);

    std::vector<std::vector<int>> rejected = {{}, identity, identity, identity, identity};
    rejected[1].pop_back();    // too short
    rejected[2].push_back(0);  // too long
    rejected[3][5] = 6;        // a duplicate, 5 missing
    rejected[4][22] = 23;      // out of range
    std::vector<int> negative = identity;
    negative[0] = -1;
    rejected.push_back(negative);
    for (const std::vector<int>& order : rejected) {
        list_.SetColumnOrder(order);
        EXPECT_EQ(list_.ColumnOrder(), moved);
    }
}

class SmallVideoListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list_.SetColumns({core::BuiltInColumn("Key", 0, 0), core::BuiltInColumn("Title", 3, 1),
                          core::BuiltInColumn("Year", 2, 2),
                          core::BuiltInColumn("Flag Value", 22, 3)});
        for (int row = 0; row < 3; ++row) {
            list_.InsertRow(row, "k" + std::to_string(row));
            list_.SetCell(row, 1, "t" + std::to_string(row));
            list_.SetCell(row, 2, "y" + std::to_string(row));
            list_.SetCell(row, 3, "f" + std::to_string(row));
        }
        list_.SetColumnWidth(2, 77);
    }
    VideoList list_;
};

TEST_F(SmallVideoListTest, InsertColumnAppendsAnEmptyCellToEveryRow) {
    VideoColumn misc = core::BuiltInColumn("Misc", 6, 0);
    misc.Width = 66;
    list_.InsertColumn(misc);
    ASSERT_EQ(list_.ColumnCount(), 5);
    EXPECT_EQ(list_.Column(4).Name, "Misc");
    EXPECT_EQ(list_.Column(4).ListIndex, 4);
    EXPECT_EQ(list_.ColumnWidth(4), 66);
    EXPECT_EQ(list_.ColumnOrder(), (std::vector<int>{0, 1, 2, 3, 4}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list_.GetCell(row, 3), "f" + std::to_string(row));
        EXPECT_EQ(list_.GetCell(row, 4), "");
    }
    list_.SetCell(1, 4, "m1");
    EXPECT_EQ(list_.GetCell(1, 4), "m1");
    EXPECT_EQ(list_.GetCell(1, 3), "f1");
}

TEST_F(SmallVideoListTest, DeleteColumnKeepsCellsUnderTheirColumns) {
    list_.SetColumnOrder({3, 0, 2, 1});
    list_.DeleteColumn(1);  // Title
    ASSERT_EQ(list_.ColumnCount(), 3);
    EXPECT_EQ(list_.Column(1).Name, "Year");
    EXPECT_EQ(list_.Column(1).ListIndex, 1);
    EXPECT_EQ(list_.ColumnIndexOf("Flag Value"), 2);
    EXPECT_EQ(list_.ColumnIndexOfSlot(22), 2);
    EXPECT_EQ(list_.ColumnWidth(1), 77);
    EXPECT_EQ(list_.ColumnOrder(), (std::vector<int>{2, 0, 1}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list_.GetCell(row, 0), "k" + std::to_string(row));
        EXPECT_EQ(list_.GetCell(row, 1), "y" + std::to_string(row));
        EXPECT_EQ(list_.GetCell(row, 2), "f" + std::to_string(row));
        EXPECT_EQ(list_.GetCell(row, 3), "");
    }
    list_.DeleteColumn(7);
    EXPECT_EQ(list_.ColumnCount(), 3);
    list_.DeleteAllColumns();
    EXPECT_EQ(list_.ColumnCount(), 0);
    EXPECT_TRUE(list_.ColumnOrder().empty());
    EXPECT_EQ(list_.RowCount(), 3);
}

TEST_F(SmallVideoListTest, InsertColumnStopsAtTheMaximum) {
    for (int slot : core::kCustomSlots) {
        list_.InsertColumn(core::BuiltInColumn("M" + std::to_string(slot), slot, 0));
    }
    while (list_.ColumnCount() < core::kMaxColumns)
        list_.InsertColumn(core::BuiltInColumn("X", 1, 0));
    list_.InsertColumn(core::BuiltInColumn("One too many", 1, 0));
    EXPECT_EQ(list_.ColumnCount(), core::kMaxColumns);
    EXPECT_EQ(list_.ColumnOrder().size(), static_cast<std::size_t>(core::kMaxColumns));
    EXPECT_EQ(list_.GetCell(2, 3), "f2");
}

// ---- Built-in columns ----

TEST(BuiltInColumnTest, NumberAndFlagColumnsShowNoTitle) {
    for (const char* name : {"#", "Flag", "FLAG", "flag value"}) {
        EXPECT_EQ(core::DisplayTitleOf(core::BuiltInColumn(name, 1, 1)), "") << name;
    }
    for (const char* name : {"Title", "Flags", "Key", "Misc 1"}) {
        EXPECT_EQ(core::DisplayTitleOf(core::BuiltInColumn(name, 1, 1)), name);
    }
}

}  // namespace
