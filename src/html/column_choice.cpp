#include "html/column_choice.h"

#include <algorithm>

#include "core/header_file.h"

namespace html {

ColumnChoice CurrentColumnChoice(const core::VideoList& videos) {
    std::vector<int> indexes(static_cast<std::size_t>(videos.ColumnCount()));
    for (int i = 0; i < videos.ColumnCount(); ++i) indexes[static_cast<std::size_t>(i)] = i;
    // Table order among columns of the same position.
    std::stable_sort(indexes.begin(), indexes.end(), [&videos](int a, int b) {
        return videos.Column(a).HtmlOrder < videos.Column(b).HtmlOrder;
    });
    ColumnChoice choice;
    for (int index : indexes) {
        const core::VideoColumn& column = videos.Column(index);
        if (column.HtmlOrder < 0) continue;
        if (column.HtmlShown)
            choice.display.push_back(index);
        else if (column.HtmlAvailable)
            choice.available.push_back(index);
    }
    return choice;
}

core::FileResult ApplyColumnChoice(const ColumnChoice& choice, core::VideoList& videos,
                                   const std::string& header_path) {
    auto number = [&videos](const std::vector<int>& list, bool shown) {
        for (std::size_t place = 0; place < list.size(); ++place) {
            core::VideoColumn& column = videos.MutableColumn(list[place]);
            column.HtmlOrder = static_cast<int>(place);
            column.HtmlShown = shown;
            column.HtmlAvailable = !shown;
        }
    };
    number(choice.display, true);
    number(choice.available, false);
    return core::WriteHeader(videos, header_path);
}

}  // namespace html
