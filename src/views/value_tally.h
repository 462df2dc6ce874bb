#pragma once

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
    // Asks for the place where the value would be counted to be fetched from memory, so that a
    // later Add() of it need not wait.
    void Prefetch(const FoldedKey& value) const {
        __builtin_prefetch(slots_.data() + (value.hash & (slots_.size() - 1)));
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
    // half a million names). A slot holds all a lookup reads, in one half of a cache line: the
    // folded start of the value (most names fit in it whole, so their text is not read) and
    // the count.
    struct alignas(32) Slot {
        std::uint64_t head[2] = {0, 0};  // as in FoldedKey
        std::uint32_t length = 0;        // of the value; 0 for a free slot
        std::uint32_t text = 0;          // where the first form met is kept
        int count = 0;
        int last_row = -1;
    };
    // Whether the slot's value and `value`, whose heads are the same, are the same after them.
    bool SameTail(const Slot& slot, const FoldedKey& value) const;
    void Grow();

    std::vector<Slot> slots_ = std::vector<Slot>(64);  // a power of two, never empty
    std::size_t size_ = 0;
    // Each distinct text with its length before it, side by side.
    std::string texts_ = std::string(1, '\0');  // a text is never at 0
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
