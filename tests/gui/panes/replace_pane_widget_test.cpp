#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "gui/panes/replace_pane_widget.h"
#include "gui/text_bytes.h"
#include "pane_fixture.h"

namespace {

class ReplacePaneWidgetTest : public PaneFixture {
  protected:
    ReplacePaneWidgetTest() {
        AddRow({{"Title", "Alien"}, {"Director", "Ridley Scott"}});
        AddRow({{"Title", "Heat"}, {"Director", "Michael Mann"}, {"Category", "banana"}});
        AddRow({{"Title", "Blade Runner"}, {"Director", "Ridley Scott"}});
        replace_.RefillInside();
        widget_ = std::make_unique<gui::ReplacePaneWidget>(replace_);
        Show(widget_, QSize(420, 450));
    }

    void Type(QComboBox* field, const char* text) {
        field->lineEdit()->clear();
        QTest::keyClicks(field->lineEdit(), text);
    }
    void Click(const char* button) {
        QTest::mouseClick(Find<QPushButton>(widget_.get(), button), Qt::LeftButton);
    }
    QTextEdit* Report() const { return widget_->report(); }
    // The colour of the report's character at `position`.
    QColor ColourAt(int position) const {
        QTextCursor cursor(Report()->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat().foreground().color();
    }
    int PositionOf(const QString& text, int from = 0) const {
        return static_cast<int>(Report()->toPlainText().indexOf(text, from));
    }

    std::unique_ptr<gui::ReplacePaneWidget> widget_;
};

const QColor kText(50, 50, 50);
const QColor kMatch(218, 32, 0);
const QColor kLabel(0, 0, 0);

TEST_F(ReplacePaneWidgetTest, TypingReachesTheModel) {
    Type(widget_->whatField(), "Scott");
    Type(widget_->withField(), "Scott Free");
    EXPECT_EQ(replace_.What(), "Scott");
    EXPECT_EQ(replace_.With(), "Scott Free");
    EXPECT_EQ(widget_->whatField()->lineEdit()->maxLength(), 1023);
}

TEST_F(ReplacePaneWidgetTest, FindNextShowsTheMatchInTheReportsColours) {
    QSignalSpy shown(widget_.get(), &gui::ReplacePaneWidget::showRow);
    Type(widget_->whatField(), "scott");
    Click("replaceFindNext");
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.at(0).at(0).toInt(), 0);
    EXPECT_EQ(Report()->toPlainText(),
              "Record:\tAlien\nColumn:\tDirector\nRow:\t1\n\nCurrent Value:\nRidley Scott");
    EXPECT_EQ(ColourAt(PositionOf("Record:")), kLabel);
    EXPECT_EQ(ColourAt(PositionOf("Current Value:") + 13), kLabel);
    EXPECT_EQ(ColourAt(PositionOf("Alien")), kText);
    EXPECT_EQ(ColourAt(PositionOf("Ridley")), kText);
    EXPECT_EQ(ColourAt(PositionOf("Scott")), kMatch);
    EXPECT_EQ(ColourAt(PositionOf("Scott") + 4), kMatch);
    EXPECT_EQ(widget_->whatField()->count(), 1) << "the history";

    Click("replaceFindNext");
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown.at(1).at(0).toInt(), 2);
}

TEST_F(ReplacePaneWidgetTest, EnterInEitherFieldFindsTheNextMatch) {
    QSignalSpy shown(widget_.get(), &gui::ReplacePaneWidget::showRow);
    Type(widget_->whatField(), "Mann");
    QTest::keyClick(widget_->whatField()->lineEdit(), Qt::Key_Return);
    Type(widget_->withField(), "Man");
    QTest::keyClick(widget_->withField()->lineEdit(), Qt::Key_Return);
    ASSERT_EQ(shown.count(), 1) << "the second search finds nothing more";
    EXPECT_EQ(shown.at(0).at(0).toInt(), 1);
    EXPECT_EQ(prompts_.Texts(), std::vector<std::string>{"Finished searching for \"Mann\"."});
    EXPECT_TRUE(widget_->whatField()->lineEdit()->hasFocus());
    EXPECT_EQ(widget_->whatField()->lineEdit()->selectedText(), "Mann");
}

