#include "vdb/columns.h"

#include <array>
#include <utility>

#include "core/text.h"

namespace vdb {
namespace {

constexpr std::array<std::pair<std::string_view, Column>, 9> kColumns = {{
    {"Title", Column::kTitle},
    {"Year", Column::kYear},
    {"Cast", Column::kCast},
    {"Director", Column::kDirector},
    {"Producer", Column::kProducer},
    {"Writer", Column::kWriter},
    {"Category", Column::kCategory},
    {"MPAA Rating", Column::kMpaa},
    {"Synopsis", Column::kSynopsis},
}};

// The first five are the wizard's result-list headings, so that its own sorting of a page
// agrees with the order the page came in.
constexpr std::array<std::pair<std::string_view, SortOrder>, 6> kSortOrders = {{
    {"Title", SortOrder::kTitle},
    {"Year", SortOrder::kYear},
    {"MPAA Rating", SortOrder::kMpaa},
    {"Duration", SortOrder::kDuration},
    {"Category", SortOrder::kCategory},
    {"Rating", SortOrder::kRating},
}};

}  // namespace

bool ParseLookIn(std::string_view name, std::optional<Column>& look_in) {
    look_in.reset();
    if (name.empty() || core::EqualsNoCase(name, "All")) return true;
    for (const auto& [known, column] : kColumns) {
        if (core::EqualsNoCase(name, known)) {
            look_in = column;
            return true;
        }
    }
    return false;
}

std::optional<SortOrder> ParseSortOrder(std::string_view name) {
    if (name.empty()) return SortOrder::kTitle;
    for (const auto& [known, order] : kSortOrders) {
        if (core::EqualsNoCase(name, known)) return order;
    }
    return std::nullopt;
}

std::string_view ColumnName(Column column) {
    for (const auto& [name, known] : kColumns) {
        if (known == column) return name;
    }
    return {};
}

}  // namespace vdb
