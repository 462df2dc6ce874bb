#pragma once

#include <string>
#include <string_view>

#include "online/text_matcher.h"

namespace online {

// Replaces every occurrence of the matcher's text, found left to right without overlapping, by
// `with`. The scan goes on after each inserted text, so what a replacement inserts is never
// replaced again: "a" by "aa" in "banana" gives "baanaanaa". The whole text is worked on,
// whatever its length.
std::string SubstituteInText(std::string_view text, const TextMatcher& what, std::string_view with);

}  // namespace online
