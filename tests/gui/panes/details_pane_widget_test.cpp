// The Video Details pane over its model: the text with its links, the picture and the menus.
#include <QLabel>
#include <QMenu>
#include <QTextBrowser>
#include <QTextCursor>

#include "gui/panes/details_pane_widget.h"
#include "gui/text_bytes.h"
#include "pane_fixture.h"

namespace {

using gui::DetailsPaneWidget;

class DetailsPaneWidgetTest : public PaneFixture {
  protected:
    DetailsPaneWidgetTest() {
        brazil_ = AddRow({{"Title", "Brazil"},
                          {"Year", "1985"},
                          {"Category", "Comedy"},
                          {"Synopsis", "A clerk~dreams"},
                          {"Cast", "Zo\xc3\xab, Bob"},
                          {"Director", "Terry Gilliam"}});
        AddRow({{"Title", "Heat"}, {"Cast", "Al Pacino, Bob"}});
        widget_ = std::make_unique<DetailsPaneWidget>(details_);
        Show(widget_.get());
    }
    QTextBrowser* Text() const { return Find<QTextBrowser>(*widget_, "detailsText"); }
    int PositionOf(const QString& text) const {
        return static_cast<int>(Text()->toPlainText().indexOf(text));
    }
    QTextCharFormat FormatAt(int position) const {
        QTextCursor cursor(Text()->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    // A point inside the second letter of `text`, in the viewport.
    QPoint PointAt(const QString& text) const {
        QTextCursor cursor(Text()->document());
        cursor.setPosition(PositionOf(text) + 1);
        return Text()->cursorRect(cursor).center() + QPoint(2, 0);
    }
    static QAction* Item(QMenu* menu, const QString& label) {
        for (QAction* action : menu->actions()) {
            if (action->text().remove('&') == label) return action;
        }
        ADD_FAILURE() << label.toStdString();
        return nullptr;
    }

    int brazil_ = 0;
    std::unique_ptr<DetailsPaneWidget> widget_;
};

TEST_F(DetailsPaneWidgetTest, ShowsTheModelsTextWithLinksWhereTheModelPutsThem) {
    QSignalSpy caption(widget_.get(), &DetailsPaneWidget::captionChanged);
    widget_->ShowRecord(brazil_);
    EXPECT_EQ(gui::ToBytes(Text()->toPlainText()), details_.Details().text);
    ASSERT_EQ(caption.count(), 1);
    EXPECT_EQ(caption.at(0).at(0).toString(), "Video Details - Brazil");
    const QColor link = widget_->palette().color(QPalette::Link);
    for (const QString name : {"Comedy", "Bob", "Terry Gilliam", "Zo\u00eb"}) {
        const int start = PositionOf(name);
        for (int position : {start, start + static_cast<int>(name.size()) - 1}) {
            EXPECT_TRUE(FormatAt(position).isAnchor()) << name.toStdString();
            EXPECT_TRUE(FormatAt(position).fontUnderline()) << name.toStdString();
            EXPECT_EQ(FormatAt(position).foreground().color(), link) << name.toStdString();
        }
        EXPECT_FALSE(FormatAt(start - 1).isAnchor()) << name.toStdString();
    }
    EXPECT_FALSE(FormatAt(PositionOf("clerk")).isAnchor());

    widget_->Clear();
    EXPECT_EQ(Text()->toPlainText(), "");
    EXPECT_EQ(caption.last().at(0).toString(), "Video Details");
}

TEST_F(DetailsPaneWidgetTest, PointingAtALinkSaysWhatItDoesAndClickingItRunsAQuickFind) {
    widget_->ShowRecord(brazil_);
    QSignalSpy status(widget_.get(), &DetailsPaneWidget::statusText);
    QSignalSpy ran(widget_.get(), &DetailsPaneWidget::quickFindRan);
    // On a display the pointer moves by way of the window system: its events come later.
    QTest::mouseMove(Text()->viewport(), PointAt("Bob"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.count() == 1; }, 1000));
    EXPECT_EQ(status.at(0).at(0).toString(), "       Click to find all \"Bob\" videos");
    QTest::mouseMove(Text()->viewport(), PointAt("clerk"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return status.count() == 2; }, 1000));
    EXPECT_EQ(status.at(1).at(0).toString(), "");

