#include "platform/curl_downloader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "file_size_limit.h"
#include "local_http_server.h"
#include "temp_folder.h"

namespace {

using namespace std::chrono_literals;
using platform::CurlDownloader;
using platform::CurlDownloaderSettings;
using platform::DownloadError;
using platform::DownloadProgress;
using platform::DownloadResult;
using Names = std::vector<std::string>;

constexpr char kPrevious[] = "the file as it was before the download\n";

// Every byte value, CR LF and NUL included, in a body of `size` bytes.
std::string Bytes(std::size_t size) {
    std::string body(size, '\0');
    std::uint32_t state = 12345;
    for (std::size_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        body[i] = static_cast<char>(i < 256 ? i : state >> 24);
    }
    return body;
}

// The names in a folder, sorted.
Names Entries(const std::string& folder) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Short time-outs, and no proxy from the environment: nothing may leave this machine.
CurlDownloaderSettings TestSettings(std::chrono::seconds stall_timeout = 1s) {
    CurlDownloaderSettings settings;
    settings.connect_timeout = 5s;
    settings.stall_timeout = stall_timeout;
    settings.use_environment_proxy = false;
    return settings;
}

// A server on the loopback address with the routes the cases need, and a folder for the files.
class LocalServerTest : public testing::Test {
  protected:
    void SetUp() override {
        using Request = const httplib::Request&;
        using Response = httplib::Response&;
        httplib::Server& server = server_.server();
        // Files that a test puts in place with Serve(); under /chunked/ without an announced size.
        server.Get("/(files|chunked)/(.*)", [this](Request request, Response response) {
            std::lock_guard lock(mutex_);
            const auto file = files_.find(request.matches[2].str());
            if (file == files_.end()) {
                response.status = 404;
            } else if (request.matches[1] == "files") {
                response.set_content(file->second, "application/octet-stream");
            } else {
                response.set_chunked_content_provider(
                    "application/octet-stream",
                    [body = file->second](std::size_t offset, httplib::DataSink& sink) {
                        if (offset >= body.size()) sink.done();
                        return offset >= body.size() ||
                               sink.write(body.data() + offset,
                                          std::min<std::size_t>(4096, body.size() - offset));
                    });
            }
        });
        server.Get("/status/(\\d+)", [](Request request, Response response) {
            response.status = std::stoi(request.matches[1].str());
            response.set_content("an error page that must not be saved", "text/html");
        });
        server.Get("/loop", [](Request, Response response) { response.set_redirect("/loop"); });
        server.Get("/redirect", [](Request request, Response response) {
            response.set_redirect(request.get_param_value("to"));
        });
        // Announces 100,000 bytes, sends one, then sends nothing more.
        server.Get("/stall", [this](Request, Response response) {
            response.set_content_provider(
                100000, "application/octet-stream",
                [this](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    if (offset == 0) return sink.write("x", 1);
                    server_.WaitForGate(30s);
                    return false;
                });
        });
        // Accepts the request and never answers it.
        server.Get("/silent", [this](Request, Response response) {
            server_.WaitForGate(30s);
            response.set_content("too late", "text/plain");
        });
        // Sends a steady trickle of a body that would take minutes.
        server.Get("/trickle", [this](Request, Response response) {
            response.set_content_provider(
                100'000'000, "application/octet-stream",
                [this](std::size_t, std::size_t, httplib::DataSink& sink) {
                    return !server_.WaitForGate(20ms) &&
                           sink.write(std::string(1000, 't').data(), 1000);
                });
        });
        // Announces 100,000 bytes, sends 30,000 and closes the connection.
        server.Get("/drop", [](Request, Response response) {
            response.set_content_provider(
                100000, "application/octet-stream",
                [](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    return offset == 0 && sink.write(std::string(30000, 'd').data(), 30000);
                });
        });
        // Answers with the query parameter f as the server decoded it, and the User-Agent.
        server.Get("/echo", [](Request request, Response response) {
            response.set_content(
                request.get_param_value("f") + "|" + request.get_header_value("User-Agent"),
                "text/plain");
        });
        ASSERT_TRUE(server_.Start());
    }

    void TearDown() override { server_.Stop(); }

    void Serve(const std::string& name, std::string body) {
        std::lock_guard lock(mutex_);
        files_[name] = std::move(body);
    }
    std::string Url(const std::string& path) const { return server_.Url(path); }

    DownloadResult Download(const std::string& address, const std::string& local_path,
                            const platform::DownloadObserver& observer = {}) {
        return downloader_.DownloadToFile(address, local_path, observer, {});
    }

    // Checks that a failed download left the previous target and nothing else.
    void ExpectTargetUntouched() {
        EXPECT_EQ(ReadFileBytes(target_), kPrevious);
        EXPECT_EQ(Entries(folder_.path()), Names{"target.bin"});
    }

    LocalHttpServer server_;
    TempFolder folder_;
    const std::string target_ = folder_ / "target.bin";
    CurlDownloader downloader_{TestSettings()};

