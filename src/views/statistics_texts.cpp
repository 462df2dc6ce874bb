#include "views/statistics_texts.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace views {

std::string SizeText(std::int64_t bytes) {
    struct Unit {
        double size;
        const char* name;
    };
    static constexpr Unit kUnits[] = {
        {1073741824.0, " GB"}, {1048576.0, " MB"}, {1024.0, " KB"}, {1.0, " Bytes"}};
    const double value = bytes > 0 ? static_cast<double>(bytes) : 0.0;
    const Unit* unit = &kUnits[3];
    for (const Unit& each : kUnits) {
        if (value >= each.size) {
            unit = &each;
            break;
        }
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %s", value / unit->size, unit->name);
    return text;
}

std::string FileTimeText(std::int64_t seconds_since_1970, const core::Clock& clock) {
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // The clock's offset makes it local time; broken down without any further zone.
    const std::time_t local =
        static_cast<std::time_t>(seconds_since_1970 + clock.UtcOffsetAt(seconds_since_1970));
    std::tm parts{};
    if (gmtime_r(&local, &parts) == nullptr) return {};
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %2d %02d:%02d:%02d %d", kDays[parts.tm_wday],
                  kMonths[parts.tm_mon], parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                  parts.tm_year + 1900);
    return text;
}

std::string PercentText(std::int64_t part, std::int64_t whole) {
    const double percent =
        whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) * 100.0 : 0.0;
    // As "%.2f" prints it, without the cost of a format (a table may have many thousand rows).
    char text[64];
    const std::to_chars_result printed =
        std::to_chars(text, text + sizeof text, percent, std::chars_format::fixed, 2);
    return std::string(text, printed.ptr);
}

std::string DurationText(std::int64_t seconds) {
    if (seconds < 0) seconds = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds % 3600 / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

}  // namespace views
