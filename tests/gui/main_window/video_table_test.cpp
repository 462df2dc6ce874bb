// The My Videos list over the session's rows: model, columns, selection, sorting and keys.
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "gui_fixture.h"

namespace {

namespace cmd = app::cmd;

// Whether the arrow drawn in a picture points up: a triangle pointing up is wider at its foot.
// The arrow is what differs much from the picture's first pixel, its background.
bool PointsUp(const QImage& picture) {
    const int background = QColor(picture.pixel(0, 0)).lightness();
    std::vector<int> widths;
    for (int y = 0; y < picture.height(); ++y) {
        int width = 0;
        for (int x = 0; x < picture.width(); ++x) {
            if (std::abs(QColor(picture.pixel(x, y)).lightness() - background) > 60) ++width;
        }
        if (width > 0) widths.push_back(width);
    }
    EXPECT_GE(widths.size(), 3u) << "no arrow to be seen";
    return !widths.empty() && widths.front() < widths.back();
}

class VideoTableTest : public GuiFixture {
  protected:
    gui::VideoTableView* View() const { return window_->myVideos()->view(); }
    bool RowInView(int row) const {
        const QRect cell = View()->visualRect(View()->model()->index(row, Column("Title")));
        return View()->viewport()->rect().contains(cell);
    }
    // The sort arrows of the header and of the caption strip, as the user sees them.
    QImage HeaderArrow() const {
        QHeaderView* header = View()->horizontalHeader();
        const int section = header->sortIndicatorSection();
        // The right end of the section, short of its dividing line; the title is at the left.
        const int right = header->sectionViewportPosition(section) + header->sectionSize(section);
        return header->grab(QRect(right - 24, 2, 21, header->height() - 4)).toImage();
    }
    void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect cell = View()->visualRect(View()->model()->index(row, Column("Title")));
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, modifiers, cell.center());
    }
    // The colour the user sees at the right end of a row's title cell.
    QColor CellColor(int row) const {
        const QRect cell = View()->visualRect(View()->model()->index(row, Column("Title")));
        return View()->viewport()->grab().toImage().pixelColor(cell.right() - 4, cell.center().y());
    }
    QImage StripArrow() const {
        return window_->myVideos()->strip()->findChild<QWidget*>("sortArrow")->grab().toImage();
    }
};

TEST_F(VideoTableTest, TheModelShowsTheCellsAndTheViewTheColumnsWidths) {
    gui::VideoTableModel* model = window_->myVideos()->model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    Open(WriteDatabase("films.rdk", 5, 0, {"Drama"}));
    EXPECT_EQ(model->index(1, Column("Title")).data().toString(), "Film 1");
    EXPECT_EQ(model->headerData(Column("Title"), Qt::Horizontal, Qt::DisplayRole).toString(),
              "Title");
    QHeaderView* header = window_->myVideos()->view()->horizontalHeader();
    EXPECT_TRUE(header->isSectionHidden(Column("Key")));
    EXPECT_EQ(header->sectionSize(Column("Title")), session_->Videos.ColumnWidth(Column("Title")));
    header->resizeSection(Column("Title"), 300);
    EXPECT_EQ(session_->Videos.ColumnWidth(Column("Title")), 300);
    EXPECT_TRUE(window_->RunCommand(cmd::kClose));
}

