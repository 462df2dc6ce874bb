#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "config/program_config.h"
#include "config/program_paths.h"

#include "app/startup.h"
#include "platform/file_types.h"

namespace gui {

class MainWindow;
class SplashWindow;

// The start of the program once its settings are read: the window's placement, the splash,
// the database named on the command line, the desktop's file types, and the tips or the guide.
class StartupSequence final : public QObject {
    Q_OBJECT
  public:
    StartupSequence(MainWindow& window, QStringList arguments);
    ~StartupSequence() override;

    void Run(platform::FileTypes& file_types);

    bool SplashShowing() const { return !splash_timer_finished_; }

  private:
    void PlaceWindow();
    void OnSplashTick();
    // Tips at start-up, or the guide at the very first start.
    void ShowTipsOrGuide();

    MainWindow& window_;
    QStringList arguments_;
    QTimer splash_timer_;
    app::SplashTimer splash_;
    QPointer<SplashWindow> splash_window_;
    bool splash_timer_finished_ = true;
};

// Reads the configuration. When it cannot be read, `show_error` gets the message and the result
// is false: the program then ends before any window is shown.
bool ReadStartupConfiguration(const config::ProgramPaths& paths, config::ProgramConfig& config,
                              const std::function<void(const QString&)>& show_error);

// Opens the Tips and Tricks window and keeps its "show at start-up" choice.
void ShowTipsAndTricks(MainWindow& window);

}  // namespace gui
