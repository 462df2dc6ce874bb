// The record editor's window: its fields reach the model's cells, its buttons call the model,
// and what it shows follows the model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

#include "editor_fixture.h"
#include "gui/editor/digit_spin_field.h"
#include "gui/editor/limited_text_edit.h"
#include "gui/editor/record_editor_dialog.h"

namespace {

using app::RecordEditor;
using gui::DigitSpinField;
using gui::LimitedTextEdit;
using gui::RecordEditorDialog;
using Mode = RecordEditor::Mode;
using platform::Answer;

class RecordEditorDialogTest : public EditorFixture {
  protected:
    QLineEdit* Line(const char* name) const { return Find<QLineEdit>(*dialog_, name); }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(*dialog_, name); }
    LimitedTextEdit* Text(const char* name) const { return Find<LimitedTextEdit>(*dialog_, name); }
    DigitSpinField* Spin(const char* name) const { return Find<DigitSpinField>(*dialog_, name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(*dialog_, name); }
    int Page() const { return Find<QStackedWidget>(*dialog_, "pages")->currentIndex(); }
    // Picks a page in the tree, as a click on its name does.
    void GoTo(int page) const {
        auto* tree = Find<QTreeWidget>(*dialog_, "pageTree");
        tree->setCurrentItem(tree->topLevelItem(page));
    }

    void Show(Mode mode) {
        editor_ = OpenEditor(mode);
        dialog_ = std::make_unique<RecordEditorDialog>(*editor_);
        dialog_->show();
    }
    void ClickOk() { QTest::mouseClick(Button("okButton"), Qt::LeftButton); }

    std::unique_ptr<RecordEditor> editor_;
    std::unique_ptr<RecordEditorDialog> dialog_;
};

TEST_F(RecordEditorDialogTest, AddModeStoresTheTypedFieldsAsANewRecord) {
    AddRow({{"Title", "Alien"}, {"Category", "Science Fiction"}, {"MPAA", "R"}});
    config_.close_on_add = true;
    Show(Mode::kAdd);
    EXPECT_EQ(dialog_->windowTitle(), "Add Video");
    EXPECT_FALSE(Button("okButton")->isEnabled());
    EXPECT_EQ(dialog_->focusWidget(), Line("title"));
    EXPECT_EQ(Combo("category")->count(), 1);
    EXPECT_EQ(Combo("category")->itemText(0), "Science Fiction");

    QTest::keyClicks(Line("title"), "Dune");
    EXPECT_TRUE(Button("okButton")->isEnabled());
    QTest::keyClicks(Combo("category"), "Epic");
    QTest::keyClicks(Text("cast"), "Kyle MacLachlan");
    QTest::keyClicks(Text("director"), "David Lynch");
    QTest::keyClicks(Line("year"), "19x84");
    QTest::keyClicks(Spin("hours"), "2");
    QTest::keyClicks(Spin("minutes"), "17");
    QTest::keyClicks(Combo("mpaa"), "PG-13");
    QTest::keyClicks(Combo("custom2"), "DVD");
    QTest::keyClicks(Text("synopsis"), "Spice.");
    QTest::keyClick(Text("synopsis"), Qt::Key_Return);
    QTest::keyClicks(Text("synopsis"), "Worms.");

    QSignalSpy stored(dialog_.get(), &RecordEditorDialog::recordStored);
    ClickOk();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    ASSERT_EQ(stored.count(), 1);
    ASSERT_EQ(session_.Videos.RowCount(), 2);
    const int row = stored.at(0).at(0).toInt();
    EXPECT_EQ(Cell(row, "Title"), "Dune");
    EXPECT_EQ(Cell(row, "Category"), "Epic");
    EXPECT_EQ(Cell(row, "Cast"), "Kyle MacLachlan");
    EXPECT_EQ(Cell(row, "Director"), "David Lynch");
    EXPECT_EQ(Cell(row, "Year"), "1984");
    EXPECT_EQ(Cell(row, "Duration"), "02:17:00");
    EXPECT_EQ(Cell(row, "MPAA"), "PG-13");
    EXPECT_EQ(Cell(row, "Format"), "DVD");
    EXPECT_EQ(Cell(row, "Synopsis"), "Spice.~Worms.");
    EXPECT_EQ(Cell(row, "Last Viewed"), "");
}

TEST_F(RecordEditorDialogTest, EditModeShowsTheSelectedRowAndStoresItsChanges) {
    AddRow({{"Title", "Other"}, {"Category", "Drama"}});
    const int row = AddRow({{"Title", "Alien"},
                            {"Year", "1979"},
                            {"Category", "drama"},
                            {"Duration", "01:57:05"},
                            {"Last Viewed", "11/02/1999"},
                            {"Synopsis", "In space~no one hears"},
                            {"Writer", "Dan O'Bannon"},
                            {"MPAA", "R"},
                            {"Rank", "5"}});
    Select({row});
    Show(Mode::kEdit);
    EXPECT_EQ(dialog_->windowTitle(), "Edit Video");
    EXPECT_EQ(dialog_->focusWidget(), Find<QTreeWidget>(*dialog_, "pageTree"));
    EXPECT_EQ(Line("title")->text(), "Alien");
    EXPECT_EQ(Combo("category")->currentText(), "drama");
    EXPECT_EQ(Text("writer")->Text(), "Dan O'Bannon");
    EXPECT_EQ(Line("year")->text(), "1979");
    EXPECT_EQ(Spin("hours")->text(), "01");
    EXPECT_EQ(Spin("minutes")->text(), "57");
    EXPECT_EQ(Spin("seconds")->text(), "05");
    EXPECT_EQ(Line("orValue")->text(), "117");
    EXPECT_TRUE(Find<QRadioButton>(*dialog_, "viewedYes")->isChecked());
    EXPECT_EQ(Spin("month")->text(), "11");
    EXPECT_TRUE(Spin("month")->isEnabled());
    EXPECT_EQ(Spin("viewedYear")->text(), "1999");
    EXPECT_EQ(Combo("mpaa")->currentText(), "R");
    EXPECT_EQ(Combo("custom3")->currentText(), "5");
    EXPECT_EQ(Text("synopsis")->Text(), "In space\nno one hears");
    auto* close_on_add = Find<QCheckBox>(*dialog_, "closeOnAdd");
    EXPECT_TRUE(close_on_add->isChecked());
    EXPECT_FALSE(close_on_add->isEnabled());
    EXPECT_TRUE(Button("okButton")->isEnabled());

    TypeOver(Line("title"), "Aliens");
    TypeOver(Spin("day"), "5");
    ClickOk();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(Cell(row, "Title"), "Aliens");
    EXPECT_EQ(Cell(row, "Last Viewed"), "11/05/1999");
    EXPECT_EQ(Cell(row, "Synopsis"), "In space~no one hears");
    EXPECT_EQ(Cell(row, "Rank"), "5");
}

TEST_F(RecordEditorDialogTest, TheDurationFieldsAndTheOrValueRecomputeEachOther) {
    Show(Mode::kAdd);
    auto* unit = Combo("unit");
    EXPECT_EQ(unit->currentText(), "minutes");
    EXPECT_EQ(unit->count(), 3);

    QTest::keyClicks(Spin("hours"), "1");
    QTest::keyClicks(Spin("minutes"), "30");
    EXPECT_EQ(Line("orValue")->text(), "90");
    unit->setCurrentIndex(unit->findText("hours"));
    EXPECT_EQ(Line("orValue")->text(), "1.50");
    unit->setCurrentIndex(unit->findText("seconds"));
    EXPECT_EQ(Line("orValue")->text(), "5400");

    TypeOver(Line("orValue"), "5025");
    EXPECT_EQ(Spin("hours")->text(), "01");
    EXPECT_EQ(Spin("minutes")->text(), "23");
    EXPECT_EQ(Spin("seconds")->text(), "45");

    // The up-down control steps within the model's range, and the "or" value follows.
    QTest::keyClick(Spin("hours"), Qt::Key_Up);
    EXPECT_EQ(Spin("hours")->text(), "2");
    EXPECT_EQ(Line("orValue")->text(), "8625");
    EXPECT_EQ(Spin("minutes")->Maximum(), 59);
    EXPECT_EQ(Spin("hours")->Maximum(), 99);
}

TEST_F(RecordEditorDialogTest, ViewedYesEnablesTheDateFields) {
    Show(Mode::kAdd);
    GoTo(1);
    auto* yes = Find<QRadioButton>(*dialog_, "viewedYes");
    auto* no = Find<QRadioButton>(*dialog_, "viewedNo");
    EXPECT_TRUE(no->isChecked());
    for (const char* name : {"month", "day", "viewedYear"}) {
        EXPECT_FALSE(Spin(name)->isEnabled()) << name;
    }
    EXPECT_EQ(Spin("month")->text(), "03");
    EXPECT_EQ(Spin("day")->text(), "07");
    EXPECT_EQ(Spin("viewedYear")->text(), "2004");

    QTest::mouseClick(yes, Qt::LeftButton);
    EXPECT_TRUE(editor_->Viewed());
    for (const char* name : {"month", "day", "viewedYear"}) {
        EXPECT_TRUE(Spin(name)->isEnabled()) << name;
    }
    EXPECT_EQ(Spin("month")->Minimum(), 1);
    EXPECT_EQ(Spin("month")->Maximum(), 12);
    EXPECT_EQ(Spin("viewedYear")->Minimum(), 1970);
    TypeOver(Spin("day"), "");
    EXPECT_EQ(editor_->Text(app::EditorField::kDay), "");

    QTest::mouseClick(no, Qt::LeftButton);
    EXPECT_FALSE(editor_->Viewed());
    EXPECT_FALSE(Spin("day")->isEnabled());
}

TEST_F(RecordEditorDialogTest, AnEmptyTitleOrARefusedDuplicateKeepsTheWindowOpen) {
    AddRow({{"Title", "Alien"}, {"Year", "1979"}});
    Show(Mode::kAdd);
    QTest::keyClick(Line("title"), Qt::Key_Return);  // OK is disabled: nothing happens
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(prompts_.Messages().empty());

    QTest::keyClicks(Line("title"), "alien");
    QTest::keyClicks(Line("year"), "1979");
    // On another page, so that the focus has to bring the title's page back.
    QTest::mouseClick(Button("nextButton"), Qt::LeftButton);
    QTest::mouseClick(Button("nextButton"), Qt::LeftButton);
    EXPECT_EQ(Page(), 2);
    prompts_.QueueAnswer(Answer::kNo);
    ClickOk();
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].title, "Confirm");
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(session_.Videos.RowCount(), 1);
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(dialog_->focusWidget(), Line("title"));
    EXPECT_EQ(Line("title")->text(), "alien");

    TypeOver(Line("title"), "");
    EXPECT_FALSE(Button("okButton")->isEnabled());
}

