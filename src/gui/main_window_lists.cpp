// The main window's list operations: List Videos, Mark Selected, flags, viewed dates, deleting,
// and the caption strip's buttons, with the panes that show their results.
#include <functional>

#include "app/column_widths.h"
#include "app/command_ids.h"
#include "app/deleting.h"
#include "app/flag_window.h"
#include "app/list_videos.h"
#include "app/mark_selected_window.h"
#include "app/marking.h"
#include "app/record_editor.h"
#include "app/sort_commands.h"
#include "app/synchronize_window.h"
#include "gui/auto_cycle_dialog.h"
#include "gui/editor/flag_dialog.h"
#include "gui/editor/mark_selected_dialog.h"
#include "gui/editor/record_editor_dialog.h"
#include "gui/main_window.h"
#include "gui/synchronize_dialog.h"
#include "gui/text_bytes.h"

namespace gui {
namespace cmd = app::cmd;

void MainWindow::RegisterListOperations() {
    app::Session& s = session_;
    auto& op = operations_;
    auto listing = [this](std::function<app::Listing(core::VideoList&)> select) {
        return [this, select = std::move(select)] {
            if (session_.Videos.RowCount() == 0) return;
            text_search_.ShowListing(select(session_.Videos));
            ShowSearchResults();
        };
    };
    op[cmd::kListFlaggedAll] = listing(app::SelectFlagged);
    op[cmd::kListViewed] = listing(app::SelectViewed);
    op[cmd::kListNotViewed] = listing(app::SelectNotViewed);
    op[cmd::kListDuplicateTitles] =
        listing([](core::VideoList& list) { return app::SelectDuplicateTitles(list); });
    op[cmd::kListDuplicateTitlesAndYears] = listing([](core::VideoList& list) {
        return app::SelectDuplicateTitles(list, app::DuplicateKey::kTitleAndYear);
    });

    op[cmd::kAddNew] = [this] { OpenRecordEditor(true); };
    op[cmd::kEditSelected] = [this] { OpenRecordEditor(false); };
    op[cmd::kFlagSelected] = [this] { OpenFlagWindow(); };
    op[cmd::kMarkFlagNew] = op[cmd::kFlagSelected];
    op[cmd::kMarkCustom] = [this] { OpenMarkSelectedWindow(); };
    op[cmd::kAutoCycle] = [this] { OpenAutoCycle(); };
    op[cmd::kSynchronize] = [this] {
        if (!session_.CanChange()) return;
        app::SynchronizeWindow window;
        SynchronizeDialog dialog(window, this);
        if (dialog.exec() == QDialog::Accepted) window.Ok(session_, *status_);
    };
    op[cmd::kUnflagSelected] = [&s] { app::UnflagSelected(s); };
    op[cmd::kUnflagAll] = [&s] { app::UnflagAll(s); };
    op[cmd::kMarkViewed] = [&s] { app::MarkViewedToday(s); };
    op[cmd::kMarkNotViewed] = [&s] { app::MarkNotViewed(s); };
    op[cmd::kDeleteSelected] = [this, &s] {
        if (app::DeleteSelected(s, prompts())) details_widget_->Clear();
    };
    op[cmd::kDeleteAll] = [this, &s] {
        if (app::DeleteAll(s, prompts())) details_widget_->Clear();
    };

    // The pane's own buttons ask a little more than the menu items before they act.
    CaptionStrip* strip = my_videos_->strip();
    connect(strip, &CaptionStrip::buttonClicked, this, [this](CaptionStrip::Button button) {
        using B = CaptionStrip::Button;
        // clang-format off
        switch (button) {
            case B::kDeleteSelected: pane_buttons_.DeleteSelected(); break;
            case B::kDeleteAll: pane_buttons_.DeleteAll(); break;
            case B::kUnflag: pane_buttons_.UnflagSelected(); break;
            case B::kUnflagAll: pane_buttons_.UnflagAll(); break;
            case B::kMarkViewed: pane_buttons_.MarkViewed(); break;
            case B::kMarkNotViewed: pane_buttons_.MarkNotViewed(); break;
            case B::kAdd: OpenWindowOfButton(pane_buttons_.AddVideo()); break;
            case B::kEdit: OpenWindowOfButton(pane_buttons_.EditVideo()); break;
            case B::kFlag: OpenWindowOfButton(pane_buttons_.FlagSelected()); break;
            case B::kMarkCustom: OpenWindowOfButton(pane_buttons_.MarkCustom()); break;
        }
        // clang-format on
    });

    op[cmd::kSearch] = [this] { ToggleSearchPane(false); };
    op[cmd::kReplace] = [this] { ToggleSearchPane(true); };
    op[cmd::kTextSearch] = op[cmd::kSearch];
    op[cmd::kTextReplace] = op[cmd::kReplace];
    op[cmd::kToolSearch] = op[cmd::kSearch];
    op[cmd::kToolReplace] = op[cmd::kReplace];
}

void MainWindow::OpenRecordEditor(bool adding, std::optional<app::WizardPick> pick) {
    if (adding && !app::MayAddRecord(session_, prompts())) return;
    if (!adding && (session_.Videos.SelectedCount() != 1 || !session_.CanChange())) return;
    app::RecordEditor editor(
        session_, {prompts(), converter_, downloader_, &help_},
        adding ? app::RecordEditor::Mode::kAdd : app::RecordEditor::Mode::kEdit);
    if (wizard_window_ && wizard_window_->isVisible())
        editor.SetWizardSource([this] { return WizardSelection(); });
    RecordEditorDialog dialog(editor, this);
    if (pick) dialog.FillFromWizardPick(*pick);
    connect(&dialog, &RecordEditorDialog::recordStored, this, &MainWindow::ShowRow);
    dialog.exec();
}

void MainWindow::OpenFlagWindow() {
    if (session_.Videos.SelectedCount() == 0 || !session_.CanChange()) return;
    app::FlagWindow window(session_);
    FlagDialog dialog(window, this);
    dialog.exec();
}

void MainWindow::OpenMarkSelectedWindow() {
    if (session_.Videos.SelectedCount() == 0 || !session_.CanChange()) return;
    app::MarkSelectedWindow window(session_);
    MarkSelectedDialog dialog(window, this);
    dialog.exec();
}

void MainWindow::OpenAutoCycle() {
    if (session_.Videos.RowCount() == 0) return;
    config::WindowGeometry& stored = session_.config.video_list_cycle_window;
    AutoCycleDialog dialog(auto_cycle_, res_folder_, this);
    if (stored.w > 0 && stored.h > 0) dialog.setGeometry(stored.x, stored.y, stored.w, stored.h);
    connect(&dialog, &AutoCycleDialog::periodChanged, this,
            [this](int milliseconds) { auto_cycle_timer_.start(milliseconds); });
    auto_cycle_.Start();
    auto_cycle_timer_.start(auto_cycle_.PeriodMilliseconds());
    dialog.exec();
    auto_cycle_.Stop();
    if (!dialog.isMaximized()) {
        const QRect frame = dialog.geometry();
        stored = {frame.x(), frame.y(), frame.width(), frame.height()};
    }
}

void MainWindow::OpenWindowOfButton(app::MyVideosButtons::Opens opens) {
    using Opens = app::MyVideosButtons::Opens;
    // clang-format off
    switch (opens) {
        case Opens::kAddVideo: OpenRecordEditor(true); break;
        case Opens::kEditVideo: OpenRecordEditor(false); break;
        case Opens::kFlagWindow: OpenFlagWindow(); break;
        case Opens::kMarkSelectedWindow: OpenMarkSelectedWindow(); break;
        case Opens::kNothing: break;
    }
    // clang-format on
}

void MainWindow::RunValueCommand(int command, QAction* action) {
    const app::ValueCommand value = app::DecodeValueCommand(session_.Videos, command);
    if (value.column.empty() || !action) return;
    // The item's label is the value; labels show "&" doubled.
    std::string text = ToBytes(action->text().replace("&&", "&"));
    if (!value.mark) {
        if (session_.Videos.RowCount() == 0) return;
        text_search_.SelectByValue(value.column, text);
        ShowSearchResults();
    } else if (value.column == core::column_name::kFlagValue) {
        app::FlagSelected(session_, text);
    } else {
        app::SetFieldOfSelected(session_, value.column, text);
    }
}

void MainWindow::ConnectPanes() {
    auto caption = [](PaneDock* dock) {
        return [dock](const QString& text) { dock->setWindowTitle(text); };
    };
    connect(wanted_widget_, &WantedPaneWidget::captionChanged, this, caption(wanted_dock_));
    connect(search_widget_, &SearchPaneWidget::captionChanged, this, caption(search_dock_));
    connect(replace_widget_, &ReplacePaneWidget::captionChanged, this, caption(replace_dock_));
    connect(details_widget_, &DetailsPaneWidget::captionChanged, this, caption(details_dock_));

    connect(search_widget_, &SearchPaneWidget::rowsSelected, this,
            &MainWindow::ShowSelectionResult);
    connect(search_widget_, &SearchPaneWidget::showRow, this, &MainWindow::ShowRow);
    connect(search_widget_, &SearchPaneWidget::focusMyVideos, this,
            [this] { my_videos_->view()->setFocus(); });
    connect(search_widget_, &SearchPaneWidget::editRequested, this,
            [this] { RunCommand(cmd::kEditSelected); });
    connect(replace_widget_, &ReplacePaneWidget::showRow, this, &MainWindow::ShowRow);
    connect(details_widget_, &DetailsPaneWidget::statusText, this, [this](const QString& text) {
        status_->ShowHelpLine(text.isEmpty() ? QString("       Ready") : text);
    });
    connect(details_widget_, &DetailsPaneWidget::quickFindRan, this,
            &MainWindow::ShowSearchResults);
    connect(details_widget_, &DetailsPaneWidget::hideRequested, this,
            [this] { details_dock_->hide(); });
    connect(details_widget_, &DetailsPaneWidget::printRequested, this,
            [this] { RunCommand(cmd::kPrint); });
    connect(my_videos_->view(), &VideoTableView::editRequested, this,
            [this] { RunCommand(cmd::kEditSelected); });

    ImageBrowserWidget* browser = my_videos_->browser();
    connect(browser, &ImageBrowserWidget::editRequested, this,
            [this] { RunCommand(cmd::kEditSelected); });
    connect(browser, &ImageBrowserWidget::contextMenuRequested, this, [this](const QPoint& at) {
        PrepareMenu(QString::fromUtf8(app::menu_id::kList));
        if (QMenu* list = menus_.Submenu(app::menu_id::kList)) list->exec(at);
    });
    connect(browser, &ImageBrowserWidget::toggleViewRequested, this,
            [this] { RunCommand(cmd::kTextView); });
    connect(browser, &ImageBrowserWidget::sortDirectionRequested, this, [this] {
        const app::Session& s = session_;
        if (s.Videos.RowCount() == 0 || s.Sort.column < 0) return;
        app::SortVideos(session_, s.Sort.column, s.Sort.direction != 0 ? 0 : 1);
    });
    connect(browser, &ImageBrowserWidget::statusText, this, [this](const QString& text) {
        status_->ShowHelpLine(text.isEmpty() ? QString("       Ready") : text);
    });
}

void MainWindow::ShowRow(int row) {
    if (row < 0 || row >= session_.Videos.RowCount()) return;
    my_videos_->ShowListSelection();
    my_videos_->RevealRow(row);  // also when it was selected already and scrolled away since
    details_widget_->ShowRecord(row);
}

void MainWindow::ShowSelectionResult() {
    ApplySearchPanes();
    my_videos_->ShowListSelection();
    my_videos_->view()->setFocus();
}

void MainWindow::SelectionChanged() {
    const std::vector<int> rows = session_.Videos.SelectedRows();
    if (rows.empty()) {
        details_widget_->Clear();
    } else {
        details_widget_->ShowRecord(rows.front());
    }
    UpdatePaneButtons();
    ApplyRules(app::menu_id::kList);
}

void MainWindow::ShowSearchResults() {
    ApplySearchPanes();
    search_widget_->ShowSearchDone();
}

void MainWindow::ApplySearchPanes() {
    // Showing and hiding the docks below must not be taken for the user's doing.
    const bool was_applying = applying_search_panes_;
    applying_search_panes_ = true;
    const config::ProgramConfig& c = session_.config;
    search_dock_->setFloating(!c.search_window_docked);
    replace_dock_->setFloating(!c.replace_window_docked);
    search_dock_->setVisible(c.search_window_visible);
    replace_dock_->setVisible(c.replace_window_visible);
    if (c.search_window_visible) search_dock_->raise();
    if (c.replace_window_visible) replace_dock_->raise();
    applying_search_panes_ = was_applying;
}

void MainWindow::ToggleSearchPane(bool replace) {
    if (replace) {
        if (replace_dock_->isHidden()) {
            search_panes_.ShowReplace();
        } else {
            search_panes_.HideReplace();
        }
    } else if (search_dock_->isHidden()) {
        search_panes_.ShowSearch();
    } else {
        search_panes_.HideSearch();
    }
    ApplySearchPanes();
}

void MainWindow::ApplyColumnWidths() {
    app::ApplyColumnWidths(session_.Videos, session_.config.video_list_autosize_columns,
                           *text_widths_, status_);
    my_videos_->ApplyColumns();
}

}  // namespace gui
