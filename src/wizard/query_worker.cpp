#include "wizard/query_worker.h"

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <system_error>

#include "core/paths.h"

namespace wizard {

QueryOutcome FetchResults(platform::Downloader& downloader, const std::string& address,
                          const std::string& results_path, std::stop_token stop) {
    std::error_code error;
    std::filesystem::remove(results_path, error);
    std::filesystem::create_directories(core::ParentFolderOf(results_path), error);
    QueryOutcome outcome;
    const platform::DownloadResult result =
        downloader.DownloadToFile(address, results_path, {}, stop);
    if (!result) {
        outcome.kind = QueryOutcome::Kind::kConnectionError;
        outcome.reason = result.reason;
        return outcome;
    }
    if (!ReadResultsFile(results_path, outcome.reply) || outcome.reply.Empty()) {
        outcome.kind = QueryOutcome::Kind::kNoResults;
        outcome.reply = {};
        return outcome;
    }
    outcome.kind = QueryOutcome::Kind::kResults;
    return outcome;
}

bool PauseUnlessStopped(std::chrono::milliseconds duration, std::stop_token stop) {
    std::mutex mutex;
    std::condition_variable_any never;
    std::unique_lock lock(mutex);
    never.wait_for(lock, stop, duration, [] { return false; });
    return !stop.stop_requested();
}

bool QueryWorker::Start(std::string address, std::string results_path, Steps steps) {
    if (thread_.joinable()) thread_.join();
    try {
        thread_ = std::jthread([this, address = std::move(address),
                                results_path = std::move(results_path),
                                steps = std::move(steps)](std::stop_token stop) {
            auto post = [this, stop](std::function<void()> step) {
                post_([stop, step = std::move(step)] {
                    if (!stop.stop_requested()) step();
                });
            };
            post(steps.connecting);
            QueryOutcome outcome = FetchResults(downloader_, address, results_path, stop);
            if (stop.stop_requested()) return;
            post([finished = steps.finished, outcome = std::move(outcome)]() mutable {
                finished(std::move(outcome));
            });
            if (!PauseUnlessStopped(settle_, stop)) return;
            post(steps.idle);
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void QueryWorker::Stop() {
    thread_.request_stop();
    if (thread_.joinable()) thread_.join();
}

BackgroundRequests::~BackgroundRequests() {
    for (Request& request : requests_) request.thread.request_stop();
    WaitAll();
}

void BackgroundRequests::WaitAll() {
    for (Request& request : requests_) {
        if (request.thread.joinable()) request.thread.join();
    }
    requests_.clear();
}

void BackgroundRequests::Send(std::string address, std::string reply_path,
                              std::function<void()> finished) {
    // Requests that ended give their threads back first.
    requests_.remove_if([](Request& request) {
        if (!request.done->load()) return false;
        if (request.thread.joinable()) request.thread.join();
        return true;
    });
    auto done = std::make_shared<std::atomic<bool>>(false);
    try {
        std::jthread thread([this, done, address = std::move(address),
                             reply_path = std::move(reply_path),
                             finished = std::move(finished)](std::stop_token stop) {
            downloader_.DownloadToFile(address, reply_path, {}, stop);
            if (finished && !stop.stop_requested()) {
                post_([stop, finished] {
                    if (!stop.stop_requested()) finished();
                });
            }
            done->store(true);
        });
        requests_.push_back({std::move(thread), done});
    } catch (const std::system_error&) {
        // A request that cannot be sent is as silent as one that fails.
    }
}

}  // namespace wizard
