#include "core/header_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <set>

#include "core/line_reader.h"
#include "core/paths.h"
#include "core/read_file.h"
#include "core/text.h"

namespace core {
namespace {

constexpr int kGroupLines = 13;
constexpr int kNumbersPerGroup = 11;
constexpr int kDefaultVisibleWidth = 100;

bool AsSwitch(int value) { return value != 0; }

VideoColumn ColumnFromGroup(std::string_view name, const std::array<int, kNumbersPerGroup>& n) {
    VideoColumn column;
    column.Name = std::string(name);
    column.ListIndex = n[0];
    column.Visible = AsSwitch(n[1]);
    column.Custom = AsSwitch(n[2]);
    column.Toggleable = AsSwitch(n[3]);
    column.FileSlot = n[4];
    column.Searchable = AsSwitch(n[5]);
    column.Sortable = AsSwitch(n[6]);
    column.HtmlShown = AsSwitch(n[7]);
    column.HtmlAvailable = AsSwitch(n[8]);
    column.HtmlOrder = n[9];
    column.Width = std::max(0, n[10]);
    if (!column.Visible) column.Width = 0;
    return column;
}

// A name for a custom slot that no other column has.
std::string FreeCustomName(int file_slot, const std::set<std::string>& taken_folded) {
    std::string name = "Custom " + std::to_string(file_slot);
    for (int n = 2; taken_folded.count(ToLowerAscii(name)) != 0; ++n) {
        name = "Custom " + std::to_string(file_slot) + "-" + std::to_string(n);
    }
    return name;
}

// True if `name` is a built-in column's name, ignoring case. Every built-in slot ends up with a
// column of its built-in name, so no custom column may take one.
bool IsBuiltInNameNoCase(std::string_view name) {
    for (int file_slot = 0; file_slot < kSlotCount; ++file_slot) {
        std::string_view built_in = BuiltInNameOfSlot(file_slot);
        if (!built_in.empty() && EqualsNoCase(built_in, name)) return true;
    }
    return false;
}

}  // namespace

std::vector<VideoColumn> ParseHeaderGroups(std::istream& in) {
    std::vector<VideoColumn> columns;
    LineReader lines(in);
    std::string_view line;
    std::string name;
    std::array<int, kNumbersPerGroup> numbers{};
    bool have_line = lines.Next(line);
    while (have_line) {
        // A name is never empty: empty lines between groups are skipped.
        if (line.empty()) {
            have_line = lines.Next(line);
            continue;
        }
        name.assign(line);
        numbers.fill(0);
        int read = 1;
        while (read < kGroupLines - 1 && (have_line = lines.Next(line))) {
            numbers[static_cast<std::size_t>(read - 1)] = ParseLeadingInt(line);
            ++read;
        }
        if (read > 1) columns.push_back(ColumnFromGroup(name, numbers));
        if (!have_line) break;
        // The empty line that closes the group; a line with text there is the next group's name.
        have_line = lines.Next(line);
    }
    return columns;
}

std::optional<std::vector<VideoColumn>> RepairColumnTable(std::vector<VideoColumn> columns) {
    // Keep the first column of each valid slot.
    std::vector<VideoColumn> kept;
    std::array<bool, kSlotCount> slot_taken{};
    for (VideoColumn& column : columns) {
        if (column.FileSlot < 0 || column.FileSlot >= kSlotCount) continue;
        auto& taken = slot_taken[static_cast<std::size_t>(column.FileSlot)];
        if (taken) continue;
        taken = true;
        kept.push_back(std::move(column));
    }
    auto key = std::find_if(kept.begin(), kept.end(), [](const VideoColumn& column) {
        return column.FileSlot == slot::kKey && EqualsNoCase(column.Name, column_name::kKey);
    });
    if (key == kept.end()) return std::nullopt;

    // Display order: by ListIndex, ties in file order, "Key" first.
    std::stable_sort(kept.begin(), kept.end(), [](const VideoColumn& a, const VideoColumn& b) {
        if ((a.FileSlot == slot::kKey) != (b.FileSlot == slot::kKey)) return a.FileSlot == slot::kKey;
        return a.ListIndex < b.ListIndex;
    });

    // Built-in slots carry their names; custom slots unique names of their own.
    std::set<std::string> taken_names;
    for (VideoColumn& column : kept) {
        std::string_view built_in = BuiltInNameOfSlot(column.FileSlot);
        if (!built_in.empty()) {
            column.Name = std::string(built_in);
            column.Custom = false;
        } else {
            column.Custom = true;
        }
        taken_names.insert(ToLowerAscii(column.Name));
    }
    std::set<std::string> custom_names;
    for (VideoColumn& column : kept) {
        if (!column.Custom) continue;
        std::string folded = ToLowerAscii(column.Name);
        const bool clashes = column.Name.empty() || IsBuiltInNameNoCase(column.Name) ||
                             custom_names.count(folded) != 0;
        if (clashes) {
            column.Name = FreeCustomName(column.FileSlot, taken_names);
            folded = ToLowerAscii(column.Name);
            taken_names.insert(folded);
        }
        custom_names.insert(folded);
    }

    // Every slot keeps a column, so that its cells survive a save.
    for (int file_slot = 0; file_slot < kSlotCount; ++file_slot) {
        if (slot_taken[static_cast<std::size_t>(file_slot)]) continue;
        std::string_view built_in = BuiltInNameOfSlot(file_slot);
        std::string name = built_in.empty() ? FreeCustomName(file_slot, taken_names)
                                            : std::string(built_in);
        taken_names.insert(ToLowerAscii(name));
        VideoColumn column = BuiltInColumn(name, file_slot, static_cast<int>(kept.size()));
        if (built_in.empty()) column.Visible = false;
        column.Width = column.Visible ? kDefaultVisibleWidth : 0;
        kept.push_back(std::move(column));
    }
    for (std::size_t i = 0; i < kept.size(); ++i) kept[i].ListIndex = static_cast<int>(i);
    return kept;
}

FileResult ReadHeader(std::istream& in, VideoList& list) {
    std::vector<VideoColumn> parsed = ParseHeaderGroups(in);
    if (in.bad()) return FileResult::Failure({}, SystemErrorText(EIO));
    std::optional<std::vector<VideoColumn>> table = RepairColumnTable(std::move(parsed));
    if (!table) return FileResult::Failure({}, "The file holds no column table");
    list.DeleteAllRows();
    list.SetColumns(std::move(*table));
    return FileResult::Success();
}

FileResult ReadHeader(VideoList& list, const std::string& path) {
    return ReadFileWith(path, [&](std::istream& in) { return ReadHeader(in, list); });
}

FileResult WriteHeader(VideoList& list, std::ostream& out) {
    for (int index = 0; index < list.ColumnCount(); ++index) {
        VideoColumn& column = list.MutableColumn(index);
        column.Width = column.Visible ? list.ColumnWidth(index) : 0;
    }
    const std::vector<int>& order = list.ColumnOrder();
    std::string text;
    for (std::size_t position = 0; position < order.size(); ++position) {
        const VideoColumn& c = list.Column(order[position]);
        text += c.Name;
        text += '\n';
        for (int value : {static_cast<int>(position), int{c.Visible}, int{c.Custom},
                          int{c.Toggleable}, c.FileSlot, int{c.Searchable}, int{c.Sortable},
                          int{c.HtmlShown}, int{c.HtmlAvailable}, c.HtmlOrder, c.Width}) {
            text += std::to_string(value);
            text += '\n';
        }
        text += '\n';
    }
    if (!out.write(text.data(), static_cast<std::streamsize>(text.size()))) {
        return FileResult::Failure({}, SystemErrorText(EIO));
    }
    return FileResult::Success();
}

FileResult WriteHeader(VideoList& list, const std::string& path, FileSystemCalls& calls) {
    return WriteFileSafely(path, [&](std::ostream& out) { return WriteHeader(list, out); }, 0666, calls);
}

}  // namespace core
