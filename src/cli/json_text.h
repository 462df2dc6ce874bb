#pragma once

#include <string>
#include <string_view>

namespace cli {

// A JSON string literal of a cell's bytes: valid UTF-8 stays as it is, control characters are
// escaped, and a byte that is not part of valid UTF-8 is read as Latin-1 (as the desktop
// program shows it).
std::string JsonString(std::string_view bytes);

}  // namespace cli
