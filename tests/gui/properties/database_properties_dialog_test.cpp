#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "fakes/list_session.h"
#include "gui/properties/database_properties_dialog.h"
#include "gui/widget_driving.h"

namespace {

class DatabasePropertiesDialogTest : public ListSession {
  protected:
    static QStringList Column(const QAbstractItemModel& model, int column) {
        QStringList cells;
        for (int row = 0; row < model.rowCount(); ++row)
            cells << model.index(row, column).data().toString();
        return cells;
    }
};

TEST_F(DatabasePropertiesDialogTest, FillsEveryPageAndSortsATableByTheClickedHeading) {
    for (const char* category : {"Drama", "Comedy", "drama"}) AddRow({{"Category", category}});
    gui::DatabasePropertiesDialog dialog(views::StatisticsSourceOf(session_), "");
    auto* table = Find<QTableView>(dialog, "tableCategory");
    QAbstractItemModelTester tester(table->model());
    EXPECT_EQ(Column(*table->model(), 0), QStringList{"Loading Category Information..."});
    dialog.show();

    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Finished(); }, 10000));
    EXPECT_EQ(dialog.windowTitle(), "Database Properties");
    EXPECT_EQ(Find<QPushButton>(dialog, "closeButton")->text().remove(u'&'), "Close");
    EXPECT_EQ(Find<QLabel>(dialog, "Records/My Videos")->text(), "3");
    EXPECT_EQ(Find<QLabel>(dialog, "Duration/Average")->text(), "00:00:00");
    EXPECT_EQ(table->model()->headerData(0, Qt::Horizontal).toString(), "Category - 2");
    EXPECT_EQ(Column(*table->model(), 0), (QStringList{"Comedy", "Drama"}));

    QHeaderView* header = table->horizontalHeader();
    const auto click = [header](int column) {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };
    click(1);
    EXPECT_EQ(Column(*table->model(), 1), (QStringList{"1", "2"}));
    click(1);
    EXPECT_EQ(Column(*table->model(), 1), (QStringList{"2", "1"}));
    QTest::mouseClick(Find<QPushButton>(dialog, "closeButton"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(DatabasePropertiesDialogTest, ClosingWhileLoadingStopsTheWorker) {
    for (int row = 0; row < 60000; ++row)
        AddRow({{"Cast", "Name " + std::to_string(row) + ", Other " + std::to_string(row % 97)}});
    auto dialog =
        std::make_unique<gui::DatabasePropertiesDialog>(views::StatisticsSourceOf(session_), "");
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), "Database Properties - Loading...");
    auto* close = Find<QPushButton>(*dialog, "closeButton");
    EXPECT_EQ(close->text().remove(u'&'), "Cancel");
    QTest::qWait(20);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    dialog.reset();  // joins the worker; calls it queued are dropped
    QTest::qWait(20);
}

}  // namespace
