#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/video_column.h"

// The column table of a list read from a page: "Key" and "Flag", then one column per heading of
// the page, then the columns the page did not have.
namespace html {

class HtmlListColumns {
  public:
    // Adds the column of a heading; false (and nothing added) when it has no place: the table is
    // full, every custom slot is taken, or a column of that name exists.
    bool AddHeading(std::string_view heading);
    // The ListIndex of the column of the n-th heading (0-based), or -1 for a heading that was
    // dropped or never read.
    int ColumnOfHeading(std::size_t heading) const;
    int HeadingCount() const { return static_cast<int>(heading_columns_.size()); }

    // The full table: the built-in columns the page lacked, hidden, then custom columns "Misc1",
    // "Misc2" … on the free custom slots, up to 23 columns.
    std::vector<core::VideoColumn> Completed() &&;

  private:
    bool Has(std::string_view name) const;
    bool SlotTaken(int file_slot) const;
    // The first custom slot that no column uses, or -1.
    int FreeCustomSlot() const;
    void AddKeyAndFlag();

    std::vector<core::VideoColumn> columns_;
    std::vector<int> heading_columns_;
};

}  // namespace html
