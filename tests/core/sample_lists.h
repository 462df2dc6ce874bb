#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/video_column.h"
#include "core/video_list.h"

// Column tables and record blocks that the tests of the list model and the database files share.

// A full table of 23 columns whose display order differs from the slot order, as a database's
// header usually has it: Key, #, Flag, Title, Year, ... Custom columns are named "Misc 1" to "Misc
// 7".
inline std::vector<core::VideoColumn> SampleColumns() {
    static constexpr int kSlotsInOrder[core::kMaxColumns] = {
        0, 1, 21, 3, 2, 4, 5, 13, 11, 12, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18, 19, 20, 22};
    std::vector<core::VideoColumn> columns;
    int custom = 0;
    for (int index = 0; index < core::kMaxColumns; ++index) {
        const int file_slot = kSlotsInOrder[index];
        std::string name(core::BuiltInNameOfSlot(file_slot));
        if (name.empty()) name = "Misc " + std::to_string(++custom);
        core::VideoColumn column = core::BuiltInColumn(name, file_slot, index);
        column.Width = column.Visible ? 40 + index : 0;
        columns.push_back(column);
    }
    return columns;
}

inline core::VideoList SampleList() {
    core::VideoList list;
    list.SetColumns(SampleColumns());
    return list;
}

// The cell of the named column in `row`.
inline std::string CellOf(const core::VideoList& list, int row, std::string_view column_name) {
    return list.GetCell(row, list.ColumnIndexOf(column_name));
}

// One record block of the main file: the given slot texts, every other slot empty, and the
// closing empty line.
inline std::string RecordBlock(std::initializer_list<std::pair<int, std::string>> slot_texts,
                               bool closing_line = true) {
    std::array<std::string, core::kSlotCount> lines;
    for (const auto& [file_slot, text] : slot_texts)
        lines[static_cast<std::size_t>(file_slot)] = text;
    std::string block;
    for (const std::string& line : lines) block += line + '\n';
    if (closing_line) block += '\n';
    return block;
}
