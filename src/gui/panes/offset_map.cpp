#include "gui/panes/offset_map.h"

#include <algorithm>

#include "gui/text_bytes.h"

namespace gui {

OffsetMap::OffsetMap(std::string_view text, std::vector<std::size_t> boundaries) {
    boundaries.push_back(0);
    boundaries.push_back(text.size());
    for (std::size_t& offset : boundaries) offset = std::min(offset, text.size());
    std::sort(boundaries.begin(), boundaries.end());
    boundaries.erase(std::unique(boundaries.begin(), boundaries.end()), boundaries.end());
    offsets_ = std::move(boundaries);

    positions_.reserve(offsets_.size());
    positions_.push_back(0);
    for (std::size_t i = 1; i < offsets_.size(); ++i) {
        text_ += FromBytes(text.substr(offsets_[i - 1], offsets_[i] - offsets_[i - 1]));
        positions_.push_back(static_cast<int>(text_.size()));
    }
}

int OffsetMap::Position(std::size_t offset) const {
    const auto found = std::lower_bound(offsets_.begin(), offsets_.end(), offset);
    if (found == offsets_.end()) return positions_.back();
    return positions_[static_cast<std::size_t>(found - offsets_.begin())];
}

std::size_t OffsetMap::PieceAt(int position) const {
    const auto after = std::upper_bound(positions_.begin(), positions_.end(), position);
    if (after == positions_.begin()) return 0;
    return offsets_[static_cast<std::size_t>(after - positions_.begin()) - 1];
}

}  // namespace gui