TEST_F(ReplacePaneWidgetTest, ReplaceChangesTheMatchAndShowsTheNextOne) {
    QSignalSpy shown(widget_.get(), &gui::ReplacePaneWidget::showRow);
    QSignalSpy changed(widget_.get(), &gui::ReplacePaneWidget::listsChanged);
    Type(widget_->whatField(), "Ridley");
    Type(widget_->withField(), "Sir Ridley");
    Click("replaceFindNext");
    Click("replaceReplace");
    EXPECT_EQ(Cell(0, "Director"), "Sir Ridley Scott");
    EXPECT_EQ(Cell(2, "Director"), "Ridley Scott");
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown.at(1).at(0).toInt(), 2);
    EXPECT_EQ(PositionOf("Blade Runner"), 8);
}

TEST_F(ReplacePaneWidgetTest, ReplaceAllUpdatesTheCellsAndUndoLastRestoresThem) {
    QSignalSpy changed(widget_.get(), &gui::ReplacePaneWidget::listsChanged);
    Type(widget_->whatField(), "a");
    Type(widget_->withField(), "aa");
    QComboBox* inside = Find<QComboBox>(widget_.get(), "replaceInside");
    ASSERT_GT(inside->findText("Category"), 0);
    inside->setFocus();
    while (inside->currentText() != "Category") QTest::keyClick(inside, Qt::Key_Down);
    EXPECT_EQ(replace_.Inside(), "Category");
    Click("replaceReplaceAll");
    EXPECT_EQ(Cell(1, "Category"), "baanaanaa");
    EXPECT_EQ(Cell(1, "Title"), "Heat");
    EXPECT_EQ(Report()->toPlainText(), "1 records updated.");
    EXPECT_EQ(ColourAt(0), kText);
    EXPECT_EQ(prompts_.Texts(), std::vector<std::string>{
                                    "Finished replacing \"a\" with \"aa\".\n\n1 records updated."});
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(widget_->withField()->count(), 2) << "both texts join both histories";

    Click("replaceUndo");
    EXPECT_EQ(Cell(1, "Category"), "banana");
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(ReplacePaneWidgetTest, AReadOnlyUsersButtonsStayButDoNothing) {
    session_.AccessLevel = app::kReadOnlyAccess;
    Type(widget_->whatField(), "Scott");
    Type(widget_->withField(), "Free");
    for (const char* button : {"replaceFindNext", "replaceReplace", "replaceReplaceAll"}) {
        EXPECT_TRUE(Find<QPushButton>(widget_.get(), button)->isEnabled()) << button;
        Click(button);
    }
    EXPECT_EQ(Cell(0, "Director"), "Ridley Scott");
    EXPECT_EQ(Report()->toPlainText(), "");
}

TEST_F(ReplacePaneWidgetTest, ReportColoursFallOnTheRightLettersOfAnyText) {
    // A title in UTF-8 and a cell with a byte that is not UTF-8 (shown as Latin-1).
    session_.Videos.SetCell(0, Column("Title"), "Zo\xc3\xab");
    session_.Videos.SetCell(0, Column("Director"), "Caf\xe9 Scott");
    Type(widget_->whatField(), "Scott");
    Click("replaceFindNext");
    EXPECT_EQ(PositionOf(QString::fromUtf8("Zo\xc3\xab")), 8);
    const int scott = PositionOf("Scott");
    EXPECT_EQ(Report()->toPlainText().mid(scott - 5, 4), QString::fromUtf8("Caf\xc3\xa9"));
    EXPECT_EQ(ColourAt(scott - 1), kText);
    EXPECT_EQ(ColourAt(scott), kMatch);
    EXPECT_EQ(ColourAt(scott + 4), kMatch);
}

}  // namespace
