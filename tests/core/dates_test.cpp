#include "core/dates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kMarch7th2004 = 1078617600;  // 2004-03-07 00:00:00 UTC

// A zone that changes its offset once, at `switch_time`, as a zone does when daylight saving
// time begins or ends.
class SwitchingClock final : public core::Clock {
  public:
    SwitchingClock(std::int64_t switch_time, long before, long after)
        : switch_time_(switch_time), before_(before), after_(after) {}
    std::int64_t Now() const override { return switch_time_; }
    long UtcOffsetAt(std::int64_t time) const override {
        return time < switch_time_ ? before_ : after_;
    }

  private:
    std::int64_t switch_time_;
    long before_;
    long after_;
};

TEST(NowKeyTest, IsTheClockTimeInDecimalSeconds) {
    EXPECT_EQ(core::NowKey(core::FixedClock(kMarch7th2004)), "1078617600");
    EXPECT_EQ(core::NowKey(core::FixedClock(0)), "0");
    // The zone does not change the Key: it counts seconds since 1970 in UTC.
    EXPECT_EQ(core::NowKey(core::FixedClock(kMarch7th2004, -5 * kHour)), "1078617600");
}

struct KeyDateCase {
    std::string key;
    long offset;
    std::string date;
};

class KeyToDateTest : public ::testing::TestWithParam<KeyDateCase> {};

TEST_P(KeyToDateTest, GivesTheLocalDate) {
    const KeyDateCase& c = GetParam();
    EXPECT_EQ(core::KeyToDate(c.key, core::FixedClock(0, c.offset)), c.date)
        << "key " << c.key << ", offset " << c.offset;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyToDateTest,
    ::testing::Values(
        KeyDateCase{"1078617600", 0, "03/07/2004"}, KeyDateCase{"1078617599", 0, "03/06/2004"},
        // An hour east of UTC, 23:30 UTC is already the next day.
        KeyDateCase{std::to_string(kMarch7th2004 - 30 * 60), kHour, "03/07/2004"},
        // Five hours west, 02:00 UTC is still the previous day.
        KeyDateCase{std::to_string(kMarch7th2004 + 2 * kHour), -5 * kHour, "03/06/2004"},
        KeyDateCase{std::to_string(kMarch7th2004 + 5 * kHour), -5 * kHour, "03/07/2004"},
        KeyDateCase{"0", 0, "01/01/1970"}, KeyDateCase{"0", -1, "12/31/1969"},
        KeyDateCase{"951782400", 0, "02/29/2000"}, KeyDateCase{"4107542400", 0, "03/01/2100"},
        KeyDateCase{std::to_string(4107542400 - 1), 0, "02/28/2100"},
        KeyDateCase{"253402300799", 0, "12/31/9999"}, KeyDateCase{"253402300800", 0, "01/01/10000"},
        KeyDateCase{"1078617600 trailing", 0, "03/07/2004"}, KeyDateCase{"", 0, "01/01/1970"},
        KeyDateCase{"not a key", 0, "01/01/1970"}));

TEST(TodayTest, UsesTheLocalDateOfTheClock) {
    const std::int64_t new_years_eve = 1104535800;  // 2004-12-31 23:30 UTC
    EXPECT_EQ(core::TodayDate(core::FixedClock(new_years_eve)), "12/31/2004");
    EXPECT_EQ(core::TodayShortDate(core::FixedClock(new_years_eve)), "12/31/04");
    EXPECT_EQ(core::TodayDate(core::FixedClock(new_years_eve, kHour)), "01/01/2005");
    EXPECT_EQ(core::TodayShortDate(core::FixedClock(new_years_eve, kHour)), "01/01/05");
    EXPECT_EQ(core::TodayShortDate(core::FixedClock(951782400)), "02/29/00");
    EXPECT_EQ(core::TodayShortDate(core::FixedClock(0)), "01/01/70");
}

