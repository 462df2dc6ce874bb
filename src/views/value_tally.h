#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "views/folded_hash.h"

namespace views {

// How a field's cells hold values.
enum class ValueKind {
    kSingle,  // the whole cell is one value (Category, Year, MPAA); an empty cell holds none
    kNames,   // a comma-separated list of names (Cast, Director, Producer, Writer)
};

// The distinct values of a field and how many rows hold each, for the value tables. Values are
// the same when they differ only in the case of ASCII letters; the first form met is kept.
class ValueTally {
  public:
    struct Value {
        std::uint32_t text = 0;  // where its text is kept in the tally
        int count = 0;
    };

    // Counts the value for `row`, once however often the row holds it. Rows come in order.
    void Add(const FoldedKey& value, int row);
    void Add(std::string_view value, int row) { Add(FoldedKeyOf(value), row); }
    // Where the value would be counted: the first slot of its group whose tag matches, or the
    // group's first when none does. Fetching it early spares a later Add() the wait.
    const void* PlaceOf(const FoldedKey& value) const {
        const std::size_t group = GroupOf(value.hash);
        const std::uint64_t found = BytesEqualTo(Controls(group), TagOf(value.hash));
        return slots_.data() + group * kGroup + (std::countr_zero(found) / 8 & (kGroup - 1));
    }

    // Calls `each` with the values of a cell: the cell, or each name with the blanks around it
    // left out (empty names hold nothing).
    template <typename Each>
    static void ForEachValue(std::string_view cell, ValueKind kind, Each each);
    void AddCell(std::string_view cell, ValueKind kind, int row) {
        ForEachValue(cell, kind, [this, row](std::string_view value) { Add(value, row); });
    }

    std::size_t Size() const { return size_; }
    // The values in order ignoring case.
    std::vector<Value> Sorted() const;
    std::string_view Text(std::uint32_t text) const {
        std::uint32_t length;
        std::memcpy(&length, texts_.data() + text, sizeof length);
        return std::string_view(texts_).substr(text + sizeof length, length);
    }

  private:
    // An open-addressed table for lookups without allocation (a field of 100,000 rows may hold
    // half a million names), in groups of eight slots. Each slot has a control byte, all of
    // them side by side and few enough to stay in the nearest cache: it tells a free slot
    // or seven bits of the hash of the value held, so that a lookup reads one group's controls
    // and then, nearly always, only the slot that holds the value.
    static constexpr std::size_t kGroup = 8;
    static constexpr std::uint8_t kFree = 0x80;
    // A slot holds all a lookup reads, in half a cache line: the folded start of the value (most
    // names fit in it whole, so their text is not read) and the count.
    struct alignas(32) Slot {
        std::uint64_t head[2] = {0, 0};  // as in FoldedKey
        std::uint32_t length = 0;        // of the value
        std::uint32_t text = 0;          // where the first form met is kept
        int count = 0;
        int last_row = -1;
    };
    static std::uint8_t TagOf(std::uint64_t hash) { return hash & 0x7F; }
    std::size_t GroupOf(std::uint64_t hash) const {
        return (hash >> 7) & (slots_.size() / kGroup - 1);
    }
    std::uint64_t Controls(std::size_t group) const {
        return Load8(reinterpret_cast<const char*>(controls_.data()) + group * kGroup);
    }
    // The free slot a value of `hash` goes in.
    std::size_t FreeSlotFor(std::uint64_t hash) const;
    // Whether the slot's value and `value`, whose heads are the same, are the same after them.
    bool SameTail(const Slot& slot, const FoldedKey& value) const;
    void Grow();

    // Both a power of two in size, and never empty.
    std::vector<Slot> slots_ = std::vector<Slot>(64);
    std::vector<std::uint8_t> controls_ = std::vector<std::uint8_t>(64, kFree);
    std::size_t size_ = 0;
    // Each distinct text with its length before it, side by side.
    std::string texts_;
};

template <typename Each>
void ValueTally::ForEachValue(std::string_view cell, ValueKind kind, Each each) {
    if (kind == ValueKind::kSingle) {
        if (!cell.empty()) each(cell);
        return;
    }
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const char* at = cell.data();
    const char* const end = at + cell.size();
    while (at < end) {
        while (at < end && blank(*at)) ++at;
        const char* const start = at;
        at = FindComma(at, end);
        const char* last = at;
        while (last > start && blank(last[-1])) --last;
        if (last > start) each(std::string_view(start, static_cast<std::size_t>(last - start)));
        ++at;  // past the comma
    }
}

}  // namespace views
