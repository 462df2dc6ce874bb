#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <unordered_map>

#include "imports/foreign_table.h"

namespace imports {

// Fills a ForeignTable row by row from named values. A name gets its slot the first time any
// row gives it a value, so the fields come in source order and every row's cells line up.
class TableBuilder {
  public:
    void BeginRow();
    // Sets a cell of the current row. An empty value is no value; when the row already has a
    // value for the name (two source fields meaning the same), the first one stays.
    void Set(const std::string& name, std::string value);
    // Marks whether the current row's video is seen; once any row says so, every row has a mark.
    void SetSeen(bool seen);
    void SetCover(std::filesystem::path cover);

    std::size_t RowCount() const { return table_.rows.size(); }
    ForeignTable Take();

  private:
    ForeignTable table_;
    std::unordered_map<std::string, std::size_t> slots_;
    std::vector<bool> seen_;
    bool has_seen_ = false;
};

}  // namespace imports
