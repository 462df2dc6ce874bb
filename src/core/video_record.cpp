#include "core/video_record.h"

#include <algorithm>
#include <cassert>

namespace core {
namespace {
bool InRange(int list_index) { return list_index >= 0 && list_index < kMaxColumns; }
}  // namespace

VideoRecord::VideoRecord(std::span<const std::string_view> cells) {
    std::size_t count = std::min<std::size_t>(cells.size(), kMaxColumns);
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i) total += cells[i].size();
    text_.reserve(total);
    for (std::size_t i = 0; i < count; ++i) {
        text_.append(cells[i]);
        ends_[i] = static_cast<std::uint32_t>(text_.size());
    }
    for (std::size_t i = count; i < kMaxColumns; ++i) ends_[i] = static_cast<std::uint32_t>(total);
}

std::string_view VideoRecord::Cell(int list_index) const {
    if (!InRange(list_index)) return {};
    std::uint32_t start = StartOf(list_index);
    return std::string_view(text_).substr(start, ends_[static_cast<std::size_t>(list_index)] - start);
}

void VideoRecord::SetCell(int list_index, std::string_view text) {
    if (!InRange(list_index)) return;
    const std::uint32_t start = StartOf(list_index);
    const std::uint32_t old_length = ends_[static_cast<std::size_t>(list_index)] - start;
    text_.replace(start, old_length, text);
    const auto delta = static_cast<std::int64_t>(text.size()) - old_length;
    for (auto i = static_cast<std::size_t>(list_index); i < kMaxColumns; ++i) {
        ends_[i] = static_cast<std::uint32_t>(ends_[i] + delta);
    }
}

void VideoRecord::EraseCell(int list_index) {
    if (!InRange(list_index)) return;
    SetCell(list_index, {});
    for (auto i = static_cast<std::size_t>(list_index); i + 1 < kMaxColumns; ++i) {
        ends_[i] = ends_[i + 1];
    }
}

void VideoRecord::InsertEmptyCell(int list_index) {
    if (!InRange(list_index)) return;
    SetCell(kMaxColumns - 1, {});
    for (auto i = static_cast<std::size_t>(kMaxColumns - 1); i > static_cast<std::size_t>(list_index); --i) {
        ends_[i] = ends_[i - 1];
    }
    ends_[static_cast<std::size_t>(list_index)] = StartOf(list_index);
}

}  // namespace core
