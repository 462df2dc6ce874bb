#include "views/duration_figures.h"

#include <algorithm>

#include "core/text.h"
#include "views/statistics_texts.h"

namespace views {

long long DurationSeconds(std::string_view cell) {
    // Absurd parts are capped, so that no sum overflows.
    constexpr long long kPartLimit = 999999999;
    long long parts[3] = {0, 0, 0};
    for (long long& part : parts) {
        const std::size_t colon = cell.find(':');
        part = std::clamp(core::ParseLeadingLong(cell.substr(0, colon)), 0LL, kPartLimit);
        if (colon == std::string_view::npos) break;
        cell.remove_prefix(colon + 1);
    }
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

DurationFigures ComputeDurationFigures(const core::VideoList& videos) {
    DurationFigures figures;
    const int column = videos.ColumnIndexOf(core::column_name::kDuration);
    if (column < 0) return figures;
    long long total = 0, shortest = 0, longest = 0;
    int counted = 0;
    for (int row = 0; row < videos.RowCount(); ++row) {
        const std::string_view cell = videos.Row(row).Cell(column);
        if (cell.empty()) continue;
        const long long seconds = DurationSeconds(cell);
        // Compared by length of time, so that "100:00:00" is longer than "99:00:00".
        if (counted == 0 || seconds < shortest) {
            shortest = seconds;
            figures.minimum = cell;
        }
        if (counted == 0 || seconds > longest) {
            longest = seconds;
            figures.maximum = cell;
        }
        total += seconds;
        ++counted;
    }
    if (counted == 0) return figures;
    figures.total = DurationText(total);
    figures.average = DurationText(total / counted);
    return figures;
}

}  // namespace views
