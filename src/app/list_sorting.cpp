#include "app/list_sorting.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "core/text.h"

namespace app {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool DigitsAt(std::string_view text, std::initializer_list<int> positions) {
    return std::all_of(positions.begin(), positions.end(),
                       [&](int p) { return IsDigit(text[static_cast<std::size_t>(p)]); });
}

bool IsDate(std::string_view t) { return t.size() == 10 && DigitsAt(t, {0, 1, 3, 4, 6, 7}); }
bool IsDuration(std::string_view t) {
    return t.size() == 8 && DigitsAt(t, {0, 1, 3, 4}) && t[2] == ':' && t[5] == ':';
}
// No letter, and a digit at both ends.
bool IsNumeric(std::string_view t) {
    return !t.empty() && IsDigit(t.front()) && IsDigit(t.back()) &&
           std::none_of(t.begin(), t.end(), IsLetter);
}

std::int64_t DigitsValue(std::string_view text) {
    std::int64_t value = 0;
    for (char c : text) {
        if (IsDigit(c) && value < (INT64_MAX - 9) / 10) value = value * 10 + (c - '0');
    }
    return value;
}

// 03/07/2004 reads as 20040307.
std::int64_t DateKey(std::string_view t) {
    return DigitsValue(t.substr(6, 4)) * 10000 + DigitsValue(t.substr(0, 2)) * 100 +
           DigitsValue(t.substr(3, 2));
}

// The leading digits as a number (12/25/2001 reads as 12).
std::int64_t LeadingNumber(std::string_view t) {
    std::size_t end = 0;
    while (end < t.size() && IsDigit(t[end])) ++end;
    return DigitsValue(t.substr(0, end));
}

enum Group : std::uint8_t { kEmpty, kTextBeforeDigits, kNumeric, kTextFromDigit, kTextAfterDigits };

struct SortKey {
    Group group;
    std::int64_t number;
    std::string_view text;
};

enum class NumericMode { kDate, kDuration, kNumber };

NumericMode ModeOfColumn(const core::VideoList& list, int list_index) {
    bool all_dates = true;
    bool all_durations = true;
    for (int row = 0; row < list.RowCount(); ++row) {
        std::string_view cell = list.Cell(row, list_index);
        if (!IsNumeric(cell)) continue;
        all_dates = all_dates && IsDate(cell);
        all_durations = all_durations && IsDuration(cell);
    }
    if (all_dates) return NumericMode::kDate;
    if (all_durations) return NumericMode::kDuration;
    return NumericMode::kNumber;
}

SortKey KeyOf(std::string_view cell, NumericMode mode) {
    if (cell.empty()) return {kEmpty, 0, cell};
    if (IsNumeric(cell)) {
        switch (mode) {
            case NumericMode::kDate: return {kNumeric, DateKey(cell), cell};
            case NumericMode::kDuration: return {kNumeric, DigitsValue(cell), cell};
            case NumericMode::kNumber: return {kNumeric, LeadingNumber(cell), cell};
        }
    }
    const char first = core::FoldAscii(cell.front());
    const Group group = IsDigit(first) ? kTextFromDigit
                        : static_cast<unsigned char>(first) < '0' ? kTextBeforeDigits
                                                                  : kTextAfterDigits;
    return {group, 0, cell};
}

// Three-way comparison of two non-empty keys in ascending order.
int CompareKeys(const SortKey& a, const SortKey& b) {
    if (a.group != b.group) return a.group < b.group ? -1 : 1;
    if (a.group == kNumeric) {
        if (a.number != b.number) return a.number < b.number ? -1 : 1;
        return 0;
    }
    return core::CompareNoCase(a.text, b.text);
}

}  // namespace

void SortRows(core::VideoList& list, int list_index, bool ascending) {
    const int rows = list.RowCount();
    if (rows < 2 || list_index < 0 || list_index >= list.ColumnCount()) return;
    const NumericMode mode = ModeOfColumn(list, list_index);
    std::vector<SortKey> keys;
    keys.reserve(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) keys.push_back(KeyOf(list.Cell(row, list_index), mode));

    std::vector<int> order(static_cast<std::size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        const SortKey& a = keys[static_cast<std::size_t>(x)];
        const SortKey& b = keys[static_cast<std::size_t>(y)];
        // Empty cells first when ascending, last when descending.
        if ((a.group == kEmpty) != (b.group == kEmpty)) return (a.group == kEmpty) == ascending;
        if (a.group == kEmpty) return false;
        const int compared = CompareKeys(a, b);
        return ascending ? compared < 0 : compared > 0;
    });

    // Move the rows into their new order.
    std::span<core::VideoRecord> records = list.MutableRows();
    std::vector<core::VideoRecord> sorted;
    sorted.reserve(static_cast<std::size_t>(rows));
    for (int index : order) sorted.push_back(std::move(records[static_cast<std::size_t>(index)]));
    std::move(sorted.begin(), sorted.end(), records.begin());
}

void RenumberRows(core::VideoList& list) {
    const int number = list.ColumnIndexOf(core::column_name::kNumber);
    if (number < 0) return;
    for (int row = 0; row < list.RowCount(); ++row) list.SetCell(row, number, std::to_string(row + 1));
}

void SortVideos(core::VideoList& list, core::SortState& state, int list_index, int direction) {
    state.column = list_index;
    state.direction = direction;
    SortRows(list, list_index, direction != 0);
    RenumberRows(list);
}

}  // namespace app
