#include "gui/my_videos_pane.h"

#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/column_widths.h"
#include "app/session.h"
#include "gui/text_bytes.h"

namespace gui {
namespace {

// Qt's selection model checks every drawn cell against each of its ranges; beyond this many, it
// is left out of showing the selection.
constexpr std::size_t kMostMirroredRanges = 500;

}  // namespace

MyVideosPane::MyVideosPane(app::Session& session, const QString& res_folder, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName("myVideosPane");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    strip_ = new CaptionStrip(res_folder, this);
    stack_ = new QStackedWidget(this);
    view_ = new VideoTableView(stack_);
    model_ = new VideoTableModel(session_.Videos, QIcon(res_folder + "/flag.svg"), this);
    view_->setModel(model_);
    browser_ = new ImageBrowserWidget(session_, res_folder, stack_);
    stack_->addWidget(view_);
    stack_->addWidget(browser_);
    layout->addWidget(strip_);
    layout->addWidget(stack_, 1);
    // Thumbnails chosen in the image view are the list's selection.
    connect(browser_, &ImageBrowserWidget::selectionChanged, this, [this] { ShowListSelection(); });

    view_->find_row_starting_with = [this](QChar letter) { return RowStartingWith(letter); };
    view_->row_selected = [this](int row) {
        return row < session_.Videos.RowCount() && session_.Videos.IsSelected(row);
    };
    view_->before_user_selection = [this](const QModelIndex& index,
                                          QItemSelectionModel::SelectionFlags command) {
        BeforeUserSelection(index, command);
    };
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MyVideosPane::OnSelectionChanged);
    QHeaderView* header = view_->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &MyVideosPane::OnSectionResized);
    connect(header, &QHeaderView::sectionMoved, this, &MyVideosPane::OnSectionMoved);
    connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
        // Hidden columns go back to width 0, whatever the user did to them.
        app::KeepHiddenColumnsHidden(session_.Videos);
        ApplyColumns();
        emit headerClicked(section);
    });
    UpdateCaption();
}

void MyVideosPane::SetImageView(bool images) {
    stack_->setCurrentWidget(images ? static_cast<QWidget*>(browser_) : view_);
    if (images) {
        browser_->ShowListSelection();
        browser_->canvas()->setFocus();
    } else {
        view_->setFocus();
    }
}

void MyVideosPane::Reload() {
    applying_ = true;
    model_->Reload();
    applying_ = false;
    browser_->Rebuild(false);
    ApplyColumns();
    ShowListSelection();
    UpdateCaption();
}

void MyVideosPane::ApplyColumns() {
    applying_ = true;
    QHeaderView* header = view_->horizontalHeader();
    const core::VideoList& videos = session_.Videos;
    // The view may not show a new column table yet: Reload() brings it, then applies this.
    if (header->count() != videos.ColumnCount()) {
        applying_ = false;
        return;
    }
    const std::vector<int>& order = videos.ColumnOrder();
    for (int position = 0; position < static_cast<int>(order.size()); ++position) {
        const int from = header->visualIndex(order[static_cast<std::size_t>(position)]);
        if (from != position && from >= 0) header->moveSection(from, position);
    }
    for (int index = 0; index < videos.ColumnCount(); ++index) {
        const core::VideoColumn& column = videos.Column(index);
        const bool shown = column.Visible && videos.ColumnWidth(index) > 0;
        header->setSectionHidden(index, !shown);
        if (shown) header->resizeSection(index, videos.ColumnWidth(index));
        // The flag column only holds its mark.
        if (column.Name == core::column_name::kFlag) {
            header->setSectionResizeMode(index, QHeaderView::Fixed);
        } else {
            header->setSectionResizeMode(index, QHeaderView::Interactive);
        }
    }
    applying_ = false;
}

void MyVideosPane::ShowListSelection() {
    std::vector<app::RowRange> ranges = app::SelectedRanges(session_.Videos);
    partly_mirrored_ = ranges.size() > kMostMirroredRanges;
    QItemSelection selection;
    const int last_column = std::max(0, session_.Videos.ColumnCount() - 1);
    if (!partly_mirrored_) {
        for (const app::RowRange& range : ranges) {
            selection.select(model_->index(range.first, 0), model_->index(range.last, last_column));
        }
    }
    applying_ = true;
    // Clearing first keeps Qt from comparing every old range with every new one.
    view_->selectionModel()->clearSelection();
    if (!selection.isEmpty())
        view_->selectionModel()->select(selection, QItemSelectionModel::Select);
    applying_ = false;
    view_->viewport()->update();
    // An operation that selected other rows shows the first of them; the same rows shown again
    // (after a change of their cells) leave the list where the user scrolled it.
    const bool other_rows = ranges != shown_ranges_;
    shown_ranges_ = std::move(ranges);
    if (other_rows && !shown_ranges_.empty()) RevealRow(shown_ranges_.front().first);
    browser_->ShowListSelection();
    emit selectionChanged();
}

