#include "gui/panes/search_pane_widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/panes/pane_combos.h"
#include "gui/text_bytes.h"

namespace gui {

SearchPaneWidget::SearchPaneWidget(online::TextSearch& search, QWidget* parent)
    : QWidget(parent), search_(search) {
    setObjectName("searchPane");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(4);
    fields->setVerticalSpacing(4);
    find_ =
        NewHistoryCombo("searchFind", static_cast<int>(online::TextSearch::kFindMaxLength), this);
    find_button_ = new QPushButton("Fin&d", this);
    find_button_->setObjectName("searchFindButton");
    inside_ = new QComboBox(this);
    inside_->setObjectName("searchInside");
    inside_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    inside_->setMinimumContentsLength(8);
    auto* find_label = new QLabel("Fi&nd:", this);
    find_label->setBuddy(find_);
    auto* inside_label = new QLabel("In&side:", this);
    inside_label->setBuddy(inside_);
    fields->addWidget(find_label, 0, 0);
    fields->addWidget(find_, 0, 1);
    fields->addWidget(find_button_, 0, 2);
    fields->addWidget(inside_label, 1, 0);
    fields->addWidget(inside_, 1, 1, 1, 2);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    auto* options = new QHBoxLayout;
    match_case_ = new QCheckBox("Match &case", this);
    match_case_->setObjectName("searchMatchCase");
    column_value_ = new QCheckBox("Column val&ue", this);
    column_value_->setObjectName("searchColumnValue");
    options->addWidget(match_case_);
    options->addWidget(column_value_);
    options->addStretch(1);
    layout->addLayout(options);

    titles_ = new TitleListModel(search_.Results(), this);
    results_ = new QListView(this);
    results_->setObjectName("searchResults");
    results_->setAccessibleName("Search results");
    results_->setModel(titles_);
    results_->setUniformItemSizes(true);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->viewport()->installEventFilter(this);
    results_->installEventFilter(this);
    layout->addWidget(results_, 1);

    setTabOrder(find_, find_button_);
    setTabOrder(find_button_, inside_);
    setTabOrder(inside_, match_case_);
    setTabOrder(match_case_, column_value_);
    setTabOrder(column_value_, results_);

    connect(find_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { search_.SetFindText(ToBytes(text)); });
    OnEnter(find_, [this] { Find(); });
    connect(find_, &QComboBox::activated, this, [this](int index) {
        search_.ChooseHistoryEntry(index);
        ShowSearchDone();
    });
    connect(find_button_, &QPushButton::clicked, this, &SearchPaneWidget::Find);
    connect(inside_, &QComboBox::activated, this, [this](int index) {
        search_.SetInside(search_.InsideChoices().at(static_cast<std::size_t>(index)));
    });
    connect(match_case_, &QCheckBox::toggled, this, [this](bool on) { search_.SetMatchCase(on); });
    connect(column_value_, &QCheckBox::toggled, this,
            [this](bool on) { search_.SetColumnValue(on); });
    connect(results_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!showing_ && current.isValid()) ChooseResult(current.row());
            });
    connect(results_, &QListView::clicked, this, [this](const QModelIndex& index) {
        // A click on a new title chose it already, when it became the current one.
        if (index.row() == current_before_press_) ChooseResult(index.row());
    });
    connect(results_, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { EditResult(index.row()); });
    Refresh();
}

void SearchPaneWidget::Refresh() {
    showing_ = true;
    titles_->Reload();
    ShowHistory(find_, search_.FindHistory(), search_.FindText());
    ShowChoices(inside_, search_.InsideChoices(), search_.Inside());
    {
        const QSignalBlocker match_case(match_case_);
        const QSignalBlocker column_value(column_value_);
        match_case_->setChecked(search_.MatchCase());
        column_value_->setChecked(search_.ColumnValue());
    }
    showing_ = false;
    const QString caption = FromBytes(search_.Caption());
    if (caption != caption_) {
        caption_ = caption;
        emit captionChanged(caption_);
    }
}

void SearchPaneWidget::ShowSearchDone() {
    Refresh();
    emit rowsSelected();
    FollowFocus();
}

void SearchPaneWidget::Find() {
    search_.find_all();
    ShowSearchDone();
}

void SearchPaneWidget::ChooseResult(int index) {
    const int row = search_.select_result(index);
    if (row >= 0) {
        emit showRow(row);
    } else {
        emit rowsSelected();  // the title is gone: nothing is selected now
    }
}

void SearchPaneWidget::EditResult(int index) {
    const bool edit = search_.edit_result(index);
    emit rowsSelected();
    if (edit) emit editRequested();
}

void SearchPaneWidget::FollowFocus() {
    if (search_.FocusTarget() == online::TextSearch::Focus::kMyVideos) {
        emit focusMyVideos();
        return;
    }
    find_->setFocus(Qt::OtherFocusReason);
    find_->lineEdit()->selectAll();
}

bool SearchPaneWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == results_->viewport() && event->type() == QEvent::MouseButtonPress) {
        current_before_press_ = results_->currentIndex().row();
    }
    // Enter on a title does what a double click does.
    if (watched == results_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && results_->currentIndex().isValid()) {
            EditResult(results_->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace gui
