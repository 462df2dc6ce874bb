// The record editor's image page: the picker, the download on the model's worker thread, the
// progress bar and deleting the picture.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "editor_fixture.h"
#include "gui/editor/picture_area.h"
#include "gui/editor/record_editor_dialog.h"

namespace {

using app::RecordEditor;
using gui::PictureArea;
using gui::RecordEditorDialog;
using Mode = RecordEditor::Mode;

class RecordEditorImageTest : public EditorFixture {
  protected:
    void Show(Mode mode) {
        editor_ = OpenEditor(mode);
        dialog_ = std::make_unique<RecordEditorDialog>(*editor_);
        dialog_->resize(900, 600);
        dialog_->show();
        auto* tree = Find<QTreeWidget>(*dialog_, "pageTree");
        tree->setCurrentItem(tree->topLevelItem(3));  // the image page
    }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(*dialog_, name); }
    QLineEdit* Line(const char* name) const { return Find<QLineEdit>(*dialog_, name); }
    PictureArea* Picture() const { return Find<PictureArea>(*dialog_, "picture"); }
    QProgressBar* Progress() const { return Find<QProgressBar>(*dialog_, "progress"); }
    void Click(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }

    std::unique_ptr<RecordEditor> editor_;
    std::unique_ptr<RecordEditorDialog> dialog_;
};

TEST_F(RecordEditorImageTest, BrowseShowsTheChosenPictureAndRunsTheBarOnce) {
    Show(Mode::kAdd);
    EXPECT_FALSE(Picture()->ShowsPicture());
    EXPECT_FALSE(Button("deleteImageButton")->isEnabled());
    const std::string path = WritePicture("cover.png", "PNG");
    prompts_.QueueOpenFile(path);
    Click("browseButton");
    ASSERT_EQ(prompts_.Pickers().size(), 1u);
    EXPECT_EQ(prompts_.Pickers()[0].title, "Add Image");
    EXPECT_EQ(Line("imageFile")->text().toStdString(), path);
    EXPECT_TRUE(Picture()->ShowsPicture());
    EXPECT_TRUE(Button("deleteImageButton")->isEnabled());
    EXPECT_EQ(Progress()->value(), 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Progress()->value() == 0; }, 2000));
}

TEST_F(RecordEditorImageTest, ADownloadRunsInTheBackgroundAndShowsThePictureWhenItEnds) {
    Show(Mode::kAdd);
    downloader_.body = PictureBytes("JPEG");
    downloader_.Hold();
    QTest::keyClicks(Line("url"), "http://127.0.0.1/covers/dune.jpg");
    Click("downloadButton");
    downloader_.WaitForStart();
    EXPECT_FALSE(Button("downloadButton")->isEnabled());
    EXPECT_TRUE(Line("title")->isEnabled());  // the form stays usable
    QTest::keyClicks(Line("title"), "Dune");
    EXPECT_EQ(editor_->Text(app::EditorField::kTitle), "Dune");

    downloader_.Release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Button("downloadButton")->isEnabled(); }, 5000));
    EXPECT_EQ(downloader_.addresses, std::vector<std::string>{"http://127.0.0.1/covers/dune.jpg"});
    EXPECT_EQ(Line("imageFile")->text().toStdString(), paths_.folder + "/res/iprev.jpg");
    EXPECT_TRUE(Picture()->ShowsPicture());
    EXPECT_TRUE(prompts_.Messages().empty());
    EXPECT_EQ(Progress()->value(), 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Progress()->value() == 0; }, 2000));
}

TEST_F(RecordEditorImageTest, AFailedDownloadIsReportedAndLeavesTheForm) {
    Show(Mode::kAdd);
    downloader_.succeed = false;
    QTest::keyClicks(Line("url"), "http://127.0.0.1/missing.gif");
    Click("downloadButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts_.Messages().empty(); }, 5000));
    EXPECT_EQ(prompts_.Messages()[0].title, "Import Error");
    EXPECT_TRUE(Button("downloadButton")->isEnabled());
    EXPECT_EQ(Line("imageFile")->text(), "");
    EXPECT_EQ(Progress()->value(), 0);
}

TEST_F(RecordEditorImageTest, AnAddressThatIsNoPictureIsRefusedBeforeDownloading) {
    Show(Mode::kAdd);
    QTest::keyClicks(Line("url"), "http://127.0.0.1/cover.txt");
    Click("downloadButton");
    ASSERT_EQ(prompts_.Messages().size(), 1u);
    EXPECT_EQ(prompts_.Messages()[0].title, "Reeldeck Tip");
    EXPECT_TRUE(downloader_.addresses.empty());
    EXPECT_TRUE(Button("downloadButton")->isEnabled());
}

TEST_F(RecordEditorImageTest, DeleteRemovesTheRecordsPictureAfterAsking) {
    const int row = AddRow({{"Title", "Alien"}});
    const std::string image = ImagePath(row, "jpg");
    WriteFileBytes(image, PictureBytes("JPEG"));
    Select({row});
    config_.prompt_before_delete = true;
    Show(Mode::kEdit);
    EXPECT_EQ(Line("imageFile")->text().toStdString(), image);
    EXPECT_TRUE(Picture()->ShowsPicture());

    prompts_.QueueAnswer(platform::Answer::kYes);
    Click("deleteImageButton");
    EXPECT_EQ(prompts_.Messages().at(0).text, "Delete image?");
    EXPECT_FALSE(std::filesystem::exists(image));
    EXPECT_EQ(Line("imageFile")->text(), "");
    EXPECT_FALSE(Picture()->ShowsPicture());
    EXPECT_FALSE(Button("deleteImageButton")->isEnabled());
}

TEST_F(RecordEditorImageTest, ClosingTheWindowDuringADownloadEndsIt) {
    Show(Mode::kAdd);
    downloader_.Hold();
    QTest::keyClicks(Line("url"), "http://127.0.0.1/cover.gif");
    Click("downloadButton");
    downloader_.WaitForStart();
    Click("closeButton");
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    dialog_.reset();
    editor_.reset();  // cancels the download; its late report finds no window
    QTest::qWait(50);
    EXPECT_TRUE(prompts_.Messages().empty());
}

}  // namespace