TEST_F(RecordEditorDialogTest, WithoutCloseOnAddEachOkAddsAnotherRecord) {
    config_.close_on_add = true;
    Show(Mode::kAdd);
    auto* close_on_add = Find<QCheckBox>(*dialog_, "closeOnAdd");
    EXPECT_TRUE(close_on_add->isChecked());
    QTest::mouseClick(close_on_add, Qt::LeftButton);
    EXPECT_FALSE(editor_->CloseOnAdd());

    QSignalSpy stored(dialog_.get(), &RecordEditorDialog::recordStored);
    QTest::keyClicks(Line("title"), "Heat");
    QTest::keyClick(Line("title"), Qt::Key_Return);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(Line("title")->text(), "Heat");
    prompts_.QueueAnswer(Answer::kYes);  // the same title and (empty) year again
    ClickOk();
    EXPECT_EQ(stored.count(), 2);
    EXPECT_EQ(session_.Videos.RowCount(), 2);
}

TEST_F(RecordEditorDialogTest, TheTreeAndThePageButtonsShowTheModelsPage) {
    Show(Mode::kAdd);
    auto* tree = Find<QTreeWidget>(*dialog_, "pageTree");
    ASSERT_EQ(tree->topLevelItemCount(), 4);
    EXPECT_EQ(tree->topLevelItem(3)->text(0), "Image");
    EXPECT_FALSE(Button("previousButton")->isEnabled());
    EXPECT_EQ(Find<QLabel>(*dialog_, "pageHeading")->text(), "General");

    QTest::mouseClick(Button("nextButton"), Qt::LeftButton);
    EXPECT_EQ(editor_->CurrentPage(), RecordEditor::Page::kExtended);
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(1));
    EXPECT_EQ(Find<QLabel>(*dialog_, "pageHeading")->text(), "Extended");

    tree->setCurrentItem(tree->topLevelItem(3));
    EXPECT_EQ(editor_->CurrentPage(), RecordEditor::Page::kImage);
    EXPECT_EQ(Page(), 3);
    EXPECT_FALSE(Button("nextButton")->isEnabled());
    QTest::mouseClick(Button("previousButton"), Qt::LeftButton);
    EXPECT_EQ(Page(), 2);
}

