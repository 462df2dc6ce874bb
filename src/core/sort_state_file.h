#pragma once

#include <istream>
#include <string>

#include "core/file_result.h"
#include "core/safe_file.h"

// The sort file of a database: the sort column's ListIndex and the direction, on two lines.
namespace core {

struct SortState {
    int column = 11;    // ListIndex of the sorted column ("Date Added" in a new database)
    int direction = 1;  // 1 ascending, 0 descending
    bool operator==(const SortState&) const = default;
};

// Reads the two numbers into `state`; a number that is missing keeps its current value.
FileResult ReadSortState(std::istream& in, SortState& state);
// A missing file is not an error for the caller: it returns -1 and `state` keeps its values.
FileResult ReadSortState(SortState& state, const std::string& path);
// "column\ndirection", the second line without a line feed.
FileResult WriteSortState(const SortState& state, const std::string& path,
                          FileSystemCalls& calls = FileSystemCalls::System());

}  // namespace core
