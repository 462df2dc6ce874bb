// The wizard against a server that plays the service, well and badly: replies of any shape,
// stalls, dropped connections, and covers whose names try to leave the image folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <mutex>
#include <sstream>

#include "core/paths.h"
#include "fakes/fake_image_converter.h"
#include "local_http_server.h"
#include "platform/curl_downloader.h"
#include "temp_folder.h"
#include "wizard/cover_queue.h"
#include "wizard/query_worker.h"
#include "wizard/service_addresses.h"

namespace {

using Kind = wizard::QueryOutcome::Kind;

struct ReplyCase {
    std::string body;
    std::int64_t total;
    std::size_t rows;
    std::string first_title;
    int short_lines;
};

TEST(ResultsReply, ReadsWhatCouldBeReadFromAnyReply) {
    const std::string row =
        "7|1979|Alien|01:57:00|R|Sigourney|Ridley|Gordon|Dan|Horror|In space|1|7.jpg";
    const ReplyCase cases[] = {
        {"2\n" + row + "\n" + row + "\n", 2, 2, "Alien", 0},
        {"120\r\n" + row + "\r\n", 120, 1, "Alien", 0},  // CRLF lines
        {"0\n", 0, 0, "", 0},
        {"", 0, 0, "", 0},
        {row + "\n", 1, 1, "Alien", 0},                    // no total line
        {"<html>\n<b>Error</b>\n</html>\n", 0, 0, "", 0},  // an error page
        {"5\n8|2001|Short\n\n", 5, 1, "Short", 1},         // fewer fields, an empty line
        {std::string("1\n9|1999|Bin\0\x01\x7f|x\n", 18), 1, 1, "Bin   ", 1},
        {"1\n1|2|" + std::string(1 << 20, 'T') + "|x\n", 1, 1, std::string(1 << 20, 'T'), 1},
    };
    for (const ReplyCase& c : cases) {
        std::istringstream in(c.body);
        const wizard::ResultsReply reply = wizard::ParseResults(in);
        EXPECT_EQ(reply.total, c.total) << c.body.substr(0, 30);
        ASSERT_EQ(reply.rows.size(), c.rows) << c.body.substr(0, 30);
        if (c.rows > 0) {
            EXPECT_EQ(reply.rows[0][wizard::kTitle], c.first_title);
        }
        EXPECT_EQ(reply.short_lines, c.short_lines) << c.body.substr(0, 30);
    }
    std::istringstream one(row);
    const wizard::ResultRow parsed = wizard::ParseResults(one).rows.at(0);
    EXPECT_EQ(parsed[wizard::kImageFile], "7.jpg");
    EXPECT_TRUE(wizard::HasCover(parsed));
    wizard::ResultRow none = parsed;
    for (const char* folder : {"0", "", "00", "x1"}) {
        none[wizard::kImageFolder] = folder;
        EXPECT_FALSE(wizard::HasCover(none)) << folder;
    }
}

class FakeService : public ::testing::Test {
  protected:
    void SetUp() override {
        auto& http = server_.server();
        http.Get("/rd/1.0/action/list.pl",
                 [this](const httplib::Request& req, httplib::Response& res) {
                     last_find_ = req.get_param_value("f");
                     if (mode_ == "stall") {
                         server_.WaitForGate(std::chrono::seconds(20));
                     } else if (mode_ == "drop") {
                         res.set_content_provider(
                             1 << 20, "text/plain",
                             [](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                 if (offset > 0) return false;
                                 sink.write("3\n1|2000|Cut", 12);
                                 return true;
                             });
                         return;
                     }
                     res.set_content(reply_, "text/plain");
                 });
        http.Get(R"(/images/(\d+)/(.*))",
                 [this](const httplib::Request& req, httplib::Response& res) {
                     auto cover = covers_.find(req.matches[2].str());
                     if (cover == covers_.end()) {
                         res.status = 404;
                         return;
                     }
                     res.set_content(cover->second, "application/octet-stream");
                 });
        ASSERT_TRUE(server_.Start());
        settings_.stall_timeout = std::chrono::seconds(1);
        settings_.use_environment_proxy = false;
    }

    wizard::QueryOutcome Fetch(const std::string& query) {
        platform::CurlDownloader downloader(settings_);
        return wizard::FetchResults(downloader, server_.Url("/rd/1.0/action/list.pl?" + query),
                                    folder_ / "vidwiz/results.txt", {});
    }
    std::string Image(const std::string& name) const { return folder_ / ("images/" + name); }

