#include "gui/properties/database_properties_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTabBar>
#include <QTableView>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <chrono>

#include "gui/text_bytes.h"

namespace gui {

// Runs on the worker's thread: hands each report to the window as a queued call. A call still
// queued when the window goes is dropped with it. Steps are passed on at most once per percent
// and once per kStepInterval: a progress bar repaints itself at once when its value changes, and
// a hundred repaints a phase kept the window's thread busier than the work they showed.
class DatabasePropertiesDialog::QueuedObserver final : public views::StatisticsObserver {
  public:
    explicit QueuedObserver(DatabasePropertiesDialog* window) : window_(window) {}

    void Begin(std::int64_t range, std::string_view text) override {
        range_ = range;
        value_ = shown_ = 0;
        Post([range, text = FromBytes(text)](DatabasePropertiesDialog* w) {
            w->ShowProgress(range, text);
        });
    }
    void Step(std::int64_t count) override {
        value_ += count;
        if (value_ < range_) {
            if ((value_ - shown_) * 100 < range_) return;
            if (Clock::now() - shown_at_ < kStepInterval) return;
        }
        shown_ = value_;
        shown_at_ = Clock::now();
        Post([value = value_](DatabasePropertiesDialog* w) { w->ShowProgressValue(value); });
    }
    void End() override {
        Post([](DatabasePropertiesDialog* w) { w->ShowDone(); });
    }
    void GeneralReady(const views::GeneralFigures& figures) override {
        Post([figures](DatabasePropertiesDialog* w) { w->ShowGeneral(figures); });
    }
    void TableReady(const views::ValueTable& table) override {
        // Copied here, on the worker's thread, and moved from then on.
        Post([table](DatabasePropertiesDialog* w) mutable { w->ShowTable(std::move(table)); });
    }

  private:
    template <typename Call>
    void Post(Call call) {
        DatabasePropertiesDialog* window = window_;
        QMetaObject::invokeMethod(
            window, [window, call = std::move(call)]() mutable { call(window); },
            Qt::QueuedConnection);
    }

    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kStepInterval = std::chrono::milliseconds(50);

