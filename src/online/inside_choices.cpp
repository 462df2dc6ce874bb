#include "online/inside_choices.h"

namespace online {

std::vector<std::string> InsideChoices(const core::VideoList& list) {
    std::vector<std::string> choices = {kAllColumns};
    for (const core::VideoColumn& column : list.Columns()) {
        if (column.Searchable) choices.push_back(column.Name);
    }
    return choices;
}

std::vector<int> ColumnsInside(const core::VideoList& list, const std::string& inside) {
    std::vector<int> columns;
    if (inside != kAllColumns) {
        const int index = list.ColumnIndexOf(inside);
        if (index >= 0) columns.push_back(index);
        return columns;
    }
    for (const core::VideoColumn& column : list.Columns()) {
        if (column.Searchable && column.ListIndex > 0) columns.push_back(column.ListIndex);
    }
    return columns;
}

}  // namespace online
