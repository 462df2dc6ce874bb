#include "platform/curl_downloader.h"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>
#include <utility>

namespace platform {

namespace {

// libcurl's process-wide set-up, done once, before the first transfer handle is made.
bool CurlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

std::string SystemReason(int error_number) {
    return std::system_category().message(error_number == 0 ? EIO : error_number);
}

DownloadResult LocalFileFailure(const std::string& path, int error_number) {
    return DownloadResult::Failure(DownloadError::kLocalFile,
                                   path + ": " + SystemReason(error_number));
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsSchemeCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '-' || c == '.';
}

// Whether the address starts with "http://" or "https://" (in any case).
bool IsWebAddress(const std::string& address) {
    const std::size_t separator = address.find("://");
    if (separator == std::string::npos || separator == 0) return false;
    std::string scheme;
    for (std::size_t i = 0; i < separator; ++i) {
        if (!IsSchemeCharacter(address[i])) return false;
        scheme += LowerAscii(address[i]);
    }
    return scheme == "http" || scheme == "https";
}

// Bytes that may not stand in a request's path or query as they are.
bool NeedsEscaping(unsigned char c) {
    if (c <= 0x20 || c >= 0x7f) return true;
    switch (c) {
        case '"':
        case '<':
        case '>':
        case '\\':
        case '^':
        case '`':
        case '{':
        case '|':
        case '}':
            return true;
        default:
            return false;
    }
}

// Callers insert user text into addresses as it stands ("list?f=star wars"). What cannot be sent
// that way (spaces, control bytes, bytes above ASCII and a few others) is percent-encoded after
// the host part; everything else, existing escapes included, goes out unchanged.
std::string EscapeUnsafeBytes(const std::string& address) {
    const std::size_t authority = address.find("://") + 3;
    const std::size_t path = address.find_first_of("/?#", authority);
    if (path == std::string::npos) return address;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped = address.substr(0, path);
    for (std::size_t i = path; i < address.size(); ++i) {
        const auto c = static_cast<unsigned char>(address[i]);
        if (NeedsEscaping(c)) {
            escaped += '%';
            escaped += kHex[c >> 4];
            escaped += kHex[c & 0x0f];
        } else {
            escaped += address[i];
        }
    }
    return escaped;
}

// The folder of a file, for the system calls: "/" or "." where the path names none.
std::string FolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) return path.front() == '/' ? "/" : ".";
    return folder.string();
}

// The body of a download on its way to the target: a temporary file beside the target that
// takes the target's place when the body is complete, and is removed otherwise.
class PartFile {
public:
    explicit PartFile(std::string target) : target_(std::move(target)) {
        // Downloading through a symbolic link replaces the file it points to, not the link.
        std::error_code error;
        if (std::filesystem::is_symlink(target_, error)) {
            std::filesystem::path resolved = std::filesystem::weakly_canonical(target_, error);
            if (!error) target_ = resolved.string();
        }
    }
    ~PartFile() { Discard(); }
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    DownloadResult Create() {
        if (target_.empty()) {
            return DownloadResult::Failure(DownloadError::kLocalFile, "no file name to save to");
        }
        struct stat existing{};
        const bool exists = ::stat(target_.c_str(), &existing) == 0;
        if (exists && S_ISDIR(existing.st_mode)) return LocalFileFailure(target_, EISDIR);

        const std::string folder = FolderOf(target_);
        // The temporary name must fit where the target's name fits.
        const std::string name = std::filesystem::path(target_).filename().string().substr(0, 200);
        std::random_device random;
        for (int attempt = 0; attempt < 16; ++attempt) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, ".%08x.part", random());
            const std::string candidate = folder + "/." + name + suffix;
            do fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            while (fd_ < 0 && errno == EINTR);
            if (fd_ >= 0) {
                temp_path_ = candidate;
                break;
            }
            // Another download to the same target may hold this name: try another one.
            if (errno != EEXIST) return LocalFileFailure(target_, errno);
        }
        if (fd_ < 0) return LocalFileFailure(target_, EEXIST);
        // A replaced file keeps its permissions; a new one gets the usual ones.
        if (exists) ::fchmod(fd_, existing.st_mode & 07777);
        return DownloadResult::Success();
    }

    bool Write(const char* data, std::size_t size) {
        while (size > 0) {
            const ssize_t written = ::write(fd_, data, size);
            if (written < 0) {
                if (errno == EINTR) continue;
                write_error_ = errno;
                return false;
            }
            data += written;
            size -= static_cast<std::size_t>(written);
        }
        return true;
    }

    // The failure of an earlier Write, if there was one.
    bool WriteFailed() const { return write_error_ != 0; }
    DownloadResult WriteFailure() const { return LocalFileFailure(target_, write_error_); }

    // Flushes the body to disk and puts it in place of the target.
    DownloadResult Publish() {
        if (::fsync(fd_) != 0) return LocalFileFailure(target_, errno);
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0) return LocalFileFailure(target_, errno);
        if (::rename(temp_path_.c_str(), target_.c_str()) != 0) {
            return LocalFileFailure(target_, errno);
        }
        temp_path_.clear();
        // Make the rename itself durable; the file is in place whatever this gives.
        const int folder_fd = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder_fd >= 0) {
            ::fsync(folder_fd);
            ::close(folder_fd);
        }
        return DownloadResult::Success();
    }

