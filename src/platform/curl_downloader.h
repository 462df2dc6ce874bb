#pragma once

#include <chrono>
#include <string>

#include "platform/downloader.h"

namespace platform {

// The limits of the libcurl downloader. The defaults suit the desktop program; tests shorten
// the time-outs.
struct CurlDownloaderSettings {
    // How long connecting (with the TLS handshake) may take.
    std::chrono::milliseconds connect_timeout = std::chrono::seconds(15);
    // A transfer that receives no byte for this long is abandoned (whole seconds, at least 1).
    std::chrono::seconds stall_timeout = std::chrono::seconds(60);
    // How many redirects are followed before the download fails.
    int max_redirects = 10;
    std::string user_agent = "Reeldeck/1.0";
    // Whether the proxy named by the environment (http_proxy, https_proxy, no_proxy) is used.
    bool use_environment_proxy = true;
};

// Downloads over libcurl, http and https only, following redirects. Each call uses its own
// transfer handle, so one downloader may serve several threads at once. The body is written to a
// temporary file beside the target, which takes the target's place once the whole body arrived.
// A stop request is seen within about a second, also while the server sends nothing.
class CurlDownloader final : public Downloader {
public:
    explicit CurlDownloader(CurlDownloaderSettings settings = {});

    DownloadResult DownloadToFile(const std::string& address, const std::string& local_path,
                                  const DownloadObserver& observer, std::stop_token stop) override;

private:
    CurlDownloaderSettings settings_;
};

}  // namespace platform
