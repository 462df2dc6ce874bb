#include "core/record_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/header_file.h"
#include "core/paths.h"
#include "failing_streams.h"
#include "recording_progress.h"
#include "sample_lists.h"
#include "temp_folder.h"

namespace {

using core::FileResult;
using core::RecordReadOptions;
namespace slot = core::slot;

constexpr std::int64_t kKey = 1078617600;  // 2004-03-07 00:00:00 UTC
constexpr std::int64_t kDay = 86400;

std::string KeyOf(int n) {
    return std::to_string(kKey + n * kDay + n);
}

// A block with text in every slot: "r<n>s<slot>", and the Key of record n in slot 0. The slots
// the reader recomputes hold text it must ignore.
std::string FullBlock(int n, bool closing_line = true) {
    const std::string prefix = "r" + std::to_string(n) + "s";
    std::string block;
    for (int s = 0; s < core::kSlotCount; ++s) {
        std::string text = prefix + std::to_string(s);
        if (s == slot::kKey) text = KeyOf(n);
        if (s == slot::kNumber) text = "77";
        if (s == slot::kDateAdded) text = "12/25/1999";
        if (s == slot::kFlag) text = "stored flag text";
        block += text + '\n';
    }
    if (closing_line) block += '\n';
    return block;
}

std::string ToCrlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

class RecordFileTest : public ::testing::Test {
  protected:
    FileResult Read(const std::string& text, RecordReadOptions options = {}) {
        std::istringstream in(text);
        platform::NoProgress progress;
        return core::ReadRecords(in, list_, clock_, options, progress);
    }
    std::string Write() {
        std::ostringstream out;
        platform::NoProgress progress;
        EXPECT_TRUE(core::WriteRecords(list_, out, progress).ok());
        return out.str();
    }
    std::string Cell(int row, std::string_view column) const { return CellOf(list_, row, column); }

