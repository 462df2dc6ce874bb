#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>

class QCheckBox;
class QLabel;

// "Tips and Tricks": one tip at a time from the tips file, with Next Tip and Previous Tip.
namespace gui {

class TipsDialog final : public QDialog {
    Q_OBJECT
  public:
    // Starts at a random tip; a given `seed` makes the choice repeatable. The check box "Show tips
    // at startup" starts as `show_at_startup`.
    TipsDialog(const QString& tips_file, bool show_at_startup, QWidget* parent = nullptr,
               std::optional<quint32> seed = std::nullopt);

    // The check box's state, for the caller to store when the window closes.
    bool ShowAtStartup() const;

    int TipCount() const { return static_cast<int>(tips_.size()); }
    int CurrentTipIndex() const { return current_; }
    QString CurrentTip() const { return tips_.at(current_); }

  public slots:
    // Step through the tips; after the last comes the first again, and before the first the last.
    void ShowNextTip();
    void ShowPreviousTip();

  private:
    void ShowTip(int index);
    void ReserveRoomForLongestTip();

    QStringList tips_;
    int current_ = 0;
    QLabel* tip_text_;
    QCheckBox* show_at_startup_;
};

}  // namespace gui
