#pragma once

#include <optional>
#include <string>
#include <string_view>

// The column table of My Videos: which columns a database has, where each cell is stored in the
// main file and how each column is shown.
namespace core {

// A record has 23 cells, one per column; the main file stores them in 23 slots.
constexpr int kMaxColumns = 23;
constexpr int kSlotCount = 23;

// The fixed slots of the built-in columns.
namespace slot {
constexpr int kKey = 0;
constexpr int kNumber = 1;
constexpr int kYear = 2;
constexpr int kTitle = 3;
constexpr int kMpaa = 4;
constexpr int kDuration = 5;
constexpr int kDateAdded = 11;
constexpr int kLastViewed = 12;
constexpr int kCategory = 13;
constexpr int kCast = 16;
constexpr int kDirector = 17;
constexpr int kProducer = 18;
constexpr int kWriter = 19;
constexpr int kSynopsis = 20;
constexpr int kFlag = 21;
constexpr int kFlagValue = 22;
}  // namespace slot

// Names of the built-in columns.
namespace column_name {
constexpr std::string_view kKey = "Key";
constexpr std::string_view kNumber = "#";
constexpr std::string_view kYear = "Year";
constexpr std::string_view kTitle = "Title";
constexpr std::string_view kMpaa = "MPAA";
constexpr std::string_view kDuration = "Duration";
constexpr std::string_view kDateAdded = "Date Added";
constexpr std::string_view kLastViewed = "Last Viewed";
constexpr std::string_view kCategory = "Category";
constexpr std::string_view kCast = "Cast";
constexpr std::string_view kDirector = "Director";
constexpr std::string_view kProducer = "Producer";
constexpr std::string_view kWriter = "Writer";
constexpr std::string_view kSynopsis = "Synopsis";
constexpr std::string_view kFlag = "Flag";
constexpr std::string_view kFlagValue = "Flag Value";
}  // namespace column_name

// One column definition; its properties in the order the header file stores them.
struct VideoColumn {
    std::string Name;        // title and the key by which code finds the column
    int ListIndex = 0;       // index of the column's cell in every record
    bool Visible = true;     // shown in the list
    bool Custom = false;     // user-defined
    bool Toggleable = true;  // the user may hide or show it
    int FileSlot = 0;        // line of the cell inside a record block of the main file
    bool Searchable = true;
    bool Sortable = true;
    bool HtmlShown = true;
    bool HtmlAvailable = false;
    int HtmlOrder = 0;
    int Width = 0;  // pixels; 0 when hidden

    bool operator==(const VideoColumn&) const = default;
};

// The name of the built-in column of a slot, or empty for a custom slot.
std::string_view BuiltInNameOfSlot(int file_slot);
// The slot of a built-in column name (exact), or nothing.
std::optional<int> BuiltInSlotOf(std::string_view name);

// A column with the options a built-in name has when a table is built from scratch; any other
// name makes a custom column.
VideoColumn BuiltInColumn(std::string_view name, int file_slot, int list_index);

// The title shown in the list's header: the name, except that "#", "Flag" and "Flag Value" show
// no title.
std::string DisplayTitleOf(const VideoColumn& column);

}  // namespace core
