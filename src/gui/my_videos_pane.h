#pragma once

#include <QStackedWidget>
#include <QWidget>
#include <vector>

#include "app/row_ranges.h"
#include "app/session.h"
#include "gui/browser/image_browser_widget.h"
#include "gui/caption_strip.h"
#include "gui/video_table_model.h"
#include "gui/video_table_view.h"

namespace gui {

// The My Videos pane: the caption strip over the list, or over the image browser in the image
// view. It keeps the list's selection, column
// widths and column order in the session's list, and shows the session's sort state.
class MyVideosPane final : public QWidget {
    Q_OBJECT
  public:
    MyVideosPane(app::Session& session, const QString& res_folder, QWidget* parent = nullptr);

    VideoTableView* view() const { return view_; }
    VideoTableModel* model() const { return model_; }
    CaptionStrip* strip() const { return strip_; }
    ImageBrowserWidget* browser() const { return browser_; }

    // Shows the records as thumbnails (the image view) or as rows of text.
    void SetImageView(bool images);
    bool ImageView() const { return stack_->currentWidget() == browser_; }

    // The whole list changed: rows, columns, order. Keeps the selection the list holds.
    void Reload();
    // Applies the column table: order, widths, hidden columns.
    void ApplyColumns();
    // Shows the list's selection in the view. Qt's selection model gets it as merged ranges in
    // one change, unless there are too many ranges to check quickly: then the view draws the
    // list's row flags alone. When other rows than the view showed are selected now, the first
    // of them is scrolled into view.
    void ShowListSelection();
    // Scrolls the list up or down until the row is in view.
    void RevealRow(int row);
    // Caption and sort indicators.
    void UpdateCaption();
    void SetGridVisible(bool visible);

  signals:
    // The selection changed (by the user or the program).
    void selectionChanged();
    // The user clicked the header of a column (ListIndex).
    void headerClicked(int list_index);

  private:
    void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    // Keeps a click or key correct while Qt's model holds only part of the list's selection.
    void BeforeUserSelection(const QModelIndex& index, QItemSelectionModel::SelectionFlags command);
    void OnSectionResized(int section, int old_size, int new_size);
    void OnSectionMoved();
    int RowStartingWith(QChar letter) const;

    app::Session& session_;
    CaptionStrip* strip_;
    QStackedWidget* stack_;
    VideoTableView* view_;
    ImageBrowserWidget* browser_;
    VideoTableModel* model_;
    bool applying_ = false;                    // the program, not the user, is changing the view
    std::vector<app::RowRange> shown_ranges_;  // the selected rows the view shows
    // Qt's selection model holds only rows the user touched since; the list holds the rest.
    bool partly_mirrored_ = false;
};

}  // namespace gui
