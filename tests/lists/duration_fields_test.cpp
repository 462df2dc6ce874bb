#include <gtest/gtest.h>

#include "app/duration_fields.h"

namespace {

using app::DurationFields;
using app::DurationUnit;

// The three fields give the "or" value, which gives back the fields it stands for.
TEST(DurationFieldsTest, AndTheOrValueFollowEachOther) {
    const std::tuple<DurationFields, DurationUnit, const char*, DurationFields> cases[] = {
        {{"01", "30", "59"}, DurationUnit::kMinutes, "90", {"01", "30", "00"}},
        {{"01", "23", "45"}, DurationUnit::kSeconds, "5025", {"01", "23", "45"}},
        {{"01", "30", "59"}, DurationUnit::kHours, "1.50", {"01", "30", "00"}},
        {{"0", "15", ""}, DurationUnit::kHours, "0.25", {"00", "15", "00"}},
        {{"", "", ""}, DurationUnit::kMinutes, "0", {"00", "00", "00"}}};
    for (const auto& [typed, unit, or_value, fields] : cases) {
        EXPECT_EQ(app::OrValueOf(typed.hours, typed.minutes, typed.seconds, unit), or_value);
        EXPECT_EQ(app::DurationFieldsOf(or_value, unit), fields) << or_value;
    }
}

TEST(DurationCellTest, TextsAreReadByTheirLeadingDigitsAndNoTimeIsAnEmptyCell) {
    EXPECT_EQ(app::OrValueOf("2", "20", "", DurationUnit::kHours), "2.33");
    EXPECT_EQ(app::DurationFieldsOf("125abc", DurationUnit::kMinutes),
              (DurationFields{"02", "05", "00"}));
    EXPECT_EQ(app::DurationCellOf("1", "5", "0"), "01:05:00");
    EXPECT_EQ(app::DurationCellOf("12", "59", "07"), "12:59:07");
    EXPECT_EQ(app::DurationCellOf("0", "0", "0"), "");
    EXPECT_EQ(app::DurationCellOf("", "", ""), "");
}

}  // namespace
