#include "gui/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

#include "app/command_ids.h"
#include "app/startup.h"
#include "config/recent_databases.h"
#include "core/text.h"
#include "gui/list_text_widths.h"
#include "gui/pane_focus_cycle.h"
#include "gui/text_bytes.h"
#include "gui/window_hold.h"
#include "gui/window_layout.h"

namespace gui {

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      session_(services.session),
      service_(services.service),
      shell_(services.shell),
      help_(services.help),
      downloader_(services.downloader),
      converter_(services.converter),
      res_folder_(FromBytes(services.session.paths.folder) + "/res"),
      status_(new MainStatusBar(res_folder_, this)),
      prompts_(this),
      login_(this, &services.help),
      database_services_{services.prompts ? *services.prompts : prompts_, *status_,
                         services.login ? *services.login : login_},
      adapter_(services.session),
      search_panes_(services.session.config),
      text_search_(services.session, search_panes_),
      text_replace_(services.session, search_panes_, database_services_.prompts),
      wanted_pane_(services.session, database_services_.prompts),
      pane_buttons_(services.session, database_services_.prompts),
      auto_cycle_(services.session),
      details_(services.session, database_services_.prompts, services.converter,
               [this](const std::string& text) { text_search_.QuickFind(text); }),
      rank_requests_(
          services.downloader,
          [this](std::function<void()> step) { PostToWindowThread(this, std::move(step)); }),
      background_reading_(*status_) {
    setObjectName("mainWindow");
    setWindowTitle("Reeldeck");
    setWindowIcon(QIcon(res_folder_ + "/reeldeck.svg"));
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    menus_.Build(menuBar(), app::MainMenus());
    connect(&menus_, &MenuBuilder::commandTriggered, this,
            [this](int command, QAction* action) { RunCommand(command, action); });
    connect(&menus_, &MenuBuilder::menuAboutToShow, this, &MainWindow::PrepareMenu);

    my_videos_ = new MyVideosPane(session_, res_folder_, this);
    setCentralWidget(my_videos_);
    text_widths_ = std::make_unique<ListTextWidths>(my_videos_->view());
    BuildToolBar();
    BuildDocks();
    BuildShortcuts();
    RegisterOperations();
    RegisterListOperations();
    RegisterImportOperations();
    RegisterWizardOperations();

    connect(&menus_, &MenuBuilder::helpLineChanged, this,
            [this](const QString& line) { status_->ShowHelpLine(line); });
    // Sorting, searching and replacing a large list show their progress here too.
    session_.progress = status_;
    session_.reading_work = &background_reading_;
    connect(&adapter_, &SessionAdapter::databaseOpened, this, &MainWindow::OnDatabaseOpened);
    connect(&adapter_, &SessionAdapter::databaseClosed, this, &MainWindow::OnDatabaseClosed);
    connect(&adapter_, &SessionAdapter::databaseRenamed, this, &MainWindow::UpdateTitles);
    connect(&adapter_, &SessionAdapter::databaseSaved, this, [this] {
        UpdateTitles();
        ApplyAllRules();
    });
    connect(&adapter_, &SessionAdapter::listsChanged, this, &MainWindow::OnListsChanged);
    connect(&adapter_, &SessionAdapter::loginChanged, this, &MainWindow::OnLoginChanged);
    connect(my_videos_, &MyVideosPane::selectionChanged, this, &MainWindow::SelectionChanged);
    connect(my_videos_, &MyVideosPane::headerClicked, this, &MainWindow::HeaderClicked);
    connect(my_videos_->view(), &VideoTableView::contextMenuRequested, this,
            [this](const QPoint& at) {
                PrepareMenu(QString::fromUtf8(app::menu_id::kList));
                if (QMenu* list = menus_.Submenu(app::menu_id::kList)) list->exec(at);
            });
    connect(my_videos_->strip(), &CaptionStrip::sortMenuRequested, this, [this](const QPoint& at) {
        PrepareMenu(QString::fromUtf8(app::menu_id::kList));
        const bool ascending = session_.Sort.direction != 0;
        if (QMenu* menu = menus_.Submenu(ascending ? app::menu_id::kSortAscending
                                                   : app::menu_id::kSortDescending)) {
            menu->exec(at);
        }
    });

    RestorePanes();
    my_videos_->SetGridVisible(session_.config.video_list_grid_visible);
    my_videos_->SetImageView(session_.config.video_list_view_mode);
    FillRecentMenu();
    FillSortMenus();
    ApplyAllRules();
    // Commands the rules never mention still follow whether they have an operation.
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        const int command = action->data().toInt();
        if (command != 0 && !action->menu())
            action->setEnabled(action->isEnabled() && HasOperation(command));
    }
    UpdateTitles();
    OnLoginChanged();
    UpdatePaneButtons();