    DatabasePropertiesDialog* window_;
    std::int64_t range_ = 0;
    std::int64_t value_ = 0;
    std::int64_t shown_ = 0;
    Clock::time_point shown_at_;
};

DatabasePropertiesDialog::DatabasePropertiesDialog(const views::StatisticsSource& source,
                                                   QString help_page, QWidget* parent)
    : QDialog(parent), help_page_(std::move(help_page)) {
    setObjectName("databaseProperties");
    setWindowTitle("Database Properties - Loading...");

    pages_ = new QTabWidget(this);
    pages_->setObjectName("pages");
    pages_->tabBar()->setAccessibleName("Pages");
    pages_->addTab(BuildGeneralPage(), "General");
    for (const views::ValuePage& page : views::ValuePages())
        pages_->addTab(BuildValuePage(page), FromBytes(page.title));

    status_line_ = new QWidget(this);
    status_ = new QLabel(status_line_);
    status_->setObjectName("status");
    progress_ = new QProgressBar(status_line_);
    progress_->setObjectName("progress");
    progress_->setTextVisible(false);
    auto* status_layout = new QHBoxLayout(status_line_);
    status_layout->setContentsMargins(0, 0, 0, 0);
    status_layout->addWidget(status_, 1);
    status_layout->addWidget(progress_, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
    help->setObjectName("helpButton");
    close_ = buttons->addButton("&Cancel", QDialogButtonBox::RejectRole);
    close_->setObjectName("closeButton");
    connect(help, &QPushButton::clicked, this, &DatabasePropertiesDialog::ShowHelp);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(status_line_);
    layout->addWidget(buttons);
    resize(600, 500);

    observer_ = std::make_unique<QueuedObserver>(this);
    worker_ = std::jthread([source, observer = observer_.get()](std::stop_token stop) {
        views::ComputeStatistics(source, stop, *observer);
    });
}

DatabasePropertiesDialog::~DatabasePropertiesDialog() {
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

void DatabasePropertiesDialog::done(int result) {
    worker_.request_stop();
    QDialog::done(result);
}

QWidget* DatabasePropertiesDialog::BuildGeneralPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    static const views::GeneralFigures kNoFigures;
    int position = 0;
    for (const views::FigureGroup& group : views::GeneralLayout(kNoFigures)) {
        auto* box = new QGroupBox(FromBytes(group.title), page);
        auto* form = new QFormLayout(box);
        form->setLabelAlignment(Qt::AlignRight);
        for (const views::Figure& figure : group.figures) {
            auto* value = new QLabel(box);
            const QString name = FromBytes(group.title) + "/" + FromBytes(figure.label);
            value->setObjectName(name);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setMinimumWidth(
                value->fontMetrics().horizontalAdvance("Www Www 00 00:00:00 0000"));
            // A figure is read, not typed: its label names it without leading to it.
            form->addRow(new QLabel(FromBytes(figure.label) + ":", box), value);
            figures_[name] = value;
        }
        grid->addWidget(box, position / 2, position % 2);
        ++position;
    }
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* DatabasePropertiesDialog::BuildValuePage(const views::ValuePage& page) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    for (std::string_view field : page.fields) {
        auto* model = new ValueTableModel(std::string(field), this);
        tables_[std::string(field)] = model;
        auto* view = new QTableView(widget);
        view->setObjectName("table" + FromBytes(field));
        view->setAccessibleName(FromBytes(field));
        view->setTabKeyNavigation(false);  // Tab goes on to the next table
        view->setModel(model);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->verticalHeader()->hide();
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
        view->setWordWrap(false);
        QHeaderView* header = view->horizontalHeader();
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column : {1, 2}) {
            header->setSectionResizeMode(column, QHeaderView::Fixed);
            header->resizeSection(column, header->fontMetrics().horizontalAdvance("% Total") + 40);
        }
        // A click sorts by the column; once the indicator shows, the header itself turns a
        // second click on the same column into the reverse order.
        header->setSectionsClickable(true);
        header->setSortIndicatorShown(false);
        connect(header, &QHeaderView::sectionClicked, model, [model, header](int column) {
            if (!header->isSortIndicatorShown()) {
                header->setSortIndicatorShown(true);
                header->setSortIndicator(column, Qt::AscendingOrder);
            }
            model->sort(column, header->sortIndicatorOrder());
        });
        layout->addWidget(view, 1);
    }
    return widget;
}

void DatabasePropertiesDialog::ShowHelp() {
    if (!help_window_) {
        help_window_ = new QDialog(this, Qt::Window);
        help_window_->setObjectName("propertiesHelp");
        help_window_->setWindowTitle("Reeldeck Help");
        auto* browser = new QTextBrowser(help_window_);
        browser->setOpenExternalLinks(true);
        QUrl page = QUrl::fromLocalFile(help_page_);
        page.setFragment("properties");
        browser->setSource(page);
        auto* layout = new QVBoxLayout(help_window_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        help_window_->resize(640, 480);
    }
    help_window_->show();
    help_window_->raise();
}

void DatabasePropertiesDialog::ShowProgress(qint64 range, const QString& text) {
    // Ranges are row and value counts, which fit the bar's ints.
    progress_->setRange(0, static_cast<int>(range));
    progress_->setValue(0);
    status_->setText(text);
}

void DatabasePropertiesDialog::ShowProgressValue(qint64 value) {
    progress_->setValue(static_cast<int>(value));
}

void DatabasePropertiesDialog::ShowGeneral(const views::GeneralFigures& figures) {
    for (const views::FigureGroup& group : views::GeneralLayout(figures)) {
        for (const views::Figure& figure : group.figures) {
            auto found = figures_.find(FromBytes(group.title) + "/" + FromBytes(figure.label));
            if (found != figures_.end()) found->second->setText(FromBytes(figure.value));
        }
    }
}

void DatabasePropertiesDialog::ShowTable(views::ValueTable table) {
    auto found = tables_.find(table.field);
    if (found != tables_.end()) found->second->SetTable(std::move(table));
}

void DatabasePropertiesDialog::ShowDone() {
    finished_ = true;
    progress_->setValue(0);
    status_->setText("Done");
    status_line_->hide();
    setWindowTitle("Database Properties");
    close_->setText("&Close");
}

}  // namespace gui
