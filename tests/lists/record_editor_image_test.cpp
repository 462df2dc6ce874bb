#include <gtest/gtest.h>

#include <future>
#include <memory>

#include "app/image_address.h"
#include "app/record_editor.h"
#include "core/images.h"
#include "core/paths.h"
#include "fakes/fake_downloader.h"
#include "fakes/fake_image_converter.h"
#include "prompted_session.h"

namespace {

using app::ImageAddress;
using app::RecordEditor;
using platform::Answer;
using Field = app::EditorField;
using Mode = RecordEditor::Mode;
using Verdict = ImageAddress::Verdict;
using Texts = std::vector<std::string>;

class EditorImageTest : public PromptedSession {
  protected:
    std::unique_ptr<RecordEditor> Open(Mode mode) {
        return std::make_unique<RecordEditor>(
            session_, RecordEditor::Services{prompts_, converter_, downloader_, nullptr}, mode);
    }
    std::string Picture(const std::string& name, const std::string& bytes = "picture") {
        const std::string path = folder_ / name;
        WriteFileBytes(path, bytes);
        return path;
    }
    // Adds a record with the picture; returns its row.
    int AddWithPicture(const std::string& picture, const std::string& title = "Alien") {
        auto editor = Open(Mode::kAdd);
        editor->SetText(Field::kTitle, title);
        prompts_.QueueOpenFile(picture);
        editor->Browse();
        return editor->Ok().stored ? editor->StoredRow() : -1;
    }
    // A record with its own image, open in edit mode.
    std::unique_ptr<RecordEditor> EditWithImage(const std::string& extension) {
        const int row = AddRow({{"Title", "Alien"}});
        WriteFileBytes(ImagePath(row, extension), "own");
        Select({row});
        return Open(Mode::kEdit);
    }
    // Starts a download of `address` and waits until it ended and was handed back.
    void Download(RecordEditor& editor, const std::string& address) {
        editor.SetText(Field::kUrl, address);
        std::promise<void> ended;
        editor.Download([&] { ended.set_value(); });
        if (!editor.DownloadEnabled()) {
            ended.get_future().wait();
            editor.DownloadFinished();
        }
    }
    std::string Preview(const std::string& extension) const {
        return paths_.folder + "/res/iprev." + extension;
    }

