#pragma once

#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <map>
#include <memory>

#include "app/auto_cycle.h"
#include "app/database_commands.h"
#include "app/menu_rules.h"
#include "app/my_videos_buttons.h"
#include "app/session.h"
#include "app/settings_window.h"
#include "app/wanted_pane.h"
#include "config/service_config.h"
#include "gui/background_reading.h"
#include "gui/login_dialog.h"
#include "gui/main_status_bar.h"
#include "gui/menu_builder.h"
#include "gui/my_videos_pane.h"
#include "gui/pane_dock.h"
#include "gui/panes/details_pane_widget.h"
#include "gui/panes/replace_pane_widget.h"
#include "gui/panes/search_pane_widget.h"
#include "gui/panes/wanted_pane_widget.h"
#include "gui/player/player_pane_widget.h"
#include "gui/qt_prompts.h"
#include "gui/session_adapter.h"
#include "gui/wizard/wizard_window.h"
#include "html/page_setup.h"
#include "html/print_settings.h"
#include "imports/import_wizard.h"
#include "online/search_panes.h"
#include "online/text_replace.h"
#include "online/text_search.h"
#include "platform/downloader.h"
#include "platform/image_converter.h"
#include "platform/shell.h"
#include "platform/text_widths.h"
#include "views/video_details.h"
#include "wizard/query_worker.h"

namespace gui {

// What the main window works with; owned by the application.
struct MainWindowServices {
    app::Session& session;
    config::ServiceConfig& service;
    platform::Shell& shell;
    platform::Help& help;
    platform::Downloader& downloader;
    platform::ImageConverter& converter;
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
    PlayerPaneWidget* player() const { return player_widget_; }
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
    // Runs the rules of every menu, so that items and their shortcuts follow the state at once,
    // not only when a menu opens. Each rule reads counts and flags only, never the rows.
    void ApplyAllRules();
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
    void showEvent(QShowEvent* event) override;

  private:
    void BuildDocks();
    // What the panes ask of the window: showing rows, the editor, captions, status texts.
    void ConnectPanes();
    // Scrolls to a row, selects it alone and shows its details.
    void ShowRow(int row);
    void BuildToolBar();
    void BuildShortcuts();
    void RegisterOperations();
    void RestorePanes();
    void StorePanes();
    // Without a stored layout: a Video Details pane wide enough to read, the player's height.
    void ApplyDefaultPaneSizes();
    void ApplyRules(std::string_view menu_id);
    void FillRecentMenu();
    void FillSortMenus();
    void FillValueMenus();

    void OnDatabaseOpened();
    void OnDatabaseClosed();
    void OnListsChanged();
    void OnLoginChanged();
    void UpdateTitles();
    void UpdatePaneButtons();
    void UpdateToolBar();

    // The list operations: List Videos, marking, deleting, the caption strip's buttons.
    void RegisterListOperations();
    void RunValueCommand(int command, QAction* action);
    // The Add Video / Edit Video window, the Flag Selected Videos and Mark Selected windows.
    // Adding from the wizard's "Switch Manual" fills the form from its result.
    void OpenRecordEditor(bool adding, std::optional<app::WizardPick> pick = std::nullopt);
    void OpenFlagWindow();
    void OpenMarkSelectedWindow();
    void OpenWindowOfButton(app::MyVideosButtons::Opens opens);
    void OpenAutoCycle();
    // Shows the list's selection and the first selected row's details.
    void ShowSelectionResult();
    void SelectionChanged();
    // The Search and Replace panes as the search model wants them.
    void ApplySearchPanes();
    // A listing or search has chosen rows: the panes show its results, the list its selection.
    void ShowSearchResults();
    void ToggleSearchPane(bool replace);
    // The user showed, hid, floated or docked Search or Replace.
    void KeepSearchPanesInConfig();
    void ApplyColumnWidths();

