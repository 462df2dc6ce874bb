// The embedded HTML view: a view is put into its host, shows pages given as text without
// JavaScript, and can be removed again.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWebEngineSettings>

#include "gui/web_html_view.h"

namespace {

TEST(WebHtmlView, EmbedsShowsTextWithoutScriptsAndUnembeds) {
    gui::WebHtmlView host;
    host.resize(320, 240);
    ASSERT_EQ(host.Embed(), 0);
    ASSERT_NE(host.view(), nullptr);
    EXPECT_EQ(host.Embed(), 0);  // a second embed keeps the one view

    QSignalSpy loaded(host.view(), &QWebEngineView::loadFinished);
    host.DisplayHtml("<html><body><p id='t'>Casablanca</p></body></html>");
    EXPECT_FALSE(host.view()->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
    EXPECT_TRUE(loaded.wait(20000));

    host.Resize(400, 300);
    EXPECT_EQ(host.size(), QSize(400, 300));
    host.Unembed();
    EXPECT_EQ(host.view(), nullptr);
}

TEST(WebHtmlView, TheWebEngineIsInstalled) { EXPECT_TRUE(gui::HtmlViewAvailable()); }

}  // namespace
