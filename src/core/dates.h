#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

// Record keys and dates. A Key is the decimal number of seconds since 1970 (UTC); dates are
// shown as local month/day/year texts.
namespace core {

// Where the time comes from: the system in the program, a fixed time in tests and generators.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t Now() const = 0;
    // Local time minus UTC, in seconds, at the moment `time`.
    virtual long UtcOffsetAt(std::int64_t time) const = 0;
};

// The system's time and time zone.
class SystemClock final : public Clock {
public:
    std::int64_t Now() const override;
    long UtcOffsetAt(std::int64_t time) const override;
};

// A clock that stands still at a given moment in a zone with a fixed offset.
class FixedClock final : public Clock {
public:
    explicit FixedClock(std::int64_t now, long utc_offset = 0) : now_(now), offset_(utc_offset) {}
    std::int64_t Now() const override { return now_; }
    long UtcOffsetAt(std::int64_t) const override { return offset_; }
    void Set(std::int64_t now) { now_ = now; }

private:
    std::int64_t now_;
    long offset_;
};

struct CivilDate {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;    // 1-31
};

CivilDate LocalDateOf(std::int64_t time, const Clock& clock);
// "%m/%d/%Y": 03/07/2004.
std::string FormatDate(CivilDate date);

// The Key of a record created now.
std::string NowKey(const Clock& clock);
// The local date of a Key, "%m/%d/%Y". A Key that is not a number reads as 0.
std::string KeyToDate(std::string_view key, const Clock& clock);
// Today as "%m/%d/%Y".
std::string TodayDate(const Clock& clock);
// Today as month/day/two-digit year: "03/07/04".
std::string TodayShortDate(const Clock& clock);

// Converts many Keys to dates quickly: the zone's offset is looked up once per day rather than
// once per Key, which matters when a large list is loaded.
class DateTextCache {
public:
    explicit DateTextCache(const Clock& clock) : clock_(clock) {}
    // The date text of `key`, as KeyToDate gives it; valid until the next call.
    std::string_view Format(std::string_view key);

private:
    long OffsetAtDayStart(std::int64_t utc_day);

    const Clock& clock_;
    std::unordered_map<std::int64_t, long> offsets_;
    std::string text_;
};

}  // namespace core
