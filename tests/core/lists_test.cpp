#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/video_list.h"
#include "core/wanted_list.h"
#include "sample_lists.h"

namespace {

using core::VideoColumn;
using core::VideoList;
using core::VideoRecord;
using Texts = std::vector<std::string>;

// ---- VideoRecord: 23 cells in one string ----

TEST(VideoRecordTest, CellsChangeIndependentlyOfTheirNeighbours) {
    std::array<std::string, core::kMaxColumns> model;
    VideoRecord record;
    std::mt19937 random(23);
    for (int step = 0; step < 3000; ++step) {
        const int index = static_cast<int>(random() % core::kMaxColumns);
        std::string text(random() % 4 == 0 ? 0 : random() % 300, 'a' + step % 26);
        if (!text.empty()) text[0] = static_cast<char>(index);  // NUL is an ordinary byte
        record.SetCell(index, text);
        model[static_cast<std::size_t>(index)] = text;
        for (int i = 0; i < core::kMaxColumns; ++i) {
            ASSERT_EQ(record.Cell(i), model[static_cast<std::size_t>(i)])
                << "cell " << i << " after setting cell " << index << " at step " << step;
        }
    }
    record.SetCell(core::kMaxColumns, "no");
    EXPECT_EQ(record.Cell(core::kMaxColumns), "");
}

// ---- VideoList ----

class VideoListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* key : {"100", "200", "300", "400", "500"}) {
            list_.SetCell(list_.InsertRow(list_.RowCount(), key), title_, key);
        }
    }

    VideoList list_ = SampleList();
    int title_ = list_.ColumnIndexOf("Title");
};

TEST_F(VideoListTest, RowsAndTheirSelectionMoveWhenRowsAreInsertedOrDeleted) {
    EXPECT_EQ(list_.InsertRow(99, "999"), 5);  // past the end: appended
    EXPECT_EQ(list_.InsertRow(-4, "000"), 0);  // before the start: first
    EXPECT_EQ(list_.LoadOrder(6), 5);
    for (int row : {3, 1, 5, 3}) list_.Select(row, true);  // selecting twice counts once
    list_.Select(1, false);
    list_.Select(1, false);
    list_.SetFlagMark(3, true);
    list_.DeleteRow(2);
    list_.DeleteRow(-1);
    EXPECT_EQ(CellsOf(list_, "Key"), (Texts{"000", "100", "300", "400", "500", "999"}));
    EXPECT_EQ(CellsOf(list_, "Title"), (Texts{"", "100", "300", "400", "500", ""}));
    EXPECT_EQ(list_.SelectedRows(), (std::vector<int>{2, 4}));
    EXPECT_TRUE(list_.FlagMark(2));
    EXPECT_FALSE(list_.FlagMark(3));

    list_.DeleteRow(2);
    VideoRecord selected;
    selected.Selected = true;
    list_.AppendRow(selected);
    EXPECT_EQ(list_.SelectedRows(), (std::vector<int>{3, 5}));
    EXPECT_EQ(list_.SelectedCount(), 2);
    list_.DeselectAll();
    EXPECT_EQ(list_.SelectedCount(), 0);
    list_.Select(2, true);
    list_.DeleteAllRows();
    list_.Select(0, true);  // no such row
    EXPECT_EQ(list_.SelectedCount(), 0);
    EXPECT_EQ(list_.GetCell(0, 0), "");
}

// Widths and visibility are checked with the header file that sets them.
TEST_F(VideoListTest, SetColumnsNumbersAtMost23ColumnsAndColumnOrderTakesOnlyPermutations) {
    std::vector<VideoColumn> columns = SampleColumns();
    for (VideoColumn& column : columns) column.ListIndex = 7;
    columns.resize(30, columns.back());
    list_.SetColumns(columns);
    ASSERT_EQ(list_.ColumnCount(), core::kMaxColumns);
    for (int i = 0; i < list_.ColumnCount(); ++i) EXPECT_EQ(list_.Column(i).ListIndex, i);

    std::vector<int> moved(23);
    std::iota(moved.begin(), moved.end(), 0);
    EXPECT_EQ(list_.ColumnOrder(), moved);
    std::rotate(moved.begin() + 1, moved.begin() + 2, moved.end());
    list_.SetColumnOrder(moved);
    EXPECT_EQ(list_.ColumnOrder(), moved);
    std::vector<std::vector<int>> rejected(3, moved);
    rejected[0].pop_back();  // too short
    rejected[1][5] = 6;      // a duplicate, 5 missing
    rejected[2][22] = 23;    // out of range
    for (const std::vector<int>& order : rejected) {
        list_.SetColumnOrder(order);
        EXPECT_EQ(list_.ColumnOrder(), moved);
    }
}

// ---- Wanted Videos ----

TEST(WantedListTest, KeepsTitlesInAlphabeticalOrderIgnoringAsciiCase) {
    core::WantedList wanted;
    EXPECT_EQ(wanted.Add("Vertigo"), 0);
    EXPECT_EQ(wanted.Add("heat"), 0);
    EXPECT_EQ(wanted.Add("Heat"), 1);  // after the titles that compare equal
    EXPECT_EQ(wanted.Add("HEAT"), 2);
    EXPECT_EQ(wanted.Add("heat 2"), 3);
    // Bytes compare unsigned: "[" and "_" lie between "Z" and "a", so every folded letter sorts
    // after them, and a Latin-1 "É" after every ASCII letter.
    for (const char* title : {"\xC9lan", "_under", "[bracket", ""}) wanted.Add(title);
    EXPECT_EQ(wanted.Titles(), (Texts{"", "[bracket", "_under", "heat", "Heat", "HEAT", "heat 2",
                                      "Vertigo", "\xC9lan"}));
    wanted.Delete(1);
    wanted.Delete(-1);
    wanted.Delete(8);
    EXPECT_EQ(wanted.Get(1), "_under");
    EXPECT_THROW(wanted.Get(8), std::out_of_range);
}

}  // namespace
