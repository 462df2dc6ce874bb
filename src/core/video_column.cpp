#include "core/video_column.h"

#include <algorithm>
#include <array>

#include "core/text.h"

namespace core {
namespace {

struct BuiltIn {
    std::string_view name;
    int slot;
};

constexpr std::array<BuiltIn, 16> kBuiltIns = {{
    {column_name::kKey, slot::kKey},
    {column_name::kNumber, slot::kNumber},
    {column_name::kYear, slot::kYear},
    {column_name::kTitle, slot::kTitle},
    {column_name::kMpaa, slot::kMpaa},
    {column_name::kDuration, slot::kDuration},
    {column_name::kDateAdded, slot::kDateAdded},
    {column_name::kLastViewed, slot::kLastViewed},
    {column_name::kCategory, slot::kCategory},
    {column_name::kCast, slot::kCast},
    {column_name::kDirector, slot::kDirector},
    {column_name::kProducer, slot::kProducer},
    {column_name::kWriter, slot::kWriter},
    {column_name::kSynopsis, slot::kSynopsis},
    {column_name::kFlag, slot::kFlag},
    {column_name::kFlagValue, slot::kFlagValue},
}};

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Built-in columns that hold long texts or flags: hidden at first, never sorted or toggled.
bool IsDetailColumn(std::string_view name) {
    using namespace column_name;
    return IsOneOf(name, {kFlagValue, kCast, kDirector, kProducer, kWriter, kSynopsis});
}

}  // namespace

std::string_view BuiltInNameOfSlot(int file_slot) {
    for (const BuiltIn& built_in : kBuiltIns) {
        if (built_in.slot == file_slot) return built_in.name;
    }
    return {};
}

std::optional<int> BuiltInSlotOf(std::string_view name) {
    for (const BuiltIn& built_in : kBuiltIns) {
        if (built_in.name == name) return built_in.slot;
    }
    return std::nullopt;
}

VideoColumn BuiltInColumn(std::string_view name, int file_slot, int list_index) {
    using namespace column_name;
    VideoColumn column;
    column.Name = std::string(name);
    column.ListIndex = list_index;
    column.FileSlot = file_slot;
    if (name == kKey) {
        column.Visible = column.Custom = column.Toggleable = false;
        column.Searchable = column.Sortable = column.HtmlShown = column.HtmlAvailable = false;
        column.HtmlOrder = column.Width = 0;
        return column;
    }
    const bool built_in = BuiltInSlotOf(name).has_value();
    const bool number_or_flag = name == kNumber || name == kFlag;
    column.Visible = !(built_in && IsDetailColumn(name));
    column.Custom = !built_in;
    column.Toggleable = !(built_in && (number_or_flag || IsDetailColumn(name)));
    column.Searchable = !(built_in && number_or_flag);
    column.Sortable = !(built_in && (number_or_flag || IsDetailColumn(name)));
    column.HtmlShown = !(built_in && number_or_flag);
    column.HtmlAvailable = false;
    column.HtmlOrder = list_index;
    column.Width = 0;
    return column;
}

std::string DisplayTitleOf(const VideoColumn& column) {
    using namespace column_name;
    if (EqualsNoCase(column.Name, kNumber) || EqualsNoCase(column.Name, kFlag) ||
        EqualsNoCase(column.Name, kFlagValue)) {
        return {};
    }
    return column.Name;
}

}  // namespace core
