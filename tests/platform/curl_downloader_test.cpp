#include "platform/curl_downloader.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

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

#include "local_http_server.h"
#include "temp_folder.h"

namespace platform {

void PrintTo(DownloadError error, std::ostream* out) {
    static constexpr const char* kNames[] = {"kNone",       "kBadAddress", "kConnectionFailed",
                                             "kHttpStatus", "kTimedOut",   "kTransferFailed",
                                             "kCancelled",  "kLocalFile"};
    *out << kNames[static_cast<int>(error)];
}

}  // namespace platform

namespace {

using namespace std::chrono_literals;
using platform::CurlDownloader;
using platform::CurlDownloaderSettings;
using platform::DownloadError;
using platform::DownloadProgress;
using platform::DownloadResult;

constexpr char kPrevious[] = "the file as it was before the download\n";

// Every byte value, several times over, CR LF and NUL included.
std::string BinaryBytes() {
    std::string bytes;
    for (int round = 0; round < 4; ++round) {
        for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
    }
    return bytes + std::string("\r\n\0\r\n", 5);
}

std::string LargeBody(std::size_t size) {
    std::string body(size, '\0');
    std::uint32_t state = 12345;
    for (char& byte : body) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    return body;
}

// The names in a folder, sorted.
std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Short time-outs, and no proxy from the environment: nothing may leave this machine.
CurlDownloaderSettings TestSettings() {
    CurlDownloaderSettings settings;
    settings.connect_timeout = 5s;
    settings.stall_timeout = 1s;
    settings.use_environment_proxy = false;
    return settings;
}

// A server on the loopback address with the routes the cases need, and a folder for the files.
class LocalServerTest : public testing::Test {
protected:
    void SetUp() override {
        httplib::Server& server = server_.server();
        // Files that a test puts in place with Serve().
        server.Get("/files/(.*)",
                   [this](const httplib::Request& request, httplib::Response& response) {
                       std::lock_guard lock(mutex_);
                       const auto file = files_.find(request.matches[1].str());
                       if (file == files_.end()) {
                           response.status = 404;
                           response.set_content("no such file", "text/plain");
                           return;
                       }
                       response.set_content(file->second, "application/octet-stream");
                   });
        // The same files without an announced size.
        server.Get("/chunked/(.*)", [this](const httplib::Request& request,
                                           httplib::Response& response) {
            std::string body;
            {
                std::lock_guard lock(mutex_);
                body = files_[request.matches[1].str()];
            }
            response.set_chunked_content_provider(
                "application/octet-stream", [body](std::size_t offset, httplib::DataSink& sink) {
                    if (offset < body.size()) {
                        sink.write(body.data() + offset,
                                   std::min<std::size_t>(4096, body.size() - offset));
                    } else {
                        sink.done();
                    }
                    return true;
                });
        });
        server.Get("/status/(\\d+)",
                   [](const httplib::Request& request, httplib::Response& response) {
                       response.status = std::stoi(request.matches[1].str());
                       response.set_content("an error page that must not be saved", "text/html");
                   });
        // /hops/3/name redirects three times, then to /files/name.
        server.Get(
            "/hops/(\\d+)/(.*)", [](const httplib::Request& request, httplib::Response& response) {
                const int hops = std::stoi(request.matches[1].str());
                const std::string name = request.matches[2].str();
                response.set_redirect(hops > 0 ? "/hops/" + std::to_string(hops - 1) + "/" + name
                                               : "/files/" + name);
            });
        server.Get("/loop", [](const httplib::Request&, httplib::Response& response) {
            response.set_redirect("/loop");
        });
        server.Get("/redirect", [](const httplib::Request& request, httplib::Response& response) {
            response.set_redirect(request.get_param_value("to"));
        });
        // Announces 100,000 bytes, sends one, then sends nothing more.
        server.Get("/stall", [this](const httplib::Request&, httplib::Response& response) {
            response.set_content_provider(
                100000, "application/octet-stream",
                [this](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    if (offset == 0) return sink.write("x", 1);
                    server_.WaitForGate(30s);
                    return false;
                });
        });
        // Accepts the request and never answers it.
        server.Get("/silent", [this](const httplib::Request&, httplib::Response& response) {
            server_.WaitForGate(30s);
            response.set_content("too late", "text/plain");
        });
        // Sends a steady trickle of a body that would take minutes.
        server.Get("/trickle", [this](const httplib::Request&, httplib::Response& response) {
            response.set_content_provider(
                100'000'000, "application/octet-stream",
                [this](std::size_t, std::size_t, httplib::DataSink& sink) {
                    if (server_.WaitForGate(20ms)) return false;
                    return sink.write(std::string(1000, 't').data(), 1000);
                });
        });
        // Announces 100,000 bytes, sends 30,000 and closes the connection.
        server.Get("/drop", [](const httplib::Request&, httplib::Response& response) {
            response.set_content_provider(
                100000, "application/octet-stream",
                [](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                    if (offset > 0) return false;
                    return sink.write(std::string(30000, 'd').data(), 30000);
                });
        });
        // Answers with the query parameter f, as the server decoded it.
        server.Get("/echo", [](const httplib::Request& request, httplib::Response& response) {
            response.set_content(request.get_param_value("f"), "text/plain");
        });
        server.Get("/user-agent", [](const httplib::Request& request, httplib::Response& response) {
            response.set_content(request.get_header_value("User-Agent"), "text/plain");
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
        EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"target.bin"});
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

// A body, made when the test runs rather than when the program starts.
struct Body {
    std::string name;
    std::string (*make)();
};

void PrintTo(const Body& body, std::ostream* out) {
    *out << body.name;
}

class DownloadStoresTheBody : public LocalServerTest, public testing::WithParamInterface<Body> {};

TEST_P(DownloadStoresTheBody, WritesTheExactBytesToANewFile) {
    const std::string body = GetParam().make();
    Serve("body", body);
    const DownloadResult result = Download(Url("/files/body"), target_);
    ASSERT_TRUE(result.ok()) << result.reason;
    EXPECT_EQ(result.code(), 0);
    EXPECT_EQ(ReadFileBytes(target_), body);
    EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"target.bin"});
}

TEST_P(DownloadStoresTheBody, ReplacesAnExistingFile) {
    WriteFileBytes(target_, kPrevious);
    const std::string body = GetParam().make();
    Serve("body", body);
    const DownloadResult result = Download(Url("/files/body"), target_);
    ASSERT_TRUE(result.ok()) << result.reason;
    EXPECT_EQ(ReadFileBytes(target_), body);
    EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"target.bin"});
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, DownloadStoresTheBody,
    testing::Values(Body{"Text", [] { return std::string("<html></html>\n"); }},
                    Body{"Empty", [] { return std::string(); }}, Body{"Binary", &BinaryBytes},
                    Body{"FiveMegabytes", [] { return LargeBody(5 << 20); }}),
    [](const testing::TestParamInfo<Body>& info) { return info.param.name; });

