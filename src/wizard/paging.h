#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Paging through the results of a search: the start index, the page size ("List") and the total.
namespace wizard {

constexpr int kMinListCount = 1;
constexpr int kMaxListCount = 50;

// The window title after a search that gave `shown` results of `total`, the page beginning at
// `start`: "Video Import Wizard - Results: 51-100 of 120".
std::string ResultsTitle(std::int64_t start, std::int64_t shown, std::int64_t total);

// The page size kept within 1 to 50.
int ClampListCount(long long count);

// "List" as typed: an empty field becomes 1, a text not beginning with a digit is ignored
// (nothing), a number is kept within 1 to 50. The field shows the value returned.
std::optional<int> ListCountOfTyped(std::string_view typed);

// "<<": back one page, not below 0. ">>": on one page, unless the list shows no result.
std::int64_t PreviousStart(std::int64_t start, int list_count);
std::int64_t NextStart(std::int64_t start, int list_count, bool results_empty);

// The states of the form's buttons.
struct PageButtons {
    bool search = true;
    bool previous = false;
    bool next = false;
    bool switch_manual = false;
    bool operator==(const PageButtons&) const = default;
};

// While a query runs every one of them rests.
PageButtons ButtonsWhileBusy();
// When no query runs: "<<" from the second result on, ">>" while results lie beyond this page,
// "Switch Manual" for a user with full access.
PageButtons ButtonsWhenIdle(std::int64_t start, int list_count, std::int64_t total,
                            bool full_access);

}  // namespace wizard