    core::VideoList list_ = SampleList();
    core::FixedClock clock_{kKey, 0};
    TempFolder folder_;
};

TEST_F(RecordFileTest, ReadsEverySlotIntoTheColumnStoredThere) {
    const FileResult result = Read(FullBlock(0));
    ASSERT_TRUE(result.ok()) << result.Describe();
    EXPECT_EQ(result.value, 1);
    ASSERT_EQ(list_.RowCount(), 1);
    for (const core::VideoColumn& column : list_.Columns()) {
        std::string expected = "r0s" + std::to_string(column.FileSlot);
        switch (column.FileSlot) {
            case slot::kKey:
                expected = KeyOf(0);
                break;
            case slot::kNumber:
                expected = "1";
                break;
            case slot::kDateAdded:
                expected = "03/07/2004";
                break;
            case slot::kFlag:
                expected = "";
                break;
            default:
                break;
        }
        EXPECT_EQ(list_.GetCell(0, column.ListIndex), expected) << column.Name;
    }
    EXPECT_TRUE(list_.FlagMark(0));
    EXPECT_EQ(list_.LoadOrder(0), 0);
}

TEST_F(RecordFileTest, WritesAFileItReadsBackByteForByte) {
    ASSERT_TRUE(Read(FullBlock(0) + FullBlock(1) + FullBlock(2)).ok());
    const std::string written = Write();

    // The recomputed slots are written as the list holds them.
    std::string expected;
    for (int n = 0; n < 3; ++n) {
        std::string block = FullBlock(n);
        const std::string number = std::to_string(n + 1);
        block.replace(block.find("\n77\n") + 1, 2, number);
        block.replace(block.find("12/25/1999"), 10,
                      n == 0   ? "03/07/2004"
                      : n == 1 ? "03/08/2004"
                               : "03/09/2004");
        block.replace(block.find("stored flag text"), 16, "");
        expected += block;
    }
    EXPECT_EQ(written, expected);

    list_.DeleteAllRows();
    ASSERT_EQ(Read(written).value, 3);
    EXPECT_EQ(Write(), written);
}

TEST_F(RecordFileTest, WritesTheSlotsOfAPartialTableAsEmptyLines) {
    list_.SetColumns({core::BuiltInColumn("Key", 0, 0), core::BuiltInColumn("Title", 3, 1),
                      core::BuiltInColumn("Year", 2, 2)});
    list_.InsertRow(0, "42");
    list_.SetCell(0, 1, "Heat");
    list_.SetCell(0, 2, "1995");
    EXPECT_EQ(Write(), RecordBlock({{0, "42"}, {2, "1995"}, {3, "Heat"}}));
}

TEST_F(RecordFileTest, ZeroDurationReadsAsEmptyInEverySlot) {
    ASSERT_TRUE(Read(RecordBlock({{0, KeyOf(0)},
                                  {2, "00:00:00"},
                                  {3, "00:00:00"},
                                  {5, "00:00:00"},
                                  {6, "00:00:00 "},
                                  {7, "00:00:01"},
                                  {12, "00:00:00"},
                                  {22, "00:00:00"}}))
                    .ok());
    EXPECT_EQ(Cell(0, "Year"), "");
    EXPECT_EQ(Cell(0, "Title"), "");
    EXPECT_EQ(Cell(0, "Duration"), "");
    EXPECT_EQ(Cell(0, "Misc 1"), "00:00:00 ");
    EXPECT_EQ(Cell(0, "Misc 2"), "00:00:01");
    EXPECT_EQ(Cell(0, "Last Viewed"), "");
    EXPECT_EQ(Cell(0, "Flag Value"), "");
    EXPECT_FALSE(list_.FlagMark(0));
}

TEST_F(RecordFileTest, NumberAndDateAddedAreRecomputed) {
    clock_ = core::FixedClock(0, 3600);                            // an hour east of UTC
    const std::string late_evening = std::to_string(kKey - 1800);  // 23:30 UTC, 00:30 local
    ASSERT_TRUE(Read(RecordBlock({{0, late_evening}, {1, "9"}, {11, "01/01/1990"}}) +
                     RecordBlock({{0, "not a number"}, {1, ""}}) +
                     RecordBlock({{0, KeyOf(3)}, {1, "x"}, {11, ""}}))
                    .ok());
    EXPECT_EQ(Cell(0, "#"), "1");
    EXPECT_EQ(Cell(1, "#"), "2");
    EXPECT_EQ(Cell(2, "#"), "3");
    EXPECT_EQ(Cell(0, "Date Added"), "03/07/2004");
    EXPECT_EQ(Cell(1, "Date Added"), "01/01/1970");
    EXPECT_EQ(Cell(2, "Date Added"), "03/10/2004");
    EXPECT_EQ(Cell(1, "Key"), "not a number");
    for (int row = 0; row < 3; ++row) EXPECT_EQ(list_.LoadOrder(row), row);
}

TEST_F(RecordFileTest, FlagMarkFollowsFlagValueOnly) {
    struct Case {
        std::string flag;
        std::string flag_value;
        bool flagged;
    };
    const Case cases[] = {
        {"", "", false},     {"x", "", false}, {"", "Lent to Bob", true},
        {"x", "Lent", true}, {"", " ", true},
    };
    std::string text;
    for (const Case& c : cases)
        text += RecordBlock({{0, KeyOf(1)}, {21, c.flag}, {22, c.flag_value}});
    ASSERT_EQ(Read(text).value, 5);
    for (int row = 0; row < 5; ++row) {
        const Case& c = cases[row];
        EXPECT_EQ(list_.FlagMark(row), c.flagged) << row;
        EXPECT_EQ(Cell(row, "Flag"), "") << row;
        EXPECT_EQ(Cell(row, "Flag Value"), c.flag_value) << row;
    }
}

TEST_F(RecordFileTest, LeadingArticleOptionMovesTheArticleOfTitlesOnly) {
    const std::string text = RecordBlock({{0, KeyOf(0)}, {3, "The Matrix"}, {6, "The Matrix"}}) +
                             RecordBlock({{0, KeyOf(1)}, {3, "the end"}}) +
                             RecordBlock({{0, KeyOf(2)}, {3, "Theatre"}});
    ASSERT_TRUE(Read(text, {.move_leading_article = true}).ok());
    EXPECT_EQ(Cell(0, "Title"), "Matrix, The");
    EXPECT_EQ(Cell(0, "Misc 1"), "The Matrix");
    EXPECT_EQ(Cell(1, "Title"), "end, the");
    EXPECT_EQ(Cell(2, "Title"), "Theatre");

    list_.DeleteAllRows();
    ASSERT_TRUE(Read(text, {.move_leading_article = false}).ok());
    EXPECT_EQ(Cell(0, "Title"), "The Matrix");
}

TEST_F(RecordFileTest, CrlfLineEndsReadLikeLineFeeds) {
    const std::string text =
        FullBlock(0) + RecordBlock({{0, KeyOf(1)}, {3, "Title\rwith CR"}}) + FullBlock(2, false);
    ASSERT_EQ(Read(text).value, 3);
    const std::string from_lf = Write();
    list_.DeleteAllRows();
    ASSERT_EQ(Read(ToCrlf(text)).value, 3);
    EXPECT_EQ(Write(), from_lf);
    EXPECT_EQ(Cell(1, "Title"), "Title\rwith CR");
    EXPECT_TRUE(list_.FlagMark(0));
}

TEST_F(RecordFileTest, ALongSynopsisSurvivesASaveAndAReload) {
    std::string synopsis;
    for (int i = 0; synopsis.size() < 200 * 1024; ++i) {
        synopsis +=
            "Line " + std::to_string(i) + " of the story~with |bars|, \xE9t\xE9 and <tags> ";
    }
    synopsis += std::string(1, '\0') + "end";
    list_.InsertRow(0, KeyOf(0));
    list_.SetCell(0, list_.ColumnIndexOf("Synopsis"), synopsis);
    list_.SetCell(0, list_.ColumnIndexOf("Title"), "Short");
    const std::string path = folder_ / "films.rdk";
    platform::NoProgress progress;
    ASSERT_TRUE(core::WriteRecords(list_, path, progress).ok());

    core::VideoList reloaded = SampleList();
    const FileResult read = core::ReadRecords(reloaded, path, clock_, {}, progress);
    ASSERT_EQ(read.value, 1) << read.Describe();
    EXPECT_EQ(CellOf(reloaded, 0, "Synopsis"), synopsis);
    EXPECT_EQ(CellOf(reloaded, 0, "Title"), "Short");
    EXPECT_EQ(CellOf(reloaded, 0, "Writer"), "");
}

TEST_F(RecordFileTest, AnEmptyFileHoldsNoRecords) {
    EXPECT_EQ(Read("").value, 0);
    EXPECT_EQ(list_.RowCount(), 0);
    EXPECT_EQ(Write(), "");

    WriteFileBytes(folder_ / "empty.rdk", "");
    platform::NoProgress progress;
    const FileResult result = core::ReadRecords(list_, folder_ / "empty.rdk", clock_, {}, progress);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.value, 0);
    ASSERT_TRUE(core::WriteRecords(list_, folder_ / "written.rdk", progress).ok());
    EXPECT_EQ(ReadFileBytes(folder_ / "written.rdk"), "");
}

