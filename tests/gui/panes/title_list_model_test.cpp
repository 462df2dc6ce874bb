#include <QAbstractItemModelTester>

#include "gui/panes/title_list_model.h"
#include "pane_fixture.h"

namespace {

TEST(TitleListModelTest, ShowsTheTitlesItWasLastToldAbout) {
    std::vector<std::string> titles = {"Alien", "Caf\xe9"};
    gui::TitleListModel model(titles);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(1, 0).data().toString(), QString::fromUtf8("Caf\xc3\xa9"));
    EXPECT_EQ(model.index(0, 0).data(Qt::ToolTipRole).toString(), "Alien");

    // The titles may change before the views are told; rows beyond them show nothing.
    titles.clear();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_FALSE(model.index(1, 0).data().isValid());
    model.Reload();
    EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
