#include "imports/foreign/running_time.h"

#include <cstdint>

#include "app/duration_fields.h"

namespace imports {
namespace {

// Reads the digits at `pos` (at most nine, so the number cannot overflow); -1 when none.
std::int64_t ReadNumber(std::string_view text, std::size_t& pos) {
    std::int64_t number = -1;
    int digits = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (++digits > 9) continue;
        number = (number < 0 ? 0 : number * 10) + (text[pos] - '0');
    }
    return number;
}

void SkipSpaces(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
}

}  // namespace

std::string DurationOfRunningTime(std::string_view text) {
    std::size_t pos = 0;
    SkipSpaces(text, pos);
    std::int64_t minutes = ReadNumber(text, pos);
    if (minutes < 0) return {};
    SkipSpaces(text, pos);
    if (pos < text.size() && (text[pos] == 'h' || text[pos] == 'H' || text[pos] == ':')) {
        ++pos;
        SkipSpaces(text, pos);
        const std::int64_t more = ReadNumber(text, pos);
        minutes = minutes * 60 + (more > 0 ? more : 0);
    }
    const app::DurationFields fields =
        app::DurationFieldsOf(std::to_string(minutes), app::DurationUnit::kMinutes);
    return app::DurationCellOf(fields.hours, fields.minutes, fields.seconds);
}

}  // namespace imports
