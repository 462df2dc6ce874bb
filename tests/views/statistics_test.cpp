// The figures of the Database Properties window on small databases with known answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "core/text.h"
#include "fakes/list_session.h"
#include "views/database_statistics.h"
#include "views/statistics_texts.h"

namespace {

using views::ValueRow;
using Rows = std::vector<ValueRow>;

// Remembers the progress texts and what was reported; can stop the work at the first step of
// a text, as a window closed at that moment.
class RecordingObserver final : public views::StatisticsObserver {
  public:
    void Begin(std::int64_t, std::string_view text) override { texts.emplace_back(text); }
    void Step(std::int64_t) override {
        if (!texts.empty() && texts.back() == stop_at) stop.request_stop();
    }
    void End() override { ended = true; }
    void GeneralReady(const views::GeneralFigures&) override { general = true; }
    void TableReady(const views::ValueTable& table) override { tables.push_back(table.field); }

    std::string stop_at;
    std::stop_source stop;
    std::vector<std::string> texts, tables;
    bool general = false, ended = false;
};

class StatisticsTest : public ListSession {
  protected:
    views::DatabaseStatistics Compute() {
        std::optional<views::DatabaseStatistics> result = views::ComputeStatistics(
            views::StatisticsSourceOf(session_), observer_.stop.get_token(), observer_);
        EXPECT_TRUE(result.has_value());
        return result.value_or(views::DatabaseStatistics{});
    }
    static const views::ValueTable& Table(const views::DatabaseStatistics& s, const char* field) {
        for (const views::ValueTable& table : s.tables)
            if (table.field == field) return table;
        throw std::runtime_error(field);
    }

