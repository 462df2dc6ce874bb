#include "core/dates.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "core/text.h"

namespace core {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days since 1970-01-01 to a civil date (proleptic Gregorian calendar).
CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = FloorDiv(days, 146097);
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

void WriteTwoDigits(int value, char* out) {
    out[0] = static_cast<char>('0' + (value / 10) % 10);
    out[1] = static_cast<char>('0' + value % 10);
}

void WriteDate(CivilDate date, char out[10]) {
    WriteTwoDigits(date.month, out);
    out[2] = '/';
    WriteTwoDigits(date.day, out + 3);
    out[5] = '/';
    const int year = date.year;
    WriteTwoDigits(year / 100, out + 6);
    WriteTwoDigits(year % 100, out + 8);
}

}  // namespace

std::int64_t SystemClock::Now() const {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

long SystemClock::UtcOffsetAt(std::int64_t time) const {
    std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) return 0;
    return local.tm_gmtoff;
}

CivilDate LocalDateOf(std::int64_t time, const Clock& clock) {
    return CivilFromDays(FloorDiv(time + clock.UtcOffsetAt(time), kSecondsPerDay));
}

std::string FormatDate(CivilDate date) {
    if (date.year > 9999 || date.year < 0) {
        // Far outside the range of real records; still written in full.
        char buffer[32];
        int n = std::snprintf(buffer, sizeof buffer, "%02d/%02d/%d", date.month, date.day,
                              date.year);
        return std::string(buffer, static_cast<std::size_t>(n));
    }
    char out[10];
    WriteDate(date, out);
    return std::string(out, 10);
}

std::string NowKey(const Clock& clock) { return std::to_string(clock.Now()); }

std::string KeyToDate(std::string_view key, const Clock& clock) {
    return FormatDate(LocalDateOf(ParseLeadingLong(key), clock));
}

std::string TodayDate(const Clock& clock) { return FormatDate(LocalDateOf(clock.Now(), clock)); }

std::string TodayShortDate(const Clock& clock) {
    CivilDate date = LocalDateOf(clock.Now(), clock);
    char out[8];
    WriteTwoDigits(date.month, out);
    out[2] = '/';
    WriteTwoDigits(date.day, out + 3);
    out[5] = '/';
    WriteTwoDigits(date.year % 100, out + 6);
    return std::string(out, 8);
}

long DateTextCache::OffsetAtDayStart(std::int64_t utc_day) {
    auto [it, inserted] = offsets_.try_emplace(utc_day, 0);
    if (inserted) it->second = clock_.UtcOffsetAt(utc_day * kSecondsPerDay);
    return it->second;
}

std::string_view DateTextCache::Format(std::string_view key) {
    const std::int64_t time = ParseLeadingLong(key);
    const std::int64_t day = FloorDiv(time, kSecondsPerDay);
    const long offset = OffsetAtDayStart(day);
    CivilDate date;
    // A zone changes its offset at most once a day: when the offsets at the start of this day
    // and of the next agree, the whole day has that offset.
    if (offset == OffsetAtDayStart(day + 1)) {
        date = CivilFromDays(FloorDiv(time + offset, kSecondsPerDay));
    } else {
        date = LocalDateOf(time, clock_);
    }
    if (date.year > 9999 || date.year < 0) {
        text_ = FormatDate(date);
    } else {
        text_.resize(10);
        WriteDate(date, text_.data());
    }
    return text_;
}

}  // namespace core
