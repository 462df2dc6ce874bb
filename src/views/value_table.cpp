#include "views/value_table.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <numeric>
#include <unordered_map>

#include "core/text.h"
#include "views/statistics_texts.h"

namespace views {
namespace {

// Progress is reported in batches: a step per row would cost more than the counting.
constexpr int kRowsPerStep = 1024;

// Hashing and equality of values ignoring ASCII case, so that lookups need no folded copies.
struct FoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        std::uint64_t hash = 1469598103934665603ull;
        for (char c : text) {
            hash ^= static_cast<unsigned char>(core::FoldAscii(c));
            hash *= 1099511628211ull;
        }
        return static_cast<std::size_t>(hash);
    }
};
struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        return core::EqualsNoCase(a, b);
    }
};

struct Tally {
    std::string_view value;  // the first form met; points into the list, which stays unchanged
    int count = 0;
    int last_row = -1;
};

// The distinct values of a field with their counts, each row counted once per value.
class ValueTally {
  public:
    void Add(std::string_view value, int row) {
        auto [found, added] = index_.try_emplace(value, tallies_.size());
        if (added) tallies_.push_back({value});
        Tally& tally = tallies_[found->second];
        if (tally.last_row == row) return;
        tally.last_row = row;
        ++tally.count;
    }
    std::vector<Tally>& Sorted() {
        std::sort(tallies_.begin(), tallies_.end(), [](const Tally& a, const Tally& b) {
            return core::CompareNoCase(a.value, b.value) < 0;
        });
        return tallies_;
    }

  private:
    std::unordered_map<std::string_view, std::size_t, FoldedHash, FoldedEqual> index_;
    std::vector<Tally> tallies_;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

template <typename Each>
void ForEachName(std::string_view cell, Each each) {
    std::size_t start = 0;
    while (start <= cell.size()) {
        std::size_t comma = cell.find(',', start);
        if (comma == std::string_view::npos) comma = cell.size();
        std::size_t first = start, last = comma;
        while (first < last && IsBlank(cell[first])) ++first;
        while (last > first && IsBlank(cell[last - 1])) --last;
        if (last > first) each(cell.substr(first, last - first));
        start = comma + 1;
    }
}

std::string InformationText(const char* verb, std::string_view field) {
    return core::FormatText("%s %s %s", {verb, field, "Information..."});
}

// The leading decimal number of a cell without letters, if it starts with one.
std::optional<double> NumberOf(std::string_view cell) {
    for (char c : cell) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return std::nullopt;
    }
    while (!cell.empty() && IsBlank(cell.front())) cell.remove_prefix(1);
    if (!cell.empty() && cell.front() == '+') cell.remove_prefix(1);
    double number = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), number);
    if (error != std::errc()) return std::nullopt;
    return number;
}

}  // namespace

std::string ValueTable::Heading() const {
    return core::FormatText("%s - %d", {field, std::to_string(rows.size())});
}

std::string LoadingText(std::string_view field) {
    return InformationText("Loading", field);
}

std::optional<ValueTable> CountValues(const core::VideoList& videos, std::string_view field,
                                      ValueKind kind, std::stop_token stop,
                                      platform::Progress& progress) {
    const int column = videos.ColumnIndexOf(field);
    const int rows = column >= 0 ? videos.RowCount() : 0;
    ValueTally tally;
    progress.Begin(rows, InformationText("Compiling", field));
    for (int row = 0; row < rows; ++row) {
        if (stop.stop_requested()) return std::nullopt;
        const std::string_view cell = videos.Row(row).Cell(column);
        if (kind == ValueKind::kSingle) {
            if (!cell.empty()) tally.Add(cell, row);
        } else {
            ForEachName(cell, [&](std::string_view name) { tally.Add(name, row); });
        }
        if ((row + 1) % kRowsPerStep == 0) progress.Step(kRowsPerStep);
    }
    progress.Step(rows % kRowsPerStep);

    std::vector<Tally>& values = tally.Sorted();
    ValueTable table{std::string(field), {}};
    table.rows.reserve(values.size());
    progress.Begin(static_cast<std::int64_t>(values.size()), LoadingText(field));
    const int all_rows = videos.RowCount();
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (stop.stop_requested()) return std::nullopt;
        const Tally& value = values[i];
        table.rows.push_back({std::string(value.value), std::to_string(value.count),
                              PercentText(value.count, all_rows)});
        if ((i + 1) % kRowsPerStep == 0) progress.Step(kRowsPerStep);
    }
    progress.Step(static_cast<std::int64_t>(values.size() % kRowsPerStep));
    return table;
}

int CompareValueCells(std::string_view a, std::string_view b) {
    if (a.empty() || b.empty()) return static_cast<int>(!a.empty()) - static_cast<int>(!b.empty());
    const std::optional<double> number_a = NumberOf(a);
    const std::optional<double> number_b = NumberOf(b);
    if (number_a && number_b) {
        if (*number_a != *number_b) return *number_a < *number_b ? -1 : 1;
        return core::CompareNoCase(a, b);
    }
    if (number_a || number_b) return number_a ? -1 : 1;
    return core::CompareNoCase(a, b);
}

std::vector<std::size_t> SortValueRows(std::vector<ValueRow>& rows, int column, bool ascending) {
    const auto cell = [&rows, column](std::size_t index) -> const std::string& {
        const ValueRow& row = rows[index];
        return column == 0 ? row.value : column == 1 ? row.count : row.percent;
    };
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int compared = CompareValueCells(cell(a), cell(b));
        return ascending ? compared < 0 : compared > 0;
    });
    std::vector<ValueRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t index : order) sorted.push_back(std::move(rows[index]));
    rows = std::move(sorted);
    return order;
}

}  // namespace views
