#include "views/value_tally.h"

#include <algorithm>
#include <cstring>

#include "core/text.h"
#include "views/folded_hash.h"

namespace views {

bool ValueTally::SameTail(const Slot& slot, const FoldedKey& value) const {
    return SameIgnoringCase(Text(slot.text).substr(sizeof slot.head),
                            value.text.substr(sizeof slot.head));
}

void ValueTally::Add(const FoldedKey& value, int row) {
    if (value.text.empty()) return;
    if ((size_ + 1) * 3 > slots_.size() * 2) Grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = value.hash & mask;; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.length == 0) {
            const auto length = static_cast<std::uint32_t>(value.text.size());
            slot = {{value.head[0], value.head[1]},
                    length,
                    static_cast<std::uint32_t>(texts_.size()),
                    1,
                    row};
            texts_.append(reinterpret_cast<const char*>(&length), sizeof length);
            texts_.append(value.text);
            ++size_;
            return;
        }
        // Most values fit in the head: their text is not read.
        if (slot.length != value.text.size() || slot.head[0] != value.head[0] ||
            slot.head[1] != value.head[1] ||
            (slot.length > sizeof slot.head && !SameTail(slot, value)))
            continue;
        if (slot.last_row != row) {
            slot.last_row = row;
            ++slot.count;
        }
        return;
    }
}

void ValueTally::Grow() {
    std::vector<Slot> slots(slots_.size() * 2);
    const std::size_t mask = slots.size() - 1;
    for (const Slot& slot : slots_) {
        if (slot.length == 0) continue;
        std::size_t at = FoldedKeyOf(Text(slot.text)).hash & mask;
        while (slots[at].length != 0) at = (at + 1) & mask;
        slots[at] = slot;
    }
    slots_ = std::move(slots);
}

std::vector<ValueTally::Value> ValueTally::Sorted() const {
    // Ordered by the heads first, read as big-endian numbers, which is the order of their folded
    // bytes; the texts are compared only where the heads are the same.
    struct Keyed {
        std::uint64_t first, second;
        Value value;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_);
    for (const Slot& slot : slots_) {
        if (slot.length != 0)
            keyed.push_back({__builtin_bswap64(slot.head[0]),
                             __builtin_bswap64(slot.head[1]),
                             {slot.text, slot.count}});
    }
    std::sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
        if (a.first != b.first) return a.first < b.first;
        if (a.second != b.second) return a.second < b.second;
        return core::CompareNoCase(Text(a.value.text), Text(b.value.text)) < 0;
    });
    std::vector<Value> values;
    values.reserve(keyed.size());
    for (const Keyed& each : keyed) values.push_back(each.value);
    return values;
}

}  // namespace views
