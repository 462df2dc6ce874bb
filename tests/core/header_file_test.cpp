#include "core/header_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/record_file.h"
#include "core/text.h"
#include "failing_streams.h"
#include "sample_lists.h"
#include "temp_folder.h"

namespace {

using core::FileResult;
using core::VideoColumn;
using core::VideoList;

// One header group: the name, the eleven numbers and the empty line.
std::string Group(const std::string& name, int list_index, int file_slot, int visible = 1,
                  int width = 50) {
    std::string group = name + '\n';
    for (int value : {list_index, visible, 1, 1, file_slot, 1, 1, 1, 0, list_index, width}) {
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

// What every table the reader accepts must be: 23 columns, "Key" first, every slot claimed once,
// names unique without regard to case, ListIndex equal to the position.
void ExpectUsableTable(const VideoList& list) {
    ASSERT_EQ(list.ColumnCount(), core::kMaxColumns);
    EXPECT_EQ(list.Column(0).Name, "Key");
    EXPECT_EQ(list.Column(0).FileSlot, 0);
    std::set<int> slots;
    std::set<std::string> names;
    for (int i = 0; i < list.ColumnCount(); ++i) {
        const VideoColumn& column = list.Column(i);
        EXPECT_EQ(column.ListIndex, i);
        EXPECT_TRUE(slots.insert(column.FileSlot).second) << "slot " << column.FileSlot << " twice";
        EXPECT_TRUE(names.insert(core::ToLowerAscii(column.Name)).second) << "name " << column.Name;
        EXPECT_FALSE(column.Name.empty());
        const std::string_view built_in = core::BuiltInNameOfSlot(column.FileSlot);
        if (!built_in.empty()) {
            EXPECT_EQ(column.Name, built_in);
        }
        EXPECT_EQ(column.Custom, built_in.empty()) << column.Name;
    }
    EXPECT_EQ(*slots.begin(), 0);
    EXPECT_EQ(*slots.rbegin(), core::kSlotCount - 1);
}

class HeaderFileTest : public ::testing::Test {
  protected:
    VideoList list_ = SampleList();
    TempFolder folder_;
};

TEST_F(HeaderFileTest, WritesThirteenLinesPerColumn) {
    const std::string text = WriteToText(list_);
    EXPECT_EQ(text.substr(0, 27), "Key\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n\n");
    // "#": position 1, visible, built in, not toggleable, slot 1, not searchable or sortable,
    // not shown in pages, not offered, HTML order 1, width 41.
    EXPECT_EQ(text.substr(27, 26), "#\n1\n1\n0\n0\n1\n0\n0\n0\n0\n1\n41\n\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 23 * 13);
}

TEST_F(HeaderFileTest, ReadsBackWhatItWrote) {
    const std::string text = WriteToText(list_);
    VideoList reread;
    ASSERT_TRUE(ReadFromText(text, reread).ok());
    EXPECT_EQ(reread.Columns(), list_.Columns());
    for (int i = 0; i < reread.ColumnCount(); ++i)
        EXPECT_EQ(reread.ColumnWidth(i), list_.ColumnWidth(i));
    EXPECT_EQ(WriteToText(reread), text);

    const std::string path = folder_ / "films.rdkh";
    ASSERT_TRUE(core::WriteHeader(list_, path).ok());
    EXPECT_EQ(ReadFileBytes(path), text);
    VideoList from_file;
    ASSERT_TRUE(core::ReadHeader(from_file, path).ok());
    EXPECT_EQ(from_file.Columns(), list_.Columns());
}

TEST_F(HeaderFileTest, WritesDisplayOrderAndCurrentWidths) {
    const int title = list_.ColumnIndexOf("Title");
    const int year = list_.ColumnIndexOf("Year");
    const int cast = list_.ColumnIndexOf("Cast");  // hidden
    std::vector<int> order = list_.ColumnOrder();
    std::swap(order[static_cast<std::size_t>(title)], order[static_cast<std::size_t>(year)]);
    std::rotate(order.begin() + 1, order.begin() + 2, order.end());
    list_.SetColumnOrder(order);
    list_.SetColumnWidth(title, 321);
    list_.SetColumnWidth(cast, 99);

    std::istringstream in(WriteToText(list_));
    const std::vector<VideoColumn> groups = core::ParseHeaderGroups(in);
    ASSERT_EQ(groups.size(), 23u);
    for (std::size_t position = 0; position < groups.size(); ++position) {
        const VideoColumn& original = list_.Column(order[position]);
        EXPECT_EQ(groups[position].Name, original.Name);
        EXPECT_EQ(groups[position].ListIndex, static_cast<int>(position));
        EXPECT_EQ(groups[position].FileSlot, original.FileSlot);
    }
    EXPECT_EQ(list_.Column(title).Width, 321);  // refreshed in the list too
    EXPECT_EQ(list_.Column(cast).Width, 0);

    VideoList reread;
    ASSERT_TRUE(ReadFromText(WriteToText(list_), reread).ok());
    for (std::size_t position = 0; position < order.size(); ++position) {
        EXPECT_EQ(reread.Column(static_cast<int>(position)).Name,
                  list_.Column(order[position]).Name);
    }
    EXPECT_EQ(reread.ColumnWidth(reread.ColumnIndexOf("Title")), 321);
    EXPECT_EQ(reread.ColumnWidth(reread.ColumnIndexOf("Cast")), 0);
}

TEST_F(HeaderFileTest, ReadingRemovesTheRowsAndTakesTheTable) {
    list_.InsertRow(0, "1");
    VideoList sample = SampleList();
    const std::string text = WriteToText(sample);
    ASSERT_TRUE(ReadFromText(text, list_).ok());
    EXPECT_EQ(list_.RowCount(), 0);
}

TEST_F(HeaderFileTest, ReadsCrlfLikeLineFeeds) {
    std::string text = WriteToText(list_);
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    VideoList reread;
    ASSERT_TRUE(ReadFromText(crlf, reread).ok());
    EXPECT_EQ(reread.Columns(), list_.Columns());
}

// ---- Repairs ----

TEST_F(HeaderFileTest, NumbersThatAreNotNumbersReadAsZero) {
    std::string text = WriteToText(list_);
    // The "Title" group: make Visible, HtmlOrder and Width unreadable.
    const std::size_t title = text.find("Title\n");
    std::string group = "Title\nthree\nyes\n0\n1\n3\n1\n1\n1\n0\nfirst\nwide\n\n";
    text.replace(title, text.find("\n\n", title) + 2 - title, group);
    ASSERT_TRUE(ReadFromText(text, list_).ok());
    ExpectUsableTable(list_);
    const VideoColumn* column = list_.FindColumn("Title");
    ASSERT_NE(column, nullptr);
    EXPECT_FALSE(column->Visible);
    EXPECT_EQ(column->HtmlOrder, 0);
    EXPECT_EQ(column->Width, 0);
    EXPECT_EQ(column->FileSlot, 3);
    EXPECT_EQ(column->ListIndex, 1);  // ListIndex 0 ties with "Key", which comes first
}

TEST_F(HeaderFileTest, MoreThanTwentyThreeGroupsKeepOneColumnPerSlot) {
    std::string text = WriteToText(list_);
    for (int extra = 0; extra < 10; ++extra)
        text += Group("Extra " + std::to_string(extra), 23 + extra, extra % 23);
    ASSERT_TRUE(ReadFromText(text, list_).ok());
    ExpectUsableTable(list_);
    EXPECT_EQ(list_.FindColumnNoCase("Extra 6"), nullptr);
    EXPECT_NE(list_.FindColumn("Misc 1"), nullptr);
}

TEST_F(HeaderFileTest, DuplicateListIndexesKeepTheFileOrder) {
    const std::string text = Group("Key", 0, 0) + Group("Title", 1, 3) + Group("Year", 1, 2) +
                             Group("Genre", 1, 6) + Group("MPAA", 0, 4);
    ASSERT_TRUE(ReadFromText(text, list_).ok());
    ExpectUsableTable(list_);
    EXPECT_EQ(list_.Column(1).Name, "MPAA");
    EXPECT_EQ(list_.Column(2).Name, "Title");
    EXPECT_EQ(list_.Column(3).Name, "Year");
    EXPECT_EQ(list_.Column(4).Name, "Genre");
}

TEST_F(HeaderFileTest, DuplicateAndOutOfRangeSlotsAreDropped) {
    const std::string text = Group("Key", 0, 0) + Group("Genre", 1, 6) + Group("Studio", 2, 6) +
                             Group("Far", 3, 23) + Group("Negative", 4, -1) +
                             Group("Big", 5, 99999) + Group("Title", 6, 3);
    ASSERT_TRUE(ReadFromText(text, list_).ok());
    ExpectUsableTable(list_);
    EXPECT_EQ(list_.Column(1).Name, "Genre");
    EXPECT_EQ(list_.Column(2).Name, "Title");
    for (const char* dropped : {"Studio", "Far", "Negative", "Big"}) {
        EXPECT_EQ(list_.FindColumn(dropped), nullptr) << dropped;
    }
}

TEST_F(HeaderFileTest, MissingSlotsGetHiddenColumnsSoNoCellIsLost) {
    ASSERT_TRUE(ReadFromText(Group("Key", 0, 0) + Group("Title", 1, 3), list_).ok());
    ExpectUsableTable(list_);
    EXPECT_EQ(list_.Column(1).Name, "Title");
    for (int i = 2; i < list_.ColumnCount(); ++i) {
        const VideoColumn& column = list_.Column(i);
        if (column.Custom) {
            EXPECT_FALSE(column.Visible) << column.Name;
            EXPECT_EQ(list_.ColumnWidth(i), 0) << column.Name;
        }
    }

    std::string block;
    for (int slot = 0; slot < core::kSlotCount; ++slot) {
        const bool recomputed = slot == 1 || slot == 11 || slot == 21;
        block += (slot == 0    ? std::string("1078617600")
                  : recomputed ? ""
                               : "cell " + std::to_string(slot)) +
                 '\n';
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

TEST_F(HeaderFileTest, KeyIsAlwaysTheFirstColumn) {
    const std::string text = Group("Title", 0, 3) + Group("Year", 1, 2) + Group("key", 4, 0);
    ASSERT_TRUE(ReadFromText(text, list_).ok());
    ExpectUsableTable(list_);
    EXPECT_EQ(list_.Column(1).Name, "Title");
    EXPECT_EQ(list_.Column(2).Name, "Year");
}

TEST_F(HeaderFileTest, NamesAreRepairedToStayUnique) {
    // Names are unique without regard to case, and a custom column never takes a built-in
    // column's name, even when that column is missing from the file.
    const std::string text = Group("Key", 0, 0) + Group("Name", 1, 3) + Group("title", 2, 6) +
                             Group("genre", 3, 7) + Group("GENRE", 4, 8) +
                             Group("Flag value", 5, 10);
    ASSERT_TRUE(ReadFromText(text, list_).ok());
    ExpectUsableTable(list_);
    EXPECT_EQ(list_.Column(1).Name, "Title");  // slot 3 is the title's
    EXPECT_EQ(list_.Column(2).FileSlot, 6);
    EXPECT_EQ(list_.Column(3).Name, "genre");
    EXPECT_EQ(list_.Column(4).FileSlot, 8);
    EXPECT_EQ(list_.Column(5).FileSlot, 10);
    EXPECT_EQ(list_.FindColumnNoCase("Flag Value")->FileSlot, core::slot::kFlagValue);
    EXPECT_EQ(list_.FindColumnNoCase("genre")->FileSlot, 7);
}

TEST_F(HeaderFileTest, ACustomColumnNeverTakesTheNameOfAMissingBuiltInColumn) {
    const std::string path =
        std::string(REELDECK_TEST_DATA) + "/broken-header-builtin-name-clash.rdkh";
    ASSERT_TRUE(core::ReadHeader(list_, path).ok());
    ExpectUsableTable(list_);
    EXPECT_EQ(list_.FindColumnNoCase("flag value")->FileSlot, core::slot::kFlagValue);
    EXPECT_EQ(list_.FindColumnNoCase("year")->FileSlot, core::slot::kYear);
    ASSERT_NE(list_.FindColumn("Genre"), nullptr);
    EXPECT_EQ(list_.FindColumn("Genre")->FileSlot, 8);
}

TEST_F(HeaderFileTest, AFileWithoutAKeyColumnIsNotAHeader) {
    list_.InsertRow(0, "1");
    const std::vector<VideoColumn> before = list_.Columns();
    std::string junk;
    for (int i = 0; i < 4000; ++i) junk += static_cast<char>((i * 7919) % 256);
    const std::string cases[] = {
        "",
        "\n\n\n",
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
        EXPECT_EQ(list_.Columns(), before);
        EXPECT_EQ(list_.RowCount(), 1);
    }
    WriteFileBytes(folder_ / "junk.rdkh", junk);
    const FileResult from_file = core::ReadHeader(list_, folder_ / "junk.rdkh");
    EXPECT_EQ(from_file.value, -1);
    EXPECT_EQ(from_file.path, folder_ / "junk.rdkh");
    EXPECT_EQ(core::ReadHeader(list_, folder_ / "missing.rdkh").value, -1);
    EXPECT_EQ(core::ReadHeader(list_, "").value, -1);
    EXPECT_EQ(list_.Columns(), before);
}

TEST_F(HeaderFileTest, AFailingStreamLeavesTheListAsItWas) {
    const std::vector<VideoColumn> before = list_.Columns();
    VideoList sample = SampleList();
    FailingInput in(WriteToText(sample).substr(0, 100));
    EXPECT_EQ(core::ReadHeader(in, list_).value, -1);
    EXPECT_EQ(list_.Columns(), before);

    FullWriteBuffer full(10);
    std::ostream out(&full);
    EXPECT_EQ(core::WriteHeader(list_, out).value, -1);
}

}  // namespace