void MyVideosPane::RevealRow(int row) {
    const int column = view_->horizontalHeader()->logicalIndexAt(0);  // a shown column
    if (row < 0 || row >= model_->rowCount() || column < 0) return;
    view_->doItemsLayout();  // after a reload, the scroll range may not know the new rows yet
    QScrollBar* across = view_->horizontalScrollBar();
    const int x = across->value();
    view_->scrollTo(model_->index(row, column));
    across->setValue(x);
}

void MyVideosPane::UpdateCaption() {
    const bool open = session_.IsOpen();
    strip_->SetCaption(open ? FromBytes(app::PaneCaption("My Videos", session_.Videos.RowCount()))
                            : QString("My Videos"));
    const core::VideoList& videos = session_.Videos;
    const int sort_column = session_.Sort.column;
    const bool ascending = session_.Sort.direction != 0;
    QHeaderView* header = view_->horizontalHeader();
    if (open && sort_column >= 0 && sort_column < videos.ColumnCount()) {
        strip_->SetSort(FromBytes(videos.Column(sort_column).Name), ascending);
        header->setSortIndicatorShown(true);
        header->setSortIndicator(sort_column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    } else {
        strip_->SetSort({}, true);
        header->setSortIndicatorShown(false);
    }
}

void MyVideosPane::SetGridVisible(bool visible) {
    view_->setShowGrid(visible);
}

void MyVideosPane::OnSelectionChanged(const QItemSelection& selected,
                                      const QItemSelection& deselected) {
    if (applying_) return;
    core::VideoList& videos = session_.Videos;
    for (const QItemSelectionRange& range : deselected) {
        for (int row = range.top(); row <= range.bottom(); ++row) videos.Select(row, false);
    }
    for (const QItemSelectionRange& range : selected) {
        for (int row = range.top(); row <= range.bottom(); ++row) videos.Select(row, true);
    }
    shown_ranges_ = app::SelectedRanges(videos);
    emit selectionChanged();
}

void MyVideosPane::BeforeUserSelection(const QModelIndex& index,
                                       QItemSelectionModel::SelectionFlags command) {
    if (!partly_mirrored_) return;
    core::VideoList& videos = session_.Videos;
    if (command.testFlag(QItemSelectionModel::Clear)) {
        // The user's choice replaces the whole selection; from now on Qt's model holds it all.
        for (int row : videos.SelectedRows()) videos.Select(row, false);
        partly_mirrored_ = false;
        shown_ranges_.clear();
        view_->viewport()->update();
        emit selectionChanged();
        return;
    }
    // A toggle or a drag over a row the list selected: Qt's model must know the row first, so
    // that it reports the row as deselected.
    const bool changes = command & (QItemSelectionModel::Select | QItemSelectionModel::Deselect |
                                    QItemSelectionModel::Toggle);
    if (!changes || !index.isValid() || !videos.IsSelected(index.row())) return;
    QItemSelectionModel* model = view_->selectionModel();
    if (model->isRowSelected(index.row(), {})) return;
    applying_ = true;
    model->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    applying_ = false;
}

void MyVideosPane::OnSectionResized(int section, int, int new_size) {
    if (applying_ || section >= session_.Videos.ColumnCount()) return;
    app::ColumnResized(session_.Videos, section, new_size);
}

void MyVideosPane::OnSectionMoved() {
    if (applying_) return;
    QHeaderView* header = view_->horizontalHeader();
    std::vector<int> order;
    for (int position = 0; position < header->count(); ++position) {
        order.push_back(header->logicalIndex(position));
    }
    session_.Videos.SetColumnOrder(std::move(order));
}

int MyVideosPane::RowStartingWith(QChar letter) const {
    const core::VideoList& videos = session_.Videos;
    const int column = session_.Sort.column;
    if (column < 0 || column >= videos.ColumnCount()) return -1;
    const char wanted = static_cast<char>(letter.unicode());
    for (int row = 0; row < videos.RowCount(); ++row) {
        std::string_view cell = videos.Cell(row, column);
        if (!cell.empty() && cell.front() == wanted) return row;
    }
    return -1;
}

}  // namespace gui
