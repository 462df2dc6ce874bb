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
    const std::uint8_t tag = TagOf(value.hash);
    const std::size_t group_mask = slots_.size() / kGroup - 1;
    for (std::size_t group = GroupOf(value.hash);; group = (group + 1) & group_mask) {
        const std::uint64_t controls = Controls(group);
        for (std::uint64_t found = BytesEqualTo(controls, tag); found != 0; found &= found - 1) {
            Slot& slot = slots_[group * kGroup + std::countr_zero(found) / 8];
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
        // Nothing is ever taken out: a value not met before a free slot is new.
        if ((controls & (kFree * kOnes)) != 0) break;
    }
    if ((size_ + 1) * 8 > slots_.size() * 7) Grow();
    const std::size_t at = FreeSlotFor(value.hash);
    const auto length = static_cast<std::uint32_t>(value.text.size());
    slots_[at] = {
        {value.head[0], value.head[1]}, length, static_cast<std::uint32_t>(texts_.size()), 1, row};
    controls_[at] = tag;
    texts_.append(reinterpret_cast<const char*>(&length), sizeof length);
    texts_.append(value.text);
    ++size_;
}

std::size_t ValueTally::FreeSlotFor(std::uint64_t hash) const {
    const std::size_t group_mask = slots_.size() / kGroup - 1;
    for (std::size_t group = GroupOf(hash);; group = (group + 1) & group_mask) {
        const std::uint64_t free = Controls(group) & (kFree * kOnes);
        if (free != 0) return group * kGroup + std::countr_zero(free) / 8;
    }
}

void ValueTally::Grow() {
    std::vector<Slot> slots = std::move(slots_);
    std::vector<std::uint8_t> controls = std::move(controls_);
    slots_.assign(slots.size() * 2, Slot{});
    controls_.assign(slots_.size(), kFree);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (controls[i] == kFree) continue;
        const std::uint64_t hash = FoldedKeyOf(Text(slots[i].text)).hash;
        const std::size_t at = FreeSlotFor(hash);
        slots_[at] = slots[i];
        controls_[at] = TagOf(hash);
    }
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
