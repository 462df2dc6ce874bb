#pragma once
// The widest table a database can have: every built-in column, the unnamed slots as "Misc1"...,
// so that readers fill every field they know.

#include <string>
#include <utility>
#include <vector>

#include "core/video_column.h"
#include "core/video_list.h"

namespace fuzz {

inline void SetFullColumns(core::VideoList& list) {
    std::vector<core::VideoColumn> columns;
    int custom = 0;
    for (int slot = 0; slot < core::kSlotCount; ++slot) {
        std::string name(core::BuiltInNameOfSlot(slot));
        if (name.empty()) name = "Misc" + std::to_string(++custom);
        columns.push_back(core::BuiltInColumn(name, slot, slot));
    }
    list.SetColumns(std::move(columns));
}

}  // namespace fuzz