    FakeImageConverter converter_;
    FakeDownloader downloader_;
};

TEST_F(EditorImageTest, StoredTypesAreCopiedUnderTheKeyAndOtherPicturesStoredAsJpeg) {
    const int gif = AddWithPicture(Picture("cover.GIF", "GIF89a"));
    EXPECT_EQ(ReadFileBytes(ImagePath(gif, "gif")), "GIF89a");
    EXPECT_TRUE(core::FileExists(folder_ / "cover.GIF"));  // the chosen file stays
    // A JPEG file named otherwise needs no conversion.
    const int jpeg = AddWithPicture(Picture("photo.jpeg", "\xff\xd8\xff jpeg"), "Brazil");
    EXPECT_EQ(ReadFileBytes(ImagePath(jpeg, "jpg")), "\xff\xd8\xff jpeg");
    EXPECT_TRUE(converter_.calls.empty());

    const int png = AddWithPicture(Picture("cover.png", "PNG"), "Casablanca");
    EXPECT_EQ(ReadFileBytes(ImagePath(png, "jpg")),
              std::string(FakeImageConverter::kJpegStart) + "PNG");
    EXPECT_EQ(converter_.calls.size(), 1u);
}

TEST_F(EditorImageTest, APictureThatCannotBeStoredLeavesTheRecordWithoutOne) {
    converter_.fail = true;
    const int row = AddWithPicture(Picture("broken.webp"));
    ASSERT_GE(row, 0);
    EXPECT_EQ(core::ImageFileOf(session_.ImageFolder, Key(row)), "");
    EXPECT_EQ(core::CountFilesWithExtension(session_.ImageFolder, "converting"), 0);
    EXPECT_TRUE(prompts_.Messages().empty());

    session_.ImageFolder.clear();  // no image folder: no image
    EXPECT_GE(AddWithPicture(Picture("cover.jpg"), "Brazil"), 0);
    EXPECT_EQ(core::CountFilesWithExtension(folder_ / "films", "jpg"), 0);
}

// Pictures copied from other systems often carry upper-case extensions.
TEST_F(EditorImageTest, ANewImageReplacesTheRecordsImagesInAnyCaseAndKeepingItChangesNothing) {
    EditWithImage("JPG")->Ok();
    EXPECT_EQ(ReadFileBytes(ImagePath(0, "JPG")), "own");
    EXPECT_FALSE(core::FileExists(ImagePath(0, "jpg")));
    WriteFileBytes(ImagePath(0, "Bmp"), "older");

    auto editor = Open(Mode::kEdit);
    EXPECT_EQ(editor->Picture(), ImagePath(0, "JPG"));
    prompts_.QueueOpenFile(Picture("new.gif", "new"));
    editor->Browse();
    editor->Ok();
    EXPECT_EQ(core::ImageFileOf(session_.ImageFolder, Key(0)), ImagePath(0, "gif"));
    EXPECT_EQ(ReadFileBytes(ImagePath(0, "gif")), "new");
    EXPECT_FALSE(core::FileExists(ImagePath(0, "JPG")));
    EXPECT_FALSE(core::FileExists(ImagePath(0, "Bmp")));
}

TEST_F(EditorImageTest, DeleteRemovesTheRecordsOwnImageAfterAskingButNoPictureChosenElsewhere) {
    auto editor = EditWithImage("jpg");
    prompts_.QueueAnswer(Answer::kNo);
    editor->DeleteImage();
    EXPECT_TRUE(core::FileExists(ImagePath(0, "jpg")));
    prompts_.QueueAnswer(Answer::kYes);
    editor->DeleteImage();
    EXPECT_FALSE(core::FileExists(ImagePath(0, "jpg")));
    EXPECT_EQ(editor->Picture(), "");
    EXPECT_EQ(editor->Text(Field::kFile), "");
    EXPECT_FALSE(editor->DeleteImageEnabled());
    EXPECT_EQ(Shown(), Texts(2, Confirmation("Delete image?", platform::Buttons::kYesNo)));

    config_.prompt_before_delete = false;
    const std::string mine = Picture("mine.jpg");
    prompts_.QueueOpenFile(mine);
    editor->Browse();
    prompts_.QueueOpenFile(std::nullopt);  // a cancelled picker keeps the picture
    editor->Browse();
    EXPECT_EQ(editor->Picture(), mine);
    EXPECT_EQ(editor->Text(Field::kFile), mine);
    EXPECT_EQ(editor->ProgressValue(), 100);
    EXPECT_EQ(PickerTitles(), Texts(2, "Add Image"));
    editor->DeleteImage();
    EXPECT_TRUE(core::FileExists(mine));
    EXPECT_EQ(editor->Picture(), "");
}

TEST(ImageAddressTest, OnlyWebAddressesOfPicturesPass) {
    const std::tuple<const char*, Verdict, const char*> cases[] = {
        {"   ", Verdict::kEmpty, ""},
        {"www.example.com/a.jpg", Verdict::kNotWebAddress, ""},
        {"HTTP://EXAMPLE.COM/A.GIF", Verdict::kPicture, "gif"},
        {" https://example.com/cover.jpg?w=300 ", Verdict::kPicture, "jpg"},
        {"http://example.com/cover.webp#top", Verdict::kPicture, "webp"},
        {"http://example.com/page.html", Verdict::kNotPicture, ""},
        {"http://example.com/img?name=a.jpg", Verdict::kNotPicture, ""},
        {"http://example.jpg", Verdict::kNotPicture, ""}};
    for (const auto& [typed, verdict, extension] : cases) {
        const ImageAddress address = app::CheckImageAddress(typed);
        EXPECT_EQ(address.verdict, verdict) << typed;
        EXPECT_EQ(address.extension, extension) << typed;
    }
}

TEST_F(EditorImageTest, ADownloadedPictureIsShownAndBecomesTheFile) {
    auto editor = Open(Mode::kAdd);
    Download(*editor, "https://example.com/covers/alien.JPG?size=large");
    EXPECT_EQ(downloader_.addresses,
              std::vector<std::string>{"https://example.com/covers/alien.JPG?size=large"});
    EXPECT_EQ(editor->Picture(), Preview("jpg"));
    EXPECT_EQ(editor->Text(Field::kFile), Preview("jpg"));
    EXPECT_EQ(editor->ProgressValue(), 100);
    EXPECT_TRUE(editor->DownloadEnabled());

    editor->SetText(Field::kTitle, "Alien");
    editor->Ok();
    EXPECT_EQ(ReadFileBytes(ImagePath(0, "jpg")), downloader_.body);
    editor.reset();
    EXPECT_FALSE(core::FileExists(Preview("jpg")));  // previews go with the window
}

TEST_F(EditorImageTest, BadAddressesAreExplainedAndAFailedDownloadLeavesTheFormAsItWas) {
    downloader_.succeed = false;
    auto editor = Open(Mode::kAdd);
    Download(*editor, "");
    Download(*editor, "www.example.com/cover.jpg");
    Download(*editor, "http://example.com/cover.svg");
    EXPECT_TRUE(downloader_.addresses.empty());
    Download(*editor, "http://example.com/missing.gif");
    EXPECT_EQ(downloader_.addresses.size(), 1u);
    EXPECT_EQ(editor->Picture(), "");
    EXPECT_EQ(editor->Text(Field::kFile), "");
    EXPECT_EQ(editor->ProgressValue(), 0);
    const std::string types =
        "Supported image types include:\n\n1. Windows or OS/2 Bitmap (*.bmp)\n2. CompuServe "
        "Graphics Interchange (*.gif)\n3. JPEG Compliant (*.jpg)\n\nExample: "
        "http://www.example.com/images/cover.gif";
    EXPECT_EQ(Shown(),
              (Texts{Tip("The URL specified is not properly formatted. The URL must begin\nwith "
                         "\"http://\" and point to a supported image type.\n\n" +
                         types),
                     Tip("The URL specified does not point to a supported image type.\n\n" + types),
                     Message("Import Error", platform::Buttons::kOk, platform::Icon::kError,
                             "An error occurred while attempting to download the specified "
                             "image.\n\nPossible causes include:\n\n1. No Internet connection\n2. "
                             "URL path is incorrect\n3. URL is case-sensitive")}));
}

TEST_F(EditorImageTest, DownloadIsDisabledWhileOneRunsAndClosingCancelsIt) {
    downloader_.Hold();
    auto editor = Open(Mode::kAdd);
    editor->SetText(Field::kUrl, "http://example.com/slow.gif");
    editor->Download([] {});
    downloader_.WaitForStart();
    EXPECT_FALSE(editor->DownloadEnabled());
    editor->Download([] {});  // a second press does nothing
    EXPECT_EQ(downloader_.addresses.size(), 1u);
    editor.reset();  // returns only once the download stopped
    EXPECT_FALSE(core::FileExists(Preview("gif")));
}

TEST_F(EditorImageTest, TheWizardFillsTheFormAndFetchesItsCover) {
    auto editor = Open(Mode::kAdd);
    EXPECT_FALSE(editor->WizardEnabled());  // no wizard open
    app::WizardPick pick;
    pick.title = "Heat";
    pick.duration = "02:50:00";
    pick.synopsis = "One~Two";
    pick.options = {"Shelf"};
    pick.viewed = true;
    pick.month = "03";
    pick.day = "07";
    pick.viewed_year = "2004";
    pick.image_address = "http://vdb/images/1/7.jpg";
    editor->SetWizardSource([&] { return std::optional<app::WizardPick>(pick); });
    ASSERT_TRUE(editor->WizardEnabled());
    std::promise<void> ended;
    ASSERT_TRUE(editor->FillFromWizard([&] { ended.set_value(); }));
    ended.get_future().wait();
    editor->DownloadFinished();
    EXPECT_EQ(editor->Text(Field::kTitle), "Heat");
    EXPECT_EQ(editor->Text(Field::kHours) + editor->Text(Field::kMinutes), "0250");
    EXPECT_EQ(editor->Text(Field::kSynopsis), "One\nTwo");
    EXPECT_EQ(editor->Text(Field::kCustom1), "Shelf");
    EXPECT_TRUE(editor->Viewed());
    EXPECT_EQ(editor->Picture(), Preview("jpg"));

    downloader_.succeed = false;  // a cover that cannot be fetched
    std::promise<void> failed;
    editor->FillFromPick(pick, [&] { failed.set_value(); });
    failed.get_future().wait();
    editor->DownloadFinished();
    EXPECT_EQ(prompts_.Messages().back().text, "Unable to retrieve image.");
    EXPECT_EQ(prompts_.Messages().back().title, "Error");
}

}  // namespace
