#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "platform/downloader.h"

namespace app {

// One picture download on a worker thread, so that the window that started it stays usable.
// Destroying it (the window closes) cancels a download still running and waits for its thread.
class ImageDownload {
  public:
    explicit ImageDownload(platform::Downloader& downloader) : downloader_(downloader) {}
    ~ImageDownload();
    ImageDownload(const ImageDownload&) = delete;
    ImageDownload& operator=(const ImageDownload&) = delete;

    // Starts fetching `address` into `local_path`. When it ends, `finished` is called on the
    // worker thread; the window hands that on to its own thread and reads Result() there. False
    // when no thread could be started.
    bool Start(std::string address, std::string local_path, std::function<void()> finished);

    // Stops a download still running and waits for its thread; `finished` is still called.
    void Cancel();

    // How far the transfer has come, 0 to 100 (0 while the size is unknown). Any thread.
    int Percent() const { return percent_.load(); }
    // The outcome, once `finished` was called.
    const platform::DownloadResult& Result() const { return result_; }

  private:
    platform::Downloader& downloader_;
    std::atomic<int> percent_{0};
    platform::DownloadResult result_;
    std::jthread worker_;
};

}  // namespace app
