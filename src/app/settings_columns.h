#pragma once

#include <string>
#include <vector>

#include "core/video_column.h"
#include "platform/prompts.h"

namespace app {

// The column lists of the Settings window's "My Videos" page, over a working copy of the column
// table. Only toggleable columns take part: the others can be neither hidden, shown nor renamed
// here. Entries are ListIndexes.
class SettingsColumns {
  public:
    enum class Side { kHidden, kVisible };
    // The length limit of the "Column Name" field, in characters.
    static constexpr int kMaxNameLength = 14;

    // Fills both lists in ListIndex order; nothing is selected.
    explicit SettingsColumns(std::vector<core::VideoColumn> columns);

    const std::vector<core::VideoColumn>& Columns() const { return columns_; }
    const std::vector<int>& Hidden() const { return hidden_; }
    const std::vector<int>& Visible() const { return visible_; }
    const core::VideoColumn& Column(int list_index) const;

    // Selects the entry at `position` of one list (-1: none) and clears the other list's selection.
    void Select(Side side, int position);
    Side SelectedSide() const { return side_; }
    // Position of the selected entry in its list, or -1.
    int SelectedPosition() const { return position_; }
    // ListIndex of the selected column, or -1.
    int SelectedColumn() const;

    bool ShowEnabled() const { return side_ == Side::kHidden && SelectedColumn() >= 0; }
    // At least one toggleable column stays visible.
    bool HideEnabled() const {
        return side_ == Side::kVisible && SelectedColumn() >= 0 && visible_.size() > 1;
    }
    // ">>": the selected hidden column is shown; "Visible Columns" keeps ListIndex order and the
    // moved column stays selected there.
    void Show();
    // "<<": the selected visible column is hidden and appended to "Hidden Columns", selected.
    void Hide();

    // "Column Name" and "Change" serve custom columns only.
    bool RenameEnabled() const;
    // The name field's text for the selection: the custom column's name, else empty.
    std::string NameFieldText() const;
    // "Change": an empty (or blank) name does nothing; a name that another column has, in any
    // letter case, is refused with a tip. Returns whether the column took the name.
    bool Rename(const std::string& name, platform::Prompts& prompts);

  private:
    std::vector<int>& ListOf(Side side) { return side == Side::kHidden ? hidden_ : visible_; }
    const std::vector<int>& ListOf(Side side) const {
        return side == Side::kHidden ? hidden_ : visible_;
    }
    void RebuildVisible();

    std::vector<core::VideoColumn> columns_;
    std::vector<int> hidden_;
    std::vector<int> visible_;
    Side side_ = Side::kVisible;
    int position_ = -1;
};

}  // namespace app