class DownloadSucceeds : public LocalServerTest {};

TEST_F(DownloadSucceeds, FollowsAChainOfRedirects) {
    Serve("cover.jpg", BinaryBytes());
    const DownloadResult result = Download(Url("/hops/4/cover.jpg"), target_);
    ASSERT_TRUE(result.ok()) << result.reason;
    EXPECT_EQ(ReadFileBytes(target_), BinaryBytes());
}

TEST_F(DownloadSucceeds, SendsTextInsertedAsItStands) {
    // The wizard puts the user's words into the query without escaping them.
    const std::string words = "star wars \"1977\" {special|edition} caf\xc3\xa9 100%25";
    const DownloadResult result = Download(Url("/echo?f=" + words + "&c=Title"), target_);
    ASSERT_TRUE(result.ok()) << result.reason;
    EXPECT_EQ(ReadFileBytes(target_), "star wars \"1977\" {special|edition} caf\xc3\xa9 100%");
}

TEST_F(DownloadSucceeds, NamesTheProgram) {
    ASSERT_TRUE(Download(Url("/user-agent"), target_).ok());
    EXPECT_EQ(ReadFileBytes(target_).rfind("Reeldeck/", 0), 0u) << ReadFileBytes(target_);
}

TEST_F(DownloadSucceeds, ServesSeveralThreadsWithOneDownloader) {
    constexpr int kThreads = 4;
    for (int i = 0; i < kThreads; ++i) Serve("part" + std::to_string(i), LargeBody(300000 + i));
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
        EXPECT_EQ(ReadFileBytes(folder_ / ("part" + std::to_string(i))), LargeBody(300000 + i));
    }
    EXPECT_EQ(Entries(folder_.path()).size(), static_cast<std::size_t>(kThreads));
}

