#include <gtest/gtest.h>

#include "app/duration_fields.h"
#include "param_name.h"

namespace {

using app::DurationFields;
using app::DurationUnit;

// The three fields give the "or" value, which gives back the fields it stands for.
struct DurationCase {
    DurationFields typed;
    DurationUnit unit;
    const char* or_value;
    DurationFields fields;
};

class DurationFieldsTest : public ::testing::TestWithParam<DurationCase> {};

TEST_P(DurationFieldsTest, AndTheOrValueFollowEachOther) {
    const DurationCase& c = GetParam();
    EXPECT_EQ(app::OrValueOf(c.typed.hours, c.typed.minutes, c.typed.seconds, c.unit), c.or_value);
    EXPECT_EQ(app::DurationFieldsOf(c.or_value, c.unit), c.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Units, DurationFieldsTest,
    ::testing::Values(
        DurationCase{{"01", "30", "59"}, DurationUnit::kMinutes, "90", {"01", "30", "00"}},
        DurationCase{{"01", "23", "45"}, DurationUnit::kSeconds, "5025", {"01", "23", "45"}},
        DurationCase{{"01", "30", "59"}, DurationUnit::kHours, "1.50", {"01", "30", "00"}},
        DurationCase{{"0", "15", ""}, DurationUnit::kHours, "0.25", {"00", "15", "00"}},
        DurationCase{{"", "", ""}, DurationUnit::kMinutes, "0", {"00", "00", "00"}}),
    [](const auto& info) { return ParamName(info.index, std::string(info.param.or_value)); });

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