TEST_F(RecordFileTest, AShortLastBlockStillMakesARow) {
    const std::string cut =
        RecordBlock({{0, KeyOf(1)}, {1, "?"}, {2, "1995"}, {3, "Heat"}, {4, "R"}});
    ASSERT_EQ(Read(FullBlock(0) + cut.substr(0, cut.find("R\n") + 1)).value, 2);
    EXPECT_EQ(Cell(1, "Key"), KeyOf(1));
    EXPECT_EQ(Cell(1, "#"), "2");
    EXPECT_EQ(Cell(1, "Title"), "Heat");
    EXPECT_EQ(Cell(1, "MPAA"), "R");
    EXPECT_EQ(Cell(1, "Date Added"), "03/08/2004");
    EXPECT_EQ(Cell(1, "Duration"), "");

    // A last block without its closing line or final line feed is complete.
    list_.DeleteAllRows();
    std::string unterminated = FullBlock(0, false);
    unterminated.pop_back();
    ASSERT_EQ(Read(unterminated).value, 1);
    EXPECT_EQ(Cell(0, "Flag Value"), "r0s22");
}

TEST_F(RecordFileTest, AMissingClosingLineEndsTheBlockWhereTheNextKeyBegins) {
    ASSERT_EQ(Read(FullBlock(0, false) + FullBlock(1, false) + FullBlock(2)).value, 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Cell(row, "Key"), KeyOf(row));
        EXPECT_EQ(Cell(row, "Title"), "r" + std::to_string(row) + "s3");
        EXPECT_EQ(Cell(row, "Flag Value"), "r" + std::to_string(row) + "s22");
    }
}