// ---- A failed download leaves the previous file and nothing else ----

class DownloadFailsOnStatus : public LocalServerTest, public testing::WithParamInterface<int> {};

TEST_P(DownloadFailsOnStatus, KeepsThePreviousFile) {
    WriteFileBytes(target_, kPrevious);
    const int status = GetParam();
    const DownloadResult result = Download(Url("/status/" + std::to_string(status)), target_);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.code(), 0);
    EXPECT_EQ(result.error, DownloadError::kHttpStatus);
    EXPECT_EQ(result.reason, "HTTP " + std::to_string(status));
    ExpectTargetUntouched();
}

INSTANTIATE_TEST_SUITE_P(Statuses, DownloadFailsOnStatus, testing::Values(400, 403, 404, 500, 503));

class DownloadFails : public LocalServerTest {
protected:
    void SetUp() override {
        LocalServerTest::SetUp();
        WriteFileBytes(target_, kPrevious);
    }
};

TEST_F(DownloadFails, OnAMissingFileOfTheServer) {
    const DownloadResult result = Download(Url("/files/no-such-file.html"), target_);
    EXPECT_EQ(result.error, DownloadError::kHttpStatus);
    EXPECT_EQ(result.reason, "HTTP 404");
    ExpectTargetUntouched();
}

TEST_F(DownloadFails, OnARedirectLoop) {
    const DownloadResult result = Download(Url("/loop"), target_);
    EXPECT_EQ(result.error, DownloadError::kTransferFailed);
    EXPECT_NE(result.reason.find("redirect"), std::string::npos) << result.reason;
    ExpectTargetUntouched();
}

TEST_F(DownloadFails, OnARedirectWithoutADestination) {
    // A 302 with an empty Location: the redirect's own page is not the resource.
    const DownloadResult result = Download(Url("/redirect?to="), target_);
    EXPECT_EQ(result.error, DownloadError::kHttpStatus);
    EXPECT_EQ(result.reason, "HTTP 302");
    ExpectTargetUntouched();
}

TEST_F(DownloadFails, WhenTheConnectionDropsMidBody) {
    const DownloadResult result = Download(Url("/drop"), target_);
    EXPECT_EQ(result.error, DownloadError::kTransferFailed);
    EXPECT_FALSE(result.reason.empty());
    ExpectTargetUntouched();
}

TEST_F(DownloadFails, WhenTheBodyStallsForTheStallTime) {
    // The stall time-out is 1 s here, 60 s by default.
    const auto start = std::chrono::steady_clock::now();
    const DownloadResult result = Download(Url("/stall"), target_);
    EXPECT_EQ(result.error, DownloadError::kTimedOut);
    EXPECT_EQ(result.reason.rfind("timed out", 0), 0u) << result.reason;
    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
    ExpectTargetUntouched();
}

