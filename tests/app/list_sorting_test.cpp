#include "app/list_sorting.h"

#include <gtest/gtest.h>

#include "core/header_file.h"

namespace {

using Texts = std::vector<std::string>;

// My Videos with the default column table and one row per cell of one column; each row's Key is
// its first position.
class ListSortingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(core::ReadHeader(list_, std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt"));
    }
    int Fill(std::string_view column, const Texts& cells) {
        const int index = list_.ColumnIndexOf(column);
        for (const std::string& cell : cells) {
            const int row = list_.InsertRow(list_.RowCount(), std::to_string(list_.RowCount()));
            list_.SetCell(row, index, cell);
        }
        return index;
    }
    Texts Cells(std::string_view column) const {
        Texts cells;
        const int index = list_.ColumnIndexOf(column);
        for (int row = 0; row < list_.RowCount(); ++row) cells.push_back(list_.GetCell(row, index));
        return cells;
    }

    core::VideoList list_;
    core::SortState state_;
};

struct SortCase {
    const char* column;
    Texts cells;
    Texts ascending;
};

class SortOrderTest : public ListSortingTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortOrderTest, AscendingAndDescending) {
    const int index = Fill(GetParam().column, GetParam().cells);
    app::SortVideos(list_, state_, index, 1);
    EXPECT_EQ(Cells(GetParam().column), GetParam().ascending);
    // Empty cells come first ascending and last descending: the reversal already puts them last.
    app::SortVideos(list_, state_, index, 0);
    EXPECT_EQ(Cells(GetParam().column),
              Texts(GetParam().ascending.rbegin(), GetParam().ascending.rend()));
}

INSTANTIATE_TEST_SUITE_P(
    ListSorting, SortOrderTest,
    ::testing::Values(SortCase{"Year", {"1999", "", "2001", "1942"}, {"", "1942", "1999", "2001"}},
                      SortCase{"Last Viewed",
                               {"01/01/2000", "12/31/1999", "03/15/1999", "02/01/2000"},
                               {"03/15/1999", "12/31/1999", "01/01/2000", "02/01/2000"}},
                      SortCase{"Duration",
                               {"01:05:00", "00:59:59", "10:00:00", "02:00:00"},
                               {"00:59:59", "01:05:00", "02:00:00", "10:00:00"}},
                      SortCase{"Rank", {"10", "9", "100", "1"}, {"1", "9", "10", "100"}},
                      SortCase{"Rank", {"9a", "10", "9", "10a"}, {"9", "10", "10a", "9a"}},
                      SortCase{
                          "Title", {"beta", "", "Alpha", "gamma"}, {"", "Alpha", "beta", "gamma"}},
                      SortCase{"Title", {"z", "5", "(x)"}, {"(x)", "5", "z"}}),
    [](const ::testing::TestParamInfo<SortCase>& info) {
        std::string name = info.param.column;
        std::erase(name, ' ');
        return name + std::to_string(info.index);
    });

TEST_F(ListSortingTest, RowsMoveWholeWithTheirSelectionAndAreRenumbered) {
    const int title = Fill("Title", {"c", "a", "d", "b"});
    list_.Select(0, true);  // "c"
    list_.Select(3, true);  // "b"
    list_.SetCell(0, list_.ColumnIndexOf("Synopsis"), "about c");
    list_.SetFlagMark(0, true);
    app::SortVideos(list_, state_, title, 1);
    EXPECT_EQ(Cells("Key"), (Texts{"1", "3", "0", "2"}));
    EXPECT_EQ(Cells("#"), (Texts{"1", "2", "3", "4"}));
    EXPECT_EQ(list_.SelectedRows(), (std::vector<int>{1, 2}));
    EXPECT_EQ(list_.GetCell(2, list_.ColumnIndexOf("Synopsis")), "about c");
    EXPECT_TRUE(list_.FlagMark(2));
    EXPECT_EQ(state_, (core::SortState{title, 1}));

    // A column that is not in the table leaves the order.
    app::SortVideos(list_, state_, 99, 0);
    EXPECT_EQ(Cells("Title"), (Texts{"a", "b", "c", "d"}));

    // Equal cells (case is ignored) keep their order in both directions.
    list_.DeleteAllRows();
    Fill("Title", {"b", "A", "a", "B"});
    app::SortVideos(list_, state_, title, 1);
    EXPECT_EQ(Cells("Key"), (Texts{"1", "2", "0", "3"}));
    app::SortVideos(list_, state_, title, 0);
    EXPECT_EQ(Cells("Key"), (Texts{"0", "3", "1", "2"}));
}

}  // namespace
