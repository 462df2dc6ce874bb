#pragma once

#include <string>
#include <vector>

#include "core/video_list.h"

namespace online {

constexpr const char* kAllColumns = "All Columns";

// The "Inside" choices of the search panes: "All Columns", then every searchable column's name
// in table order.
std::vector<std::string> InsideChoices(const core::VideoList& list);

// The columns a search looks into: every searchable column but the first ("Key") for "All
// Columns", else the named column (whatever its searchable flag).
std::vector<int> ColumnsInside(const core::VideoList& list, const std::string& inside);

}  // namespace online