    LocalHttpServer server_;
    platform::CurlDownloaderSettings settings_;
    TempFolder folder_;
    std::string mode_;
    std::string reply_;
    std::string last_find_;
    std::map<std::string, std::string> covers_;
};

TEST_F(FakeService, HostileRepliesEndAsResultsNoResultsOrAConnectionError) {
    reply_ = "1\n5|1999|" + std::string(1 << 20, 'L') + "|00:00:00\n";
    wizard::QueryOutcome outcome = Fetch("f=Tom%20%26%20Jerry");
    EXPECT_EQ(last_find_, "Tom & Jerry");
    ASSERT_EQ(outcome.kind, Kind::kResults);
    EXPECT_EQ(outcome.reply.rows.at(0)[wizard::kTitle].size(), std::size_t(1) << 20);

    reply_ = "0\n";
    EXPECT_EQ(Fetch("f=x").kind, Kind::kNoResults);
    reply_.clear();
    EXPECT_EQ(Fetch("f=x").kind, Kind::kNoResults);
    EXPECT_FALSE(core::FileExists(folder_ / "vidwiz/results.txt.part"));

    mode_ = "drop";
    EXPECT_EQ(Fetch("f=x").kind, Kind::kConnectionError);
    mode_ = "stall";
    outcome = Fetch("f=x");
    EXPECT_EQ(outcome.kind, Kind::kConnectionError);
    EXPECT_FALSE(outcome.reason.empty());
    server_.OpenGate();
}

TEST_F(FakeService, TheWorkerHandsItsStepsToTheWindowInOrder) {
    reply_ = "1\n5|1999|Heat\n";
    std::mutex mutex;
    std::condition_variable posted;
    std::vector<std::function<void()>> calls;
    const wizard::PostToWindow post = [&](std::function<void()> call) {
        std::lock_guard lock(mutex);
        calls.push_back(std::move(call));
        posted.notify_all();
    };
    platform::CurlDownloader downloader(settings_);
    std::vector<std::string> steps;
    {
        wizard::QueryWorker worker(downloader, post, std::chrono::milliseconds(0));
        ASSERT_TRUE(worker.Start(
            server_.Url("/rd/1.0/action/list.pl?f=Heat"), folder_ / "vidwiz/results.txt",
            {[&] { steps.push_back("connecting"); },
             [&](wizard::QueryOutcome o) { steps.push_back(o.reply.rows.at(0)[wizard::kTitle]); },
             [&] { steps.push_back("idle"); }}));
        std::unique_lock lock(mutex);
        ASSERT_TRUE(
            posted.wait_for(lock, std::chrono::seconds(20), [&] { return calls.size() == 3; }));
        for (auto& call : calls) call();
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"connecting", "Heat", "idle"}));

    // A window that closed during the query gets nothing more.
    calls.clear();
    steps.clear();
    mode_ = "stall";
    {
        wizard::QueryWorker worker(downloader, post, std::chrono::milliseconds(0));
        ASSERT_TRUE(worker.Start(server_.Url("/rd/1.0/action/list.pl?f=x"),
                                 folder_ / "vidwiz/results.txt",
                                 {[&] { steps.push_back("connecting"); },
                                  [&](wizard::QueryOutcome) { steps.push_back("finished"); },
                                  [&] { steps.push_back("idle"); }}));
    }
    server_.OpenGate();
    for (auto& call : calls) call();
    EXPECT_TRUE(steps.empty());
}

TEST_F(FakeService, CoversAreStoredUnderTheKeyOnlyAndReplaceTheOldOneOnlyWhole) {
    std::filesystem::create_directories(folder_ / "images");
    WriteFileBytes(Image("200.gif"), "GIF89a old");
    WriteFileBytes(Image("300.bmp"), "BM old");
    covers_["../../evil"] = "\xff\xd8\xff jpeg named as a path";
    covers_["noext"] = "GIF89a gif without an extension";
    covers_["png.jpg"] = "\x89PNG picture";
    covers_["text.gif"] = "<html>not a picture</html>";
    const std::vector<wizard::CoverJob> queue = {
        {wizard::CoverAddress(server_.Url("/images/"), "1", "../../evil"), "100"},
        {server_.Url("/images/1/missing.jpg"), "300"},  // fails: the old cover stays
        {server_.Url("/images/1/png.jpg"), "200"},
        {server_.Url("/images/1/noext"), "400"},
        {server_.Url("/images/1/noext"), "../escape"},
    };
    platform::CurlDownloader downloader(settings_);
    FakeImageConverter converter;
    std::vector<std::string> texts;
    const wizard::CoverRun run = wizard::DownloadCovers(
        downloader, converter, folder_ / "images", {}, queue, {},
        [&](int number) { texts.push_back(wizard::CoverProgressText(number, 5)); }, {},
        std::chrono::milliseconds(0));
    EXPECT_EQ(run.stored, 3);
    EXPECT_EQ(run.failed, 2);
    EXPECT_EQ(texts.back(), "Downloading image 5 of 5 [100.00% Complete]");
    EXPECT_EQ(wizard::CoverProgressText(2, 3), "Downloading image 2 of 3 [66.67% Complete]");
    // A reply that is no picture cannot be converted: the old cover stays.
    converter.fail = true;
    const wizard::CoverJob text[] = {{server_.Url("/images/1/text.gif"), "300"}};
    EXPECT_EQ(
        wizard::DownloadCovers(downloader, converter, folder_ / "images", {}, text, {}, {}, {})
            .failed,
        1);

    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "images"))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"100.jpg", "200.jpg", "300.bmp", "400.gif"}));
    EXPECT_EQ(ReadFileBytes(Image("300.bmp")), "BM old");
    EXPECT_EQ(ReadFileBytes(Image("200.jpg")).substr(0, 3), "\xff\xd8\xff");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "escape.gif"));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "evil"));
}

}  // namespace
