#include "app/record_storing.h"

#include <cstdint>
#include <cstring>

#include "app/duration_fields.h"
#include "app/image_undo.h"
#include "app/list_sorting.h"
#include "app/marking.h"
#include "app/record_images.h"
#include "core/text.h"

namespace app {
namespace {

namespace name = core::column_name;

void SetCells(core::VideoList& list, int row,
              const std::vector<std::pair<std::string, std::string>>& cells) {
    for (const auto& [column, text] : cells) {
        const int index = list.ColumnIndexOf(column);
        if (index >= 0) list.SetCell(row, index, text);
    }
}

std::string KeyOf(const core::VideoList& list, int row) {
    return list.GetCell(row, list.ColumnIndexOf(name::kKey));
}

}  // namespace

namespace {

bool IsSpecial(char c) {
    return c == '\n' || c == '\r' || c == '<' || c == '>';
}

// The first byte from `pos` on that cleaning changes, or the size. Eight bytes are tested at a
// time for "<", ">" and control bytes; only a word that holds one is looked at byte by byte.
std::size_t NextSpecial(std::string_view text, std::size_t pos) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    for (; pos + 8 <= text.size(); pos += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + pos, 8);
        // "<" (0x3C) and ">" (0x3E) differ only in bit 1.
        const std::uint64_t angles = (word | (kOnes * 0x02)) ^ (kOnes * 0x3E);
        if ((((angles - kOnes) & ~angles) | ((word - kOnes * 0x0E) & ~word)) & kHighs) {
            for (std::size_t end = pos + 8; pos < end; ++pos) {
                if (IsSpecial(text[pos])) return pos;
            }
        }
    }
    for (; pos < text.size(); ++pos) {
        if (IsSpecial(text[pos])) return pos;
    }
    return text.size();
}

}  // namespace

bool NeedsCleaning(std::string_view text) {
    return NextSpecial(text, 0) < text.size();
}

std::string CleanCell(std::string text, bool synopsis) {
    // One pass in place, moving the runs between the bytes that change: a large import cleans
    // many long cells.
    std::size_t kept = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t special = NextSpecial(text, pos);
        if (kept != pos) std::memmove(text.data() + kept, text.data() + pos, special - pos);
        kept += special - pos;
        if (special == text.size()) break;
        if (text[special] == '\n' && synopsis) text[kept++] = '~';
        pos = special + 1;
    }
    text.resize(kept);
    return text;
}

std::vector<int> CustomColumns(const core::VideoList& list) {
    std::vector<int> columns;
    for (const core::VideoColumn& column : list.Columns()) {
        if (column.Custom && columns.size() < 7) columns.push_back(column.ListIndex);
    }
    return columns;
}

std::vector<std::pair<std::string, std::string>> RecordCells(const RecordFields& fields,
                                                             const core::VideoList& list,
                                                             bool move_article) {
    std::string title = fields.title;
    if (move_article) title = core::MoveLeadingArticle(std::move(title));
    std::vector<std::pair<std::string, std::string>> cells = {
        {std::string(name::kTitle), title},
        {std::string(name::kCategory), fields.category},
        {std::string(name::kCast), fields.cast},
        {std::string(name::kDirector), fields.director},
        {std::string(name::kProducer), fields.producer},
        {std::string(name::kWriter), fields.writer},
        {std::string(name::kYear), fields.year},
        {std::string(name::kDuration),
         DurationCellOf(fields.hours, fields.minutes, fields.seconds)},
        {std::string(name::kLastViewed),
         fields.viewed ? ViewedDateText(fields.month, fields.day, fields.viewed_year) : ""},
        {std::string(name::kSynopsis), core::EncodeLineBreaks(fields.synopsis)},
        {std::string(name::kMpaa), fields.mpaa},
    };
    const std::vector<int> custom = CustomColumns(list);
    for (std::size_t i = 0; i < custom.size() && i < fields.custom.size(); ++i) {
        cells.emplace_back(list.Column(custom[i]).Name, fields.custom[i]);
    }
    for (auto& cell : cells) cell.second = CleanCell(std::move(cell.second));
    return cells;
}

std::string NextFreeKey(const core::VideoList& list, const core::Clock& clock) {
    const int key_column = list.ColumnIndexOf(name::kKey);
    std::int64_t key = clock.Now();
    while (key_column >= 0 && list.FindRow(key_column, std::to_string(key)) >= 0) ++key;
    return std::to_string(key);
}

int AddRecord(Session& session, const RecordFields& fields, platform::ImageConverter& converter) {
    core::VideoList& list = session.Videos;
    const std::string key = NextFreeKey(list, session.clock);
    const int row = list.InsertRow(list.RowCount(), key);
    SetCells(list, row,
             {{std::string(name::kKey), key},
              {std::string(name::kNumber), std::to_string(list.RowCount())},
              {std::string(name::kDateAdded), core::KeyToDate(key, session.clock)}});
    SetCells(list, row, RecordCells(fields, list, session.config.place_the_in_back));
    list.SetFlagMark(row, false);
    if (!session.ImageFolder.empty() && !fields.image_file.empty()) {
        // A picture that cannot be stored leaves the record without one; nothing is reported.
        StoreRecordImage(session.ImageFolder, key, fields.image_file, converter,
                         app::ImageUndoOf(session));
    }
    session.Modified = true;

    list.DeselectAll();
    list.Select(row, true);
    SortVideos(list, session.Sort, session.Sort.column, session.Sort.direction, session.progress,
               session.reading_work);
    session.NotifyListsChanged();
    return list.SelectedRows().front();
}

void StoreEdit(Session& session, int row, const RecordFields& fields,
               platform::ImageConverter& converter) {
    core::VideoList& list = session.Videos;
    if (row < 0 || row >= list.RowCount()) return;
    SetCells(list, row, RecordCells(fields, list, session.config.place_the_in_back));
    if (!session.ImageFolder.empty() && !fields.image_file.empty()) {
        StoreRecordImage(session.ImageFolder, KeyOf(list, row), fields.image_file, converter,
                         app::ImageUndoOf(session));
    }
    session.Modified = true;
    session.NotifyListsChanged();
}

void OfferWantedRemoval(Session& session, platform::Prompts& prompts, std::string_view title) {
    const std::vector<std::string>& wanted = session.Wanted.Titles();
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (!core::EqualsNoCase(wanted[i], title)) continue;
        if (!session.config.auto_delete_wanted &&
            prompts.Message("Remove this title from the Wanted Videos list?", "Confirm",
                            platform::Buttons::kYesNo,
                            platform::Icon::kQuestion) != platform::Answer::kYes) {
            return;
        }
        session.Wanted.Delete(static_cast<int>(i));
        session.Modified = true;
        session.NotifyListsChanged();
        return;
    }
}

}  // namespace app
