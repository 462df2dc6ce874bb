#include "gui/wizard/wizard_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QWebEngineView>

#include "app/image_undo.h"
#include "core/dates.h"
#include "gui/html/html_page_printer.h"
#include "gui/mnemonics.h"
#include "gui/text_bytes.h"
#include "gui/window_hold.h"
#include "gui/wizard/results_table_model.h"
#include "gui/wizard/wizard_dialogs.h"
#include "html/print_settings.h"
#include "wizard/ratings.h"
#include "wizard/results_print.h"

namespace gui {
namespace {

using platform::Buttons;
using platform::Icon;

wizard::PostToWindow PostTo(QObject* window) {
    return [window](std::function<void()> step) { PostToWindowThread(window, std::move(step)); };
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

WizardWindow::WizardWindow(WizardServices services, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(services),
      wizard_(services.session, services.service, services.prompts),
      worker_(services.downloader, PostTo(this)),
      requests_(services.downloader, PostTo(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName("wizardWindow");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildForm());
    layout->addWidget(BuildResults(), 1);
    layout->addWidget(BuildGroups());
    BuildMenu();
    GiveMnemonics(findChild<QGroupBox*>("optionsGroup")->findChildren<QWidget*>(), this, this);

    const config::WindowGeometry& stored = services.session.config.vidwiz_window;
    if (stored.w > 0 && stored.h > 0) {
        setGeometry(stored.x, stored.y, stored.w, stored.h);
    } else {
        resize(1060, 700);
    }
    ShowTitle();
    ShowButtons();
    // A command that starts a search at once shows its in-progress page instead.
    QTimer::singleShot(0, this, [this] {
        if (preview_->url().isEmpty()) ShowPage(wizard_.IdlePage());
    });
}

WizardWindow::~WizardWindow() {
    // The worker goes first: no step of it may reach a window being taken apart.
    worker_.Stop();
    requests_.WaitAll();
}

QWidget* WizardWindow::BuildForm() {
    auto* form = new QWidget(this);
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);

    find_ = new QComboBox(form);
    find_->setObjectName("findField");
    find_->setEditable(true);
    find_->setInsertPolicy(QComboBox::NoInsert);
    find_->lineEdit()->setMaxLength(static_cast<int>(wizard::ImportWizard::kFindLength));
    find_->setMinimumWidth(320);
    for (const std::string& text : wizard_.History()) find_->addItem(FromBytes(text));
    find_->setCurrentText(FromBytes(wizard_.Find()));
    connect(find_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { wizard_.SetFind(ToBytes(text)); });
    connect(find_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (search_->isEnabled()) Run(wizard_.RunQuery());
    });

    look_in_ = new QComboBox(form);
    look_in_->setObjectName("lookInField");
    for (const std::string& choice : wizard_.LookInChoices()) look_in_->addItem(FromBytes(choice));
    look_in_->setCurrentText(FromBytes(wizard_.LookIn()));
    connect(look_in_, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { wizard_.SetLookIn(ToBytes(text)); });

    sort_by_ = new QComboBox(form);
    sort_by_->setObjectName("sortByField");
    for (const std::string& choice : wizard_.SortChoices()) sort_by_->addItem(FromBytes(choice));
    sort_by_->setCurrentText(FromBytes(wizard_.SortBy()));
    connect(sort_by_, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { wizard_.SetSortBy(ToBytes(text)); });

    match_case_ = new QCheckBox("Match &Case", form);
    match_case_->setObjectName("matchCase");
    match_case_->setChecked(wizard_.MatchCase());
    connect(match_case_, &QCheckBox::toggled, this, [this](bool on) { wizard_.SetMatchCase(on); });

    list_ = new QSpinBox(form);
    list_->setObjectName("listField");
    list_->setRange(0, 999);
    list_->setValue(wizard_.ListCount());
    list_->setToolTip("Results per page (1 to 50)");
    connect(list_, &QSpinBox::textChanged, this, [this](const QString& text) {
        const std::optional<int> count = wizard_.TypeListCount(ToBytes(text));
        if (count && (*count != list_->value() || text.isEmpty())) {
            QSignalBlocker block(list_);
            list_->setValue(*count);
        }
    });

    search_ = new QPushButton("&Search", form);
    search_->setObjectName("searchButton");
    search_->setDefault(true);
    previous_ = new QPushButton("<<", form);
    previous_->setObjectName("previousButton");
    previous_->setToolTip("Previous page");
    next_ = new QPushButton(">>", form);
    next_->setObjectName("nextButton");
    next_->setToolTip("Next page");
    connect(search_, &QPushButton::clicked, this, [this] { StartSearch(); });
    connect(previous_, &QPushButton::clicked, this, [this] { Run(wizard_.PagePrevious()); });
    connect(next_, &QPushButton::clicked, this, [this] { Run(wizard_.PageNext()); });

    grid->addWidget(Label("&Find:", find_, form), 0, 0);
    grid->addWidget(find_, 0, 1, 1, 3);
    grid->addWidget(search_, 0, 4);
    grid->addWidget(previous_, 0, 5);
    grid->addWidget(next_, 0, 6);
    grid->addWidget(Label("&Look In:", look_in_, form), 1, 0);
    grid->addWidget(look_in_, 1, 1);
    grid->addWidget(Label("Sort &by:", sort_by_, form), 1, 2);
    grid->addWidget(sort_by_, 1, 3);
    auto* list_row = new QHBoxLayout;
    list_row->addWidget(match_case_);
    list_row->addStretch(1);
    list_row->addWidget(Label("L&ist:", list_, form));
    list_row->addWidget(list_);
    grid->addLayout(list_row, 1, 4, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return form;
}

QWidget* WizardWindow::BuildResults() {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("resultsSplitter");
    results_ = new QTableView(splitter);
    results_->setObjectName("resultsList");
    results_->setAccessibleName("Results");
    results_->setTabKeyNavigation(false);
    model_ =
        new ResultsTableModel(wizard_, QIcon(services_.res_folder + "/wizard-cover.svg"), results_);
    results_->setModel(model_);
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    results_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setWordWrap(false);
    results_->setContextMenuPolicy(Qt::CustomContextMenu);
    results_->verticalHeader()->hide();
    results_->verticalHeader()->setDefaultSectionSize(results_->fontMetrics().height() + 6);
    QHeaderView* header = results_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(true);
    results_->setColumnHidden(0, true);  // the identifier
    results_->setColumnWidth(1, 22);
    header->setSectionResizeMode(1, QHeaderView::Fixed);
    results_->setColumnWidth(2, 46);
    results_->setColumnWidth(3, 210);
    results_->setColumnWidth(4, 86);
    results_->setColumnWidth(5, 66);
    connect(header, &QHeaderView::sectionClicked, this, &WizardWindow::HeaderClicked);
    connect(results_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &WizardWindow::SelectionChanged);
    connect(results_, &QTableView::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex index = results_->indexAt(at);
        if (index.isValid() && !results_->selectionModel()->isRowSelected(index.row(), {})) {
            results_->selectRow(index.row());
        }
        menu_->popup(results_->viewport()->mapToGlobal(at));
    });

    preview_ = new QWebEngineView(splitter);
    preview_->setObjectName("previewPane");
    preview_->setMinimumWidth(240);
    splitter->addWidget(results_);
    splitter->addWidget(preview_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({620, 330});
    return splitter;
}

QWidget* WizardWindow::BuildGroups() {
    auto* bottom = new QWidget(this);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);

    auto* options = new QGroupBox("Options", bottom);
    options->setObjectName("optionsGroup");
    auto* grid = new QGridLayout(options);
    for (int i = 0; i < wizard::ImportWizard::kOptionCount; ++i) {
        auto* field = new QComboBox(options);
        field->setObjectName(QString("option%1").arg(i + 1));
        field->setEditable(true);
        field->setInsertPolicy(QComboBox::NoInsert);
        field->lineEdit()->setMaxLength(255);
        for (const std::string& choice : wizard_.OptionChoices()[static_cast<std::size_t>(i)])
            field->addItem(FromBytes(choice));
        field->setCurrentText({});
        field->setMinimumWidth(150);
        connect(field, &QComboBox::editTextChanged, this,
                [this, i](const QString& text) { wizard_.SetOption(i, ToBytes(text)); });
        options_[static_cast<std::size_t>(i)] = field;
        // Four in the left column, three in the right.
        const int column = i < 4 ? 0 : 2;
        const int line = i < 4 ? i : i - 4;
        // Column names, shown as they are; their mnemonics come once the window is built.
        const QString name = FromBytes(wizard_.OptionLabels()[static_cast<std::size_t>(i)]);
        grid->addWidget(Label(QString(name).replace("&", "&&") + ":", field, options), line,
                        column);
        grid->addWidget(field, line, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    row->addWidget(options, 1);

    auto* viewed = new QGroupBox("Viewed Status", bottom);
    viewed->setObjectName("viewedGroup");
    auto* viewed_grid = new QGridLayout(viewed);
    viewed_yes_ = new QRadioButton("&Yes", viewed);
    viewed_yes_->setObjectName("viewedYes");
    viewed_no_ = new QRadioButton("&No", viewed);
    viewed_no_->setObjectName("viewedNo");
    month_ = new QSpinBox(viewed);
    day_ = new QSpinBox(viewed);
    year_ = new QSpinBox(viewed);
    month_->setObjectName("viewedMonth");
    day_->setObjectName("viewedDay");
    year_->setObjectName("viewedYear");
    // 0 stands for an empty field, shown blank.
    month_->setRange(0, 12);
    day_->setRange(0, 31);
    year_->setRange(0, 9999);
    for (QSpinBox* field : {month_, day_, year_}) {
        field->setSpecialValueText(" ");
        connect(field, &QSpinBox::valueChanged, this, [this] { DateEdited(); });
    }
    connect(viewed_yes_, &QRadioButton::toggled, this, [this](bool on) { ViewedChosen(on); });
    viewed_grid->addWidget(viewed_yes_, 0, 0);
    viewed_grid->addWidget(viewed_no_, 0, 1);
    const std::pair<const char*, QSpinBox*> date_labels[] = {
        {"Mont&h", month_}, {"&Day", day_}, {"Y&ear", year_}};
    for (int column = 0; column < 3; ++column) {
        auto* label = new QLabel(date_labels[column].first, viewed);
        label->setBuddy(date_labels[column].second);
        viewed_grid->addWidget(label, 1, column);
    }
    viewed_grid->addWidget(month_, 2, 0);
    viewed_grid->addWidget(day_, 2, 1);
    viewed_grid->addWidget(year_, 2, 2);
    viewed_grid->setRowStretch(3, 1);
    row->addWidget(viewed);
    ViewedChosen(wizard_.Viewed());

    auto* buttons = new QVBoxLayout;
    add_my_videos_ = new QPushButton("Add &My Videos", bottom);
    add_my_videos_->setObjectName("addMyVideosButton");
    add_wanted_ = new QPushButton("Add &Wanted", bottom);
    add_wanted_->setObjectName("addWantedButton");
    switch_manual_ = new QPushButton("Switch Man&ual", bottom);
    switch_manual_->setObjectName("switchManualButton");
    auto* close = new QPushButton("Cl&ose", bottom);
    close->setObjectName("closeButton");
    for (QPushButton* button : {add_my_videos_, add_wanted_, switch_manual_, close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    connect(add_my_videos_, &QPushButton::clicked, this, &WizardWindow::AddMyVideos);
    connect(add_wanted_, &QPushButton::clicked, this, &WizardWindow::AddWanted);
    connect(switch_manual_, &QPushButton::clicked, this, &WizardWindow::SwitchManual);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    row->addLayout(buttons);
    return bottom;
}

void WizardWindow::BuildMenu() {
    menu_ = new QMenu(this);
    menu_->setObjectName("resultsMenu");
    auto item = [this](QMenu* menu, const QString& label, const char* tip, auto slot) {
        QAction* action = menu->addAction(label, this, slot);
        action->setStatusTip(QString("       ") + tip);
        return action;
    };
    QAction* add = item(menu_, "Add to My Videos", "Add selected items to the My Videos list",
                        [this] { AddMyVideos(); });
    QAction* wanted = item(menu_, "Add to Wanted Videos",
                           "Add selected items to the Wanted Videos list", [this] { AddWanted(); });
    menu_->addSeparator();
    QAction* manual =
        item(menu_, "Switch Manual...", "Switch to add manual mode", [this] { SwitchManual(); });
    menu_->addSeparator();
    sort_menu_ = menu_->addMenu("Sort List");
    sort_menu_->menuAction()->setStatusTip("       Sort list items");
    for (const std::string& choice : wizard_.SortChoices()) {
        item(sort_menu_, FromBytes(choice), "Sort list items", [this, choice] {
            wizard_.SortByChoice(choice);
            model_->Reload();
            previewed_row_ = -1;
            ShowSortChoice();
        });
    }
    menu_->addSeparator();
    item(menu_, "Select All", "Select all items in list", [this] { results_->selectAll(); });
    menu_->addSeparator();
    QAction* print = item(menu_, "Print Selected...", "Print selected items in list",
                          [this] { PrintSelected(); });
    menu_->addSeparator();
    QMenu* rank = menu_->addMenu("Rank Selected");
    rank->menuAction()->setStatusTip("       Rank selected items in list");
    const char* counts[] = {"one", "two", "three", "four", "five"};
    for (int stars = 5; stars >= 1; --stars) {
        QAction* action = rank->addAction(FromBytes(wizard::StarsText(stars)), this,
                                          [this, stars] { Rank(stars); });
        action->setStatusTip(QString("       Send Reeldeck a %1 star rating for selected item")
                                 .arg(counts[stars - 1]));
    }
    menu_->addSeparator();
    QAction* grid = item(menu_, "Show Gridlines", "Show or hide gridlines",
                         [this](bool on) { results_->setShowGrid(on); });
    grid->setCheckable(true);
    grid->setChecked(results_->showGrid());
    connect(menu_, &QMenu::aboutToShow, this, [=, this] {
        const int selected = static_cast<int>(SelectedRows().size());
        add->setEnabled(wizard_.AddEnabled(selected));
        wanted->setEnabled(wizard_.AddEnabled(selected));
        manual->setEnabled(wizard_.SwitchManualEnabled());
        print->setEnabled(selected > 0);
        rank->setEnabled(selected == 1);
        sort_menu_->setEnabled(!wizard_.Rows().empty());
    });
    GiveMenuMnemonics(menu_);
}

void WizardWindow::StartSearch() {
    Run(wizard_.Search());
}

void WizardWindow::FocusFind() {
    find_->setFocus();
    find_->lineEdit()->selectAll();
}

void WizardWindow::Run(std::optional<std::string> address) {
    if (!address) {
        if (wizard_.Find().empty()) FocusFind();
        return;
    }
    if (find_->findText(find_->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0) {
        const QString text = find_->currentText();
        QSignalBlocker block(find_);
        find_->addItem(text);
        find_->setCurrentText(text);
    }
    const bool started =
        worker_.Start(*address, wizard_.ResultsPath(),
                      {[this] { Connecting(); },
                       [this](wizard::QueryOutcome outcome) { Finished(std::move(outcome)); },
                       [this] { Idle(); }});
    if (!started) {
        wizard_.WorkerNotStarted();
        ShowPage(wizard_.IdlePage());
    }
    ShowButtons();
    emit busyChanged(wizard_.Busy());
}

void WizardWindow::Connecting() {
    wizard_.Connecting();
    previewed_row_ = -1;
    model_->Reload();
    ShowTitle();
    ShowPage(wizard_.InProgressPage());
    ShowButtons();
}

void WizardWindow::Finished(wizard::QueryOutcome outcome) {
    const wizard::ImportWizard::Shown shown = wizard_.ApplyOutcome(std::move(outcome));
    previewed_row_ = -1;
    model_->Reload();
    ShowSortChoice();
    ShowTitle();
    ShowButtons();
    if (shown.preview_row >= 0) {
        results_->selectRow(shown.preview_row);
        results_->setFocus();
        return;
    }
    ShowPage(wizard_.IdlePage());
    if (shown.no_results) ShowNoResults();
}

void WizardWindow::Idle() {
    wizard_.QueryIdle();
    ShowButtons();
    emit busyChanged(false);
}

void WizardWindow::ShowNoResults() {
    NoResultsDialog dialog(FromBytes(wizard_.NoResultsSearchText()), wizard_.AdviseEnabled(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<std::string> address = wizard_.AdviseRequest();
    if (!address) return;
    requests_.Send(*address, services_.session.paths.rating_reply);
    services_.prompts.Message(wizard::ImportWizard::kAdviseThanks, "Reeldeck Help", Buttons::kOk,
                              Icon::kInformation);
}

void WizardWindow::ShowButtons() {
    const wizard::PageButtons buttons = wizard_.Buttons();
    search_->setEnabled(buttons.search);
    previous_->setEnabled(buttons.previous);
    next_->setEnabled(buttons.next);
    switch_manual_->setEnabled(buttons.switch_manual);
    const bool add = wizard_.AddEnabled(static_cast<int>(SelectedRows().size()));
    add_my_videos_->setEnabled(add);
    add_wanted_->setEnabled(add);
}

void WizardWindow::ShowTitle() {
    setWindowTitle(FromBytes(wizard_.WindowTitle()));
}

void WizardWindow::ShowPage(const std::string& address) {
    preview_->setUrl(QUrl(FromBytes(address)));
}

std::vector<int> WizardWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : results_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void WizardWindow::SelectionChanged() {
    ShowButtons();
    if (wizard_.Rows().empty()) return;
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1) {
        if (previewed_row_ != -1) ShowPage(wizard_.IdlePage());
        previewed_row_ = -1;
        return;
    }
    if (rows.front() == previewed_row_) return;
    previewed_row_ = rows.front();
    ShowPage(wizard_.PreviewPage(previewed_row_));
}

void WizardWindow::HeaderClicked(int column) {
    if (column < 2) return;
    wizard_.SortByColumn(column);
    results_->clearSelection();
    model_->Reload();
    previewed_row_ = -1;
    ShowSortChoice();
}

void WizardWindow::ShowSortChoice() {
    QHeaderView* header = results_->horizontalHeader();
    header->setSortIndicatorShown(wizard_.SortColumn() >= 0);
    if (wizard_.SortColumn() >= 0)
        header->setSortIndicator(wizard_.SortColumn(), Qt::AscendingOrder);
    QSignalBlocker block(sort_by_);
    sort_by_->setCurrentText(FromBytes(wizard_.SortBy()));
}

std::optional<app::WizardPick> WizardWindow::SinglePick() const {
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1) return std::nullopt;
    return wizard_.PickOf(rows.front());
}

void WizardWindow::UpdateFromRecord(int row) {
    wizard_.FillFromRecord(row);
    {
        QSignalBlocker block_find(find_);
        QSignalBlocker block_look(look_in_);
        find_->setCurrentText(FromBytes(wizard_.Find()));
        look_in_->setCurrentText(FromBytes(wizard_.LookIn()));
    }
    for (int i = 0; i < wizard::ImportWizard::kOptionCount; ++i) {
        QSignalBlocker block(options_[static_cast<std::size_t>(i)]);
        options_[static_cast<std::size_t>(i)]->setCurrentText(
            FromBytes(wizard_.Options()[static_cast<std::size_t>(i)]));
    }
    {
        QSignalBlocker block_yes(viewed_yes_);
        viewed_yes_->setChecked(wizard_.Viewed());
        viewed_no_->setChecked(!wizard_.Viewed());
    }
    ViewedChosen(wizard_.Viewed());
    // The start index stays: 0 when the window has just opened.
    Run(wizard_.RunQuery());
}

void WizardWindow::SearchTitle(const std::string& title) {
    wizard_.PrepareTitleSearch(title);
    {
        QSignalBlocker block_find(find_);
        QSignalBlocker block_look(look_in_);
        find_->setCurrentText(FromBytes(wizard_.Find()));
        look_in_->setCurrentText(FromBytes(wizard_.LookIn()));
    }
    if (!wizard_.Busy()) StartSearch();
}

void WizardWindow::ViewedChosen(bool viewed) {
    wizard_.SetViewed(viewed);
    {
        QSignalBlocker block_yes(viewed_yes_);
        QSignalBlocker block_no(viewed_no_);
        viewed_yes_->setChecked(viewed);
        viewed_no_->setChecked(!viewed);
    }
    for (QSpinBox* field : {month_, day_, year_}) field->setEnabled(viewed);
    const std::pair<QSpinBox*, const std::string*> fields[] = {
        {month_, &wizard_.Month()}, {day_, &wizard_.Day()}, {year_, &wizard_.ViewedYear()}};
    for (const auto& [field, text] : fields) {
        QSignalBlocker block(field);
        field->setValue(FromBytes(*text).toInt());
    }
}

void WizardWindow::DateEdited() {
    auto text = [](const QSpinBox* field) {
        return field->value() == 0 ? std::string() : std::to_string(field->value());
    };
    wizard_.SetDate(text(month_), text(day_), text(year_));
}

void WizardWindow::AddMyVideos() {
    const std::vector<int> rows = SelectedRows();
    if (!wizard_.AddEnabled(static_cast<int>(rows.size()))) return;
    DuplicateQuestionBox question(this);
    const wizard::AddOutcome outcome = wizard_.AddMyVideos(question, services_.progress, rows);
    if (!outcome.Changed()) return;
    emit recordsAdded(outcome.last_row);
    if (!outcome.covers.empty()) {
        CoverDownloadDialog download(services_.downloader, services_.converter,
                                     services_.session.ImageFolder,
                                     app::ImageUndoOf(services_.session), outcome.covers, this);
        download.exec();
    }
    emit coversChanged();
    services_.prompts.Message(wizard::kAddedUpdatedText, wizard::kWizardCaption, Buttons::kOk,
                              Icon::kInformation);
}

void WizardWindow::AddWanted() {
    const std::vector<int> rows = SelectedRows();
    if (!wizard_.AddEnabled(static_cast<int>(rows.size()))) return;
    wizard_.AddWanted(services_.progress, rows);
}

void WizardWindow::SwitchManual() {
    if (!wizard_.SwitchManualEnabled()) return;
    const std::optional<app::WizardPick> pick = SinglePick();
    // The closing work is done first; the window goes away when the editor returns.
    close();
    emit switchManualRequested(pick);
}

void WizardWindow::PrintSelected() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    const config::ProgramPaths& paths = services_.session.paths;
    html::PrintSettings settings;
    html::LoadPrintSettings(paths.print_settings, settings);
    const std::vector<wizard::ResultRow> picked = wizard_.RowsAt(rows);
    platform::NoProgress quiet;
    const core::FileResult written = wizard::WriteResultsPrintFile(
        paths.print_my_videos, settings, picked, services_.service.image_base_url,
        paths.print_no_image, core::TodayShortDate(services_.session.clock), quiet);
    if (!written) {
        services_.prompts.Message("Error writing print page:\n" + written.Describe(), "Error",
                                  Buttons::kOk, Icon::kError);
        return;
    }
    PrintHtmlPage(paths.print_my_videos, this);
}

void WizardWindow::Rank(int stars) {
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1) return;
    const std::optional<std::string> address = wizard_.RatingRequest(rows.front(), stars);
    if (!address) return;
    ShowPage(wizard_.InProgressPage());
    requests_.Send(*address, services_.session.paths.rating_reply, [this] {
        previewed_row_ = -1;
        SelectionChanged();
    });
}

void WizardWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = focusWidget();
    if (enter && (focus == look_in_ || focus == sort_by_ || focus == list_)) {
        if (search_->isEnabled()) Run(wizard_.RunQuery());
        return;
    }
    QWidget::keyPressEvent(event);
}

void WizardWindow::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        worker_.Stop();
        wizard_.Close();
        if (!isMaximized() && !isMinimized()) {
            const QRect frame = geometry();
            services_.session.config.vidwiz_window = {frame.x(), frame.y(), frame.width(),
                                                      frame.height()};
        }
        emit busyChanged(false);
        emit closed();
    }
    event->accept();
}

}  // namespace gui
