#include "app/deleting.h"

#include <vector>

#include "app/list_sorting.h"
#include "app/record_images.h"

namespace app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// The Key column when deleted rows take their image files with them; -1 when they do not.
int ImageKeyColumn(const Session& session) {
    if (!session.config.auto_delete_images || session.ImageFolder.empty()) return -1;
    return session.Videos.ColumnIndexOf(core::column_name::kKey);
}

void DeleteImagesOf(const Session& session, int key_column, int row) {
    DeleteRecordImages(session.ImageFolder, session.Videos.Cell(row, key_column));
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
    if (const int key = ImageKeyColumn(session); key >= 0) {
        for (int row : session.Videos.SelectedRows()) DeleteImagesOf(session, key, row);
    }
    RemoveSelectedRows(session.Videos);
    Deleted(session);
    return true;
}

bool DeleteAll(Session& session, platform::Prompts& prompts) {
    if (session.ReadOnly() || session.Videos.RowCount() == 0) return false;
    if (!ConfirmDeletion(session, prompts, "Delete all records in the My Videos list?")) {
        return false;
    }
    if (const int key = ImageKeyColumn(session); key >= 0) {
        for (int row = 0; row < session.Videos.RowCount(); ++row) DeleteImagesOf(session, key, row);
    }
    session.Videos.DeleteAllRows();
    Deleted(session);
    return true;
}

}  // namespace app
