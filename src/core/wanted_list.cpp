#include "core/wanted_list.h"

#include <algorithm>

#include "core/text.h"

namespace core {

int WantedList::Add(std::string title) {
    auto place = std::upper_bound(titles_.begin(), titles_.end(), title,
                                  [](const std::string& a, const std::string& b) {
                                      return CompareNoCase(a, b) < 0;
                                  });
    place = titles_.insert(place, std::move(title));
    return static_cast<int>(place - titles_.begin());
}

void WantedList::Delete(int index) {
    if (index >= 0 && index < Count()) titles_.erase(titles_.begin() + index);
}

}  // namespace core
