#include "views/value_table.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <numeric>

#include "core/text.h"
#include "views/statistics_texts.h"
#include "views/value_tally.h"

namespace views {
namespace {

// Progress is reported in batches: a step per value would cost more than the value.
constexpr int kValuesPerStep = 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
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

std::optional<ValueTable> BuildValueTable(std::string_view field, ValueTally tally, int all_rows,
                                          std::stop_token stop, platform::Progress& progress) {
    const auto distinct = static_cast<std::int64_t>(tally.Size());
    progress.Begin(distinct, InformationText("Compiling", field));
    const std::vector<ValueTally::Value> values = tally.Sorted();
    progress.Step(distinct);

    ValueTable table{std::string(field), {}};
    table.rows.reserve(values.size());
    progress.Begin(distinct, LoadingText(field));
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (stop.stop_requested()) return std::nullopt;
        const ValueTally::Value& value = values[i];
        table.rows.push_back({std::string(tally.Text(value.text)), std::to_string(value.count),
                              PercentText(value.count, all_rows)});
        if ((i + 1) % kValuesPerStep == 0) progress.Step(kValuesPerStep);
    }
    progress.Step(distinct % kValuesPerStep);
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
