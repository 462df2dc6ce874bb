#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/file_result.h"
#include "core/safe_file.h"
#include "core/video_list.h"

// The header file of a database: its column table, one group of 13 lines per column in display
// order (name, ListIndex, Visible, Custom, Toggleable, FileSlot, Searchable, Sortable, HtmlShown,
// HtmlAvailable, HtmlOrder, Width, and an empty line).
namespace core {

// Reads the column groups of a header as they stand, without checking them.
std::vector<VideoColumn> ParseHeaderGroups(std::istream& in);

// Makes a usable column table of what a header held, or nothing when it holds no "Key" column in
// slot 0 (then it is not a header at all). Columns are put in ListIndex order with "Key" first
// and renumbered; a column with a slot outside 0-22 or a slot already taken is dropped; a
// built-in slot carries its built-in name and a custom slot a unique custom name; every slot
// that no column claims gets a hidden column, so no slot's cells are lost when the records are
// written back. A well-formed table passes unchanged.
std::optional<std::vector<VideoColumn>> RepairColumnTable(std::vector<VideoColumn> columns);

// Reads a header into `list`: its column table, display order and widths. The list's rows are
// removed. -1 when the stream fails or holds no usable column table; the list is then unchanged.
FileResult ReadHeader(std::istream& in, VideoList& list);
FileResult ReadHeader(VideoList& list, const std::string& path);

// Stores each column's shown width in its Width (0 when hidden), then writes the columns in
// display order with their display positions as ListIndex.
FileResult WriteHeader(VideoList& list, std::ostream& out);
FileResult WriteHeader(VideoList& list, const std::string& path,
                       FileSystemCalls& calls = FileSystemCalls::System());

}  // namespace core
