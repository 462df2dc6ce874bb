#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "platform/downloader.h"
#include "temp_folder.h"

// A download that writes a set body into the local file, or fails. Held, it waits until it is
// released or cancelled, so a test can look at a window while its download runs.
class FakeDownloader final : public platform::Downloader {
  public:
    platform::DownloadResult DownloadToFile(const std::string& address,
                                            const std::string& local_path,
                                            const platform::DownloadObserver& observer,
                                            std::stop_token stop) override {
        std::unique_lock lock(mutex_);
        addresses.push_back(address);
        started_.notify_all();
        if (!released_.wait(lock, stop, [&] { return !hold_; })) {
            return platform::DownloadResult::Failure(platform::DownloadError::kCancelled,
                                                     "cancelled");
        }
        if (!succeed) {
            return platform::DownloadResult::Failure(platform::DownloadError::kHttpStatus,
                                                     "HTTP 404");
        }
        if (observer)
            observer(
                {static_cast<std::int64_t>(body.size()), static_cast<std::int64_t>(body.size())});
        WriteFileBytes(local_path, body);
        return platform::DownloadResult::Success();
    }

    void Hold() {
        std::lock_guard lock(mutex_);
        hold_ = true;
    }
    void Release() {
        std::lock_guard lock(mutex_);
        hold_ = false;
        released_.notify_all();
    }
    // Waits until a download has begun.
    void WaitForStart() {
        std::unique_lock lock(mutex_);
        started_.wait(lock, [&] { return !addresses.empty(); });
    }

    std::string body = "GIF89a picture";
    bool succeed = true;
    std::vector<std::string> addresses;

  private:
    std::mutex mutex_;
    std::condition_variable_any released_;
    std::condition_variable started_;
    bool hold_ = false;
};
