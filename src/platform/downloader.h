#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>

namespace platform {

// How far a download has come: the bytes of the body written so far and the size the server
// announced (0 while the size is unknown, or when the server does not announce it).
struct DownloadProgress {
    std::int64_t done = 0;
    std::int64_t total = 0;
};

// Receives the progress of a download. It is called on the thread that downloads.
using DownloadObserver = std::function<void(const DownloadProgress&)>;

// Why a download failed.
enum class DownloadError {
    kNone = 0,
    // The address is not an http or https address, or it is malformed.
    kBadAddress,
    // The server could not be reached: unknown host, refused connection, failed TLS handshake.
    kConnectionFailed,
    // The server answered with an error status (400 and above) or without the resource.
    kHttpStatus,
    // Connecting took too long, or the transfer stalled.
    kTimedOut,
    // The transfer broke off or the answer could not be used (for instance endless redirects).
    kTransferFailed,
    // The caller asked to stop.
    kCancelled,
    // The local file could not be created or written.
    kLocalFile,
};

// What became of a download: success, or the kind of failure with a reason in words for the
// message shown to the user ("HTTP 404", "cancelled", the network library's text ...).
struct DownloadResult {
    DownloadError error = DownloadError::kNone;
    std::string reason;

    bool ok() const { return error == DownloadError::kNone; }
    explicit operator bool() const { return ok(); }
    // 0 for success, non-zero for any failure.
    int code() const { return static_cast<int>(error); }

    static DownloadResult Success() { return {}; }
    static DownloadResult Failure(DownloadError error, std::string reason) {
        return {error, std::move(reason)};
    }
};

// Fetches a web address into a local file (HTTP GET). Every network request of the program is
// one such call: it names an address and a file, waits, and then works on the file.
class Downloader {
public:
    virtual ~Downloader() = default;

    // Stores the body at `address` in `local_path`, replacing an existing file only when the whole
    // body arrived; a failed or cancelled download leaves an existing file as it was. Blocks until
    // the transfer ends, so callers run it on a worker thread. `address` is used as the caller
    // built it (no escaping needed). `observer` may be empty. A stop request on `stop` cancels the
    // transfer.
    virtual DownloadResult DownloadToFile(const std::string& address, const std::string& local_path,
                                          const DownloadObserver& observer,
                                          std::stop_token stop) = 0;
};

}  // namespace platform