TEST_F(VideoTableTest, SelectionReachesTheListAndLargeSelectionsAreOneChange) {
    Open(WriteDatabase("films.rdk", 60000));
    gui::VideoTableView* view = View();
    view->selectRow(3);
    EXPECT_EQ(session_->Videos.SelectedRows(), std::vector<int>{3});

    // A search's thousands of scattered rows: one change, drawn from the list's own flags.
    for (int row = 0; row < 50000; ++row) session_->Videos.Select(row, row % 2 == 0 || row > 100);
    const int selected = session_->Videos.SelectedCount();
    QSignalSpy changes(view->selectionModel(), &QItemSelectionModel::selectionChanged);
    window_->myVideos()->ShowListSelection();
    EXPECT_LE(changes.count(), 2);  // clearing the old rows and showing the new, never one a range
    const QColor highlight = view->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_EQ(CellColor(0), highlight);
    EXPECT_NE(CellColor(1), highlight);

    // Ctrl+click toggles one row; a plain click makes its row the whole selection.
    ClickRow(2, Qt::ControlModifier);
    EXPECT_FALSE(session_->Videos.IsSelected(2));
    EXPECT_EQ(session_->Videos.SelectedCount(), selected - 1);
    EXPECT_NE(CellColor(2), highlight);
    ClickRow(5);
    EXPECT_EQ(session_->Videos.SelectedRows(), std::vector<int>{5});
    EXPECT_NE(CellColor(0), highlight);
    EXPECT_TRUE(window_->RunCommand(cmd::kSelectAll));
    EXPECT_EQ(view->selectionModel()->selectedRows().size(), 60000);
}

TEST_F(VideoTableTest, HeaderClicksAndSortItemsSortTheList) {
    Open(WriteDatabase("films.rdk", 12));
    const int title = Column("Title");
    QHeaderView* header = window_->myVideos()->view()->horizontalHeader();
    emit header->sectionClicked(title);
    EXPECT_EQ(session_->Sort.column, title);
    EXPECT_EQ(window_->myVideos()->strip()->SortText(), "Title");

    EXPECT_TRUE(window_->RunCommand(cmd::kSortDescendingBase + title));
    EXPECT_EQ(window_->myVideos()->model()->index(0, title).data().toString(), "Film 9");
    for (QAction* action : window_->menus().Submenu(app::menu_id::kSortDescending)->actions()) {
        EXPECT_EQ(action->isChecked(), action->data().toInt() == cmd::kSortDescendingBase + title)
            << action->text().toStdString();
    }
    // Both arrows point down for descending and up for ascending.
    EXPECT_FALSE(PointsUp(HeaderArrow()));
    EXPECT_FALSE(PointsUp(StripArrow()));
    EXPECT_TRUE(window_->RunCommand(cmd::kSortAscendingBase + title));
    EXPECT_TRUE(PointsUp(HeaderArrow()));
    EXPECT_TRUE(PointsUp(StripArrow()));
}

TEST_F(VideoTableTest, RowsThatAnOperationSelectsAreScrolledIntoView) {
    Open(WriteDatabase("films.rdk", 400));
    session_->Videos.SetCell(300, Column("Flag Value"), "Favorite");
    ASSERT_FALSE(RowInView(300));
    EXPECT_TRUE(window_->RunCommand(cmd::kListFlaggedAll));
    EXPECT_TRUE(RowInView(300));

    // Rows shown again after a change of their cells stay where the user scrolled the list.
    View()->scrollToTop();
    EXPECT_TRUE(window_->RunCommand(cmd::kMarkViewed));
    EXPECT_FALSE(RowInView(300));

    window_->RunCommand(cmd::kTextReplace);
    auto* what = window_->findChild<QComboBox*>("replaceWhat");
    what->setEditText("Film 350");
    window_->findChild<QPushButton*>("replaceFindNext")->click();
    EXPECT_EQ(session_->Videos.SelectedRows(), std::vector<int>{350});
    EXPECT_TRUE(RowInView(350));
}

TEST_F(VideoTableTest, ACapitalLetterJumpsToTheFirstRowOfTheSortedColumn) {
    Open(WriteDatabase("films.rdk", 3));
    window_->RunCommand(cmd::kSortAscendingBase + Column("Title"));
    session_->Videos.SetCell(2, Column("Title"), "Zorro");
    gui::VideoTableView* view = window_->myVideos()->view();
    view->setFocus();
    QTest::keyClicks(view, "Z");
    EXPECT_EQ(session_->Videos.SelectedRows(), std::vector<int>{2});
    QTest::keyClicks(view, "Q");  // no title begins with Q
    EXPECT_EQ(session_->Videos.SelectedRows(), std::vector<int>{2});
}

}  // namespace
