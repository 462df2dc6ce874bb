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

TEST(DatesTest, KeyToDateGivesTheLocalDate) {
    struct Case {
        std::string key;
        long offset;
        std::string date;
    };
    const Case cases[] = {
        {"1078617599", 0, "03/06/2004"},
        // An hour east of UTC, 23:30 UTC is already the next day.
        {std::to_string(kMarch7th2004 - 30 * 60), kHour, "03/07/2004"},
        // Five hours west, 02:00 UTC is still the previous day.
        {std::to_string(kMarch7th2004 + 2 * kHour), -5 * kHour, "03/06/2004"},
        {"0", -1, "12/31/1969"},
        {"951782400", 0, "02/29/2000"},
        {"4107542400", 0, "03/01/2100"},
        {"253402300800", 0, "01/01/10000"},
        {"1078617600 trailing", 0, "03/07/2004"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(core::KeyToDate(c.key, core::FixedClock(0, c.offset)), c.date)
            << "key " << c.key << ", offset " << c.offset;
    }
    // The offset is the one at the Key's moment: here the zone moves east at 10:00 UTC.
    const SwitchingClock clock(kMarch7th2004 + 10 * kHour, 0, kHour);
    EXPECT_EQ(core::KeyToDate(std::to_string(kMarch7th2004 - 30 * 60), clock), "03/06/2004");
    EXPECT_EQ(core::KeyToDate(std::to_string(kMarch7th2004 + kDay - 30 * 60), clock), "03/08/2004");
}

TEST(DatesTest, TodayAndNewKeysComeFromTheClock) {
    const std::int64_t new_years_eve = 1104535800;  // 2004-12-31 23:30 UTC
    EXPECT_EQ(core::TodayDate(core::FixedClock(new_years_eve)), "12/31/2004");
    EXPECT_EQ(core::TodayShortDate(core::FixedClock(new_years_eve)), "12/31/04");
    EXPECT_EQ(core::TodayDate(core::FixedClock(new_years_eve, kHour)), "01/01/2005");
    EXPECT_EQ(core::TodayShortDate(core::FixedClock(new_years_eve, kHour)), "01/01/05");
    // The zone does not change the Key: it counts seconds since 1970 in UTC.
    EXPECT_EQ(core::NowKey(core::FixedClock(kMarch7th2004, -5 * kHour)), "1078617600");
}

// The cache looks a zone's offset up once per day; it must give what KeyToDate gives, also on
// the day the zone changes its offset.
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
        {"no change: a zone half an hour off the hour", 0, 19800, 19800},
    };
    std::mt19937_64 random(20040307);
    for (const Switch& s : switches) {
        SCOPED_TRACE(s.what);
        const SwitchingClock clock(s.time, s.before, s.after);
        // Keys every few minutes for days around the change, the seconds around it a day apart,
        // and keys up to 2100, in no particular order.
        std::vector<std::int64_t> keys;
        for (std::int64_t t = s.time - 3 * kDay; t <= s.time + 3 * kDay; t += 7 * 60) {
            keys.push_back(t);
        }
        for (std::int64_t d = -2; d <= 2; ++d) {
            keys.insert(keys.end(), {s.time + d, s.time + d * kDay - 1, s.time + d * kDay});
        }
        for (int i = 0; i < 2000; ++i)
            keys.push_back(static_cast<std::int64_t>(random() % 4102444800ULL));
        std::shuffle(keys.begin(), keys.end(), random);
        core::DateTextCache cache(clock);
        for (std::int64_t time : keys) {
            const std::string key = std::to_string(time);
            ASSERT_EQ(std::string(cache.Format(key)), core::KeyToDate(key, clock)) << "key " << key;
        }
        for (const char* key : {"", "junk", "-86401", "253402300800", "99999999999999999999"}) {
            EXPECT_EQ(std::string(cache.Format(key)), core::KeyToDate(key, clock)) << "key " << key;
        }
    }
}

}  // namespace
