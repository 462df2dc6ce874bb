#pragma once

#include <cstdint>
#include <string>

#include "core/dates.h"

// How the Database Properties window writes its figures.
namespace views {

// "%.2f %s" of the size in the largest unit it reaches, with the unit's own leading blank:
// "512.00  Bytes", "1.50  KB", "2.00  MB", "1.00  GB". A negative size reads as 0.
std::string SizeText(std::int64_t bytes);

// A file time as the 24-character form "Sat Aug 21 10:04:09 2004" (day of month padded with a
// blank), in the clock's local time. English names, whatever the locale.
std::string FileTimeText(std::int64_t seconds_since_1970, const core::Clock& clock);

// "%.2f" of part ÷ whole × 100; 0.00 when whole is 0.
std::string PercentText(std::int64_t part, std::int64_t whole);

// "%02d:%02d:%02d" of a number of seconds (hours may take more digits).
std::string DurationText(std::int64_t seconds);

}  // namespace views
