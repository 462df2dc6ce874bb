#include "online/search_results.h"

#include <algorithm>

#include "app/session.h"
#include "core/text.h"

namespace online {

void SearchResults::Assign(std::vector<std::string> titles) {
    titles_ = std::move(titles);
    std::stable_sort(
        titles_.begin(), titles_.end(),
        [](const std::string& a, const std::string& b) { return core::CompareNoCase(a, b) < 0; });
}

std::string SearchResults::Caption() const {
    return app::PaneCaption("Search", Count());
}

}  // namespace online