TEST_F(DownloadFails, WhenTheServerNeverAnswers) {
    const auto start = std::chrono::steady_clock::now();
    const DownloadResult result = Download(Url("/silent"), target_);
    EXPECT_EQ(result.error, DownloadError::kTimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
    ExpectTargetUntouched();
}

TEST_F(DownloadFails, QuicklyWhenNothingListens) {
    // A bound socket that does not listen: connections to its port are refused.
    const int socket_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(socket_fd, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(socket_fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::getsockname(socket_fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
    const std::string url =
        "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/files/anything";

    const auto start = std::chrono::steady_clock::now();
    const DownloadResult result = Download(url, target_);
    const auto took = std::chrono::steady_clock::now() - start;
    ::close(socket_fd);
    EXPECT_EQ(result.error, DownloadError::kConnectionFailed);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_LT(took, 3s);
    ExpectTargetUntouched();
}

// ---- Only web addresses are fetched ----

class DownloadRefusesAddress : public LocalServerTest,
                               public testing::WithParamInterface<std::string> {};

TEST_P(DownloadRefusesAddress, OtherThanHttpAndHttps) {
    WriteFileBytes(target_, kPrevious);
    std::string address = GetParam();
    const std::size_t port = address.find("PORT");
    if (port != std::string::npos) address.replace(port, 4, std::to_string(server_.port()));
    const DownloadResult result = Download(address, target_);
    EXPECT_EQ(result.error, DownloadError::kBadAddress) << result.reason;
    EXPECT_FALSE(result.reason.empty());
    ExpectTargetUntouched();
}

INSTANTIATE_TEST_SUITE_P(Addresses, DownloadRefusesAddress,
                         testing::Values("", "file:///etc/hostname", "FILE:///etc/hostname",
                                         "ftp://127.0.0.1:PORT/files/x", "dict://127.0.0.1:PORT/x",
                                         "127.0.0.1:PORT/files/x", "www.example.com/cover.jpg",
                                         "/etc/hostname", "xhttp://127.0.0.1:PORT/files/x",
                                         "javascript:alert(1)"));

TEST_F(DownloadFails, WhenARedirectLeadsToAnotherScheme) {
    for (const std::string to : {"file:///etc/hostname", "ftp://127.0.0.1/x"}) {
        SCOPED_TRACE(to);
        const DownloadResult result = Download(Url("/redirect?to=" + to), target_);
        EXPECT_EQ(result.error, DownloadError::kBadAddress) << result.reason;
        ExpectTargetUntouched();
    }
}

// ---- A local file that cannot be written ----

class DownloadFailsLocally : public LocalServerTest {
protected:
    void SetUp() override {
        LocalServerTest::SetUp();
        Serve("page.html", "<html></html>");
    }
};

TEST_F(DownloadFailsLocally, WhenTheFolderDoesNotExist) {
    const std::string path = folder_ / "no-such-folder/page.html";
    const DownloadResult result = Download(Url("/files/page.html"), path);
    EXPECT_EQ(result.error, DownloadError::kLocalFile);
    EXPECT_NE(result.reason.find(path), std::string::npos) << result.reason;
    EXPECT_TRUE(Entries(folder_.path()).empty());
}

TEST_F(DownloadFailsLocally, WhenTheTargetIsAFolder) {
    std::filesystem::create_directory(folder_ / "page.html");
    const DownloadResult result = Download(Url("/files/page.html"), folder_ / "page.html");
    EXPECT_EQ(result.error, DownloadError::kLocalFile);
    EXPECT_TRUE(std::filesystem::is_directory(folder_ / "page.html"));
    EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"page.html"});
}

TEST_F(DownloadFailsLocally, WhenTheFolderIsReadOnly) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    std::filesystem::create_directory(folder_ / "locked");
    std::filesystem::permissions(folder_ / "locked", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
    const DownloadResult result = Download(Url("/files/page.html"), folder_ / "locked/page.html");
    EXPECT_EQ(result.error, DownloadError::kLocalFile);
    EXPECT_TRUE(Entries(folder_ / "locked").empty());
}

TEST_F(DownloadFailsLocally, WhenTheDiskFillsMidBody) {
    // A file size limit makes writes beyond it fail, as a full disk would.
    Serve("large", LargeBody(1 << 20));
    WriteFileBytes(target_, kPrevious);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previous_handler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = previous;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const DownloadResult result = Download(Url("/files/large"), target_);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, previous_handler);

    EXPECT_EQ(result.error, DownloadError::kLocalFile);
    EXPECT_NE(result.reason.find(target_), std::string::npos) << result.reason;
    ExpectTargetUntouched();
}

// ---- Progress ----

class DownloadReportsProgress : public LocalServerTest {
protected:
    std::vector<DownloadProgress> reports_;
    platform::DownloadObserver Recorder() {
        return [this](const DownloadProgress& progress) { reports_.push_back(progress); };
    }
};

TEST_F(DownloadReportsProgress, GrowingToTheAnnouncedSize) {
    const std::int64_t size = 1 << 20;
    Serve("list.html", LargeBody(size));
    ASSERT_TRUE(Download(Url("/files/list.html"), target_, Recorder()).ok());
    ASSERT_GE(reports_.size(), 2u);
    for (std::size_t i = 0; i < reports_.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reports_[i].total, size);
        EXPECT_GT(reports_[i].done, 0);
        EXPECT_LE(reports_[i].done, size);
        if (i > 0) {
            EXPECT_GT(reports_[i].done, reports_[i - 1].done);
        }
    }
    EXPECT_EQ(reports_.back().done, size);
}

