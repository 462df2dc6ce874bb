#include <gtest/gtest.h>

#include <filesystem>
#include <future>

#include "config/recent_databases.h"
#include "fakes/fake_downloader.h"
#include "html/open_html_list.h"
#include "scripted_prompts.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
using platform::Buttons;
using platform::Icon;

class NoLogin final : public app::LoginPresenter {
  public:
    bool RunLogin(app::LoginWindow&) override { return false; }
};

class OpenHtmlListTest : public ::testing::Test {
  protected:
    OpenHtmlListTest() {
        fs::create_directories(paths_.folder + "/cfg");
        fs::copy_file(REELDECK_TEST_DATA "/reader-html-my-videos.html", temp_ / "films.html");
        fs::copy_file(REELDECK_TEST_DATA "/reader-html-wanted.html", temp_ / "wanted.html");
    }
    void TearDown() override { EXPECT_EQ(prompts_.Unused(), ""); }

    Texts SavedHistory() const {
        Texts history;
        config::LoadHistory(history, paths_.html_list_history);
        return history;
    }
    // Presses OK and, for a download, waits for it and hands its end to the window.
    void PressOk(html::OpenHtmlListWindow& window) {
        std::promise<void> ended;
        window.Ok([&] { ended.set_value(); });
        if (!window.Downloading()) return;
        EXPECT_FALSE(window.OkEnabled());
        EXPECT_FALSE(window.BrowseEnabled());
        ended.get_future().wait();
        window.DownloadFinished();
    }

    TempFolder temp_;
    config::ProgramPaths paths_ = config::ProgramPaths::ForFolder(temp_ / "program");
    config::ProgramConfig config_;
    config::RecentDatabases recent_;
    core::FixedClock clock_{1'000'000'000};
    app::Session session_{paths_, config_, recent_, clock_};
    ScriptedPrompts prompts_;
    platform::NoProgress progress_;
    NoLogin login_;
    app::DatabaseServices services_{prompts_, progress_, login_};
    FakeDownloader downloader_;  // serves its body to every address, on the worker thread
};

TEST_F(OpenHtmlListTest, FilesOpenAsTheDatabaseAndOtherPagesAreRefused) {
    WriteFileBytes(paths_.html_list_history, "somewhere/films.htm\nhttp://b/y.html\n");
    html::OpenHtmlListWindow window(session_, services_, downloader_);
    EXPECT_EQ(window.History(), (Texts{"somewhere/films.htm", "http://b/y.html"}));
    EXPECT_FALSE(window.OkEnabled());

    // Neither a file nor an address: a tip; the chosen entry goes and its text is back.
    window.SelectEntry(0);
    PressOk(window);
    EXPECT_EQ(prompts_.Messages().back().text,
              "The file path does not exist or the URL specified\nis not properly formatted. The "
              "URL must begin\nwith \"http://\" and point to a Reeldeck HTML list.");
    EXPECT_EQ(prompts_.Messages().back().title, "Reeldeck Tip");
    EXPECT_EQ(window.Text(), "somewhere/films.htm");
    EXPECT_TRUE(window.TakeFocusRequest());

    // A Wanted Videos page is no list.
    window.SetText(temp_ / "wanted.html");
    PressOk(window);
    EXPECT_EQ(prompts_.Messages().back().text,
              "The HTML file you are attempting to open is not a valid Reeldeck HTML list.");
    EXPECT_EQ(prompts_.Messages().back().icon, Icon::kError);
    EXPECT_FALSE(window.Closed());
    EXPECT_FALSE(session_.IsOpen());

    prompts_.QueueOpenFile(temp_ / "films.html");
    window.Browse();
    EXPECT_EQ(prompts_.Pickers().back().title, "Open");
    EXPECT_EQ(prompts_.Pickers().back().filter.label, "HTML files (*.htm, *.html)");
    PressOk(window);
    EXPECT_TRUE(window.Closed());
    EXPECT_EQ(session_.CurrentDatabasePath, temp_ / "films.html");
    EXPECT_EQ(app::MainWindowTitle(session_), "Reeldeck - films.html - 3 Videos");
    EXPECT_FALSE(session_.Modified);
    EXPECT_TRUE(session_.CanChange());
    EXPECT_EQ(session_.Wanted.Count(), 0);
    EXPECT_EQ(SavedHistory(), Texts{"http://b/y.html"});
}

TEST_F(OpenHtmlListTest, AddressesAreDownloadedIntoTheDownloadFolder) {
    html::OpenHtmlListWindow window(session_, services_, downloader_);
    downloader_.succeed = false;
    window.SetText("https://host/lists/..%2F..%2Fcfg%2Fcfg.txt");
    PressOk(window);
    EXPECT_EQ(prompts_.Messages().back().text,
              "An error occurred while attempting to open the requested HTML list:\n\nURL:  "
              "https://host/lists/..%2F..%2Fcfg%2Fcfg.txt\n\n1. No Internet connection\n2. URL "
              "path is incorrect\n3. URL is case-sensitive");
    EXPECT_TRUE(window.History().empty());
    EXPECT_TRUE(window.BrowseEnabled());
    EXPECT_TRUE(window.OkEnabled());

    downloader_.succeed = true;
    downloader_.body = ReadFileBytes(temp_ / "films.html");
    PressOk(window);
    EXPECT_EQ(downloader_.addresses.back(),
              "https://host/lists/..%2F..%2Fcfg%2Fcfg.txt?t=1000000000");
    const std::string stored = paths_.downloaded_lists + "/..2F..2Fcfg2Fcfg.txt";
    EXPECT_EQ(session_.CurrentDatabasePath, stored);
    EXPECT_EQ(session_.Videos.RowCount(), 3);
    EXPECT_FALSE(fs::exists(paths_.config));
    EXPECT_EQ(SavedHistory(), Texts{"https://host/lists/..%2F..%2Fcfg%2Fcfg.txt"});

    // Cancel writes the history again as it stands.
    html::OpenHtmlListWindow cancelled(session_, services_, downloader_);
    fs::remove(paths_.html_list_history);
    cancelled.SetText("http://host/one.html");
    cancelled.Cancel();
    EXPECT_TRUE(cancelled.Closed());
    EXPECT_EQ(SavedHistory(), Texts{"https://host/lists/..%2F..%2Fcfg%2Fcfg.txt"});
}

}  // namespace