TEST(TodayTest, FollowsTheClockWhenItMoves) {
    core::FixedClock clock(kMarch7th2004);
    EXPECT_EQ(core::TodayDate(clock), "03/07/2004");
    clock.Set(kMarch7th2004 + kDay);
    EXPECT_EQ(core::TodayDate(clock), "03/08/2004");
    EXPECT_EQ(core::NowKey(clock), std::to_string(kMarch7th2004 + kDay));
}

// Keys every few minutes over a few days around `center`, and some far away, in a shuffled order
// so the cache sees days in no particular sequence.
std::vector<std::int64_t> KeysAround(std::int64_t center) {
    std::vector<std::int64_t> keys;
    for (std::int64_t t = center - 3 * kDay; t <= center + 3 * kDay; t += 7 * 60) keys.push_back(t);
    for (std::int64_t d = -2; d <= 2; ++d) {
        for (std::int64_t t : {center + d, center + d * kDay - 1, center + d * kDay})
            keys.push_back(t);
    }
    std::mt19937_64 random(20040307);
    for (int i = 0; i < 2000; ++i) {
        keys.push_back(static_cast<std::int64_t>(random() % 4102444800ULL));  // up to 2100
    }
    std::shuffle(keys.begin(), keys.end(), random);
    return keys;
}

void ExpectCacheAgreesWithKeyToDate(const core::Clock& clock, std::int64_t center) {
    core::DateTextCache cache(clock);
    for (std::int64_t time : KeysAround(center)) {
        const std::string key = std::to_string(time);
        ASSERT_EQ(std::string(cache.Format(key)), core::KeyToDate(key, clock)) << "key " << key;
    }
    for (const char* key : {"", "junk", "-86401", "253402300800", "99999999999999999999"}) {
        EXPECT_EQ(std::string(cache.Format(key)), core::KeyToDate(key, clock)) << "key " << key;
    }
}

TEST(DateTextCacheTest, AgreesWithKeyToDateInFixedZones) {
    for (long offset : {0L, 3600L, -18000L, 19800L, 50400L, -43200L}) {
        SCOPED_TRACE(offset);
        ExpectCacheAgreesWithKeyToDate(core::FixedClock(kMarch7th2004, offset), kMarch7th2004);
    }
}

TEST(DateTextCacheTest, AgreesWithKeyToDateWhenTheZoneChangesItsOffset) {
    struct Switch {
        const char* what;
        std::int64_t time;
        long before;
        long after;
    };
    const Switch switches[] = {
        {"daylight saving time begins, US Eastern", 1299999600, -5 * kHour, -4 * kHour},
        {"daylight saving time ends, Central Europe", 1319936400, 2 * kHour, kHour},
        {"a change exactly at midnight UTC", kMarch7th2004, 0, kHour},
        {"a change a second before midnight UTC", kMarch7th2004 - 1, -kHour, 2 * kHour},
        {"a zone skipping a whole day (Samoa 2011)", 1325239200, -10 * kHour, 14 * kHour},
        {"a zone repeating a day", 1325239200, 14 * kHour, -10 * kHour},
    };
    for (const Switch& s : switches) {
        SCOPED_TRACE(s.what);
        ExpectCacheAgreesWithKeyToDate(SwitchingClock(s.time, s.before, s.after), s.time);
    }
}

TEST(DateTextCacheTest, KeyToDateFollowsTheOffsetAtTheKeysMoment) {
    // The switch happens at 10:00 UTC; 23:30 UTC is the next day only after it.
    const SwitchingClock clock(kMarch7th2004 + 10 * kHour, 0, kHour);
    EXPECT_EQ(core::KeyToDate(std::to_string(kMarch7th2004 - 30 * 60), clock), "03/06/2004");
    EXPECT_EQ(core::KeyToDate(std::to_string(kMarch7th2004 + kDay - 30 * 60), clock), "03/08/2004");
}

}  // namespace