private:
    void Discard() {
        if (fd_ >= 0) ::close(std::exchange(fd_, -1));
        if (!temp_path_.empty()) ::unlink(temp_path_.c_str());
        temp_path_.clear();
    }

    std::string target_;
    std::string temp_path_;
    int fd_ = -1;
    int write_error_ = 0;
};

// What the callbacks of one transfer share.
struct Transfer {
    CURL* handle = nullptr;
    PartFile* file = nullptr;
    const DownloadObserver* observer = nullptr;
    std::stop_token stop;
    std::int64_t done = 0;
    DownloadProgress reported;
    bool cancelled = false;
    std::exception_ptr observer_exception;

    // Tells the observer, when there is something new to tell. False when the observer threw.
    bool Report(const DownloadProgress& progress) {
        if (!*observer) return true;
        if (progress.done == reported.done && progress.total == reported.total) return true;
        reported = progress;
        try {
            (*observer)(progress);
        } catch (...) {
            observer_exception = std::current_exception();
            return false;
        }
        return true;
    }
};

std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user_data) {
    auto& transfer = *static_cast<Transfer*>(user_data);
    const std::size_t bytes = size * count;
    if (transfer.stop.stop_requested()) {
        transfer.cancelled = true;
        return CURL_WRITEFUNC_ERROR;
    }
    if (!transfer.file->Write(data, bytes)) return CURL_WRITEFUNC_ERROR;
    transfer.done += static_cast<std::int64_t>(bytes);
    // Only the final answer's body reaches this function, so its length is the total.
    curl_off_t length = -1;
    curl_easy_getinfo(transfer.handle, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    if (!transfer.Report({transfer.done, length > 0 ? static_cast<std::int64_t>(length) : 0})) {
        return CURL_WRITEFUNC_ERROR;
    }
    return bytes;
}

// libcurl calls this often while data flows, and about once a second while nothing happens.
int CheckStop(void* user_data, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto& transfer = *static_cast<Transfer*>(user_data);
    if (!transfer.stop.stop_requested()) return 0;
    transfer.cancelled = true;
    return 1;
}

DownloadResult HttpStatusFailure(CURL* handle) {
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    return DownloadResult::Failure(DownloadError::kHttpStatus, "HTTP " + std::to_string(status));
}

DownloadResult CurlFailure(CURLcode code, CURL* handle, const char* error_text) {
    std::string reason = error_text[0] != '\0' ? error_text : curl_easy_strerror(code);
    switch (code) {
        case CURLE_HTTP_RETURNED_ERROR:
            return HttpStatusFailure(handle);
        case CURLE_OPERATION_TIMEDOUT:
            return DownloadResult::Failure(DownloadError::kTimedOut, "timed out: " + reason);
        case CURLE_ABORTED_BY_CALLBACK:
            return DownloadResult::Failure(DownloadError::kCancelled, "cancelled");
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_URL_MALFORMAT:
            return DownloadResult::Failure(DownloadError::kBadAddress, reason);
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_USE_SSL_FAILED:
            return DownloadResult::Failure(DownloadError::kConnectionFailed, reason);
        default:
            return DownloadResult::Failure(DownloadError::kTransferFailed, reason);
    }
}

// Sets up a transfer handle; returns the first setting libcurl refused, or CURLE_OK.
CURLcode Configure(CURL* handle, const std::string& address, const CurlDownloaderSettings& settings,
                   Transfer& transfer, char* error_text) {
    const long stall_seconds = std::max<long>(1, static_cast<long>(settings.stall_timeout.count()));
    const char* proxy = settings.use_environment_proxy ? nullptr : "";
    const CURLcode results[] = {
        curl_easy_setopt(handle, CURLOPT_URL, address.c_str()),
        curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https"),
        curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https"),
        curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L),
        curl_easy_setopt(handle, CURLOPT_MAXREDIRS, static_cast<long>(settings.max_redirects)),
        curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L),
        curl_easy_setopt(handle, CURLOPT_USERAGENT, settings.user_agent.c_str()),
        curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(settings.connect_timeout.count())),
        // Less than one byte a second for the stall time: nothing arrives any more.
        curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L),
        curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, stall_seconds),
        // Several threads may download at once: no signals for time-outs.
        curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L),
        // No proxy at all, or (null) the one the environment names.
        curl_easy_setopt(handle, CURLOPT_PROXY, proxy),
        curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error_text),
        curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &WriteBody),
        curl_easy_setopt(handle, CURLOPT_WRITEDATA, static_cast<void*>(&transfer)),
        curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L),
        curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &CheckStop),
        curl_easy_setopt(handle, CURLOPT_XFERINFODATA, static_cast<void*>(&transfer)),
    };
    for (const CURLcode result : results) {
        if (result != CURLE_OK) return result;
    }
    return CURLE_OK;
}

}  // namespace

