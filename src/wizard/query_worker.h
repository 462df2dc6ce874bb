#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <list>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>

#include "platform/downloader.h"
#include "wizard/results_reply.h"

// The wizard's network work on worker threads. A worker never touches a window: it hands each
// step to the window's thread through `PostToWindow`, whose calls are dropped once the window is
// gone. Its stop token is the window-still-exists check: closing the window requests the stop.
namespace wizard {

using PostToWindow = std::function<void(std::function<void()>)>;

// What a search brought.
struct QueryOutcome {
    enum class Kind { kConnectionError, kNoResults, kResults };
    Kind kind = Kind::kConnectionError;
    ResultsReply reply;
    std::string reason;  // why the connection failed
};

// Deletes the old results file, downloads the query into it and reads it.
QueryOutcome FetchResults(platform::Downloader& downloader, const std::string& address,
                          const std::string& results_path, std::stop_token stop);

// One search at a time, on a thread of its own.
class QueryWorker {
  public:
    struct Steps {
        std::function<void()> connecting;            // before the download
        std::function<void(QueryOutcome)> finished;  // the outcome
        std::function<void()> idle;                  // after the pause that follows
    };

    QueryWorker(platform::Downloader& downloader, PostToWindow post,
                std::chrono::milliseconds settle = std::chrono::seconds(1))
        : downloader_(downloader), post_(std::move(post)), settle_(settle) {}
    // Requests the stop and waits for the thread.
    ~QueryWorker() { Stop(); }
    QueryWorker(const QueryWorker&) = delete;
    QueryWorker& operator=(const QueryWorker&) = delete;

    // False when no thread could be started.
    bool Start(std::string address, std::string results_path, Steps steps);
    void Stop();

  private:
    platform::Downloader& downloader_;
    PostToWindow post_;
    std::chrono::milliseconds settle_;
    std::jthread thread_;
};

// Requests whose replies are stored and ignored (ratings, reports), each on its own thread.
class BackgroundRequests {
  public:
    BackgroundRequests(platform::Downloader& downloader, PostToWindow post)
        : downloader_(downloader), post_(std::move(post)) {}
    ~BackgroundRequests();
    BackgroundRequests(const BackgroundRequests&) = delete;
    BackgroundRequests& operator=(const BackgroundRequests&) = delete;

    // Downloads `address` into `reply_path`; `finished` (may be empty) runs on the window's
    // thread afterwards, success or not. Failures are silent.
    void Send(std::string address, std::string reply_path, std::function<void()> finished = {});
    // Waits for every request still running.
    void WaitAll();

  private:
    struct Request {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    platform::Downloader& downloader_;
    PostToWindow post_;
    std::list<Request> requests_;
};

// Waits `duration` unless a stop is requested first; false when stopped.
bool PauseUnlessStopped(std::chrono::milliseconds duration, std::stop_token stop);

}  // namespace wizard
