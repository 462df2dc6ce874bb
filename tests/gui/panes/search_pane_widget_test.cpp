#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "gui/panes/search_pane_widget.h"
#include "pane_fixture.h"

namespace {

class SearchPaneWidgetTest : public PaneFixture {
  protected:
    SearchPaneWidgetTest() {
        // In list order; the results list is alphabetical.
        AddRow({{"Title", "Zulu Alien"}, {"Category", "War"}});
        AddRow({{"Title", "Heat"}, {"Category", "Crime"}});
        AddRow({{"Title", "Alien"}, {"Category", "Horror"}, {"Director", "Ridley Scott"}});
        search_.RefillInside();
        Create();
    }

    void Create() {
        widget_ = std::make_unique<gui::SearchPaneWidget>(search_);
        Show(widget_);
    }
    QComboBox* FindField() const { return widget_->findField(); }
    QListView* Results() const { return widget_->results(); }
    QStringList Shown() const {
        QStringList titles;
        for (int row = 0; row < Results()->model()->rowCount(); ++row)
            titles << Results()->model()->index(row, 0).data().toString();
        return titles;
    }
    QPoint RowCentre(int row) const {
        return Results()->visualRect(Results()->model()->index(row, 0)).center();
    }
    void Search(const char* text) {
        FindField()->lineEdit()->clear();
        QTest::keyClicks(FindField()->lineEdit(), text);
        QTest::mouseClick(Find<QPushButton>(widget_.get(), "searchFindButton"), Qt::LeftButton);
    }

    std::unique_ptr<gui::SearchPaneWidget> widget_;
};

TEST_F(SearchPaneWidgetTest, FindShowsTheTitlesFoundAndSaysTheRowsAreSelected) {
    QSignalSpy selected(widget_.get(), &gui::SearchPaneWidget::rowsSelected);
    QSignalSpy caption(widget_.get(), &gui::SearchPaneWidget::captionChanged);
    Search("alien");
    EXPECT_EQ(search_.FindText(), "alien");
    EXPECT_EQ(Shown(), (QStringList{"Alien", "Zulu Alien"}));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2}));
    EXPECT_EQ(selected.count(), 1);
    ASSERT_EQ(caption.count(), 1);
    EXPECT_EQ(caption.at(0).at(0).toString(), "Search - 2");
    // The focus goes back to the field, its text selected, for the next search.
    EXPECT_TRUE(FindField()->lineEdit()->hasFocus());
    EXPECT_EQ(FindField()->lineEdit()->selectedText(), "alien");
    EXPECT_EQ(FindField()->count(), 1) << "the history";
}

TEST_F(SearchPaneWidgetTest, EnterInTheFindFieldSearches) {
    QSignalSpy selected(widget_.get(), &gui::SearchPaneWidget::rowsSelected);
    FindField()->lineEdit()->setFocus();
    QTest::keyClicks(FindField()->lineEdit(), "scott");
    QTest::keyClick(FindField()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Shown(), QStringList{"Alien"});
    EXPECT_EQ(selected.count(), 1);
    EXPECT_EQ(widget_->Caption(), "Search - 1");
}

TEST_F(SearchPaneWidgetTest, ClickingATitleShowsItsRow) {
    Search("alien");
    QSignalSpy shown(widget_.get(), &gui::SearchPaneWidget::showRow);
    QTest::mouseClick(Results()->viewport(), Qt::LeftButton, {}, RowCentre(0));
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.at(0).at(0).toInt(), 2) << "\"Alien\" is the third row";
    EXPECT_EQ(Selected(), std::vector<int>{2});

    QTest::mouseClick(Results()->viewport(), Qt::LeftButton, {}, RowCentre(1));
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown.at(1).at(0).toInt(), 0);

    // The chosen title again, after the user selected other rows in the list.
    Select({1});
    QTest::mouseClick(Results()->viewport(), Qt::LeftButton, {}, RowCentre(1));
    ASSERT_EQ(shown.count(), 3);
    EXPECT_EQ(Selected(), std::vector<int>{0});
}

TEST_F(SearchPaneWidgetTest, TheArrowKeysChooseTitlesToo) {
    Search("alien");
    QSignalSpy shown(widget_.get(), &gui::SearchPaneWidget::showRow);
    Results()->setFocus();
    QTest::keyClick(Results(), Qt::Key_Down);
    QTest::keyClick(Results(), Qt::Key_Down);
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown.at(0).at(0).toInt(), 2);
    EXPECT_EQ(shown.at(1).at(0).toInt(), 0);
}

TEST_F(SearchPaneWidgetTest, ADoubleClickAsksForTheEditor) {
    Search("heat");
    QSignalSpy edit(widget_.get(), &gui::SearchPaneWidget::editRequested);
    QSignalSpy shown(widget_.get(), &gui::SearchPaneWidget::showRow);
    QTest::mouseClick(Results()->viewport(), Qt::LeftButton, {}, RowCentre(0));
    QTest::mouseDClick(Results()->viewport(), Qt::LeftButton, {}, RowCentre(0));
    EXPECT_EQ(edit.count(), 1);
    ASSERT_GE(shown.count(), 1);
    EXPECT_EQ(shown.at(0).at(0).toInt(), 1);
}