    QTest::mouseClick(Text()->viewport(), Qt::LeftButton, {}, PointAt("Bob"));
    EXPECT_EQ(ran.count(), 1);
    EXPECT_EQ(search_.FindText(), "Bob");
    EXPECT_EQ(search_.Results(), (std::vector<std::string>{"Brazil", "Heat"}));
    // The search selected rows, so the record is shown again: still only its names are links.
    widget_->ShowRecord(brazil_);
    for (const QString label : {"Category:", "Starring:", "Director:"}) {
        EXPECT_FALSE(FormatAt(PositionOf(label)).isAnchor()) << label.toStdString();
    }
    EXPECT_TRUE(FormatAt(PositionOf("Bob")).isAnchor());
}

TEST_F(DetailsPaneWidgetTest, ThePaneMenuIsTheModelsAndItsItemsAct) {
    widget_->ShowRecord(brazil_);
    std::unique_ptr<QMenu> menu(widget_->NewPaneMenu(nullptr));
    QStringList labels;
    for (QAction* action : menu->actions()) labels << action->text();
    EXPECT_EQ(labels, (QStringList{"&Enable QuickFind Links", "&More Videos", "&Copy",
                                   "&Select All", "&Print...", "&Hide Video Details"}));
    EXPECT_TRUE(Item(menu.get(), "Enable QuickFind Links")->isChecked());
    EXPECT_FALSE(Item(menu.get(), "Print...")->isEnabled());

    Item(menu.get(), "Enable QuickFind Links")->trigger();
    EXPECT_FALSE(config_.video_details_links_active);
    const QTextCharFormat bob = FormatAt(PositionOf("Bob"));
    EXPECT_FALSE(bob.isAnchor()) << "names stay coloured but are no links";
    EXPECT_EQ(bob.foreground().color(), widget_->palette().color(QPalette::Link));
    Item(menu.get(), "Select All")->trigger();
    EXPECT_EQ(Text()->textCursor().selectedText().size(), Text()->toPlainText().size());
    QSignalSpy hide(widget_.get(), &DetailsPaneWidget::hideRequested);
    Item(menu.get(), "Hide Video Details")->trigger();
    EXPECT_EQ(hide.count(), 1);
}

TEST_F(DetailsPaneWidgetTest, ThePictureFitsThePanelAndTheImageMenuAddsOne) {
    const std::string file = WritePicture(ImagePath(brazil_, "jpg"), "JPEG", QSize(600, 900));
    widget_->ShowRecord(brazil_);
    gui::ImagePanel* image = widget_->image();
    EXPECT_EQ(image->Caption(), "Brazil (1985)");
    QApplication::processEvents();
    const QPixmap picture = image->Picture();
    ASSERT_FALSE(picture.isNull());
    const QLabel* area = image->findChild<QLabel*>("detailsPicture");
    EXPECT_LE(picture.height(), area->height());
    EXPECT_NEAR(picture.height() * 2, picture.width() * 3, 6) << "the proportions stay";
    EXPECT_GT(image->y(), Text()->y()) << "a docked pane: under the text";
    widget_->resize(700, 300);
    QApplication::processEvents();
    EXPECT_GT(image->x(), Text()->x()) << "a wide pane: beside it";

    widget_->ShowRecord(1);
    EXPECT_EQ(image->Caption(), "No image to display");
    std::unique_ptr<QMenu> menu(widget_->NewImageMenu(nullptr));
    EXPECT_FALSE(Item(menu.get(), "Delete Image")->isEnabled());
    QSignalSpy status(widget_.get(), &DetailsPaneWidget::statusText);
    Item(menu.get(), "Add Image")->hover();
    EXPECT_EQ(status.at(0).at(0).toString(), "       Add new image");
    prompts_.QueueOpenFile(file);
    Item(menu.get(), "Add Image")->trigger();
    QApplication::processEvents();  // the panel makes room for the picture
    EXPECT_FALSE(image->Picture().isNull());
}

}  // namespace
