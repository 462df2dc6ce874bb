// The wizard window driven as a user drives it: search, results, add with covers, no results.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <filesystem>

#include "gui/widget_fixture.h"
#include "gui/wizard/wizard_window.h"
#include "local_http_server.h"
#include "platform/curl_downloader.h"

namespace {

class WizardWindowTest : public WidgetFixture {
  protected:
    void SetUp() override {
        server_.server().Get("/rd/1.0/action/list.pl",
                             [this](const httplib::Request&, httplib::Response& res) {
                                 res.set_content(reply_, "text/plain");
                             });
        server_.server().Get(R"(/images/1/(.*))",
                             [](const httplib::Request&, httplib::Response& res) {
                                 res.set_content(PictureBytes("JPEG"), "image/jpeg");
                             });
        ASSERT_TRUE(server_.Start());
        service_.base_url = server_.Url("/");
        service_.image_base_url = server_.Url("/images/");
        std::filesystem::create_directories(paths_.folder + "/vidwiz");
        WriteFileBytes(paths_.folder + "/vidwiz/tcolumns.txt", "Title\nCast\n");
        WriteFileBytes(paths_.folder + "/vidwiz/scolumns.txt", "Title\nYear\n");
        window_ = new gui::WizardWindow(
            {session_, service_, prompts_, progress_, downloader_, converter_, {}});
        window_->show();
    }
    void TearDown() override {
        if (window_) window_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Search(const QString& text) {
        TypeOver(Find<QComboBox>(*window_, "findField")->lineEdit(), text);
        Click(Find<QPushButton>(*window_, "searchButton"));
    }

    LocalHttpServer server_;
    config::ServiceConfig service_;
    platform::NoProgress progress_;
    platform::CurlDownloader downloader_;
    std::string reply_;
    QPointer<gui::WizardWindow> window_;
};

TEST_F(WizardWindowTest, SearchesAddsWithCoversAndShowsNoResults) {
    reply_ = "2\n7|1995|Heat|02:50:00|R|||||Crime||1|7.jpg\n8|1986|Aliens|||||||Action||0|\n";
    Search("heat");
    QTRY_COMPARE(window_->windowTitle(), QString("Video Import Wizard - Results: 1-2 of 2"));
    auto* results = Find<QTableView>(*window_, "resultsList");
    QAbstractItemModelTester tester(results->model());
    ASSERT_EQ(results->model()->rowCount(), 2);
    EXPECT_EQ(results->model()->index(0, 3).data().toString(), "Aliens");  // sorted by Title
    QTRY_VERIFY(Find<QPushButton>(*window_, "searchButton")->isEnabled());

    auto* add = Find<QPushButton>(*window_, "addMyVideosButton");
    EXPECT_FALSE(add->isEnabled());
    results->selectRow(1);
    ASSERT_TRUE(add->isEnabled());
    Click(add);
    ASSERT_EQ(session_.Videos.RowCount(), 1);
    EXPECT_EQ(Cell(0, "Title"), "Heat");
    EXPECT_TRUE(std::filesystem::exists(ImagePath(0, "jpg")));
    EXPECT_EQ(prompts_.Texts().back(), "Record(s) Added/Updated");

    // No results: the dialog names the search; OK closes it.
    reply_ = "0\n";
    bool shown = false;
    auto close_dialog = [&shown] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            shown = dialog->objectName() == "noResultsDialog";
            dialog->close();
        }
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, close_dialog);
    poll.start(50);
    Search("nothing");
    QTRY_VERIFY(shown);
    QTRY_COMPARE(window_->windowTitle(), QString("Video Import Wizard"));
    window_->close();
    EXPECT_EQ(ReadFileBytes(paths_.wizard_search), "heat\nnothing\n");
}

}  // namespace
