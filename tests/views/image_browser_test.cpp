#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "fakes/list_session.h"
#include "views/image_browser.h"

namespace {

using views::Arrow;
using views::ImageBrowser;
using views::ImageGrid;
using views::ImageSize;
using views::PixelRect;

TEST(ImageGridTest, PlacesImageAndCaptionAndFindsHitsAndNeighbours) {
    const struct {
        const char* name;
        ImageSize size;
        int space, client_width, columns, index;
        PixelRect image, caption;
    } cases[] = {
        // Normal: pitch 137 across, 167 + 15 + 8 = 190 down.
        {"first", ImageSize::kNormal, 4, 600, 4, 0, {4, 4, 133, 167}, {4, 172, 133, 15}},
        {"wraps", ImageSize::kNormal, 4, 600, 4, 5, {141, 194, 133, 167}, {141, 362, 133, 15}},
        {"exact fit", ImageSize::kNormal, 4, 548, 4, 3, {415, 4, 133, 167}, {415, 172, 133, 15}},
        {"tiny", ImageSize::kTiny, 4, 600, 13, 13, {4, 87, 40, 60}, {4, 148, 40, 15}},
        {"no space", ImageSize::kSmall, 0, 124, 2, 3, {62, 105, 62, 90}, {62, 196, 62, 15}},
        // Narrower than one pitch: no whole column, every thumbnail on a row of its own.
        {"too narrow", ImageSize::kNormal, 4, 136, 0, 2, {4, 384, 133, 167}, {4, 552, 133, 15}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ImageGrid grid(c.size, c.space, c.client_width);
        EXPECT_EQ(grid.Columns(), c.columns);
        EXPECT_EQ(grid.ImageRect(c.index), c.image);
        EXPECT_EQ(grid.CaptionRect(c.index), c.caption);
    }
    // Hits and neighbours.
    const ImageGrid grid(ImageSize::kNormal, 4, 600);  // 4 columns
    EXPECT_EQ(grid.IndexAt(5, 5, 10), 0);
    EXPECT_EQ(grid.IndexAt(141, 200, 10), 5);
    EXPECT_EQ(grid.IndexAt(2, 5, 10), -1);     // in the space
    EXPECT_EQ(grid.IndexAt(141, 400, 6), -1);  // beyond the last
    // The arrow keys' targets check the neighbours inside the grid; these are its edges.
    EXPECT_EQ(grid.UpperNeighbour(3), -1);
    EXPECT_EQ(grid.LowerNeighbour(6, 10), -1);
    EXPECT_EQ(grid.ContentHeight(5), 4 + 2 * 190);
    const ImageGrid narrow(ImageSize::kNormal, 4, 10);
    EXPECT_EQ(narrow.LowerNeighbour(0, 3), 1);
}

TEST(ImageSizeTest, NamesCycleAndUnknownNamesAreNormal) {
    EXPECT_EQ(views::ImageSizeFromName(""), ImageSize::kNormal);
    EXPECT_EQ(views::ImageSizeFromName("Huge"), ImageSize::kNormal);
    ImageSize size = ImageSize::kNormal;
    std::string names;
    for (int i = 0; i < 4; ++i) {
        size = views::NextImageSize(size);
        names += std::string(views::ImageSizeName(size)) + " ";
        EXPECT_EQ(views::ImageSizeFromName(views::ImageSizeName(size)), size);
    }
    EXPECT_EQ(names, "Tiny Small Normal Tiny ");
}

class ImageBrowserTest : public ListSession {
  protected:
    // Rows titled T0, T1, …; every row in `with_image` gets a picture file.
    void AddRows(int count, auto with_image) {
        for (int i = 0; i < count; ++i) {
            const int row = AddRow({{"Title", "T" + std::to_string(i)}});
            if (with_image(i)) WriteFileBytes(ImagePath(row, i % 3 == 0 ? "gif" : "jpg"), "x");
        }
    }
    void Rebuild(bool reset = false) {
        browser_.Rebuild(session_.Videos, views::ImageFolderIndex(session_.ImageFolder), reset);
    }
    ImageBrowser browser_;
};

TEST_F(ImageBrowserTest, PagesOf150RecordsThatHaveAnImage) {
    AddRows(160, [](int i) { return i != 7 && i < 152; });  // 151 images
    Rebuild(true);
    EXPECT_EQ(browser_.Page().size(), 150u);
    EXPECT_EQ(browser_.ListTitle(), "1 - 150 of 151");
    EXPECT_EQ(browser_.Page()[7].title, "T8");  // no image, not shown
    EXPECT_FALSE(browser_.CanGoPrevious());
    EXPECT_TRUE(browser_.CanGoNext());
    EXPECT_EQ(browser_.PageCount(), 2);

    EXPECT_TRUE(browser_.NextPage(session_.Videos));
    EXPECT_EQ(browser_.Page().size(), 1u);
    EXPECT_EQ(browser_.ListTitle(), "151 - 151 of 151");
    EXPECT_EQ(browser_.PageNumber(), 2);
    EXPECT_FALSE(browser_.CanGoNext());
    EXPECT_FALSE(browser_.NextPage(session_.Videos));

    EXPECT_TRUE(browser_.PreviousPage(session_.Videos));
    EXPECT_FALSE(browser_.PreviousPage(session_.Videos));
    EXPECT_EQ(browser_.FirstIndex(), 0);
    EXPECT_TRUE(browser_.ChoosePage(session_.Videos, 2));
    EXPECT_FALSE(browser_.ChoosePage(session_.Videos, 3));

    // Deleting rows so that page 2 no longer exists shows the last page.
    session_.Videos.DeleteRow(0);
    Rebuild();
    EXPECT_EQ(browser_.ListTitle(), "1 - 150 of 150");
    // Exactly 150: Next still moves (first + 150 <= total) to an empty page, as the rule says,
    // but its button is disabled.
    EXPECT_FALSE(browser_.CanGoNext());
}

TEST_F(ImageBrowserTest, EmptyAndUpdatedThumbnails) {
    Rebuild(true);
    EXPECT_EQ(browser_.ListTitle(), "0 Images");
    EXPECT_FALSE(browser_.CanGoNext());

    AddRows(3, [](int i) { return i != 1; });
    Rebuild(true);
    ASSERT_EQ(browser_.Page().size(), 2u);
    EXPECT_FALSE(browser_.Page()[1].flagged);
    session_.Videos.SetCell(2, Column("Flag Value"), "Lent");
    session_.Videos.SetCell(2, Column("Last Viewed"), "01/02/2003");
    EXPECT_EQ(browser_.UpdateRecord(session_.Videos, 2), 1);
    EXPECT_TRUE(browser_.Page()[1].flagged);
    EXPECT_TRUE(browser_.Page()[1].viewed);
    EXPECT_EQ(browser_.UpdateRecord(session_.Videos, 1), -1);
    // The .jpg is preferred when both exist.
    WriteFileBytes(ImagePath(0, "jpg"), "y");
    Rebuild();
    EXPECT_EQ(browser_.Page()[0].image_file, ImagePath(0, "jpg"));
}

TEST_F(ImageBrowserTest, SelectionFollowsTheListAndArrowsMoveByNeighbours) {
    AddRows(10, [](int) { return true; });
    Rebuild(true);
    const ImageGrid grid(ImageSize::kNormal, 4, 600);                         // 4 columns
    EXPECT_EQ(browser_.ArrowTarget(session_.Videos, grid, Arrow::kDown), 0);  // none selected

    EXPECT_EQ(views::SelectKey(session_.Videos, Key(5)), 5);
    EXPECT_EQ(Selected(), std::vector<int>{5});
    EXPECT_EQ(browser_.CurrentIndex(session_.Videos), 5);
    EXPECT_EQ(browser_.ArrowTarget(session_.Videos, grid, Arrow::kUp), 1);
    EXPECT_EQ(browser_.ArrowTarget(session_.Videos, grid, Arrow::kDown), 9);
    EXPECT_EQ(browser_.ArrowTarget(session_.Videos, grid, Arrow::kLeft), 4);
    EXPECT_EQ(browser_.ArrowTarget(session_.Videos, grid, Arrow::kRight), 6);
    views::SelectKey(session_.Videos, Key(9));
    EXPECT_EQ(browser_.ArrowTarget(session_.Videos, grid, Arrow::kDown), -1);
    EXPECT_EQ(browser_.ArrowTarget(session_.Videos, grid, Arrow::kRight), -1);
    EXPECT_EQ(views::SelectKey(session_.Videos, "nope"), -1);
    EXPECT_EQ(Selected(), std::vector<int>{9});
}

TEST(ThumbnailTipTest, AddsOnlyWhatIsThere) {
    // Title, Year, Duration, MPAA and Category, and the tip.
    const std::array<const char*, 6> cases[] = {
        {"Alien", "1979", "01:57:00", "R", "Horror", "Alien (1979) - [01:57:00] - [R] - Horror"},
        {"Alien", "", "", "", "", "Alien"},
        {"Alien", "", "01:57:00", "", "Horror", "Alien - [01:57:00] - Horror"},
        {"", "1979", "", "R", "", " (1979) - [R]"}};
    for (const auto& c : cases) {
        views::Thumbnail thumbnail;
        std::tie(thumbnail.title, thumbnail.year, thumbnail.duration, thumbnail.mpaa,
                 thumbnail.category) = std::tuple(c[0], c[1], c[2], c[3], c[4]);
        EXPECT_EQ(views::ThumbnailTip(thumbnail), c[5]);
    }
}

}  // namespace
