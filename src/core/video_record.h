#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/video_column.h"

namespace core {

// One row of My Videos: 23 cells indexed by ListIndex. The cells live in one string, one after
// another, so a record costs one allocation however many cells it has; a large list loads fast
// and stays small in memory.
class VideoRecord {
public:
    VideoRecord() = default;
    // A record holding `cells` (at most 23) in ListIndex order; the rest are empty.
    explicit VideoRecord(std::span<const std::string_view> cells);

    std::string_view Cell(int list_index) const;
    void SetCell(int list_index, std::string_view text);

    // The row's index when the loader inserted it; sorting identifies rows by it.
    int LoadOrder = 0;
    bool Selected = false;
    // The flag mark of the "Flag" column.
    bool Flagged = false;

    // Removes the cell at `list_index`; later cells move one index down.
    void EraseCell(int list_index);
    // Inserts an empty cell at `list_index`; later cells move one index up (the last is dropped).
    void InsertEmptyCell(int list_index);

private:
    std::uint32_t StartOf(int list_index) const {
        return list_index == 0 ? 0 : ends_[static_cast<std::size_t>(list_index - 1)];
    }

    std::string text_;
    std::array<std::uint32_t, kMaxColumns> ends_{};
};

}  // namespace core
