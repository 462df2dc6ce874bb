#include "app/list_sorting.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/text.h"

namespace app {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool DigitsAt(std::string_view text, std::initializer_list<int> positions) {
    return std::all_of(positions.begin(), positions.end(),
                       [&](int p) { return IsDigit(text[static_cast<std::size_t>(p)]); });
}

bool IsDate(std::string_view t) {
    return t.size() == 10 && DigitsAt(t, {0, 1, 3, 4, 6, 7});
}
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

// The first eight bytes of a folded text as one big-endian number (missing bytes are 0), so
// that comparing two numbers compares the texts' beginnings.
std::uint64_t PrefixOf(std::string_view folded) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        prefix = (prefix << 8) | (i < folded.size() ? static_cast<unsigned char>(folded[i]) : 0u);
    }
    return prefix;
}

// The groups of cells, in ascending order. Dates and durations each sort among their own kind,
// so that one odd cell cannot change how the others compare; every other cell follows them, in
// the order of the text rule with the numbers placed where a digit sorts (before the texts that
// begin with a digit) and compared by their leading number.
enum Group : std::uint8_t {
    kEmpty,
    kDate,
    kDuration,
    kTextBeforeDigits,
    kNumeric,
    kTextFromDigit,
    kTextAfterDigits,
};
constexpr std::size_t kGroupCount = kTextAfterDigits + 1;

bool IsTextGroup(Group group) {
    return group == kTextBeforeDigits || group == kTextFromDigit || group == kTextAfterDigits;
}

// A group's place in the order of the direction: descending is ascending turned round.
std::size_t Rank(Group group, bool ascending) {
    const std::size_t place = group;
    return ascending ? place : kGroupCount - 1 - place;
}

// What the sort compares of one cell: its group, then a number (a date's, duration's or number's
// value, or a text's folded first eight bytes), then the rest of a folded text, kept with all the
// others in one block of memory so that comparing two long texts does not reach into the rows.
struct SortKey {
    std::uint64_t number = 0;
    std::uint32_t text_start = 0;  // in the block of folded texts
    std::uint32_t text_length = 0;
    std::uint32_t row = 0;
    Group group = kEmpty;
};

// The keys of a column and the folded texts they refer to.
class ColumnKeys {
  public:
    explicit ColumnKeys(std::size_t rows) { keys_.reserve(rows); }

    void Add(std::string_view cell) {
        SortKey key;
        key.row = static_cast<std::uint32_t>(keys_.size());
        if (cell.empty()) {
            key.group = kEmpty;
        } else if (IsNumeric(cell)) {
            AddNumeric(key, cell);
        } else {
            const auto first = static_cast<unsigned char>(core::FoldAscii(cell.front()));
            key.group = IsDigit(static_cast<char>(first)) ? kTextFromDigit
                        : first < '0'                     ? kTextBeforeDigits
                                                          : kTextAfterDigits;
            key.text_start = static_cast<std::uint32_t>(texts_.size());
            key.text_length = static_cast<std::uint32_t>(cell.size());
            for (char c : cell) texts_.push_back(core::FoldAscii(c));
            key.number = PrefixOf(Text(key));
        }
        keys_.push_back(key);
    }

    // The keys in their new order: the groups in the order of the direction, and within a group
    // the keys sorted by their values. Descending is ascending turned round. Equal values keep
    // their rows' order in both directions (the row decides last, which makes the quicker
    // unstable sort give the stable result).
    std::vector<SortKey> SortedKeys(bool ascending) const {
        // Where each group begins, then every key placed in its group in row order.
        std::array<std::size_t, kGroupCount> begin{};
        for (const SortKey& key : keys_) ++begin[Rank(key.group, ascending)];
        std::size_t next = 0;
        for (std::size_t& start : begin) next += std::exchange(start, next);
        std::array<std::size_t, kGroupCount> end = begin;
        std::vector<SortKey> sorted(keys_.size());
        for (const SortKey& key : keys_) sorted[end[Rank(key.group, ascending)]++] = key;

        for (std::size_t rank = 0; rank < kGroupCount; ++rank) {
            SortGroup(sorted.begin() + static_cast<std::ptrdiff_t>(begin[rank]),
                      sorted.begin() + static_cast<std::ptrdiff_t>(end[rank]), ascending);
        }
        return sorted;
    }

  private:
    static void AddNumeric(SortKey& key, std::string_view cell) {
        if (IsDate(cell)) {
            key.group = kDate;
            key.number = static_cast<std::uint64_t>(DateKey(cell));
        } else if (IsDuration(cell)) {
            key.group = kDuration;
            key.number = static_cast<std::uint64_t>(DigitsValue(cell));
        } else {
            key.group = kNumeric;
            key.number = static_cast<std::uint64_t>(LeadingNumber(cell));
        }
    }

    using KeyIterator = std::vector<SortKey>::iterator;

    void SortGroup(KeyIterator begin, KeyIterator end, bool ascending) const {
        if (begin == end || begin->group == kEmpty) return;  // empty cells stay in row order
        if (!IsTextGroup(begin->group)) {
            std::sort(begin, end, [ascending](const SortKey& a, const SortKey& b) {
                if (a.number != b.number) return ascending == (a.number < b.number);
                return a.row < b.row;
            });
            return;
        }
        std::sort(begin, end, [this, ascending](const SortKey& a, const SortKey& b) {
            if (a.number != b.number) return ascending == (a.number < b.number);
            // Folded bytes compared as unsigned, a shorter text first: CompareNoCase's order.
            const int compared = Text(a).compare(Text(b));
            if (compared != 0) return ascending == (compared < 0);
            return a.row < b.row;
        });
    }

