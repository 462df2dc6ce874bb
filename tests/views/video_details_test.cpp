#include <gtest/gtest.h>

#include "core/paths.h"
#include "fakes/fake_image_converter.h"
#include "lists/prompted_session.h"
#include "views/video_details.h"

namespace {

using views::LinkSpan;
using Texts = std::vector<std::string>;

class VideoDetailsTest : public PromptedSession {
  protected:
    std::size_t OffsetOf(const std::string& text) const {
        return details_.Details().text.find(text);
    }
    std::vector<bool> ImageMenuEnabled() const {
        std::vector<bool> enabled;
        for (const views::PaneMenuItem& item : details_.ImageMenu())
            enabled.push_back(item.enabled);
        return enabled;
    }

    FakeImageConverter converter_;
    Texts searched_;
    views::VideoDetails details_{session_, prompts_, converter_,
                                 [this](const std::string& text) { searched_.push_back(text); }};
};

TEST_F(VideoDetailsTest, TheTextLabelsEveryFieldThatHasAValueAndLinksItsNames) {
    details_.show_record(AddRow({{"Title", "Brazil"},
                                 {"Year", "1985"},
                                 {"Flag Value", "Lent"},
                                 {"Category", "Comedy"},
                                 {"Synopsis", "A clerk~dreams"},
                                 {"Cast", "Ann,  Bob,"},
                                 {"Director", "Terry Gilliam"},
                                 {"Producer", "Arnon Milchan"},
                                 {"Writer", "Bob"}}));
    EXPECT_EQ(details_.PaneTitle(), "Video Details - Brazil");
    const std::string& text = details_.Details().text;
    EXPECT_EQ(text,
              "Flagged:\tLent\n\nCategory:\tComedy\n\nSynopsis:\tA clerk\ndreams\n\n"
              "Starring:\tAnn,  Bob,\nDirector:\tTerry Gilliam\nProducer:\tArnon Milchan\n"
              "Writer:\tBob\n");
    // Every name of a cast is a link, wherever it occurs.
    EXPECT_EQ(details_.Details().links,
              (std::vector<LinkSpan>{{9, 4, "Lent"},
                                     {25, 6, "Comedy"},
                                     {text.find("Ann"), 3, "Ann"},
                                     {text.find("Bob"), 3, "Bob"},
                                     {text.rfind("Bob"), 3, "Bob"},
                                     {OffsetOf("Terry"), 13, "Terry Gilliam"},
                                     {OffsetOf("Arnon"), 13, "Arnon Milchan"}}));

    // A record with only a title has no text; no selection leaves the pane as it was.
    details_.show_record(AddRow({{"Title", "Alien"}}));
    EXPECT_EQ(details_.Details().text, "");
    details_.show_record(-1);
    EXPECT_EQ(details_.PaneTitle(), "Video Details - Alien");
    details_.Clear();
    EXPECT_EQ(details_.PaneTitle(), "Video Details");
}

TEST_F(VideoDetailsTest, ClickingAnActiveLinkSearchesForItsTextAndThePaneMenuSwitchesThemOff) {
    EXPECT_TRUE(details_.PaneMenu()[0].checked);
    EXPECT_FALSE(details_.PaneMenu()[1].enabled);  // More Videos: no record shown
    EXPECT_FALSE(details_.PaneMenu()[4].enabled);  // with printing
    details_.show_record(AddRow({{"Title", "T"}, {"Cast", "Ann,  Bob"}, {"Director", "Al"}}));
    EXPECT_TRUE(details_.PaneMenu()[1].enabled);
    EXPECT_EQ(details_.LinkStatusText(OffsetOf("Bob") + 1),
              "       Click to find all \"Bob\" videos");
    EXPECT_EQ(details_.LinkStatusText(0), "");
    EXPECT_TRUE(details_.ClickLink(OffsetOf("Bob")));
    EXPECT_FALSE(details_.ClickLink(OffsetOf("Al\n")));  // two characters do nothing
    EXPECT_FALSE(details_.ClickLink(0));
    EXPECT_EQ(searched_, Texts{"Bob"});

    details_.ToggleLinks();  // inactive links are still styled but not clickable
    EXPECT_FALSE(config_.video_details_links_active);
    EXPECT_FALSE(details_.PaneMenu()[0].checked);
    EXPECT_EQ(details_.LinkStatusText(OffsetOf("Ann")), "");
    EXPECT_FALSE(details_.ClickLink(OffsetOf("Ann")));
    EXPECT_EQ(searched_.size(), 1u);
    EXPECT_FALSE(details_.Details().links.empty());
    details_.Hide();
    EXPECT_FALSE(config_.video_details_visible);
}

TEST_F(VideoDetailsTest, TheImageMenuAddsChangesAndDeletesTheRecordsImage) {
    const int row = AddRow({{"Title", "Alien"}, {"Year", "1979"}});
    details_.show_record(row);
    EXPECT_EQ(details_.ImageFile(), "");
    EXPECT_EQ(details_.ImageCaption(), "No image to display");
    EXPECT_EQ(ImageMenuEnabled(), (std::vector<bool>{true, false, false}));

    const std::string gif = folder_ / "cover.gif";
    WriteFileBytes(gif, "gif");
    prompts_.QueueOpenFile(gif);
    details_.AddImage();
    EXPECT_EQ(details_.ImageFile(), ImagePath(row, "gif"));
    EXPECT_EQ(details_.ImageCaption(), "Alien (1979)");
    EXPECT_EQ(ImageMenuEnabled(), (std::vector<bool>{false, true, true}));

    const std::string png = folder_ / "better.png";
    WriteFileBytes(png, "png");
    prompts_.QueueOpenFile(png);
    details_.ChangeImage();
    EXPECT_EQ(details_.ImageFile(), ImagePath(row, "jpg"));
    EXPECT_FALSE(core::FileExists(ImagePath(row, "gif")));

    prompts_.QueueAnswer(platform::Answer::kYes);
    details_.DeleteImage();
    EXPECT_FALSE(core::FileExists(ImagePath(row, "jpg")));
    EXPECT_EQ(details_.ImageCaption(), "No image to display");
    EXPECT_EQ(PickerTitles(), (Texts{"Add Image", "Change Image"}));
    EXPECT_EQ(Shown(), Texts{Confirmation("Delete image?", platform::Buttons::kYesNo)});

    session_.AccessLevel = app::kReadOnlyAccess;
    EXPECT_EQ(ImageMenuEnabled(), (std::vector<bool>{false, false, false}));
    details_.AddImage();
    EXPECT_EQ(prompts_.Pickers().size(), 2u);
}

}  // namespace