CurlDownloader::CurlDownloader(CurlDownloaderSettings settings) : settings_(std::move(settings)) {
    CurlReady();
}

DownloadResult CurlDownloader::DownloadToFile(const std::string& address,
                                              const std::string& local_path,
                                              const DownloadObserver& observer,
                                              std::stop_token stop) {
    if (!IsWebAddress(address)) {
        return DownloadResult::Failure(DownloadError::kBadAddress, "not an http or https address");
    }
    if (stop.stop_requested()) {
        return DownloadResult::Failure(DownloadError::kCancelled, "cancelled");
    }
    if (!CurlReady()) {
        return DownloadResult::Failure(DownloadError::kTransferFailed,
                                       "the network library could not be set up");
    }

    PartFile file(local_path);
    if (DownloadResult created = file.Create(); !created) return created;

    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> handle(curl_easy_init(),
                                                                     &curl_easy_cleanup);
    if (!handle) {
        return DownloadResult::Failure(DownloadError::kTransferFailed,
                                       "the network library could not start a transfer");
    }
    Transfer transfer;
    transfer.handle = handle.get();
    transfer.file = &file;
    transfer.observer = &observer;
    transfer.stop = stop;
    char error_text[CURL_ERROR_SIZE] = "";

    if (const CURLcode refused =
            Configure(handle.get(), EscapeUnsafeBytes(address), settings_, transfer, error_text);
        refused != CURLE_OK) {
        return DownloadResult::Failure(
            DownloadError::kTransferFailed,
            std::string("the network library refused a setting: ") + curl_easy_strerror(refused));
    }

    const CURLcode code = curl_easy_perform(handle.get());
    if (transfer.observer_exception) std::rethrow_exception(transfer.observer_exception);
    if (file.WriteFailed()) return file.WriteFailure();
    if (code != CURLE_OK) {
        if (transfer.cancelled || stop.stop_requested()) {
            return DownloadResult::Failure(DownloadError::kCancelled, "cancelled");
        }
        return CurlFailure(code, handle.get(), error_text);
    }
    long status = 0;
    curl_easy_getinfo(handle.get(), CURLINFO_RESPONSE_CODE, &status);
    // A redirect without a place to go, or anything else that is not the resource itself.
    if (status < 200 || status >= 300) return HttpStatusFailure(handle.get());
    // The caller no longer wants the file: leave the target as it was.
    if (stop.stop_requested()) {
        return DownloadResult::Failure(DownloadError::kCancelled, "cancelled");
    }

    if (DownloadResult published = file.Publish(); !published) return published;
    transfer.Report({transfer.done, transfer.done});
    if (transfer.observer_exception) std::rethrow_exception(transfer.observer_exception);
    return DownloadResult::Success();
}

}  // namespace platform
