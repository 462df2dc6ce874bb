#include "views/duration_figures.h"

#include <algorithm>

#include "core/text.h"
#include "views/statistics_texts.h"

namespace views {

long long DurationSeconds(std::string_view cell) {
    // Nearly every cell is "hh:mm:ss": read it at once.
    const auto digit = [&cell](std::size_t at) { return cell[at] >= '0' && cell[at] <= '9'; };
    if (cell.size() == 8 && cell[2] == ':' && cell[5] == ':' && digit(0) && digit(1) && digit(3) &&
        digit(4) && digit(6) && digit(7)) {
        const auto two = [&cell](std::size_t at) {
            return (cell[at] - '0') * 10 + cell[at + 1] - '0';
        };
        return two(0) * 3600LL + two(3) * 60 + two(6);
    }
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

void DurationTally::Add(std::string_view cell) {
    if (cell.empty()) return;
    const long long seconds = DurationSeconds(cell);
    // Compared by length of time, so that "100:00:00" is longer than "99:00:00".
    if (counted_ == 0 || seconds < shortest_) {
        shortest_ = seconds;
        figures_.minimum = cell;
    }
    if (counted_ == 0 || seconds > longest_) {
        longest_ = seconds;
        figures_.maximum = cell;
    }
    total_ += seconds;
    ++counted_;
}

DurationFigures DurationTally::Figures() const {
    DurationFigures figures = figures_;
    if (counted_ == 0) return figures;
    figures.total = DurationText(total_);
    figures.average = DurationText(total_ / counted_);
    return figures;
}

}  // namespace views