TEST_F(DownloadReportsProgress, EndingComplete_WhenTheSizeIsNotAnnounced) {
    const std::int64_t size = 100000;
    Serve("list.html", LargeBody(size));
    ASSERT_TRUE(Download(Url("/chunked/list.html"), target_, Recorder()).ok());
    ASSERT_GE(reports_.size(), 2u);
    // While the body arrives the size is unknown; the last report gives the final size.
    for (std::size_t i = 0; i + 1 < reports_.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(reports_[i].total, 0);
        EXPECT_GT(reports_[i].done, 0);
        if (i > 0) {
            EXPECT_GT(reports_[i].done, reports_[i - 1].done);
        }
    }
    EXPECT_EQ(reports_.back().done, size);
    EXPECT_EQ(reports_.back().total, size);
    EXPECT_EQ(ReadFileBytes(target_), LargeBody(size));
}

TEST_F(DownloadReportsProgress, OnceForAnEmptyBody) {
    Serve("empty", "");
    ASSERT_TRUE(Download(Url("/files/empty"), target_, Recorder()).ok());
    EXPECT_TRUE(reports_.empty() || (reports_.back().done == 0 && reports_.back().total == 0));
}

// ---- Stopping ----

class DownloadStopsMidTransfer : public LocalServerTest,
                                 public testing::WithParamInterface<std::string> {};

TEST_P(DownloadStopsMidTransfer, PromptlyWhenAsked) {
    WriteFileBytes(target_, kPrevious);
    // Long time-outs, so that only the stop request can end the transfer.
    CurlDownloaderSettings settings = TestSettings();
    settings.stall_timeout = 60s;
    CurlDownloader downloader(settings);

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

class DownloadStops : public LocalServerTest {};

TEST_F(DownloadStops, BeforeStartingWhenStopWasAlreadyRequested) {
    Serve("page.html", "<html></html>");
    std::stop_source stop;
    stop.request_stop();
    const DownloadResult result =
        downloader_.DownloadToFile(Url("/files/page.html"), target_, {}, stop.get_token());
    EXPECT_EQ(result.error, DownloadError::kCancelled);
    EXPECT_TRUE(Entries(folder_.path()).empty());
}

}  // namespace
