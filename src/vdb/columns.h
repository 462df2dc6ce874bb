#pragma once

#include <optional>
#include <string_view>

// The columns a search can look in and the orders a result page can be sorted by, under the
// names the import wizard offers (its vidwiz/tcolumns.txt and vidwiz/scolumns.txt).
namespace vdb {

enum class Column {
    kTitle,
    kYear,
    kCast,
    kDirector,
    kProducer,
    kWriter,
    kCategory,
    kMpaa,
    kSynopsis
};

enum class SortOrder {
    kTitle,
    kYear,
    kMpaa,
    kDuration,
    kCategory,
    kRating,  // best average first
    kNewest,  // latest year first; for the service's own pages
};

// "All" (and an empty name) gives an empty optional in `look_in`; an unknown name gives false.
bool ParseLookIn(std::string_view name, std::optional<Column>& look_in);
// An empty name is the title order; an unknown name gives nothing.
std::optional<SortOrder> ParseSortOrder(std::string_view name);

std::string_view ColumnName(Column column);

}  // namespace vdb