TEST_F(RecordFileTest, TrailingEmptyLinesAreNotRecords) {
    const std::string records = FullBlock(0) + FullBlock(1);
    for (int empty_lines : {1, 2, 5, 22, 23, 24, 25, 47, 48, 49, 100}) {
        list_.DeleteAllRows();
        EXPECT_EQ(Read(records + std::string(static_cast<std::size_t>(empty_lines), '\n')).value, 2)
            << empty_lines << " empty lines";
        EXPECT_EQ(list_.RowCount(), 2);
        list_.DeleteAllRows();
        EXPECT_EQ(
            Read(ToCrlf(records + std::string(static_cast<std::size_t>(empty_lines), '\n'))).value,
            2)
            << empty_lines << " empty CRLF lines";
    }
}

TEST_F(RecordFileTest, AFileEndingInManyEmptyLinesHoldsOnlyItsRecords) {
    platform::NoProgress progress;
    const std::string path = std::string(REELDECK_TEST_DATA) + "/trailing-empty-lines.rdk";
    ASSERT_EQ(core::ReadRecords(list_, path, clock_, {}, progress).value, 2);
    EXPECT_EQ(Cell(1, "Title"), "Alien");
    EXPECT_TRUE(list_.FlagMark(1));
}

TEST_F(RecordFileTest, AnEmptyRecordBetweenRecordsIsARow) {
    ASSERT_EQ(Read(FullBlock(0) + RecordBlock({}) + FullBlock(2)).value, 3);
    EXPECT_EQ(Cell(1, "Key"), "");
    EXPECT_EQ(Cell(1, "#"), "2");
    EXPECT_EQ(Cell(2, "Key"), KeyOf(2));
    EXPECT_EQ(Cell(2, "#"), "3");
}

TEST_F(RecordFileTest, CellsFollowTheirSlotsWhenColumnsAreRearranged) {
    ASSERT_TRUE(Read(FullBlock(0) + FullBlock(1)).ok());
    const std::string records = Write();

    // The user drags "Title" to the end and "Misc 3" to the front, and the header is saved.
    std::vector<int> order = list_.ColumnOrder();
    const int title = list_.ColumnIndexOf("Title");
    const int misc = list_.ColumnIndexOf("Misc 3");
    std::erase(order, title);
    std::erase(order, misc);
    order.push_back(title);
    order.insert(order.begin() + 1, misc);
    list_.SetColumnOrder(order);
    std::stringstream header;
    ASSERT_TRUE(core::WriteHeader(list_, header).ok());

    core::VideoList reopened;
    ASSERT_TRUE(core::ReadHeader(header, reopened).ok());
    EXPECT_EQ(reopened.ColumnIndexOf("Title"), 22);
    EXPECT_EQ(reopened.ColumnIndexOf("Misc 3"), 1);
    std::istringstream in(records);
    platform::NoProgress progress;
    ASSERT_EQ(core::ReadRecords(in, reopened, clock_, {}, progress).value, 2);
    for (int row = 0; row < 2; ++row) {
        for (const core::VideoColumn& column : list_.Columns()) {
            EXPECT_EQ(CellOf(reopened, row, column.Name), list_.GetCell(row, column.ListIndex))
                << column.Name;
        }
    }
    std::ostringstream rewritten;
    ASSERT_TRUE(core::WriteRecords(reopened, rewritten, progress).ok());
    EXPECT_EQ(rewritten.str(), records);
}

