#include <QAction>
#include <QLineEdit>
#include <QListView>
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
        Show(widget_);
    }

    QLineEdit* Field() const { return widget_->field(); }
    QListView* List() const { return widget_->list(); }
    QToolButton* Button(const char* name) const { return Find<QToolButton>(widget_.get(), name); }
    // The titles as the list shows them.
    QStringList Shown() const {
        QStringList titles;
        for (int row = 0; row < List()->model()->rowCount(); ++row)
            titles << List()->model()->index(row, 0).data().toString();
        return titles;
    }
    int CurrentRow() const { return List()->currentIndex().row(); }
    void ClickRow(int row) {
        const QRect rect = List()->visualRect(List()->model()->index(row, 0));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    std::unique_ptr<gui::WantedPaneWidget> widget_;
};

TEST_F(WantedPaneWidgetTest, ShowsTheWantedTitlesAndTheCaption) {
    EXPECT_EQ(Shown(), (QStringList{"Alien", "Heat", "Heathers"}));
    EXPECT_EQ(widget_->Caption(), "Wanted - 3");
    EXPECT_EQ(Field()->maxLength(), 256);
    EXPECT_EQ(Button("wantedDelete")->toolTip(), "Remove");
    EXPECT_EQ(Button("wantedDeleteAll")->toolTip(), "Remove all");
    EXPECT_FALSE(Button("wantedAdd")->icon().isNull());
}

TEST_F(WantedPaneWidgetTest, TypingSelectsTheFirstTitleBeginningWithTheText) {
    QTest::keyClicks(Field(), "HE");
    EXPECT_EQ(wanted_.Text(), "HE");
    EXPECT_EQ(CurrentRow(), 1);
    EXPECT_TRUE(List()->selectionModel()->isRowSelected(1, {}));
    EXPECT_EQ(Field()->text(), "HE") << "the field keeps what was typed";
}

TEST_F(WantedPaneWidgetTest, ChoosingATitleFillsTheField) {
    ClickRow(2);
    EXPECT_EQ(Field()->text(), "Heathers");
    QTest::keyClick(List(), Qt::Key_Up);
    EXPECT_EQ(Field()->text(), "Heat");
    EXPECT_EQ(wanted_.Selected(), 1);
}

TEST_F(WantedPaneWidgetTest, EnterAddsTheTitleAtItsSortedPlace) {
    QSignalSpy changed(widget_.get(), &gui::WantedPaneWidget::listsChanged);
    QSignalSpy caption(widget_.get(), &gui::WantedPaneWidget::captionChanged);
    Field()->setFocus();
    QTest::keyClicks(Field(), "Brazil");
    QTest::keyClick(Field(), Qt::Key_Return);
    EXPECT_EQ(Shown(), (QStringList{"Alien", "Brazil", "Heat", "Heathers"}));
    EXPECT_EQ(CurrentRow(), 1);
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(caption.count(), 1);
    EXPECT_EQ(caption.at(0).at(0).toString(), "Wanted - 4");
    EXPECT_TRUE(Field()->hasFocus());
    EXPECT_EQ(Field()->selectedText(), "Brazil");
    EXPECT_TRUE(session_.Modified);
}

TEST_F(WantedPaneWidgetTest, TheAddButtonAdds) {
    QSignalSpy changed(widget_.get(), &gui::WantedPaneWidget::listsChanged);
    QTest::keyClicks(Field(), "Zorro");
    QTest::mouseClick(Button("wantedAdd"), Qt::LeftButton);
    EXPECT_EQ(Shown().last(), "Zorro");
    EXPECT_EQ(CurrentRow(), 3);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(WantedPaneWidgetTest, TheDeleteKeyDeletesTheChosenTitleAfterAsking) {
    // A window-wide Delete shortcut (the main window's "Delete selected") must not take the key.
    QAction window_delete(widget_.get());
    window_delete.setShortcut(Qt::Key_Delete);
    window_delete.setShortcutContext(Qt::WindowShortcut);
    widget_->addAction(&window_delete);
    QSignalSpy window_deleted(&window_delete, &QAction::triggered);
    QSignalSpy changed(widget_.get(), &gui::WantedPaneWidget::listsChanged);

    ClickRow(0);
    prompts_.QueueAnswer(Answer::kOk);
    QTest::keyClick(List(), Qt::Key_Delete);
    EXPECT_EQ(Shown(), (QStringList{"Heat", "Heathers"}));
    EXPECT_EQ(prompts_.Texts(),
              std::vector<std::string>{"Delete selected record from Wanted Videos list?"});
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(window_deleted.count(), 0);
    EXPECT_EQ(widget_->Caption(), "Wanted - 2");
}

TEST_F(WantedPaneWidgetTest, TheDeleteButtonDeletesTheChosenTitle) {
    ClickRow(1);
    prompts_.QueueAnswer(Answer::kOk);
    QTest::mouseClick(Button("wantedDelete"), Qt::LeftButton);
    EXPECT_EQ(Shown(), (QStringList{"Alien", "Heathers"}));
}

TEST_F(WantedPaneWidgetTest, TheDeleteAllButtonEmptiesTheList) {
    QSignalSpy caption(widget_.get(), &gui::WantedPaneWidget::captionChanged);
    prompts_.QueueAnswer(Answer::kOk);
    QTest::mouseClick(Button("wantedDeleteAll"), Qt::LeftButton);
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(prompts_.Texts(),
              std::vector<std::string>{"Delete all records from Wanted Videos list?"});
    ASSERT_EQ(caption.count(), 1);
    EXPECT_EQ(caption.at(0).at(0).toString(), "Wanted - 0");
}

TEST_F(WantedPaneWidgetTest, RefreshShowsTitlesAddedElsewhere) {
    session_.Wanted.Add("Zorro");
    widget_->Refresh();
    EXPECT_EQ(Shown().last(), "Zorro");
    EXPECT_EQ(widget_->Caption(), "Wanted - 4");
}

TEST_F(WantedPaneWidgetTest, TitlesThatAreNotUtf8ShowTheirBytesAsLatin1) {
    session_.Wanted.Add("Caf\xe9");
    widget_->Refresh();
    EXPECT_EQ(Shown().at(1), QString::fromUtf8("Caf\xc3\xa9"));
}

}  // namespace
