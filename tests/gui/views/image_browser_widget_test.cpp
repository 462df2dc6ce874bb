#include <QComboBox>
#include <QToolButton>

#include "gui/browser/image_browser_widget.h"
#include "gui/widget_fixture.h"

namespace {

class ImageBrowserWidgetTest : public WidgetFixture {
  protected:
    ImageBrowserWidgetTest() {
        AddTitles({"Alien", "Brazil", "Casablanca"});
        WritePicture(ImagePath(0, "jpg"), "JPEG", {400, 600});
        WritePicture(ImagePath(2, "bmp"), "BMP", {300, 200});
        browser_.resize(700, 500);
        browser_.show();
        browser_.Rebuild(true);
        EXPECT_TRUE(QTest::qWaitFor([this] { return browser_.loader().Delivered() == 2; }));
    }
    QPoint CentreOf(int index) const { return browser_.canvas()->ThumbnailRect(index).center(); }

    gui::ImageBrowserWidget browser_{session_, REELDECK_SOURCE_DATA "/res"};
};

TEST_F(ImageBrowserWidgetTest, ShowsScaledCoversAndSelectsTheirRecords) {
    EXPECT_EQ(browser_.ListTitle(), "1 - 2 of 2");
    EXPECT_TRUE(browser_.canvas()->HasImage(0));
    EXPECT_TRUE(browser_.canvas()->HasImage(1));
    EXPECT_FALSE(Find<QToolButton>(browser_, "nextPage")->isEnabled());

    int changes = 0;
    QObject::connect(&browser_, &gui::ImageBrowserWidget::selectionChanged, [&] { ++changes; });
    QTest::mouseClick(browser_.canvas(), Qt::LeftButton, {}, CentreOf(1));
    EXPECT_EQ(Selected(), std::vector<int>{2});
    QTest::keyClick(browser_.canvas(), Qt::Key_Left);
    EXPECT_EQ(Selected(), std::vector<int>{0});
    QTest::mouseClick(browser_.canvas(), Qt::LeftButton, Qt::ControlModifier, CentreOf(1));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 2}));
    EXPECT_EQ(changes, 3);

    // A list sorted the other way round: the thumbnails follow on the next walk.
    std::swap(session_.Videos.MutableRows()[0], session_.Videos.MutableRows()[2]);
    browser_.Rebuild();
    EXPECT_EQ(browser_.browser().Page()[0].title, "Casablanca");
}

TEST_F(ImageBrowserWidgetTest, ImageSizeCyclesAndDecodesForTheNewBox) {
    Click(Find<QToolButton>(browser_, "imageSize"));
    EXPECT_EQ(session_.config.image_browser_wh_mode, "Tiny");
    EXPECT_EQ(browser_.canvas()->Grid().ColumnPitch(), 44);
    ASSERT_TRUE(QTest::qWaitFor([this] { return browser_.loader().Delivered() == 2; }));
    EXPECT_TRUE(browser_.canvas()->HasImage(0));

    // A record without an image file is left out; deleting the last image leaves none.
    std::filesystem::remove(ImagePath(0, "jpg"));
    std::filesystem::remove(ImagePath(2, "bmp"));
    browser_.Rebuild();
    EXPECT_EQ(browser_.ListTitle(), "0 Images");
}

}  // namespace
