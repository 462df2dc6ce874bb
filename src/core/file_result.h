#pragma once

#include <cstdint>
#include <string>

namespace core {

// What a reader or writer of a file reports: a value (1, or a count of what was read) on
// success, -1 on failure together with the file and the system's reason.
struct FileResult {
    std::int64_t value = -1;
    std::string path;
    std::string reason;

    bool ok() const { return value >= 0; }
    explicit operator bool() const { return ok(); }

    static FileResult Success(std::int64_t value = 1) { return {value, {}, {}}; }
    static FileResult Failure(std::string path, std::string reason) {
        return {-1, std::move(path), std::move(reason)};
    }
    // "path: reason", for one-line reports.
    std::string Describe() const { return path.empty() ? reason : path + ": " + reason; }
};

}  // namespace core
