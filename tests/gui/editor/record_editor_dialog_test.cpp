// The record editor's window: its fields reach the model's cells, what it shows follows the
// model, its buttons call the model, and its image page downloads on the model's worker thread.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTreeWidget>

#include "app/record_editor.h"
#include "fakes/fake_downloader.h"
#include "fakes/fake_help.h"
#include "gui/editor/digit_spin_field.h"
#include "gui/editor/limited_text_edit.h"
#include "gui/editor/picture_area.h"
#include "gui/editor/record_editor_dialog.h"
#include "gui/widget_fixture.h"

namespace {

using app::RecordEditor;
using gui::RecordEditorDialog;
using Mode = RecordEditor::Mode;
using platform::Answer;

class RecordEditorDialogTest : public WidgetFixture {
  protected:
    void Show(Mode mode) {
        editor_ = std::make_unique<RecordEditor>(
            session_, RecordEditor::Services{prompts_, converter_, downloader_, &help_}, mode);
        dialog_ = std::make_unique<RecordEditorDialog>(*editor_);
        dialog_->show();
    }
    template <typename Widget = QWidget>
    Widget* Get(const char* name) const {
        return Find<Widget>(*dialog_, name);
    }
    // The text a field shows, whatever kind of field it is.
    QString Shown(const char* name) const {
        QWidget* field = Get(name);
        if (auto* line = qobject_cast<QLineEdit*>(field)) return line->text();
        if (auto* combo = qobject_cast<QComboBox*>(field)) return combo->currentText();
        if (auto* text = qobject_cast<gui::LimitedTextEdit*>(field)) return text->Text();
        return qobject_cast<gui::DigitSpinField*>(field)->text();
    }
    int Page() const { return Get<QStackedWidget>("pages")->currentIndex(); }
    void Press(const char* button) const { Click(Get<QPushButton>(button)); }
    bool ShowsPicture() const { return Get<gui::PictureArea>("picture")->ShowsPicture(); }
    int Progress() const { return Get<QProgressBar>("progress")->value(); }

