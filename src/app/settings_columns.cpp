#include "app/settings_columns.h"

#include <algorithm>

#include "core/text.h"

namespace app {

SettingsColumns::SettingsColumns(std::vector<core::VideoColumn> columns)
    : columns_(std::move(columns)) {
    std::vector<const core::VideoColumn*> by_index;
    for (const core::VideoColumn& column : columns_) {
        if (column.Toggleable) by_index.push_back(&column);
    }
    std::stable_sort(by_index.begin(), by_index.end(),
                     [](auto* a, auto* b) { return a->ListIndex < b->ListIndex; });
    for (const core::VideoColumn* column : by_index) {
        (column->Visible ? visible_ : hidden_).push_back(column->ListIndex);
    }
}

const core::VideoColumn& SettingsColumns::Column(int list_index) const {
    for (const core::VideoColumn& column : columns_) {
        if (column.ListIndex == list_index) return column;
    }
    return columns_.at(static_cast<std::size_t>(list_index));
}

void SettingsColumns::Select(Side side, int position) {
    side_ = side;
    const int count = static_cast<int>(ListOf(side).size());
    position_ = position >= 0 && position < count ? position : -1;
}

int SettingsColumns::SelectedColumn() const {
    if (position_ < 0) return -1;
    return ListOf(side_)[static_cast<std::size_t>(position_)];
}

void SettingsColumns::RebuildVisible() {
    visible_.clear();
    std::vector<int> indexes;
    for (const core::VideoColumn& column : columns_) {
        if (column.Toggleable && column.Visible) indexes.push_back(column.ListIndex);
    }
    std::sort(indexes.begin(), indexes.end());
    visible_ = std::move(indexes);
}

void SettingsColumns::Show() {
    if (!ShowEnabled()) return;
    const int moved = SelectedColumn();
    for (core::VideoColumn& column : columns_) {
        if (column.ListIndex == moved) column.Visible = true;
    }
    hidden_.erase(hidden_.begin() + position_);
    RebuildVisible();
    const auto at = std::find(visible_.begin(), visible_.end(), moved);
    Select(Side::kVisible, static_cast<int>(at - visible_.begin()));
}

void SettingsColumns::Hide() {
    if (!HideEnabled()) return;
    const int moved = SelectedColumn();
    for (core::VideoColumn& column : columns_) {
        if (column.ListIndex == moved) column.Visible = false;
    }
    visible_.erase(visible_.begin() + position_);
    hidden_.push_back(moved);
    Select(Side::kHidden, static_cast<int>(hidden_.size()) - 1);
}

bool SettingsColumns::RenameEnabled() const {
    const int selected = SelectedColumn();
    return selected >= 0 && Column(selected).Custom;
}

std::string SettingsColumns::NameFieldText() const {
    return RenameEnabled() ? Column(SelectedColumn()).Name : std::string();
}

bool SettingsColumns::Rename(const std::string& name, platform::Prompts& prompts) {
    if (!RenameEnabled()) return false;
    // A name of blanks only would give the column an invisible title.
    if (name.find_first_not_of(' ') == std::string::npos) return false;
    const int selected = SelectedColumn();
    for (const core::VideoColumn& column : columns_) {
        if (column.ListIndex != selected && core::EqualsNoCase(column.Name, name)) {
            prompts.Message("Duplicate column titles are not allowed.", "Reeldeck Tip",
                            platform::Buttons::kOk, platform::Icon::kError);
            return false;
        }
    }
    for (core::VideoColumn& column : columns_) {
        if (column.ListIndex == selected) column.Name = name;
    }
    return true;
}

}  // namespace app