    std::string_view Text(const SortKey& key) const {
        return std::string_view(texts_).substr(key.text_start, key.text_length);
    }

    std::vector<SortKey> keys_;
    std::string texts_;
};

// Asks for a row's text a few rows ahead of its use: rows live apart in memory, and fetching
// several at once is much faster than waiting for each in turn.
constexpr std::size_t kPrefetchDistance = 8;
void PrefetchRow(std::span<const core::VideoRecord> rows, std::size_t row, int list_index) {
    if (row < rows.size()) __builtin_prefetch(rows[row].Cell(list_index).data());
}

// Moves every row to its new place: the row at old index keys[i].row goes to index i. Each row
// is moved once, following the cycles of the permutation, and the next row of a cycle is
// fetched while the current one moves.
void ApplyOrder(std::span<core::VideoRecord> rows, const std::vector<SortKey>& keys) {
    std::vector<std::uint32_t> order(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) order[i] = keys[i].row;
    for (std::uint32_t start = 0; start < order.size(); ++start) {
        if (order[start] == start) continue;
        core::VideoRecord held = std::move(rows[start]);
        std::uint32_t to = start;
        while (true) {
            const std::uint32_t from = order[to];
            order[to] = to;
            if (from == start) {
                rows[to] = std::move(held);
                break;
            }
            __builtin_prefetch(&rows[order[from]]);
            rows[to] = std::move(rows[from]);
            to = from;
        }
    }
}

// Three passes of progress: the keys, their sort, the rows moved.
bool Sortable(const core::VideoList& list, int list_index) {
    return list.RowCount() >= 2 && list_index >= 0 && list_index < list.ColumnCount();
}

// The rows' order sorted by a column: the keys read, then sorted (two passes of progress). Only
// reads the rows.
std::vector<SortKey> SortedOrder(std::span<const core::VideoRecord> rows, int list_index,
                                 bool ascending, platform::RowProgress& progress) {
    ColumnKeys column(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        PrefetchRow(rows, row + kPrefetchDistance, list_index);
        column.Add(rows[row].Cell(list_index));
        progress.Row(static_cast<std::int64_t>(row));
    }
    std::vector<SortKey> sorted = column.SortedKeys(ascending);
    progress.Rows(static_cast<std::int64_t>(rows.size()));
    return sorted;
}

void SortRowsShowing(core::VideoList& list, int list_index, bool ascending,
                     platform::RowProgress& progress) {
    if (!Sortable(list, list_index)) return;
    ApplyOrder(list.MutableRows(), SortedOrder(list.Rows(), list_index, ascending, progress));
    progress.Rows(list.RowCount());
}

void RenumberRowsShowing(core::VideoList& list, platform::RowProgress& progress) {
    const int number = list.ColumnIndexOf(core::column_name::kNumber);
    if (number < 0) return;
    std::span<core::VideoRecord> rows = list.MutableRows();
    char text[16];
    for (std::size_t row = 0; row < rows.size(); ++row) {
        PrefetchRow(rows, row + kPrefetchDistance, number);
        const char* end = std::to_chars(text, text + sizeof text, row + 1).ptr;
        const std::string_view wanted(text, static_cast<std::size_t>(end - text));
        if (rows[row].Cell(number) != wanted) rows[row].SetCell(number, wanted);
        progress.Row(static_cast<std::int64_t>(row));
    }
}

std::string SortingText(const core::VideoList& list, int list_index) {
    if (list_index < 0 || list_index >= list.ColumnCount()) return "Sorting";
    return "Sorting by " + list.Column(list_index).Name;
}

}  // namespace

void SortRows(core::VideoList& list, int list_index, bool ascending, platform::Progress* progress) {
    platform::RowProgress shown(progress, list.RowCount(), SortingText(list, list_index), 3);
    SortRowsShowing(list, list_index, ascending, shown);
}

void RenumberRows(core::VideoList& list) {
    platform::RowProgress none(nullptr, 0, {});
    RenumberRowsShowing(list, none);
}

void SortVideos(core::VideoList& list, core::SortState& state, int list_index, int direction,
                platform::Progress* progress, platform::ReadingWork* runner) {
    state.column = list_index;
    state.direction = direction;
    const std::string text = SortingText(list, list_index);
    if (!runner) {
        platform::RowProgress shown(progress, list.RowCount(), text, 4);
        SortRowsShowing(list, list_index, direction != 0, shown);
        RenumberRowsShowing(list, shown);
        return;
    }
    // The order is found beside the window's thread; the rows move and are renumbered here.
    std::vector<SortKey> order;
    if (Sortable(list, list_index)) {
        runner->Run([&](platform::Progress& display) {
            platform::RowProgress shown(&display, list.RowCount(), text, 2);
            order = SortedOrder(list.Rows(), list_index, direction != 0, shown);
        });
    }
    platform::RowProgress shown(progress, list.RowCount(), text, 2);
    if (!order.empty()) ApplyOrder(list.MutableRows(), order);
    shown.Rows(list.RowCount());
    RenumberRowsShowing(list, shown);
}

}  // namespace app