    FakeDownloader downloader_;
    FakeHelp help_;
    std::unique_ptr<RecordEditor> editor_;
    std::unique_ptr<RecordEditorDialog> dialog_;
};

TEST_F(RecordEditorDialogTest, AddModeStoresEveryKindOfFieldInTheNewRecord) {
    AddRow({{"Title", "Alien"}, {"Category", "Science Fiction"}});
    AddRow({{"Title", "Heat"}, {"Category", std::string(400, 'c')}});
    config_.close_on_add = true;
    Show(Mode::kAdd);
    EXPECT_EQ(dialog_->focusWidget(), Get("title"));
    EXPECT_EQ(Get<QComboBox>("category")->count(), 2);
    EXPECT_LE(dialog_->minimumSizeHint().width(), 1000) << "long choices do not widen it";
    EXPECT_FALSE(Get("okButton")->isEnabled());

    struct Field {
        const char* name;
        const char* typed;
        const char* column;
        const char* cell;
    };
    const Field fields[] = {
        {"title", "Dune", "Title", "Dune"},
        {"category", "Epic", "Category", "Epic"},
        {"cast", "Kyle", "Cast", "Kyle"},
        {"director", "Lynch", "Director", "Lynch"},
        {"producer", "De Laurentiis", "Producer", "De Laurentiis"},
        {"writer", "Herbert", "Writer", "Herbert"},
        {"year", "19x84", "Year", "1984"},
        {"minutes", "17", "Duration", "00:17:00"},
        {"mpaa", "PG-13", "MPAA", "PG-13"},
        {"custom2", "DVD", "Format", "DVD"},
        {"synopsis", "Spice.", "Synopsis", "Spice."},
    };
    for (const Field& field : fields) QTest::keyClicks(Get(field.name), field.typed);
    EXPECT_TRUE(Get("okButton")->isEnabled());
    QSignalSpy stored(dialog_.get(), &RecordEditorDialog::recordStored);
    Press("okButton");
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    ASSERT_EQ(stored.count(), 1);
    const int row = stored.at(0).at(0).toInt();
    for (const Field& field : fields) EXPECT_EQ(Cell(row, field.column), field.cell) << field.name;
}

TEST_F(RecordEditorDialogTest, EditModeShowsTheSelectedRowAndStoresItsChanges) {
    const int row = AddRow({{"Title", "Alien"},
                            {"Year", "1979"},
                            {"Category", "drama"},
                            {"Duration", "01:57:05"},
                            {"Last Viewed", "11/02/1999"},
                            {"Synopsis", "In space~no one hears"},
                            {"Rank", "5"}});
    Select({row});
    Show(Mode::kEdit);
    EXPECT_EQ(dialog_->windowTitle(), "Edit Video");
    // One field of each kind; what each shows is the model's business.
    const std::pair<const char*, const char*> shown[] = {
        {"title", "Alien"},
        {"category", "drama"},
        {"year", "1979"},
        {"orValue", "117"},
        {"month", "11"},
        {"custom3", "5"},
        {"synopsis", "In space\nno one hears"},
    };
    for (const auto& [name, text] : shown) EXPECT_EQ(Shown(name), text) << name;
    EXPECT_TRUE(Get<QRadioButton>("viewedYes")->isChecked());
    EXPECT_FALSE(Get("closeOnAdd")->isEnabled());

    TypeOver(Get("title"), "Aliens");
    TypeOver(Get("day"), "5");
    Press("okButton");
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(Cell(row, "Title"), "Aliens");
    EXPECT_EQ(Cell(row, "Last Viewed"), "11/05/1999");
    EXPECT_EQ(Cell(row, "Synopsis"), "In space~no one hears");
}

TEST_F(RecordEditorDialogTest, TheDurationTheUnitAndTheViewedButtonsShowTheModelAfterEachChange) {
    Show(Mode::kAdd);
    QTest::keyClicks(Get("hours"), "1");
    QTest::keyClicks(Get("minutes"), "30");
    EXPECT_EQ(Shown("orValue"), "90");
    TypeOver(Get("orValue"), "135");
    EXPECT_EQ(Shown("minutes"), "15");
    auto* unit = Get<QComboBox>("unit");
    unit->setCurrentIndex(unit->findText("hours"));
    EXPECT_EQ(Shown("orValue"), "2.25");

    Press("nextButton");  // the Extended page, where the buttons are
    EXPECT_FALSE(Get("month")->isEnabled());
    Click(Get<QRadioButton>("viewedYes"));
    EXPECT_TRUE(editor_->Viewed());
    EXPECT_TRUE(Get("month")->isEnabled());
    Click(Get<QRadioButton>("viewedNo"));
    EXPECT_FALSE(Get("day")->isEnabled());
}

// A refused duplicate keeps the window open on the title; without Close on Add each OK adds
// another record.
TEST_F(RecordEditorDialogTest, OkFollowsTheDuplicateAnswerAndTheCloseOnAddBox) {
    AddRow({{"Title", "Alien"}, {"Year", "1979"}});
    config_.close_on_add = true;
    Show(Mode::kAdd);
    QTest::keyClick(Get("title"), Qt::Key_Return);  // OK is disabled: nothing happens
    EXPECT_TRUE(dialog_->isVisible());
    QTest::keyClicks(Get("title"), "alien");
    QTest::keyClicks(Get("year"), "1979");
    Press("nextButton");
    Press("nextButton");
    prompts_.QueueAnswer(Answer::kNo);
    Press("okButton");
    EXPECT_EQ(prompts_.Texts().size(), 1u);
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(session_.Videos.RowCount(), 1);
    EXPECT_EQ(Page(), 0);
    EXPECT_EQ(dialog_->focusWidget(), Get("title"));

    Click(Get<QCheckBox>("closeOnAdd"));
    EXPECT_FALSE(editor_->CloseOnAdd());
    QSignalSpy stored(dialog_.get(), &RecordEditorDialog::recordStored);
    prompts_.QueueAnswer(Answer::kYes);
    QTest::keyClick(Get("title"), Qt::Key_Return);
    EXPECT_TRUE(dialog_->isVisible());
    prompts_.QueueAnswer(Answer::kYes);  // the same title again
    Press("okButton");
    EXPECT_EQ(stored.count(), 2);
    EXPECT_EQ(session_.Videos.RowCount(), 3);
}

TEST_F(RecordEditorDialogTest, TheTreeThePageButtonsAndTheKeysTurnTheModelsPage) {
    Show(Mode::kAdd);
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    auto* tree = Get<QTreeWidget>("pageTree");
    EXPECT_FALSE(Get("previousButton")->isEnabled());
    Press("nextButton");
    EXPECT_EQ(editor_->CurrentPage(), RecordEditor::Page::kExtended);
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(1));
    EXPECT_EQ(Get<QLabel>("pageHeading")->text(), "Extended");
    tree->setCurrentItem(tree->topLevelItem(3));
    EXPECT_EQ(editor_->CurrentPage(), RecordEditor::Page::kImage);
    EXPECT_EQ(Page(), 3);
    EXPECT_FALSE(Get("nextButton")->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Page(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Page(), 3);
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
}

TEST_F(RecordEditorDialogTest, LabelsPopUpHelpAndMissingCustomColumnsComeFromTheModel) {
    session_.Videos.MutableColumn(app::CustomColumns(session_.Videos).back()).Custom = false;
    Show(Mode::kAdd);
    EXPECT_EQ(Get<QLabel>("custom1Label")->text().remove(u'&'), "Location:");
    EXPECT_EQ(Get<QLabel>("custom7Label")->text().remove(u'&'), "Miscellaneous 8:");
    EXPECT_TRUE(Get("custom6")->isEnabled());
    EXPECT_FALSE(Get("custom7")->isEnabled());
    EXPECT_EQ(Get("title")->whatsThis(), "help for add-title");
    EXPECT_EQ(Get("seconds")->whatsThis(), "help for add-duration");
    EXPECT_EQ(Get("downloadButton")->whatsThis(), "help for add-image-url");
}

TEST_F(RecordEditorDialogTest, DeleteAndBrowseChangeTheRecordsPictureAndRunTheBarOnce) {
    const int row = AddRow({{"Title", "Alien"}});
    WritePicture(ImagePath(row, "jpg"), "JPEG");
    Select({row});
    config_.prompt_before_delete = true;
    Show(Mode::kEdit);
    EXPECT_TRUE(ShowsPicture());
    prompts_.QueueAnswer(Answer::kYes);
    Press("deleteImageButton");
    EXPECT_EQ(Shown("imageFile"), "");
    EXPECT_FALSE(ShowsPicture());
    EXPECT_FALSE(Get("deleteImageButton")->isEnabled());

    prompts_.QueueOpenFile(WritePicture(folder_ / "cover.png", "PNG"));
    Press("browseButton");
    EXPECT_EQ(Shown("imageFile").toStdString(), folder_ / "cover.png");
    EXPECT_TRUE(ShowsPicture());
    EXPECT_TRUE(Get("deleteImageButton")->isEnabled());
    EXPECT_EQ(Progress(), 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Progress() == 0; }, 2000));
}

