#include "app/auto_cycle.h"

#include <gtest/gtest.h>

#include "core/header_file.h"
#include "temp_folder.h"

namespace {

class AutoCycleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(core::ReadHeader(session_.Videos, std::string(REELDECK_SOURCE_DATA) + "/cfg/mlh.txt").ok());
        session_.CurrentDatabasePath = folder_ / "films.rdk";
        for (int row = 0; row < 3; ++row) session_.Videos.InsertRow(row, std::to_string(row));
    }
    std::vector<int> Selected() const { return session_.Videos.SelectedRows(); }

    TempFolder folder_;
    config::ProgramPaths paths_ = config::ProgramPaths::ForFolder(folder_.path());
    config::ProgramConfig config_;
    config::RecentDatabases recent_;
    core::FixedClock clock_{1700000000};
    app::Session session_{paths_, config_, recent_, clock_};
    app::AutoCycle cycle_{session_};
};

TEST_F(AutoCycleTest, StepsForwardAndWrapsToTheFirstRow) {
    EXPECT_EQ(cycle_.Tick(), -1);  // not running
    cycle_.Start();
    EXPECT_EQ(cycle_.Tick(), 0);  // nothing selected: the first row
    session_.Videos.Select(2, true);
    session_.Videos.Select(0, false);
    EXPECT_EQ(cycle_.Tick(), 0);  // after the last row comes the first
    EXPECT_EQ(cycle_.Tick(), 1);
    EXPECT_EQ(Selected(), std::vector<int>{1});
}

TEST_F(AutoCycleTest, StepsBackwardAndWrapsToTheLastRow) {
    cycle_.Start();
    cycle_.ToggleDirection();
    EXPECT_FALSE(cycle_.Forward());
    EXPECT_EQ(cycle_.Tick(), 2);  // nothing selected: the last row
    EXPECT_EQ(cycle_.Tick(), 1);
    EXPECT_EQ(cycle_.Tick(), 0);
    EXPECT_EQ(cycle_.Tick(), 2);
}

TEST_F(AutoCycleTest, PauseAndClosingStopTheSteps) {
    cycle_.Start();
    cycle_.TogglePaused();
    EXPECT_EQ(cycle_.Tick(), -1);
    cycle_.TogglePaused();
    EXPECT_EQ(cycle_.Tick(), 0);
    cycle_.Stop();
    EXPECT_EQ(cycle_.Tick(), -1);
    EXPECT_EQ(Selected(), std::vector<int>{0});
}

TEST_F(AutoCycleTest, TheIntervalFieldSetsTheConfiguredPeriod) {
    EXPECT_EQ(cycle_.SetSecondsText("45"), "45");
    EXPECT_EQ(config_.video_list_cycle_frequency, 45);
    EXPECT_EQ(cycle_.PeriodMilliseconds(), 45000);
    EXPECT_EQ(cycle_.SetSecondsText(""), "1");  // an empty field means one second
    EXPECT_EQ(config_.video_list_cycle_frequency, 1);
    cycle_.SetSecondsText("0");
    EXPECT_EQ(config_.video_list_cycle_frequency, 0);
    EXPECT_EQ(cycle_.PeriodMilliseconds(), 1000);  // never a spinning timer
    EXPECT_EQ(cycle_.SecondsText(), "0");
}

}  // namespace
