#include "imports/record_builder.h"

#include <algorithm>

#include "app/record_storing.h"
#include "core/text.h"

namespace imports {
namespace {

namespace name = core::column_name;

bool NeedsCleaning(std::string_view text) {
    for (char c : text) {
        if (c == '\n' || c == '\r' || c == '<' || c == '>') return true;
    }
    return false;
}

}  // namespace

bool IsDecimalKey(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

RecordBuilder::RecordBuilder(const core::VideoList& target, const core::Clock& clock,
                             bool place_the_in_back)
    : clock_(clock),
      place_the_in_back_(place_the_in_back),
      columns_(target.ColumnCount()),
      key_(std::max(0, target.ColumnIndexOf(name::kKey))),
      date_added_(target.ColumnIndexOf(name::kDateAdded)),
      title_(target.ColumnIndexOf(name::kTitle)),
      synopsis_(target.ColumnIndexOf(name::kSynopsis)),
      flag_value_(target.ColumnIndexOf(name::kFlagValue)),
      last_viewed_(target.ColumnIndexOf(name::kLastViewed)),
      next_fresh_(clock.Now()),
      dates_(clock) {
    keys_.reserve(static_cast<std::size_t>(target.RowCount()) * 2 + 16);
    for (int row = 0; row < target.RowCount(); ++row) {
        keys_.insert(core::ToLowerAscii(std::string(target.Cell(row, key_))));
    }
}

std::string RecordBuilder::FreshKey() {
    while (keys_.contains(std::to_string(next_fresh_))) ++next_fresh_;
    return std::to_string(next_fresh_++);
}

bool RecordBuilder::Begin(std::string_view source_key) {
    for (std::string& cell : cells_) cell.clear();
    std::string key(source_key);
    if (!key.empty() && keys_.contains(core::ToLowerAscii(key))) return false;
    fresh_ = !IsDecimalKey(key);
    if (fresh_) key = FreshKey();
    keys_.insert(key);
    cells_[static_cast<std::size_t>(key_)] = std::move(key);
    return true;
}

void RecordBuilder::BeginFresh() {
    for (std::string& cell : cells_) cell.clear();
    fresh_ = false;  // the source has no Keys: a fresh one is no repair
    std::string key = FreshKey();
    keys_.insert(key);
    cells_[static_cast<std::size_t>(key_)] = std::move(key);
}

void RecordBuilder::Set(int target_index, std::string_view text, bool move_article) {
    if (target_index < 0 || target_index >= columns_ || target_index == key_) return;
    std::string& cell = cells_[static_cast<std::size_t>(target_index)];
    if (text == "00:00:00") {
        cell.clear();
    } else if (NeedsCleaning(text)) {
        cell = app::CleanCell(std::string(text), target_index == synopsis_);
    } else {
        cell.assign(text);
    }
    if (move_article && place_the_in_back_) cell = core::MoveLeadingArticle(std::move(cell));
}

void RecordBuilder::SetIfEmpty(int target_index, std::string_view text) {
    if (target_index >= 0 && target_index < columns_ &&
        cells_[static_cast<std::size_t>(target_index)].empty()) {
        Set(target_index, text);
    }
}

void RecordBuilder::MarkSeen() {
    SetIfEmpty(last_viewed_, core::TodayDate(clock_));
}

core::VideoRecord RecordBuilder::Finish() {
    if (fresh_) ++rekeyed_;
    if (date_added_ >= 0) {
        cells_[static_cast<std::size_t>(date_added_)].assign(
            dates_.Format(cells_[static_cast<std::size_t>(key_)]));
    }
    std::array<std::string_view, core::kMaxColumns> views;
    for (std::size_t i = 0; i < views.size(); ++i) views[i] = cells_[i];
    core::VideoRecord record(
        std::span<const std::string_view>(views.data(), static_cast<std::size_t>(columns_)));
    record.Flagged = flag_value_ >= 0 && !cells_[static_cast<std::size_t>(flag_value_)].empty();
    return record;
}

}  // namespace imports
