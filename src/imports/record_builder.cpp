#include "imports/record_builder.h"

#include <algorithm>
#include <optional>

#include "app/record_storing.h"
#include "core/text.h"

namespace imports {
namespace {

namespace name = core::column_name;

// The value of a Key in its usual form: digits without a leading zero, short enough to be a
// number.
std::optional<std::int64_t> KeyNumber(std::string_view key) {
    if (key.empty() || key.size() > 18 || (key[0] == '0' && key.size() > 1)) return {};
    std::int64_t value = 0;
    for (char c : key) {
        if (c < '0' || c > '9') return {};
        value = value * 10 + (c - '0');
    }
    return value;
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
      number_(target.ColumnIndexOf(name::kNumber)),
      next_number_(target.RowCount() + 1),
      next_fresh_(clock.Now()),
      dates_(clock) {
    for (int row = 0; row < target.RowCount(); ++row) Take(target.Cell(row, key_));
}

bool RecordBuilder::Taken(std::string_view key) const {
    if (std::optional<std::int64_t> number = KeyNumber(key)) return number_keys_.Contains(*number);
    return text_keys_.contains(core::ToLowerAscii(std::string(key)));
}

void RecordBuilder::Take(std::string_view key) {
    if (std::optional<std::int64_t> number = KeyNumber(key)) {
        number_keys_.Insert(*number);
    } else {
        text_keys_.insert(core::ToLowerAscii(std::string(key)));
    }
}

std::string RecordBuilder::FreshKey() {
    while (number_keys_.Contains(next_fresh_)) ++next_fresh_;
    return std::to_string(next_fresh_++);
}

void RecordBuilder::Clear() {
    buffer_.clear();
    spans_.fill({});
}

void RecordBuilder::Store(int index, std::string_view text) {
    spans_[static_cast<std::size_t>(index)] = {static_cast<std::uint32_t>(buffer_.size()),
                                               static_cast<std::uint32_t>(text.size())};
    buffer_.append(text);
}

bool RecordBuilder::Begin(std::string_view source_key) {
    Clear();
    if (!source_key.empty() && Taken(source_key)) return false;
    fresh_ = !IsDecimalKey(source_key);
    const std::string key = fresh_ ? FreshKey() : std::string(source_key);
    Take(key);
    Store(key_, key);
    return true;
}

void RecordBuilder::BeginFresh() {
    Clear();
    fresh_ = false;  // the source has no Keys: a fresh one is no repair
    const std::string key = FreshKey();
    Take(key);
    Store(key_, key);
}

void RecordBuilder::Set(int target_index, std::string_view text, bool move_article) {
    if (target_index < 0 || target_index >= columns_ || target_index == key_) return;
    if (text == "00:00:00") text = {};
    const bool clean = app::NeedsCleaning(text);
    if (!clean && !(move_article && place_the_in_back_)) {
        Store(target_index, text);
        return;
    }
    std::string cell(text);
    if (clean) cell = app::CleanCell(std::move(cell), target_index == synopsis_);
    if (move_article && place_the_in_back_) cell = core::MoveLeadingArticle(std::move(cell));
    Store(target_index, cell);
}

void RecordBuilder::SetIfEmpty(int target_index, std::string_view text) {
    if (target_index >= 0 && target_index < columns_ && CellText(target_index).empty()) {
        Set(target_index, text);
    }
}

void RecordBuilder::MarkSeen() {
    SetIfEmpty(last_viewed_, core::TodayDate(clock_));
}

core::VideoRecord RecordBuilder::Finish() {
    if (fresh_) ++rekeyed_;
    if (number_ >= 0 && number_ != key_) Store(number_, std::to_string(next_number_++));
    if (date_added_ >= 0) {
        const std::string_view date = dates_.Format(CellText(key_));
        Store(date_added_, date);
    }
    std::array<std::string_view, core::kMaxColumns> views;
    for (int i = 0; i < columns_; ++i) views[static_cast<std::size_t>(i)] = CellText(i);
    core::VideoRecord record(
        std::span<const std::string_view>(views.data(), static_cast<std::size_t>(columns_)));
    record.Flagged = flag_value_ >= 0 && !CellText(flag_value_).empty();
    return record;
}

}  // namespace imports

namespace imports {

std::size_t KeySet::SlotOf(std::int64_t key) const {
    // Keys are seconds, often consecutive: mixing spreads them over the table.
    auto hash = static_cast<std::uint64_t>(key) * 0x9E3779B97F4A7C15ull;
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = static_cast<std::size_t>(hash >> 20) & mask;
    while (slots_[slot] != kEmpty && slots_[slot] != key) slot = (slot + 1) & mask;
    return slot;
}

bool KeySet::Contains(std::int64_t key) const {
    return !slots_.empty() && slots_[SlotOf(key)] == key;
}

void KeySet::Insert(std::int64_t key) {
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    std::int64_t& slot = slots_[SlotOf(key)];
    if (slot == kEmpty) {
        slot = key;
        ++count_;
    }
}

void KeySet::Grow() {
    std::vector<std::int64_t> old = std::move(slots_);
    slots_.assign(std::max<std::size_t>(1024, old.size() * 2), kEmpty);
    count_ = 0;
    for (std::int64_t key : old) {
        if (key != kEmpty) Insert(key);
    }
}

}  // namespace imports
