#include "gui/startup_sequence.h"

#include <QApplication>
#include <QScreen>

#include "app/command_ids.h"
#include "core/text.h"
#include "gui/accessories/splash_window.h"
#include "gui/accessories/tips_dialog.h"
#include "gui/main_window.h"
#include "gui/text_bytes.h"

namespace gui {

StartupSequence::StartupSequence(MainWindow& window, QStringList arguments)
    : QObject(&window), window_(window), arguments_(std::move(arguments)) {
    splash_timer_.setInterval(app::SplashTimer::kIntervalMs);
    connect(&splash_timer_, &QTimer::timeout, this, &StartupSequence::OnSplashTick);
}

StartupSequence::~StartupSequence() {
    delete splash_window_;
}

void StartupSequence::PlaceWindow() {
    config::ProgramConfig& config = window_.session().config;
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    config.main_window = app::ClampToScreen(config.main_window, {screen.width(), screen.height()});
    switch (app::InitialPlacement(config)) {
        case app::WindowPlacement::kMaximized:
            window_.showMaximized();
            break;
        case app::WindowPlacement::kDefault:
            window_.show();
            break;
        case app::WindowPlacement::kStored: {
            const config::WindowGeometry& g = config.main_window;
            window_.resize(g.w, g.h);
            window_.move(g.x, g.y);
            window_.show();
            break;
        }
    }
}

void StartupSequence::Run(platform::FileTypes& file_types) {
    config::ProgramConfig& config = window_.session().config;
    const bool splash = config.show_splash_at_startup;
    if (splash) {
        splash_window_ = new SplashWindow(FromBytes(window_.session().paths.folder) + "/res");
        splash_window_->show();
    }
    PlaceWindow();
    window_.autoCycleTimer().start();
    if (splash) {
        window_.setEnabled(false);
        splash_timer_finished_ = false;
        splash_timer_.start();
    }

    // The database named on the command line (the first argument).
    if (arguments_.size() > 1) {
        const std::string argument = ToBytes(arguments_.at(1));
        if (app::NamesDatabase(argument)) window_.OpenFromCommandLine(argument);
    }
    file_types.Associate(ToBytes(QApplication::applicationFilePath()),
                         window_.session().paths.folder);
    if (!splash) ShowTipsOrGuide();
}

void StartupSequence::OnSplashTick() {
    const app::SplashTimer::Step step = splash_.Tick(window_.LoginShowing());
    switch (step) {
        case app::SplashTimer::Step::kAnimate:
        case app::SplashTimer::Step::kContinue:
            if (splash_window_) splash_window_->Tick();
            break;
        case app::SplashTimer::Step::kWaitForLogin:
            if (splash_window_) splash_window_->close();
            break;
        case app::SplashTimer::Step::kFinish:
            splash_timer_.stop();
            splash_timer_finished_ = true;
            if (splash_window_) splash_window_->close();
            window_.setEnabled(true);
            window_.activateWindow();
            ShowTipsOrGuide();
            break;
    }
}

void StartupSequence::ShowTipsOrGuide() {
    const config::ProgramConfig& config = window_.session().config;
    if (config.first_start) {
        window_.RunCommand(app::cmd::kHelpContents);
    } else if (config.show_tips_at_startup) {
        ShowTipsAndTricks(window_);
    }
}

bool ReadStartupConfiguration(const config::ProgramPaths& paths, config::ProgramConfig& config,
                              const std::function<void(const QString&)>& show_error) {
    const core::FileResult read = config::ReadConfig(config, paths.config);
    if (read) return true;
    show_error(FromBytes(
        core::FormatText("Error opening configuration file:\n%s.\n%s", {read.path, read.reason})));
    return false;
}

void ShowTipsAndTricks(MainWindow& window) {
    config::ProgramConfig& config = window.session().config;
    TipsDialog dialog(FromBytes(window.session().paths.tips), config.show_tips_at_startup, &window);
    dialog.exec();
    config.show_tips_at_startup = dialog.ShowAtStartup();
}

}  // namespace gui
