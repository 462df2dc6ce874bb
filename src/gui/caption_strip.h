#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <map>

namespace gui {

// The strip above the My Videos list: the pane's name with its count, the sort column with its
// arrow, and the pane's small buttons.
class CaptionStrip final : public QWidget {
    Q_OBJECT
  public:
    // The pane's buttons, named by their tool tips.
    enum class Button {
        kAdd,
        kEdit,
        kDeleteSelected,
        kDeleteAll,
        kFlag,
        kUnflag,
        kUnflagAll,
        kMarkViewed,
        kMarkNotViewed,
        kMarkCustom
    };

    CaptionStrip(const QString& res_folder, QWidget* parent = nullptr);

    void SetCaption(const QString& caption);
    QString Caption() const { return caption_->text(); }
    // The sort column's name and direction; an empty name hides the sort indicator.
    void SetSort(const QString& column_name, bool ascending);
    QString SortText() const { return sort_name_->text(); }
    void SetButtonEnabled(Button button, bool enabled);
    QToolButton* ButtonWidget(Button button) const { return buttons_.at(button); }

  signals:
    void buttonClicked(CaptionStrip::Button button);
    // A right click on the sort column's name or arrow.
    void sortMenuRequested(const QPoint& global_position);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString res_folder_;
    QLabel* caption_;
    QLabel* sort_name_;
    QLabel* sort_arrow_;
    std::map<Button, QToolButton*> buttons_;
};

}  // namespace gui
