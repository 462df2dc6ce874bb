#include "html/html_list_columns.h"

#include <algorithm>
#include <array>
#include <optional>

namespace html {
namespace {

namespace name = core::column_name;

constexpr std::array<int, 7> kCustomSlots = {6, 7, 8, 9, 10, 14, 15};

bool IsOneOf(std::string_view heading, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), heading) != names.end();
}

bool IsNumberOrFlag(std::string_view heading) {
    return IsOneOf(heading, {name::kNumber, name::kFlag});
}

// Columns that hold long texts or marks: neither sortable nor hidden by the user.
bool IsFixed(std::string_view heading) {
    return IsOneOf(heading, {name::kNumber, name::kFlag, name::kFlagValue, name::kCast,
                             name::kDirector, name::kProducer, name::kWriter, name::kSynopsis});
}

core::VideoColumn HeadingColumn(std::string_view heading, int file_slot, bool custom, int index) {
    core::VideoColumn column;
    column.Name = std::string(heading);
    column.ListIndex = index;
    column.Visible = !IsOneOf(heading, {name::kCast, name::kDirector, name::kProducer,
                                        name::kWriter, name::kSynopsis, name::kFlagValue});
    column.Custom = custom;
    column.Toggleable = !IsFixed(heading);
    column.FileSlot = file_slot;
    column.Searchable = !IsNumberOrFlag(heading);
    column.Sortable = !IsFixed(heading);
    column.HtmlShown = !IsNumberOrFlag(heading);
    column.HtmlAvailable = false;
    column.HtmlOrder = IsNumberOrFlag(heading) ? 0 : index;
    column.Width = 100;
    return column;
}

core::VideoColumn HiddenColumn(std::string name, int file_slot, bool toggleable, bool searchable,
                               bool sortable) {
    core::VideoColumn column;
    column.Name = std::move(name);
    column.Visible = false;
    column.Custom = false;
    column.Toggleable = toggleable;
    column.FileSlot = file_slot;
    column.Searchable = searchable;
    column.Sortable = sortable;
    column.HtmlShown = false;
    column.HtmlAvailable = false;
    column.HtmlOrder = 0;
    column.Width = 100;
    return column;
}

struct MissingColumn {
    std::string_view name;
    int file_slot;
    bool toggleable, searchable, sortable;
};

// The built-in columns a page may lack, in the order they are added.
constexpr std::array<MissingColumn, 15> kMissingColumns = {{
    {name::kTitle, core::slot::kTitle, true, true, true},
    {name::kYear, core::slot::kYear, true, true, true},
    {name::kCast, core::slot::kCast, false, true, false},
    {name::kSynopsis, core::slot::kSynopsis, false, true, false},
    {name::kProducer, core::slot::kProducer, false, true, false},
    {name::kDirector, core::slot::kDirector, false, true, false},
    {name::kWriter, core::slot::kWriter, false, true, false},
    {name::kFlagValue, core::slot::kFlagValue, false, true, false},
    {name::kFlag, core::slot::kFlag, false, false, false},
    {name::kNumber, core::slot::kNumber, false, true, false},
    {name::kMpaa, core::slot::kMpaa, true, true, true},
    {name::kDuration, core::slot::kDuration, true, true, true},
    {name::kLastViewed, core::slot::kLastViewed, true, true, true},
    {name::kDateAdded, core::slot::kDateAdded, true, true, true},
    {name::kCategory, core::slot::kCategory, true, true, true},
}};

}  // namespace

bool HtmlListColumns::Has(std::string_view column_name) const {
    return std::any_of(columns_.begin(), columns_.end(),
                       [&](const core::VideoColumn& c) { return c.Name == column_name; });
}

bool HtmlListColumns::SlotTaken(int file_slot) const {
    return std::any_of(columns_.begin(), columns_.end(),
                       [&](const core::VideoColumn& c) { return c.FileSlot == file_slot; });
}

int HtmlListColumns::FreeCustomSlot() const {
    for (int file_slot : kCustomSlots) {
        if (!SlotTaken(file_slot)) return file_slot;
    }
    return -1;
}

void HtmlListColumns::AddKeyAndFlag() {
    core::VideoColumn key =
        HiddenColumn(std::string(name::kKey), core::slot::kKey, false, false, false);
    key.Width = 0;
    core::VideoColumn flag =
        HiddenColumn(std::string(name::kFlag), core::slot::kFlag, false, false, false);
    flag.Visible = true;
    flag.Width = 13;
    columns_.push_back(std::move(key));
    columns_.push_back(std::move(flag));
}

bool HtmlListColumns::AddHeading(std::string_view heading) {
    if (columns_.empty()) AddKeyAndFlag();
    heading_columns_.push_back(-1);
    // A second column of one name, or of one slot, would save two cells into the same place.
    if (Has(heading) || columns_.size() >= static_cast<std::size_t>(core::kMaxColumns)) {
        return false;
    }
    const std::optional<int> built_in = core::BuiltInSlotOf(heading);
    const int file_slot = built_in ? *built_in : FreeCustomSlot();
    if (file_slot < 0) return false;
    const int index = static_cast<int>(columns_.size());
    columns_.push_back(HeadingColumn(heading, file_slot, !built_in, index));
    heading_columns_.back() = index;
    return true;
}

int HtmlListColumns::ColumnOfHeading(std::size_t heading) const {
    return heading < heading_columns_.size() ? heading_columns_[heading] : -1;
}

std::vector<core::VideoColumn> HtmlListColumns::Completed() && {
    if (columns_.empty()) AddKeyAndFlag();
    for (const MissingColumn& missing : kMissingColumns) {
        if (Has(missing.name)) continue;
        columns_.push_back(HiddenColumn(std::string(missing.name), missing.file_slot,
                                        missing.toggleable, missing.searchable, missing.sortable));
    }
    // A page heading may already be called "Misc1": the filler takes the next free name.
    int number = 1;
    for (int file_slot = FreeCustomSlot(); file_slot >= 0; file_slot = FreeCustomSlot()) {
        std::string filler = "Misc" + std::to_string(number++);
        if (Has(filler)) continue;
        core::VideoColumn column = HiddenColumn(std::move(filler), file_slot, true, true, true);
        column.Custom = true;
        column.HtmlAvailable = true;
        columns_.push_back(std::move(column));
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) columns_[i].ListIndex = static_cast<int>(i);
    return std::move(columns_);
}

}  // namespace html
