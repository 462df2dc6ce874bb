#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <chrono>

#include "platform/progress.h"

namespace gui {

// The status bar: the help line, the progress of long work, and the user indicator. It is the
// program's progress display; while the bar is hidden, progress shows nothing.
class MainStatusBar final : public QStatusBar, public platform::Progress {
    Q_OBJECT
  public:
    MainStatusBar(const QString& res_folder, QWidget* parent = nullptr);

    // "       Ready" or a menu item's help line.
    void ShowHelpLine(const QString& text);
    QString HelpLine() const { return help_->text(); }

    // The user indicator: its picture and its tool tip ("Not logged in", "User: ann
    // [administrator]" …).
    void ShowUser(const QString& status_text, bool administrator, bool logged_in);
    QString UserTip() const { return user_->toolTip(); }

    void Begin(std::int64_t range, std::string_view text) override;
    void Step(std::int64_t count) override;
    void End() override;

  private:
    void Repaint();

    QString res_folder_;
    QLabel* help_;
    QProgressBar* progress_;
    QLabel* user_;
    std::int64_t range_ = 0;
    std::int64_t done_ = 0;
    int shown_percent_ = -1;
};

}  // namespace gui