    auto_cycle_timer_.setInterval(auto_cycle_.PeriodMilliseconds());
    connect(&auto_cycle_timer_, &QTimer::timeout, this, [this] {
        if (WindowHold::Active()) return;  // the shown record waits for the work that reads it
        const int row = auto_cycle_.Tick();
        if (row >= 0) ShowRow(row);
    });
    resize(1100, 720);
}

MainWindow::~MainWindow() {
    if (session_.progress == status_) session_.progress = nullptr;
    if (session_.reading_work == &background_reading_) session_.reading_work = nullptr;
    // The docks outlive the members their signals reach; they must not call back while dying.
    for (PaneDock* dock : findChildren<PaneDock*>()) dock->disconnect(this);
    // So must the Video Import Wizard, whose end would otherwise update this window's menus.
    if (wizard_window_) wizard_window_->disconnect(this);
}

PaneDock* MainWindow::dock(const QString& object_name) const {
    return findChild<PaneDock*>(object_name);
}

void MainWindow::BuildToolBar() {
    tool_bar_ = addToolBar("Tool Bar");
    tool_bar_->setObjectName("toolBar");
    tool_bar_->setIconSize(QSize(24, 24));
    tool_bar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tool_bar_->setMovable(false);
    for (const app::ToolButton& button : app::ToolBarButtons()) {
        if (button.command == 0) {
            tool_bar_->addSeparator();
            continue;
        }
        QAction* action =
            tool_bar_->addAction(QIcon(res_folder_ + "/" + QString::fromStdString(button.picture)),
                                 FromBytes(button.text));
        action->setObjectName(QString("tool%1").arg(button.command));
        action->setToolTip(FromBytes(button.tip));
        action->setData(button.command);
        const int command = button.command;
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        connect(action, &QAction::hovered, this,
                [this, tip = button.tip] { status_->ShowHelpLine(FromBytes(app::HelpLine(tip))); });
    }

    setStatusBar(status_);
}

void MainWindow::BuildDocks() {
    auto make = [this](const QString& name, const QString& object_name, QWidget* contents,
                       Qt::DockWidgetArea area) {
        auto* dock = new PaneDock(name, object_name, this);
        dock->setWidget(contents);
        addDockWidget(area, dock);
        return dock;
    };
    wanted_widget_ = new WantedPaneWidget(wanted_pane_, session_, this);
    search_widget_ = new SearchPaneWidget(text_search_, this);
    replace_widget_ = new ReplacePaneWidget(text_replace_, this);
    details_widget_ = new DetailsPaneWidget(details_, this);
    wanted_dock_ = make("Wanted Videos", "wantedDock", wanted_widget_, Qt::LeftDockWidgetArea);
    search_dock_ = make("Search", "searchDock", search_widget_, Qt::LeftDockWidgetArea);
    replace_dock_ = make("Replace", "replaceDock", replace_widget_, Qt::LeftDockWidgetArea);
    details_dock_ = make("Video Details", "detailsDock", details_widget_, Qt::RightDockWidgetArea);
    player_widget_ = new PlayerPaneWidget(session_.config, res_folder_, this);
    player_dock_ = make("Video Player", "playerDock", player_widget_, Qt::RightDockWidgetArea);
    player_widget_->SetPlaceSource([this] {
        return views::PlayerPlace{!player_dock_->isHidden(), player_dock_->isFloating()};
    });
    connect(player_widget_, &PlayerPaneWidget::dockToggleRequested, this,
            [this] { player_dock_->setFloating(!player_dock_->isFloating()); });
    connect(player_widget_, &PlayerPaneWidget::alwaysVisibleChanged, this,
            &MainWindow::ApplyPlayerAlwaysVisible);
    connect(player_dock_, &QDockWidget::topLevelChanged, this,
            &MainWindow::ApplyPlayerAlwaysVisible);
    // No message box or picker ever opens behind the player.
    prompts_.SetBeforeShowing([this] { player_widget_->SetAlwaysVisible(false); });
    // The View and Player menus show which panes are shown and floating.
    for (PaneDock* dock :
         {wanted_dock_, search_dock_, replace_dock_, details_dock_, player_dock_}) {
        connect(dock, &QDockWidget::visibilityChanged, this, [this] {
            UpdatePaneButtons();
            ApplyAllRules();
        });
        connect(dock, &QDockWidget::topLevelChanged, this, &MainWindow::ApplyAllRules);
    }
    // Search and Replace share one place; the search model keeps track of both.
    tabifyDockWidget(search_dock_, replace_dock_);
    for (PaneDock* dock : {search_dock_, replace_dock_}) {
        connect(dock, &QDockWidget::visibilityChanged, this, &MainWindow::KeepSearchPanesInConfig);
        connect(dock, &QDockWidget::topLevelChanged, this, &MainWindow::KeepSearchPanesInConfig);
    }
    splitDockWidget(details_dock_, player_dock_, Qt::Vertical);
    ConnectPanes();
}

