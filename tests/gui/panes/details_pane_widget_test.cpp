#include <QImage>
#include <QMenu>
#include <QTextBrowser>
#include <QTextCursor>

#include "gui/panes/details_pane_widget.h"
#include "gui/panes/search_pane_widget.h"
#include "gui/text_bytes.h"
#include "pane_fixture.h"

namespace {

using Texts = std::vector<std::string>;

class DetailsPaneWidgetTest : public PaneFixture {
  protected:
    DetailsPaneWidgetTest() {
        brazil_ = AddRow({{"Title", "Brazil"},
                          {"Year", "1985"},
                          {"Category", "Comedy"},
                          {"Synopsis", "A clerk~dreams"},
                          {"Cast", "Zo\xc3\xab, Bob"},
                          {"Director", "Terry Gilliam"}});
        AddRow({{"Title", "Bob Roberts"}, {"Cast", "Tim Robbins"}});
        AddRow({{"Title", "Heat"}, {"Cast", "Al Pacino, Bob"}});
        widget_ = std::make_unique<gui::DetailsPaneWidget>(details_);
        Show(widget_);
    }

    QTextBrowser* Text() const { return widget_->text(); }
    int PositionOf(const QString& text) const {
        return static_cast<int>(Text()->toPlainText().indexOf(text));
    }
    QTextCharFormat FormatAt(int position) const {
        QTextCursor cursor(Text()->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    // The middle of the character at `position`, in the viewport.
    QPoint PointAt(int position) const {
        QTextCursor cursor(Text()->document());
        cursor.setPosition(position);
        const QRect before = Text()->cursorRect(cursor);
        cursor.setPosition(position + 1);
        const QRect after = Text()->cursorRect(cursor);
        return QPoint((before.left() + after.left()) / 2, before.center().y());
    }
    QStringList Labels(QMenu* menu) const {
        QStringList labels;
        for (QAction* action : menu->actions()) labels << action->text();
        return labels;
    }
    QAction* Item(QMenu* menu, const QString& label) const {
        for (QAction* action : menu->actions()) {
            if (action->text().remove('&') == label) return action;
        }
        ADD_FAILURE() << label.toStdString();
        return nullptr;
    }
    std::string WritePicture(const std::string& path, QSize size) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        EXPECT_TRUE(image.save(QString::fromStdString(path), "JPG"));
        return path;
    }

    int brazil_ = 0;
    std::unique_ptr<gui::DetailsPaneWidget> widget_;
};

TEST_F(DetailsPaneWidgetTest, ShowsTheRecordsTextUnderItsTitle) {
    QSignalSpy caption(widget_.get(), &gui::DetailsPaneWidget::captionChanged);
    widget_->ShowRecord(brazil_);
    EXPECT_EQ(gui::ToBytes(Text()->toPlainText()), details_.Details().text);
    EXPECT_TRUE(Text()->toPlainText().contains(QString::fromUtf8("Starring:\tZo\xc3\xab, Bob\n")));
    ASSERT_EQ(caption.count(), 1);
    EXPECT_EQ(caption.at(0).at(0).toString(), "Video Details - Brazil");

    widget_->Clear();
    EXPECT_EQ(Text()->toPlainText(), "");
    EXPECT_EQ(widget_->Caption(), "Video Details");
}

TEST_F(DetailsPaneWidgetTest, LinksAreStyledWhereTheModelPutsThem) {
    widget_->ShowRecord(brazil_);
    const QColor link = widget_->palette().color(QPalette::Link);
    for (const char* name : {"Comedy", "Bob", "Terry Gilliam"}) {
        const int start = PositionOf(name);
        const int end = start + static_cast<int>(strlen(name)) - 1;
        for (int position : {start, end}) {
            const QTextCharFormat format = FormatAt(position);
            EXPECT_TRUE(format.isAnchor()) << name;
            EXPECT_TRUE(format.fontUnderline()) << name;
            EXPECT_EQ(format.foreground().color(), link) << name;
        }
        EXPECT_FALSE(FormatAt(start - 1).isAnchor()) << name;
    }
    EXPECT_TRUE(FormatAt(PositionOf(QString::fromUtf8("Zo\xc3\xab"))).isAnchor());
    EXPECT_FALSE(FormatAt(PositionOf("clerk")).isAnchor());
}

TEST_F(DetailsPaneWidgetTest, ThePointerOverALinkSendsTheLinksStatusText) {
    widget_->ShowRecord(brazil_);
    QSignalSpy status(widget_.get(), &gui::DetailsPaneWidget::statusText);
    // On a display the pointer moves by way of the window system: its events come later.
    QTest::mouseMove(Text()->viewport(), PointAt(PositionOf("Bob") + 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.count() == 1; }, 1000));
    EXPECT_EQ(status.at(0).at(0).toString(), "       Click to find all \"Bob\" videos");
    QTest::mouseMove(Text()->viewport(), PointAt(PositionOf("clerk")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.count() == 2; }, 1000));
    EXPECT_EQ(status.at(1).at(0).toString(), "");
}

TEST_F(DetailsPaneWidgetTest, AClickOnALinkRunsAQuickFind) {
    auto search = std::make_unique<gui::SearchPaneWidget>(search_);
    widget_->ShowRecord(brazil_);
    QSignalSpy ran(widget_.get(), &gui::DetailsPaneWidget::quickFindRan);
    QTest::mouseClick(Text()->viewport(), Qt::LeftButton, {}, PointAt(PositionOf("Bob") + 1));
    EXPECT_EQ(ran.count(), 1);
    EXPECT_EQ(search_.FindText(), "Bob");
    EXPECT_EQ(search_.Results(), (Texts{"Bob Roberts", "Brazil", "Heat"}));
    search->Refresh();
    EXPECT_EQ(search->results()->model()->rowCount(), 3);
}