TEST_F(SearchPaneWidgetTest, TheOptionsAndTheColumnReachTheModel) {
    QComboBox* inside = Find<QComboBox>(widget_.get(), "searchInside");
    ASSERT_EQ(inside->count(), static_cast<int>(search_.InsideChoices().size()));
    EXPECT_EQ(inside->currentText(), "All Columns");
    EXPECT_EQ(inside->itemText(1).toStdString(), search_.InsideChoices()[1]);

    QTest::mouseClick(Find<QCheckBox>(widget_.get(), "searchMatchCase"), Qt::LeftButton);
    QTest::mouseClick(Find<QCheckBox>(widget_.get(), "searchColumnValue"), Qt::LeftButton);
    EXPECT_TRUE(search_.MatchCase());
    EXPECT_TRUE(search_.ColumnValue());

    const int title = inside->findText("Title");
    ASSERT_GT(title, 0);
    inside->setFocus();
    while (inside->currentIndex() < title) QTest::keyClick(inside, Qt::Key_Down);
    EXPECT_EQ(search_.Inside(), "Title");
    Search("Alien");
    EXPECT_EQ(Shown(), QStringList{"Alien"}) << "the whole title, case matching";
}

TEST_F(SearchPaneWidgetTest, ChoosingFromTheHistorySearchesAgain) {
    Search("heat");
    Search("alien");
    QSignalSpy selected(widget_.get(), &gui::SearchPaneWidget::rowsSelected);
    ASSERT_EQ(FindField()->count(), 2);
    FindField()->lineEdit()->setFocus();
    QTest::keyClick(FindField()->lineEdit(), Qt::Key_Up);
    EXPECT_EQ(FindField()->currentText(), "heat");
    EXPECT_EQ(search_.FindText(), "heat");
    EXPECT_EQ(Shown(), QStringList{"Heat"});
    EXPECT_EQ(selected.count(), 1);
}

TEST_F(SearchPaneWidgetTest, LeavingTheFieldWithAnEntrysTextDoesNotSearch) {
    Search("heat");
    Search("alien");
    QSignalSpy selected(widget_.get(), &gui::SearchPaneWidget::rowsSelected);
    FindField()->lineEdit()->setFocus();
    FindField()->lineEdit()->clear();
    QTest::keyClicks(FindField()->lineEdit(), "heat");
    Results()->setFocus();
    EXPECT_EQ(selected.count(), 0);
    EXPECT_EQ(Shown(), (QStringList{"Alien", "Zulu Alien"}));
}

TEST_F(SearchPaneWidgetTest, ASearchOfTheMainWindowIsShownWithTheModelsFocus) {
    QSignalSpy selected(widget_.get(), &gui::SearchPaneWidget::rowsSelected);
    QSignalSpy my_videos(widget_.get(), &gui::SearchPaneWidget::focusMyVideos);
    search_.SelectByValue("Category", "crime");
    widget_->ShowSearchDone();
    EXPECT_EQ(Shown(), QStringList{"Heat"});
    EXPECT_EQ(FindField()->currentText(), "crime");
    EXPECT_FALSE(Find<QCheckBox>(widget_.get(), "searchColumnValue")->isChecked());
    EXPECT_EQ(selected.count(), 1);
    EXPECT_EQ(my_videos.count(), 1);
}

TEST_F(SearchPaneWidgetTest, FiftyThousandTitlesArriveAsOneSelection) {
    for (int i = 0; i < 50000; ++i) AddRow({{"Title", "Film " + std::to_string(i)}});
    QSignalSpy selected(widget_.get(), &gui::SearchPaneWidget::rowsSelected);
    QSignalSpy shown(widget_.get(), &gui::SearchPaneWidget::showRow);
    Search("film");
    EXPECT_EQ(Results()->model()->rowCount(), 50000);
    EXPECT_EQ(session_.Videos.SelectedCount(), 50000);
    EXPECT_EQ(selected.count(), 1);
    EXPECT_EQ(shown.count(), 0);
}

TEST_F(SearchPaneWidgetTest, RefreshShowsTheChoicesOfAnotherDatabase) {
    session_.Videos.MutableColumn(session_.Videos.ColumnIndexOf("Cast")).Searchable = false;
    search_.RefillInside();
    widget_->Refresh();
    QComboBox* inside = Find<QComboBox>(widget_.get(), "searchInside");
    EXPECT_EQ(inside->count(), static_cast<int>(search_.InsideChoices().size()));
    EXPECT_EQ(inside->findText("Cast"), -1);
}

}  // namespace
