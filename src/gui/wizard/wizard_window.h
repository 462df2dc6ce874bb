#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "app/session.h"
#include "app/wizard_pick.h"
#include "config/service_config.h"
#include "platform/downloader.h"
#include "platform/image_converter.h"
#include "platform/progress.h"
#include "platform/prompts.h"
#include "wizard/import_wizard.h"
#include "wizard/query_worker.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QWebEngineView;

namespace gui {

class ResultsTableModel;

// What the wizard works with; owned by the main window.
struct WizardServices {
    app::Session& session;
    const config::ServiceConfig& service;
    platform::Prompts& prompts;
    platform::Progress& progress;  // the status bar's
    platform::Downloader& downloader;
    platform::ImageConverter& converter;
    QString res_folder;
};

// The Video Import Wizard: a modeless window with the search form, the results list beside the
// preview pane, the "Options" and "Viewed Status" groups and the buttons that add results.
// Closing it writes the history back, keeps its place and stops a search still running.
class WizardWindow final : public QWidget {
    Q_OBJECT
  public:
    WizardWindow(WizardServices services, QWidget* parent = nullptr);
    ~WizardWindow() override;

    wizard::ImportWizard& model() { return wizard_; }
    bool Busy() const { return wizard_.Busy(); }
    // The search field gets the focus (the window was asked for again).
    void FocusFind();
    // Update Selected: the record's title, custom values and viewed date; then the search.
    void UpdateFromRecord(int row);
    // A "Title" search for `title`, started unless one is running.
    void SearchTitle(const std::string& title);
    // The single selected result for the record editor's "Wizard" button.
    std::optional<app::WizardPick> SinglePick() const;
    // Starts the search as the "Search" button does.
    void StartSearch();

  signals:
    // Records were added or replaced; `row` is the last of them, now selected.
    void recordsAdded(int row);
    // Covers arrived (or the download window closed): thumbnails may be reloaded.
    void coversChanged();
    // The busy flag changed.
    void busyChanged(bool busy);
    // "Switch Manual": the wizard is closing; open the record editor with this result.
    void switchManualRequested(std::optional<app::WizardPick> pick);
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter in "Look In", "Sort by" or "List" searches as Enter in "Find" does.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* BuildForm();
    QWidget* BuildResults();
    QWidget* BuildGroups();
    void BuildMenu();

    void Run(std::optional<std::string> address);
    void Connecting();
    void Finished(wizard::QueryOutcome outcome);
    void Idle();
    void ShowNoResults();
    void ShowButtons();
    void ShowTitle();
    void ShowPage(const std::string& address);
    void SelectionChanged();
    void HeaderClicked(int column);
    void ShowSortChoice();
    std::vector<int> SelectedRows() const;

    void AddMyVideos();
    void AddWanted();
    void SwitchManual();
    void PrintSelected();
    void Rank(int stars);
    void ViewedChosen(bool viewed);
    void DateEdited();

    WizardServices services_;
    wizard::ImportWizard wizard_;
    wizard::QueryWorker worker_;
    wizard::BackgroundRequests requests_;
    int previewed_row_ = -1;
    bool closing_ = false;

    QComboBox* find_ = nullptr;
    QComboBox* look_in_ = nullptr;
    QComboBox* sort_by_ = nullptr;
    QCheckBox* match_case_ = nullptr;
    QSpinBox* list_ = nullptr;
    QPushButton* search_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QTableView* results_ = nullptr;
    ResultsTableModel* model_ = nullptr;
    QWebEngineView* preview_ = nullptr;
    std::array<QComboBox*, wizard::ImportWizard::kOptionCount> options_{};
    QRadioButton* viewed_yes_ = nullptr;
    QRadioButton* viewed_no_ = nullptr;
    QSpinBox* month_ = nullptr;
    QSpinBox* day_ = nullptr;
    QSpinBox* year_ = nullptr;
    QPushButton* add_my_videos_ = nullptr;
    QPushButton* add_wanted_ = nullptr;
    QPushButton* switch_manual_ = nullptr;
    QMenu* menu_ = nullptr;
    QMenu* sort_menu_ = nullptr;
};

}  // namespace gui
