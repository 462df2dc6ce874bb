#include "core/header_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/record_file.h"
#include "sample_lists.h"
#include "temp_folder.h"
#include "test_doubles.h"

namespace {

using core::FileResult;
using core::VideoColumn;
using core::VideoList;
using Names = std::vector<std::string>;

// One header group: the name, the eleven numbers and the empty line.
std::string Group(const std::string& name, int list_index, int file_slot) {
    std::string group = name + '\n';
    for (int value : {list_index, 1, 1, 1, file_slot, 1, 1, 1, 0, list_index, 50}) {
        group += std::to_string(value) + '\n';
    }
    return group + '\n';
}

std::string WriteToText(VideoList& list) {
    std::ostringstream out;
    EXPECT_TRUE(core::WriteHeader(list, out).ok());
    return out.str();
}

FileResult ReadFromText(const std::string& text, VideoList& list) {
    std::istringstream in(text);
    return core::ReadHeader(in, list);
}

class HeaderFileTest : public ::testing::Test {
  protected:
    VideoList list_ = SampleList();
    TempFolder folder_;
};

TEST_F(HeaderFileTest, WritesThirteenLinesPerColumnAndReadsThemBack) {
    const std::string text = WriteToText(list_);
    EXPECT_EQ(text.substr(0, 27), "Key\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n\n");
    // "#": position 1, visible, built in, not toggleable, slot 1, not searchable or sortable,
    // not shown in pages, not offered, HTML order 1, width 41.
    EXPECT_EQ(text.substr(27, 26), "#\n1\n1\n0\n0\n1\n0\n0\n0\n0\n1\n41\n\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 23 * 13);
    const std::string path = folder_ / "films.rdkh";
    ASSERT_TRUE(core::WriteHeader(list_, path).ok());
    EXPECT_EQ(ReadFileBytes(path), text);

    for (const std::string& variant : {text, ToCrlf(text)}) {
        VideoList reread;
        reread.InsertRow(0, "a row of the database open before");
        ASSERT_TRUE(ReadFromText(variant, reread).ok());
        EXPECT_EQ(reread.RowCount(), 0);
        EXPECT_EQ(reread.Columns(), list_.Columns());
        EXPECT_EQ(WriteToText(reread), text);
    }
}

TEST_F(HeaderFileTest, WritesDisplayOrderAndCurrentWidthsWithHiddenColumnsAsZero) {
    std::vector<int> order = list_.ColumnOrder();
    std::rotate(order.begin() + 1, order.begin() + 2, order.end());
    list_.SetColumnOrder(order);
    list_.SetColumnWidth(list_.ColumnIndexOf("Title"), 321);
    list_.SetColumnWidth(list_.ColumnIndexOf("Cast"), 99);  // hidden
    VideoList reread;
    ASSERT_TRUE(ReadFromText(WriteToText(list_), reread).ok());
    Names in_order;
    for (int index : order) in_order.push_back(list_.Column(index).Name);
    EXPECT_EQ(ColumnNamesOf(reread), in_order);
    EXPECT_EQ(reread.ColumnWidth(reread.ColumnIndexOf("Title")), 321);
    EXPECT_EQ(reread.ColumnWidth(reread.ColumnIndexOf("Cast")), 0);
}

// ---- Repairs ----

struct RepairCase {
    const char* what;
    std::string text;
    Names first_columns;
};

TEST_F(HeaderFileTest, RepairsGiveAUsableTable) {
    const RepairCase cases[] = {
        // Numbers that are not numbers read as 0: "Title" ties with "Key", which comes first.
        RepairCase{"numbers that are not numbers",
                   Group("Key", 0, 0) + Group("Year", 1, 2) +
                       "Title\nthree\nyes\n0\n1\n3\n1\n1\n1\n0\nfirst\nwide\n\n",
                   {"Key", "Title", "Year"}},
        RepairCase{"ListIndexes that tie keep the file order",
                   Group("Key", 0, 0) + Group("Title", 1, 3) + Group("Year", 1, 2) +
                       Group("Genre", 1, 6) + Group("MPAA", 0, 4),
                   {"Key", "MPAA", "Title", "Year", "Genre"}},
        RepairCase{"a slot taken twice or out of range drops the column",
                   Group("Key", 0, 0) + Group("Genre", 1, 6) + Group("Studio", 2, 6) +
                       Group("Far", 3, 23) + Group("Negative", 4, -1) + Group("Big", 5, 99999) +
                       Group("Title", 6, 3),
                   {"Key", "Genre", "Title"}},
        RepairCase{"Key comes first wherever it stands",
                   Group("Title", 0, 3) + Group("Year", 1, 2) + Group("key", 4, 0),
                   {"Key", "Title", "Year"}},
        // Names are unique without regard to case, and a custom column never takes a built-in
        // column's name, even when that column is missing from the file.
        RepairCase{"names that clash are replaced",
                   Group("Key", 0, 0) + Group("Name", 1, 3) + Group("title", 2, 6) +
                       Group("genre", 3, 7) + Group("GENRE", 4, 8) + Group("Flag value", 5, 10),
                   {"Key", "Title", "Custom 6", "genre", "Custom 8", "Custom 10"}}};
    for (const RepairCase& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(ReadFromText(c.text, list_).ok());
        EXPECT_EQ(TableProblem(list_), "");
        const Names names = ColumnNamesOf(list_);
        EXPECT_EQ(Names(names.begin(), names.begin() + c.first_columns.size()), c.first_columns);
    }
}

TEST_F(HeaderFileTest, MissingSlotsGetHiddenColumnsSoNoCellIsLost) {
    ASSERT_TRUE(ReadFromText(Group("Key", 0, 0) + Group("Title", 1, 3), list_).ok());
    EXPECT_EQ(TableProblem(list_), "");
    for (const VideoColumn& column : list_.Columns()) {
        EXPECT_FALSE(column.Custom && column.Visible) << column.Name;
    }
    std::string block = "1078617600\n\n";  // Key, and "#" that the reader fills in
    for (int slot = 2; slot < core::kSlotCount; ++slot) {
        block += (slot == 11 || slot == 21 ? "" : "cell " + std::to_string(slot)) + '\n';
    }
    block += '\n';
    std::istringstream in(block);
    platform::NoProgress progress;
    ASSERT_EQ(core::ReadRecords(in, list_, core::FixedClock(0), {}, progress).value, 1);
    std::ostringstream out;
    ASSERT_TRUE(core::WriteRecords(list_, out, progress).ok());
    std::string expected = block;
    expected.replace(expected.find("\n\n") + 1, 0, "1");                // "#"
    expected.replace(expected.find("cell 10\n") + 8, 0, "03/07/2004");  // "Date Added"
    EXPECT_EQ(out.str(), expected);
}

TEST_F(HeaderFileTest, AFileWithoutAKeyColumnOrAFailingStreamLeavesTheListAsItWas) {
    list_.InsertRow(0, "1");
    const std::vector<VideoColumn> before = list_.Columns();
    std::string junk;
    for (int i = 0; i < 4000; ++i) junk += static_cast<char>((i * 7919) % 256);
    const std::string cases[] = {
        junk,
        Group("Title", 0, 3) + Group("Year", 1, 2),
        Group("Key", 0, 5),                         // "Key" in the wrong slot
        Group("Title", 0, 0) + Group("Key", 1, 0),  // slot 0 is taken by another column first
        "Key\n",                                    // a name without numbers is no group
    };
    for (const std::string& text : cases) {
        const FileResult result = ReadFromText(text, list_);
        EXPECT_EQ(result.value, -1) << text.substr(0, 40);
        EXPECT_FALSE(result.reason.empty());
    }
    FailingInput failing(WriteToText(list_).substr(0, 100));
    EXPECT_EQ(core::ReadHeader(failing, list_).value, -1);
    EXPECT_EQ(core::ReadHeader(list_, folder_ / "missing.rdkh").path, folder_ / "missing.rdkh");
    EXPECT_EQ(list_.Columns(), before);
    EXPECT_EQ(list_.RowCount(), 1);

    std::ostream out(nullptr);  // a stream that takes nothing
    EXPECT_EQ(core::WriteHeader(list_, out).value, -1);
}

}  // namespace
