#include "app/auto_cycle.h"

#include <gtest/gtest.h>

#include "fakes/list_session.h"

namespace {

class AutoCycleTest : public ListSession {
  protected:
    void SetUp() override { AddTitles({"Alien", "Brazil", "Casablanca"}); }
    app::AutoCycle cycle_{session_};
};

TEST_F(AutoCycleTest, StepsForwardOrBackwardWrapsAroundAndStops) {
    EXPECT_EQ(cycle_.Tick(), -1);  // not running
    cycle_.Start();
    EXPECT_EQ(cycle_.Tick(), 0);  // nothing selected: the first row
    Select({2});
    EXPECT_EQ(cycle_.Tick(), 0);  // after the last row comes the first
    EXPECT_EQ(cycle_.Tick(), 1);
    EXPECT_EQ(Selected(), std::vector<int>{1});

    cycle_.ToggleDirection();
    EXPECT_FALSE(cycle_.Forward());
    EXPECT_EQ(cycle_.Tick(), 0);
    EXPECT_EQ(cycle_.Tick(), 2);
    session_.Videos.DeselectAll();
    EXPECT_EQ(cycle_.Tick(), 2);  // nothing selected: the last row

    // Pausing and closing stop the steps.
    cycle_.TogglePaused();
    EXPECT_EQ(cycle_.Tick(), -1);
    cycle_.TogglePaused();
    EXPECT_EQ(cycle_.Tick(), 1);
    cycle_.Stop();
    EXPECT_EQ(cycle_.Tick(), -1);
    EXPECT_EQ(Selected(), std::vector<int>{1});
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
}

}  // namespace