TEST_F(RecordFileTest, ReportsProgressOverTheFileAndOverTheRows) {
    const std::string path = folder_ / "films.rdk";
    WriteFileBytes(path, FullBlock(0) + FullBlock(1) + FullBlock(2));
    RecordingProgress reading;
    ASSERT_EQ(core::ReadRecords(list_, path, clock_, {}, reading).value, 3);
    EXPECT_TRUE(reading.Balanced());
    EXPECT_EQ(reading.Text(), "Reading " + path);
    EXPECT_EQ(reading.Range(), core::FileSize(path));
    EXPECT_EQ(reading.StepTotal(), core::FileSize(path));

    RecordingProgress saving;
    ASSERT_TRUE(core::WriteRecords(list_, path, saving).ok());
    EXPECT_TRUE(saving.Balanced());
    EXPECT_EQ(saving.Text(), "Saving " + path);
    EXPECT_EQ(saving.Range(), 3);
    EXPECT_EQ(saving.StepCount(), 3);
    EXPECT_EQ(saving.StepTotal(), 3);

    RecordingProgress missing;
    EXPECT_FALSE(core::ReadRecords(list_, folder_ / "missing.rdk", clock_, {}, missing).ok());
    EXPECT_TRUE(missing.calls.empty() || missing.Balanced());

    RecordingProgress failing;
    FailingInput in(FullBlock(0));
    EXPECT_FALSE(core::ReadRecords(in, list_, clock_, {}, failing).ok());
    EXPECT_TRUE(failing.Balanced());
}

TEST_F(RecordFileTest, FailuresNameTheFileAndTheReason) {
    platform::NoProgress progress;
    const FileResult missing =
        core::ReadRecords(list_, folder_ / "missing.rdk", clock_, {}, progress);
    EXPECT_EQ(missing.value, -1);
    EXPECT_EQ(missing.path, folder_ / "missing.rdk");
    EXPECT_EQ(missing.reason, "No such file or directory");
    EXPECT_EQ(core::ReadRecords(list_, "", clock_, {}, progress).value, -1);
    EXPECT_EQ(core::WriteRecords(list_, "", progress).value, -1);

    const FileResult no_folder = core::WriteRecords(list_, folder_ / "no/such/films.rdk", progress);
    EXPECT_EQ(no_folder.value, -1);
    EXPECT_FALSE(no_folder.reason.empty());
    const FileResult folder = core::WriteRecords(list_, folder_.path(), progress);
    EXPECT_EQ(folder.value, -1);
    EXPECT_FALSE(folder.reason.empty());
}

TEST_F(RecordFileTest, StreamFailuresAreReported) {
    FailingInput in(FullBlock(0) + FullBlock(1));
    platform::NoProgress progress;
    EXPECT_EQ(core::ReadRecords(in, list_, clock_, {}, progress).value, -1);

    list_.DeleteAllRows();
    ASSERT_TRUE(Read(FullBlock(0) + FullBlock(1)).ok());
    FullWriteBuffer full(100);
    std::ostream out(&full);
    EXPECT_EQ(core::WriteRecords(list_, out, progress).value, -1);
}

}  // namespace
