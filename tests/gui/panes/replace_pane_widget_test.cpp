// The Replace pane over its model: the fields and buttons reach it, the report shows its text in
// its colours, and the main window hears of changed rows and matches.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "gui/panes/replace_pane_widget.h"
#include "pane_fixture.h"

namespace {

using gui::ReplacePaneWidget;

class ReplacePaneWidgetTest : public PaneFixture {
  protected:
    ReplacePaneWidgetTest() {
        AddRow({{"Title", "Zo\xc3\xab"}, {"Director", "Caf\xe9 Scott"}});  // UTF-8, and Latin-1
        AddRow({{"Title", "Heat"}, {"Director", "Michael Mann"}, {"Category", "banana"}});
        AddRow({{"Title", "Blade Runner"}, {"Director", "Ridley Scott"}});
        replace_.RefillInside();
        widget_ = std::make_unique<ReplacePaneWidget>(replace_);
        Show(widget_.get(), QSize(420, 450));
    }
    QLineEdit* Field(const char* name) const { return Find<QComboBox>(*widget_, name)->lineEdit(); }
    void Press(const char* button) const { Click(Find<QPushButton>(*widget_, button)); }
    QString Report() const { return Find<QTextEdit>(*widget_, "replaceReport")->toPlainText(); }
    QColor ColourAt(const QString& text, int offset = 0) const {
        QTextCursor cursor(Find<QTextEdit>(*widget_, "replaceReport")->document());
        cursor.setPosition(static_cast<int>(Report().indexOf(text)) + offset + 1);
        return cursor.charFormat().foreground().color();
    }

    std::unique_ptr<ReplacePaneWidget> widget_;
};

TEST_F(ReplacePaneWidgetTest, FindNextShowsTheMatchInTheReportsColours) {
    QSignalSpy shown(widget_.get(), &ReplacePaneWidget::showRow);
    TypeOver(Field("replaceWhat"), "Scott");
    TypeOver(Field("replaceWith"), "Scott Free");
    EXPECT_EQ(replace_.What(), "Scott");
    EXPECT_EQ(replace_.With(), "Scott Free");
    Press("replaceFindNext");
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown.at(0).at(0).toInt(), 0);
    EXPECT_EQ(Report(), QString::fromUtf8("Record:\tZo\xc3\xab\nColumn:\tDirector\nRow:\t1\n\n"
                                          "Current Value:\nCaf\xc3\xa9 Scott"));
    EXPECT_EQ(ColourAt("Record:"), QColor(0, 0, 0));
    EXPECT_EQ(ColourAt("Director"), QColor(50, 50, 50));
    EXPECT_EQ(ColourAt(" Scott"), QColor(50, 50, 50));
    EXPECT_EQ(ColourAt("Scott"), QColor(218, 32, 0));

    Field("replaceWith")->setFocus();  // Enter finds the next one too
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown.at(1).at(0).toInt(), 2);
    Field("replaceWhat")->setFocus();  // no more: the model says so
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(prompts_.Texts(), std::vector<std::string>{"Finished searching for \"Scott\"."});
    EXPECT_TRUE(Field("replaceWhat")->hasFocus());
}

TEST_F(ReplacePaneWidgetTest, ReplaceReplaceAllAndUndoChangeTheCellsAndSaySo) {
    QSignalSpy shown(widget_.get(), &ReplacePaneWidget::showRow);
    QSignalSpy changed(widget_.get(), &ReplacePaneWidget::listsChanged);
    TypeOver(Field("replaceWhat"), "Scott");
    TypeOver(Field("replaceWith"), "Free");
    Press("replaceFindNext");
    Press("replaceReplace");
    EXPECT_EQ(Cell(0, "Director"), "Caf\xe9 Free");
    EXPECT_EQ(changed.count(), 1);
    ASSERT_EQ(shown.count(), 2);
    EXPECT_EQ(shown.at(1).at(0).toInt(), 2) << "the next match";
    EXPECT_TRUE(Report().contains("Blade Runner"));

    TypeOver(Field("replaceWhat"), "a");
    TypeOver(Field("replaceWith"), "aa");
    auto* inside = Find<QComboBox>(*widget_, "replaceInside");
    inside->setFocus();
    while (inside->currentText() != "Category") QTest::keyClick(inside, Qt::Key_Down);
    EXPECT_EQ(replace_.Inside(), "Category");
    Press("replaceReplaceAll");
    EXPECT_EQ(Cell(1, "Category"), "baanaanaa");
    EXPECT_EQ(Report(), "1 records updated.");
    EXPECT_EQ(changed.count(), 2);
    Press("replaceUndo");
    EXPECT_EQ(Cell(1, "Category"), "banana");
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(ReplacePaneWidgetTest, AReadOnlyUsersButtonsStayButDoNothing) {
    session_.AccessLevel = app::kReadOnlyAccess;
    TypeOver(Field("replaceWhat"), "Scott");
    TypeOver(Field("replaceWith"), "Free");
    for (const char* button : {"replaceFindNext", "replaceReplace", "replaceReplaceAll"}) {
        EXPECT_TRUE(Find(*widget_, button)->isEnabled()) << button;
        Press(button);
    }
    EXPECT_EQ(Report(), "");
}

}  // namespace
