#pragma once

#include <string>
#include <string_view>

// The two ways the record editor takes a duration: hours, minutes and seconds, or one number
// of hours, minutes or seconds (the "or" value). Each is recomputed from the other.
namespace app {

// The unit choices, in the order the drop-down offers them.
enum class DurationUnit { kHours, kMinutes, kSeconds };
const char* UnitName(DurationUnit unit);

// The "or" value of the three fields (each read as a decimal number): whole minutes or seconds,
// or hours with two decimals. Minutes and hours ignore the seconds.
std::string OrValueOf(std::string_view hours, std::string_view minutes, std::string_view seconds,
                      DurationUnit unit);

struct DurationFields {
    std::string hours;
    std::string minutes;
    std::string seconds;
    bool operator==(const DurationFields&) const = default;
};
// The three fields ("%02d") of an "or" value: 90 minutes give 01:30:00, 5025 seconds 01:23:45,
// 1.5 hours 01:30:00.
DurationFields DurationFieldsOf(std::string_view or_value, DurationUnit unit);

// The Duration cell of the three fields: "hh:mm:ss" of their whole numbers, empty for no time.
std::string DurationCellOf(std::string_view hours, std::string_view minutes,
                           std::string_view seconds);

}  // namespace app