void MainWindow::BuildShortcuts() {
    struct Shortcut {
        int command;
        QKeySequence keys;
    };
    const Shortcut shortcuts[] = {
        {app::cmd::kNew, QKeySequence::New},
        {app::cmd::kOpen, QKeySequence::Open},
        {app::cmd::kSave, QKeySequence::Save},
        {app::cmd::kSaveAs, QKeySequence("Ctrl+Shift+S")},
        {app::cmd::kClose, QKeySequence("Ctrl+W")},
        {app::cmd::kPrint, QKeySequence::Print},
        {app::cmd::kExit, QKeySequence("Ctrl+Q")},
        {app::cmd::kHelpContents, QKeySequence::HelpContents},
        {app::cmd::kFullScreen, QKeySequence("F11")},
        {app::cmd::kSelectAll, QKeySequence::SelectAll},
        {app::cmd::kTextSearch, QKeySequence("Ctrl+F")},
        {app::cmd::kTextReplace, QKeySequence("Ctrl+H")},
        {app::cmd::kAddNew, QKeySequence("Insert")},
        {app::cmd::kDeleteSelected, QKeySequence::Delete},
    };
    for (const Shortcut& shortcut : shortcuts) {
        QAction* action = menus_.Action(shortcut.command);
        if (!action) continue;
        action->setShortcut(shortcut.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);  // works while the menu bar is hidden (full screen)
    }
    auto fixed = [](QWidget* control) { return [control] { return control; }; };
    InstallPaneFocusKeys(this, {{my_videos_,
                                 [this]() -> QWidget* {
                                     if (my_videos_->ImageView())
                                         return my_videos_->browser()->canvas();
                                     return my_videos_->view();
                                 }},
                                {wanted_dock_, fixed(wanted_widget_->list())},
                                {search_dock_, fixed(search_widget_->findField())},
                                {replace_dock_, fixed(replace_widget_->whatField())},
                                {details_dock_, fixed(details_widget_->text())},
                                {player_dock_, fixed(player_widget_->screen())}});
}

void MainWindow::RestorePanes() {
    const config::ProgramConfig& c = session_.config;
    // The stored layout gives sizes, places and tabs; the configuration then says which panes
    // are shown and docked, as the Settings window may have changed it.
    layout_restored_ = restoreState(ReadWindowLayout(session_.paths.window_layout));
    wanted_dock_->Restore(c.wanted_videos_visible, c.wanted_videos_docked, c.wanted_videos_float);
    search_dock_->Restore(c.search_window_visible, c.search_window_docked, c.search_window_float);
    replace_dock_->Restore(c.replace_window_visible, c.replace_window_docked,
                           c.replace_window_float);
    details_dock_->Restore(c.video_details_visible, c.video_details_docked, c.video_details_float);
    player_dock_->Restore(c.video_player_visible, c.video_player_docked, c.video_player_float);
    // Search and Replace share one place: a docked Search wins it.
    if (search_dock_->isVisible() && replace_dock_->isVisible() && !search_dock_->isFloating() &&
        !replace_dock_->isFloating()) {
        replace_dock_->hide();
    }
    status_->setVisible(c.status_bar_visible);
    tool_bar_->setVisible(c.tool_bar_visible);
}

