// The My Videos list over the session's rows: model, selection, sorting and keys.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "app/command_ids.h"
#include "gui_fixture.h"

namespace {

namespace cmd = app::cmd;
using VideoTableTest = GuiFixture;

TEST_F(VideoTableTest, ModelPassesTheModelTesterAndShowsCells) {
    gui::VideoTableModel* model = window_->myVideos()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    Open(WriteDatabase("films.rdk", 5, 0, {"Drama"}));
    const int title = session_->Videos.ColumnIndexOf("Title");
    EXPECT_EQ(model->data(model->index(0, title), Qt::DisplayRole).toString(), "Film 0");
    EXPECT_EQ(model->headerData(title, Qt::Horizontal, Qt::DisplayRole).toString(), "Title");
    EXPECT_EQ(model->headerData(session_->Videos.ColumnIndexOf("#"), Qt::Horizontal, Qt::DisplayRole).toString(), "");
}

TEST_F(VideoTableTest, HiddenColumnsStayHiddenAndShownOnesHaveTheirWidths) {
    Open(WriteDatabase("films.rdk", 2));
    QHeaderView* header = window_->myVideos()->view()->horizontalHeader();
    EXPECT_TRUE(header->isSectionHidden(session_->Videos.ColumnIndexOf("Key")));
    EXPECT_TRUE(header->isSectionHidden(session_->Videos.ColumnIndexOf("Synopsis")));
    EXPECT_EQ(header->sectionSize(session_->Videos.ColumnIndexOf("Title")), 260);
    header->resizeSection(session_->Videos.ColumnIndexOf("Title"), 300);
    EXPECT_EQ(session_->Videos.ColumnWidth(session_->Videos.ColumnIndexOf("Title")), 300);
}

TEST_F(VideoTableTest, SelectionReachesTheListAndLargeSelectionsAreOneChange) {
    Open(WriteDatabase("films.rdk", 60000));
    gui::VideoTableView* view = window_->myVideos()->view();
    view->selectRow(3);
    EXPECT_EQ(session_->Videos.SelectedRows(), std::vector<int>{3});

    for (int row = 0; row < 50000; ++row) session_->Videos.Select(row, row % 2 == 0 || row > 100);
    QSignalSpy changes(view->selectionModel(), &QItemSelectionModel::selectionChanged);
    window_->myVideos()->ShowListSelection();
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(view->selectionModel()->selectedRows().size(), session_->Videos.SelectedCount());
}

TEST_F(VideoTableTest, HeaderClicksSortAndFlipTheDirection) {
    Open(WriteDatabase("films.rdk", 12));
    const int title = session_->Videos.ColumnIndexOf("Title");
    QHeaderView* header = window_->myVideos()->view()->horizontalHeader();
    emit header->sectionClicked(title);
    EXPECT_EQ(session_->Sort.column, title);
    const int direction = session_->Sort.direction;
    EXPECT_EQ(window_->myVideos()->strip()->SortText(), "Title");
    EXPECT_EQ(session_->Videos.Cell(0, title), direction ? "Film 0" : "Film 9");
    emit header->sectionClicked(title);
    EXPECT_EQ(session_->Sort.direction, direction ? 0 : 1);
    EXPECT_EQ(session_->Videos.Cell(0, session_->Videos.ColumnIndexOf("#")), "1");

    // A column that cannot be sorted ignores the click.
    emit header->sectionClicked(session_->Videos.ColumnIndexOf("Synopsis"));
    EXPECT_EQ(session_->Sort.column, title);
}

TEST_F(VideoTableTest, SortItemsSortAndCheckTheirColumn) {
    Open(WriteDatabase("films.rdk", 3));
    const int title = session_->Videos.ColumnIndexOf("Title");
    EXPECT_TRUE(window_->RunCommand(cmd::kSortDescendingBase + title));
    EXPECT_EQ(session_->Videos.Cell(0, title), "Film 2");
    QMenu* descending = window_->menus().Submenu(app::menu_id::kSortDescending);
    for (QAction* action : descending->actions()) {
        EXPECT_EQ(action->isChecked(), action->data().toInt() == cmd::kSortDescendingBase + title)
            << action->text().toStdString();
    }
}

TEST_F(VideoTableTest, CapitalLetterJumpsToTheFirstRowOfTheSortedColumn) {
    Open(WriteDatabase("films.rdk", 3));
    const int title = session_->Videos.ColumnIndexOf("Title");
    window_->RunCommand(cmd::kSortAscendingBase + title);
    session_->Videos.SetCell(2, title, "Zorro");
    gui::VideoTableView* view = window_->myVideos()->view();
    view->setFocus();
    QTest::keyClicks(view, "Z");
    EXPECT_EQ(session_->Videos.SelectedRows(), std::vector<int>{2});
    QTest::keyClicks(view, "Q");  // no title begins with Q
    EXPECT_EQ(session_->Videos.SelectedRows(), std::vector<int>{2});
}

TEST_F(VideoTableTest, SelectAllSelectsEveryRow) {
    Open(WriteDatabase("films.rdk", 7));
    EXPECT_TRUE(window_->RunCommand(cmd::kSelectAll));
    EXPECT_EQ(session_->Videos.SelectedCount(), 7);
    EXPECT_EQ(window_->myVideos()->view()->selectionModel()->selectedRows().size(), 7);
}

}  // namespace