TEST_F(RecordEditorDialogTest, FieldsTakeTypingByTheModelsRules) {
    Show(Mode::kAdd);
    QTest::keyClicks(Line("year"), "2001a9");
    EXPECT_EQ(Line("year")->text(), "2001");
    QTest::keyClicks(Spin("minutes"), "1x234");
    EXPECT_EQ(Spin("minutes")->text(), "12");
    QTest::keyClicks(Combo("custom1"), QString(300, u'x'));
    EXPECT_EQ(Combo("custom1")->currentText().size(), 255);
    EXPECT_EQ(Text("cast")->MaxLength(), 51199);
    EXPECT_TRUE(Line("imageFile")->isReadOnly());
}

TEST_F(RecordEditorDialogTest, MiscellaneousFieldsAreNamedAfterTheCustomColumns) {
    Show(Mode::kAdd);
    const std::vector<std::string>& labels = editor_->CustomLabels();
    ASSERT_EQ(labels.size(), 7u);
    EXPECT_EQ(Find<QLabel>(*dialog_, "custom1Label")->text(), "Location:");
    EXPECT_EQ(Find<QLabel>(*dialog_, "custom7Label")->text(),
              QString::fromStdString(labels[6] + ":"));
    EXPECT_EQ(Find<QLabel>(*dialog_, "custom2Label")->buddy(), Combo("custom2"));
}