void MainWindow::ApplyDefaultPaneSizes() {
    if (layout_restored_) return;
    const config::ProgramConfig& c = session_.config;
    if (!details_dock_->isFloating()) {
        constexpr int kReadableWidth = 320;
        resizeDocks({details_dock_}, {std::max(kReadableWidth, width() * 3 / 10)}, Qt::Horizontal);
    }
    if (c.video_player_docked && c.video_player_height > 0) {
        resizeDocks({player_dock_}, {c.video_player_height}, Qt::Vertical);
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Sizes need the window's own size, known once it is laid out for showing.
    if (!shown_before_) ApplyDefaultPaneSizes();
    shown_before_ = true;
}

void MainWindow::StorePanes() {
    config::ProgramConfig& c = session_.config;
    wanted_dock_->Store(c.wanted_videos_visible, c.wanted_videos_docked, c.wanted_videos_float);
    search_dock_->Store(c.search_window_visible, c.search_window_docked, c.search_window_float);
    replace_dock_->Store(c.replace_window_visible, c.replace_window_docked, c.replace_window_float);
    details_dock_->Store(c.video_details_visible, c.video_details_docked, c.video_details_float);
    player_dock_->Store(c.video_player_visible, c.video_player_docked, c.video_player_float);
    if (!player_dock_->isFloating() && player_dock_->isVisible()) {
        c.video_player_height = player_dock_->height();
    }
    c.status_bar_visible = !status_->isHidden();
    c.tool_bar_visible = !tool_bar_->isHidden();
}

void MainWindow::KeepSearchPanesInConfig() {
    if (applying_search_panes_) return;
    config::ProgramConfig& c = session_.config;
    c.search_window_visible = !search_dock_->isHidden();
    c.replace_window_visible = !replace_dock_->isHidden();
    c.search_window_docked = !search_dock_->isFloating();
    c.replace_window_docked = !replace_dock_->isFloating();
}

void MainWindow::UpdateTitles() {
    setWindowTitle(FromBytes(app::MainWindowTitle(session_)));
    UpdateToolBar();
    my_videos_->UpdateCaption();
    wanted_dock_->setWindowTitle(wanted_widget_->Caption());
}

void MainWindow::OnDatabaseOpened() {
    text_search_.RefillInside();
    text_replace_.RefillInside();
    details_widget_->Clear();
    my_videos_->browser()->StartOver();
    my_videos_->Reload();
    ApplyColumnWidths();
    OnListsChanged();
    FillRecentMenu();
}

void MainWindow::OnDatabaseClosed() {
    // The wizard's groups belong to the database that closed.
    if (wizard_window_) wizard_window_->close();
    text_search_.RefillInside();
    text_replace_.RefillInside();
    text_replace_.DatabaseClosed();
    details_widget_->Clear();
    OnListsChanged();
}

void MainWindow::OnListsChanged() {
    my_videos_->Reload();
    wanted_widget_->Refresh();
    search_widget_->Refresh();
    replace_widget_->Refresh();
    FillSortMenus();
    UpdateTitles();
    UpdatePaneButtons();
    ApplyAllRules();
}

void MainWindow::OnLoginChanged() {
    const bool someone = session_.LoggedIn && !session_.CurrentUserName.empty();
    status_->ShowUser(FromBytes(app::UserStatusText(session_)),
                      session_.AccessLevel == app::kFullAccess, someone);
    ApplyAllRules();
}

void MainWindow::UpdateToolBar() {
    // Buttons whose window is not part of the program yet rest; the Wizard button still explains
    // that it needs a database.
    for (QAction* action : tool_bar_->actions()) {
        const int command = action->data().toInt();
        if (command == 0) continue;
        const bool tip = command == app::cmd::kToolWizard && !session_.IsOpen();
        action->setEnabled(HasOperation(command) || tip);
    }
}

void MainWindow::UpdatePaneButtons() {
    CaptionStrip* strip = my_videos_->strip();
    using B = CaptionStrip::Button;
    // The buttons check their own conditions when pressed (a read-only user gets nothing); they
    // rest only while no database is open.
    const bool open = session_.IsOpen();
    for (B button : {B::kDeleteSelected, B::kDeleteAll, B::kUnflag, B::kUnflagAll, B::kMarkViewed,
                     B::kMarkNotViewed}) {
        strip->SetButtonEnabled(button, open);
    }
    for (B button : {B::kAdd, B::kEdit, B::kFlag, B::kMarkCustom}) {
        strip->SetButtonEnabled(button, open);
    }
}

void MainWindow::FillRecentMenu() {
    menus_.Fill(app::menu_id::kRecent, app::RecentItems(session_.recent));
}

void MainWindow::FillSortMenus() {
    menus_.Fill(app::menu_id::kSortAscending, app::SortItems(session_.Videos, session_.Sort, true));
    menus_.Fill(app::menu_id::kSortDescending,
                app::SortItems(session_.Videos, session_.Sort, false));
}

void MainWindow::FillValueMenus() {
    const core::VideoList& videos = session_.Videos;
    namespace id = app::menu_id;
    namespace cmd = app::cmd;
    menus_.Fill(id::kListFlagged, app::ListFlaggedItems(videos));
    menus_.Fill(id::kMarkFlag, app::MarkFlagItems(videos));
    menus_.Fill(id::kListMpaa,
                app::ValueItems(videos, core::column_name::kMpaa, cmd::kListMpaaBase));
    menus_.Fill(id::kMarkMpaa,
                app::ValueItems(videos, core::column_name::kMpaa, cmd::kMarkMpaaBase));
    menus_.Fill(id::kListCategory,
                app::ValueItems(videos, core::column_name::kCategory, cmd::kListCategoryBase));
    menus_.Fill(id::kMarkCategory,
                app::ValueItems(videos, core::column_name::kCategory, cmd::kMarkCategoryBase));
    const std::vector<std::string> custom = app::CustomColumnNames(videos);
    for (int n = 0; n < app::kCustomMenuCount; ++n) {
        const bool used = n < static_cast<int>(custom.size());
        const std::string name = used ? custom[static_cast<std::size_t>(n)] : std::string();
        for (bool mark : {false, true}) {
            const std::string menu_id =
                app::CustomMenuId(mark ? id::kMarkCustomPrefix : id::kListCustomPrefix, n);
            QMenu* menu = menus_.Submenu(menu_id);
            if (!menu) continue;
            menu->menuAction()->setVisible(used);
            if (!used) continue;
            menu->setTitle(FromBytes(name).replace("&", "&&"));
            const int base = (mark ? cmd::kMarkCustomBase : cmd::kListCustomBase) + 100 * n;
            menus_.Fill(menu_id, app::ValueItems(videos, name, base));
        }
    }
}

app::ViewState MainWindow::CurrentViewState() const {
    app::ViewState view;
    view.status_bar = !status_->isHidden();
    view.tool_bar = !tool_bar_->isHidden();
    view.search_pane = !search_dock_->isHidden();
    view.replace_pane = !replace_dock_->isHidden();
    view.wanted_pane = !wanted_dock_->isHidden();
    view.details_pane = !details_dock_->isHidden();
    view.player_pane = !player_dock_->isHidden();
    view.player_floating = player_dock_->isFloating();
    view.image_view = session_.config.video_list_view_mode;
    view.gridlines = session_.config.video_list_grid_visible;
    view.full_screen = full_screen_;
    view.wizard_open = wizard_window_ != nullptr;
    view.wizard_query_running = wizard_window_ && wizard_window_->Busy();
    return view;
}

void MainWindow::PrepareMenu(const QString& id) {
    const std::string menu_id = id.toStdString();
    // The value submenus read every row: they are filled only when the menu opens.
    if (menu_id == app::menu_id::kList && session_.IsOpen()) FillValueMenus();
    if (menu_id == app::menu_id::kFile) FillRecentMenu();
    ApplyRules(menu_id);
}

void MainWindow::ApplyRules(std::string_view menu_id) {
    menus_.Apply(app::MenuRules(menu_id, session_, CurrentViewState()),
                 [this](int command) { return HasOperation(command); });
}

void MainWindow::ApplyAllRules() {
    namespace id = app::menu_id;
    for (std::string_view menu : {id::kFile, id::kView, id::kList, id::kPlayer, id::kTools}) {
        ApplyRules(menu);
    }
}

void MainWindow::OpenFromCommandLine(const std::string& path) {
    app::OpenDatabase(session_, database_services_, path);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (shut_down_) {
        event->accept();
        return;
    }
    if (!app::ConfirmExit(session_, database_services_)) {
        event->ignore();
        return;
    }
    Shutdown();
    event->accept();
}

void MainWindow::Shutdown() {
    if (shut_down_) return;
    shut_down_ = true;
    // The wizard keeps its history and place before the configuration is written.
    if (wizard_window_) wizard_window_->close();
    auto_cycle_timer_.stop();
    config::ProgramConfig& c = session_.config;
    c.first_start = false;
    if (full_screen_) SetFullScreen(false);
    const QRect frame = frameGeometry();
    app::StorePlacement(c, isMaximized(), isMinimized(),
                        {frame.x(), frame.y(), frame.width(), frame.height()});
    StorePanes();
    // The layout is a convenience: a failure to keep it costs the next start its pane sizes only.
    WriteWindowLayout(session_.paths.window_layout, saveState());
    app::SaveSettingsAtExit(session_.paths, c, session_.recent, prompts());
    app::RemoveRunWorkFiles(session_.paths);
    emit shutdownDone();
}

}  // namespace gui