    // The Settings window on a page; the tool-bar button opens the page shown last.
    void OpenSettings(app::SettingsPage page);
    // The Settings window stored its pages: the list, the panes and the menus show them.
    void SettingsApplied(bool columns_changed);
    // Shows, hides, docks and floats the panes and bars as the configuration says.
    void ApplyPaneLayout();
    // The Video Import Wizard (main_window_wizard.cpp): its commands, the window (one at a time,
    // brought forward when asked for again), the searches other panes start, and ratings.
    void RegisterWizardOperations();
    WizardWindow* OpenWizard();
    void UpdateSelected();
    void SearchOnline(const std::string& title);
    void RankSelected(int stars);
    // The wizard's single selected result, for the record editor's "Wizard" button.
    std::optional<app::WizardPick> WizardSelection() const;

    void TogglePane(PaneDock* dock);
    // The floating player stays on top of other windows while "Always Visible" is on.
    void ApplyPlayerAlwaysVisible();
    void OpenOnlinePage(const std::string& path);
    void SetFullScreen(bool full_screen);
    void ShowTip(const char* text);
    void HeaderClicked(int list_index);
    // Tools > Generate HTML List: the HTML Page Setup window for one list kind.
    void OpenPageSetup(html::ListKind kind);
    // The window's Generate button: writes the pages the window chose.
    void GenerateHtmlPages(const html::GenerationChoice& choice);
    // File > Print and List > Print Selected (which opens on My Videos): the Print Output
    // Options window.
    void OpenPrintOptions(bool my_videos);
    // Tools > Import Records and Export: the Import Wizard of each source, the wanted lists, the
    // undo of the last import and the CSV export.
    void RegisterImportOperations();
    void OpenImportWizard(imports::WizardSource source);
    void ExportCsv();

    app::Session& session_;
    config::ServiceConfig& service_;
    platform::Shell& shell_;
    platform::Help& help_;
    platform::Downloader& downloader_;
    platform::ImageConverter& converter_;
    QString res_folder_;
    MainStatusBar* status_;  // before the services: it is their progress display

    QtPrompts prompts_;
    QtLoginPresenter login_;
    app::DatabaseServices database_services_;
    SessionAdapter adapter_;
    online::SearchPanes search_panes_;
    online::TextSearch text_search_;
    online::TextReplace text_replace_;
    app::WantedPane wanted_pane_;
    app::MyVideosButtons pane_buttons_;
    app::AutoCycle auto_cycle_;
    views::VideoDetails details_;
    std::unique_ptr<platform::TextWidths> text_widths_;
    MenuBuilder menus_;
    QToolBar* tool_bar_ = nullptr;
    MyVideosPane* my_videos_ = nullptr;
    PaneDock* wanted_dock_ = nullptr;
    PaneDock* search_dock_ = nullptr;
    PaneDock* replace_dock_ = nullptr;
    PaneDock* details_dock_ = nullptr;
    PaneDock* player_dock_ = nullptr;
    WantedPaneWidget* wanted_widget_ = nullptr;
    SearchPaneWidget* search_widget_ = nullptr;
    ReplacePaneWidget* replace_widget_ = nullptr;
    DetailsPaneWidget* details_widget_ = nullptr;
    PlayerPaneWidget* player_widget_ = nullptr;
    QTimer auto_cycle_timer_;
    QPointer<WizardWindow> wizard_window_;
    wizard::BackgroundRequests rank_requests_;  // ratings of My Videos sent to the service
    BackgroundReading background_reading_;      // long reading work, beside this thread
    std::map<int, std::function<void()>> operations_;
    html::PageSetupRun page_setup_run_;   // the page settings and output choice of this run
    html::PrintSettings print_settings_;  // the print settings and list choice of this run
    app::SettingsPage last_settings_page_ = app::SettingsPage::kGeneral;
    bool full_screen_ = false;
    bool applying_search_panes_ = false;
    bool was_maximized_ = false;
    bool shut_down_ = false;
    bool layout_restored_ = false;  // the panes' sizes came from the last run
    bool shown_before_ = false;
};

}  // namespace gui
