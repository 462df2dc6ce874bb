#pragma once

#include <array>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text.h"
#include "core/video_column.h"
#include "core/video_list.h"

// Column tables and record blocks that the tests of the list model and the database files share.

// A full table of 23 columns whose display order differs from the slot order, as a database's
// header usually has it: Key, #, Flag, Title, Year, ... Custom columns are named "Misc 1" to
// "Misc 7".
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

// The cells of the named column, in row order.
inline std::vector<std::string> CellsOf(const core::VideoList& list, std::string_view column) {
    std::vector<std::string> cells;
    for (int row = 0; row < list.RowCount(); ++row) {
        cells.push_back(list.GetCell(row, list.ColumnIndexOf(column)));
    }
    return cells;
}

// The names of the columns, in table order.
inline std::vector<std::string> ColumnNamesOf(const core::VideoList& list) {
    std::vector<std::string> names;
    for (const core::VideoColumn& column : list.Columns()) names.push_back(column.Name);
    return names;
}

// What keeps a column table from being usable, or nothing: it must have 23 columns with "Key"
// first, every slot claimed once, names unique without regard to case, ListIndex equal to the
// position, built-in slots carrying their names and custom slots marked as custom.
inline std::string TableProblem(const core::VideoList& list) {
    if (list.ColumnCount() != core::kMaxColumns)
        return std::to_string(list.ColumnCount()) + " columns";
    if (list.Column(0).Name != "Key" || list.Column(0).FileSlot != 0) return "Key is not first";
    std::set<int> slots;
    std::set<std::string> names;
    for (int index = 0; index < list.ColumnCount(); ++index) {
        const core::VideoColumn& column = list.Column(index);
        const std::string_view built_in = core::BuiltInNameOfSlot(column.FileSlot);
        if (column.FileSlot < 0 || column.FileSlot >= core::kSlotCount ||
            !slots.insert(column.FileSlot).second) {
            return "slot " + std::to_string(column.FileSlot);
        }
        if (column.Name.empty() || !names.insert(core::ToLowerAscii(column.Name)).second) {
            return "name \"" + column.Name + "\"";
        }
        if (column.ListIndex != index) return "ListIndex of " + column.Name;
        if (built_in.empty() ? !column.Custom : column.Custom || column.Name != built_in) {
            return "the kind of " + column.Name;
        }
    }
    return {};
}

// The text with every line feed turned into CR LF.
inline std::string ToCrlf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

// One record block of the main file: the given slot texts, every other slot empty, and the
// closing empty line.
inline std::string RecordBlock(std::initializer_list<std::pair<int, std::string>> slot_texts,
                               bool closing_line = true) {
    std::array<std::string, core::kSlotCount> lines;
    for (const auto& [file_slot, text] : slot_texts) {
        lines[static_cast<std::size_t>(file_slot)] = text;
    }
    std::string block;
    for (const std::string& line : lines) block += line + '\n';
    if (closing_line) block += '\n';
    return block;
}
