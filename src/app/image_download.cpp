#include "app/image_download.h"

#include <system_error>

namespace app {

ImageDownload::~ImageDownload() {
    Cancel();
}

void ImageDownload::Cancel() {
    worker_.request_stop();
    if (worker_.joinable()) worker_.join();
}

bool ImageDownload::Start(std::string address, std::string local_path,
                          std::function<void()> finished) {
    // A download that ended earlier still has its thread to be joined.
    if (worker_.joinable()) worker_.join();
    percent_ = 0;
    result_ = {};
    try {
        worker_ =
            std::jthread([this, address = std::move(address), local_path = std::move(local_path),
                          finished = std::move(finished)](std::stop_token stop) {
                const platform::DownloadObserver observer =
                    [this](const platform::DownloadProgress& p) {
                        if (p.total > 0) percent_ = static_cast<int>(p.done * 100 / p.total);
                    };
                result_ = downloader_.DownloadToFile(address, local_path, observer, stop);
                if (finished) finished();
            });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

}  // namespace app
