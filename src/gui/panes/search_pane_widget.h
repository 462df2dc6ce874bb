#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QWidget>

#include "gui/panes/title_list_model.h"
#include "online/text_search.h"

namespace gui {

// The Search pane: the "Find" field with its history, where to look, the two options, the Find
// button and the titles found. The pane never touches the My Videos list: it says what happened
// to the list's selection and the main window shows it.
class SearchPaneWidget final : public QWidget {
    Q_OBJECT
  public:
    explicit SearchPaneWidget(online::TextSearch& search, QWidget* parent = nullptr);

    // "Search - 3", for the dock's title.
    QString Caption() const { return caption_; }
    // Shows the model again: its results, caption, history, options and "Inside" choices (after
    // RefillInside).
    void Refresh();
    // After a search the main window ran on the model (List Videos, a value of it, a QuickFind
    // link): shows it as the Find button does, with rowsSelected() and the model's focus.
    void ShowSearchDone();

    QComboBox* findField() const { return find_; }
    QListView* results() const { return results_; }

  signals:
    void captionChanged(const QString& caption);
    // The selection of the session's list changed: a search selected its matches.
    void rowsSelected();
    // A chosen title selected this row alone; it is to be scrolled to and shown in the details.
    void showRow(int row);
    // A double click on a title asks for the record editor on the selected record.
    void editRequested();
    // The model sent the focus to the My Videos list.
    void focusMyVideos();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Find();
    void ChooseResult(int index);
    // A double click or Enter on a result: selects its row and, as the pane says, opens it.
    void EditResult(int index);
    void FollowFocus();

    online::TextSearch& search_;
    QString caption_;
    QComboBox* find_;
    QComboBox* inside_;
    QCheckBox* match_case_;
    QCheckBox* column_value_;
    QPushButton* find_button_;
    QListView* results_;
    TitleListModel* titles_;
    int current_before_press_ = -1;  // tells a click on the chosen title from a new choice
    bool showing_ = false;           // the widget, not the user, is changing the results
};

}  // namespace gui
