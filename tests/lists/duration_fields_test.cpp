#include <gtest/gtest.h>

#include "app/duration_fields.h"

namespace {

using app::DurationFields;
using app::DurationUnit;

struct OrValueCase {
    const char* hours;
    const char* minutes;
    const char* seconds;
    DurationUnit unit;
    const char* or_value;
};

class OrValueTest : public ::testing::TestWithParam<OrValueCase> {};

TEST_P(OrValueTest, FollowsTheThreeFields) {
    const OrValueCase& c = GetParam();
    EXPECT_EQ(app::OrValueOf(c.hours, c.minutes, c.seconds, c.unit), c.or_value);
}

INSTANTIATE_TEST_SUITE_P(
    Units, OrValueTest,
    ::testing::Values(OrValueCase{"01", "30", "59", DurationUnit::kMinutes, "90"},
                      OrValueCase{"01", "23", "45", DurationUnit::kSeconds, "5025"},
                      OrValueCase{"01", "30", "59", DurationUnit::kHours, "1.50"},
                      OrValueCase{"2", "20", "", DurationUnit::kHours, "2.33"},
                      OrValueCase{"", "", "", DurationUnit::kMinutes, "0"}));

struct FieldsCase {
    const char* or_value;
    DurationUnit unit;
    DurationFields fields;
};

class DurationFieldsTest : public ::testing::TestWithParam<FieldsCase> {};

TEST_P(DurationFieldsTest, FollowTheOrValue) {
    EXPECT_EQ(app::DurationFieldsOf(GetParam().or_value, GetParam().unit), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Units, DurationFieldsTest,
    ::testing::Values(FieldsCase{"90", DurationUnit::kMinutes, {"01", "30", "00"}},
                      FieldsCase{"5025", DurationUnit::kSeconds, {"01", "23", "45"}},
                      FieldsCase{"1.5", DurationUnit::kHours, {"01", "30", "00"}},
                      FieldsCase{"0.25", DurationUnit::kHours, {"00", "15", "00"}},
                      FieldsCase{"125abc", DurationUnit::kMinutes, {"02", "05", "00"}},
                      FieldsCase{"", DurationUnit::kSeconds, {"00", "00", "00"}}));

TEST(DurationCellTest, WholeNumbersAsHoursMinutesSecondsAndNoTimeAsEmpty) {
    EXPECT_EQ(app::DurationCellOf("1", "5", "0"), "01:05:00");
    EXPECT_EQ(app::DurationCellOf("0", "0", "0"), "");
    EXPECT_EQ(app::DurationCellOf("", "", ""), "");
    EXPECT_EQ(app::DurationCellOf("12", "59", "07"), "12:59:07");
}

}  // namespace
