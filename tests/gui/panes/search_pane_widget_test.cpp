// The Search pane over its model: what it tells the main window about the list's selection.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "gui/panes/search_pane_widget.h"
#include "pane_fixture.h"

namespace {

using gui::SearchPaneWidget;

class SearchPaneWidgetTest : public PaneFixture {
  protected:
    SearchPaneWidgetTest() {
        // In list order; the results list is alphabetical.
        AddRow({{"Title", "Zulu Alien"}, {"Category", "War"}});
        AddRow({{"Title", "Heat"}, {"Category", "Crime"}});
        AddRow({{"Title", "Alien"}, {"Category", "Horror"}, {"Director", "Ridley Scott"}});
        search_.RefillInside();
        widget_ = std::make_unique<SearchPaneWidget>(search_);
        Show(widget_.get());
    }
    QLineEdit* Field() const { return Find<QComboBox>(*widget_, "searchFind")->lineEdit(); }
    QListView* Results() const { return Find<QListView>(*widget_, "searchResults"); }
    QStringList Shown() const { return Rows(Results()); }
    void ClickResult(int row, bool twice = false) const { ClickRow(Results(), row, twice); }
    void Search(const char* text, bool enter = false) const {
        Field()->setFocus();
        TypeOver(Field(), text);
        // Keys go where the window system sends them: the focus widget.
        if (enter) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (!enter) Click(Find(*widget_, "searchFindButton"));
    }

    std::unique_ptr<SearchPaneWidget> widget_;
};

TEST_F(SearchPaneWidgetTest, FindAndEnterShowTheTitlesFoundAndSayTheRowsAreSelected) {
    for (bool enter : {false, true}) {
        QSignalSpy selected(widget_.get(), &SearchPaneWidget::rowsSelected);
        QSignalSpy caption(widget_.get(), &SearchPaneWidget::captionChanged);
        QSignalSpy shown(widget_.get(), &SearchPaneWidget::showRow);
        Search(enter ? "scott" : "alien", enter);
        EXPECT_EQ(Shown(), enter ? QStringList{"Alien"} : (QStringList{"Alien", "Zulu Alien"}));
        EXPECT_EQ(selected.count(), 1);
        EXPECT_EQ(shown.count(), 0) << "new results choose no title";
        ASSERT_EQ(caption.count(), 1);
        EXPECT_EQ(caption.at(0).at(0).toString(), enter ? "Search - 1" : "Search - 2");
        EXPECT_TRUE(Field()->hasFocus()) << "ready for the next search";
        EXPECT_EQ(Field()->selectedText(), enter ? "scott" : "alien");
    }
}

TEST_F(SearchPaneWidgetTest, ChoosingATitleShowsItsRowAndADoubleClickAsksForTheEditor) {
    Search("alien");
    QSignalSpy shown(widget_.get(), &SearchPaneWidget::showRow);
    QSignalSpy edit(widget_.get(), &SearchPaneWidget::editRequested);
    ClickResult(0);
    QTest::keyClick(Results(), Qt::Key_Down);
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown.at(0).at(0).toInt(), 2) << "\"Alien\" is the third row";
    EXPECT_EQ(shown.at(1).at(0).toInt(), 0);
    Select({1});  // the user chose other rows in the list; a click on the chosen title again
    ClickResult(1);
    ASSERT_EQ(shown.count(), 3);
    ClickResult(0, true);
    EXPECT_EQ(edit.count(), 1);
}

TEST_F(SearchPaneWidgetTest, TheHistoryTheOptionsAndTheColumnReachTheModel) {
    Search("heat");
    Search("alien");
    QSignalSpy selected(widget_.get(), &SearchPaneWidget::rowsSelected);
    QTest::keyClick(Field(), Qt::Key_Up);  // the history's other entry
    EXPECT_EQ(search_.FindText(), "heat");
    EXPECT_EQ(Shown(), QStringList{"Heat"});
    TypeOver(Field(), "alien");  // an entry's text typed is no choice of it
    Results()->setFocus();
    EXPECT_EQ(Shown(), QStringList{"Heat"});
    EXPECT_EQ(selected.count(), 1);

    Click(Find(*widget_, "searchMatchCase"));
    Click(Find(*widget_, "searchColumnValue"));
    EXPECT_TRUE(search_.MatchCase());
    EXPECT_TRUE(search_.ColumnValue());
    auto* inside = Find<QComboBox>(*widget_, "searchInside");
    EXPECT_EQ(inside->count(), static_cast<int>(search_.InsideChoices().size()));
    inside->setFocus();
    while (inside->currentText() != "Title") QTest::keyClick(inside, Qt::Key_Down);
    EXPECT_EQ(search_.Inside(), "Title");
}

TEST_F(SearchPaneWidgetTest, ASearchOfTheMainWindowIsShownWithTheModelsFocus) {
    QSignalSpy selected(widget_.get(), &SearchPaneWidget::rowsSelected);
    QSignalSpy my_videos(widget_.get(), &SearchPaneWidget::focusMyVideos);
    search_.SelectByValue("Category", "crime");
    widget_->ShowSearchDone();
    EXPECT_EQ(Shown(), QStringList{"Heat"});
    EXPECT_EQ(Field()->text(), "crime");
    EXPECT_EQ(selected.count(), 1);
    EXPECT_EQ(my_videos.count(), 1);
}

}  // namespace