    RecordingObserver observer_;
};

TEST_F(StatisticsTest, AnEmptyListHasZeroFiguresAndEmptyTables) {
    const views::DatabaseStatistics s = Compute();
    EXPECT_EQ(s.general.my_videos, "0");
    EXPECT_EQ(s.general.not_viewed, "0 (0.00%)");
    EXPECT_EQ(s.general.image_percent, "0.00%");
    for (const std::string* figure :
         {&s.general.minimum, &s.general.maximum, &s.general.average, &s.general.total})
        EXPECT_EQ(*figure, "00:00:00");
    ASSERT_EQ(s.tables.size(), 7u);
    for (const views::ValueTable& table : s.tables) EXPECT_TRUE(table.rows.empty());
    EXPECT_EQ(Table(s, "Cast").Heading(), "Cast - 0");
}

TEST_F(StatisticsTest, DurationsCountOnlyRecordsThatHaveOne) {
    AddRow({{"Title", "A"}});
    AddRow({{"Title", "B"}, {"Last Viewed", "01/02/2003"}});
    views::DatabaseStatistics s = Compute();
    EXPECT_EQ(s.general.not_viewed, "1 (50.00%)");
    for (const std::string* figure : {&s.general.minimum, &s.general.maximum, &s.general.average})
        EXPECT_EQ(*figure, "00:00:00");

    AddRow({{"Duration", "01:30:00"}});
    AddRow({{"Duration", "00:45:30"}});
    AddRow({{"Duration", "100:00:00"}});  // longer than any two-digit hour
    s = Compute();
    EXPECT_EQ(s.general.minimum, "00:45:30");
    EXPECT_EQ(s.general.maximum, "100:00:00");
    EXPECT_EQ(s.general.total, "102:15:30");
    EXPECT_EQ(s.general.average, "34:05:10");  // over the three with a duration
}

TEST_F(StatisticsTest, SingleValuesAreDistinctIgnoringCaseAndCountEveryForm) {
    for (const char* category : {"Drama", "drama", "Comedy", "", "DRAMA"})
        AddRow({{"Category", category}, {"Year", "1999"}});
    const views::DatabaseStatistics s = Compute();
    EXPECT_EQ(Table(s, "Category").Heading(), "Category - 2");
    EXPECT_EQ(Table(s, "Category").rows, (Rows{{"Comedy", "1", "20.00"}, {"Drama", "3", "60.00"}}));
    EXPECT_EQ(Table(s, "Year").rows, (Rows{{"1999", "5", "100.00"}}));
    EXPECT_TRUE(Table(s, "MPAA").rows.empty());
}

TEST_F(StatisticsTest, NamesCountOncePerRowThatListsThemWhole) {
    AddRow({{"Cast", "Ann, Bob,,  Cy"}});
    AddRow({{"Cast", "Anne Bancroft, bob , Bob"}});
    AddRow({{"Cast", "Bo"}, {"Writer", "Ann"}});
    const views::DatabaseStatistics s = Compute();
    EXPECT_EQ(Table(s, "Cast").rows, (Rows{{"Ann", "1", "33.33"},
                                           {"Anne Bancroft", "1", "33.33"},
                                           {"Bo", "1", "33.33"},
                                           {"Bob", "2", "66.67"},
                                           {"Cy", "1", "33.33"}}));
    EXPECT_EQ(Table(s, "Writer").Heading(), "Writer - 1");
}

TEST_F(StatisticsTest, ManyNamesOfEveryLengthAreCountedAsAPlainMapCountsThem) {
    // Names of 1 to 40 letters in changing case, many alike up to their last letters, so that
    // the counting table grows and compares names beyond the part of them it keeps in a slot.
    std::map<std::string, std::pair<std::string, int>> expected;  // by folded name
    std::uint32_t random = 7;
    const auto next = [&random] { return (random = random * 1103515245u + 12345u) >> 16; };
    for (int row = 0; row < 2000; ++row) {
        std::string cast;
        std::set<std::string> in_row;
        for (int i = 0; i < 6; ++i) {
            const unsigned id = next() % 1500;
            std::string name(1 + id % 40, 'x');
            for (unsigned rest = id, at = name.size(); rest != 0 && at-- > 0; rest /= 26)
                name[at] = static_cast<char>('a' + rest % 26);
            for (char& c : name)
                if (next() % 4 == 0) c = static_cast<char>(c - 'a' + 'A');
            cast += (i == 0 ? "" : ",  ") + name;
            const std::string folded = core::ToLowerAscii(name);
            auto& [first, count] = expected.try_emplace(folded, name, 0).first->second;
            if (in_row.insert(folded).second) ++count;
        }
        AddRow({{"Cast", cast}});
    }
    const views::DatabaseStatistics s = Compute();
    const views::ValueTable& cast = Table(s, "Cast");
    ASSERT_EQ(cast.rows.size(), expected.size());
    auto row = cast.rows.begin();
    for (const auto& [folded, first_and_count] : expected) {
        EXPECT_EQ(row->value, first_and_count.first);
        EXPECT_EQ(row->count, std::to_string(first_and_count.second)) << row->value;
        ++row;
    }
}

TEST_F(StatisticsTest, ReportsEachPartAsItIsReadyWithItsProgressText) {
    AddRow({{"Category", "Drama"}});
    Compute();
    EXPECT_TRUE(observer_.general);
    EXPECT_TRUE(observer_.ended);
    EXPECT_EQ(observer_.tables, (std::vector<std::string>{"Category", "Year", "MPAA", "Cast",
                                                          "Director", "Producer", "Writer"}));
    ASSERT_EQ(observer_.texts.size(), 15u);
    EXPECT_EQ(observer_.texts[0], "Loading general information...");
    EXPECT_EQ(observer_.texts[7], "Compiling Cast Information...");
    EXPECT_EQ(observer_.texts[8], "Loading Cast Information...");
}

TEST_F(StatisticsTest, AStopRequestedMidwayEndsTheWorkWithoutAResult) {
    for (int i = 0; i < 3000; ++i) AddRow({{"Cast", "Ann, Bob"}, {"Year", std::to_string(i)}});
    struct Case {
        const char* stop_at;
        std::vector<std::string> tables;  // reported before the stop
    };
    for (const Case& stop : {Case{"Loading general information...", {}},
                             Case{"Loading Year Information...", {"Category"}}}) {
        RecordingObserver observer;
        observer.stop_at = stop.stop_at;
        EXPECT_FALSE(views::ComputeStatistics(views::StatisticsSourceOf(session_),
                                              observer.stop.get_token(), observer));
        EXPECT_EQ(observer.general, !stop.tables.empty()) << stop.stop_at;
        EXPECT_EQ(observer.tables, stop.tables) << stop.stop_at;
        EXPECT_FALSE(observer.ended);
    }
}

TEST_F(StatisticsTest, FilesAreMeasuredOnDisk) {
    const std::string main = session_.CurrentDatabasePath;
    WriteFileBytes(main, std::string(1000, 'x'));
    WriteFileBytes(main + "h", std::string(536, 'x'));
    WriteFileBytes(main + "x", std::string(5000, 'x'));  // not a companion
    for (const char* name : {"1.jpg", "2.GIF", "3.Bmp", "4.png"})
        WriteFileBytes(session_.ImageFolder + "/" + name, std::string(512, 'x'));
    std::filesystem::create_directories(session_.ImageFolder + "/5.jpg");
    const auto modified = std::filesystem::file_time_type::clock::from_sys(
        std::chrono::sys_seconds(std::chrono::seconds(1093082649)));
    std::filesystem::last_write_time(main, modified);
    AddRow({{"Title", "A"}});
    AddRow({{"Title", "B"}});

    const views::DatabaseStatistics s = Compute();
    EXPECT_EQ(s.general.name, "films.rdk");
    EXPECT_EQ(s.general.size, "1.50  KB");
    EXPECT_EQ(s.general.modified, "Sat Aug 21 10:04:09 2004");
    EXPECT_EQ(s.general.created.size(), 24u);
    EXPECT_EQ(s.general.image_count, "3");
    EXPECT_EQ(s.general.image_size, "1.50  KB");
    EXPECT_EQ(s.general.image_percent, "150.00%");
}

TEST(StatisticsTexts, SizesUseTheLargestUnitReachedAndTimesTheClocksZone) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0.00  Bytes"},          {1023, "1023.00  Bytes"}, {1024, "1.00  KB"},
        {1536, "1.50  KB"},          {1048575, "1024.00  KB"}, {1048576, "1.00  MB"},
        {1073741823, "1024.00  MB"}, {1073741824, "1.00  GB"}, {5LL << 40, "5120.00  GB"}};
    for (const auto& [bytes, text] : cases) EXPECT_EQ(views::SizeText(bytes), text) << bytes;
    // File times read as the clock's zone shows them.
    EXPECT_EQ(views::FileTimeText(1093082649, core::FixedClock(0)), "Sat Aug 21 10:04:09 2004");
    EXPECT_EQ(views::FileTimeText(1091347449, core::FixedClock(0, -3600)),
              "Sun Aug  1 07:04:09 2004");
}

TEST(ValueTableSorting, NumbersByValueTextIgnoringCaseEmptyFirst) {
    Rows rows = {{"b", "10", "9.50"}, {"", "9", "100.00"}, {"A", "9", "10.00"}, {"7", "1", "2"}};
    const auto values = [&rows] {
        std::vector<std::string> out;
        for (const ValueRow& row : rows) out.push_back(row.value);
        return out;
    };
    views::SortValueRows(rows, 1, true);
    EXPECT_EQ(values(), (std::vector<std::string>{"7", "", "A", "b"}));
    views::SortValueRows(rows, 2, false);
    EXPECT_EQ(values(), (std::vector<std::string>{"", "A", "b", "7"}));
    views::SortValueRows(rows, 0, true);
    EXPECT_EQ(values(), (std::vector<std::string>{"", "7", "A", "b"}));
}

}  // namespace