  private:
    std::mutex mutex_;
    std::map<std::string, std::string> files_;
};

// ---- A complete download is stored byte for byte ----

TEST_F(LocalServerTest, StoresTheBodyInANewFileOrInPlaceOfAnExistingOne) {
    for (const std::size_t size : {0, 1029, 5 << 20}) {
        const std::string body = Bytes(size);
        Serve("body", body);
        std::filesystem::remove(target_);
        for (bool existing : {false, true}) {
            SCOPED_TRACE(std::to_string(size) + (existing ? " bytes over a file" : " bytes"));
            if (existing) WriteFileBytes(target_, kPrevious);
            const DownloadResult result = Download(Url("/files/body"), target_);
            ASSERT_TRUE(result.ok()) << result.reason;
            EXPECT_EQ(result.code(), 0);
            EXPECT_EQ(ReadFileBytes(target_), body);
            EXPECT_EQ(Entries(folder_.path()), Names{"target.bin"});
        }
    }
}

TEST_F(LocalServerTest, FollowsRedirectsAndSendsTheAddressAsItStands) {
    Serve("cover.jpg", Bytes(2000));
    const DownloadResult redirected =
        Download(Url("/redirect?to=/redirect%3Fto%3D/files/cover.jpg"), target_);
    ASSERT_TRUE(redirected.ok()) << redirected.reason;
    EXPECT_EQ(ReadFileBytes(target_), Bytes(2000));

    // The wizard puts the user's words into the query without escaping them.
    const std::string words = "star wars \"1977\" {special|edition} caf\xc3\xa9 100%25";
    const DownloadResult result = Download(Url("/echo?f=" + words + "&c=Title"), target_);
    ASSERT_TRUE(result.ok()) << result.reason;
    EXPECT_EQ(ReadFileBytes(target_),
              "star wars \"1977\" {special|edition} caf\xc3\xa9 100%|Reeldeck/1.0");
}

TEST_F(LocalServerTest, OneDownloaderServesSeveralThreads) {
    constexpr int kThreads = 4;
    for (int i = 0; i < kThreads; ++i) Serve("part" + std::to_string(i), Bytes(300000 + i));
    std::vector<DownloadResult> results(kThreads);
    {
        std::vector<std::jthread> threads;
        for (int i = 0; i < kThreads; ++i) {
            threads.emplace_back([&, i] {
                results[i] = Download(Url("/files/part" + std::to_string(i)),
                                      folder_ / ("part" + std::to_string(i)));
            });
        }
    }
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_TRUE(results[i].ok()) << results[i].reason;
        EXPECT_EQ(ReadFileBytes(folder_ / ("part" + std::to_string(i))), Bytes(300000 + i));
    }
}

// ---- A failed download leaves the previous file and nothing else ----

TEST_F(LocalServerTest, FailuresKeepThePreviousFile) {
    LocalHttpServer stopped;
    ASSERT_TRUE(stopped.Start());
    stopped.Stop();  // its port now refuses connections
    const std::string host = "127.0.0.1:" + std::to_string(server_.port());
    const struct {
        std::string address;
        DownloadError error;
        const char* reason;  // a part of it
    } cases[] = {{Url("/status/404"), DownloadError::kHttpStatus, "HTTP 404"},
                 {Url("/loop"), DownloadError::kTransferFailed, "redirect"},
                 // A 302 with an empty Location: the redirect's own page is not the resource.
                 {Url("/redirect?to="), DownloadError::kHttpStatus, "HTTP 302"},
                 {Url("/redirect?to=file:///etc/hostname"), DownloadError::kBadAddress, ""},
                 {Url("/drop"), DownloadError::kTransferFailed, ""},
                 {Url("/stall"), DownloadError::kTimedOut, "timed out"},
                 {Url("/silent"), DownloadError::kTimedOut, ""},
                 {stopped.Url("/files/x"), DownloadError::kConnectionFailed, ""},
                 // Only web addresses are fetched.
                 {"", DownloadError::kBadAddress, ""},
                 {"file:///etc/hostname", DownloadError::kBadAddress, ""},
                 {"FILE:///etc/hostname", DownloadError::kBadAddress, ""},
                 {"ftp://" + host + "/files/x", DownloadError::kBadAddress, ""},
                 {"dict://" + host + "/x", DownloadError::kBadAddress, ""},
                 {host + "/files/x", DownloadError::kBadAddress, ""},
                 {"/etc/hostname", DownloadError::kBadAddress, ""},
                 {"xhttp://" + host + "/x", DownloadError::kBadAddress, ""},
                 {"javascript:alert(1)", DownloadError::kBadAddress, ""}};
    WriteFileBytes(target_, kPrevious);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        const auto start = std::chrono::steady_clock::now();
        const DownloadResult result = Download(c.address, target_);
        EXPECT_EQ(result.error, c.error);
        EXPECT_NE(result.code(), 0);
        EXPECT_FALSE(result.reason.empty());
        EXPECT_NE(result.reason.find(c.reason), std::string::npos) << result.reason;
        // The stall time-out is 1 s here, 60 s by default; a refused connection fails at once.
        EXPECT_LT(std::chrono::steady_clock::now() - start,
                  c.error == DownloadError::kTimedOut ? 20s : 3s);
        ExpectTargetUntouched();
    }
}

