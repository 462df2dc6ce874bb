#include <gtest/gtest.h>

#include "core/paths.h"
#include "fakes/fake_image_converter.h"
#include "fakes/fake_prompts.h"
#include "fakes/list_session.h"
#include "views/video_details.h"

namespace {

using platform::Answer;
using views::LinkSpan;
using Texts = std::vector<std::string>;

class VideoDetailsTest : public ListSession {
  protected:
    // The texts of the links, in the order they were found.
    Texts LinkTexts() const {
        Texts texts;
        for (const LinkSpan& link : details_.Details().links) texts.push_back(link.text);
        return texts;
    }
    std::size_t OffsetOf(const std::string& text) const {
        return details_.Details().text.find(text);
    }

    FakePrompts prompts_;
    FakeImageConverter converter_;
    std::vector<std::string> searched_;
    views::VideoDetails details_{session_, prompts_, converter_,
                                 [this](const std::string& text) { searched_.push_back(text); }};
};

TEST_F(VideoDetailsTest, TheTextLabelsEveryFieldThatHasAValue) {
    const int row = AddRow({{"Title", "Brazil"},
                            {"Year", "1985"},
                            {"Flag Value", "Lent"},
                            {"Category", "Comedy"},
                            {"Synopsis", "A clerk~dreams"},
                            {"Cast", "Jonathan Pryce"},
                            {"Director", "Terry Gilliam"},
                            {"Producer", "Arnon Milchan"},
                            {"Writer", "Tom Stoppard"}});
    details_.show_record(row);
    EXPECT_EQ(details_.PaneTitle(), "Video Details - Brazil");
    EXPECT_EQ(details_.Details().text,
              "Flagged:\tLent\n\nCategory:\tComedy\n\nSynopsis:\tA clerk\ndreams\n\n"
              "Starring:\tJonathan Pryce\nDirector:\tTerry Gilliam\nProducer:\tArnon Milchan\n"
              "Writer:\tTom Stoppard\n");
    EXPECT_EQ(LinkTexts(), (Texts{"Lent", "Comedy", "Jonathan Pryce", "Terry Gilliam",
                                  "Arnon Milchan", "Tom Stoppard"}));
    const LinkSpan& first = details_.Details().links.front();
    EXPECT_EQ(details_.Details().text.substr(first.start, first.length), "Lent");
}

TEST_F(VideoDetailsTest, ARecordWithOnlyATitleHasNoText) {
    details_.show_record(AddRow({{"Title", "Alien"}}));
    EXPECT_EQ(details_.Details().text, "");
    EXPECT_EQ(details_.PaneTitle(), "Video Details - Alien");
}

TEST_F(VideoDetailsTest, NoSelectionLeavesThePaneAsItIs) {
    details_.show_record(AddRow({{"Title", "Alien"}, {"Category", "Horror"}}));
    details_.show_record(-1);
    EXPECT_EQ(details_.PaneTitle(), "Video Details - Alien");
    details_.Clear();
    EXPECT_EQ(details_.PaneTitle(), "Video Details");
    EXPECT_EQ(details_.Details().text, "");
}

TEST_F(VideoDetailsTest, EveryNameOfACastIsALinkWhereverItOccurs) {
    details_.show_record(AddRow({{"Title", "T"}, {"Cast", "Ann,  Bob,"}, {"Writer", "Bob"}}));
    EXPECT_EQ(views::SplitNames("Ann,  Bob,"), (Texts{"Ann", "Bob"}));
    EXPECT_EQ(details_.Details().text, "Starring:\tAnn,  Bob,\nWriter:\tBob\n");
    EXPECT_EQ(details_.Details().links,
              (std::vector<LinkSpan>{{10, 3, "Ann"}, {16, 3, "Bob"}, {29, 3, "Bob"}}));
}

TEST_F(VideoDetailsTest, ClickingALinkSearchesForItsText) {
    details_.show_record(AddRow({{"Title", "T"}, {"Cast", "Ann,  Bob"}, {"Director", "Al"}}));
    EXPECT_EQ(details_.LinkStatusText(OffsetOf("Bob") + 1),
              "       Click to find all \"Bob\" videos");
    EXPECT_EQ(details_.LinkStatusText(0), "");
    EXPECT_TRUE(details_.ClickLink(OffsetOf("Bob")));
    EXPECT_FALSE(details_.ClickLink(OffsetOf("Al\n")));  // two characters do nothing
    EXPECT_FALSE(details_.ClickLink(0));
    EXPECT_EQ(searched_, Texts{"Bob"});
}

TEST_F(VideoDetailsTest, InactiveLinksAreNotClickable) {
    config_.video_details_links_active = false;
    details_.show_record(AddRow({{"Title", "T"}, {"Cast", "Ann"}}));
    EXPECT_EQ(details_.LinkStatusText(OffsetOf("Ann")), "");
    EXPECT_FALSE(details_.ClickLink(OffsetOf("Ann")));
    EXPECT_TRUE(searched_.empty());
    EXPECT_FALSE(details_.Details().links.empty());  // still styled
}

TEST_F(VideoDetailsTest, TheImagePanelShowsTheRecordsImageWithTitleAndYear) {
    const int row = AddRow({{"Title", "Alien"}, {"Year", "1979"}});
    details_.show_record(row);
    EXPECT_EQ(details_.ImageFile(), "");
    EXPECT_EQ(details_.ImageCaption(), "No image to display");
    WriteFileBytes(ImagePath(row, "gif"), "gif");
    details_.show_record(row);
    EXPECT_EQ(details_.ImageFile(), ImagePath(row, "gif"));
    EXPECT_EQ(details_.ImageCaption(), "Alien (1979)");
}

TEST_F(VideoDetailsTest, ThePaneMenu) {
    const std::vector<views::PaneMenuItem> menu = details_.PaneMenu();
    Texts labels;
    for (const views::PaneMenuItem& item : menu) labels.push_back(item.label);
    EXPECT_EQ(labels, (Texts{"Enable QuickFind Links", "More Videos", "Copy", "Select All",
                             "Print...", "Hide Video Details"}));
    EXPECT_TRUE(menu[0].checked);
    EXPECT_EQ(menu[0].status, "       Enable or disable QuickFind links");
    EXPECT_FALSE(menu[1].enabled);  // with the wizard
    EXPECT_EQ(menu[1].status,
              "       Use the Video Import Wizard to get more information about a selected item.");
    EXPECT_EQ(menu[2].status, "       Copy selected text to the clipboard");
    EXPECT_EQ(menu[3].status, "       Select all text");
    EXPECT_FALSE(menu[4].enabled);  // with printing
    EXPECT_EQ(menu[4].status, "       Print video records");
    EXPECT_EQ(menu[5].status, "       Hide video details window");

    details_.ToggleLinks();
    EXPECT_FALSE(config_.video_details_links_active);
    EXPECT_FALSE(details_.PaneMenu()[0].checked);
    details_.Hide();
    EXPECT_FALSE(config_.video_details_visible);
}

class DetailsImageMenuTest : public VideoDetailsTest {
  protected:
    void SetUp() override {
        details_.show_record(row_ = AddRow({{"Title", "Alien"}, {"Year", "1979"}}));
    }
    std::vector<bool> Enabled() const {
        std::vector<bool> enabled;
        for (const views::PaneMenuItem& item : details_.ImageMenu())
            enabled.push_back(item.enabled);
        return enabled;
    }
    int row_ = -1;
};

TEST_F(DetailsImageMenuTest, AddChangeAndDeleteTheRecordsImage) {
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(details_.ImageMenu()[0].status, "       Add new image");
    EXPECT_EQ(details_.ImageMenu()[1].status, "       Replace existing image");
    EXPECT_EQ(details_.ImageMenu()[2].status, "       Delete image");

    const std::string gif = folder_ / "cover.gif";
    WriteFileBytes(gif, "gif");
    prompts_.ChooseFile(gif);
    details_.AddImage();
    EXPECT_EQ(details_.ImageFile(), ImagePath(row_, "gif"));
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, true}));

    const std::string png = folder_ / "better.png";
    WriteFileBytes(png, "png");
    prompts_.ChooseFile(png);
    details_.ChangeImage();
    EXPECT_EQ(details_.ImageFile(), ImagePath(row_, "jpg"));
    EXPECT_FALSE(core::FileExists(ImagePath(row_, "gif")));

    prompts_.Answer(Answer::kYes);
    details_.DeleteImage();
    EXPECT_FALSE(core::FileExists(ImagePath(row_, "jpg")));
    EXPECT_EQ(details_.ImageCaption(), "No image to display");
    EXPECT_EQ(prompts_.PickerTitles(), (Texts{"Add Image", "Change Image"}));
    EXPECT_EQ(prompts_.Texts(), Texts{"Delete image?"});
}

TEST_F(DetailsImageMenuTest, NothingForAReadOnlyUser) {
    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false}));
    details_.AddImage();
    EXPECT_TRUE(prompts_.PickerTitles().empty());
}

}  // namespace
