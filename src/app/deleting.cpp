#include "app/deleting.h"

#include <numeric>
#include <string>
#include <vector>

#include "app/image_undo.h"
#include "app/list_sorting.h"
#include "core/images.h"

namespace app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// When the settings say so, deletes the image files of these rows (any case of extension).
void DeleteImagesOf(const Session& session, const std::vector<int>& rows) {
    const int key = session.Videos.ColumnIndexOf(core::column_name::kKey);
    if (!session.config.auto_delete_images || session.ImageFolder.empty() || key < 0) return;
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (int row : rows) keys.emplace_back(session.Videos.Cell(row, key));
    core::DeleteImageFiles(session.ImageFolder, keys, app::ImageUndoOf(session));
}

// Removes the selected rows in one pass: deleting them one at a time would move every later row
// for each deleted one.
void RemoveSelectedRows(core::VideoList& list) {
    std::span<core::VideoRecord> rows = list.MutableRows();
    std::vector<core::VideoRecord> kept;
    kept.reserve(rows.size() - static_cast<std::size_t>(list.SelectedCount()));
    for (core::VideoRecord& record : rows) {
        if (!record.Selected) kept.push_back(std::move(record));
    }
    list.DeleteAllRows();
    list.ReserveRows(kept.size());
    for (core::VideoRecord& record : kept) list.AppendRow(std::move(record));
}

void Deleted(Session& session) {
    RenumberRows(session.Videos);
    session.Modified = true;
    session.NotifyListsChanged();
}

}  // namespace

bool ConfirmDeletion(const Session& session, platform::Prompts& prompts,
                     std::string_view question) {
    if (!session.config.prompt_before_delete) return true;
    return prompts.Message(question, "Confirm", Buttons::kOkCancel, Icon::kQuestion) == Answer::kOk;
}

bool DeleteSelected(Session& session, platform::Prompts& prompts) {
    if (session.ReadOnly() || session.Videos.SelectedCount() == 0) return false;
    if (!ConfirmDeletion(session, prompts, "Delete selected records in the My Videos list?"))
        return false;
    DeleteImagesOf(session, session.Videos.SelectedRows());
    RemoveSelectedRows(session.Videos);
    Deleted(session);
    return true;
}

bool DeleteAll(Session& session, platform::Prompts& prompts) {
    if (session.ReadOnly() || session.Videos.RowCount() == 0) return false;
    if (!ConfirmDeletion(session, prompts, "Delete all records in the My Videos list?")) {
        return false;
    }
    std::vector<int> every_row(static_cast<std::size_t>(session.Videos.RowCount()));
    std::iota(every_row.begin(), every_row.end(), 0);
    DeleteImagesOf(session, every_row);
    session.Videos.DeleteAllRows();
    Deleted(session);
    return true;
}

}  // namespace app