// ---- A local file that cannot be written ----

TEST_F(LocalServerTest, FailsWhenTheFolderIsMissingTheTargetIsAFolderOrTheDiskFills) {
    Serve("large", Bytes(1 << 20));
    const std::string missing = folder_ / "no-such-folder/large";
    const DownloadResult result = Download(Url("/files/large"), missing);
    EXPECT_EQ(result.error, DownloadError::kLocalFile);
    EXPECT_NE(result.reason.find(missing), std::string::npos) << result.reason;

    std::filesystem::create_directory(target_);
    EXPECT_EQ(Download(Url("/files/large"), target_).error, DownloadError::kLocalFile);
    EXPECT_TRUE(std::filesystem::is_directory(target_));
    EXPECT_EQ(Entries(folder_.path()), Names{"target.bin"});

    std::filesystem::remove(target_);
    WriteFileBytes(target_, kPrevious);
    const DownloadResult full = [&] {
        FileSizeLimit limit(64 * 1024);
        return Download(Url("/files/large"), target_);
    }();
    EXPECT_EQ(full.error, DownloadError::kLocalFile);
    EXPECT_NE(full.reason.find(target_), std::string::npos) << full.reason;
    ExpectTargetUntouched();
}

// ---- Progress: growing, and ending at the size (announced or not) ----

TEST_F(LocalServerTest, ProgressGrowsToTheSize) {
    for (const std::string route : {"/files/", "/chunked/"}) {
        SCOPED_TRACE(route);
        const bool announced = route == "/files/";
        const std::int64_t size = announced ? 1 << 20 : 100000;
        Serve("list.html", Bytes(size));
        std::vector<DownloadProgress> reports;
        ASSERT_TRUE(Download(Url(route + "list.html"), target_, [&](const DownloadProgress& p) {
                        reports.push_back(p);
                    }).ok());
        ASSERT_GE(reports.size(), 2u);
        // Without an announced size the total is unknown until the last report.
        for (std::size_t i = 0; i + 1 < reports.size(); ++i) {
            EXPECT_EQ(reports[i].total, announced ? size : 0) << i;
            EXPECT_GT(reports[i].done, i > 0 ? reports[i - 1].done : 0) << i;
        }
        EXPECT_EQ(reports.back().done, size);
        EXPECT_EQ(reports.back().total, size);
    }
}

// ---- Stopping ----

class DownloadStopsMidTransfer : public LocalServerTest,
                                 public testing::WithParamInterface<std::string> {};

TEST_P(DownloadStopsMidTransfer, PromptlyWhenAsked) {
    WriteFileBytes(target_, kPrevious);
    // Long time-outs, so that only the stop request can end the transfer.
    CurlDownloader downloader(TestSettings(60s));
    std::promise<void> started;
    std::atomic<bool> first_report{true};
    std::promise<DownloadResult> finished;
    std::jthread worker([&](std::stop_token stop) {
        auto observer = [&](const DownloadProgress&) {
            if (first_report.exchange(false)) started.set_value();
        };
        finished.set_value(downloader.DownloadToFile(Url(GetParam()), target_, observer, stop));
    });
    ASSERT_EQ(started.get_future().wait_for(10s), std::future_status::ready);
    // Give a stalled transfer time to settle into waiting for data.
    if (GetParam() == "/stall") std::this_thread::sleep_for(1500ms);

    worker.request_stop();
    std::future<DownloadResult> result = finished.get_future();
    // libcurl looks at the stop request at least about once a second.
    ASSERT_EQ(result.wait_for(5s), std::future_status::ready);
    const DownloadResult stopped = result.get();
    EXPECT_EQ(stopped.error, DownloadError::kCancelled);
    EXPECT_EQ(stopped.reason, "cancelled");
    worker.join();
    ExpectTargetUntouched();
}

INSTANTIATE_TEST_SUITE_P(Servers, DownloadStopsMidTransfer, testing::Values("/trickle", "/stall"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param == "/trickle" ? "WhileDataFlows" : "WhileStalled";
                         });

TEST_F(LocalServerTest, StopsBeforeStartingWhenStopWasAlreadyRequested) {
    std::stop_source stop;
    stop.request_stop();
    const DownloadResult result =
        downloader_.DownloadToFile(Url("/files/page.html"), target_, {}, stop.get_token());
    EXPECT_EQ(result.error, DownloadError::kCancelled);
    EXPECT_TRUE(Entries(folder_.path()).empty());
}

}  // namespace
