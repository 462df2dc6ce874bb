#pragma once

#include <QListWidget>
#include <QMainWindow>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <map>

#include "app/database_commands.h"
#include "app/menu_rules.h"
#include "app/session.h"
#include "config/service_config.h"
#include "gui/login_dialog.h"
#include "gui/main_status_bar.h"
#include "gui/menu_builder.h"
#include "gui/my_videos_pane.h"
#include "gui/pane_dock.h"
#include "gui/qt_prompts.h"
#include "gui/session_adapter.h"
#include "platform/shell.h"

namespace gui {

// What the main window works with; owned by the application.
struct MainWindowServices {
    app::Session& session;
    config::ServiceConfig& service;
    platform::Shell& shell;
    platform::Help& help;
    // Tests answer questions and logins from a script; the program shows real windows.
    platform::Prompts* prompts = nullptr;
    app::LoginPresenter* login = nullptr;
};

// The main window: menus, tool bar, the My Videos pane in the middle, the other panes docked
// around it, and the status bar. Commands arrive by number and run their operation.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    app::Session& session() const { return session_; }
    MenuBuilder& menus() { return menus_; }
    MainStatusBar* status() const { return status_; }
    MyVideosPane* myVideos() const { return my_videos_; }
    PaneDock* dock(const QString& object_name) const;
    QToolBar* toolBar() const { return tool_bar_; }
    platform::Prompts& prompts() { return database_services_.prompts; }
    app::DatabaseServices& databaseServices() { return database_services_; }
    // Whether a login window is on screen.
    bool LoginShowing() const { return login_.Showing(); }

    // Runs a command as if chosen from a menu or the tool bar. False if the command has no
    // operation (yet) or is not allowed now.
    bool RunCommand(int command, QAction* action = nullptr);
    // Whether a command has an operation in this program.
    bool HasOperation(int command) const;
    // Runs the rule of a top-level menu ("file", "view", …) and fills its dynamic submenus.
    void PrepareMenu(const QString& id);
    app::ViewState CurrentViewState() const;

    // Opens the database named on the command line.
    void OpenFromCommandLine(const std::string& path);
    // Stores the window placement and the panes in the configuration; writes the configuration
    // and the recent list, and removes the run's work files. Called once, when closing.
    void Shutdown();

    // The AutoCycle timer's period follows the configuration.
    QTimer& autoCycleTimer() { return auto_cycle_timer_; }

signals:
    // The command-line database or a splash-time login is being handled.
    void shutdownDone();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildDocks();
    void BuildToolBar();
    void BuildShortcuts();
    void RegisterOperations();
    void RestorePanes();
    void StorePanes();
    void FillRecentMenu();
    void FillSortMenus();
    void FillValueMenus();

    void OnDatabaseOpened();
    void OnDatabaseClosed();
    void OnListsChanged();
    void OnLoginChanged();
    void UpdateTitles();
    void UpdatePaneButtons();

    void TogglePane(PaneDock* dock);
    void OpenOnlinePage(const std::string& path);
    void SetFullScreen(bool full_screen);
    void ShowTip(const char* text);
    void HeaderClicked(int list_index);
    void SortBy(int list_index, int direction);

    app::Session& session_;
    config::ServiceConfig& service_;
    platform::Shell& shell_;
    platform::Help& help_;
    QString res_folder_;
    MainStatusBar* status_;  // before the services: it is their progress display

    QtPrompts prompts_;
    QtLoginPresenter login_;
    app::DatabaseServices database_services_;
    SessionAdapter adapter_;
    MenuBuilder menus_;
    QToolBar* tool_bar_ = nullptr;
    MyVideosPane* my_videos_ = nullptr;
    PaneDock* wanted_dock_ = nullptr;
    PaneDock* search_dock_ = nullptr;
    PaneDock* replace_dock_ = nullptr;
    PaneDock* details_dock_ = nullptr;
    PaneDock* player_dock_ = nullptr;
    QListWidget* wanted_list_ = nullptr;
    QTimer auto_cycle_timer_;
    std::map<int, std::function<void()>> operations_;
    bool full_screen_ = false;
    bool was_maximized_ = false;
    bool shut_down_ = false;
};

}  // namespace gui
