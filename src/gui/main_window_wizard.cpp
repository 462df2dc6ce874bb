// The Video Import Wizard as the main window opens it, and the ratings of My Videos.
#include "app/command_ids.h"
#include "gui/main_window.h"
#include "gui/text_bytes.h"
#include "wizard/ratings.h"
#include "wizard/service_addresses.h"

namespace gui {
namespace cmd = app::cmd;

void MainWindow::RegisterWizardOperations() {
    auto& op = operations_;
    op[cmd::kVideoImportWizard] = [this] { OpenWizard(); };
    op[cmd::kToolWizard] = op[cmd::kVideoImportWizard];
    op[cmd::kUpdateSelected] = [this] { UpdateSelected(); };
    const std::pair<int, int> ranks[] = {
        {cmd::kRank1, 1}, {cmd::kRank2, 2}, {cmd::kRank3, 3}, {cmd::kRank4, 4}, {cmd::kRank5, 5}};
    for (const auto& [command, stars] : ranks) {
        op[command] = [this, stars] { RankSelected(stars); };
    }
    connect(wanted_widget_, &WantedPaneWidget::searchOnlineRequested, this,
            [this](const QString& title) { SearchOnline(ToBytes(title)); });
    connect(details_widget_, &DetailsPaneWidget::moreVideosRequested, this, [this] {
        const std::vector<int> rows = session_.Videos.SelectedRows();
        if (rows.empty()) return;
        const core::VideoList& list = session_.Videos;
        SearchOnline(list.GetCell(rows.front(), list.ColumnIndexOf("Title")));
    });
}

WizardWindow* MainWindow::OpenWizard() {
    if (!session_.IsOpen()) return nullptr;
    if (wizard_window_) {
        // One window only: it is restored and its search field gets the focus.
        if (wizard_window_->isMinimized()) wizard_window_->showNormal();
        wizard_window_->show();
        wizard_window_->raise();
        wizard_window_->activateWindow();
        wizard_window_->FocusFind();
        return wizard_window_;
    }
    wizard_window_ = new WizardWindow({session_, service_, database_services_.prompts, *status_,
                                       downloader_, converter_, res_folder_},
                                      this);
    connect(wizard_window_, &WizardWindow::recordsAdded, this, [this](int row) {
        ApplyColumnWidths();
        ShowRow(row);
    });
    connect(wizard_window_, &WizardWindow::coversChanged, this, [this] {
        const std::vector<int> rows = session_.Videos.SelectedRows();
        if (!rows.empty()) details_widget_->ShowRecord(rows.front());
    });
    connect(wizard_window_, &WizardWindow::busyChanged, this, [this] { ApplyAllRules(); });
    connect(wizard_window_, &WizardWindow::switchManualRequested, this,
            [this](std::optional<app::WizardPick> pick) { OpenRecordEditor(true, pick); });
    connect(wizard_window_, &WizardWindow::destroyed, this, [this] { ApplyAllRules(); });
    wizard_window_->show();
    wizard_window_->FocusFind();
    ApplyAllRules();
    return wizard_window_;
}

void MainWindow::UpdateSelected() {
    if (session_.Videos.SelectedCount() != 1) return;
    if (wizard_window_ && wizard_window_->Busy()) return;
    const int row = session_.Videos.SelectedRows().front();
    if (WizardWindow* wizard = OpenWizard()) wizard->UpdateFromRecord(row);
}

void MainWindow::SearchOnline(const std::string& title) {
    if (WizardWindow* wizard = OpenWizard()) wizard->SearchTitle(title);
}

void MainWindow::RankSelected(int stars) {
    const std::optional<std::string> values = wizard::RankSelectedRecord(session_, stars);
    if (!values) return;
    const wizard::Address address = wizard::RatingAddress(service_.base_url, *values, stars);
    if (address.ok()) rank_requests_.Send(address.text, session_.paths.rating_reply);
}

std::optional<app::WizardPick> MainWindow::WizardSelection() const {
    if (!wizard_window_) return std::nullopt;
    return wizard_window_->SinglePick();
}

}  // namespace gui