TEST_F(RecordEditorDialogTest, ADownloadRunsInTheBackgroundAndShowsThePictureWhenItEnds) {
    Show(Mode::kAdd);
    downloader_.body = PictureBytes("JPEG");
    downloader_.Hold();
    QTest::keyClicks(Get("url"), "http://127.0.0.1/covers/dune.jpg");
    Press("downloadButton");
    downloader_.WaitForStart();
    EXPECT_FALSE(Get("downloadButton")->isEnabled());
    QTest::keyClicks(Get("title"), "Dune");  // the form stays usable
    EXPECT_EQ(editor_->Text(app::EditorField::kTitle), "Dune");

    downloader_.Release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Get("downloadButton")->isEnabled(); }, 5000));
    EXPECT_EQ(Shown("imageFile").toStdString(), paths_.folder + "/res/iprev.jpg");
    EXPECT_TRUE(ShowsPicture());
    EXPECT_EQ(Progress(), 100);
}

TEST_F(RecordEditorDialogTest, ClosingTheWindowDuringADownloadEndsIt) {
    Show(Mode::kAdd);
    downloader_.Hold();
    QTest::keyClicks(Get("url"), "http://127.0.0.1/cover.gif");
    Press("downloadButton");
    downloader_.WaitForStart();
    Press("closeButton");
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    dialog_.reset();
    editor_.reset();  // cancels the download; its late report finds no window
    QTest::qWait(50);
    EXPECT_TRUE(prompts_.Messages().empty());
}

}  // namespace
