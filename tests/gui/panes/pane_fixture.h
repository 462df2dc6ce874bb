#pragma once

#include <QListView>
#include <QSignalSpy>

#include "app/wanted_pane.h"
#include "gui/widget_fixture.h"
#include "online/search_panes.h"
#include "online/text_replace.h"
#include "online/text_search.h"
#include "views/video_details.h"

// The models of the four panes over the test's database, as the main window holds them: a
// QuickFind link searches through the Search pane's model.
class PaneFixture : public WidgetFixture {
  protected:
    PaneFixture() {
        config_.prompt_before_delete = true;
        config_.place_the_in_back = false;
        config_.video_details_links_active = true;
    }
    // Shows a pane in an active window of its own, at the size of a docked pane unless told.
    static void Show(QWidget* pane, QSize size = QSize(260, 450)) {
        pane->resize(size);
        pane->show();
        pane->activateWindow();  // the focus rules need an active window
        EXPECT_TRUE(QTest::qWaitForWindowActive(pane));
    }
    // The titles a list shows, and clicks (or double clicks) on one.
    static QStringList Rows(const QListView* list) {
        QStringList titles;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            titles << list->model()->index(row, 0).data().toString();
        return titles;
    }
    static void ClickRow(QListView* list, int row, bool twice = false) {
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    online::SearchPanes panes_{config_};
    online::TextSearch search_{session_, panes_};
    online::TextReplace replace_{session_, panes_, prompts_};
    app::WantedPane wanted_{session_, prompts_};
    views::VideoDetails details_{session_, prompts_, converter_,
                                 [this](const std::string& text) { search_.QuickFind(text); }};
};
