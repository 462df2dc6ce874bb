#include "online/substitute.h"

namespace online {

std::string SubstituteInText(std::string_view text, const TextMatcher& what,
                             std::string_view with) {
    if (what.size() == 0) return std::string(text);
    std::string result;
    std::size_t done = 0;
    for (std::size_t found = what.Find(text); found != std::string_view::npos;
         found = what.Find(text, done)) {
        result.append(text.substr(done, found - done));
        result.append(with);
        done = found + what.size();
    }
    if (done == 0) return std::string(text);
    result.append(text.substr(done));
    return result;
}

}  // namespace online
