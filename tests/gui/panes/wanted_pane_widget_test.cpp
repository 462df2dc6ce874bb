// The Wanted Videos pane over its model, and the title list model it shares with Search.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QLineEdit>
#include <QToolButton>

#include "gui/panes/wanted_pane_widget.h"
#include "pane_fixture.h"

namespace {

using platform::Answer;

class WantedPaneWidgetTest : public PaneFixture {
  protected:
    WantedPaneWidgetTest() {
        for (const char* title : {"Alien", "Heat", "Heathers"}) session_.Wanted.Add(title);
        widget_ = std::make_unique<gui::WantedPaneWidget>(wanted_, session_);
        Show(widget_.get());
    }
    QLineEdit* Field() const { return Find<QLineEdit>(*widget_, "wantedText"); }
    QListView* List() const { return Find<QListView>(*widget_, "wantedList"); }
    QStringList Shown() const { return Rows(List()); }
    void ClickRow(int row) const { PaneFixture::ClickRow(List(), row); }

    std::unique_ptr<gui::WantedPaneWidget> widget_;
};

TEST_F(WantedPaneWidgetTest, ShowsTheModelsTitlesUntilToldTheyChanged) {
    QAbstractItemModelTester tester(List()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(Shown(), (QStringList{"Alien", "Heat", "Heathers"}));
    EXPECT_EQ(widget_->Caption(), "Wanted - 3");
    session_.Wanted.Clear();  // the titles change before the pane is told
    EXPECT_FALSE(List()->model()->index(2, 0).data().isValid());
    session_.Wanted.Add("Zorro");
    widget_->Refresh();
    EXPECT_EQ(Shown(), QStringList{"Zorro"});
    EXPECT_EQ(widget_->Caption(), "Wanted - 1");
}

TEST_F(WantedPaneWidgetTest, TypingAndChoosingReachTheModel) {
    QTest::keyClicks(Field(), "HE");
    EXPECT_EQ(wanted_.Text(), "HE");
    EXPECT_EQ(List()->currentIndex().row(), 1) << "the first title beginning with the text";
    EXPECT_EQ(Field()->text(), "HE");
    ClickRow(2);
    EXPECT_EQ(Field()->text(), "Heathers");
    QTest::keyClick(List(), Qt::Key_Up);
    EXPECT_EQ(Field()->text(), "Heat");
    EXPECT_EQ(wanted_.Selected(), 1);
}

TEST_F(WantedPaneWidgetTest, TheButtonsAndKeysChangeTheListAndSayItChanged) {
    // A window-wide Delete shortcut (the main window's "Delete selected") must not take the key.
    QAction window_delete(widget_.get());
    window_delete.setShortcut(Qt::Key_Delete);
    widget_->addAction(&window_delete);
    QSignalSpy window_deleted(&window_delete, &QAction::triggered);
    QSignalSpy changed(widget_.get(), &gui::WantedPaneWidget::listsChanged);
    QSignalSpy caption(widget_.get(), &gui::WantedPaneWidget::captionChanged);
    auto expect = [&](const char* step, const QStringList& shown) {
        EXPECT_EQ(Shown(), shown) << step;
        EXPECT_EQ(caption.takeLast().at(0).toString(), QString("Wanted - %1").arg(shown.size()));
        EXPECT_EQ(changed.count(), 1) << step;
        changed.clear();
    };

    Field()->setFocus();
    QTest::keyClicks(Field(), "Brazil");
    QTest::keyClick(Field(), Qt::Key_Return);
    expect("Enter", {"Alien", "Brazil", "Heat", "Heathers"});
    EXPECT_EQ(List()->currentIndex().row(), 1);
    EXPECT_EQ(Field()->selectedText(), "Brazil") << "ready for the next title";
    TypeOver(Field(), "Zorro");
    Click(Find(*widget_, "wantedAdd"));
    expect("Add", {"Alien", "Brazil", "Heat", "Heathers", "Zorro"});

    ClickRow(0);
    prompts_.QueueAnswer(Answer::kOk);
    QTest::keyClick(List(), Qt::Key_Delete);
    expect("Delete key", {"Brazil", "Heat", "Heathers", "Zorro"});
    EXPECT_EQ(window_deleted.count(), 0);
    ClickRow(1);
    prompts_.QueueAnswer(Answer::kOk);
    Click(Find(*widget_, "wantedDelete"));
    expect("Remove", {"Brazil", "Heathers", "Zorro"});
    prompts_.QueueAnswer(Answer::kOk);
    Click(Find(*widget_, "wantedDeleteAll"));
    expect("Remove all", {});
}

}  // namespace
