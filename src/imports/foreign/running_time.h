#pragma once

#include <string>
#include <string_view>

namespace imports {

// The Duration cell ("HH:MM:SS") of a running time in minutes as catalogue programs write it:
// "117", "117 min", "1h57", "1:57". Empty when the text holds no time.
std::string DurationOfRunningTime(std::string_view text);

}  // namespace imports