TEST_F(RecordEditorDialogTest, MissingCustomColumnsLeaveTheirFieldsDisabled) {
    // A table with one custom column fewer.
    session_.Videos.MutableColumn(app::CustomColumns(session_.Videos).back()).Custom = false;
    Show(Mode::kAdd);
    EXPECT_EQ(editor_->CustomLabels().size(), 6u);
    EXPECT_TRUE(Combo("custom6")->isEnabled());
    EXPECT_FALSE(Combo("custom7")->isEnabled());
    EXPECT_EQ(Find<QLabel>(*dialog_, "custom7Label")->text(), "Miscellaneous 8:");
}

TEST_F(RecordEditorDialogTest, FieldsAndControlsCarryTheModelsPopUpHelp) {
    Show(Mode::kAdd);
    EXPECT_EQ(Line("title")->whatsThis(), "help for add-title");
    EXPECT_EQ(Spin("seconds")->whatsThis(), "help for add-duration");
    EXPECT_EQ(Combo("custom4")->whatsThis(), "help for add-misc");
    EXPECT_EQ(Button("downloadButton")->whatsThis(), "help for add-image-url");
    EXPECT_EQ(Find<QCheckBox>(*dialog_, "closeOnAdd")->whatsThis(), "help for add-close-on-add");
    EXPECT_FALSE(Button("wizardButton")->isEnabled());
}

}  // namespace

namespace {

class RecordEditorKeyboardTest : public RecordEditorDialogTest {};

TEST_F(RecordEditorKeyboardTest, TabFollowsTheFormAndCtrlPageKeysTurnThePages) {
    Show(Mode::kAdd);
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    EXPECT_EQ(QApplication::focusWidget(), Line("title"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(Combo("category")->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == Combo("category"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Page(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Page(), 2);
    Text("synopsis")->setFocus();
    QTest::keyClick(Text("synopsis"), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Page(), 0);

    // A mnemonic reaches a field of the page shown.
    QTest::keyClick(dialog_.get(), Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Text("director"));
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(RecordEditorKeyboardTest, TheWindowFitsAScreenOf1024By768) {
    AddRow({{"Title", "Alien"}, {"Category", std::string(400, 'c')}, {"Format", "Blu-ray"}});
    Show(Mode::kAdd);
    EXPECT_LE(dialog_->width(), 1000);
    EXPECT_LE(dialog_->height(), 700);
    EXPECT_LE(dialog_->minimumSizeHint().width(), 1000);
    EXPECT_LE(dialog_->minimumSizeHint().height(), 700);
}

}  // namespace
