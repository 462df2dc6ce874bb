#pragma once

#include <QLineEdit>
#include <QListView>
#include <QToolButton>
#include <QWidget>

#include "app/session.h"
#include "app/wanted_pane.h"
#include "gui/panes/title_list_model.h"

namespace gui {

// The Wanted Videos pane: a title field, the add, delete and delete-all buttons, and the list of
// wanted titles. The list follows the typing and the field follows the chosen title; Enter in
// the field adds, the Delete key in the list deletes.
class WantedPaneWidget final : public QWidget {
    Q_OBJECT
  public:
    WantedPaneWidget(app::WantedPane& pane, app::Session& session, QWidget* parent = nullptr);

    // "Wanted - 12", for the dock's title.
    QString Caption() const { return caption_; }
    // Shows the model again: after the lists changed, a database was opened or closed.
    void Refresh();

    QLineEdit* field() const { return field_; }
    QListView* list() const { return list_; }

  signals:
    void captionChanged(const QString& caption);
    // The Wanted Videos list changed.
    void listsChanged();
    // A double click on a title asks for it online (when the model offers that).
    void searchOnlineRequested(const QString& title);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QToolButton* NewButton(const QString& object_name, const QString& picture, const QString& tip);
    // Runs an operation that may change the list, then shows the outcome.
    void Change(void (app::WantedPane::*operation)());
    void Typed(const QString& text);
    void Chosen(int row);
    void ShowSelected();

    app::WantedPane& pane_;
    app::Session& session_;
    QString res_folder_;
    QString caption_;
    QLineEdit* field_;
    QListView* list_;
    TitleListModel* titles_;
    bool showing_ = false;  // the widget, not the user, is changing the list's current row
};

}  // namespace gui
