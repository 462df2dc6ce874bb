#include "views/value_tally.h"

#include <algorithm>
#include <cstring>

#include "core/text.h"
#include "views/folded_hash.h"

namespace views {

void ValueTally::Add(std::string_view value, int row) {
    if ((size_ + 1) * 3 > slots_.size() * 2) Grow();
    const std::uint64_t hash = FoldedHash(value);
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.text == 0) {
            const auto length = static_cast<std::uint32_t>(value.size());
            slot = {tag, static_cast<std::uint32_t>(texts_.size()), 1, row};
            texts_.append(reinterpret_cast<const char*>(&length), sizeof length);
            texts_.append(value);
            ++size_;
            return;
        }
        if (slot.tag != tag || !SameIgnoringCase(Text(slot.text), value)) continue;
        if (slot.last_row != row) {
            slot.last_row = row;
            ++slot.count;
        }
        return;
    }
}

void ValueTally::Grow() {
    std::vector<Slot> slots(std::max<std::size_t>(64, slots_.size() * 2));
    const std::size_t mask = slots.size() - 1;
    for (const Slot& slot : slots_) {
        if (slot.text == 0) continue;
        // Only the hash's high half is kept: the place comes from hashing the text again.
        std::size_t at = FoldedHash(Text(slot.text)) & mask;
        while (slots[at].text != 0) at = (at + 1) & mask;
        slots[at] = slot;
    }
    slots_ = std::move(slots);
}

std::vector<ValueTally::Value> ValueTally::Sorted() const {
    std::vector<Value> values;
    values.reserve(size_);
    for (const Slot& slot : slots_) {
        if (slot.text != 0) values.push_back({slot.text, slot.count});
    }
    std::sort(values.begin(), values.end(), [this](const Value& a, const Value& b) {
        return core::CompareNoCase(Text(a.text), Text(b.text)) < 0;
    });
    return values;
}

}  // namespace views
