#include "app/auto_cycle.h"

#include <algorithm>

#include "core/text.h"

namespace app {

std::string AutoCycle::SecondsText() const {
    return std::to_string(session_.config.video_list_cycle_frequency);
}

std::string AutoCycle::SetSecondsText(std::string text) {
    if (text.empty()) text.push_back('1');
    session_.config.video_list_cycle_frequency = core::ParseLeadingInt(text);
    return text;
}

int AutoCycle::PeriodMilliseconds() const {
    return std::max(1, session_.config.video_list_cycle_frequency) * 1000;
}

int AutoCycle::Tick() {
    core::VideoList& videos = session_.Videos;
    const int count = videos.RowCount();
    if (!running_ || !session_.IsOpen() || count == 0) return -1;
    const std::vector<int> selected = videos.SelectedRows();
    const int current = selected.empty() ? -1 : selected.front();
    int next;
    if (forward_) {
        next = (current < 0 || current >= count - 1) ? 0 : current + 1;
    } else {
        next = current <= 0 ? count - 1 : current - 1;
    }
    videos.DeselectAll();
    videos.Select(next, true);
    return next;
}

}  // namespace app