TEST_F(DetailsPaneWidgetTest, WithLinksOffTheNamesAreColouredButNotLinks) {
    config_.video_details_links_active = false;
    widget_->ShowRecord(brazil_);
    const QTextCharFormat format = FormatAt(PositionOf("Bob"));
    EXPECT_FALSE(format.isAnchor());
    EXPECT_FALSE(format.fontUnderline());
    EXPECT_EQ(format.foreground().color(), widget_->palette().color(QPalette::Link));
    QSignalSpy ran(widget_.get(), &gui::DetailsPaneWidget::quickFindRan);
    QTest::mouseClick(Text()->viewport(), Qt::LeftButton, {}, PointAt(PositionOf("Bob") + 1));
    EXPECT_EQ(ran.count(), 0);
    EXPECT_TRUE(search_.Results().empty());
}

TEST_F(DetailsPaneWidgetTest, TheImagePanelShowsTheRecordsPictureScaledToFit) {
    const std::string file = WritePicture(ImagePath(brazil_, "jpg"), QSize(600, 900));
    widget_->ShowRecord(brazil_);
    gui::ImagePanel* image = widget_->image();
    EXPECT_EQ(image->File().toStdString(), file);
    EXPECT_EQ(image->Caption(), "Brazil (1985)");
    QApplication::processEvents();
    const QPixmap picture = image->Picture();
    ASSERT_FALSE(picture.isNull());
    const QLabel* area = image->findChild<QLabel*>("detailsPicture");
    EXPECT_LE(picture.width(), area->width());
    EXPECT_LE(picture.height(), area->height());
    EXPECT_NEAR(picture.height() * 2, picture.width() * 3, 6) << "the proportions stay";

    widget_->ShowRecord(AddRow({{"Title", "Alien"}}));
    EXPECT_EQ(image->Caption(), "No image to display");
    EXPECT_TRUE(image->Picture().isNull());
}

TEST_F(DetailsPaneWidgetTest, TheImageMenuFollowsTheModelAndAddsAPicture) {
    widget_->ShowRecord(brazil_);
    std::unique_ptr<QMenu> menu(widget_->NewImageMenu(nullptr));
    EXPECT_EQ(Labels(menu.get()), (QStringList{"&Add Image", "&Change Image", "&Delete Image"}));
    EXPECT_TRUE(Item(menu.get(), "Add Image")->isEnabled());
    EXPECT_FALSE(Item(menu.get(), "Delete Image")->isEnabled());

    QSignalSpy status(widget_.get(), &gui::DetailsPaneWidget::statusText);
    Item(menu.get(), "Add Image")->hover();
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.at(0).at(0).toString(), "       Add new image");

    prompts_.QueueOpenFile(WritePicture(folder_ / "cover.jpg", QSize(100, 150)));
    Item(menu.get(), "Add Image")->trigger();
    EXPECT_EQ(widget_->image()->File().toStdString(), ImagePath(brazil_, "jpg"));
    QApplication::processEvents();  // the panel makes room for the picture
    EXPECT_FALSE(widget_->image()->Picture().isNull());
    menu.reset(widget_->NewImageMenu(nullptr));
    EXPECT_TRUE(Item(menu.get(), "Delete Image")->isEnabled());
}

TEST_F(DetailsPaneWidgetTest, ThePaneMenuFollowsTheModel) {
    widget_->ShowRecord(brazil_);
    std::unique_ptr<QMenu> menu(widget_->NewPaneMenu(nullptr));
    EXPECT_EQ(Labels(menu.get()), (QStringList{"&Enable QuickFind Links", "&More Videos", "&Copy",
                                               "&Select All", "&Print...", "&Hide Video Details"}));
    EXPECT_TRUE(Item(menu.get(), "Enable QuickFind Links")->isChecked());
    EXPECT_FALSE(Item(menu.get(), "More Videos")->isEnabled());
    EXPECT_FALSE(Item(menu.get(), "Print...")->isEnabled());

    Item(menu.get(), "Enable QuickFind Links")->trigger();
    EXPECT_FALSE(config_.video_details_links_active);
    EXPECT_FALSE(FormatAt(PositionOf("Bob")).isAnchor());

    Item(menu.get(), "Select All")->trigger();
    EXPECT_EQ(Text()->textCursor().selectedText().size(), Text()->toPlainText().size());

    QSignalSpy hide(widget_.get(), &gui::DetailsPaneWidget::hideRequested);
    Item(menu.get(), "Hide Video Details")->trigger();
    EXPECT_EQ(hide.count(), 1);
    EXPECT_FALSE(config_.video_details_visible);
}

TEST_F(DetailsPaneWidgetTest, ThePictureGoesBesideTheTextWhenThereIsRoom) {
    widget_->ShowRecord(brazil_);
    QApplication::processEvents();
    EXPECT_GT(widget_->image()->y(), Text()->y()) << "a docked pane: under the text";
    widget_->resize(700, 300);
    QApplication::processEvents();
    EXPECT_GT(widget_->image()->x(), Text()->x()) << "a wide pane: beside it";
    EXPECT_EQ(widget_->image()->y(), Text()->y());
}

}  // namespace
