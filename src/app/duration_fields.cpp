#include "app/duration_fields.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "core/text.h"

namespace app {
namespace {

// The leading decimal number of a text; 0 when it has none.
double DecimalOf(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Fixed-point text without the user's locale (a decimal point, never a comma).
std::string Fixed(double value, int decimals) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return result.ec == std::errc() ? std::string(text, result.ptr) : "0";
}

std::string TwoDigits(std::int64_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(value));
    return text;
}

}  // namespace

const char* UnitName(DurationUnit unit) {
    switch (unit) {
        case DurationUnit::kHours:
            return "hours";
        case DurationUnit::kMinutes:
            return "minutes";
        case DurationUnit::kSeconds:
            return "seconds";
    }
    return "";
}

std::string OrValueOf(std::string_view hours, std::string_view minutes, std::string_view seconds,
                      DurationUnit unit) {
    const double h = DecimalOf(hours);
    const double m = DecimalOf(minutes);
    const double s = DecimalOf(seconds);
    switch (unit) {
        case DurationUnit::kMinutes:
            return Fixed(h * 60 + m, 0);
        case DurationUnit::kSeconds:
            return Fixed(h * 3600 + m * 60 + s, 0);
        case DurationUnit::kHours:
            return Fixed(h + m / 60, 2);
    }
    return {};
}

DurationFields DurationFieldsOf(std::string_view or_value, DurationUnit unit) {
    if (unit == DurationUnit::kHours) {
        const double x = DecimalOf(or_value);
        const auto h = static_cast<std::int64_t>(std::trunc(x));
        const auto m = static_cast<std::int64_t>(std::trunc(x * 60 - static_cast<double>(h) * 60));
        const auto s = static_cast<std::int64_t>(
            std::trunc(x * 3600 - static_cast<double>(m) * 60 - static_cast<double>(h) * 3600));
        return {TwoDigits(h), TwoDigits(m), TwoDigits(s)};
    }
    const std::int64_t n = core::ParseLeadingLong(or_value);
    if (unit == DurationUnit::kMinutes) return {TwoDigits(n / 60), TwoDigits(n % 60), "00"};
    const std::int64_t h = n / 3600;
    const std::int64_t m = (n - h * 3600) / 60;
    return {TwoDigits(h), TwoDigits(m), TwoDigits(n - h * 3600 - m * 60)};
}

std::string DurationCellOf(std::string_view hours, std::string_view minutes,
                           std::string_view seconds) {
    const std::string cell = TwoDigits(core::ParseLeadingInt(hours)) + ":" +
                             TwoDigits(core::ParseLeadingInt(minutes)) + ":" +
                             TwoDigits(core::ParseLeadingInt(seconds));
    return cell == "00:00:00" ? std::string() : cell;
}

}  // namespace app
